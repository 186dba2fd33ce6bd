// The risk report's chart drawn with Qt's painting: the same paint code onto an SVG generator,
// an image for PNG, or a widget.
#pragma once

#include <QPainter>
#include <optional>
#include <string>

#include "simulation/session_chart.h"

namespace corvane {

// Paints the chart onto `p`, in a space of chart_style::kWidth x chart_style::kHeight.
void paint_chart(QPainter& p, const SessionChart& chart);

// Draws the chart as SVG or PNG, by the file name's extension. Why it could not, if it could
// not.
std::optional<std::string> write_chart(const SessionChart& chart, const std::string& path);

}  // namespace corvane
