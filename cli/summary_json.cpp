#include "cli/summary_json.h"

#include "base/json_writer.h"
#include "settings/settings_description.h"

namespace corvane {

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
    for (const FamilyInfo& f : kFamilies) {
        w.key(f.name);
        write_figures(w, r.families[index_of(f.id)]);
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

}  // namespace

std::string summary_json(const std::vector<RunSummary>& runs, const Settings& settings,
                         const RunSetup& setup) {
    JsonWriter w;
    w.begin_object();
    w.key("settings");
    write_settings(w, settings, setup.settings_file);
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
