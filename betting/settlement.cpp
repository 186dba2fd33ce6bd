#include "betting/settlement.h"

#include <bit>

#include "betting/progression.h"
#include "betting/stake_display.h"

namespace corvane {

namespace {

std::int64_t& wins_of(GameState& game, Family f) {
    return f == Family::F12 ? game.wins_count_12 : game.wins_count_23;
}

void update_win_rate(GameState& game, Family f) {
    if (f == Family::F12) {
        game.win_rate_12 = percentage(game.wins_count_12, game.bets_count_12);
    } else {
        game.win_rate_23 = percentage(game.wins_count_23, game.bets_count_23);
    }
}

// Moves the category's step by its system's rule and sets the stake of its next bet.
void advance(GameState& game, const Settings& settings, CategoryId category,
             const BettingSystem& system, bool won) {
    CategoryState& state = game.category(category);
    state.progression_step = step_after(system, state.progression_step, won);
    state.bet = stake(system, state.progression_step, settings.starting_bet());
}

void win(GameState& game, const Settings& settings, CategoryId category) {
    const Family f = family_of(category);
    ++wins_of(game, f);
    update_win_rate(game, f);
    CategorySpin& record = game.last_spin[index_of(category)];
    record.settled = record.won = true;
    const BettingSystem* system = system_at(f, settings.betting_system_index(f));
    if (system == nullptr) {
        return;
    }
    const double paid = payout(f, game.category(category).bet);
    game.bankroll += paid;
    record.paid += paid;
    if (system->rule != StepRule::Flat) {
        bet_automatic_reset_check(game, settings);
    }
    advance(game, settings, category, *system, true);
    category_reset(game, category);
}

void lose(GameState& game, const Settings& settings, CategoryId category) {
    const Family f = family_of(category);
    update_win_rate(game, f);
    game.last_spin[index_of(category)].settled = true;
    if (const BettingSystem* system = system_at(f, settings.betting_system_index(f))) {
        advance(game, settings, category, *system, false);
    }
}

}  // namespace

void win_lose(GameState& game, const Settings& settings, CategoryId category) {
    const CategoryInfo& ci = info(category);
    const int base = index_of(ci.first_side);
    const auto field = [&](int k) { return game.marks[base + k].field; };
    bool any = false;
    for (int k = 0; k < ci.side_count; ++k) {
        any = any || field(k);
    }
    if (!any) {
        return;
    }
    const int number = game.current_num;
    if (ci.family == Family::F12) {
        const int hit = number_on(ci.first_side, number) ? 0 : 1;
        if (number != 0) {
            if (field(hit)) {
                win(game, settings, category);
            }
            if (field(1 - hit)) {
                lose(game, settings, category);
            }
        }
    } else {
        for (int k = 0; k < 3; ++k) {
            if (!number_on(static_cast<Side>(base + k), number)) {
                continue;
            }
            if (field(k)) {
                win(game, settings, category);
            }
            if (field((k + 1) % 3) && field((k + 2) % 3)) {
                lose(game, settings, category);
            }
        }
    }
    if (number == 0) {
        lose(game, settings, category);
    }
}

void category_reset(GameState& game, CategoryId category) {
    const CategoryInfo& ci = info(category);
    const int base = index_of(ci.first_side);
    for (int k = 0; k < ci.side_count; ++k) {
        SideMarks& m = game.marks[base + k];
        m.field = m.hidden = m.stake = m.chain = false;
    }
    CategoryState& state = game.category(category);
    state.match = 0;
    state.chainactive = 0;
    state.current_pattern = 0;
    state.pattern_step = 1;
}

void hidden_bet_fields_check(GameState& game) {
    std::uint32_t sides = kSideMasks.masks[game.current_num];
    while (sides != 0) {
        const int i = std::countr_zero(sides);
        sides &= sides - 1;
        const SideMarks& m = game.marks[i];
        if (m.hidden && !m.field) {
            category_reset(game, category_of(static_cast<Side>(i)));
        }
    }
}

void restart_progressions(GameState& game, const Settings& settings) {
    for (CategoryState& state : game.categories) {
        state.progression_step = 0;
        state.bet = settings.starting_bet();
    }
}

void bet_automatic_reset_check(GameState& game, const Settings& settings) {
    if (!(game.bankroll > game.bankroll_aim)) {
        return;
    }
    if (settings.bet_automatic_reset) {
        game.bankroll_aim = game.bankroll + (settings.bar_on_profit ? settings.starting_bet()
                                                                    : settings.bar_set_units());
    }
    restart_progressions(game, settings);
}

void calc_bets_count(GameState& game, const Settings& settings) {
    const auto staked = [&](CategoryId c) {
        if (!settings.enabled(c)) {
            return false;  // a bet brought back by an undo after switching off is never settled
        }
        const CategoryInfo& ci = info(c);
        for (int k = 0; k < ci.side_count; ++k) {
            if (game.marks[index_of(ci.first_side) + k].stake) {
                return true;
            }
        }
        return false;
    };
    for (CategoryId c : {CategoryId::C, CategoryId::D}) {
        game.bets_count_23 += staked(c) ? 1 : 0;
    }
    for (CategoryId c : {CategoryId::RB, CategoryId::EO, CategoryId::LM}) {
        game.bets_count_12 += staked(c) ? 1 : 0;
    }
}

void reset_on_zero_check(GameState& game, const Settings& settings) {
    if (!settings.reset_on_zero || game.current_num != 0) {
        return;
    }
    for (CategoryId c : kAllCategories) {
        CategoryState& state = game.category(c);
        if (settings.roz_steps(family_of(c)) >= state.progression_step) {
            state.progression_step = 0;
            state.bet = settings.starting_bet();
        }
    }
}

void bets_button(GameState& game, const Settings& settings) {
    restart_progressions(game, settings);
    show_values(game);
    game.bankroll = kStartBankroll;
    game.bankroll_aim = kStartBankrollAim;
}

}  // namespace corvane
