// The single-zero wheel drawn as a ring, its pockets in rim order on their colours with their
// numbers, and inside them a band shading each pocket by how far its hits stand from what a
// fair wheel gives (cold blue below, hot orange above, up to three standard deviations); the
// hottest arc marked outside the rim; the spins in the middle; a legend of the shades below.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>
#include <optional>
#include <vector>

#include "wheel/arcs.h"
#include "wheel/tally.h"

namespace corvane {

// The shade of a pocket `sd` standard deviations from its expected hits.
QColor heat_colour(double sd);

class WheelRing : public QWidget {
  public:
    WheelRing(const WheelTally& tally, QWidget* parent);

    // The arc to mark outside the rim (its first wheel position and length), or none.
    void set_hot_arc(std::optional<Arc> arc);

    QSize sizeHint() const override { return {310, 336}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Where the ring stands in the widget, from its size.
    struct Geometry {
        QPointF centre;
        double outer = 0;  // the rim
        double rim = 0;    // between the numbers and the shades
        double inner = 0;  // inside the shades
        double side = 0;
    };
    Geometry geometry() const;
    // What never changes with the spins (the pockets with their numbers, the rim, the legend),
    // painted once for the widget's size at the screen's pixel ratio.
    void paint_fixed(QPainter& p, const Geometry& g) const;

    const WheelTally& tally_;
    std::optional<Arc> hot_arc_;
    QPixmap fixed_;
    std::vector<QPainterPath> shade_pieces_;  // made for the size of fixed_
};

}  // namespace corvane
