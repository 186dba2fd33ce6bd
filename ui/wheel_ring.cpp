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
    setAccessibleName(
        QStringLiteral("The wheel, each pocket shaded by how far its hits stand "
                       "from the expected"));
    setFixedSize(sizeHint());
}

void WheelRing::set_hot_arc(std::optional<Arc> arc) {
    hot_arc_ = arc;
    update();
}

WheelRing::Geometry WheelRing::geometry() const {
    Geometry g;
    g.side = std::min(width(), height() - kLegendHeight);
    g.centre = QPointF(width() / 2.0, g.side / 2.0);
    g.outer = g.side / 2.0 - 9.0;
    g.rim = g.outer * 0.80;
    g.inner = g.outer * 0.60;
    return g;
}

void WheelRing::paint_fixed(QPainter& p, const Geometry& g) const {
    QFont number_font = tool_font(true);
    number_font.setPixelSize(std::max(8, static_cast<int>(g.outer * 0.095)));
    p.setFont(number_font);
    const QPen edge(skin::colour::kFrame, 1.0);
    for (int position = 0; position < kPocketCount; ++position) {
        const int n = kWheelOrder[position];
        const Rgb c = rgb_of(pocket_colour(n));
        p.setPen(edge);
        p.setBrush(QColor(c.r, c.g, c.b));
        p.drawPath(piece(g.centre, g.rim, g.outer, position));
        // The number upright along its radius, its top to the rim.
        p.save();
        p.translate(g.centre);
        p.rotate(position * kStep);
        p.setPen(Qt::white);
        const double middle = (g.rim + g.outer) / 2.0;
        p.drawText(
            QRectF(-g.outer * 0.08, -middle - g.outer * 0.07, g.outer * 0.16, g.outer * 0.14),
            Qt::AlignCenter, QString::number(n));
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(skin::colour::kSilver, 1.2));
    p.drawEllipse(g.centre, g.outer, g.outer);

    // The legend: the shades from three standard deviations below to three above.
    const QRectF bar(width() / 2.0 - 90.0, g.side + 4.0, 180.0, 7.0);
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

void WheelRing::paintEvent(QPaintEvent*) {
    const Geometry g = geometry();
    const qreal ratio = devicePixelRatioF();
    if (fixed_.isNull() || fixed_.size() != size() * ratio || fixed_.devicePixelRatio() != ratio) {
        fixed_ = QPixmap(size() * ratio);
        fixed_.setDevicePixelRatio(ratio);
        fixed_.fill(Qt::transparent);
        QPainter cache(&fixed_);
        cache.setRenderHint(QPainter::Antialiasing);
        cache.setRenderHint(QPainter::TextAntialiasing);
        paint_fixed(cache, g);
        shade_pieces_.clear();
        for (int position = 0; position < kPocketCount; ++position) {
            shade_pieces_.push_back(piece(g.centre, g.inner, g.rim - 1.0, position));
        }
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawPixmap(0, 0, fixed_);

    p.setPen(QPen(skin::colour::kFrame, 1.0));
    for (int position = 0; position < kPocketCount; ++position) {
        const int n = kWheelOrder[position];
        p.setBrush(heat_colour(deviation(tally_.hits(n), tally_.spins())));
        p.drawPath(shade_pieces_[static_cast<std::size_t>(position)]);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(skin::colour::kSectionBar);
    p.drawEllipse(g.centre, g.inner - 3.0, g.inner - 3.0);

    if (hot_arc_) {
        const double r = g.outer + 5.0;
        const double start = 90.0 - (kWheelPosition[hot_arc_->first] - 0.5) * kStep;
        QPainterPath arc;
        const QRectF box(g.centre.x() - r, g.centre.y() - r, 2 * r, 2 * r);
        arc.arcMoveTo(box, start);
        arc.arcTo(box, start, -kStep * hot_arc_->length);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kHot, 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arc);
    }

    // The spins in the middle.
    p.setPen(Qt::white);
    QFont big = tool_font(true);
    big.setPixelSize(std::max(10, static_cast<int>(g.inner * 0.26)));
    p.setFont(big);
    const QRectF hub(g.centre.x() - g.inner, g.centre.y() - g.inner * 0.36, 2 * g.inner,
                     g.inner * 0.4);
    p.drawText(hub, Qt::AlignHCenter | Qt::AlignBottom,
               QString::fromStdString(count_text(tally_.spins())));
    p.setPen(skin::colour::kSilver);
    p.setFont(tool_font());
    p.drawText(hub.translated(0, g.inner * 0.42), Qt::AlignHCenter | Qt::AlignTop,
               tally_.spins() == 1 ? QStringLiteral("spin") : QStringLiteral("spins"));
}

}  // namespace corvane
