#include "ui/chart_view.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chart/chart_style.h"
#include "chart/chart_writer.h"
#include "ui/tool_look.h"

namespace corvane {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::set_chart(std::shared_ptr<const SessionChart> chart) {
    chart_ = std::move(chart);
    picture_ = {};
    update();
}

void ChartView::set_note(const QString& note) {
    note_ = note;
    update();
}

QRect ChartView::chart_rect() const {
    const double scale = std::min(static_cast<double>(width()) / chart_style::kWidth,
                                  static_cast<double>(height()) / chart_style::kHeight);
    const int w = std::max(1, static_cast<int>(std::floor(chart_style::kWidth * scale)));
    const int h = std::max(1, static_cast<int>(std::floor(chart_style::kHeight * scale)));
    return {(width() - w) / 2, (height() - h) / 2, w, h};
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const QRect area = chart_rect();
    if (!chart_) {
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(area.adjusted(0, 0, -1, -1));
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(tool_font());
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, note_);
        return;
    }
    // Painted anew only for another size or ratio: a repaint of the window costs one copy. The
    // ratio is the painter's own, from the widget's pixels to the device's: the screen's, or
    // that of an image the widget is rendered into.
    const qreal ratio = p.deviceTransform().m11();
    const QSize pixels(static_cast<int>(std::lround(area.width() * ratio)),
                       static_cast<int>(std::lround(area.height() * ratio)));
    if (picture_.size() != pixels || picture_.devicePixelRatio() != ratio) {
        picture_ = QImage(pixels, QImage::Format_RGB32);
        {
            QPainter chart(&picture_);
            chart.scale(static_cast<double>(pixels.width()) / chart_style::kWidth,
                        static_cast<double>(pixels.height()) / chart_style::kHeight);
            paint_chart(chart, *chart_);
        }
        picture_.setDevicePixelRatio(ratio);
    }
    p.drawImage(area.topLeft(), picture_);
}

}  // namespace corvane
