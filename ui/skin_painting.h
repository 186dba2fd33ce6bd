// What the files of the skin share: the artwork's palette beyond the window colours, the
// painting helpers, and the painter of every art. Only ui/skin*.cpp include it.
#pragma once

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRectF>
#include <QString>

#include "ui/skin.h"

namespace corvane::skin::painting {

// Palette of the artwork beyond the fixed window colours.
inline const QColor kGlyph(170, 170, 170);
inline const QColor kGlyphBright(214, 214, 214);
inline const QColor kGlyphDark(58, 58, 58);
inline const QColor kHoverGreen(74, 208, 104);
inline const QColor kHoverRed(236, 62, 54);
inline const QColor kCellNumber(208, 208, 208);
inline const QColor kCream(226, 212, 172);
inline const QColor kBrass(184, 150, 86);

inline QColor with_alpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

inline QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

inline QFont make_font(const QString& family, int pixels, bool bold, qreal spacing = 0) {
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

inline QFont sans(int pixels, bool bold = true, qreal spacing = 0) {
    return make_font(sans_family(), pixels, bold, spacing);
}

// Text centred (or aligned) in `r`, optionally with a one-pixel engraved shadow below it.
inline void draw_text(QPainter& p, const QRectF& r, const QString& s, const QFont& f,
                      const QColor& c, bool shadow = true, int flags = Qt::AlignCenter) {
    p.setFont(f);
    if (shadow) {
        p.setPen(QColor(0, 0, 0, 170));
        p.drawText(r.translated(0, 1), flags, s);
    }
    p.setPen(c);
    p.drawText(r, flags, s);
}

inline void rounded(QPainter& p, const QRectF& r, qreal radius, const QBrush& fill,
                    const QPen& pen = Qt::NoPen) {
    p.setPen(pen);
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

// A short glowing orange bar: the hover mark under numbers, arrows and buttons.
inline void underline(QPainter& p, qreal cx, qreal y, qreal width) {
    const QRectF bar(cx - width / 2, y, width, 2);
    rounded(p, bar.adjusted(-1.5, -1.5, 1.5, 1.5), 2.5, with_alpha(colour::kOrange, 50));
    rounded(p, bar, 1, colour::kOrange);
}

enum class Tone { Normal, Hover, Pressed, Disabled };

// The raised plate of every push button.
inline void plate(QPainter& p, const QRectF& r, qreal radius, Tone tone) {
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
inline void halo(QPainter& p, QPointF c, qreal r, const QColor& colour) {
    QRadialGradient g(c, r);
    g.setColorAt(0, with_alpha(colour, 70));
    g.setColorAt(1, with_alpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// A filled triangle pointing left, right, up or down, centred on `c`.
inline void triangle(QPainter& p, QPointF c, qreal length, qreal breadth, Qt::ArrowType dir,
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

// One element to paint: its size in logical pixels, its art, the number of a cell and the
// caption of a reset button. A painter draws every art of its kind from (0, 0).
struct Piece {
    QSizeF size;
    Art art;
    int number;
    const QString& text;
};
using Painter = void (*)(QPainter& p, const Piece& piece);

// Controls: number cells, bet fields, buttons, checks, radios, stepper arrows.
void paint_cell(QPainter& p, const Piece& piece);
void paint_bet_field(QPainter& p, const Piece& piece);
void paint_indicator(QPainter& p, const Piece& piece);
void paint_chrome(QPainter& p, const Piece& piece);
void paint_letter_button(QPainter& p, const Piece& piece);
void paint_cancel(QPainter& p, const Piece& piece);
void paint_options(QPainter& p, const Piece& piece);
void paint_reset_button(QPainter& p, const Piece& piece);
void paint_check(QPainter& p, const Piece& piece);
void paint_radio(QPainter& p, const Piece& piece);
void paint_arrow(QPainter& p, const Piece& piece);

// Backgrounds: the skin with the board, and the panels and boxes laid on it.
void paint_skin(QPainter& p, const Piece& piece);
void paint_section_bar(QPainter& p, const Piece& piece);
void paint_value_box(QPainter& p, const Piece& piece);
void paint_frame(QPainter& p, const Piece& piece);
void paint_history_box(QPainter& p, const Piece& piece);
void paint_loading_panel(QPainter& p, const Piece& piece);

// The wheel of the title bar and the icons, centred on `c` with radius `r`.
void paint_logo(QPainter& p, QPointF c, qreal r);

}  // namespace corvane::skin::painting
