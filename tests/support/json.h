// A small JSON reader for checking trace lines in tests.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::testing {

struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<Json> array;
    std::map<std::string, Json> object;

    const Json& operator[](const std::string& key) const {
        auto it = object.find(key);
        if (type != Type::Object || it == object.end()) {
            throw std::out_of_range("no key " + key);
        }
        return it->second;
    }
    const Json& operator[](std::size_t i) const { return array.at(i); }
    bool is_null() const { return type == Type::Null; }
    std::vector<std::string> strings() const {
        std::vector<std::string> out;
        for (const Json& j : array) {
            out.push_back(j.string);
        }
        return out;
    }
    std::vector<int> ints() const {
        std::vector<int> out;
        for (const Json& j : array) {
            out.push_back(static_cast<int>(j.number));
        }
        return out;
    }
};

class JsonParser {
  public:
    explicit JsonParser(std::string_view text) : s_(text) {}

    Json parse() {
        Json j = value();
        ws();
        if (i_ != s_.size()) {
            fail();
        }
        return j;
    }

  private:
    [[noreturn]] void fail() { throw std::runtime_error("bad JSON at " + std::to_string(i_)); }
    void ws() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t')) {
            ++i_;
        }
    }
    bool eat(std::string_view word) {
        if (s_.substr(i_, word.size()) == word) {
            i_ += word.size();
            return true;
        }
        return false;
    }
    Json value() {
        ws();
        Json j;
        if (i_ >= s_.size()) {
            fail();
        }
        const char c = s_[i_];
        if (eat("null")) {
            return j;
        }
        if (eat("true") || eat("false")) {
            j.type = Json::Type::Bool;
            j.boolean = s_[i_ - 1] == 'e' && s_[i_ - 2] == 'u';
            return j;
        }
        if (c == '"') {
            j.type = Json::Type::String;
            j.string = str();
            return j;
        }
        if (c == '[') {
            ++i_;
            j.type = Json::Type::Array;
            ws();
            if (eat("]")) {
                return j;
            }
            do {
                j.array.push_back(value());
                ws();
            } while (eat(","));
            if (!eat("]")) {
                fail();
            }
            return j;
        }
        if (c == '{') {
            ++i_;
            j.type = Json::Type::Object;
            ws();
            if (eat("}")) {
                return j;
            }
            do {
                ws();
                std::string k = str();
                ws();
                if (!eat(":")) {
                    fail();
                }
                j.object[k] = value();
                ws();
            } while (eat(","));
            if (!eat("}")) {
                fail();
            }
            return j;
        }
        std::size_t end = i_;
        while (end < s_.size() &&
               std::string_view("+-0123456789.eE").find(s_[end]) != std::string_view::npos) {
            ++end;
        }
        if (end == i_) {
            fail();
        }
        j.type = Json::Type::Number;
        j.number = std::stod(std::string(s_.substr(i_, end - i_)));
        i_ = end;
        return j;
    }
    std::string str() {
        if (!eat("\"")) {
            fail();
        }
        std::string out;
        while (i_ < s_.size() && s_[i_] != '"') {
            char c = s_[i_++];
            if (c == '\\') {
                const char e = s_.at(i_++);
                if (e == 'u') {
                    const int code = std::stoi(std::string(s_.substr(i_, 4)), nullptr, 16);
                    i_ += 4;
                    if (code < 0x80) {
                        out += static_cast<char>(code);
                    } else {
                        out += static_cast<char>(0xc0 | (code >> 6));
                        out += static_cast<char>(0x80 | (code & 0x3f));
                    }
                } else {
                    out += e == 'n' ? '\n' : e == 't' ? '\t' : e;
                }
            } else {
                out += c;
            }
        }
        if (!eat("\"")) {
            fail();
        }
        return out;
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

inline Json parse_json(std::string_view text) {
    return JsonParser(text).parse();
}

}  // namespace corvane::testing
