// The command line of corvane-backtest: the limits of its numbers, the options that exclude one
// another, and what --help and -- do to the words around them.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "cli/backtest_options.h"

namespace corvane::testing {
namespace {

using Parsed = std::variant<BacktestOptions, OptionsError>;

Parsed parse(std::vector<const char*> args) {
    args.insert(args.begin(), "corvane-backtest");
    return parse_options(static_cast<int>(args.size()), args.data());
}

// The message of a refused command line, or "(accepted)".
std::string refusal(std::vector<const char*> args) {
    const Parsed parsed = parse(std::move(args));
    const auto* error = std::get_if<OptionsError>(&parsed);
    return error != nullptr ? error->message : "(accepted)";
}

TEST(BacktestOptions, CountsFitSixtyFourBitsAndRandomStartsAtOne) {
    const Parsed widest = parse({"--random", "1", "--seed", "18446744073709551615"});
    ASSERT_TRUE(std::holds_alternative<BacktestOptions>(widest));
    EXPECT_EQ(std::get<BacktestOptions>(widest).seed, 18446744073709551615ULL);
    EXPECT_EQ(std::get<BacktestOptions>(widest).random, 1U);
    EXPECT_EQ(refusal({"--random", "1", "--seed", "18446744073709551616"}),
              "--seed needs a whole number from 0 to 18446744073709551615, not "
              "'18446744073709551616'");
    EXPECT_EQ(refusal({"--random", "0"}), "--random needs a whole number of spins from 1, not '0'");
    EXPECT_EQ(refusal({"--random", "+5"}),
              "--random needs a whole number of spins from 1, not '+5'");
    EXPECT_EQ(refusal({"--settings"}), "option --settings needs a value");
}

TEST(BacktestOptions, ModesThatExcludeOneAnother) {
    EXPECT_EQ(refusal({"--script", "s.txt", "--json"}),
              "--script runs alone (only --trace goes with it)");
    EXPECT_EQ(refusal({"--script", "s.txt", "--trace"}), "(accepted)");
    EXPECT_EQ(refusal({"--seed", "3", "game.kvn"}), "--seed goes with --random or --sessions");
    EXPECT_EQ(refusal({"--random", "3", "game.kvn"}),
              "--random and number files cannot be combined");
    EXPECT_EQ(refusal({"--json", "--trace"}), "");  // nothing to play: the usage text answers
    EXPECT_EQ(refusal({"--wheel", "--json", "a.kvn", "b.kvn"}), "(accepted)");
    EXPECT_EQ(std::get<BacktestOptions>(parse({"--wheel", "a.kvn"})).mode,
              BacktestOptions::Mode::Wheel);
    EXPECT_EQ(refusal({"--wheel", "--csv", "x.csv", "a.kvn"}),
              "--wheel reads number files: only --json goes with it");
    EXPECT_EQ(refusal({"--script", "s.txt", "--wheel"}),
              "--script runs alone (only --trace goes with it)");
}

TEST(BacktestOptions, HelpStopsTheReadingAndDoubleDashEndsTheOptions) {
    const Parsed help = parse({"--random", "3", "--help", "--bogus"});
    ASSERT_TRUE(std::holds_alternative<BacktestOptions>(help));
    EXPECT_EQ(std::get<BacktestOptions>(help).mode, BacktestOptions::Mode::Help);
    EXPECT_EQ(refusal({"--bogus", "--help"}), "unknown option '--bogus'");

    const Parsed files = parse({"-", "--", "--json", "-h"});
    ASSERT_TRUE(std::holds_alternative<BacktestOptions>(files));
    const BacktestOptions& options = std::get<BacktestOptions>(files);
    EXPECT_EQ(options.mode, BacktestOptions::Mode::Backtest);
    EXPECT_FALSE(options.json);
    EXPECT_EQ(options.files, (std::vector<std::string>{"-", "--json", "-h"}));
}

TEST(BacktestOptions, SessionsTakeTheirRulesAndRefuseBadOnes) {
    const Parsed full = parse({"--sessions", "10000", "--spins", "500", "--bankroll", "1000",
                               "--table-max", "2,5", "--stop-loss", "300", "--target", "100.5",
                               "--seed", "0", "--threads", "3", "--json"});
    ASSERT_TRUE(std::holds_alternative<BacktestOptions>(full));
    const BacktestOptions& o = std::get<BacktestOptions>(full);
    EXPECT_EQ(o.mode, BacktestOptions::Mode::Sessions);
    EXPECT_EQ(o.sessions, 10000U);
    EXPECT_EQ(o.spins, 500U);
    EXPECT_EQ(o.bankroll, 1000.0);
    EXPECT_EQ(o.table_max, 2.5);
    EXPECT_EQ(o.stop_loss, 300.0);
    EXPECT_EQ(o.target, 100.5);
    EXPECT_EQ(o.seed, 0U);
    EXPECT_EQ(o.threads, 3U);

    const std::vector<std::pair<std::vector<const char*>, std::string>> refused = {
        {{"--sessions", "0"}, "--sessions needs a whole number of sessions from 1, not '0'"},
        {{"--sessions", "-5"}, "--sessions needs a whole number of sessions from 1, not '-5'"},
        {{"--sessions", "many"}, "--sessions needs a whole number of sessions from 1, not 'many'"},
        {{"--sessions"}, "option --sessions needs a value"},
        {{"--sessions", "5", "--spins", "0"},
         "--spins needs a whole number of spins from 1, not '0'"},
        {{"--sessions", "5", "--spins", "1e3"},
         "--spins needs a whole number of spins from 1, not '1e3'"},
        {{"--sessions", "5", "--spins"}, "option --spins needs a value"},
        {{"--sessions", "5", "--threads", "0"},
         "--threads needs a whole number of threads from 1, not '0'"},
        {{"--sessions", "5", "--bankroll", "0"},
         "--bankroll needs an amount above 0, such as 1000 or 2,5, not '0'"},
        {{"--sessions", "5", "--table-max", "-1"},
         "--table-max needs an amount above 0, such as 1000 or 2,5, not '-1'"},
        {{"--sessions", "5", "--target", "lots"},
         "--target needs an amount above 0, such as 1000 or 2,5, not 'lots'"},
        {{"--sessions", "5", "--stop-loss"}, "option --stop-loss needs a value"},
        {{"--sessions", "5", "--chart", "risk.pdf"},
         "--chart needs a file name ending in .svg or .png, not 'risk.pdf'"},
        {{"--sessions", "5", "--chart", "/no/such/folder/risk.svg"},
         "--chart: the folder /no/such/folder does not exist"},
        {{"--sessions", "5", "--random", "10"},
         "--sessions plays random numbers of its own: it cannot be combined with --random or "
         "number files"},
        {{"--sessions", "5", "game.kvn"},
         "--sessions plays random numbers of its own: it cannot be combined with --random or "
         "number files"},
        {{"--sessions", "5", "--trace"}, "--trace does not go with --sessions"},
        {{"--random", "5", "--bankroll", "100"},
         "--spins, --bankroll, --table-max, --stop-loss, --target, --threads and --chart go with "
         "--sessions"},
        {{"--script", "s.txt", "--sessions", "5"},
         "--script runs alone (only --trace goes with it)"},
        {{"--sessions", "5", "--csv", "s.csv"},
         "--csv writes the spins of one game: it does not go with --sessions"},
        {{"--csv", "s.csv", "a.kvn", "b.kvn"},
         "--csv writes the spins of one game: one number file or --random"},
        {{"--csv", "s.csv", "--script", "s.txt"},
         "--script runs alone (only --trace goes with it)"},
    };
    for (const auto& [args, message] : refused) {
        EXPECT_EQ(refusal(args), message) << args[0] << " " << args.back();
    }
    EXPECT_EQ(refusal({"--sessions", "5", "--chart", "RISK.PNG"}), "(accepted)");
}

// The manual page has an entry for every option that --help lists.
TEST(BacktestOptions, ManualPageDescribesEveryOption) {
    std::ifstream in(CORVANE_SOURCE_DIR "/packaging/corvane-backtest.1.in");
    const std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(page.empty());
    const std::string usage = backtest_usage();
    std::set<std::string> options;
    for (std::size_t at = usage.find("--"); at != std::string::npos; at = usage.find("--", at)) {
        const std::size_t end = usage.find_first_not_of("abcdefghijklmnopqrstuvwxyz-", at + 2);
        options.insert(usage.substr(at, end - at));
        at = end;
    }
    EXPECT_EQ(options.size(), 17U);
    for (const std::string& option : options) {
        std::string roff;  // a hyphen in a page is written \-
        for (char ch : option) {
            roff += ch == '-' ? std::string("\\-") : std::string(1, ch);
        }
        const bool entry = page.find("\n.B " + roff + "\n") != std::string::npos ||
                           page.find("\n.BI " + roff + " ") != std::string::npos;
        EXPECT_TRUE(entry) << option;
    }
}

}  // namespace
}  // namespace corvane::testing
