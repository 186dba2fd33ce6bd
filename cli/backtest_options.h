// The command line of corvane-backtest: what it asks for, or why it is refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace corvane {

// The text --help prints, and a command line that names nothing to play.
const char* backtest_usage();

struct BacktestOptions {
    enum class Mode {
        Help,      // --help: show the usage text, nothing else
        Script,    // --script: run a scenario script
        Backtest,  // number files or --random: play them and print the summary
        Sessions,  // --sessions: many sessions with a bankroll and stop rules, the risk report
        Wheel,     // --wheel: the number files' pockets and sectors, and the tests of a fair wheel
    };
    Mode mode = Mode::Backtest;
    std::string script;                   // --script FILE, "-" for standard input
    bool trace = false;                   // --trace: the state after every spin or action
    bool json = false;                    // --json: the summary as one JSON line
    std::optional<std::string> settings;  // --settings FILE, loaded before anything is played
    std::optional<std::uint64_t> random;  // --random N: how many random numbers, at least 1
    std::optional<std::uint64_t> seed;    // --seed S: their seed (only with --random)
    std::vector<std::string> files;       // the number files, one game each
    std::optional<std::string> csv;       // --csv FILE: every spin's row of the session log
    bool wheel = false;                   // --wheel: the files' numbers by pocket, no bets

    // Sessions, each a fresh game of random numbers.
    std::optional<std::uint64_t> sessions;  // --sessions N, at least 1
    std::optional<std::uint64_t> spins;     // --spins M: spins per session at most, at least 1
    std::optional<double> bankroll;         // --bankroll B, above 0
    std::optional<double> table_max;        // --table-max X, above 0
    std::optional<double> stop_loss;        // --stop-loss L, above 0
    std::optional<double> target;           // --target T, above 0
    std::optional<unsigned> threads;        // --threads K, at least 1 (default: every core)
    std::optional<std::string> chart;       // --chart FILE.svg or FILE.png
};

// A command line the tool refuses (exit status 2).
struct OptionsError {
    // What is wrong. Empty when the command line names nothing to play: the usage text is the
    // answer then.
    std::string message;
};

// Reads the arguments after the program's name (argv[0] is skipped). --help ends the reading
// where it stands: the words after it are not looked at.
std::variant<BacktestOptions, OptionsError> parse_options(int argc, const char* const* argv);

}  // namespace corvane
