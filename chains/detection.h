// Chain detection and the chain-flag resets: the same procedures for all five categories, told
// apart by the category's state, family and window length. They read and set only the
// category's own state and report what they found; the spin pipeline shows the marks and lays
// the bet.
#pragma once

#include <array>

#include "chains/category.h"
#include "chains/chain_index.h"

namespace corvane {

// A window counts when it is exactly `length` codes long and starts a run: the code before it
// is known and differs from its first code.
inline bool starts_run(const CodeWindow& window, char mark, int length) {
    return window.size() == length && mark != kNoMark && mark != window[0];
}

// The question of <Stem>_BetIndicator: may the next code complete a chain? Never while a chain
// is active; otherwise when the Ind window, one code shorter than the window length, starts a
// run (the code before it is known and differs from its first code) and some line begins
// with it. Asked of every category on every spin, so it is written here for the spin to take
// in whole.
inline bool chain_may_form(const CategoryState& state, Family family, int window) {
    return !state.match && starts_run(state.ind_window, state.ind_mark, window - 1) &&
           begins_some_line(family, state.ind_window);
}

// The chain search of <Stem>_Analyse, while no chain is active: a List window as long as the
// window length that starts a run and begins some line activates the lowest such chain at its
// last such line. The chain found, or 0.
inline int start_chain(CategoryState& state, Family family, int window) {
    if (state.match || !starts_run(state.list_window, state.first_mark, window)) {
        return 0;
    }
    const ChainHit hit = find_chain(family, state.list_window);
    if (hit) {
        state.match = true;
        state.set_chain_flag(hit.chain);
        state.current_pattern = hit.line;
    }
    return hit.chain;
}

// <P>_ResetChains: clears all 22 chain flags of one category.
void reset_chains(CategoryState& state);

// ResetActiveChains: every category keeps only its lowest chain flag.
void reset_active_chains(std::array<CategoryState, kCategoryCount>& categories);

}  // namespace corvane
