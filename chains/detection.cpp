#include "chains/detection.h"

namespace corvane {

void reset_chains(CategoryState& state) {
    state.chainactive = 0;
}

void reset_active_chains(std::array<CategoryState, kCategoryCount>& categories) {
    for (CategoryState& state : categories) {
        state.chainactive &= 0U - state.chainactive;  // the lowest bit set, if any
    }
}

}  // namespace corvane
