#include "chains/outcome_windows.h"

namespace corvane {

namespace {

void cut(CodeWindow& w, char& mark, int keep) {
    if (const char last_cut = w.cut_to(keep); last_cut != '\0') {
        mark = last_cut;
    }
}

}  // namespace

void list_add(CategoryState& state, CategoryId category, int number, int window) {
    const char code = code_of(category, number);
    if (code != '\0') {
        state.list_window.push_back(code);
        state.ind_window.push_back(code);
    }
    cut(state.ind_window, state.ind_mark, window - 1);
    cut(state.list_window, state.first_mark, window);
}

}  // namespace corvane
