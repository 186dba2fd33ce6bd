#include "simulation/summary.h"

#include <algorithm>

namespace corvane {

namespace {

void add_up(BetFigures& into, const BetFigures& from) {
    into.bets += from.bets;
    into.won += from.won;
    into.lost += from.lost;
    into.longest_losing_run = std::max(into.longest_losing_run, from.longest_losing_run);
    into.staked += from.staked;
    into.paid += from.paid;
    into.largest_stake = std::max(into.largest_stake, from.largest_stake);
}

}  // namespace

double RunSummary::profit_per_staked_unit() const {
    const double total = staked();
    return total > 0 ? profit / total : 0.0;
}

SummaryRecorder::SummaryRecorder(std::string name) {
    run_.name = std::move(name);
}

bool SummaryRecorder::spin(Engine& engine, int number) {
    const GameState& game = engine.game();
    const Settings& settings = engine.settings();
    const double bankroll_before = game.bankroll;
    std::array<std::int64_t, kFamilyCount> wins_before{};
    std::array<std::int64_t, kFamilyCount> bets_before{};
    for (const FamilyInfo& f : kFamilies) {
        wins_before[index_of(f.id)] = game.counts(f.id).wins_count;
        bets_before[index_of(f.id)] = game.counts(f.id).bets_count;
    }
    if (!engine.spin(number)) {
        return false;
    }
    ++run_.spins;
    run_.zeros += number == 0 ? 1 : 0;
    std::array<std::int64_t, kFamilyCount> won_now{};
    std::array<std::int64_t, kFamilyCount> placed_now{};
    // The money in the engine's order (each category's payout, then its charge), so that the
    // sum is the engine's to the last bit.
    double bankroll = bankroll_before;

    const std::uint32_t shown = stakes_on_show(game);
    for (CategoryId c : kAllCategories) {
        if (!settings.enabled(c)) {
            continue;
        }
        const int i = index_of(c);
        const int fi = index_of(family_of(c));
        const CategorySpin& what = game.last_spin[i];
        BetFigures& cat = run_.categories[i];
        if (what.settled) {
            if (what.won) {
                ++cat.won;
                ++won_now[fi];
                losing_run_[i] = 0;
                family_losing_run_[fi] = 0;
            } else {
                ++cat.lost;
                cat.longest_losing_run = std::max(cat.longest_losing_run, ++losing_run_[i]);
                family_longest_[fi] = std::max(family_longest_[fi], ++family_losing_run_[fi]);
            }
        }
        cat.paid += what.paid;
        bankroll += what.paid;
        if ((shown & side_bits(c)) != 0) {
            ++cat.bets;
            ++placed_now[fi];
        }
        cat.staked += what.charged;
        bankroll -= what.charged;
        largest_charge_[i] = std::max(largest_charge_[i], what.charged);
        if (what.chain_found != 0) {
            ++run_.chains[i][what.chain_found];
        }
    }

    bool adds_up = bankroll == game.bankroll;
    for (const FamilyInfo& f : kFamilies) {
        const int fi = index_of(f.id);
        adds_up = adds_up && wins_before[fi] + won_now[fi] == game.counts(f.id).wins_count &&
                  bets_before[fi] + placed_now[fi] == game.counts(f.id).bets_count;
    }
    run_.mismatched_spins += adds_up ? 0 : 1;

    run_.profit = game.bankroll - kStartBankroll;
    run_.worst_drawdown = std::min(run_.worst_drawdown, run_.profit);
    return true;
}

RunSummary SummaryRecorder::summary() const {
    RunSummary run = run_;
    for (CategoryId c : kAllCategories) {
        const int i = index_of(c);
        BetFigures& cat = run.categories[i];
        // A charge is one stake per side or section: the stake is exactly the charge over the
        // number of sides (a halving is exact in binary floating point).
        cat.largest_stake = largest_charge_[i] / info(family_of(c)).sides_per_bet;
        BetFigures& fam = run.families[index_of(family_of(c))];
        add_up(fam, cat);
    }
    for (int f = 0; f < kFamilyCount; ++f) {
        run.families[f].longest_losing_run = family_longest_[f];
    }
    return run;
}

RunSummary combine(const std::vector<RunSummary>& runs, std::string name) {
    RunSummary total;
    total.name = std::move(name);
    for (const RunSummary& r : runs) {
        total.spins += r.spins;
        total.zeros += r.zeros;
        total.profit += r.profit;
        total.worst_drawdown = std::min(total.worst_drawdown, r.worst_drawdown);
        for (int i = 0; i < kCategoryCount; ++i) {
            add_up(total.categories[i], r.categories[i]);
            for (int k = 0; k <= kChainCount; ++k) {
                total.chains[i][k] += r.chains[i][k];
            }
        }
        for (int f = 0; f < kFamilyCount; ++f) {
            add_up(total.families[f], r.families[f]);
        }
        total.mismatched_spins += r.mismatched_spins;
    }
    return total;
}

}  // namespace corvane
