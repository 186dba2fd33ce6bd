#include "engine/spin.h"

#include "betting/placement.h"
#include "betting/settlement.h"
#include "betting/stake_display.h"
#include "chains/detection.h"
#include "chains/outcome_windows.h"
#include "engine/undo.h"

namespace corvane {

void analyse(GameState& game, const Settings& settings, int number) {
    if (game.keeps_undo) {
        take_snapshot(game);  // first, so that it holds the game exactly as it was
    }
    game.current_num = number;
    game.undo_available = false;
    game.input_ready = false;
    current_number(game, number);
    if (game.keeps_display || settings.trend_betting) {
        statistics_calc(game.stats, number, game.statistics_base());
    } else {
        statistics_count(game.stats, number);
    }
    if (game.keeps_display) {
        history_push(game.history, number);
    }
    game.timer_running = true;
    game.covers_shown = true;
}

void current_number(GameState& game, int number) {
    const auto n = static_cast<std::uint8_t>(number);
    game.numbers.push_back(n);
    game.wheel.add(n);
    if (n != 0) {
        game.statistics_list.push_back(n);
    }
}

namespace {

template <CategoryId C>
void bet_indicator_of(GameState& game, const Settings& settings) {
    constexpr Family family = family_of(C);
    const bool shown = chain_may_form(game.category(C), family, settings.window(family));
    for (SideMarks& m : marks_of(game, C)) {
        m.indicator = shown;
    }
}

template <CategoryId C>
void analyse_category_of(GameState& game, const Settings& settings, int number) {
    CategoryState& state = game.category(C);
    if (number != 0) {
        bet_indicator_of<C>(game, settings);
        constexpr Family family = family_of(C);
        if (const int chain = start_chain(state, family, settings.window(family)); chain != 0) {
            game.last_spin[index_of(C)].chain_found = chain;
        }
    }
    if (state.match) {
        place_bet(game, settings, C, number);
    }
}

// The bet placed on the previous spin is settled before the windows take the new code, so a
// chain ended by a win can be followed by a new one found on this very spin. Every call this
// makes within the engine's headers is taken into it (flatten): the whole of a category's part
// of a spin is one stretch of code.
template <CategoryId C>
[[gnu::flatten]] void predict_category(GameState& game, const Settings& settings, int number) {
    game.last_spin[index_of(C)] = {};
    // Only the trend check marks a side hidden, and switching trend betting off ends every bet:
    // without trend betting there is no hidden mark to find.
    if (settings.trend_betting) {
        hidden_bet_fields_check(game, number);
    }
    if (sides_marked(game, C, &SideMarks::field) != 0) {  // else there is no bet to settle
        win_lose(game, settings, C, number);
    }
    list_add(game.category(C), C, number, settings.window(family_of(C)));
    analyse_category_of<C>(game, settings, number);
}

}  // namespace

void bet_indicator(GameState& game, const Settings& settings, CategoryId category) {
    for_category(category, [&]<CategoryId C>() { bet_indicator_of<C>(game, settings); });
}

void analyse_category(GameState& game, const Settings& settings, CategoryId category, int number) {
    for_category(category, [&]<CategoryId C>() { analyse_category_of<C>(game, settings, number); });
}

void prediction(GameState& game, const Settings& settings, int number) {
    game.undo_available = game.keeps_undo;
    game.spin_bets = {};
    // Every enabled category in turn. A category's record of the spin is written in its own
    // turn only, so each is cleared there.
    for_each_category([&]<CategoryId C>() {
        if (settings.enabled(C)) {
            predict_category<C>(game, settings, number);
        } else {
            game.last_spin[index_of(C)] = {};
        }
    });
    calc_bets_count(game, settings);
    if (number == 0) {  // the check restarts progressions on a zero only
        reset_on_zero_check(game, settings, number);
    }
    show_values(game);
    update_hints(game);
    if (game.keeps_log) {
        // The evening's money moves only with the bets settled.
        if (game.log.add(game, number)) {
            game.evening.add(game);
        }
    }
}

}  // namespace corvane
