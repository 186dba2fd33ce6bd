#include "betting/setting_effects.h"

#include "betting/settlement.h"
#include "betting/stake_display.h"

namespace corvane {

void TableEffects::category_switched_off(CategoryId category) {
    if (stake_on_show(table_, category)) {
        table_.bankroll += info(family_of(category)).sides_per_bet * table_.category(category).bet;
    }
    category_reset(table_, category);
}

void TableEffects::show_chain_labels(bool shown) {
    for (SideMarks& m : table_.marks) {
        m.chain = shown && (m.chain || m.stake);
    }
}

void TableEffects::stakes_to_starting_bet(double starting_bet) {
    for (CategoryState& c : table_.categories) {
        c.bet = starting_bet;
    }
    show_values(table_);
}

void TableEffects::move_aim(double amount) {
    table_.bankroll_aim = table_.bankroll + amount;
}

void TableEffects::end_all_bets() {
    for (CategoryId c : kAllCategories) {
        category_reset(table_, c);
    }
}

}  // namespace corvane
