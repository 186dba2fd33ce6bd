// The controls of the window: number cells, bet fields, buttons, checks, radios and stepper
// arrows, each painted from (0, 0) at the element's size.
#include <QFontMetricsF>
#include <algorithm>

#include "base/numbers.h"
#include "ui/skin_painting.h"

namespace corvane::skin::painting {

// ---- Number cells and bet fields ----------------------------------------------------------

namespace {
enum class CellState { Rest, Hover, Pressed };
}  // namespace

void paint_cell(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const int number = piece.number;
    const CellState state = piece.art == Art::CellPressed ? CellState::Pressed
                            : piece.art == Art::CellHover ? CellState::Hover
                                                          : CellState::Rest;
    const QRectF body = QRectF(QPointF(0, 0), s).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top(50, 50, 53);
    QColor bottom(19, 19, 21);
    if (number == 0) {
        top = QColor(30, 156, 84);
        bottom = QColor(12, 98, 50);
    } else if (corvane::is_red(number)) {
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

void paint_bet_field(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
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

void paint_indicator(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const QRectF r(QPointF(0, 0), s);
    QLinearGradient across(r.topLeft(), r.topRight());
    across.setColorAt(0, QColor(255, 150, 0));
    across.setColorAt(0.5, QColor(255, 244, 160));
    across.setColorAt(1, QColor(255, 150, 0));
    const qreal radius = std::min(s.width(), s.height()) / 2;
    rounded(p, r, radius, across);
}

// ---- Buttons -------------------------------------------------------------------------------

void paint_chrome(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const Art art = piece.art;
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

// "L" loads a file, "S" saves one.
void paint_letter_button(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const bool load = piece.art == Art::FileLoad || piece.art == Art::FileLoadHover;
    const QString letter = load ? QStringLiteral("L") : QStringLiteral("S");
    const bool hover = piece.art == Art::FileLoadHover || piece.art == Art::FileSaveHover;
    const QRectF r(QPointF(0, 0), s);
    plate(p, r, 3.5, hover ? Tone::Hover : Tone::Normal);
    if (hover) {
        halo(p, r.center(), s.width() * 0.42, colour::kOrange);
    }
    draw_text(p, r, letter, sans(12), hover ? colour::kOrange : kGlyph);
}

void paint_cancel(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const Art art = piece.art;
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

void paint_options(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const Art art = piece.art;
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

// BETS, SPINS or SETTINGS: the caption is the element's text.
void paint_reset_button(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const QString& text = piece.text;
    const bool hover = piece.art == Art::ResetButtonHover;
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

// ---- Option controls -----------------------------------------------------------------------

namespace {

void recessed_square(QPainter& p, const QRectF& r, const QColor& rim) {
    const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    rounded(p, body, 3, vertical(body, QColor(10, 10, 10), QColor(31, 31, 32)), QPen(rim, 1));
}

}  // namespace

void paint_check(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const bool on = piece.art == Art::CheckOn;
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

void paint_radio(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const Art art = piece.art;
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

namespace {

// The four looks of each stepper arrow; the hover look is the active one, with its underline.
struct ArrowLook {
    Art art;
    bool right;
    Tone tone;
};

constexpr ArrowLook kArrowLooks[] = {
    {Art::ArrowLeft, false, Tone::Normal},         {Art::ArrowLeftActive, false, Tone::Hover},
    {Art::ArrowLeftPressed, false, Tone::Pressed}, {Art::ArrowLeftDisabled, false, Tone::Disabled},
    {Art::ArrowRight, true, Tone::Normal},         {Art::ArrowRightActive, true, Tone::Hover},
    {Art::ArrowRightPressed, true, Tone::Pressed}, {Art::ArrowRightDisabled, true, Tone::Disabled},
};

ArrowLook arrow_look(Art art) {
    for (const ArrowLook& look : kArrowLooks) {
        if (look.art == art) {
            return look;
        }
    }
    return kArrowLooks[0];
}

}  // namespace

void paint_arrow(QPainter& p, const Piece& piece) {
    const QSizeF s = piece.size;
    const ArrowLook look = arrow_look(piece.art);
    const bool right = look.right;
    const Tone tone = look.tone;
    const bool active = tone == Tone::Hover;
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

}  // namespace corvane::skin::painting
