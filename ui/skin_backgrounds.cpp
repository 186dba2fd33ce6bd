// The window's backgrounds: the skin with the title bar, the number tray, the felt with the
// boxes of the bets and the lower panel, and the panels and boxes laid on it. The skin places
// the felt's boxes, the bed of the cells and the progress track from the window's layout.
#include <QFontMetricsF>
#include <QtMath>
#include <cstdint>

#include "ui/layout.h"
#include "ui/skin_painting.h"

namespace corvane::skin::painting {

namespace {

constexpr qreal kSkinWidth = layout::kSkinSize.width();
constexpr qreal kSkinHeight = layout::kSkinSize.height();
constexpr qreal kTitleBarHeight = layout::kTitleBarHeight;
constexpr qreal kPanelTop = layout::kPanelTop;

// A small deterministic generator for the textures: the same picture on every run.
// A small deterministic generator for the textures: the same picture on every run.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ = state_ * 1664525U + 1013904223U;
        return state_ >> 8;
    }
    qreal unit() { return static_cast<qreal>(next() & 0xFFFF) / 65535.0; }

  private:
    std::uint32_t state_;
};

// What the felt shows in the box under each bet field: a caption, or a red or black diamond.
struct FeltMark {
    Side side;
    const char* caption;  // none: the diamond of its colour
    int pixels;
    qreal spacing;
};

const FeltMark kFeltMarks[] = {
    {Side::Column3, "2 to 1", 11, 0.6}, {Side::Column2, "2 to 1", 11, 0.6},
    {Side::Column1, "2 to 1", 11, 0.6}, {Side::Dozen1, "1ST", 13, 2.0},
    {Side::Dozen2, "2ND", 13, 2.0},     {Side::Dozen3, "3RD", 13, 2.0},
    {Side::Less, "1-18", 12, 1.0},      {Side::Even, "EVEN", 12, 1.0},
    {Side::Red, nullptr, 0, 0},         {Side::Black, nullptr, 0, 0},
    {Side::Odd, "ODD", 12, 1.0},        {Side::More, "19-36", 12, 1.0},
};

// ---- The skin -------------------------------------------------------------------------------

void paint_title_bar(QPainter& p) {
    const QRectF bar(0, 0, kSkinWidth, kTitleBarHeight);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, QColor(52, 52, 55));
    g.setColorAt(0.5, QColor(38, 38, 40));
    g.setColorAt(1, QColor(29, 29, 31));
    p.fillRect(bar, g);
    p.fillRect(QRectF(0, 0, kSkinWidth, 1), QColor(255, 255, 255, 26));
    p.fillRect(QRectF(0, kTitleBarHeight - 1, kSkinWidth, 1), QColor(9, 9, 9));
    QLinearGradient accent(QPointF(0, 0), QPointF(kSkinWidth, 0));
    accent.setColorAt(0, with_alpha(colour::kOrange, 0));
    accent.setColorAt(0.18, with_alpha(colour::kOrange, 150));
    accent.setColorAt(0.6, with_alpha(colour::kOrange, 0));
    p.fillRect(QRectF(0, kTitleBarHeight - 2, kSkinWidth, 1), accent);

    paint_logo(p, QPointF(20, 17.5), 12.5);

    const QFont name_font = sans(19, true, 0.4);
    const QFontMetricsF metrics(name_font);
    const QString name = QStringLiteral("Corvane");
    const qreal baseline = 17.5 + metrics.capHeight() / 2;
    QPainterPath name_path;
    name_path.addText(QPointF(41, baseline), name_font, name);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(name_path.translated(0, 1));
    QLinearGradient silver(QPointF(0, baseline - metrics.capHeight()), QPointF(0, baseline));
    silver.setColorAt(0, QColor(246, 246, 246));
    silver.setColorAt(0.55, QColor(206, 206, 208));
    silver.setColorAt(1, QColor(150, 150, 154));
    p.setBrush(silver);
    p.drawPath(name_path);

    const qreal rule_x = 41 + metrics.horizontalAdvance(name) + 9;
    p.fillRect(QRectF(rule_x, 11, 1, 14), QColor(80, 80, 84));
    p.fillRect(QRectF(rule_x + 1, 11, 1, 14), QColor(0, 0, 0, 90));
    const QFont tag_font = sans(8, true, 1.4);
    draw_text(p, QRectF(rule_x + 9, 0, 200, 35), QStringLiteral("ROULETTE CHAIN ASSISTANT"),
              tag_font, QColor(122, 122, 126), true, Qt::AlignLeft | Qt::AlignVCenter);
}

void paint_tray(QPainter& p) {
    const QRectF tray(6.5, 41.5, 536, 35);
    rounded(p, tray, 6, vertical(tray, QColor(15, 15, 16), QColor(22, 22, 23)),
            QPen(QColor(8, 8, 8), 1));
    QLinearGradient lip(tray.topLeft(), tray.bottomLeft());
    lip.setColorAt(0, QColor(255, 255, 255, 0));
    lip.setColorAt(0.7, QColor(255, 255, 255, 0));
    lip.setColorAt(1, QColor(255, 255, 255, 22));
    p.setPen(QPen(QBrush(lip), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tray.adjusted(0, 0, 0, 1), 6, 6);

    const QFont label = sans(8, true, 1.2);
    draw_text(p, QRectF(10, 42, 70, 35), QStringLiteral("NUMBERS"), label, QColor(112, 112, 116));
    // A small green zero token and the wheel type at the right end.
    const QPointF chip(425, 59);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(vertical(QRectF(chip.x() - 7, chip.y() - 7, 14, 14), QColor(30, 156, 84),
                        QColor(12, 98, 50)));
    p.drawEllipse(chip, 7, 7);
    draw_text(p, QRectF(chip.x() - 7, chip.y() - 7, 14, 14), QStringLiteral("0"), sans(9),
              kCellNumber);
    draw_text(p, QRectF(438, 42, 100, 35), QStringLiteral("SINGLE ZERO"), label,
              QColor(112, 112, 116), true, Qt::AlignLeft | Qt::AlignVCenter);
}

// Felt fibres: sparse light and dark specks inside a clip.
void grain(QPainter& p, const QRectF& area, int count, std::uint32_t seed, int strength) {
    Noise noise(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const qreal x = area.left() + noise.unit() * area.width();
        const qreal y = area.top() + noise.unit() * area.height();
        const bool light = (noise.next() & 1U) != 0;
        const int alpha = 4 + static_cast<int>(noise.unit() * strength);
        p.setBrush(light ? QColor(255, 255, 255, alpha) : QColor(0, 0, 0, alpha * 2));
        p.drawRect(QRectF(x, y, 1, 1));
    }
}

void layout_box(QPainter& p, const QRectF& r) {
    const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    rounded(p, body, 3, vertical(body, QColor(0, 0, 0, 40), QColor(0, 0, 0, 80)),
            QPen(with_alpha(kCream, 96), 1));
}

void box_caption(QPainter& p, const QRectF& r, const QString& text, int pixels, qreal spacing) {
    draw_text(p, r, text, sans(pixels, true, spacing), QColor(204, 204, 204));
}

void diamond(QPainter& p, const QRectF& box, bool red) {
    const QPointF c = box.center();
    QPainterPath path;
    path.moveTo(c.x() - 16, c.y());
    path.lineTo(c.x(), c.y() - 9.5);
    path.lineTo(c.x() + 16, c.y());
    path.lineTo(c.x(), c.y() + 9.5);
    path.closeSubpath();
    const QRectF bounds = path.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(path.translated(0, 1));
    if (red) {
        p.setPen(QPen(QColor(255, 170, 160, 150), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(vertical(bounds, QColor(232, 50, 54), QColor(150, 14, 20)));
    } else {
        p.setPen(QPen(QColor(196, 196, 196, 170), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(vertical(bounds, QColor(52, 52, 56), QColor(6, 6, 6)));
    }
    p.drawPath(path);
}

// An embossed chip pressed into the felt beside the outside bets.
void felt_chip(QPainter& p, QPointF c, qreal r) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 70), 2));
    p.drawEllipse(c + QPointF(0, 1), r, r);
    p.setPen(QPen(with_alpha(kCream, 40), 1.5));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(with_alpha(kCream, 34), 3.5, Qt::SolidLine, Qt::FlatCap));
    const QRectF ring(c.x() - r + 4, c.y() - r + 4, 2 * r - 8, 2 * r - 8);
    for (int i = 0; i < 6; ++i) {
        p.drawArc(ring, (i * 60 + 15) * 16, 30 * 16);
    }
    p.setPen(QPen(with_alpha(kCream, 40), 1));
    p.drawEllipse(c, r - 9, r - 9);
    draw_text(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), QStringLiteral("C"), sans(15),
              with_alpha(kCream, 64), false);
}

void paint_board(QPainter& p) {
    const QRectF felt(14.5, 82.5, 520, 176);
    // Shadow under the table, then the felt with a brass inlay.
    rounded(p, felt.adjusted(-2, -1, 2, 3), 11, QColor(0, 0, 0, 90));
    QRadialGradient cloth(QPointF(262, 150), 330);
    cloth.setColorAt(0, QColor(24, 84, 56));
    cloth.setColorAt(0.55, QColor(16, 62, 41));
    cloth.setColorAt(1, QColor(9, 38, 25));
    rounded(p, felt, 9, cloth, QPen(QColor(5, 5, 5), 1));
    {
        QPainterPath clip;
        clip.addRoundedRect(felt, 9, 9);
        p.save();
        p.setClipPath(clip);
        grain(p, felt, 9000, 0x5EEDF017U, 10);
        p.restore();
    }
    p.setPen(QPen(with_alpha(kBrass, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(felt.adjusted(3, 3, -3, -3), 7, 7);

    // The bed under the number cells; its colour shows as fine lines between the cells.
    const QRectF grid(layout::kNumberGrid);
    const QRectF bed = grid.adjusted(-1.5, -1.5, 1.5, 1.5);
    rounded(p, bed, 4, QColor(4, 16, 10), QPen(with_alpha(kBrass, 170), 1));
    // The zero pocket runs the full height of the grid, as on a real table.
    const QRectF zero(grid.left(), grid.top(), layout::kCellSide, grid.height());
    rounded(p, zero, 3.5, vertical(zero, QColor(14, 92, 50), QColor(8, 58, 31)),
            QPen(QColor(0, 0, 0, 150), 1));
    p.setPen(QPen(with_alpha(kCream, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(zero.adjusted(2, 2, -2, -2), 2, 2);

    for (const FeltMark& mark : kFeltMarks) {
        const QRectF box(layout::side_field(mark.side).field);
        layout_box(p, box);
        if (mark.caption == nullptr) {
            diamond(p, box, mark.side == Side::Red);
        } else {
            box_caption(p, box, QString::fromLatin1(mark.caption), mark.pixels, mark.spacing);
        }
    }
    felt_chip(p, QPointF(484, 220), 24);
}

void paint_progress_track(QPainter& p) {
    // The track around the progress line.
    const QRectF track = QRectF(layout::kProgressBar).adjusted(-3.5, -3.5, 3.5, 3.5);
    rounded(p, track.adjusted(0, 0, 0, 1), 7, QColor(255, 255, 255, 14));
    rounded(p, track, 7, vertical(track, QColor(0, 0, 0), QColor(10, 10, 10)),
            QPen(QColor(6, 6, 6), 1));
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.drawLine(QPointF(track.left() + 5, track.top() + 1),
               QPointF(track.right() - 5, track.top() + 1));
}

void paint_options_tray(QPainter& p) {
    // The tab around the options button, cut off at the closed window's bottom edge.
    const QRectF tab = QRectF(layout::kOptionsButton).adjusted(-7.5, -5.5, 7.5, 15.5);
    QPainterPath path;
    path.addRoundedRect(tab, 7, 7);
    p.save();
    p.setClipRect(QRectF(0, 0, kSkinWidth, layout::kClosedHeight));
    p.setPen(QPen(QColor(8, 8, 8), 1));
    p.setBrush(vertical(tab, QColor(34, 34, 36), QColor(20, 20, 21)));
    p.drawPath(path);
    p.setPen(QPen(QColor(255, 255, 255, 22), 1));
    p.drawLine(QPointF(tab.left() + 6, tab.top() + 1), QPointF(tab.right() - 6, tab.top() + 1));
    p.restore();
}

void paint_lower_panel(QPainter& p) {
    const QRectF area(0, kPanelTop, kSkinWidth, kSkinHeight - kPanelTop);
    p.fillRect(area, colour::kBackground);
    p.save();
    p.setClipRect(area);
    // A fine diagonal weave under a sparse grain.
    p.setPen(QPen(QColor(255, 255, 255, 7), 0.7));
    for (qreal d = -area.height(); d < area.width(); d += 3) {
        p.drawLine(QPointF(d, area.bottom()), QPointF(d + area.height(), area.top()));
    }
    p.setPen(QPen(QColor(0, 0, 0, 22), 0.7));
    for (qreal d = 0; d < area.width() + area.height(); d += 3) {
        p.drawLine(QPointF(d, area.bottom()), QPointF(d - area.height(), area.top()));
    }
    grain(p, area, 26000, 0xC0FFEE11U, 8);
    // Shade falling from the section bars, and a faint light in the middle of the panel.
    QLinearGradient shade(QPointF(0, 330), QPointF(0, 346));
    shade.setColorAt(0, QColor(0, 0, 0, 70));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 330, kSkinWidth, 16), shade);
    QRadialGradient light(QPointF(274, 420), 320);
    light.setColorAt(0, QColor(255, 255, 255, 8));
    light.setColorAt(1, QColor(0, 0, 0, 30));
    p.fillRect(area, light);
    p.restore();
    // The divider between the options and the statistics.
    QLinearGradient fade(QPointF(0, 336), QPointF(0, 490));
    fade.setColorAt(0, QColor(0, 0, 0, 0));
    fade.setColorAt(0.12, QColor(0, 0, 0, 190));
    fade.setColorAt(0.88, QColor(0, 0, 0, 190));
    fade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(276, 336, 1, 154), fade);
    QLinearGradient fade_light(fade);
    fade_light.setColorAt(0.12, QColor(255, 255, 255, 26));
    fade_light.setColorAt(0.88, QColor(255, 255, 255, 26));
    p.fillRect(QRectF(277, 336, 1, 154), fade_light);
}

void paint_whole_skin(QPainter& p) {
    p.fillRect(QRectF(0, 0, kSkinWidth, kSkinHeight), colour::kBackground);
    const QRectF board_area(0, kTitleBarHeight, kSkinWidth, kPanelTop - kTitleBarHeight);
    p.fillRect(board_area, vertical(board_area, QColor(31, 31, 32), QColor(24, 24, 25)));
    paint_lower_panel(p);
    paint_title_bar(p);
    paint_tray(p);
    paint_board(p);
    paint_progress_track(p);
    paint_options_tray(p);
}

}  // namespace

void paint_skin(QPainter& p, const Piece& piece) {
    p.scale(piece.size.width() / kSkinWidth, piece.size.height() / kSkinHeight);
    paint_whole_skin(p);
}

// ---- Panels and boxes laid on the skin -----------------------------------------------------

void paint_section_bar(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const QRectF r(QPointF(0, 0), s);
    p.fillRect(r, colour::kSectionBar);
    p.fillRect(QRectF(0, 0, s.width(), 1), QColor(38, 38, 38));
    p.fillRect(QRectF(0, s.height() - 1, s.width(), 1), QColor(10, 10, 10));
}

// The upper boxes dark grey, the boxes of the advanced settings black.
void paint_value_box(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const bool dark = piece.art == Art::ValueBoxDark;
    const QRectF body = QRectF(QPointF(0, 0), s).adjusted(0.5, 0.5, -0.5, -0.5);
    rounded(p, body, 3.5, dark ? QColor(0, 0, 0) : colour::kSectionBar,
            QPen(dark ? QColor(52, 52, 52) : QColor(10, 10, 10), 1));
    // Recessed look: shade under the top edge, catch light on the bottom edge.
    p.setPen(QPen(QColor(0, 0, 0, dark ? 0 : 110), 1));
    p.drawLine(QPointF(body.left() + 2.5, body.top() + 1),
               QPointF(body.right() - 2.5, body.top() + 1));
    p.setPen(QPen(QColor(255, 255, 255, 16), 1));
    p.drawLine(QPointF(body.left() + 3, body.bottom() + 1),
               QPointF(body.right() - 3, body.bottom() + 1));
}

void paint_frame(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const QRectF body = QRectF(QPointF(0, 0), s).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(colour::kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body, 4, 4);
}

void paint_history_box(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const QRectF body = QRectF(QPointF(0, 0), s).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient rim(body.topLeft(), body.bottomLeft());
    rim.setColorAt(0, QColor(8, 8, 8));
    rim.setColorAt(1, QColor(72, 72, 72));
    rounded(p, body, 5, QColor(0, 0, 0), QPen(QBrush(rim), 1));
}

void paint_loading_panel(QPainter& p, const Piece& piece) {
    p.fillRect(QRectF(QPointF(0, 0), piece.size), QColor(0, 0, 0));
}

}  // namespace corvane::skin::painting
