#include "settings/operations.h"

#include <algorithm>

namespace corvane {

namespace {

void write_line(SettingsText& text, int line, std::string value) {
    if (static_cast<int>(text.size()) <= line) {
        text.resize(line + 1);
    }
    text[line] = std::move(value);
}

std::vector<OpInfo> ops_of_the_table() {
    std::vector<OpInfo> ops;
    const auto add = [&](const NamedOp& o, OpArg arg) { ops.push_back({o.op, o.name, arg}); };
    for (const Option* o : kOptions) {
        switch (o->kind) {
            case OptionKind::Categories:
                add(o->on, OpArg::Category);
                add(o->off, OpArg::Category);
                break;
            case OptionKind::Switch:
                add(o->on, OpArg::None);
                add(o->off, OpArg::None);
                break;
            case OptionKind::List:
                add(o->step, o->clamped ? OpArg::Step : OpArg::UnitStep);
                if (o->repeat) {
                    add(*o->repeat, OpArg::Step);
                }
                if (o->release) {
                    add(*o->release, OpArg::None);
                }
                break;
        }
    }
    return ops;
}

// A unit step of a list option: moves only inside the list.
std::optional<int> unit_step(int index, const ListContent& list, int step) {
    const int next = index + step;
    if ((step != 1 && step != -1) || !in_list(list, next)) {
        return std::nullopt;
    }
    return next;
}

// A signed step clamped to the list; nothing at the list's end in the step's direction.
std::optional<int> clamped_step(int index, const ListContent& list, int step) {
    const int last = list_size(list) - 1;
    if (step == 0 || (step > 0 && index >= last) || (step < 0 && index <= 0)) {
        return std::nullopt;
    }
    const long next = static_cast<long>(index) + step;
    return static_cast<int>(std::clamp<long>(next, 0, last));
}

void set_switch(const Option& o, bool on, CategoryId category, SettingsState& s,
                GameEffects& game) {
    int line = o.line;
    if (o.kind == OptionKind::Categories) {
        s.settings.category_enabled[index_of(category)] = on;
        line += index_of(category);
    } else {
        s.settings.*o.flag = on;
    }
    write_line(s.text, line, on ? "1" : "0");
    if (o.effect != nullptr) {
        o.effect(on, category, s.settings, game);
    }
}

void move(const Option& o, bool writes_line, int step, SettingsState& s, GameEffects& game) {
    const int index = s.settings.*o.index;
    const std::optional<int> next =
        o.clamped ? clamped_step(index, o.list, step) : unit_step(index, o.list, step);
    if (!next) {
        return;
    }
    set_index(s, o, *next);
    if (writes_line) {
        write_line(s.text, o.line, std::to_string(*next));
    }
    if (o.effect != nullptr) {
        o.effect(true, {}, s.settings, game);
    }
}

}  // namespace

const std::vector<OpInfo>& setting_ops() {
    static const std::vector<OpInfo> ops = ops_of_the_table();
    return ops;
}

std::optional<OpInfo> find_op(std::string_view name) {
    for (const OpInfo& o : setting_ops()) {
        if (o.name == name) {
            return o;
        }
    }
    return std::nullopt;
}

void apply_op(SettingOp op, SettingsState& s, GameEffects& game, CategoryId category, int step) {
    for (const Option* o : kOptions) {
        if (o->kind != OptionKind::List) {
            if (op == o->on.op || op == o->off.op) {
                set_switch(*o, op == o->on.op, category, s, game);
                return;
            }
        } else if (o->release && op == o->release->op) {
            // Written at every release, so that a save keeps the value on show.
            write_line(s.text, o->line, std::to_string(s.settings.*o->index));
            return;
        } else if (op == o->step.op || (o->repeat && op == o->repeat->op)) {
            move(*o, op == o->step.op, step, s, game);
            return;
        }
    }
}

void set_index(SettingsState& s, const Option& option, int index) {
    Settings& st = s.settings;
    st.*option.index = index;
    for (const FamilyOptions& f : kFamilyOptions) {
        if (option.index == f.chain_length_index) {
            st.*f.window = static_cast<int>(list_number(option.list, index));
        }
    }
    s.moved[position_of(option)] = true;
}

std::string shown_text(const SettingsState& s, const Option& option) {
    if (!option.start_text.empty() && !s.moved[position_of(option)]) {
        return std::string(option.start_text);
    }
    return list_text(option.list, s.settings.*option.index);
}

}  // namespace corvane
