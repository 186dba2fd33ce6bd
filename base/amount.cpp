#include "base/amount.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace corvane {

namespace {

// The amount with a point, 15 significant digits, trailing zeros dropped.
std::string decimal15(double value) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    std::string text(buf);
    if (text.find_first_of("eE") != std::string::npos) {
        // Too large or too small for %g's plain form: the same digits in fixed notation.
        const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        const int decimals = std::max(0, 14 - exponent);
        std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
        text = buf;
        // Only an amount below 0,0001 has decimals here, and one of them is not a zero.
        if (text.find('.') != std::string::npos) {
            while (text.back() == '0') {
                text.pop_back();
            }
        }
    }
    return text;
}

}  // namespace

std::string format_amount(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    if (value == 0.0) {
        return "0";
    }
    std::string text = decimal15(value);
    for (char& ch : text) {
        if (ch == '.') {
            ch = ',';
        }
    }
    return text;
}

std::optional<double> parse_amount(std::string_view text) {
    if (text.empty() || text.size() > 64) {
        return std::nullopt;
    }
    std::string buf(text);
    for (char& ch : buf) {
        if (ch == ',') {
            ch = '.';
        } else if (!(ch == '.' || (ch >= '0' && ch <= '9'))) {
            return std::nullopt;
        }
    }
    char* end = nullptr;
    const double value = std::strtod(buf.c_str(), &end);
    if (end != buf.c_str() + buf.size()) {
        return std::nullopt;
    }
    return value;
}

double round_to_display(double value) {
    if (!std::isfinite(value) || value == 0.0) {
        return value;
    }
    return std::strtod(decimal15(value).c_str(), nullptr);
}

}  // namespace corvane
