// The command line of corvane-backtest: the limits of its numbers, the options that exclude one
// another, and what --help and -- do to the words around them.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "tools/backtest_options.h"

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
    EXPECT_EQ(refusal({"--seed", "3", "game.kvn"}), "--seed goes with --random");
    EXPECT_EQ(refusal({"--random", "3", "game.kvn"}),
              "--random and number files cannot be combined");
    EXPECT_EQ(refusal({"--json", "--trace"}), "");  // nothing to play: the usage text answers
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

}  // namespace
}  // namespace corvane::testing
