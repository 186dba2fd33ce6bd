// The look of the risk report's chart: its size, colours and font. The bands are opaque, so
// that their colours stand in the picture exactly as written here.
#pragma once

#include <QColor>
#include <QFont>

namespace corvane::chart_style {

inline constexpr int kWidth = 1000;
inline constexpr int kHeight = 700;

inline const QColor kBackground(255, 255, 255);
inline const QColor kText(40, 40, 40);
inline const QColor kGrid(224, 224, 224);
inline const QColor kZeroLine(120, 120, 120);
inline const QColor kOuterBand(198, 219, 239);  // 5-95 % of the sessions
inline const QColor kInnerBand(107, 174, 214);  // 25-75 %
inline const QColor kMedian(8, 69, 148);
inline const QColor kExpected(203, 24, 29);
inline const QColor kBar(116, 196, 118);
inline const QColor kBarEdge(35, 139, 69);

inline QFont font(int pixels, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

}  // namespace corvane::chart_style
