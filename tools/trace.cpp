#include "tools/trace.h"

#include <algorithm>
#include <array>

#include "betting/stake_display.h"
#include "core/amount.h"
#include "tools/json_writer.h"

namespace corvane {

namespace {

constexpr std::array<std::string_view, kSideCount> kSideKeys = {
    "Red",    "Black",  "Even",   "Odd",     "Less",    "More",
    "Dozen1", "Dozen2", "Dozen3", "Column1", "Column2", "Column3"};
constexpr std::array<std::string_view, kStatBarCount> kBarKeys = {
    "RedBlack", "EvenOdd", "LessMore", "D1", "D2", "D3", "C1", "C2", "C3"};

void number_list(JsonWriter& w, const std::vector<std::uint8_t>& list) {
    w.begin_array();
    for (std::uint8_t n : list) {
        w.latin1(std::to_string(n));
    }
    w.end_array();
}

void mark(JsonWriter& w, char m) {
    if (m == kNoMark) {
        w.null();
    } else {
        w.latin1(std::string_view(&m, 1));
    }
}

void counts(JsonWriter& w, const Statistics& s) {
    w.begin_object();
    w.key("red");
    w.integer(s.count_red);
    w.key("even");
    w.integer(s.count_even);
    w.key("less");
    w.integer(s.count_less);
    constexpr std::array<std::string_view, 3> kDozens = {"d1", "d2", "d3"};
    constexpr std::array<std::string_view, 3> kColumns = {"c1", "c2", "c3"};
    for (int k = 0; k < 3; ++k) {
        w.key(kDozens[k]);
        w.integer(s.count_d[k]);
    }
    for (int k = 0; k < 3; ++k) {
        w.key(kColumns[k]);
        w.integer(s.count_c[k]);
    }
    w.end_object();
}

void stats(JsonWriter& w, const Statistics& s) {
    w.begin_object();
    for (int i = 0; i < kSideCount; ++i) {
        const auto side = static_cast<Side>(i);
        w.key(kSideKeys[i]);
        w.begin_object();
        w.key("pct");
        w.integer(s.pct[i]);
        w.key("value");
        w.latin1(stat_value_text(s, side));
        w.key("text");
        w.latin1(stat_display_text(s, side));
        w.end_object();
    }
    w.end_object();
}

void gauges(JsonWriter& w, const Statistics& s) {
    w.begin_object();
    for (int i = 0; i < kStatBarCount; ++i) {
        const auto bar = static_cast<StatBar>(i);
        w.key(kBarKeys[i]);
        w.integer(std::clamp(stat_bar_value(s, bar), 0, stat_bar_maximum(bar)));
    }
    w.end_object();
}

void history(JsonWriter& w, const HistoryStrip& strip) {
    w.begin_array();
    for (const HistoryEntry& e : strip) {
        w.begin_array();
        w.latin1(e.number < 0 ? std::string() : std::to_string(e.number));
        const Rgb rgb = rgb_of(e.colour);
        w.begin_array();
        w.integer(rgb.r);
        w.integer(rgb.g);
        w.integer(rgb.b);
        w.end_array();
        w.end_array();
    }
    w.end_array();
}

void categories(JsonWriter& w, const GameState& g) {
    w.begin_object();
    for (const CategoryInfo& ci : kCategories) {
        const CategoryState& c = g.category(ci.id);
        w.key(ci.prefix);
        w.begin_object();
        w.key("list");
        w.latin1(c.list_window.view());
        w.key("ind");
        w.latin1(c.ind_window.view());
        w.key("first_mark");
        mark(w, c.first_mark);
        w.key("ind_mark");
        mark(w, c.ind_mark);
        w.key("match");
        w.integer(c.match);
        w.key("chains");
        w.begin_array();
        for (int k = 1; k <= kChainCount; ++k) {
            if (c.chain_flag(k)) {
                w.integer(k);
            }
        }
        w.end_array();
        w.key("current_pattern");
        w.integer(c.current_pattern);
        w.key("pattern_step");
        w.integer(c.pattern_step);
        w.key("progression_step");
        w.integer(c.progression_step);
        w.key("bet");
        w.number(c.bet);
        w.key("hint");
        w.latin1(hint_text(ci.id, g.hints[index_of(ci.id)]));
        w.end_object();
    }
    w.end_object();
}

void marks(JsonWriter& w, const GameState& g) {
    w.begin_object();
    for (int i = 0; i < kSideCount; ++i) {
        const auto side = static_cast<Side>(i);
        const CategoryId c = category_of(side);
        const SideMarks& m = g.marks[i];
        w.key(kSideKeys[i]);
        w.begin_object();
        w.key("field");
        w.boolean(m.field);
        w.key("stake");
        w.boolean(m.stake);
        w.key("chain");
        w.boolean(m.chain);
        w.key("hidden");
        w.boolean(m.hidden);
        w.key("indicator");
        w.boolean(m.indicator);
        w.key("stake_text");
        w.latin1(format_amount(g.stake_label[index_of(c)]));
        w.key("chain_text");
        w.latin1(chain_label_text(g.chain_label[index_of(c)]));
        w.key("tooltip");
        w.latin1(hint_text(c, g.hints[index_of(c)]));
        w.end_object();
    }
    w.end_object();
}

void settings(JsonWriter& w, const Settings& s) {
    w.begin_object();
    w.key("category_enabled");
    w.begin_object();
    for (const CategoryInfo& ci : kCategories) {
        w.key(ci.prefix);
        w.boolean(s.enabled(ci.id));
    }
    w.end_object();
    w.key("show_chains_id");
    w.boolean(s.show_chains_id);
    w.key("starting_bet_index");
    w.integer(s.starting_bet_index);
    w.key("cl12_index");
    w.integer(s.cl12_index);
    w.key("cl23_index");
    w.integer(s.cl23_index);
    w.key("bs12_index");
    w.integer(s.bs12_index);
    w.key("bs23_index");
    w.integer(s.bs23_index);
    w.key("reset_on_zero");
    w.boolean(s.reset_on_zero);
    w.key("roz_steps12_index");
    w.integer(s.roz_steps12_index);
    w.key("roz_steps23_index");
    w.integer(s.roz_steps23_index);
    w.key("bet_automatic_reset");
    w.boolean(s.bet_automatic_reset);
    w.key("bar_on_profit");
    w.boolean(s.bar_on_profit);
    w.key("bar_set_units_index");
    w.integer(s.bar_set_units_index);
    w.key("trend_betting");
    w.boolean(s.trend_betting);
    w.key("bet_on_uptrend");
    w.boolean(s.bet_on_uptrend);
    w.end_object();
}

void shown(JsonWriter& w, const Engine& e) {
    const Settings& s = e.settings();
    w.begin_object();
    w.key("StartingBet");
    w.latin1(list_text(ValueList::StartingBet, s.starting_bet_index));
    w.key("Chains_Length12_Text");
    w.latin1(list_text(ValueList::CL12, s.cl12_index));
    w.key("Chains_Length23_Text");
    w.latin1(list_text(ValueList::CL23, s.cl23_index));
    w.key("BettingSystem12_Text");
    w.latin1(list_text(ValueList::BettingSystem12, s.bs12_index));
    w.key("BettingSystem23_Text");
    w.latin1(list_text(ValueList::BettingSystem23, s.bs23_index));
    w.key("ROZ_Steps12_Text");
    w.latin1(list_text(ValueList::ROZSteps12, s.roz_steps12_index));
    w.key("ROZ_Steps23_Text");
    w.latin1(list_text(ValueList::ROZSteps23, s.roz_steps23_index));
    w.key("BAR_SetUnits_Text");
    w.latin1(e.shown_set_units());
    w.end_object();
}

}  // namespace

std::string trace_line(const Engine& engine, std::string_view cmd,
                       const std::optional<std::string>& message) {
    const GameState& g = engine.game();
    JsonWriter w;
    w.begin_object();
    w.key("cmd");
    w.latin1(cmd);
    w.key("message");
    if (message) {
        w.latin1(*message);
    } else {
        w.null();
    }
    w.key("numbers");
    number_list(w, g.numbers);
    w.key("statistics_list");
    number_list(w, g.statistics_list);
    w.key("undo_available");
    w.boolean(g.undo_available);
    w.key("bankroll");
    w.number(g.bankroll);
    w.key("bankroll_aim");
    w.number(g.bankroll_aim);
    w.key("bets_count_12");
    w.integer(g.bets_count_12);
    w.key("wins_count_12");
    w.integer(g.wins_count_12);
    w.key("bets_count_23");
    w.integer(g.bets_count_23);
    w.key("wins_count_23");
    w.integer(g.wins_count_23);
    w.key("win_rate_12");
    w.integer(g.win_rate_12);
    w.key("win_rate_23");
    w.integer(g.win_rate_23);
    w.key("counts");
    counts(w, g.stats);
    w.key("stats");
    stats(w, g.stats);
    w.key("gauges");
    gauges(w, g.stats);
    w.key("history");
    history(w, g.history);
    w.key("categories");
    categories(w, g);
    w.key("marks");
    marks(w, g);
    w.key("settings_text");
    w.begin_array();
    for (const std::string& line : engine.settings_text()) {
        w.latin1(line);
    }
    w.end_array();
    w.key("window12");
    w.integer(engine.settings().window12);
    w.key("window23");
    w.integer(engine.settings().window23);
    w.key("settings");
    settings(w, engine.settings());
    w.key("shown");
    shown(w, engine);
    w.end_object();
    return w.str();
}

}  // namespace corvane
