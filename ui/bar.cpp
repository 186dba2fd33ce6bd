#include "ui/bar.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/accessibility.h"
#include "ui/skin.h"

namespace corvane {

Bar::Bar(QWidget* parent, const QString& name, QRect geometry, QColor fill, int maximum,
         bool show_text)
    : QWidget(parent), fill_(fill), maximum_(maximum), show_text_(show_text) {
    setObjectName(name);
    setGeometry(geometry);
    accessibility::set_role(this, QAccessible::ProgressBar);
}

void Bar::set_value(int value) {
    value = std::clamp(value, 0, maximum_);
    if (value != value_) {
        value_ = value;
        update();
        accessibility::value_changed(this, value_);
    }
}

QString Bar::text() const {
    return QString::number(value_) + QLatin1Char('%');
}

// Where the fill ends, in logical pixels: on the edge of a device pixel, so that the fill and
// the two colours of the text meet on one line at any ratio.
qreal Bar::fill_edge(qreal ratio) const {
    if (maximum_ <= 0) {
        return 0;
    }
    return std::round(width() * ratio * value_ / maximum_) / ratio;
}

void Bar::paint(QPainter& p) const {
    const qreal edge = fill_edge(p.device()->devicePixelRatioF());
    const QRectF filled(0, 0, edge, height());
    const QRectF empty(edge, 0, width() - edge, height());
    p.fillRect(rect(), Qt::black);
    p.fillRect(filled, fill_);
    if (!show_text_) {
        return;
    }
    QFont f(skin::sans_family());
    f.setPixelSize(11);
    p.setFont(f);
    // Black text on the black track would vanish: the part of the text over the fill is
    // black, the part over the empty track silver, as the captions beside it.
    const std::pair<QRectF, QColor> parts[] = {{filled, Qt::black}, {empty, skin::colour::kSilver}};
    for (const auto& [part, colour] : parts) {
        if (part.isEmpty()) {
            continue;
        }
        p.save();
        p.setClipRect(part);
        p.setPen(colour);
        p.drawText(rect(), Qt::AlignCenter, text());
        p.restore();
    }
}

void Bar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paint(p);
}

}  // namespace corvane
