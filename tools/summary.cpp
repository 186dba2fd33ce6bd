#include "tools/summary.h"

#include <algorithm>
#include <cstdio>

#include "core/amount.h"
#include "tools/json_writer.h"

namespace corvane {

namespace {

// The sides of a category as bits of Side.
constexpr std::uint32_t side_bits(CategoryId c) {
    const CategoryInfo& ci = info(c);
    return ((1U << ci.side_count) - 1U) << index_of(ci.first_side);
}

// Bet fields (or stake labels) on show, as bits of Side.
template <typename Shown>
std::uint32_t shown_bits(const GameState& game, Shown shown) {
    std::uint32_t bits = 0;
    for (int s = 0; s < kSideCount; ++s) {
        bits |= shown(game.marks[s]) ? (1U << s) : 0U;
    }
    return bits;
}

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
    const std::array<std::int64_t, kFamilyCount> wins_before = {game.wins_count_12,
                                                                game.wins_count_23};
    const std::array<std::int64_t, kFamilyCount> bets_before = {game.bets_count_12,
                                                                game.bets_count_23};
    if (!engine.spin(number)) {
        return false;
    }
    ++run_.spins;
    run_.zeros += number == 0 ? 1 : 0;
    const std::uint32_t staked = shown_bits(game, [](const SideMarks& m) { return m.stake; });
    std::array<std::int64_t, kFamilyCount> won_now{};
    std::array<std::int64_t, kFamilyCount> placed_now{};
    // The money in the engine's order (each category's payout, then its charge), so that the
    // sum is the engine's to the last bit.
    double bankroll = bankroll_before;

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
        if ((staked & side_bits(c)) != 0) {
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

    const bool adds_up = bankroll == game.bankroll &&
                         wins_before[0] + won_now[0] == game.wins_count_12 &&
                         wins_before[1] + won_now[1] == game.wins_count_23 &&
                         bets_before[0] + placed_now[0] == game.bets_count_12 &&
                         bets_before[1] + placed_now[1] == game.bets_count_23;
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

// ---- Text ----

namespace {

constexpr std::array<const char*, kFamilyCount> kFamilyNames = {"1/2", "2/3"};

std::string percent_text(double ratio) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f %%", 100.0 * ratio);
    std::string text(buf);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

using Rows = std::vector<std::vector<std::string>>;

// The first column to the left, the others to the right, two blanks between columns.
void append_table(std::string& out, const Rows& rows) {
    std::vector<std::size_t> width;
    for (const auto& row : rows) {
        width.resize(std::max(width.size(), row.size()));
        for (std::size_t k = 0; k < row.size(); ++k) {
            width[k] = std::max(width[k], row[k].size());
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t k = 0; k < row.size(); ++k) {
            const std::string pad(width[k] - row[k].size(), ' ');
            line += k == 0 ? row[k] + pad : "  " + pad + row[k];
        }
        out += line + '\n';
    }
}

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

std::string enabled_list(const Settings& settings) {
    std::string text;
    for (const CategoryInfo& ci : kCategories) {
        if (settings.enabled(ci.id)) {
            text += (text.empty() ? "" : " ") + std::string(ci.prefix);
        }
    }
    return text.empty() ? "none" : text;
}

std::string options_list(const Settings& settings) {
    std::string text;
    const auto add = [&](const std::string& item) { text += (text.empty() ? "" : ", ") + item; };
    if (settings.reset_on_zero) {
        add("reset on zero (1/2 steps " + std::to_string(settings.roz_steps12()) + ", 2/3 steps " +
            std::to_string(settings.roz_steps23()) + ")");
    }
    if (settings.bet_automatic_reset) {
        add(std::string("bet automatic reset (") +
            (settings.bar_on_profit ? "on profit"
                                    : "set units " + format_amount(settings.bar_set_units())) +
            ")");
    }
    if (settings.trend_betting) {
        add(std::string("trend betting (") + (settings.bet_on_uptrend ? "uptrend" : "downtrend") +
            ")");
    }
    if (!settings.show_chains_id) {
        add("chain labels hidden");
    }
    return text.empty() ? "none" : text;
}

void append_run(std::string& out, const RunSummary& r, const Settings& settings) {
    out += "== " + r.name + " ==\n";
    out += "spins " + std::to_string(r.spins) + ", zeros " + std::to_string(r.zeros) + "\n";
    out += "virtual profit " + format_amount(r.profit) + ", worst drawdown " +
           format_amount(r.worst_drawdown) + ", staked " + format_amount(r.staked()) +
           ", profit per staked unit " + percent_text(r.profit_per_staked_unit()) + "\n\n";

    Rows rows = {{"", "bets", "won", "win rate", "longest losing run", "largest stake", "staked",
                  "paid", "net"}};
    for (CategoryId c : kAllCategories) {
        if (settings.enabled(c)) {
            rows.push_back(figures_row(std::string(info(c).prefix), r.categories[index_of(c)]));
        }
        if (c == CategoryId::LM) {
            rows.push_back(figures_row(kFamilyNames[0], r.families[0]));
        }
    }
    rows.push_back(figures_row(kFamilyNames[1], r.families[1]));
    append_table(out, rows);

    Rows chains = {{"chains matched"}};
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
    std::string out;
    out += "settings: " + setup.settings_file.value_or("default") + "\n";
    out += "categories " + enabled_list(settings) +
           "; 1/2: " + std::string(settings.betting_system12()) + ", chain length " +
           std::to_string(settings.window12) +
           "; 2/3: " + std::string(settings.betting_system23()) + ", chain length " +
           std::to_string(settings.window23) + "; starting bet " +
           format_amount(settings.starting_bet()) + "\n";
    out += "options: " + options_list(settings) + "\n";
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

// ---- JSON ----

namespace {

void write_figures(JsonWriter& w, const BetFigures& f) {
    w.begin_object();
    w.field_integer("bets", f.bets);
    w.field_integer("won", f.won);
    w.field_integer("lost", f.lost);
    w.field_integer("win_rate", f.win_rate());
    w.field_integer("longest_losing_run", f.longest_losing_run);
    w.field_number("largest_stake", f.largest_stake);
    w.field_number("staked", f.staked);
    w.field_number("paid", f.paid);
    w.field_number("net", f.net());
    w.end_object();
}

void write_run(JsonWriter& w, const RunSummary& r) {
    w.begin_object();
    w.field("name", r.name);
    w.field_integer("spins", r.spins);
    w.field_integer("zeros", r.zeros);
    w.field_number("virtual_profit", r.profit);
    w.field_number("worst_drawdown", r.worst_drawdown);
    w.field_number("staked", r.staked());
    w.field_number("profit_per_staked_unit", r.profit_per_staked_unit());
    w.key("categories");
    w.begin_object();
    for (const CategoryInfo& ci : kCategories) {
        w.key(ci.prefix);
        write_figures(w, r.categories[index_of(ci.id)]);
    }
    w.end_object();
    w.key("families");
    w.begin_object();
    for (int f = 0; f < kFamilyCount; ++f) {
        w.key(kFamilyNames[f]);
        write_figures(w, r.families[f]);
    }
    w.end_object();
    w.key("chains_matched");
    w.begin_object();
    for (const CategoryInfo& ci : kCategories) {
        w.key(ci.prefix);
        w.begin_array();
        for (int k = 1; k <= kChainCount; ++k) {
            w.integer(r.chains[index_of(ci.id)][k]);
        }
        w.end_array();
    }
    w.end_object();
    w.field_integer("mismatched_spins", r.mismatched_spins);
    w.end_object();
}

void write_settings(JsonWriter& w, const Settings& settings, const RunSetup& setup) {
    w.begin_object();
    w.key("file");
    if (setup.settings_file) {
        w.latin1(*setup.settings_file);
    } else {
        w.null();
    }
    w.key("categories");
    w.begin_object();
    for (const CategoryInfo& ci : kCategories) {
        w.field_boolean(ci.prefix, settings.enabled(ci.id));
    }
    w.end_object();
    w.field("system12", settings.betting_system12());
    w.field("system23", settings.betting_system23());
    w.field_integer("window12", settings.window12);
    w.field_integer("window23", settings.window23);
    w.field_number("starting_bet", settings.starting_bet());
    w.field_boolean("reset_on_zero", settings.reset_on_zero);
    w.field_boolean("bet_automatic_reset", settings.bet_automatic_reset);
    w.field_boolean("trend_betting", settings.trend_betting);
    w.end_object();
}

}  // namespace

std::string summary_json(const std::vector<RunSummary>& runs, const Settings& settings,
                         const RunSetup& setup) {
    JsonWriter w;
    w.begin_object();
    w.key("settings");
    write_settings(w, settings, setup);
    w.key("seed");
    if (setup.seed) {
        w.unsigned_integer(*setup.seed);
    } else {
        w.null();
    }
    w.key("runs");
    w.begin_array();
    for (const RunSummary& r : runs) {
        write_run(w, r);
    }
    w.end_array();
    w.key("total");
    write_run(w, combine(runs, "total"));
    w.end_object();
    return w.str();
}

}  // namespace corvane
