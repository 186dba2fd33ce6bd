#include "core/undo.h"

#include "betting/stake_display.h"
#include "core/amount.h"

namespace corvane {

namespace {

// The standing bet as read from the stake labels. In the 1/2 family one side is bet, in the
// 2/3 family a pair of sections ("12", "23", "31"); anything else records no bet.
std::array<bool, 3> standing_bet(const GameState& game, const CategoryInfo& ci) {
    const int base = index_of(ci.first_side);
    auto shown = [&](int k) { return game.marks[base + k].stake; };
    std::array<bool, 3> out{};
    if (ci.family == Family::F12) {
        if (shown(0)) {
            out[0] = true;
        } else if (shown(1)) {
            out[1] = true;
        }
        return out;
    }
    for (int k = 0; k < 3; ++k) {
        if (shown(k) && shown((k + 1) % 3)) {
            out[k] = out[(k + 1) % 3] = true;
            return out;
        }
    }
    return out;
}

int win_rate(std::int64_t wins, std::int64_t bets) {
    return percentage(wins, bets);
}

}  // namespace

void take_snapshot(GameState& game) {
    UndoSnapshot& s = game.cancel_list;
    s.bankroll = game.bankroll;
    s.bankroll_aim = game.bankroll_aim;
    s.categories = game.categories;
    for (const CategoryInfo& ci : kCategories) {
        const int i = index_of(ci.id);
        s.standing[i] = standing_bet(game, ci);
        s.active_chain[i] = game.categories[i].lowest_chain();
    }
    s.stats = game.stats;
    s.bets_count_12 = game.bets_count_12;
    s.wins_count_12 = game.wins_count_12;
    s.bets_count_23 = game.bets_count_23;
    s.wins_count_23 = game.wins_count_23;
}

void cancel(GameState& game, const Settings& settings) {
    const UndoSnapshot& s = game.cancel_list;
    if (!game.numbers.empty()) {
        const std::uint8_t last = game.numbers.back();
        game.numbers.pop_back();
        if (last != 0 && !game.statistics_list.empty()) {
            game.statistics_list.pop_back();
        }
    }
    // Amounts come back as the value of their 15-digit text.
    game.bankroll = round_to_display(s.bankroll);
    game.bankroll_aim = round_to_display(s.bankroll_aim);
    history_shift_back(game.history);

    for (const CategoryInfo& ci : kCategories) {
        const int i = index_of(ci.id);
        const int base = index_of(ci.first_side);
        for (int k = 0; k < ci.side_count; ++k) {
            game.marks[base + k] = SideMarks{};
        }
        for (int k = 0; k < ci.side_count; ++k) {
            if (s.standing[i][k]) {
                SideMarks& m = game.marks[base + k];
                m.field = true;
                m.stake = true;
                m.chain = settings.show_chains_id;
            }
        }
        const CategoryState& saved = s.categories[i];
        CategoryState& c = game.categories[i];
        c.current_pattern = saved.current_pattern;
        c.pattern_step = saved.pattern_step;
        c.progression_step = saved.progression_step;
        c.bet = round_to_display(saved.bet);
        c.first_mark = saved.first_mark;
        c.ind_mark = saved.ind_mark;
        c.list_window = saved.list_window;
        c.ind_window = saved.ind_window;
        c.match = saved.match;
        c.chainactive = 0;
        if (s.active_chain[i] >= 1 && s.active_chain[i] <= kChainCount) {
            c.set_chain_flag(s.active_chain[i]);
        }
    }
    game.stats = s.stats;
    game.bets_count_12 = s.bets_count_12;
    game.wins_count_12 = s.wins_count_12;
    game.bets_count_23 = s.bets_count_23;
    game.wins_count_23 = s.wins_count_23;
    game.win_rate_12 = win_rate(game.wins_count_12, game.bets_count_12);
    game.win_rate_23 = win_rate(game.wins_count_23, game.bets_count_23);
    show_values(game);
}

}  // namespace corvane
