#include "tools/backtest_options.h"

#include <utility>

namespace corvane {

namespace {

const char* const kUsage =
    "usage: corvane-backtest [--settings FILE.kvs] [--json] [--trace] FILE.kvn...\n"
    "       corvane-backtest [--settings FILE.kvs] [--json] [--trace] --random N [--seed S]\n"
    "       corvane-backtest --script FILE [--trace]\n"
    "\n"
    "Plays game-number files, or random numbers, through the same engine as the window and\n"
    "prints what the suggested bets would have done: bets placed and won per category and\n"
    "family, win rates, virtual profit, worst drawdown, longest losing run, largest stake,\n"
    "amounts staked and paid, and the chains matched.\n"
    "\n"
    "  FILE.kvn...      game-number files (one number 0..36 per line), checked as the window\n"
    "                   checks them; each file is its own game, started fresh with the\n"
    "                   settings, and a total follows the games\n"
    "  --settings FILE  load this settings file first (default: the default settings)\n"
    "  --random N       play one game of N numbers drawn uniformly from 0..36\n"
    "  --seed S         seed of the random numbers, 0..18446744073709551615 (default 1); the\n"
    "                   generator is SplitMix64, so a seed gives the same numbers everywhere\n"
    "  --json           print the summary as one JSON object on one line\n"
    "  --trace          print the whole state after every spin, one JSON line each (cmd\n"
    "                   \"spin N\"), before the summary\n"
    "  --script FILE    run the player actions of FILE (- for standard input) on a fresh game\n"
    "                   (with --trace: the state after every action)\n"
    "  --help           show this text\n"
    "\n"
    "Examples:\n"
    "  corvane-backtest evening.kvn\n"
    "  corvane-backtest --settings dozens.kvs monday.kvn tuesday.kvn\n"
    "  corvane-backtest --random 1000000 --seed 42 --json\n"
    "  corvane-backtest --script actions.txt --trace\n"
    "\n"
    "Exit status: 0 done, 2 bad option or bad file.\n";

// A whole decimal number that fits 64 bits.
std::optional<std::uint64_t> parse_count(const std::string& text) {
    if (text.empty() || text.size() > 20) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(ch - '0');
        if (value > (UINT64_MAX - digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 + digit;
    }
    return value;
}

// The options that go with one another: a script runs alone, a seed only with random numbers,
// random numbers not with files, and something must be named to play.
std::variant<BacktestOptions, OptionsError> checked(BacktestOptions options) {
    if (!options.script.empty()) {
        if (!options.files.empty() || options.random || options.settings || options.json ||
            options.seed) {
            return OptionsError{"--script runs alone (only --trace goes with it)"};
        }
        options.mode = BacktestOptions::Mode::Script;
        return options;
    }
    if (options.seed && !options.random) {
        return OptionsError{"--seed goes with --random"};
    }
    if (options.random && !options.files.empty()) {
        return OptionsError{"--random and number files cannot be combined"};
    }
    if (!options.random && options.files.empty()) {
        return OptionsError{};
    }
    return options;
}

}  // namespace

const char* backtest_usage() {
    return kUsage;
}

std::variant<BacktestOptions, OptionsError> parse_options(int argc, const char* const* argv) {
    BacktestOptions options;
    bool only_files = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (only_files || arg.empty() || arg[0] != '-' || arg == "-") {
            options.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            only_files = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            BacktestOptions help;
            help.mode = BacktestOptions::Mode::Help;
            return help;
        }
        if (arg == "--trace") {
            options.trace = true;
            continue;
        }
        if (arg == "--json") {
            options.json = true;
            continue;
        }
        if (arg != "--script" && arg != "--settings" && arg != "--random" && arg != "--seed") {
            return OptionsError{"unknown option '" + arg + "'"};
        }
        if (i + 1 >= argc) {
            return OptionsError{"option " + arg + " needs a value"};
        }
        const std::string value = argv[++i];
        if (arg == "--script") {
            options.script = value;
        } else if (arg == "--settings") {
            options.settings = value;
        } else if (arg == "--random") {
            options.random = parse_count(value);
            if (!options.random || *options.random == 0) {
                return OptionsError{"--random needs a whole number of spins from 1, not '" + value +
                                    "'"};
            }
        } else {
            options.seed = parse_count(value);
            if (!options.seed) {
                return OptionsError{
                    "--seed needs a whole number from 0 to 18446744073709551615, not '" + value +
                    "'"};
            }
        }
    }
    return checked(std::move(options));
}

}  // namespace corvane
