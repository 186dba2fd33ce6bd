// Chain detection and the chain-flag resets: the same procedures for all five categories, told
// apart by the category's state, family and window length. They read and set only the
// category's own state and report what they found; the spin pipeline shows the marks and lays
// the bet.
#pragma once

#include <array>

#include "chains/category.h"

namespace corvane {

// The question of <Stem>_BetIndicator: may the next code complete a chain? Never while a chain
// is active; otherwise when the Ind window, one code shorter than the window length, starts a
// run (the code before it is known and differs from its first code) and some line begins
// with it.
bool chain_may_form(const CategoryState& state, Family family, int window);

// The chain search of <Stem>_Analyse, while no chain is active: a List window as long as the
// window length that starts a run and begins some line activates the lowest such chain at its
// last such line. The chain found, or 0.
int start_chain(CategoryState& state, Family family, int window);

// <P>_ResetChains: clears all 22 chain flags of one category.
void reset_chains(CategoryState& state);

// ResetActiveChains: every category keeps only its lowest chain flag.
void reset_active_chains(std::array<CategoryState, kCategoryCount>& categories);

}  // namespace corvane
