#include "ui/loading_panel.h"

#include <QCoreApplication>

#include "ui/accessibility.h"
#include "ui/layout.h"
#include "ui/reader_texts.h"
#include "ui/surface.h"

namespace corvane {

LoadingPanel::LoadingPanel(Surface& surface)
    : panel_(surface.add_picture(QStringLiteral("LoadingPanel"), layout::kLoadingPanel,
                                 skin::Art::LoadingPanel)),
      bar_(new Bar(panel_, QStringLiteral("ProgressBar1"), layout::kLoadingBar,
                   skin::colour::kProgress, 100)) {
    accessibility::set_role(panel_, QAccessible::Grouping, QLatin1String(reader::kLoading));
    bar_->setAccessibleName(QLatin1String(reader::kLoading));
    // Bold Arial 8 pt, vertically centred in its place.
    make_label(panel_, QStringLiteral("LoadingCaption"), layout::kLoadingCaption,
               QStringLiteral("LOADING:"), 11, true, skin::colour::kSilver,
               Qt::AlignLeft | Qt::AlignVCenter);
    panel_->hide();
}

void LoadingPanel::show() {
    bar_->set_value(0);
    panel_->show();
    // The player's input waits until the load is done; the closed dialog's window goes away.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    panel_->window()->repaint();
}

LoadProgress LoadingPanel::progress() {
    return [this](std::size_t done, std::size_t total) {
        const int percent = total == 0 ? 0 : static_cast<int>(done * 100 / total);
        if (percent != bar_->value()) {
            bar_->set_value(percent);
            panel_->repaint();
        }
    };
}

void LoadingPanel::hide() {
    bar_->set_value(0);
    panel_->hide();
}

}  // namespace corvane
