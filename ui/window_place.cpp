#include "ui/window_place.h"

#include <QScreen>
#include <algorithm>
#include <array>

namespace corvane {

namespace {

// The nearest position from `wanted` at which a length fits between `low` and `high` (one past
// the end), or `low` when it cannot fit at all.
int fit(int wanted, int length, int low, int high) {
    return std::max(low, std::min(wanted, high - length));
}

}  // namespace

QPoint place_beside(const QRect& main, const QSize& size, const QRect& screen) {
    const int right_end = screen.x() + screen.width();
    const int bottom_end = screen.y() + screen.height();
    const int y = fit(main.y(), size.height(), screen.y(), bottom_end);
    const int x = fit(main.x(), size.width(), screen.x(), right_end);
    const std::array<QPoint, 4> beside = {
        QPoint(main.x() + main.width() + kWindowGap, y),
        QPoint(main.x() - kWindowGap - size.width(), y),
        QPoint(x, main.y() + main.height() + kWindowGap),
        QPoint(x, main.y() - kWindowGap - size.height()),
    };
    for (const QPoint& at : beside) {
        if (screen.contains(QRect(at, size))) {
            return at;
        }
    }
    // No room beside it: against the left or the right edge of the screen, whichever covers
    // less of the main window.
    const QPoint left(screen.x(), y);
    const QPoint right(fit(right_end, size.width(), screen.x(), right_end), y);
    const auto covered = [&](QPoint at) {
        const QRect overlap = QRect(at, size).intersected(main);
        return overlap.isEmpty() ? 0LL : 1LL * overlap.width() * overlap.height();
    };
    return covered(right) <= covered(left) ? right : left;
}

void show_beside(QWidget& window, const QWidget& main, bool& placed) {
    if (!placed) {
        placed = true;
        window.move(place_beside(main.frameGeometry(), window.frameGeometry().size(),
                                 main.screen()->availableGeometry()));
    }
    window.show();
    window.raise();
}

}  // namespace corvane
