// corvane-backtest: runs the game engine without a window.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "core/engine.h"
#include "core/file_io.h"
#include "core/number_file.h"
#include "tools/backtest_options.h"
#include "tools/backtest_runner.h"
#include "tools/random_numbers.h"
#include "tools/script.h"
#include "tools/summary.h"
#include "tools/summary_json.h"
#include "tools/summary_text.h"
#include "tools/trace.h"

namespace {

int usage_error(const std::string& text) {
    std::fflush(stdout);
    std::fprintf(stderr, "corvane-backtest: %s\n(corvane-backtest --help shows the options)\n",
                 text.c_str());
    return 2;
}

int file_error(const std::string& text) {
    std::fflush(stdout);
    std::fprintf(stderr, "corvane-backtest: %s\n", text.c_str());
    return 2;
}

// ---- Scripts ----

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
            const corvane::Message message = corvane::run_script_action(engine, *action);
            if (trace) {
                std::cout << corvane::trace_line(engine, action->cmd, message) << '\n';
            }
        }
    }
    return 0;
}

int script_mode(const std::string& script, bool trace) {
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

// ---- Backtests ----

int backtest_mode(const corvane::BacktestOptions& options) {
    corvane::Engine configured;
    if (options.settings) {
        const std::string& path = *options.settings;
        const corvane::FileContent file = corvane::read_file(path);
        if (file.status == corvane::ReadStatus::Missing) {
            return file_error("settings file " + path + " does not exist");
        }
        if (const corvane::Message message = configured.load_settings(path)) {
            return file_error(file.status == corvane::ReadStatus::Ok ? path + ": " + *message
                                                                     : *message);
        }
    }

    // Every file is checked before anything is played.
    std::vector<std::vector<std::uint8_t>> games;
    std::uint64_t total = options.random.value_or(0);
    for (const std::string& path : options.files) {
        const corvane::FileContent file = corvane::read_file(path);
        if (file.status == corvane::ReadStatus::Missing) {
            return file_error("number file " + path + " does not exist");
        }
        if (file.status == corvane::ReadStatus::Unreadable) {
            return file_error("Cannot open file " + path);
        }
        corvane::NumberFile parsed = corvane::parse_number_file(file.bytes);
        if (parsed.error) {
            return file_error(path + ": " + *parsed.error);
        }
        total += parsed.numbers.size();
        games.push_back(std::move(parsed.numbers));
    }

    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    corvane::Runner runner(options.trace, total);
    std::vector<corvane::RunSummary> runs;
    corvane::RunSetup setup;
    setup.settings_file = options.settings;
    if (options.random) {
        setup.seed = options.seed.value_or(corvane::kDefaultSeed);
        corvane::RandomNumbers numbers(*setup.seed);
        runs.push_back(
            runner.run(configured, "random", *options.random, [&] { return numbers.next(); }));
    }
    for (std::size_t g = 0; g < games.size(); ++g) {
        const std::vector<std::uint8_t>& numbers = games[g];
        std::size_t i = 0;
        runs.push_back(runner.run(configured, options.files[g], numbers.size(),
                                  [&] { return static_cast<int>(numbers[i++]); }));
        games[g] = {};
    }
    runner.finish();

    const corvane::Settings& settings = configured.settings();
    const std::string out = options.json ? corvane::summary_json(runs, settings, setup) + "\n"
                                         : corvane::summary_text(runs, settings, setup);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    for (const corvane::RunSummary& r : runs) {
        if (r.mismatched_spins != 0) {
            std::fprintf(stderr,
                         "corvane-backtest: warning: %s: in %lld spins the observed bets did not "
                         "add up to the bankroll\n",
                         r.name.c_str(), static_cast<long long>(r.mismatched_spins));
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto parsed = corvane::parse_options(argc, argv);
    if (const auto* error = std::get_if<corvane::OptionsError>(&parsed)) {
        if (error->message.empty()) {
            std::fputs(corvane::backtest_usage(), stderr);
            return 2;
        }
        return usage_error(error->message);
    }
    const auto& options = std::get<corvane::BacktestOptions>(parsed);
    switch (options.mode) {
        case corvane::BacktestOptions::Mode::Help:
            std::fputs(corvane::backtest_usage(), stdout);
            return 0;
        case corvane::BacktestOptions::Mode::Script:
            return script_mode(options.script, options.trace);
        case corvane::BacktestOptions::Mode::Backtest:
            return backtest_mode(options);
    }
    return 2;
}
