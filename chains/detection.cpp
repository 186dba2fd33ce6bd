#include "chains/detection.h"

#include "chains/chain_index.h"

namespace corvane {

namespace {

// A window counts when it is exactly `length` codes long and starts a run: the code before it
// is known and differs from its first code.
bool starts_run(const CodeWindow& window, char mark, int length) {
    return window.size() == length && mark != kNoMark && mark != window[0];
}

}  // namespace

bool chain_may_form(const CategoryState& state, Family family, int window) {
    return !state.match && starts_run(state.ind_window, state.ind_mark, window - 1) &&
           begins_some_line(family, state.ind_window);
}

int start_chain(CategoryState& state, Family family, int window) {
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

void reset_chains(CategoryState& state) {
    state.chainactive = 0;
}

void reset_active_chains(std::array<CategoryState, kCategoryCount>& categories) {
    for (CategoryState& state : categories) {
        if (const int k = state.lowest_chain(); k != 0) {
            reset_chains(state);
            state.set_chain_flag(k);
        }
    }
}

}  // namespace corvane
