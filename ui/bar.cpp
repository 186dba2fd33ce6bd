#include "ui/bar.h"

#include <QPainter>
#include <algorithm>

#include "ui/skin.h"

namespace corvane {

Bar::Bar(QWidget* parent, const QString& name, QRect geometry, QColor fill, int maximum,
         bool show_text)
    : QWidget(parent), fill_(fill), maximum_(maximum), show_text_(show_text) {
    setObjectName(name);
    setGeometry(geometry);
}

void Bar::set_value(int value) {
    value = std::clamp(value, 0, maximum_);
    if (value != value_) {
        value_ = value;
        update();
    }
}

void Bar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (maximum_ > 0 && value_ > 0) {
        const qreal w = width() * static_cast<qreal>(value_) / maximum_;
        p.fillRect(QRectF(0, 0, w, height()), fill_);
    }
    if (show_text_) {
        QFont f(skin::sans_family());
        f.setPixelSize(11);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(rect(), Qt::AlignCenter, QString::number(value_) + QLatin1Char('%'));
    }
}

}  // namespace corvane
