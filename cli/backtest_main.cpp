// corvane-backtest: runs the game engine without a window.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "base/file_io.h"
#include "base/number_file.h"
#include "base/random_numbers.h"
#include "chart/chart_writer.h"
#include "cli/backtest_options.h"
#include "cli/backtest_runner.h"
#include "cli/named_file.h"
#include "cli/summary_json.h"
#include "cli/summary_text.h"
#include "cli/trace.h"
#include "cli/wheel_report.h"
#include "engine/engine.h"
#include "engine/script.h"
#include "settings/settings_file.h"
#include "simulation/risk_report.h"
#include "simulation/session_runner.h"
#include "simulation/summary.h"

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

int script_mode(const corvane::BacktestOptions& options) {
    const std::string& script = options.script;
    std::ios::sync_with_stdio(false);
    if (script == "-") {
        return run_script(std::cin, options.trace);
    }
    std::ifstream file(script, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "corvane-backtest: cannot open file %s\n", script.c_str());
        return 2;
    }
    return run_script(file, options.trace);
}

// ---- Backtests ----

// The engine every game starts from: the default settings, or the settings file's. An error
// message when the file cannot be used.
std::optional<std::string> configure(corvane::Engine& configured,
                                     const std::optional<std::string>& settings) {
    if (!settings) {
        return std::nullopt;
    }
    const std::string& path = *settings;
    std::string bytes;
    if (auto error = corvane::read_named_file(path, "settings file", corvane::kMaxSettingsFileBytes,
                                              bytes)) {
        return error;
    }
    if (const corvane::Message message = configured.load_settings_from(bytes)) {
        return path + ": " + *message;
    }
    return std::nullopt;
}

// The numbers of every number file, one game each, and how many spins all games make with the
// random one.
struct Games {
    std::vector<std::vector<std::uint8_t>> numbers;
    std::uint64_t total = 0;
};

// Every file is checked before anything is played: an error message for the first that cannot
// be used.
std::optional<std::string> read_games(const corvane::BacktestOptions& options, Games& games) {
    games.total = options.random.value_or(0);
    for (const std::string& path : options.files) {
        std::string bytes;
        if (auto error = corvane::read_named_file(path, "number file", corvane::kMaxNumberFileBytes,
                                                  bytes)) {
            return error;
        }
        corvane::NumberFile parsed = corvane::parse_number_file(bytes);
        if (parsed.error) {
            return path + ": " + *parsed.error;
        }
        games.total += parsed.numbers.size();
        games.numbers.push_back(std::move(parsed.numbers));
    }
    return std::nullopt;
}

// Starts the --csv file with its header, if one was asked for; an error message when it cannot
// be made.
std::optional<std::string> open_csv(const corvane::BacktestOptions& options,
                                    std::optional<corvane::StreamingFile>& csv) {
    if (!options.csv) {
        return std::nullopt;
    }
    csv.emplace(*options.csv);
    csv->write(corvane::csv_header());
    if (!csv->ok()) {
        return "Cannot create file " + *options.csv;
    }
    return std::nullopt;
}

// Plays the random game first, then each file's, letting go of a file's numbers once played.
std::vector<corvane::RunSummary> play_games(const corvane::BacktestOptions& options,
                                            const corvane::Engine& configured,
                                            const corvane::RunSetup& setup, Games& games,
                                            corvane::Runner& runner) {
    std::vector<corvane::RunSummary> runs;
    if (options.random) {
        corvane::RandomNumbers numbers(*setup.seed);
        runs.push_back(
            runner.run(configured, "random", *options.random, [&] { return numbers.next(); }));
    }
    for (std::size_t g = 0; g < games.numbers.size(); ++g) {
        const std::vector<std::uint8_t>& numbers = games.numbers[g];
        std::size_t i = 0;
        runs.push_back(runner.run(configured, options.files[g], numbers.size(),
                                  [&] { return static_cast<int>(numbers[i++]); }));
        games.numbers[g] = {};
    }
    runner.finish();
    return runs;
}

void print_summary(const corvane::BacktestOptions& options,
                   const std::vector<corvane::RunSummary>& runs, const corvane::Settings& settings,
                   const corvane::RunSetup& setup) {
    const std::string out = options.json ? corvane::summary_json(runs, settings, setup) + "\n"
                                         : corvane::summary_text(runs, settings, setup);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

// A game whose observed bets did not add up to its bankroll, on standard error.
void warn_of_mismatches(const std::vector<corvane::RunSummary>& runs) {
    for (const corvane::RunSummary& r : runs) {
        if (r.mismatched_spins != 0) {
            std::fprintf(stderr,
                         "corvane-backtest: warning: %s: in %lld spins the observed bets did not "
                         "add up to the bankroll\n",
                         r.name.c_str(), static_cast<long long>(r.mismatched_spins));
        }
    }
}

int backtest_mode(const corvane::BacktestOptions& options) {
    corvane::Engine configured;
    if (const std::optional<std::string> error = configure(configured, options.settings)) {
        return file_error(*error);
    }
    Games games;
    if (const std::optional<std::string> error = read_games(options, games)) {
        return file_error(*error);
    }

    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    std::optional<corvane::StreamingFile> csv;
    if (const std::optional<std::string> error = open_csv(options, csv)) {
        return file_error(*error);
    }
    corvane::RunSetup setup;
    setup.settings_file = options.settings;
    if (options.random) {
        setup.seed = options.seed.value_or(corvane::kDefaultSeed);
    }
    corvane::Runner runner(options.trace, games.total, csv ? &*csv : nullptr);
    const std::vector<corvane::RunSummary> runs =
        play_games(options, configured, setup, games, runner);
    if (csv && !csv->commit()) {
        return file_error("Cannot create file " + *options.csv);
    }

    print_summary(options, runs, configured.settings(), setup);
    warn_of_mismatches(runs);
    return 0;
}

// ---- Sessions ----

int sessions_mode(const corvane::BacktestOptions& options) {
    corvane::Engine configured;
    if (const std::optional<std::string> error = configure(configured, options.settings)) {
        return file_error(*error);
    }
    corvane::SessionsJob job;
    job.sessions = *options.sessions;
    job.seed = options.seed.value_or(corvane::kDefaultSeed);
    job.rules.spins = options.spins.value_or(job.rules.spins);
    job.rules.bankroll = options.bankroll;
    job.rules.table_max = options.table_max;
    job.rules.stop_loss = options.stop_loss;
    job.rules.target = options.target;
    job.threads = options.threads.value_or(std::max(1U, std::thread::hardware_concurrency()));
    job.chart_points = options.chart ? corvane::kChartPoints : 0;

    corvane::Progress progress(job.sessions, "sessions");
    const auto start = std::chrono::steady_clock::now();
    const corvane::SessionsRun run = corvane::run_sessions(
        configured, job,
        [&](std::uint64_t done, std::uint64_t spins) { progress.update(done, spins); });
    progress.finish();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const corvane::RiskReport report = corvane::risk_report(run, job);
    const corvane::Settings& settings = configured.settings();
    const std::string out =
        options.json ? corvane::risk_report_json(report, settings, options.settings) + "\n"
                     : corvane::risk_report_text(report, settings, options.settings);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);

    std::uint64_t spins = 0;
    for (const corvane::SessionResult& r : run.results) {
        spins += r.spins;
    }
    std::fprintf(stderr,
                 "corvane-backtest: %llu sessions, %llu spins in %.2f s on %u thread%s "
                 "(%.0f spins/s)\n",
                 static_cast<unsigned long long>(job.sessions),
                 static_cast<unsigned long long>(spins), seconds, job.threads,
                 job.threads == 1 ? "" : "s", static_cast<double>(spins) / std::max(seconds, 1e-9));
    if (options.chart) {
        const corvane::SessionChart chart =
            corvane::session_chart(run, job, settings, options.settings);
        if (const std::optional<std::string> error = corvane::write_chart(chart, *options.chart)) {
            return file_error(*error);
        }
    }
    return 0;
}

int help_mode(const corvane::BacktestOptions&) {
    std::fputs(corvane::backtest_usage(), stdout);
    return 0;
}

// What each mode of the tool does, all with the same options and exit status; a new mode is a
// function of its own and a line here.
int run_mode(const corvane::BacktestOptions& options) {
    using Mode = corvane::BacktestOptions::Mode;
    switch (options.mode) {
        case Mode::Help:
            return help_mode(options);
        case Mode::Script:
            return script_mode(options);
        case Mode::Backtest:
            return backtest_mode(options);
        case Mode::Sessions:
            return sessions_mode(options);
        case Mode::Wheel:
            return corvane::wheel_report_mode(options);
    }
    return 2;
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
    return run_mode(std::get<corvane::BacktestOptions>(parsed));
}
