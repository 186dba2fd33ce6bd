// Stake progressions: the multiplier tables of the betting systems, their step rules, and the
// money formulas of a bet (stake, charge at placement, payout on a win).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/numbers.h"

namespace corvane {

enum class StepRule {
    Martingale,  // a win goes back to the start, a loss climbs one entry
    Donald,      // a win goes back one entry, a loss climbs one
    Blind,       // every settled bet climbs one entry
    Flat,        // no table: the stake is always the starting bet
};

struct BettingSystem {
    std::string_view name;
    StepRule rule;
    std::span<const std::int32_t> table;  // empty for "FLAT"

    int last() const { return static_cast<int>(table.size()) - 1; }
    // The table entry at a step, bounded to the table so that a step left over from a longer
    // table reads the last entry.
    std::int32_t multiplier(int step) const;
};

// The family's system of that exact name; nullptr for a name the family does not know.
const BettingSystem* find_system(Family family, std::string_view name);

// The system at an index of the family's list of systems (whose entries are the systems'
// names, in the same order); nullptr outside the list.
const BettingSystem* system_at(Family family, int index);

// Stake of a category: SB x T[step], or SB under "FLAT".
double stake(const BettingSystem& system, int step, double starting_bet);

// What placing a bet takes from the bankroll: one stake (1/2) or two (2/3), recomputed from
// the step at the moment of placement.
double charge(Family family, const BettingSystem& system, int step, double starting_bet);

// What a won bet adds to the bankroll: 2 x (1/2) or 3 x (2/3) the stake held.
double payout(Family family, double bet);

// The step after a won or lost bet. A step beyond the table first comes down to its last index.
int step_after(const BettingSystem& system, int step, bool won);

}  // namespace corvane
