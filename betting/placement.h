// Placing the bet of an active chain: against the code that the matched pattern line predicts
// for the next spin, on the other side (1/2) or the two other sections (2/3).
#pragma once

#include "betting/table_state.h"
#include "settings/settings.h"

namespace corvane {

// <Stem>_Bet: reads the code at position window + pattern_step of the active chain's line
// and lays the bet against it, or hands it to the trend check while trend betting is on.
// `number` is the number just spun: a zero does not advance the chain.
void place_bet(TableState& table, const Settings& settings, CategoryId category, int number);

// <P>_Bankroll_Minus: charges the bankroll for the bet just placed.
void bankroll_minus(TableState& table, const Settings& settings, CategoryId category);

}  // namespace corvane
