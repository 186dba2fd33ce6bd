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

namespace {

void add_item(std::string& list, const std::string& item) {
    if (!item.empty()) {
        list += (list.empty() ? "" : ", ") + item;
    }
}

// An option in its words, followed in brackets by the options that are part of it and count in
// its state ("reset on zero (1/2 steps 1, 2/3 steps 1)"). An option without words of its own
// in its state stands for those parts alone.
std::string described(const Settings& settings, const Option& o) {
    std::string words;
    if (o.kind == OptionKind::List) {
        if (!o.said.empty()) {
            words =
                std::string(o.said) + " " + format_amount(list_number(o.list, settings.*o.index));
        }
    } else if (o.kind == OptionKind::Switch) {
        words = is_on(settings, o) ? o.said : o.said_off;
    }
    std::string parts;
    for (const Option* part : kOptions) {
        if (part->owner == &o && is_on(settings, o) == part->owner_on) {
            add_item(parts, described(settings, *part));
        }
    }
    if (words.empty() || parts.empty()) {
        return words + parts;
    }
    return words + " (" + parts + ")";
}

}  // namespace

std::string options_list(const Settings& settings) {
    std::string text;
    // The options that change how stakes move come first.
    for (bool stakes : {true, false}) {
        for (const Option* o : kOptions) {
            if (o->owner == nullptr && o->stake_option == stakes) {
                add_item(text, described(settings, *o));
            }
        }
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
    for (const Option* o : kOptions) {
        if (o->stake_option) {
            w.field_boolean(o->key, is_on(settings, *o));
        }
    }
    w.end_object();
}

}  // namespace corvane
