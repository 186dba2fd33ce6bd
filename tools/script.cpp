#include "tools/script.h"

#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "settings/operations.h"

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

namespace {

CategoryId category_of_arg(const std::string& arg) {
    for (const CategoryInfo& ci : kCategories) {
        if (ci.prefix == arg) {
            return ci.id;
        }
    }
    return CategoryId::RB;
}

std::string file_for(const std::string& path, const std::string& sandbox) {
    if (sandbox.empty()) {
        return path;
    }
    const std::size_t slash = path.find_last_of('/');
    return sandbox + "/" + (slash == std::string::npos ? path : path.substr(slash + 1));
}

}  // namespace

Message run_script_action(Engine& engine, const ScriptAction& a, const std::string& sandbox) {
    using Kind = ScriptAction::Kind;
    switch (a.kind) {
        case Kind::Spin:
            engine.finish_spin();
            engine.spin(a.number);
            return std::nullopt;
        case Kind::Undo:
            engine.undo();
            return std::nullopt;
        case Kind::Bets:
            engine.press_bets();
            return std::nullopt;
        case Kind::NewGame:
            engine.new_game();
            return std::nullopt;
        case Kind::DefaultSettings:
            engine.default_settings();
            return std::nullopt;
        case Kind::LoadNumbers:
            return engine.load_numbers(file_for(a.text, sandbox));
        case Kind::SaveNumbers:
            return engine.save_numbers(file_for(a.text, sandbox));
        case Kind::LoadSettings:
            return engine.load_settings(file_for(a.text, sandbox));
        case Kind::SaveSettings:
            return engine.save_settings(file_for(a.text, sandbox));
        case Kind::Op:
            if (const std::optional<OpInfo> op = find_op(a.text)) {
                engine.apply(op->op, category_of_arg(a.arg), a.number);
            }
            return std::nullopt;
    }
    return std::nullopt;
}

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
    struct Simple {
        std::string_view verb;
        ScriptAction::Kind kind;
    };
    constexpr Simple kSimple[] = {
        {"undo", ScriptAction::Kind::Undo},
        {"bets", ScriptAction::Kind::Bets},
        {"new-game", ScriptAction::Kind::NewGame},
        {"default-settings", ScriptAction::Kind::DefaultSettings},
    };
    for (const Simple& simple : kSimple) {
        if (verb == simple.verb) {
            if (w.size() != 1) {
                return error(std::string(verb) + " takes no argument");
            }
            action.kind = simple.kind;
            return action;
        }
    }

    constexpr Simple kFiles[] = {
        {"load-numbers", ScriptAction::Kind::LoadNumbers},
        {"save-numbers", ScriptAction::Kind::SaveNumbers},
        {"load-settings", ScriptAction::Kind::LoadSettings},
        {"save-settings", ScriptAction::Kind::SaveSettings},
    };
    for (const Simple& file : kFiles) {
        if (verb == file.verb) {
            // The rest of the line is the name, blanks inside it included.
            const std::string_view path = trim(line.substr(verb.size()));
            if (path.empty()) {
                return error(std::string(verb) + " needs a file name");
            }
            action.kind = file.kind;
            action.text = std::string(path);
            return action;
        }
    }

    if (verb == "op") {
        if (w.size() < 2) {
            return error("op needs the name of a setting operation");
        }
        const std::optional<OpInfo> op = find_op(w[1]);
        if (!op) {
            return error("unknown setting operation '" + std::string(w[1]) + "'");
        }
        action.kind = ScriptAction::Kind::Op;
        action.text = std::string(w[1]);
        const std::size_t wanted = op->arg == OpArg::None ? 2 : 3;
        if (w.size() != wanted) {
            return error(std::string(w[1]) +
                         (wanted == 2 ? " takes no argument" : " needs one argument"));
        }
        switch (op->arg) {
            case OpArg::None:
                break;
            case OpArg::Category:
                if (w[2] != "RB" && w[2] != "EO" && w[2] != "LM" && w[2] != "D" && w[2] != "C") {
                    return error("category must be RB, EO, LM, D or C");
                }
                action.arg = std::string(w[2]);
                break;
            case OpArg::Step:
            case OpArg::UnitStep:
                if (!parse_int(w[2], true, action.number)) {
                    return error("step must be a signed whole number such as +1");
                }
                if (op->arg == OpArg::UnitStep && action.number != 1 && action.number != -1) {
                    return error("step must be +1 or -1");
                }
                break;
        }
        return action;
    }
    return error("unknown action '" + std::string(verb) + "'");
}

}  // namespace corvane
