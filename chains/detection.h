// Chain detection, the bet indicator and the chain-flag resets: the same procedures for all
// five categories, told apart by the category's state, family and window length.
#pragma once

#include "core/game_state.h"
#include "settings/settings.h"

namespace corvane {

// <Stem>_Analyse: on a non-zero number the bet indicator, then, while no chain is active, the
// search for one that begins exactly at the start of the List window; then, whenever a chain
// is active (a zero included), the category's bet.
void analyse(GameState& game, const Settings& settings, CategoryId category);

// <Stem>_BetIndicator: shows the category's indicators when the next code may complete a
// chain, that is when the Ind window begins some line at the start of a run.
void bet_indicator(GameState& game, const Settings& settings, CategoryId category);

// <P>_ResetChains: clears all 22 chain flags of one category.
void reset_chains(CategoryState& state);

// ResetActiveChains: every category keeps only its lowest chain flag.
void reset_active_chains(GameState& game);

}  // namespace corvane
