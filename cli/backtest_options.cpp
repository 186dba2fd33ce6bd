#include "cli/backtest_options.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <utility>

#include "base/amount.h"

namespace corvane {

namespace {

const char* const kUsage =
    "usage: corvane-backtest [--settings FILE.kvs] [--json] [--trace] FILE.kvn...\n"
    "       corvane-backtest [--settings FILE.kvs] [--json] [--trace] [--csv FILE.csv]\n"
    "                        --random N [--seed S]\n"
    "       corvane-backtest [--settings FILE.kvs] --sessions N [--spins M] [--bankroll B]\n"
    "                        [--table-max X] [--stop-loss L] [--target T] [--seed S]\n"
    "                        [--threads K] [--json] [--chart FILE]\n"
    "       corvane-backtest --wheel [--json] FILE.kvn...\n"
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
    "  --csv FILE       write every spin of the game (one number file or --random) to FILE as\n"
    "                   the window's session log exports it: spin, number, bankroll, and for\n"
    "                   each category the bet that stood on the number, its stake and chain,\n"
    "                   whether it won and what it paid\n"
    "  --script FILE    run the player actions of FILE (- for standard input) on a fresh game\n"
    "                   (with --trace: the state after every action)\n"
    "  --wheel          is the wheel fair? the numbers of the files taken together, by pocket\n"
    "                   (hits, share, expected, spins since last seen, longest gap) and by\n"
    "                   sector, the spins since each side or section last won, the chi-square\n"
    "                   test of the 37 pockets and the hot-arc test, read in one sentence;\n"
    "                   with --json as one JSON object\n"
    "  --help           show this text\n"
    "\n"
    "Sessions: how a player with real money fares with the settings. Each session is a fresh\n"
    "game of random numbers whose suggested bets are made with money counted in stakes (the\n"
    "starting bet is 1 by default). After every spin, in this order:\n"
    "  1. the bets of the spin are settled; the net is what was paid minus what was staked;\n"
    "  2. stop loss: with the net at most -L, the player leaves;\n"
    "  3. target: with the net at least +T, the player leaves;\n"
    "  4. played out: after the session's last spin, the player leaves;\n"
    "  5. table limit: with a suggested stake above X, the player leaves;\n"
    "  6. ruined: when the suggested bets cost more than the money left, the player leaves;\n"
    "otherwise the bets are made. A player who leaves makes none of the bets just suggested.\n"
    "  --sessions N     play N sessions and print the risk report: how the sessions ended,\n"
    "                   the net per session and per staked unit with 95 % intervals,\n"
    "                   percentiles, drawdowns, the largest stake and the longest losing run\n"
    "  --spins M        at most M spins per session (default 1000)\n"
    "  --bankroll B     the player's money at the start of a session (default: never ruined)\n"
    "  --table-max X    the largest stake the table takes on one side or section\n"
    "  --stop-loss L    leave once the net is at most -L\n"
    "  --target T       leave once the net is at least +T\n"
    "  --seed S         session i draws from SplitMix64 seeded with the i-th output (from 0)\n"
    "                   of SplitMix64 seeded with S (default 1)\n"
    "  --threads K      play on K threads (default: every core); the report is the same for\n"
    "                   any K; the time taken goes to standard error\n"
    "  --json           print the risk report as one JSON object on one line\n"
    "  --chart FILE     draw FILE.svg or FILE.png: the net over the spins of a session across\n"
    "                   all sessions (median, 25-75 % and 5-95 % bands) beside the expected\n"
    "                   loss, and a histogram of the final net\n"
    "  Amounts take a decimal point or comma: 1000, 0,5, 2.5.\n"
    "\n"
    "Examples:\n"
    "  corvane-backtest evening.kvn\n"
    "  corvane-backtest --settings dozens.kvs monday.kvn tuesday.kvn\n"
    "  corvane-backtest --random 1000000 --seed 42 --json\n"
    "  corvane-backtest --sessions 10000 --bankroll 1000 --table-max 500 --target 100\n"
    "  corvane-backtest --wheel monday.kvn tuesday.kvn\n"
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

// The options that go with one another: a script runs alone, the wheel with --json alone, a
// seed only with random numbers or sessions, the session rules only with sessions, sessions
// neither with random numbers nor files, random numbers not with files, and something must be
// named to play.
std::variant<BacktestOptions, OptionsError> checked(BacktestOptions options) {
    const bool session_rule = options.spins || options.bankroll || options.table_max ||
                              options.stop_loss || options.target || options.threads ||
                              options.chart;
    if (!options.script.empty()) {
        if (!options.files.empty() || options.random || options.settings || options.json ||
            options.seed || options.sessions || session_rule || options.csv || options.wheel) {
            return OptionsError{"--script runs alone (only --trace goes with it)"};
        }
        options.mode = BacktestOptions::Mode::Script;
        return options;
    }
    if (options.wheel) {
        if (options.random || options.settings || options.seed || options.sessions ||
            session_rule || options.csv || options.trace) {
            return OptionsError{"--wheel reads number files: only --json goes with it"};
        }
        if (options.files.empty()) {
            return OptionsError{"--wheel needs one or more number files"};
        }
        options.mode = BacktestOptions::Mode::Wheel;
        return options;
    }
    if (options.sessions) {
        if (options.random || !options.files.empty()) {
            return OptionsError{
                "--sessions plays random numbers of its own: it cannot be "
                "combined with --random or number files"};
        }
        if (options.trace) {
            return OptionsError{"--trace does not go with --sessions"};
        }
        if (options.csv) {
            return OptionsError{
                "--csv writes the spins of one game: it does not go with "
                "--sessions"};
        }
        options.mode = BacktestOptions::Mode::Sessions;
        return options;
    }
    if (session_rule) {
        return OptionsError{
            "--spins, --bankroll, --table-max, --stop-loss, --target, --threads "
            "and --chart go with --sessions"};
    }
    if (options.seed && !options.random) {
        return OptionsError{"--seed goes with --random or --sessions"};
    }
    if (options.random && !options.files.empty()) {
        return OptionsError{"--random and number files cannot be combined"};
    }
    if (!options.random && options.files.empty()) {
        return OptionsError{};
    }
    if (options.csv && options.files.size() + (options.random ? 1 : 0) != 1) {
        return OptionsError{"--csv writes the spins of one game: one number file or --random"};
    }
    return options;
}

// A count of at least 1.
std::optional<std::string> read_count(const std::string& name, const std::string& value,
                                      std::optional<std::uint64_t>& out, const char* what) {
    out = parse_count(value);
    if (!out || *out == 0) {
        return name + " needs a whole number of " + what + " from 1, not '" + value + "'";
    }
    return std::nullopt;
}

// An amount of money above 0, with a decimal point or comma.
std::optional<std::string> read_amount(const std::string& name, const std::string& value,
                                       std::optional<double>& out) {
    out = parse_amount(value);
    if (!out || !(*out > 0) || !std::isfinite(*out)) {
        return name + " needs an amount above 0, such as 1000 or 2,5, not '" + value + "'";
    }
    return std::nullopt;
}

// A chart file: SVG or PNG, in a folder that exists.
std::optional<std::string> read_chart(const std::string& value, std::optional<std::string>& out) {
    const std::filesystem::path path(value);
    std::string extension = path.extension().string();
    for (char& ch : extension) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    if (extension != ".svg" && extension != ".png") {
        return "--chart needs a file name ending in .svg or .png, not '" + value + "'";
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return "--chart: the folder " + folder.string() + " does not exist";
    }
    out = value;
    return std::nullopt;
}

// Reads the value of an option into the options; why it is refused, if it is.
std::optional<std::string> read_value(const std::string& name, const std::string& value,
                                      BacktestOptions& o) {
    if (name == "--script") {
        o.script = value;
    } else if (name == "--settings") {
        o.settings = value;
    } else if (name == "--random") {
        return read_count(name, value, o.random, "spins");
    } else if (name == "--seed") {
        o.seed = parse_count(value);
        if (!o.seed) {
            return "--seed needs a whole number from 0 to 18446744073709551615, not '" + value +
                   "'";
        }
    } else if (name == "--sessions") {
        return read_count(name, value, o.sessions, "sessions");
    } else if (name == "--spins") {
        return read_count(name, value, o.spins, "spins");
    } else if (name == "--threads") {
        std::optional<std::uint64_t> threads;
        if (auto error = read_count(name, value, threads, "threads")) {
            return error;
        }
        o.threads = static_cast<unsigned>(std::min<std::uint64_t>(*threads, 1024));
    } else if (name == "--bankroll") {
        return read_amount(name, value, o.bankroll);
    } else if (name == "--table-max") {
        return read_amount(name, value, o.table_max);
    } else if (name == "--stop-loss") {
        return read_amount(name, value, o.stop_loss);
    } else if (name == "--target") {
        return read_amount(name, value, o.target);
    } else if (name == "--chart") {
        return read_chart(value, o.chart);
    } else if (name == "--csv") {
        o.csv = value;
    }
    return std::nullopt;
}

constexpr std::array<std::string_view, 13> kValueOptions = {
    "--script",   "--settings",  "--random",    "--seed",   "--sessions", "--spins", "--threads",
    "--bankroll", "--table-max", "--stop-loss", "--target", "--chart",    "--csv"};

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
        if (arg == "--wheel") {
            options.wheel = true;
            continue;
        }
        if (std::find(kValueOptions.begin(), kValueOptions.end(), arg) == kValueOptions.end()) {
            return OptionsError{"unknown option '" + arg + "'"};
        }
        if (i + 1 >= argc) {
            return OptionsError{"option " + arg + " needs a value"};
        }
        if (std::optional<std::string> error = read_value(arg, argv[++i], options)) {
            return OptionsError{*error};
        }
    }
    return checked(std::move(options));
}

}  // namespace corvane
