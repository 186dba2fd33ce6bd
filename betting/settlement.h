// Settling the bet each category left open on the previous spin, and the operations that
// restart progressions and count bets across categories.
#pragma once

#include "betting/table_state.h"
#include "settings/settings.h"

namespace corvane {

// <Stem>_WinLose: judges the category's open bet against the number just spun.
void win_lose(TableState& table, const Settings& settings, CategoryId category, int number);

// <Stem>_Reset: hides the category's bets, hidden marks and labels and ends its chain. The
// progression step, the stake and the bet indicators stay.
void category_reset(TableState& table, CategoryId category);

// HiddenBetFields_Check: a trend bet that was only marked and would have won ends its chain.
void hidden_bet_fields_check(TableState& table, int number);

// BetAutomaticReset_Check: once the bankroll stands above its aim, every progression restarts
// (and with the option on, the aim moves on).
void bet_automatic_reset_check(TableState& table, const Settings& settings);

// CalcBetsCount: one more bet for each enabled category with a stake on show; a two-section
// bet counts once.
void calc_bets_count(TableState& table, const Settings& settings);

// ResetOnZero_Check: on a zero, restarts the progressions that are still within the
// configured number of steps.
void reset_on_zero_check(TableState& table, const Settings& settings, int number);

// Button_BETS_HoverClick: all progressions and the bankroll back to their start.
void bets_button(TableState& table, const Settings& settings);

// Every category to step 0 and the starting bet as its stake.
void restart_progressions(TableState& table, const Settings& settings);

}  // namespace corvane
