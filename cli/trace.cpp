#include "cli/trace.h"

#include <algorithm>
#include <array>

#include "base/amount.h"
#include "base/json_writer.h"
#include "betting/stake_display.h"

namespace corvane {

namespace {

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

// The hit counters by the side's short name in small letters: an even chance counts only its
// first side ("red"), the dozens and columns each section ("d1").
void counts(JsonWriter& w, const Statistics& s) {
    w.begin_object();
    for (const CategoryInfo& ci : kCategories) {
        const int first = index_of(ci.first_side);
        const int counted = info(ci.family).sides_per_bet == 1 ? 1 : ci.side_count;
        for (int k = first; k < first + counted; ++k) {
            std::string key(kSides[k].short_name);
            std::transform(key.begin(), key.end(), key.begin(), [](char c) {
                return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
            });
            w.field_integer(key, s.count[k]);
        }
    }
    w.end_object();
}

void stats(JsonWriter& w, const Statistics& s) {
    w.begin_object();
    for (int i = 0; i < kSideCount; ++i) {
        const auto side = static_cast<Side>(i);
        w.key(kSides[i].name);
        w.begin_object();
        w.field_integer("pct", s.pct[i]);
        w.field("value", stat_value_text(s, side));
        w.field("text", stat_display_text(s, side));
        w.end_object();
    }
    w.end_object();
}

void gauges(JsonWriter& w, const Statistics& s) {
    w.begin_object();
    for (int i = 0; i < kStatBarCount; ++i) {
        const auto bar = static_cast<StatBar>(i);
        w.field_integer(kBarKeys[i], std::clamp(stat_bar_value(s, bar), 0, stat_bar_maximum(bar)));
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
        w.field("list", c.list_window.str());
        w.field("ind", c.ind_window.str());
        w.key("first_mark");
        mark(w, c.first_mark);
        w.key("ind_mark");
        mark(w, c.ind_mark);
        w.field_integer("match", c.match ? 1 : 0);
        w.key("chains");
        w.begin_array();
        for (int k = 1; k <= kChainCount; ++k) {
            if (c.chain_flag(k)) {
                w.integer(k);
            }
        }
        w.end_array();
        w.field_integer("current_pattern", c.current_pattern);
        w.field_integer("pattern_step", c.pattern_step);
        w.field_integer("progression_step", c.progression_step);
        w.field_number("bet", c.bet);
        w.field("hint", hint_text(ci.id, g.hints[index_of(ci.id)]));
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
        w.key(kSides[i].name);
        w.begin_object();
        w.field_boolean("field", m.field);
        w.field_boolean("stake", m.stake);
        w.field_boolean("chain", m.chain);
        w.field_boolean("hidden", m.hidden);
        w.field_boolean("indicator", m.indicator);
        w.field("stake_text", format_amount(g.stake_label[index_of(c)]));
        w.field("chain_text", chain_label_text(g.chain_label[index_of(c)]));
        w.field("tooltip", hint_text(c, g.hints[index_of(c)]));
        w.end_object();
    }
    w.end_object();
}

// Every option by its field in the record, in the order of the table.
void settings(JsonWriter& w, const Settings& s) {
    w.begin_object();
    for (const Option* o : kOptions) {
        switch (o->kind) {
            case OptionKind::Categories:
                w.key(o->key);
                w.begin_object();
                for (const CategoryInfo& ci : kCategories) {
                    w.field_boolean(ci.prefix, s.enabled(ci.id));
                }
                w.end_object();
                break;
            case OptionKind::Switch:
                w.field_boolean(o->key, s.*o->flag);
                break;
            case OptionKind::List:
                w.field_integer(o->key, s.*o->index);
                break;
        }
    }
    w.end_object();
}

// Every list option's value as the options panel shows it, by the name of its label.
void shown(JsonWriter& w, const Engine& e) {
    w.begin_object();
    for (const Option* o : kOptions) {
        if (o->kind == OptionKind::List) {
            w.field(o->shown, e.shown(*o));
        }
    }
    w.end_object();
}

}  // namespace

std::string trace_line(const Engine& engine, std::string_view cmd,
                       const std::optional<std::string>& message) {
    const GameState& g = engine.game();
    JsonWriter w;
    w.begin_object();
    w.field("cmd", cmd);
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
    w.field_boolean("undo_available", g.undo_available);
    w.field_number("bankroll", g.bankroll);
    w.field_number("bankroll_aim", g.bankroll_aim);
    for (const FamilyInfo& f : kFamilies) {
        const std::string suffix(f.suffix);
        w.field_integer("bets_count_" + suffix, g.counts(f.id).bets_count);
        w.field_integer("wins_count_" + suffix, g.counts(f.id).wins_count);
    }
    for (const FamilyInfo& f : kFamilies) {
        w.field_integer("win_rate_" + std::string(f.suffix), g.counts(f.id).win_rate);
    }
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
    w.field_integer("window12", engine.settings().window12);
    w.field_integer("window23", engine.settings().window23);
    w.key("settings");
    settings(w, engine.settings());
    w.key("shown");
    shown(w, engine);
    w.end_object();
    return w.str();
}

}  // namespace corvane
