#include "betting/settlement.h"

#include <bit>

#include "betting/progression.h"
#include "betting/stake_display.h"

namespace corvane {

namespace {

// The family's win rate as its gauge shows it: the whole percentage of its won bets.
void update_win_rate(TableState& table, Family f) {
    FamilyCounts& c = table.counts(f);
    c.win_rate = percentage(c.wins_count, c.bets_count);
}

// Moves the category's step by its system's rule and sets the stake of its next bet.
void advance(TableState& table, const Settings& settings, CategoryId category,
             const BettingSystem& system, bool won) {
    CategoryState& state = table.category(category);
    state.progression_step = step_after(system, state.progression_step, won);
    state.bet = stake(system, state.progression_step, settings.starting_bet());
}

// The settlement of one category, compiled for each category (see win_lose).
template <CategoryId C>
void win(TableState& table, const Settings& settings) {
    constexpr Family f = family_of(C);
    ++table.counts(f).wins_count;
    update_win_rate(table, f);
    CategorySpin& record = table.last_spin[index_of(C)];
    record.settled = record.won = true;
    const BettingSystem* system = system_at(f, settings.betting_system_index(f));
    if (system == nullptr) {
        return;
    }
    const double paid = payout(f, table.category(C).bet);
    table.bankroll += paid;
    record.paid += paid;
    if (system->rule != StepRule::Flat) {
        bet_automatic_reset_check(table, settings);
    }
    advance(table, settings, C, *system, true);
    category_reset(table, C);
}

template <CategoryId C>
void lose(TableState& table, const Settings& settings) {
    constexpr Family f = family_of(C);
    update_win_rate(table, f);
    table.last_spin[index_of(C)].settled = true;
    if (const BettingSystem* system = system_at(f, settings.betting_system_index(f))) {
        advance(table, settings, C, *system, false);
    }
}

template <CategoryId C>
void win_lose_of(TableState& table, const Settings& settings, int number) {
    const std::span<const SideMarks> marks = marks_of(table, C);
    constexpr int sides = info(C).side_count;
    const std::uint8_t bet_sides = sides_marked(table, C, &SideMarks::field);
    if (bet_sides == 0) {
        return;
    }
    // The bet as its labels show it, for the session log.
    CategorySpin& record = table.last_spin[index_of(C)];
    record.bet_sides = bet_sides;
    record.stake = table.stake_label[index_of(C)];
    record.chain = table.chain_label[index_of(C)];
    // The bet wins when it lies on the side the number falls on, and loses when it lies on all
    // the others. Each test reads the marks as they stand: a win has already cleared them.
    constexpr int base = index_of(info(C).first_side);
    for (int k = 0; k < sides; ++k) {
        if (!number_on(static_cast<Side>(base + k), number)) {
            continue;
        }
        if (marks[static_cast<std::size_t>(k)].field) {
            win<C>(table, settings);
        }
        const unsigned others = ((1U << sides) - 1U) & ~(1U << k);
        if ((sides_marked(table, C, &SideMarks::field) & others) == others) {
            lose<C>(table, settings);
        }
    }
    if (number == 0) {
        lose<C>(table, settings);
    }
}

}  // namespace

// Each category's settlement is compiled for that category, so that its sides, family and
// counters are constants in it.
void win_lose(TableState& table, const Settings& settings, CategoryId category, int number) {
    for_category(category, [&]<CategoryId C>() { win_lose_of<C>(table, settings, number); });
}

void category_reset(TableState& table, CategoryId category) {
    for (SideMarks& m : marks_of(table, category)) {
        m.field = m.hidden = m.stake = m.chain = false;
    }
    CategoryState& state = table.category(category);
    state.match = false;
    state.chainactive = 0;
    state.current_pattern = 0;
    state.pattern_step = 1;
}

void hidden_bet_fields_check(TableState& table, int number) {
    std::uint32_t sides = kSideMasks.masks[number];
    while (sides != 0) {
        const int i = std::countr_zero(sides);
        sides &= sides - 1;
        const SideMarks& m = table.marks[i];
        if (m.hidden && !m.field) {
            category_reset(table, category_of(static_cast<Side>(i)));
        }
    }
}

void restart_progressions(TableState& table, const Settings& settings) {
    for (CategoryState& state : table.categories) {
        state.progression_step = 0;
        state.bet = settings.starting_bet();
    }
}

void bet_automatic_reset_check(TableState& table, const Settings& settings) {
    if (!(table.bankroll > table.bankroll_aim)) {
        return;
    }
    if (settings.bet_automatic_reset) {
        table.bankroll_aim = table.bankroll + (settings.bar_on_profit ? settings.starting_bet()
                                                                      : settings.bar_set_units());
    }
    restart_progressions(table, settings);
}

void calc_bets_count(TableState& table, const Settings& settings) {
    const std::uint32_t shown = stakes_on_show(table);
    for_each_category([&]<CategoryId C>() {
        // A bet that an undo brought back after its category was switched off is never
        // settled, so it is not counted either. Added without a branch: a bet is on show now
        // and then, at random.
        const bool counted = settings.enabled(C) && (shown & side_bits(C)) != 0;
        table.counts(family_of(C)).bets_count += counted ? 1 : 0;
    });
}

void reset_on_zero_check(TableState& table, const Settings& settings, int number) {
    if (!settings.reset_on_zero || number != 0) {
        return;
    }
    for (CategoryId c : kAllCategories) {
        CategoryState& state = table.category(c);
        if (settings.roz_steps(family_of(c)) >= state.progression_step) {
            state.progression_step = 0;
            state.bet = settings.starting_bet();
        }
    }
}

void bets_button(TableState& table, const Settings& settings) {
    restart_progressions(table, settings);
    show_values(table);
    table.bankroll = kStartBankroll;
    table.bankroll_aim = kStartBankrollAim;
}

}  // namespace corvane
