// The program's wheel, in the title bar and on the desktop: the program's icon and the icon of
// its files.
#include <QConicalGradient>
#include <QtMath>

#include "ui/skin_painting.h"

namespace corvane::skin {

namespace painting {

// A stylised single-zero wheel: brass rim, red and black pockets with one green, turret, ball.
void paint_logo(QPainter& p, QPointF c, qreal r) {
    QRadialGradient shadow(c + QPointF(0, 1.5), r + 3);
    shadow.setColorAt(0.8, QColor(0, 0, 0, 150));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(0, 1.5), r + 3, r + 3);

    QConicalGradient rim(c, 60);
    rim.setColorAt(0, QColor(240, 206, 130));
    rim.setColorAt(0.25, QColor(132, 96, 40));
    rim.setColorAt(0.5, QColor(226, 186, 104));
    rim.setColorAt(0.75, QColor(112, 80, 34));
    rim.setColorAt(1, QColor(240, 206, 130));
    p.setPen(QPen(QColor(24, 16, 6), 0.8));
    p.setBrush(rim);
    p.drawEllipse(c, r, r);

    const qreal outer = r - 1.9;
    const qreal inner = r * 0.6;
    constexpr int kPockets = 18;
    const qreal span = 360.0 / kPockets;
    const QRectF outer_box(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer);
    const QRectF inner_box(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner);
    for (int i = 0; i < kPockets; ++i) {
        const qreal start = 90 - span / 2 - i * span;
        QPainterPath pocket;
        pocket.arcMoveTo(outer_box, start);
        pocket.arcTo(outer_box, start, span);
        pocket.arcTo(inner_box, start + span, -span);
        pocket.closeSubpath();
        QColor fill = i % 2 == 1 ? QColor(200, 30, 36) : QColor(24, 24, 26);
        if (i == 0) {
            fill = QColor(24, 150, 76);
        }
        p.setPen(QPen(QColor(214, 176, 98, 200), 0.4));
        p.setBrush(fill);
        p.drawPath(pocket);
    }
    QRadialGradient cone(c - QPointF(inner * 0.3, inner * 0.3), inner * 1.3);
    cone.setColorAt(0, QColor(132, 92, 46));
    cone.setColorAt(1, QColor(46, 30, 14));
    p.setPen(QPen(QColor(200, 160, 84), 0.6));
    p.setBrush(cone);
    p.drawEllipse(c, inner, inner);
    p.setPen(QPen(QColor(236, 204, 132), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal a = qDegreesToRadians(45.0 + 90.0 * i);
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * inner * 0.72);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 214, 144));
    p.drawEllipse(c, r * 0.13, r * 0.13);
    const qreal ball_angle = qDegreesToRadians(-35.0);
    const QPointF ball = c + QPointF(std::cos(ball_angle), std::sin(ball_angle)) * (inner + 1.6);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(ball + QPointF(0.3, 0.5), 1.5, 1.5);
    QRadialGradient shine(ball - QPointF(0.5, 0.5), 1.8);
    shine.setColorAt(0, QColor(255, 255, 255));
    shine.setColorAt(1, QColor(190, 190, 196));
    p.setBrush(shine);
    p.drawEllipse(ball, 1.5, 1.5);
}

}  // namespace painting

using namespace painting;

void paint_icon(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 32.0, rect.height() / 32.0);
    QLinearGradient tile(0, 0, 0, 32);
    tile.setColorAt(0, QColor(52, 52, 52));
    tile.setColorAt(1, QColor(18, 18, 18));
    rounded(painter, QRectF(0.5, 0.5, 31, 31), 6, tile, QPen(QColor(255, 140, 0, 200), 0.8));
    paint_logo(painter, QPointF(16, 15.5), 12.5);
    painter.restore();
}

void paint_file_icon(QPainter& painter, const QRectF& rect, const QString& kind) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 32.0, rect.height() / 32.0);
    // A page with a folded corner, the wheel, and the kind of file beneath it.
    QPainterPath page;
    page.moveTo(5, 1.5);
    page.lineTo(21, 1.5);
    page.lineTo(27, 7.5);
    page.lineTo(27, 30.5);
    page.lineTo(5, 30.5);
    page.closeSubpath();
    QLinearGradient paper(0, 0, 0, 32);
    paper.setColorAt(0, QColor(236, 236, 230));
    paper.setColorAt(1, QColor(200, 200, 192));
    painter.setPen(QPen(QColor(60, 60, 60), 0.8));
    painter.setBrush(paper);
    painter.drawPath(page);
    painter.setBrush(QColor(170, 170, 162));
    painter.drawPolygon(QPolygonF({QPointF(21, 1.5), QPointF(21, 7.5), QPointF(27, 7.5)}));
    paint_logo(painter, QPointF(16, 13), 7.5);
    QFont f(sans_family());
    f.setPixelSize(7);
    f.setBold(true);
    draw_text(painter, QRectF(5, 21, 22, 9), kind, f, QColor(40, 40, 40), false);
    painter.restore();
}

}  // namespace corvane::skin
