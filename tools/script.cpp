#include "tools/script.h"

#include <array>
#include <charconv>
#include <vector>

namespace corvane {

namespace {

bool is_blank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && is_blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && is_blank(s[i])) {
            ++i;
        }
        std::size_t j = i;
        while (j < s.size() && !is_blank(s[j])) {
            ++j;
        }
        if (j > i) {
            out.push_back(s.substr(i, j - i));
        }
        i = j;
    }
    return out;
}

// A whole number of digits, with a sign when `signed_ok`; nothing else.
bool parse_int(std::string_view text, bool signed_ok, int& out) {
    if (text.empty()) {
        return false;
    }
    bool negative = false;
    if (signed_ok && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9) {
        return false;
    }
    for (char ch : text) {
        if (ch < '0' || ch > '9') {
            return false;
        }
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    out = negative ? -value : value;
    return true;
}

ScriptError error(std::string message) {
    return ScriptError{std::move(message)};
}

}  // namespace

ScriptLine parse_script_line(std::string_view raw) {
    const std::string_view line = trim(raw);
    if (line.empty() || line.front() == '#') {
        return ScriptSkip{};
    }
    const std::vector<std::string_view> w = words(line);
    const std::string_view verb = w[0];
    ScriptAction action;
    action.cmd = std::string(line);

    if (verb == "spin") {
        int n = 0;
        if (w.size() != 2 || !parse_int(w[1], false, n) || n > 36) {
            return error("spin needs one number from 0 to 36");
        }
        action.kind = ScriptAction::Kind::Spin;
        action.number = n;
        return action;
    }
    return error("unknown action '" + std::string(verb) + "'");
}

}  // namespace corvane
