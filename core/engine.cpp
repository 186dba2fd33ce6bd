#include "core/engine.h"

#include <algorithm>

#include "betting/settlement.h"
#include "betting/stake_display.h"
#include "chains/detection.h"
#include "chains/outcome_windows.h"
#include "core/undo.h"

namespace corvane {

Engine::Engine() : settings_text_(default_settings_text()) {}

std::string Engine::shown_set_units() const {
    if (set_units_initial_) {
        return "0,1";
    }
    return list_text(ValueList::BARSetUnits, settings_.bar_set_units_index);
}

bool Engine::click_number(int n) {
    if (n < 0 || n > kMaxNumber || game_.input_ready != 1 || game_.pressed[n]) {
        return false;
    }
    game_.pressed[n] = true;
    enter_number(n);
    return true;
}

void Engine::enter_number(int n) {
    game_.current_num = n;
    analyse();
}

// The first phase of a spin, at the click. The snapshot comes first, so that it holds the game
// exactly as it was before this number.
void Engine::analyse() {
    take_snapshot(game_);
    game_.undo_available = false;
    game_.input_ready = 0;
    current_number();
    statistics_calc(game_.stats, game_.current_num,
                    static_cast<std::int64_t>(game_.statistics_list.size()));
    history_push(game_.history, game_.current_num);
    game_.timer_running = true;
    game_.covers_shown = true;
}

void Engine::current_number() {
    const auto n = static_cast<std::uint8_t>(game_.current_num);
    game_.numbers.push_back(n);
    if (n != 0) {
        game_.statistics_list.push_back(n);
    }
}

bool Engine::tick() {
    if (!game_.timer_running) {
        return false;
    }
    game_.gauge1 = std::min(100, game_.gauge1 + kGaugeStep);
    if (game_.gauge1 < 100) {
        return false;
    }
    // The end of the animation: everything up to the hidden covers is done before the
    // prediction starts, all within this one tick.
    game_.gauge1 = 0;
    game_.pressed.fill(false);  // Disable_Pressed
    game_.input_ready = 1;
    game_.timer_running = false;
    game_.covers_shown = false;
    prediction();
    return true;
}

void Engine::finish_spin() {
    while (game_.timer_running) {
        tick();
    }
}

bool Engine::undo() {
    if (!game_.undo_available) {
        return false;
    }
    cancel(game_, settings_);
    game_.undo_available = false;
    return true;
}

bool Engine::spin(int n) {
    if (!click_number(n)) {
        return false;
    }
    finish_spin();
    return true;
}

// The second phase of a spin: settle, feed the windows, look for chains and place the next
// bets, for every enabled category in turn, then the steps that span all categories.
void Engine::prediction() {
    game_.undo_available = true;
    for (CategoryId c : kAllCategories) {
        if (settings_.enabled(c)) {
            predict_category(c);
        }
    }
    calc_bets_count(game_, settings_);
    reset_on_zero_check(game_, settings_);
    show_values(game_);
    update_hints(game_);
}

// The bet placed on the previous spin is settled before the windows take the new code, so a
// chain ended by a win can be followed by a new one found on this very spin.
void Engine::predict_category(CategoryId c) {
    hidden_bet_fields_check(game_);
    win_lose(game_, settings_, c);
    list_add(game_.category(c), c, game_.current_num, settings_.window(family_of(c)));
    corvane::analyse(game_, settings_, c);
}

void Engine::bets() {
    bets_button(game_, settings_);
}

}  // namespace corvane
