#include "base/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace corvane {

void JsonWriter::separator() {
    if (!first_) {
        out_ += ',';
    }
    first_ = false;
}

void JsonWriter::begin_object() {
    separator();
    out_ += '{';
    first_ = true;
}

void JsonWriter::end_object() {
    out_ += '}';
    first_ = false;
}

void JsonWriter::begin_array() {
    separator();
    out_ += '[';
    first_ = true;
}

void JsonWriter::end_array() {
    out_ += ']';
    first_ = false;
}

void JsonWriter::key(std::string_view name) {
    separator();
    quoted(name);
    out_ += ':';
    first_ = true;
}

void JsonWriter::latin1(std::string_view text) {
    separator();
    quoted(text);
}

void JsonWriter::quoted(std::string_view text) {
    out_ += '"';
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte == '"' || byte == '\\') {
            out_ += '\\';
            out_ += ch;
        } else if (byte < 0x20 || byte == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", byte);
            out_ += buf;
        } else if (byte < 0x80) {
            out_ += ch;
        } else {
            out_ += static_cast<char>(0xc0 | (byte >> 6));
            out_ += static_cast<char>(0x80 | (byte & 0x3f));
        }
    }
    out_ += '"';
}

void JsonWriter::integer(long long value) {
    separator();
    out_ += std::to_string(value);
}

void JsonWriter::unsigned_integer(unsigned long long value) {
    separator();
    out_ += std::to_string(value);
}

void JsonWriter::number(double value) {
    separator();
    if (!std::isfinite(value)) {
        out_ += "null";
        return;
    }
    char buf[400];
    // Plain decimals read best for money; the shortest round-trip form either way.
    const double magnitude = std::fabs(value);
    const auto format = (magnitude == 0.0 || (magnitude >= 1e-6 && magnitude < 1e21))
                            ? std::chars_format::fixed
                            : std::chars_format::general;
    const auto result = std::to_chars(buf, buf + sizeof buf, value, format);
    out_.append(buf, result.ptr);
}

void JsonWriter::boolean(bool value) {
    separator();
    out_ += value ? "true" : "false";
}

void JsonWriter::null() {
    separator();
    out_ += "null";
}

}  // namespace corvane
