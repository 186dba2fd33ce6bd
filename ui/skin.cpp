// The window's artwork. Every art is a free function that paints with paths and gradients in
// logical coordinates, so the same code is crisp at any device pixel ratio.
#include "ui/skin.h"

#include <QConicalGradient>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace corvane::skin {
namespace {

constexpr qreal kSkinWidth = 549;
constexpr qreal kSkinHeight = 700;

// Palette of the artwork beyond the fixed window colours.
const QColor kGlyph(170, 170, 170);
const QColor kGlyphBright(214, 214, 214);
const QColor kGlyphDark(58, 58, 58);
const QColor kHoverGreen(74, 208, 104);
const QColor kHoverRed(236, 62, 54);
const QColor kCellNumber(208, 208, 208);
const QColor kCream(226, 212, 172);
const QColor kBrass(184, 150, 86);

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

QColor with_alpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QFont make_font(const QString& family, int pixels, bool bold, qreal spacing = 0) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferVerticalHinting);
    if (spacing != 0) {
        f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    }
    return f;
}

QFont sans(int pixels, bool bold = true, qreal spacing = 0) {
    return make_font(sans_family(), pixels, bold, spacing);
}

// Text centred (or aligned) in `r`, optionally with a one-pixel engraved shadow below it.
void draw_text(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c,
               bool shadow = true, int flags = Qt::AlignCenter) {
    p.setFont(f);
    if (shadow) {
        p.setPen(QColor(0, 0, 0, 170));
        p.drawText(r.translated(0, 1), flags, s);
    }
    p.setPen(c);
    p.drawText(r, flags, s);
}

void rounded(QPainter& p, const QRectF& r, qreal radius, const QBrush& fill,
             const QPen& pen = Qt::NoPen) {
    p.setPen(pen);
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

// A short glowing orange bar: the hover mark under numbers, arrows and buttons.
void underline(QPainter& p, qreal cx, qreal y, qreal width) {
    const QRectF bar(cx - width / 2, y, width, 2);
    rounded(p, bar.adjusted(-1.5, -1.5, 1.5, 1.5), 2.5, with_alpha(colour::kOrange, 50));
    rounded(p, bar, 1, colour::kOrange);
}

enum class Tone { Normal, Hover, Pressed, Disabled };

// The raised plate of every push button.
void plate(QPainter& p, const QRectF& r, qreal radius, Tone tone) {
    const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top(56, 56, 59);
    QColor bottom(33, 33, 35);
    switch (tone) {
        case Tone::Normal:
            break;
        case Tone::Hover:
            top = QColor(70, 70, 74);
            bottom = QColor(41, 41, 44);
            break;
        case Tone::Pressed:
            top = QColor(21, 21, 22);
            bottom = QColor(35, 35, 37);
            break;
        case Tone::Disabled:
            top = QColor(34, 34, 35);
            bottom = QColor(28, 28, 29);
            break;
    }
    rounded(p, body, radius, vertical(body, top, bottom), QPen(QColor(9, 9, 9), 1));
    const QRectF inner = body.adjusted(1, 1, -1, -1);
    QLinearGradient bevel(inner.topLeft(), inner.bottomLeft());
    if (tone == Tone::Pressed) {
        bevel.setColorAt(0, QColor(0, 0, 0, 120));
        bevel.setColorAt(0.4, QColor(0, 0, 0, 0));
        bevel.setColorAt(1, QColor(255, 255, 255, 12));
    } else {
        bevel.setColorAt(0, QColor(255, 255, 255, tone == Tone::Disabled ? 14 : 42));
        bevel.setColorAt(0.45, QColor(255, 255, 255, 0));
        bevel.setColorAt(1, QColor(0, 0, 0, 40));
    }
    p.setPen(QPen(QBrush(bevel), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner, radius - 1, radius - 1);
}

// A soft coloured halo behind a glyph.
void halo(QPainter& p, QPointF c, qreal r, const QColor& colour) {
    QRadialGradient g(c, r);
    g.setColorAt(0, with_alpha(colour, 70));
    g.setColorAt(1, with_alpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// A filled triangle pointing left, right, up or down, centred on `c`.
void triangle(QPainter& p, QPointF c, qreal length, qreal breadth, Qt::ArrowType dir,
              const QColor& colour) {
    const qreal l = length / 2;
    const qreal b = breadth / 2;
    QPainterPath path;
    switch (dir) {
        case Qt::LeftArrow:
            path.moveTo(c.x() - l, c.y());
            path.lineTo(c.x() + l, c.y() - b);
            path.lineTo(c.x() + l, c.y() + b);
            break;
        case Qt::RightArrow:
            path.moveTo(c.x() + l, c.y());
            path.lineTo(c.x() - l, c.y() - b);
            path.lineTo(c.x() - l, c.y() + b);
            break;
        case Qt::UpArrow:
            path.moveTo(c.x(), c.y() - l);
            path.lineTo(c.x() + b, c.y() + l);
            path.lineTo(c.x() - b, c.y() + l);
            break;
        default:
            path.moveTo(c.x(), c.y() + l);
            path.lineTo(c.x() - b, c.y() - l);
            path.lineTo(c.x() + b, c.y() - l);
            break;
    }
    path.closeSubpath();
    p.setPen(QPen(colour, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(path);
}

bool is_red(int n) {
    static constexpr std::array<int, 18> kReds{1,  3,  5,  7,  9,  12, 14, 16, 18,
                                               19, 21, 23, 25, 27, 30, 32, 34, 36};
    return std::find(kReds.begin(), kReds.end(), n) != kReds.end();
}

// ---------------------------------------------------------------------------------------------
// Number cells and bet fields

enum class CellState { Rest, Hover, Pressed };

void paint_cell(QPainter& p, QSizeF s, int number, CellState state) {
    const QRectF body = QRectF(QPointF(0, 0), s).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top(50, 50, 53);
    QColor bottom(19, 19, 21);
    if (number == 0) {
        top = QColor(30, 156, 84);
        bottom = QColor(12, 98, 50);
    } else if (is_red(number)) {
        top = QColor(204, 38, 42);
        bottom = QColor(140, 16, 22);
    }
    rounded(p, body, 3.5, vertical(body, top, bottom), QPen(QColor(0, 0, 0, 170), 1));
    // Bevel: light top edge, shaded bottom edge, and a soft gloss on the upper half.
    const QRectF inner = body.adjusted(1, 1, -1, -1);
    QLinearGradient bevel(inner.topLeft(), inner.bottomLeft());
    bevel.setColorAt(0, QColor(255, 255, 255, 70));
    bevel.setColorAt(0.4, QColor(255, 255, 255, 0));
    bevel.setColorAt(0.6, QColor(0, 0, 0, 0));
    bevel.setColorAt(1, QColor(0, 0, 0, 80));
    p.setPen(QPen(QBrush(bevel), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner, 2.5, 2.5);
    QLinearGradient gloss(inner.topLeft(), QPointF(inner.left(), inner.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 34));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    rounded(p, QRectF(inner.topLeft(), QSizeF(inner.width(), inner.height() / 2)), 2.5, gloss);

    const QRectF text_box(0, 0, s.width(), s.height() - 2);
    if (state == CellState::Pressed) {
        // Pushed in: the cell darkens and an orange rim lights up around the orange number.
        rounded(p, body, 3.5, QColor(0, 0, 0, 120));
        p.setPen(QPen(with_alpha(colour::kOrange, 150), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(body.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
        halo(p, text_box.center(), s.width() * 0.45, colour::kOrange);
    }
    draw_text(p, text_box, QString::number(number), sans(14),
              state == CellState::Pressed ? colour::kOrange : kCellNumber);
    if (state == CellState::Hover) {
        underline(p, s.width() / 2, s.height() - 7, 14);
    }
}

void paint_bet_field(QPainter& p, QSizeF s) {
    const QRectF body = QRectF(QPointF(0, 0), s).adjusted(0.5, 0.5, -0.5, -0.5);
    // A deep amber fill, dense enough to quiet the caption beneath it, so that the white amount
    // and the yellow chain label read well; only a trace of the felt shows through.
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, QColor(206, 104, 10, 242));
    fill.setColorAt(0.5, QColor(168, 76, 4, 246));
    fill.setColorAt(1, QColor(124, 50, 0, 250));
    rounded(p, body, 4, fill, QPen(QColor(255, 206, 88), 1));
    // A glow falling from the top edge, an inner rim light and a bright sheen along the top.
    const QRectF inner = body.adjusted(1, 1, -1, -1);
    QLinearGradient glow(inner.topLeft(), inner.bottomLeft());
    glow.setColorAt(0, QColor(255, 220, 130, 80));
    glow.setColorAt(0.55, QColor(255, 220, 130, 0));
    rounded(p, inner, 3, glow);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 172, 44, 120), 2));
    p.drawRoundedRect(body.adjusted(1.5, 1.5, -1.5, -1.5), 2.5, 2.5);
    QLinearGradient sheen(body.topLeft(), body.topRight());
    sheen.setColorAt(0, QColor(255, 244, 210, 0));
    sheen.setColorAt(0.5, QColor(255, 244, 210, 170));
    sheen.setColorAt(1, QColor(255, 244, 210, 0));
    p.fillRect(QRectF(body.left() + 4, body.top() + 1, body.width() - 8, 1), sheen);
}

void paint_indicator(QPainter& p, QSizeF s) {
    const QRectF r(QPointF(0, 0), s);
    QLinearGradient across(r.topLeft(), r.topRight());
    across.setColorAt(0, QColor(255, 150, 0));
    across.setColorAt(0.5, QColor(255, 244, 160));
    across.setColorAt(1, QColor(255, 150, 0));
    const qreal radius = std::min(s.width(), s.height()) / 2;
    rounded(p, r, radius, across);
}

// ---------------------------------------------------------------------------------------------
// Buttons

void paint_chrome(QPainter& p, QSizeF s, Art art) {
    const QRectF r(QPointF(0, 0), s);
    const bool hover = art == Art::HelpHover || art == Art::MinimiseHover || art == Art::CloseHover;
    plate(p, r, 4, hover ? Tone::Hover : Tone::Normal);
    const QPointF c = r.center();
    QColor glyph = kGlyph;
    if (art == Art::HelpHover) {
        glyph = kHoverGreen;
    } else if (art == Art::MinimiseHover) {
        glyph = colour::kOrange;
    } else if (art == Art::CloseHover) {
        glyph = kHoverRed;
    }
    if (hover) {
        halo(p, c, s.width() * 0.42, glyph);
    }
    switch (art) {
        case Art::Help:
        case Art::HelpHover:
            draw_text(p, r, QStringLiteral("?"), sans(15), glyph);
            break;
        case Art::Minimise:
        case Art::MinimiseHover:
            p.setPen(QPen(QColor(0, 0, 0, 170), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(c.x() - 4, c.y() + 5), QPointF(c.x() + 4, c.y() + 5));
            p.setPen(QPen(glyph, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(c.x() - 4, c.y() + 4), QPointF(c.x() + 4, c.y() + 4));
            break;
        default:
            for (const auto& [pen, dy] :
                 {std::pair{QColor(0, 0, 0, 170), 1.0}, std::pair{glyph, 0.0}}) {
                p.setPen(QPen(pen, 2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(c.x() - 3.8, c.y() - 3.8 + dy),
                           QPointF(c.x() + 3.8, c.y() + 3.8 + dy));
                p.drawLine(QPointF(c.x() + 3.8, c.y() - 3.8 + dy),
                           QPointF(c.x() - 3.8, c.y() + 3.8 + dy));
            }
            break;
    }
}

void paint_letter_button(QPainter& p, QSizeF s, const QString& letter, bool hover) {
    const QRectF r(QPointF(0, 0), s);
    plate(p, r, 3.5, hover ? Tone::Hover : Tone::Normal);
    if (hover) {
        halo(p, r.center(), s.width() * 0.42, colour::kOrange);
    }
    draw_text(p, r, letter, sans(12), hover ? colour::kOrange : kGlyph);
}

void paint_cancel(QPainter& p, QSizeF s, Art art) {
    const QRectF r(QPointF(0, 0), s);
    const QFont f = sans(9, true, 0.8);
    switch (art) {
        case Art::CancelHover:
            plate(p, r, 3.5, Tone::Hover);
            draw_text(p, r, QStringLiteral("CANCEL"), f, kHoverGreen);
            break;
        case Art::CancelInactive:
            plate(p, r, 3.5, Tone::Disabled);
            draw_text(p, r, QStringLiteral("CANCEL"), f, QColor(76, 76, 76), false);
            break;
        default:
            plate(p, r, 3.5, Tone::Normal);
            draw_text(p, r, QStringLiteral("CANCEL"), f, kGlyph);
            break;
    }
}

void paint_options(QPainter& p, QSizeF s, Art art) {
    const QRectF r(QPointF(0, 0), s);
    const QPointF c(r.center().x(), r.center().y() - 1.5);
    switch (art) {
        case Art::OptionsPressed:
            plate(p, r, 4, Tone::Pressed);
            halo(p, c, 12, colour::kOrange);
            triangle(p, c + QPointF(0, 0.5), 6, 12, Qt::UpArrow, colour::kOrange);
            break;
        case Art::OptionsHover:
            plate(p, r, 4, Tone::Hover);
            triangle(p, c + QPointF(0, 1), 6, 12, Qt::DownArrow, QColor(0, 0, 0, 150));
            triangle(p, c, 6, 12, Qt::DownArrow, kGlyphBright);
            underline(p, c.x(), s.height() - 7, 22);
            break;
        default:
            plate(p, r, 4, Tone::Normal);
            triangle(p, c + QPointF(0, 1), 6, 12, Qt::DownArrow, QColor(0, 0, 0, 150));
            triangle(p, c, 6, 12, Qt::DownArrow, kGlyph);
            break;
    }
}

void paint_reset_button(QPainter& p, QSizeF s, const QString& text, bool hover) {
    const QRectF r(QPointF(0, 0), s);
    plate(p, r, 4, hover ? Tone::Hover : Tone::Normal);
    const QFont f = sans(10, true, 0.8);
    const QRectF text_box = r.adjusted(0, 0, 0, hover ? -3 : -1);
    draw_text(p, text_box, text, f, hover ? QColor(236, 236, 236) : kGlyph);
    if (hover) {
        const qreal width = std::min(QFontMetricsF(f).horizontalAdvance(text) + 6, s.width() - 14);
        underline(p, r.center().x(), s.height() - 6, width);
    }
}

// ---------------------------------------------------------------------------------------------
// Option controls

void recessed_square(QPainter& p, const QRectF& r, const QColor& rim) {
    const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    rounded(p, body, 3, vertical(body, QColor(10, 10, 10), QColor(31, 31, 32)), QPen(rim, 1));
}

void paint_check(QPainter& p, QSizeF s, bool on) {
    const QRectF r(QPointF(0, 0), s);
    recessed_square(p, r, on ? QColor(112, 84, 44) : QColor(78, 78, 78));
    const qreal k = s.width() / 17.0;
    QPainterPath tick;
    tick.moveTo(4.2 * k, 8.8 * k);
    tick.lineTo(7.3 * k, 11.9 * k);
    tick.lineTo(12.9 * k, 5.1 * k);
    p.setBrush(Qt::NoBrush);
    if (on) {
        p.setPen(
            QPen(with_alpha(colour::kOrange, 70), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
    }
    p.setPen(QPen(on ? colour::kOrange : QColor(86, 86, 86), 2.1, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(tick);
}

void paint_radio(QPainter& p, QSizeF s, Art art) {
    const QPointF c(s.width() / 2, s.height() / 2);
    const qreal r = std::min(s.width(), s.height()) / 2 - 0.5;
    const bool disabled = art == Art::RadioDisabled;
    QLinearGradient well(QPointF(0, 0), QPointF(0, s.height()));
    well.setColorAt(0, disabled ? QColor(14, 14, 14) : QColor(9, 9, 9));
    well.setColorAt(1, disabled ? QColor(22, 22, 22) : QColor(31, 31, 32));
    p.setPen(QPen(disabled ? QColor(46, 46, 46) : QColor(78, 78, 78), 1));
    p.setBrush(well);
    p.drawEllipse(c, r, r);
    const qreal dot = r * 0.47;
    p.setPen(Qt::NoPen);
    if (art == Art::RadioOn) {
        halo(p, c, r, colour::kOrange);
        p.setBrush(colour::kOrange);
        p.drawEllipse(c, dot, dot);
        p.setBrush(QColor(255, 222, 168, 150));
        p.drawEllipse(c + QPointF(-dot * 0.55, -dot * 0.55), dot * 0.32, dot * 0.32);
    } else {
        p.setBrush(disabled ? QColor(40, 40, 40) : QColor(98, 98, 98));
        p.drawEllipse(c, dot, dot);
    }
}

void paint_arrow(QPainter& p, QSizeF s, bool right, Tone tone, bool active) {
    const QRectF r(QPointF(0, 0), s);
    const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top(40, 40, 42);
    QColor bottom(29, 29, 30);
    if (tone == Tone::Pressed) {
        top = QColor(18, 18, 19);
        bottom = QColor(30, 30, 31);
    } else if (tone == Tone::Disabled) {
        top = QColor(28, 28, 29);
        bottom = QColor(25, 25, 26);
    } else if (active) {
        top = QColor(50, 50, 53);
        bottom = QColor(34, 34, 36);
    }
    rounded(p, body, 3, vertical(body, top, bottom), QPen(QColor(11, 11, 11), 1));
    if (tone != Tone::Pressed && tone != Tone::Disabled) {
        p.setPen(QPen(QColor(255, 255, 255, 22), 1));
        p.drawLine(QPointF(body.left() + 2.5, body.top() + 1),
                   QPointF(body.right() - 2.5, body.top() + 1));
    }
    const QPointF c(r.center().x() + (right ? 0.5 : -0.5), r.center().y() - 1);
    const Qt::ArrowType dir = right ? Qt::RightArrow : Qt::LeftArrow;
    QColor glyph = active ? kGlyphBright : kGlyph;
    if (tone == Tone::Pressed) {
        glyph = colour::kOrange;
        halo(p, c, 8, colour::kOrange);
    } else if (tone == Tone::Disabled) {
        glyph = kGlyphDark;
    }
    if (tone != Tone::Disabled) {
        triangle(p, c + QPointF(0, 1), 5.5, 9, dir, QColor(0, 0, 0, 150));
    }
    triangle(p, c, 5.5, 9, dir, glyph);
    if (active) {
        underline(p, r.center().x(), s.height() - 4.5, 10);
    }
}

// ---------------------------------------------------------------------------------------------
// Panels and boxes

void paint_section_bar(QPainter& p, QSizeF s) {
    const QRectF r(QPointF(0, 0), s);
    p.fillRect(r, colour::kSectionBar);
    p.fillRect(QRectF(0, 0, s.width(), 1), QColor(38, 38, 38));
    p.fillRect(QRectF(0, s.height() - 1, s.width(), 1), QColor(10, 10, 10));
}

void paint_value_box(QPainter& p, QSizeF s, bool dark) {
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

void paint_frame(QPainter& p, QSizeF s) {
    const QRectF body = QRectF(QPointF(0, 0), s).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(colour::kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body, 4, 4);
}

void paint_history_box(QPainter& p, QSizeF s) {
    const QRectF body = QRectF(QPointF(0, 0), s).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient rim(body.topLeft(), body.bottomLeft());
    rim.setColorAt(0, QColor(8, 8, 8));
    rim.setColorAt(1, QColor(72, 72, 72));
    rounded(p, body, 5, QColor(0, 0, 0), QPen(QBrush(rim), 1));
}

// ---------------------------------------------------------------------------------------------
// The skin

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

void paint_title_bar(QPainter& p) {
    const QRectF bar(0, 0, kSkinWidth, 36);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, QColor(52, 52, 55));
    g.setColorAt(0.5, QColor(38, 38, 40));
    g.setColorAt(1, QColor(29, 29, 31));
    p.fillRect(bar, g);
    p.fillRect(QRectF(0, 0, kSkinWidth, 1), QColor(255, 255, 255, 26));
    p.fillRect(QRectF(0, 35, kSkinWidth, 1), QColor(9, 9, 9));
    QLinearGradient accent(QPointF(0, 0), QPointF(kSkinWidth, 0));
    accent.setColorAt(0, with_alpha(colour::kOrange, 0));
    accent.setColorAt(0.18, with_alpha(colour::kOrange, 150));
    accent.setColorAt(0.6, with_alpha(colour::kOrange, 0));
    p.fillRect(QRectF(0, 34, kSkinWidth, 1), accent);

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
    const QRectF bed(22.5, 86.5, 418, 98);
    rounded(p, bed, 4, QColor(4, 16, 10), QPen(with_alpha(kBrass, 170), 1));
    // The zero pocket runs the full height of the grid, as on a real table.
    const QRectF zero(24, 88, 31, 95);
    rounded(p, zero, 3.5, vertical(zero, QColor(14, 92, 50), QColor(8, 58, 31)),
            QPen(QColor(0, 0, 0, 150), 1));
    p.setPen(QPen(with_alpha(kCream, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(zero.adjusted(2, 2, -2, -2), 2, 2);

    const std::array<qreal, 3> column_y{88, 120, 152};
    for (const qreal y : column_y) {
        const QRectF box(443, y, 81, 29);
        layout_box(p, box);
        box_caption(p, box, QStringLiteral("2 to 1"), 11, 0.6);
    }
    const std::array<const char*, 3> dozens{"1ST", "2ND", "3RD"};
    for (int i = 0; i < 3; ++i) {
        const QRectF box(57 + 128 * i, 186, 125, 32);
        layout_box(p, box);
        box_caption(p, box, QString::fromLatin1(dozens[static_cast<std::size_t>(i)]), 13, 2.0);
    }
    const std::array<const char*, 6> outside{"1-18", "EVEN", "", "", "ODD", "19-36"};
    for (int i = 0; i < 6; ++i) {
        const QRectF box(57 + 64 * i, 220, 62, 32);
        layout_box(p, box);
        if (i == 2 || i == 3) {
            diamond(p, box, i == 2);
        } else {
            box_caption(p, box, QString::fromLatin1(outside[static_cast<std::size_t>(i)]), 12, 1.0);
        }
    }
    felt_chip(p, QPointF(484, 220), 24);
}

void paint_progress_track(QPainter& p) {
    const QRectF track(22.5, 268.5, 502, 14);
    rounded(p, track.adjusted(0, 0, 0, 1), 7, QColor(255, 255, 255, 14));
    rounded(p, track, 7, vertical(track, QColor(0, 0, 0), QColor(10, 10, 10)),
            QPen(QColor(6, 6, 6), 1));
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.drawLine(QPointF(track.left() + 5, track.top() + 1),
               QPointF(track.right() - 5, track.top() + 1));
}

void paint_options_tray(QPainter& p) {
    const QRectF tab(240.5, 287.5, 68, 48);
    QPainterPath path;
    path.addRoundedRect(tab, 7, 7);
    p.save();
    p.setClipRect(QRectF(0, 0, kSkinWidth, 330));
    p.setPen(QPen(QColor(8, 8, 8), 1));
    p.setBrush(vertical(tab, QColor(34, 34, 36), QColor(20, 20, 21)));
    p.drawPath(path);
    p.setPen(QPen(QColor(255, 255, 255, 22), 1));
    p.drawLine(QPointF(tab.left() + 6, tab.top() + 1), QPointF(tab.right() - 6, tab.top() + 1));
    p.restore();
}

void paint_lower_panel(QPainter& p) {
    const QRectF area(0, 304, kSkinWidth, kSkinHeight - 304);
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

void paint_skin(QPainter& p) {
    p.fillRect(QRectF(0, 0, kSkinWidth, kSkinHeight), colour::kBackground);
    p.fillRect(QRectF(0, 36, kSkinWidth, 268),
               vertical(QRectF(0, 36, kSkinWidth, 268), QColor(31, 31, 32), QColor(24, 24, 25)));
    paint_lower_panel(p);
    paint_title_bar(p);
    paint_tray(p);
    paint_board(p);
    paint_progress_track(p);
    paint_options_tray(p);
}

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
    const QSizeF s = rect.size();
    switch (art) {
        case Art::Skin:
            painter.scale(s.width() / kSkinWidth, s.height() / kSkinHeight);
            paint_skin(painter);
            break;
        case Art::Cell:
            paint_cell(painter, s, number, CellState::Rest);
            break;
        case Art::CellHover:
            paint_cell(painter, s, number, CellState::Hover);
            break;
        case Art::CellPressed:
            paint_cell(painter, s, number, CellState::Pressed);
            break;
        case Art::BetField:
            paint_bet_field(painter, s);
            break;
        case Art::Indicator:
            paint_indicator(painter, s);
            break;
        case Art::Help:
        case Art::HelpHover:
        case Art::Minimise:
        case Art::MinimiseHover:
        case Art::Close:
        case Art::CloseHover:
            paint_chrome(painter, s, art);
            break;
        case Art::FileLoad:
        case Art::FileLoadHover:
            paint_letter_button(painter, s, QStringLiteral("L"), art == Art::FileLoadHover);
            break;
        case Art::FileSave:
        case Art::FileSaveHover:
            paint_letter_button(painter, s, QStringLiteral("S"), art == Art::FileSaveHover);
            break;
        case Art::Cancel:
        case Art::CancelHover:
        case Art::CancelInactive:
            paint_cancel(painter, s, art);
            break;
        case Art::Options:
        case Art::OptionsHover:
        case Art::OptionsPressed:
            paint_options(painter, s, art);
            break;
        case Art::CheckOn:
        case Art::CheckOff:
            paint_check(painter, s, art == Art::CheckOn);
            break;
        case Art::RadioOff:
        case Art::RadioOn:
        case Art::RadioDisabled:
            paint_radio(painter, s, art);
            break;
        case Art::ArrowLeft:
            paint_arrow(painter, s, false, Tone::Normal, false);
            break;
        case Art::ArrowLeftActive:
            paint_arrow(painter, s, false, Tone::Hover, true);
            break;
        case Art::ArrowLeftPressed:
            paint_arrow(painter, s, false, Tone::Pressed, false);
            break;
        case Art::ArrowLeftDisabled:
            paint_arrow(painter, s, false, Tone::Disabled, false);
            break;
        case Art::ArrowRight:
            paint_arrow(painter, s, true, Tone::Normal, false);
            break;
        case Art::ArrowRightActive:
            paint_arrow(painter, s, true, Tone::Hover, true);
            break;
        case Art::ArrowRightPressed:
            paint_arrow(painter, s, true, Tone::Pressed, false);
            break;
        case Art::ArrowRightDisabled:
            paint_arrow(painter, s, true, Tone::Disabled, false);
            break;
        case Art::ResetButton:
        case Art::ResetButtonHover:
            paint_reset_button(painter, s, text, art == Art::ResetButtonHover);
            break;
        case Art::SectionBar:
            paint_section_bar(painter, s);
            break;
        case Art::ValueBox:
        case Art::ValueBoxDark:
            paint_value_box(painter, s, art == Art::ValueBoxDark);
            break;
        case Art::Frame:
            paint_frame(painter, s);
            break;
        case Art::HistoryBox:
            paint_history_box(painter, s);
            break;
        case Art::LoadingPanel:
            painter.fillRect(QRectF(QPointF(0, 0), s), QColor(0, 0, 0));
            break;
    }
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
