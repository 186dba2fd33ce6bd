#include "engine/script.h"

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

// The category of a prefix ("RB", "EO", "LM", "D", "C").
std::optional<CategoryId> find_category(std::string_view prefix) {
    for (const CategoryInfo& ci : kCategories) {
        if (ci.prefix == prefix) {
            return ci.id;
        }
    }
    return std::nullopt;
}

// A script line cut up after its first word, the verb.
struct SplitLine {
    std::string_view verb;
    std::vector<std::string_view> args;  // the words after the verb
    std::string_view rest;               // the text after the verb, without surrounding blanks
};

// What an action's arguments must look like: a reader takes them from the line into the
// action, or says what is wrong with them.
using ArgumentReader = std::optional<std::string> (*)(const SplitLine& line, ScriptAction& action);

std::optional<std::string> no_argument(const SplitLine& line, ScriptAction&) {
    if (!line.args.empty()) {
        return std::string(line.verb) + " takes no argument";
    }
    return std::nullopt;
}

std::optional<std::string> board_number(const SplitLine& line, ScriptAction& action) {
    if (line.args.size() != 1 || !parse_int(line.args[0], false, action.number) ||
        action.number > 36) {
        return std::string(line.verb) + " needs one number from 0 to 36";
    }
    return std::nullopt;
}

// The rest of the line is the name, blanks inside it included.
std::optional<std::string> file_name(const SplitLine& line, ScriptAction& action) {
    if (line.rest.empty()) {
        return std::string(line.verb) + " needs a file name";
    }
    action.text = std::string(line.rest);
    return std::nullopt;
}

// The one word after a setting operation's name, read as the operation wants it.
std::optional<std::string> operation_argument(OpArg arg, std::string_view word,
                                              ScriptAction& action) {
    switch (arg) {
        case OpArg::None:
            break;
        case OpArg::Category:
            if (!find_category(word)) {
                return "category must be RB, EO, LM, D or C";
            }
            action.arg = std::string(word);
            break;
        case OpArg::Step:
        case OpArg::UnitStep:
            if (!parse_int(word, true, action.number)) {
                return "step must be a signed whole number such as +1";
            }
            if (arg == OpArg::UnitStep && action.number != 1 && action.number != -1) {
                return "step must be +1 or -1";
            }
            break;
    }
    return std::nullopt;
}

std::optional<std::string> setting_operation(const SplitLine& line, ScriptAction& action) {
    if (line.args.empty()) {
        return std::string(line.verb) + " needs the name of a setting operation";
    }
    const std::string_view name = line.args[0];
    const std::optional<OpInfo> op = find_op(name);
    if (!op) {
        return "unknown setting operation '" + std::string(name) + "'";
    }
    action.text = std::string(name);
    const bool takes_argument = op->arg != OpArg::None;
    if (line.args.size() != (takes_argument ? 2U : 1U)) {
        return std::string(name) + (takes_argument ? " needs one argument" : " takes no argument");
    }
    return takes_argument ? operation_argument(op->arg, line.args[1], action) : std::nullopt;
}

// Every action a script knows: its first word, what it does and how its arguments are read.
struct Verb {
    std::string_view name;
    ScriptAction::Kind kind;
    ArgumentReader read;
};

constexpr Verb kVerbs[] = {
    {"spin", ScriptAction::Kind::Spin, board_number},
    {"undo", ScriptAction::Kind::Undo, no_argument},
    {"bets", ScriptAction::Kind::Bets, no_argument},
    {"new-game", ScriptAction::Kind::NewGame, no_argument},
    {"default-settings", ScriptAction::Kind::DefaultSettings, no_argument},
    {"load-numbers", ScriptAction::Kind::LoadNumbers, file_name},
    {"save-numbers", ScriptAction::Kind::SaveNumbers, file_name},
    {"load-settings", ScriptAction::Kind::LoadSettings, file_name},
    {"save-settings", ScriptAction::Kind::SaveSettings, file_name},
    {"op", ScriptAction::Kind::Op, setting_operation},
};

std::string file_for(const std::string& path, const std::string& sandbox) {
    if (sandbox.empty()) {
        return path;
    }
    const std::size_t slash = path.find_last_of('/');
    return sandbox + "/" + (slash == std::string::npos ? path : path.substr(slash + 1));
}

// The first word of an action's line.
std::string_view verb_of(ScriptAction::Kind kind) {
    for (const Verb& verb : kVerbs) {
        if (verb.kind == kind) {
            return verb.name;
        }
    }
    return {};
}

std::string signed_text(int step) {
    return (step < 0 ? "-" : "+") + std::to_string(step < 0 ? -static_cast<long long>(step) : step);
}

ScriptAction with_line(ScriptAction action) {
    action.cmd = script_line(action);
    return action;
}

}  // namespace

ScriptAction spin_action(int number) {
    ScriptAction a;
    a.kind = ScriptAction::Kind::Spin;
    a.number = number;
    return with_line(std::move(a));
}

ScriptAction plain_action(ScriptAction::Kind kind) {
    ScriptAction a;
    a.kind = kind;
    return with_line(std::move(a));
}

ScriptAction file_action(ScriptAction::Kind kind, std::string path) {
    ScriptAction a;
    a.kind = kind;
    a.text = std::move(path);
    return with_line(std::move(a));
}

ScriptAction op_action(SettingOp op, CategoryId category, int step) {
    ScriptAction a;
    a.kind = ScriptAction::Kind::Op;
    for (const OpInfo& info : setting_ops()) {
        if (info.op == op) {
            a.text = std::string(info.name);
            if (info.arg == OpArg::Category) {
                a.arg = std::string(corvane::info(category).prefix);
            } else if (info.arg != OpArg::None) {
                a.number = step;
            }
            break;
        }
    }
    return with_line(std::move(a));
}

std::string script_line(const ScriptAction& a) {
    std::string line(verb_of(a.kind));
    switch (a.kind) {
        case ScriptAction::Kind::Spin:
            line += " " + std::to_string(a.number);
            break;
        case ScriptAction::Kind::LoadNumbers:
        case ScriptAction::Kind::SaveNumbers:
        case ScriptAction::Kind::LoadSettings:
        case ScriptAction::Kind::SaveSettings:
            line += " " + a.text;
            break;
        case ScriptAction::Kind::Op:
            line += " " + a.text;
            if (const std::optional<OpInfo> op = find_op(a.text)) {
                if (op->arg == OpArg::Category) {
                    line += " " + a.arg;
                } else if (op->arg != OpArg::None) {
                    line += " " + signed_text(a.number);
                }
            }
            break;
        case ScriptAction::Kind::Undo:
        case ScriptAction::Kind::Bets:
        case ScriptAction::Kind::NewGame:
        case ScriptAction::Kind::DefaultSettings:
            break;
    }
    return line;
}

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
                engine.apply(op->op, find_category(a.arg).value_or(CategoryId::RB), a.number);
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
    const SplitLine split{w[0], {w.begin() + 1, w.end()}, trim(line.substr(w[0].size()))};
    for (const Verb& verb : kVerbs) {
        if (verb.name == split.verb) {
            ScriptAction action;
            action.kind = verb.kind;
            action.cmd = std::string(line);
            if (std::optional<std::string> wrong = verb.read(split, action)) {
                return ScriptError{std::move(*wrong)};
            }
            return action;
        }
    }
    return ScriptError{"unknown action '" + std::string(split.verb) + "'"};
}

}  // namespace corvane
