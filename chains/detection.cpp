#include "chains/detection.h"

namespace corvane {

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
