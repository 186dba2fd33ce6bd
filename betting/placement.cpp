#include "betting/placement.h"

#include <array>
#include <cstdint>

#include "betting/progression.h"
#include "chains/catalogue.h"
#include "chains/detection.h"

namespace corvane {

namespace {

// Where each character stands among a family's codes (its category's k-th side stands for the
// k-th code), or -1 for one that is no code of the family: read from a table on every bet.
constexpr auto kCodeIndex = [] {
    std::array<std::array<std::int8_t, 256>, kFamilyCount> index{};
    for (const FamilyInfo& f : kFamilies) {
        index[index_of(f.id)].fill(-1);
        for (std::size_t k = 0; k < f.codes.size(); ++k) {
            index[index_of(f.id)][static_cast<unsigned char>(f.codes[k])] =
                static_cast<std::int8_t>(k);
        }
    }
    return index;
}();

int code_index(Family family, char code) {
    return kCodeIndex[index_of(family)][static_cast<unsigned char>(code)];
}

// The sides a bet goes on: every side of the category but the predicted one, in code order:
// one for the 1/2 family, two for the 2/3 family.
struct BetSides {
    std::array<Side, 2> sides{};
    int count = 0;
};

// Shows the bet on its sides and charges it once.
void lay(TableState& table, const Settings& settings, CategoryId category, const BetSides& bet) {
    for (int i = 0; i < bet.count; ++i) {
        SideMarks& m = table.mark(bet.sides[i]);
        m.field = true;
        m.stake = true;
        if (settings.show_chains_id) {
            m.chain = true;
        }
    }
    bankroll_minus(table, settings, category);
}

// <P>_TrendBetting_<X>_Check: the bet sides are always marked hidden; the bet is laid only when
// one of its sides runs ahead of (uptrend) or behind (downtrend) the predicted side. The
// percentages are those the statistics panel shows.
void trend_check(TableState& table, const Settings& settings, CategoryId category,
                 const BetSides& bet, Side predicted) {
    const auto pct = [&](Side s) { return table.stats.shown[index_of(s)]; };
    bool passes = false;
    for (int i = 0; i < bet.count; ++i) {
        const int a = pct(bet.sides[i]);
        const int p = pct(predicted);
        passes = passes || (settings.bet_on_uptrend ? a > p : a < p);
    }
    for (int i = 0; i < bet.count; ++i) {
        table.mark(bet.sides[i]).hidden = true;
    }
    if (passes) {
        lay(table, settings, category, bet);
    }
}

}  // namespace

void bankroll_minus(TableState& table, const Settings& settings, CategoryId category) {
    const Family family = family_of(category);
    if (const BettingSystem* system = system_at(family, settings.betting_system_index(family))) {
        const double charged = charge(family, *system, table.category(category).progression_step,
                                      settings.starting_bet());
        table.bankroll -= charged;
        table.last_spin[index_of(category)].charged += charged;
        SpinBets& bets = table.spin_bets;
        bets.cost += charged;
        const double stake = charged / info(family).sides_per_bet;
        if (stake > bets.largest_stake) {
            bets.largest_stake = stake;
            bets.largest = index_of(category);
        }
    }
}

namespace {

// A bet laid for one category, compiled for each category (see place_bet).
template <CategoryId category>
void place_bet_of(TableState& table, const Settings& settings, int number) {
    const CategoryInfo& ci = info(category);
    const FamilyInfo& fi = info(ci.family);
    CategoryState& state = table.category(category);
    if (number == 0) {
        --state.pattern_step;  // a zero does not advance the chain
    }
    for (SideMarks& m : marks_of(table, category)) {
        m = SideMarks{};
    }
    reset_active_chains(table.categories);

    // After the reset above at most one flag is set: the chain to bet on.
    if (const int chain = state.lowest_chain(); chain != 0) {
        // The code predicted for the next spin; past the end of the line, the family's rule.
        const std::string_view line = chain_line(ci.family, chain, state.current_pattern);
        const long position = static_cast<long>(settings.window(ci.family)) + state.pattern_step;
        const char code = (position >= 1 && position <= static_cast<long>(line.size()))
                              ? line[position - 1]
                              : '\0';
        int predicted = code_index(ci.family, code);
        if (predicted < 0) {
            predicted = code_index(ci.family, fi.past_line_end);
        }
        if (predicted < 0) {
            ++state.pattern_step;  // past the end of the line nothing is bet
            return;
        }
        const int first = index_of(ci.first_side);
        BetSides bet;
        for (int k = 0; k < ci.side_count; ++k) {
            if (k != predicted) {
                bet.sides[bet.count++] = static_cast<Side>(first + k);
            }
        }
        table.chain_label[index_of(category)] = chain;
        if (settings.trend_betting) {
            trend_check(table, settings, category, bet, static_cast<Side>(first + predicted));
        } else {
            lay(table, settings, category, bet);
        }
    }
    ++state.pattern_step;
}

}  // namespace

// Each category's bet is compiled for that category, so that its sides and family are
// constants in it.
void place_bet(TableState& table, const Settings& settings, CategoryId category, int number) {
    for_category(category, [&]<CategoryId C>() { place_bet_of<C>(table, settings, number); });
}

}  // namespace corvane
