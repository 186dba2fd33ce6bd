// The backtest summary's figures: what a run of spins did to each category, each family and
// the bankroll, found by looking at the game before and after every spin. summary_text.h and
// summary_json.h print them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/statistics.h"
#include "chains/category.h"
#include "engine/engine.h"

namespace corvane {

// The bets of one category, one family or one whole run.
struct BetFigures {
    std::int64_t bets = 0;                // bets placed: stake labels on show after a spin
    std::int64_t won = 0;                 // placed bets settled as won
    std::int64_t lost = 0;                // placed bets settled as lost (a zero loses)
    std::int64_t longest_losing_run = 0;  // most lost bets in a row, in the order settled
    double staked = 0;                    // charged to the bankroll at placement
    double paid = 0;                      // paid out on wins
    double largest_stake = 0;             // largest stake laid on one side or section

    // The win rate as the gauges show it: whole part of 100 x won / bets, 0 without bets.
    int win_rate() const { return percentage(won, bets); }
    double net() const { return paid - staked; }
};

// Everything the summary reports about one game (or the total of several).
struct RunSummary {
    std::string name;           // the number file, "random" or "total"
    std::int64_t spins = 0;     // numbers entered
    std::int64_t zeros = 0;     // of which zeros
    double profit = 0;          // the virtual profit: bankroll minus its start of 1000000
    double worst_drawdown = 0;  // the lowest bankroll after any spin, minus 1000000 (<= 0)
    std::array<BetFigures, kCategoryCount> categories{};
    std::array<BetFigures, kFamilyCount> families{};  // by index_of(Family)
    // chains[c][k]: how often chain k (1..22) was matched in category c; entry 0 is unused.
    std::array<std::array<std::int64_t, kChainCount + 1>, kCategoryCount> chains{};
    // Spins in which the bets seen did not add up to the engine's bankroll and counters. Zero
    // unless the engine settles or charges in a way the observation below does not know.
    std::int64_t mismatched_spins = 0;

    // Virtual profit for every unit staked; 0 without stakes.
    double profit_per_staked_unit() const;
    double staked() const { return families[0].staked + families[1].staked; }
};

// Runs spins on an engine and observes each one: the engine's record of what each category's
// part of the spin did (settled, won, paid, charged, chain found), and the bets on show after
// it (a category placed a bet when its stake labels show, as the bet counting reads them).
// Every spin the record must add up to the engine's bankroll and counters, else the spin is
// counted as mismatched.
class SummaryRecorder {
  public:
    explicit SummaryRecorder(std::string name);

    // Enters `number` as one whole spin and records what it did. False if the board refused.
    bool spin(Engine& engine, int number);

    // The figures so far; the families' are added up from their categories'.
    RunSummary summary() const;

  private:
    RunSummary run_;
    std::array<double, kCategoryCount> largest_charge_{};
    std::array<std::int64_t, kCategoryCount> losing_run_{};
    std::array<std::int64_t, kFamilyCount> family_losing_run_{};
    std::array<std::int64_t, kFamilyCount> family_longest_{};
};

// The sums of several games: counts and money added, records taken at their extreme.
RunSummary combine(const std::vector<RunSummary>& runs, std::string name);

// What a report says about the run before its figures.
struct RunSetup {
    std::optional<std::string> settings_file;  // nothing: the default settings
    std::optional<std::uint64_t> seed;         // a random run's seed
};

}  // namespace corvane
