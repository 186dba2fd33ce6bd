#include "settings/settings_description.h"

#include "base/amount.h"
#include "base/categories.h"

namespace corvane {

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

std::string settings_text(const Settings& settings, const std::optional<std::string>& file) {
    std::string out;
    out += "settings: " + file.value_or("default") + "\n";
    out += "categories " + enabled_list(settings) +
           "; 1/2: " + std::string(settings.betting_system12()) + ", chain length " +
           std::to_string(settings.window12) +
           "; 2/3: " + std::string(settings.betting_system23()) + ", chain length " +
           std::to_string(settings.window23) + "; starting bet " +
           format_amount(settings.starting_bet()) + "\n";
    out += "options: " + options_list(settings) + "\n";
    return out;
}

void write_settings(JsonWriter& w, const Settings& settings,
                    const std::optional<std::string>& file) {
    w.begin_object();
    w.key("file");
    if (file) {
        w.latin1(*file);
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

}  // namespace corvane
