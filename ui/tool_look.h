// The look of Corvane's own windows beside the main one (the session log, the numbers): the
// main window's dark background and silver text, in the sans face at the tooltips' size.
#pragma once

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QString>

namespace corvane {

inline constexpr int kToolTextPixels = 12;  // Arial 9 pt at 96 dots per inch, as the tooltips

// The dark look of the main window: its background, silver text, the frames of its options.
QPalette dark_palette(QPalette palette);

// The sans face at the tool windows' size, or `pixels` high.
QFont tool_font(bool bold = false, int pixels = kToolTextPixels);

// A label of a tool window, named `name`: silver text, or with `value` a figure, bold white
// and to the right.
QLabel* tool_label(QWidget* parent, const QString& text, const QString& name = {},
                   bool value = false);

}  // namespace corvane
