// Money as the player reads and writes it: decimal comma, no thousands separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The shortest decimal of at most 15 significant digits, no trailing zeros, no exponent:
// 0,05; 0,1; 12,8; 67108864. So 0.1 + 0.2 shows 0,3.
std::string format_amount(double value);

// Reads "0,25" or "5000" (a point is accepted too). Nothing for a text that is no amount.
std::optional<double> parse_amount(std::string_view text);

// The value of an amount's 15-digit text: what a stored amount reads back as.
double round_to_display(double value);

}  // namespace corvane
