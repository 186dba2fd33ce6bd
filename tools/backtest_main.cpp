// corvane-backtest: runs the game engine without a window.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "core/engine.h"
#include "tools/script.h"
#include "tools/trace.h"

namespace {

const char* const kUsage =
    "usage: corvane-backtest --script FILE [--trace]\n"
    "\n"
    "  --script FILE  run the player actions of FILE (- for standard input) on a fresh game\n"
    "  --trace        print the whole observable state after every action, one JSON line each\n"
    "  --help         show this text\n";

corvane::CategoryId category_of_arg(const std::string& arg) {
    for (const corvane::CategoryInfo& ci : corvane::kCategories) {
        if (ci.prefix == arg) {
            return ci.id;
        }
    }
    return corvane::CategoryId::RB;
}

corvane::Message run_action(corvane::Engine& engine, const corvane::ScriptAction& a) {
    using Kind = corvane::ScriptAction::Kind;
    switch (a.kind) {
        case Kind::Spin:
            engine.finish_spin();
            engine.spin(a.number);
            return std::nullopt;
        case Kind::Undo:
            engine.undo();
            return std::nullopt;
        case Kind::Bets:
            engine.bets();
            return std::nullopt;
        case Kind::NewGame:
            engine.new_game();
            return std::nullopt;
        case Kind::DefaultSettings:
            engine.default_settings();
            return std::nullopt;
        case Kind::LoadNumbers:
            return engine.load_numbers(a.text);
        case Kind::SaveNumbers:
            return engine.save_numbers(a.text);
        case Kind::LoadSettings:
            return engine.load_settings(a.text);
        case Kind::SaveSettings:
            return engine.save_settings(a.text);
        case Kind::Op:
            engine.apply(corvane::find_op(a.text)->op, category_of_arg(a.arg), a.number);
            return std::nullopt;
    }
    return std::nullopt;
}

int run_script(std::istream& in, bool trace) {
    corvane::Engine engine;
    std::string line;
    int line_no = 0;
    while (std::getline(in, line)) {
        ++line_no;
        const corvane::ScriptLine parsed = corvane::parse_script_line(line);
        if (const auto* err = std::get_if<corvane::ScriptError>(&parsed)) {
            std::fflush(stdout);
            std::fprintf(stderr, "corvane-backtest: line %d: %s\n", line_no, err->message.c_str());
            return 2;
        }
        if (const auto* action = std::get_if<corvane::ScriptAction>(&parsed)) {
            const corvane::Message message = run_action(engine, *action);
            if (trace) {
                std::cout << corvane::trace_line(engine, action->cmd, message) << '\n';
            }
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string script;
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--trace") {
            trace = true;
        } else if (arg == "--script" && i + 1 < argc) {
            script = argv[++i];
        } else {
            std::fprintf(stderr, "corvane-backtest: unknown option '%s'\n%s", arg.c_str(), kUsage);
            return 2;
        }
    }
    if (script.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::ios::sync_with_stdio(false);
    if (script == "-") {
        return run_script(std::cin, trace);
    }
    std::ifstream file(script, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "corvane-backtest: cannot open file %s\n", script.c_str());
        return 2;
    }
    return run_script(file, trace);
}
