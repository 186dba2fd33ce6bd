// Feeding a category's two sliding windows of outcome codes.
#pragma once

#include "chains/category.h"

namespace corvane {

// <Stem>_ListAdd: appends the number's code (none for the zero) to both windows, then cuts
// the List window to `window` codes and the Ind window to `window` - 1, the code cut last
// becoming the window's mark. Cutting runs on a zero too, so a shortened window length takes
// effect at the next spin of any kind. Every category takes it on every spin, so it is written
// here for the spin to take in whole.
inline void list_add(CategoryState& state, CategoryId category, int number, int window) {
    const char code = code_of(category, number);
    if (code != '\0') {
        state.list_window.push_back(code);
        state.ind_window.push_back(code);
    }
    if (const char cut = state.ind_window.cut_to(window - 1); cut != '\0') {
        state.ind_mark = cut;
    }
    if (const char cut = state.list_window.cut_to(window); cut != '\0') {
        state.first_mark = cut;
    }
}

}  // namespace corvane
