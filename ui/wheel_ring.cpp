#include "ui/wheel_ring.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "base/history.h"
#include "ui/skin.h"
#include "ui/tool_look.h"
#include "wheel/fairness.h"

namespace corvane {

namespace {

constexpr double kStep = 360.0 / kPocketCount;  // degrees of one pocket
constexpr double kHottest = 3.0;                // standard deviations of the fullest shade
constexpr int kLegendHeight = 26;

const QColor kNeutral(52, 52, 52);
const QColor kHot = skin::colour::kOrange;
const QColor kCold(70, 130, 230);

QColor mix(const QColor& a, const QColor& b, double t) {
    const auto at = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return {at(a.red(), b.red()), at(a.green(), b.green()), at(a.blue(), b.blue())};
}

// The ring piece of wheel position p between two radii. Qt counts angles counterclockwise
// from three o'clock; the wheel runs clockwise from the zero at twelve.
QPainterPath piece(QPointF centre, double inner, double outer, int position) {
    const double start = 90.0 - (position + 0.5) * kStep;
    QPainterPath path;
    path.arcMoveTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), start);
    path.arcTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), start, kStep);
    path.arcTo(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner), start + kStep,
               -kStep);
    path.closeSubpath();
    return path;
}

}  // namespace

QColor heat_colour(double sd) {
    const double t = std::min(std::fabs(sd), kHottest) / kHottest;
    return mix(kNeutral, sd >= 0 ? kHot : kCold, t);
}

WheelRing::WheelRing(const WheelTally& tally, QWidget* parent) : QWidget(parent), tally_(tally) {
    setObjectName(QStringLiteral("Numbers_Wheel"));
    setFixedSize(sizeHint());
}

void WheelRing::set_hot_arc(std::optional<Arc> arc) {
    hot_arc_ = arc;
    update();
}

void WheelRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double side = std::min(width(), height() - kLegendHeight);
    const QPointF centre(width() / 2.0, side / 2.0);
    const double outer = side / 2.0 - 9.0;
    const double rim = outer * 0.80;    // between the numbers and the shades
    const double inner = outer * 0.60;  // inside the shades

    QFont number_font = tool_font(true);
    number_font.setPixelSize(std::max(8, static_cast<int>(outer * 0.095)));
    p.setFont(number_font);
    const QPen edge(skin::colour::kFrame, 1.0);
    for (int position = 0; position < kPocketCount; ++position) {
        const int n = kWheelOrder[position];
        const Rgb c = rgb_of(pocket_colour(n));
        p.setPen(edge);
        p.setBrush(QColor(c.r, c.g, c.b));
        p.drawPath(piece(centre, rim, outer, position));
        p.setBrush(heat_colour(deviation(tally_.hits(n), tally_.spins())));
        p.drawPath(piece(centre, inner, rim - 1.0, position));

        // The number upright along its radius, its top to the rim.
        p.save();
        p.translate(centre);
        p.rotate(position * kStep);
        p.setPen(Qt::white);
        const double middle = (rim + outer) / 2.0;
        p.drawText(QRectF(-outer * 0.08, -middle - outer * 0.07, outer * 0.16, outer * 0.14),
                   Qt::AlignCenter, QString::number(n));
        p.restore();
    }
    // The rim and the hub.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(skin::colour::kSilver, 1.2));
    p.drawEllipse(centre, outer, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(skin::colour::kSectionBar);
    p.drawEllipse(centre, inner - 3.0, inner - 3.0);

    if (hot_arc_) {
        const double r = outer + 5.0;
        const double start = 90.0 - (kWheelPosition[hot_arc_->first] - 0.5) * kStep;
        QPainterPath arc;
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        arc.arcMoveTo(box, start);
        arc.arcTo(box, start, -kStep * hot_arc_->length);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kHot, 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arc);
    }

    // The spins in the middle.
    p.setPen(Qt::white);
    QFont big = tool_font(true);
    big.setPixelSize(std::max(10, static_cast<int>(inner * 0.26)));
    p.setFont(big);
    const QRectF hub(centre.x() - inner, centre.y() - inner * 0.36, 2 * inner, inner * 0.4);
    p.drawText(hub, Qt::AlignHCenter | Qt::AlignBottom,
               QString::fromStdString(count_text(tally_.spins())));
    p.setPen(skin::colour::kSilver);
    p.setFont(tool_font());
    p.drawText(hub.translated(0, inner * 0.42), Qt::AlignHCenter | Qt::AlignTop,
               tally_.spins() == 1 ? QStringLiteral("spin") : QStringLiteral("spins"));

    // The legend: the shades from three standard deviations below to three above.
    const QRectF bar(width() / 2.0 - 90.0, side + 4.0, 180.0, 7.0);
    QLinearGradient shades(bar.topLeft(), bar.topRight());
    for (int i = 0; i <= 12; ++i) {
        shades.setColorAt(i / 12.0, heat_colour(-kHottest + i * kHottest / 6.0));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(shades);
    p.drawRoundedRect(bar, 3.0, 3.0);
    p.setPen(skin::colour::kSilver);
    p.setFont(tool_font(false, 11));
    const QRectF labels(bar.left() - 40.0, bar.bottom() + 1.0, bar.width() + 80.0, 14.0);
    p.drawText(labels, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("cold \u22123 sd"));
    p.drawText(labels, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("as expected"));
    p.drawText(labels, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("+3 sd hot"));
}

}  // namespace corvane
