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
    if (n != 0) {
        game.statistics_list.push_back(n);
    }
}

void bet_indicator(GameState& game, const Settings& settings, CategoryId category) {
    const Family family = family_of(category);
    const bool shown = chain_may_form(game.category(category), family, settings.window(family));
    for (SideMarks& m : marks_of(game, category)) {
        m.indicator = shown;
    }
}

void analyse_category(GameState& game, const Settings& settings, CategoryId category, int number) {
    CategoryState& state = game.category(category);
    if (number != 0) {
        bet_indicator(game, settings, category);
        const Family family = family_of(category);
        if (const int chain = start_chain(state, family, settings.window(family)); chain != 0) {
            game.last_spin[index_of(category)].chain_found = chain;
        }
    }
    if (state.match) {
        place_bet(game, settings, category, number);
    }
}

namespace {

// The bet placed on the previous spin is settled before the windows take the new code, so a
// chain ended by a win can be followed by a new one found on this very spin.
void predict_category(GameState& game, const Settings& settings, CategoryId c, int number) {
    // Only the trend check marks a side hidden, and switching trend betting off ends every bet:
    // without trend betting there is no hidden mark to find.
    if (settings.trend_betting) {
        hidden_bet_fields_check(game, number);
    }
    win_lose(game, settings, c, number);
    list_add(game.category(c), c, number, settings.window(family_of(c)));
    analyse_category(game, settings, c, number);
}

}  // namespace

void prediction(GameState& game, const Settings& settings, int number) {
    game.undo_available = game.keeps_undo;
    game.last_spin = {};
    for (CategoryId c : kAllCategories) {
        if (settings.enabled(c)) {
            predict_category(game, settings, c, number);
        }
    }
    calc_bets_count(game, settings);
    reset_on_zero_check(game, settings, number);
    show_values(game);
    update_hints(game);
    if (game.keeps_log) {
        game.log.add(game, number);
    }
}

}  // namespace corvane
