#include "base/number_file.h"

#include "base/file_io.h"
#include "base/numbers.h"

namespace corvane {

namespace {

std::string_view trim_blanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

// The number of a line of digits 0..36; -1 for anything else.
int number_of(std::string_view text) {
    if (text.empty()) {
        return -1;
    }
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') {
            return -1;
        }
        value = value * 10 + (ch - '0');
        if (value > kMaxNumber) {
            return -1;
        }
    }
    return value;
}

}  // namespace

NumberFile parse_number_file(std::string_view bytes, const LoadProgress& progress) {
    NumberFile out;
    const std::vector<std::string_view> lines = split_lines(bytes);
    out.numbers.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (progress && i % kProgressEvery == 0) {
            progress(i, lines.size());
        }
        const std::string_view text = trim_blanks(lines[i]);
        if (text.empty()) {
            continue;
        }
        const int n = number_of(text);
        if (n < 0) {
            out.numbers.clear();
            out.error = "'" + quoted_for_message(text) + "' in line " + std::to_string(i + 1) +
                        " is not a number from 0 to 36";
            return out;
        }
        out.numbers.push_back(static_cast<std::uint8_t>(n));
    }
    if (progress) {
        progress(lines.size(), lines.size());
    }
    return out;
}

std::string number_file_text(const std::vector<std::uint8_t>& numbers) {
    std::string text;
    text.reserve(numbers.size() * 4);
    for (std::uint8_t n : numbers) {
        if (n >= 10) {
            text += static_cast<char>('0' + n / 10);
        }
        text += static_cast<char>('0' + n % 10);
        text += "\r\n";
    }
    return text;
}

}  // namespace corvane
