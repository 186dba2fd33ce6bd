#include "cli/summary_text.h"

#include "base/amount.h"
#include "base/text_table.h"
#include "settings/settings_description.h"

namespace corvane {

namespace {

std::vector<std::string> figures_row(const std::string& label, const BetFigures& f) {
    return {label,
            std::to_string(f.bets),
            std::to_string(f.won),
            std::to_string(f.win_rate()),
            std::to_string(f.longest_losing_run),
            format_amount(f.largest_stake),
            format_amount(f.staked),
            format_amount(f.paid),
            format_amount(f.net())};
}

void append_run(std::string& out, const RunSummary& r, const Settings& settings) {
    out += "== " + r.name + " ==\n";
    out += "spins " + std::to_string(r.spins) + ", zeros " + std::to_string(r.zeros) + "\n";
    out += "virtual profit " + format_amount(r.profit) + ", worst drawdown " +
           format_amount(r.worst_drawdown) + ", staked " + format_amount(r.staked()) +
           ", profit per staked unit " + percent_text(r.profit_per_staked_unit()) + "\n\n";

    TableRows rows = {{"", "bets", "won", "win rate", "longest losing run", "largest stake",
                       "staked", "paid", "net"}};
    // Each family's row follows its categories'.
    for (const FamilyInfo& f : kFamilies) {
        for (CategoryId c : kAllCategories) {
            if (family_of(c) == f.id && settings.enabled(c)) {
                rows.push_back(figures_row(std::string(info(c).prefix), r.categories[index_of(c)]));
            }
        }
        rows.push_back(figures_row(std::string(f.name), r.families[index_of(f.id)]));
    }
    append_table(out, rows);

    TableRows chains = {{"chains matched"}};
    for (CategoryId c : kAllCategories) {
        if (settings.enabled(c)) {
            chains[0].emplace_back(info(c).prefix);
        }
    }
    for (int k = 1; k <= kChainCount; ++k) {
        std::vector<std::string> row = {"chain " + std::to_string(k)};
        std::int64_t any = 0;
        for (CategoryId c : kAllCategories) {
            if (settings.enabled(c)) {
                row.push_back(std::to_string(r.chains[index_of(c)][k]));
                any += r.chains[index_of(c)][k];
            }
        }
        if (any != 0) {
            chains.push_back(std::move(row));
        }
    }
    out += '\n';
    if (chains.size() == 1) {
        out += "chains matched: none\n";
    } else {
        append_table(out, chains);
        out += "(chains not listed were never matched)\n";
    }
    if (r.mismatched_spins != 0) {
        out += "warning: in " + std::to_string(r.mismatched_spins) +
               " spins the observed bets did not add up to the bankroll\n";
    }
}

}  // namespace

std::string summary_text(const std::vector<RunSummary>& runs, const Settings& settings,
                         const RunSetup& setup) {
    std::string out = settings_text(settings, setup.settings_file);
    if (setup.seed) {
        out += "random numbers, seed " + std::to_string(*setup.seed) + "\n";
    }
    for (const RunSummary& r : runs) {
        out += '\n';
        append_run(out, r, settings);
    }
    if (runs.size() > 1) {
        out += '\n';
        append_run(out, combine(runs, "total"), settings);
    }
    return out;
}

}  // namespace corvane
