// Chain detection and the chain-flag resets: the same procedures for all five categories, told
// apart by the category's state, family and window length. They read and set only the
// category's own state and report what they found; the spin pipeline shows the marks and lays
// the bet.
#pragma once

#include <array>

#include "chains/category.h"
#include "chains/chain_index.h"

namespace corvane {

// Whether a window of `length` codes (2 to 30) may begin a chain while none is active: no chain
// is, the window is exactly `length` codes long and starts a run (the code before it is known
// and differs from its first code), and the look-up's filter lets its codes through. On random
// numbers each test is a toss of a coin, which a branch would guess wrong half the time, so
// all are worked out and taken together; only the few windows that pass all are looked up.
inline bool may_begin_chain(const CategoryState& state, const CodeWindow& window, char mark,
                            int length, const ChainTable& table) {
    unsigned passes = state.match ? 0U : 1U;
    passes &= window.size() == length ? 1U : 0U;
    passes &= mark != kNoMark ? 1U : 0U;
    passes &= mark != window.first_if_holding(length) ? 1U : 0U;
    passes &= table.may_begin(window.key()) ? 1U : 0U;
    return passes != 0;
}

// The question of <Stem>_BetIndicator: may the next code complete a chain? Never while a chain
// is active; otherwise when the Ind window, one code shorter than the window length, starts a
// run (the code before it is known and differs from its first code) and some line begins
// with it. Asked of every category on every spin, so it is written here for the spin to take
// in whole.
inline bool chain_may_form(const CategoryState& state, Family family, int window) {
    const ChainTable& table = chain_table(family, window - 1);
    return may_begin_chain(state, state.ind_window, state.ind_mark, window - 1, table) &&
           table.find(state.ind_window.key()) != nullptr;
}

// The chain search of <Stem>_Analyse, while no chain is active: a List window as long as the
// window length that starts a run and begins some line activates the lowest such chain at its
// last such line. The chain found, or 0.
inline int start_chain(CategoryState& state, Family family, int window) {
    const ChainTable& table = chain_table(family, window);
    if (!may_begin_chain(state, state.list_window, state.first_mark, window, table)) {
        return 0;
    }
    const ChainHit* hit = table.find(state.list_window.key());
    if (hit == nullptr) {
        return 0;
    }
    state.match = true;
    state.set_chain_flag(hit->chain);
    state.current_pattern = hit->line;
    return hit->chain;
}

// <P>_ResetChains: clears all 22 chain flags of one category.
void reset_chains(CategoryState& state);

// ResetActiveChains: every category keeps only its lowest chain flag.
void reset_active_chains(std::array<CategoryState, kCategoryCount>& categories);

}  // namespace corvane
