#include "engine/undo.h"

#include "base/amount.h"
#include "betting/stake_display.h"

namespace corvane {

namespace {

// The standing bet as read from the stake labels: the first run of as many neighbouring sides
// as a bet of the family covers (one side, or a pair of sections "12", "23", "31"), all with
// their label on show. Anything else records no bet. Worked out once for every set of labels
// on show, as bits by side, since the snapshot reads it on every spin.
constexpr auto kStandingBets = [] {
    std::array<std::array<std::uint8_t, 8>, kFamilyCount> table{};
    for (const FamilyInfo& f : kFamilies) {
        const unsigned sides = static_cast<unsigned>(f.code_count());
        const unsigned all = (1U << sides) - 1;
        for (unsigned shown = 0; shown <= all; ++shown) {
            unsigned bet = (1U << f.sides_per_bet) - 1;
            for (unsigned first = 0; first < sides; ++first) {
                if ((shown & bet) == bet) {
                    table[index_of(f.id)][shown] = static_cast<std::uint8_t>(bet);
                    break;
                }
                bet = ((bet << 1) | (bet >> (sides - 1))) & all;  // one side further round
            }
        }
    }
    return table;
}();

std::array<bool, 3> standing_bet(const GameState& game, const CategoryInfo& ci) {
    const unsigned shown = sides_marked(game, ci.id, &SideMarks::stake);
    const unsigned bet = kStandingBets[index_of(ci.family)][shown];
    return {(bet & 1U) != 0, (bet & 2U) != 0, (bet & 4U) != 0};
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
    s.family_counts = game.family_counts;
    s.evening = game.evening;
}

void cancel(GameState& game, const Settings& settings) {
    const UndoSnapshot& s = game.cancel_list;
    game.plan_warnings = {};
    game.evening = s.evening;
    if (game.keeps_log) {
        game.log.drop_last();
    }
    game.wheel.take_back();
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
        const std::span<SideMarks> marks = marks_of(game, ci.id);
        for (std::size_t k = 0; k < marks.size(); ++k) {
            marks[k] = SideMarks{};
            if (s.standing[i][k]) {
                marks[k].field = true;
                marks[k].stake = true;
                marks[k].chain = settings.show_chains_id;
            }
        }
        // The category as it was, but for two things: the stake comes back as the value of its
        // text, and of the chain flags only the active chain's.
        CategoryState& c = game.categories[i];
        c = s.categories[i];
        c.bet = round_to_display(c.bet);
        c.chainactive = 0;
        if (s.active_chain[i] >= 1 && s.active_chain[i] <= kChainCount) {
            c.set_chain_flag(s.active_chain[i]);
        }
    }
    game.stats = s.stats;
    game.family_counts = s.family_counts;
    for (FamilyCounts& f : game.family_counts) {
        f.win_rate = percentage(f.wins_count, f.bets_count);
    }
    show_values(game);
}

}  // namespace corvane
