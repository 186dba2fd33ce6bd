// Where a window of Corvane's opens: beside the main window where the screen has room for it,
// elsewhere on the screen where it has not, and always inside the screen's available area.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace corvane {

inline constexpr int kWindowGap = 8;  // between the main window and one beside it

// The top left corner for a window of `size` (its frame) beside `main` (the main window's
// frame) on a screen whose available area is `screen`: to the right of the main window, else
// to its left, else below it, else above it, wherever the whole window fits on the screen;
// where it fits nowhere beside, at the side of the screen where it covers least of the main
// window. Beside it to the right or left, it stands at the main window's height as far as the
// screen allows. A window larger than the screen starts at the screen's top left corner.
QPoint place_beside(const QRect& main, const QSize& size, const QRect& screen);

// Shows `window` and raises it; the first time (while `placed` is false, which it then sets)
// beside `main` on the screen's available area, afterwards where it was left.
void show_beside(QWidget& window, const QWidget& main, bool& placed);

}  // namespace corvane
