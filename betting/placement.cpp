#include "betting/placement.h"

#include <array>

#include "betting/progression.h"
#include "chains/catalogue.h"
#include "chains/detection.h"

namespace corvane {

namespace {

// The sides a bet goes on: one for the 1/2 family, two (lower first) for the 2/3 family.
struct BetSides {
    std::array<Side, 2> sides{};
    int count = 0;
};

// Shows the bet on its sides and charges it once.
void lay(GameState& game, const Settings& settings, CategoryId category, const BetSides& bet) {
    for (int i = 0; i < bet.count; ++i) {
        SideMarks& m = game.mark(bet.sides[i]);
        m.field = true;
        m.stake = true;
        if (settings.show_chains_id) {
            m.chain = true;
        }
    }
    bankroll_minus(game, settings, category);
}

// <P>_TrendBetting_<X>_Check: the bet sides are always marked hidden; the bet is laid only when
// one of its sides runs ahead of (uptrend) or behind (downtrend) the predicted side. The
// percentages are those the statistics panel shows.
void trend_check(GameState& game, const Settings& settings, CategoryId category,
                 const BetSides& bet, Side predicted) {
    const auto pct = [&](Side s) { return game.stats.shown[index_of(s)]; };
    bool passes = false;
    for (int i = 0; i < bet.count; ++i) {
        const int a = pct(bet.sides[i]);
        const int p = pct(predicted);
        passes = passes || (settings.bet_on_uptrend ? a > p : a < p);
    }
    for (int i = 0; i < bet.count; ++i) {
        game.mark(bet.sides[i]).hidden = true;
    }
    if (passes) {
        lay(game, settings, category, bet);
    }
}

}  // namespace

void bankroll_minus(GameState& game, const Settings& settings, CategoryId category) {
    const Family family = family_of(category);
    if (const BettingSystem* system = system_at(family, settings.betting_system_index(family))) {
        const double charged = charge(family, *system, game.category(category).progression_step,
                                      settings.starting_bet());
        game.bankroll -= charged;
        game.last_spin[index_of(category)].charged += charged;
    }
}

void place_bet(GameState& game, const Settings& settings, CategoryId category) {
    const CategoryInfo& ci = info(category);
    CategoryState& state = game.category(category);
    if (game.current_num == 0) {
        --state.pattern_step;  // a zero does not advance the chain
    }
    const int base = index_of(ci.first_side);
    for (int k = 0; k < ci.side_count; ++k) {
        game.marks[base + k] = SideMarks{};
    }
    reset_active_chains(game);

    // After the reset above at most one flag is set: the chain to bet on.
    if (const int chain = state.lowest_chain(); chain != 0) {
        // The code predicted for the next spin; none past the end of the line.
        const std::string_view line = chain_line(ci.family, chain, state.current_pattern);
        const long position = static_cast<long>(settings.window(ci.family)) + state.pattern_step;
        const char predicted = (position >= 1 && position <= static_cast<long>(line.size()))
                                   ? line[position - 1]
                                   : '\0';
        BetSides bet;
        Side predicted_side = ci.first_side;
        if (ci.family == Family::F12) {
            // Against a predicted '0' the code-'1' side is bet; otherwise (a '1', or nothing
            // left of the line) the code-'0' side.
            bet.sides[0] = side_of_code(category, predicted == '0' ? '1' : '0');
            bet.count = 1;
            predicted_side = side_of_code(category, predicted == '0' ? '0' : '1');
        } else {
            if (predicted < '1' || predicted > '3') {
                ++state.pattern_step;  // past the end of the line nothing is bet
                return;
            }
            predicted_side = side_of_code(category, predicted);
            for (char code = '1'; code <= '3'; ++code) {
                if (code != predicted) {
                    bet.sides[bet.count++] = side_of_code(category, code);
                }
            }
        }
        game.chain_label[index_of(category)] = chain;
        if (settings.trend_betting) {
            trend_check(game, settings, category, bet, predicted_side);
        } else {
            lay(game, settings, category, bet);
        }
    }
    ++state.pattern_step;
}

}  // namespace corvane
