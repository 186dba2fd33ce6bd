// Stake progressions: the step rules of the betting systems at work, and the money formulas of
// a bet (stake, charge at placement, payout on a win). The systems themselves, with their
// tables, are the options' (settings/betting_systems.h).
#pragma once

#include "base/numbers.h"
#include "settings/betting_systems.h"

namespace corvane {

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
