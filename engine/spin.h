// The spin pipeline: what one number entered does to the game, in the order the board shows
// it. The first phase runs at the click, the second at the end of the spin's animation.
#pragma once

#include "engine/game_state.h"
#include "settings/settings.h"

namespace corvane {

// Analyse: the first phase of a spin of `number`, which becomes CurrentNum, the number being
// processed until the spin ends. Takes the undo snapshot before anything of the number is
// recorded, makes the board busy, records the number, the statistics and the history strip,
// and starts the animation under the covers.
void analyse(GameState& game, const Settings& settings, int number);

// CurrentNumber: appends the number to NumbersList and, unless it is 0, to Statistics_List.
void current_number(GameState& game, int number);

// Prediction: the second phase, for the number the first phase took. Offers the undo; settles,
// feeds the windows, looks for chains and lays the next bets for every enabled category in
// turn; then the steps that span all categories (bet counting, reset on zero, stake labels,
// hints).
void prediction(GameState& game, const Settings& settings, int number);

// <Stem>_Analyse: on a non-zero number the bet indicator, then, while no chain is active, the
// search for one that begins exactly at the start of the List window; then, whenever a chain
// is active (a zero included), the category's bet.
void analyse_category(GameState& game, const Settings& settings, CategoryId category, int number);

// <Stem>_BetIndicator: shows the category's indicators when the next code may complete a
// chain, and hides them otherwise.
void bet_indicator(GameState& game, const Settings& settings, CategoryId category);

}  // namespace corvane
