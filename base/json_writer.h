// A small writer of one-line JSON, enough for the trace and the backtest summary.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

class JsonWriter {
  public:
    void begin_object();
    void end_object();
    void begin_array();
    void end_array();
    void key(std::string_view name);

    // Text from the program or from a single-byte file: each byte is the ISO 8859-1
    // character of its code, written as UTF-8; control characters as \u escapes.
    void latin1(std::string_view text);
    void integer(long long value);
    void unsigned_integer(unsigned long long value);
    // The shortest text that reads back as exactly the same double.
    void number(double value);
    void boolean(bool value);
    void null();

    // A key with its value, the common case.
    void field(std::string_view name, std::string_view text) {
        key(name);
        latin1(text);
    }
    void field_integer(std::string_view name, long long value) {
        key(name);
        integer(value);
    }
    void field_number(std::string_view name, double value) {
        key(name);
        number(value);
    }
    void field_boolean(std::string_view name, bool value) {
        key(name);
        boolean(value);
    }

    const std::string& str() const { return out_; }
    void clear() {
        out_.clear();
        first_ = true;
    }

  private:
    void separator();
    void quoted(std::string_view text);

    std::string out_;
    bool first_ = true;  // nothing written yet in the current object or array
};

}  // namespace corvane
