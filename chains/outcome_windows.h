// Feeding a category's two sliding windows of outcome codes.
#pragma once

#include "chains/category.h"

namespace corvane {

// <Stem>_ListAdd: appends the number's code (none for the zero) to both windows, then cuts
// the List window to `window` codes and the Ind window to `window` - 1, the code cut last
// becoming the window's mark. Cutting runs on a zero too, so a shortened window length takes
// effect at the next spin of any kind.
void list_add(CategoryState& state, CategoryId category, int number, int window);

}  // namespace corvane
