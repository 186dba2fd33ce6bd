#include "chains/detection.h"

#include "betting/placement.h"
#include "chains/chain_index.h"

namespace corvane {

namespace {

void set_indicators(GameState& game, const CategoryInfo& ci, bool shown) {
    const int base = index_of(ci.first_side);
    for (int k = 0; k < ci.side_count; ++k) {
        game.marks[base + k].indicator = shown;
    }
}

// A window hits when it is as long as the window length, the code before it is known and
// differs from its first code (so the window starts a run), and some line begins with it.
bool starts_run(const CodeWindow& window, char mark, int length) {
    return window.size() == length && mark != kNoMark && mark != window[0];
}

}  // namespace

void bet_indicator(GameState& game, const Settings& settings, CategoryId category) {
    const CategoryInfo& ci = info(category);
    const CategoryState& state = game.category(category);
    set_indicators(game, ci, false);
    if (state.match != 0) {
        return;
    }
    const int n = settings.window(ci.family);
    if (starts_run(state.ind_window, state.ind_mark, n - 1) &&
        begins_some_line(ci.family, state.ind_window)) {
        set_indicators(game, ci, true);
    }
}

void analyse(GameState& game, const Settings& settings, CategoryId category) {
    const CategoryInfo& ci = info(category);
    CategoryState& state = game.category(category);
    if (game.current_num != 0) {
        bet_indicator(game, settings, category);
        const int n = settings.window(ci.family);
        if (state.match == 0 && starts_run(state.list_window, state.first_mark, n)) {
            if (const ChainHit hit = find_chain(ci.family, state.list_window)) {
                state.match = 1;
                state.set_chain_flag(hit.chain);
                state.current_pattern = hit.line;
                game.last_spin[index_of(category)].chain_found = hit.chain;
            }
        }
    }
    if (state.match == 1) {
        place_bet(game, settings, category);
    }
}

void reset_chains(CategoryState& state) {
    state.chainactive = 0;
}

void reset_active_chains(GameState& game) {
    for (CategoryState& state : game.categories) {
        if (const int k = state.lowest_chain(); k != 0) {
            reset_chains(state);
            state.set_chain_flag(k);
        }
    }
}

}  // namespace corvane
