// corvane-backtest: runs the game engine without a window.
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/file_io.h"
#include "core/number_file.h"
#include "tools/random_numbers.h"
#include "tools/script.h"
#include "tools/summary.h"
#include "tools/summary_json.h"
#include "tools/summary_text.h"
#include "tools/trace.h"

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

struct Options {
    std::string script;
    bool trace = false;
    bool json = false;
    std::optional<std::string> settings;
    std::optional<std::uint64_t> random;
    std::optional<std::uint64_t> seed;
    std::vector<std::string> files;
};

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

// The progress line on standard error: only on a terminal, only once a run has lasted a
// second, redrawn in place a few times a second and wiped at the end.
class Progress {
  public:
    explicit Progress(std::uint64_t total)
        : total_(total), shown_(isatty(2) == 1), start_(Clock::now()), next_(start_ + kDelay) {}

    // Cheap enough for every spin: the clock is read every 4096 spins.
    void spins_done(std::uint64_t done) {
        if (!shown_ || (done & 4095U) != 0) {
            return;
        }
        const Clock::time_point now = Clock::now();
        if (now < next_) {
            return;
        }
        next_ = now + kInterval;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        const auto pct = static_cast<unsigned>(100.0 * static_cast<double>(done) /
                                               static_cast<double>(total_ == 0 ? 1 : total_));
        std::fprintf(stderr, "\rcorvane-backtest: %llu of %llu spins (%u%%), %.0f spins/s ",
                     static_cast<unsigned long long>(done), static_cast<unsigned long long>(total_),
                     pct, static_cast<double>(done) / seconds);
        std::fflush(stderr);
        drawn_ = true;
    }

    void finish() {
        if (drawn_) {
            std::fputs("\r\033[K", stderr);
            std::fflush(stderr);
            drawn_ = false;
        }
    }

  private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kDelay{1000};
    static constexpr std::chrono::milliseconds kInterval{250};
    std::uint64_t total_;
    bool shown_;
    bool drawn_ = false;
    Clock::time_point start_;
    Clock::time_point next_;
};

// Room for every number the game will keep (NumbersList and Statistics_List take a byte per
// number each), so that the lists never grow by copying. Only capacity: nothing changes.
// A run keeps at most this many numbers of its game, plus one batch: the statistics count the
// ones let go of, and nothing else of a backtest reads them. Memory stays flat however long
// the run. With --trace every number stays, as the trace lists them.
constexpr std::size_t kNumbersKept = 1024;
constexpr std::uint64_t kForgetBatch = 1 << 16;

class Runner {
  public:
    Runner(const Options& options, std::uint64_t total) : options_(options), progress_(total) {}

    // One fresh game of `next()`'s numbers, `count` of them.
    template <typename Next>
    corvane::RunSummary run(const corvane::Engine& configured, std::string name,
                            std::uint64_t count, Next next) {
        corvane::Engine engine = configured;
        corvane::SummaryRecorder recorder(std::move(name));
        for (std::uint64_t i = 0; i < count; ++i) {
            const int n = next();
            recorder.spin(engine, n);
            if (!options_.trace && (i + 1) % kForgetBatch == 0) {
                engine.forget_old_numbers(kNumbersKept);
            }
            if (options_.trace) {
                const std::string line =
                    corvane::trace_line(engine, "spin " + std::to_string(n), std::nullopt);
                std::fwrite(line.data(), 1, line.size(), stdout);
                std::fputc('\n', stdout);
            }
            progress_.spins_done(++done_);
        }
        return recorder.summary();
    }

    void finish() { progress_.finish(); }

  private:
    const Options& options_;
    Progress progress_;
    std::uint64_t done_ = 0;
};

int backtest_mode(const Options& options) {
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
    Runner runner(options, total);
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
    Options options;
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
            std::fputs(kUsage, stdout);
            return 0;
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
            return usage_error("unknown option '" + arg + "'");
        }
        if (i + 1 >= argc) {
            return usage_error("option " + arg + " needs a value");
        }
        const std::string value = argv[++i];
        if (arg == "--script") {
            options.script = value;
        } else if (arg == "--settings") {
            options.settings = value;
        } else if (arg == "--random") {
            options.random = parse_count(value);
            if (!options.random || *options.random == 0) {
                return usage_error("--random needs a whole number of spins from 1, not '" + value +
                                   "'");
            }
        } else {
            options.seed = parse_count(value);
            if (!options.seed) {
                return usage_error(
                    "--seed needs a whole number from 0 to 18446744073709551615, "
                    "not '" +
                    value + "'");
            }
        }
    }

    if (!options.script.empty()) {
        if (!options.files.empty() || options.random || options.settings || options.json ||
            options.seed) {
            return usage_error("--script runs alone (only --trace goes with it)");
        }
        return script_mode(options.script, options.trace);
    }
    if (options.seed && !options.random) {
        return usage_error("--seed goes with --random");
    }
    if (options.random && !options.files.empty()) {
        return usage_error("--random and number files cannot be combined");
    }
    if (!options.random && options.files.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    return backtest_mode(options);
}
