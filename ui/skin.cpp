// The window's artwork: every art is painted by the painter of its kind (skin_controls.cpp,
// skin_backgrounds.cpp), with paths and gradients in logical coordinates, so the same code is
// crisp at any device pixel ratio; pixmaps are cached per size and ratio.
#include "ui/skin.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <QtMath>
#include <initializer_list>

#include "ui/skin_painting.h"

namespace corvane::skin {
namespace {

using namespace painting;

struct ArtPainter {
    Art art;
    Painter paint;
};

// The painter of every art, in the order of Art.
constexpr ArtPainter kPainters[] = {
    {Art::Skin, paint_skin},
    {Art::Cell, paint_cell},
    {Art::CellHover, paint_cell},
    {Art::CellPressed, paint_cell},
    {Art::BetField, paint_bet_field},
    {Art::Indicator, paint_indicator},
    {Art::Help, paint_chrome},
    {Art::HelpHover, paint_chrome},
    {Art::Minimise, paint_chrome},
    {Art::MinimiseHover, paint_chrome},
    {Art::Close, paint_chrome},
    {Art::CloseHover, paint_chrome},
    {Art::FileLoad, paint_letter_button},
    {Art::FileLoadHover, paint_letter_button},
    {Art::FileSave, paint_letter_button},
    {Art::FileSaveHover, paint_letter_button},
    {Art::Cancel, paint_cancel},
    {Art::CancelHover, paint_cancel},
    {Art::CancelInactive, paint_cancel},
    {Art::Options, paint_options},
    {Art::OptionsHover, paint_options},
    {Art::OptionsPressed, paint_options},
    {Art::CheckOn, paint_check},
    {Art::CheckOff, paint_check},
    {Art::RadioOff, paint_radio},
    {Art::RadioOn, paint_radio},
    {Art::RadioDisabled, paint_radio},
    {Art::ArrowLeft, paint_arrow},
    {Art::ArrowLeftActive, paint_arrow},
    {Art::ArrowLeftPressed, paint_arrow},
    {Art::ArrowLeftDisabled, paint_arrow},
    {Art::ArrowRight, paint_arrow},
    {Art::ArrowRightActive, paint_arrow},
    {Art::ArrowRightPressed, paint_arrow},
    {Art::ArrowRightDisabled, paint_arrow},
    {Art::ResetButton, paint_reset_button},
    {Art::ResetButtonHover, paint_reset_button},
    {Art::SectionBar, paint_section_bar},
    {Art::ValueBox, paint_value_box},
    {Art::ValueBoxDark, paint_value_box},
    {Art::Frame, paint_frame},
    {Art::HistoryBox, paint_history_box},
    {Art::LoadingPanel, paint_loading_panel},
};

// Every art has its row at its own index, so that an art finds its painter at once.
constexpr bool painters_in_art_order() {
    int i = 0;
    for (const ArtPainter& row : kPainters) {
        if (static_cast<int>(row.art) != i++) {
            return false;
        }
    }
    return i == static_cast<int>(Art::LoadingPanel) + 1;
}
static_assert(painters_in_art_order(), "kPainters lists every art once, in the order of Art");

QString pick_family(std::initializer_list<const char*> wanted, const QString& fallback) {
    const QStringList families = QFontDatabase::families();
    for (const char* name : wanted) {
        const QString family = QString::fromLatin1(name);
        if (families.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return fallback;
}

}  // namespace

QString sans_family() {
    static const QString family =
        pick_family({"Liberation Sans", "Arial", "Helvetica", "DejaVu Sans"}, QFont().family());
    return family;
}

QString narrow_family() {
    // Without a narrow face the regular sans stands in; a caller can narrow it with
    // QFont::setStretch (82 matches the narrow face's widths).
    static const QString family = pick_family(
        {"Liberation Sans Narrow", "Arial Narrow", "Nimbus Sans Narrow"}, sans_family());
    return family;
}

void paint(QPainter& painter, const QRectF& rect, Art art, int number, const QString& text) {
    if (rect.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.translate(rect.topLeft());
    kPainters[static_cast<int>(art)].paint(painter, Piece{rect.size(), art, number, text});
    painter.restore();
}

QPixmap pixmap(Art art, QSize size, qreal ratio, int number, const QString& text) {
    if (size.isEmpty()) {
        return {};
    }
    if (ratio <= 0) {
        ratio = 1;
    }
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1|%2x%3|%4|%5|%6")
                            .arg(static_cast<int>(art))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio)
                            .arg(number)
                            .arg(text);
    if (const auto found = cache.constFind(key); found != cache.constEnd()) {
        return *found;
    }
    QPixmap result(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), art, number, text);
    }
    cache.insert(key, result);
    return result;
}

}  // namespace corvane::skin
