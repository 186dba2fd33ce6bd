// The player's options: the record, and the table of options with one row each. A row gives an
// option's field, its line of the settings text, its default, its setting operations and what
// they do to a running game, its value on the options panel, its name in the state trace and
// its words in the settings described. The setting operations, the settings file, the trace and
// the description are each one procedure over these rows, and the options panel finds each
// control's option here; so an option is added here, with its control and its line in the
// manual. The options live beside the game and survive every reset of it.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "base/numbers.h"
#include "settings/game_effects.h"
#include "settings/value_lists.h"

namespace corvane {

// Each option's default is its row's in kOptions below.
struct Settings {
    // The category is analysed, bet on and settled on every spin.
    std::array<bool, kCategoryCount> category_enabled{};
    bool show_chains_id = false;       // a chain label ("Ch 5") goes with every bet on show
    int starting_bet_index = 0;        // into StartingBet_List
    int cl12_index = 0;                // into CL12_List: the chain length the 1/2 family shows
    int cl23_index = 0;                // into CL23_List
    int bs12_index = 0;                // into BettingSystem12_List
    int bs23_index = 0;                // into BettingSystem23_List
    bool reset_on_zero = false;        // "Reset On ZERO"
    int roz_steps12_index = 0;         // into ROZ_Steps12_List
    int roz_steps23_index = 0;         // into ROZ_Steps23_List
    bool bet_automatic_reset = false;  // "BET AUTOMATIC RESET"
    bool bar_on_profit = false;        // true: "On Profit", false: "Set Units"
    int bar_set_units_index = 0;       // into BAR_SetUnits_List
    bool trend_betting = false;        // "TREND BETTING"
    bool bet_on_uptrend = false;       // true: "Bet on uptrend", false: "Bet on downtrend"

    // Outcome-window lengths of the two families, held beside the options: the chain-length
    // operations and a loaded settings file set them to the number the option shows.
    int window12 = 0;
    int window23 = 0;

    // Every option at its default, and each window as long as the chain length it shows.
    Settings();

    bool enabled(CategoryId c) const { return category_enabled[index_of(c)]; }
    int window(Family f) const;
    int betting_system_index(Family f) const;
    int roz_steps(Family f) const;

    double starting_bet() const { return starting_bet_value(starting_bet_index); }
    std::string_view betting_system12() const {
        return betting_system_name(ValueList::BettingSystem12, bs12_index);
    }
    std::string_view betting_system23() const {
        return betting_system_name(ValueList::BettingSystem23, bs23_index);
    }
    int roz_steps12() const {
        return static_cast<int>(list_number(ValueList::ROZSteps12, roz_steps12_index));
    }
    int roz_steps23() const {
        return static_cast<int>(list_number(ValueList::ROZSteps23, roz_steps23_index));
    }
    double bar_set_units() const {
        return list_number(ValueList::BARSetUnits, bar_set_units_index);
    }
    // The amount by which the bet automatic reset's aim stands above the bankroll.
    double bar_amount() const { return bar_on_profit ? starting_bet() : bar_set_units(); }
};

// The options of each family, by their names in the record: one row for the 1/2 family and one
// for the 2/3 family, so that one procedure serves both.
struct FamilyOptions {
    int Settings::*chain_length_index;  // cl12_index: the chain length shown ...
    int Settings::*window;              // window12: ... and the window length it sets
    ValueList chain_lengths;            // CL12_List
    int Settings::*system_index;        // bs12_index
    ValueList systems;                  // BettingSystem12_List
    int Settings::*roz_steps_index;     // roz_steps12_index
    ValueList roz_steps;                // ROZ_Steps12_List
};
inline constexpr std::array<FamilyOptions, kFamilyCount> kFamilyOptions = {{
    {&Settings::cl12_index, &Settings::window12, ValueList::CL12, &Settings::bs12_index,
     ValueList::BettingSystem12, &Settings::roz_steps12_index, ValueList::ROZSteps12},
    {&Settings::cl23_index, &Settings::window23, ValueList::CL23, &Settings::bs23_index,
     ValueList::BettingSystem23, &Settings::roz_steps23_index, ValueList::ROZSteps23},
}};
constexpr const FamilyOptions& options_of(Family f) {
    return kFamilyOptions[index_of(f)];
}

inline int Settings::window(Family f) const {
    return this->*options_of(f).window;
}
inline int Settings::betting_system_index(Family f) const {
    return this->*options_of(f).system_index;
}
inline int Settings::roz_steps(Family f) const {
    const FamilyOptions& o = options_of(f);
    return static_cast<int>(list_number(o.roz_steps, this->*o.roz_steps_index));
}

// Every change of an option goes through one of these, from the options panel or from a loaded
// settings file; each belongs to one option of the table.
enum class SettingOp {
    Category_On,
    Category_Off,
    ShowChainsId_On,
    ShowChainsId_Off,
    StartingBet_Step,     // a step that completes a click: writes its line
    StartingBet_Repeat,   // an auto-repeat step while an arrow is held: writes nothing
    StartingBet_Release,  // release of a held arrow: writes the line
    CL12_Step,
    CL23_Step,
    BS12_Step,
    BS23_Step,
    BS23_Release,
    ResetOnZero_On,
    ResetOnZero_Off,
    ROZ_Steps12_Step,
    ROZ_Steps23_Step,
    BetAutomaticReset_On,
    BetAutomaticReset_Off,
    BAR_OnProfit_Select,
    BAR_SetUnits_Select,
    BAR_SetUnits_Step,
    BAR_SetUnits_Repeat,
    BAR_SetUnits_Release,
    TrendBetting_On,
    TrendBetting_Off,
    BetOnUptrend_Select,
    BetOnDowntrend_Select,
};

// A setting operation and its name in scripts.
struct NamedOp {
    SettingOp op = {};
    std::string_view name = {};
};

// What an option's operations do to a running game beyond the options, once these have
// changed: `on` tells a switch's two operations apart, `category` is the one a category switch
// acts on.
using OptionEffect = void (*)(bool on, CategoryId category, const Settings& settings,
                              GameEffects& game);

enum class OptionKind {
    Categories,  // a switch for each category, on five lines in the order of CategoryId
    Switch,      // on or off, "1" or "0" on its line
    List,        // an index into a value list on its line, moved by the option's arrows
};

// One option: a row names what its kind uses, everything else keeps its default.
struct Option {
    OptionKind kind = OptionKind::Switch;
    std::string_view key = {};  // its field in the record, as the state trace names it
    int line = 0;               // its line of the settings text; the categories start here

    // A switch: its field and default, and the operations that set and clear it.
    bool Settings::*flag = nullptr;
    bool on_by_default = false;
    NamedOp on = {};
    NamedOp off = {};

    // A list option: its field, list and default, and the operations of its arrows. A step
    // moves by one inside the list; a `clamped` one by any amount, clamped to the list, and
    // also repeats while an arrow is held: a repeat writes no line, a release writes it.
    int Settings::*index = nullptr;
    ListContent list = {};
    int default_index = 0;
    NamedOp step = {};
    bool clamped = false;
    std::optional<NamedOp> repeat = {};
    std::optional<NamedOp> release = {};
    std::string_view shown = {};       // the panel's label of its value, as the trace names it
    std::string_view start_text = {};  // shown instead of the entry until first moved or loaded

    OptionEffect effect = nullptr;  // nullptr: none

    // Part of another option, a switch: it counts only while that one is in force and in the
    // state `owner_on`. The panel dims it otherwise, and the description leaves it out.
    const Option* owner = nullptr;
    bool owner_on = true;

    // Its words in the settings described: a switch's while on (`said`) and while off
    // (`said_off`), a list option's before its number; nothing where empty. An option that
    // changes how stakes move is described first, and among the description's JSON fields.
    std::string_view said = {};
    std::string_view said_off = {};
    bool stake_option = false;
};

namespace option {

inline constexpr Option kCategories{
    .kind = OptionKind::Categories,
    .key = "category_enabled",
    .line = 0,
    .on_by_default = true,
    .on = {SettingOp::Category_On, "Category_On"},
    .off = {SettingOp::Category_Off, "Category_Off"},
    .effect =
        [](bool on, CategoryId category, const Settings&, GameEffects& game) {
            if (!on) {
                game.category_switched_off(category);
            }
        },
};

inline constexpr Option kShowChainsId{
    .key = "show_chains_id",
    .line = 5,
    .flag = &Settings::show_chains_id,
    .on_by_default = true,
    .on = {SettingOp::ShowChainsId_On, "ShowChainsId_On"},
    .off = {SettingOp::ShowChainsId_Off, "ShowChainsId_Off"},
    .effect = [](bool on, CategoryId, const Settings&,
                 GameEffects& game) { game.show_chain_labels(on); },
    .said_off = "chain labels hidden",
};

inline constexpr Option kStartingBet{
    .kind = OptionKind::List,
    .key = "starting_bet_index",
    .line = 7,
    .index = &Settings::starting_bet_index,
    .list = content_of(ValueList::StartingBet),
    .default_index = 11,  // "1"
    .step = {SettingOp::StartingBet_Step, "StartingBet_Step"},
    .clamped = true,
    .repeat = NamedOp{SettingOp::StartingBet_Repeat, "StartingBet_Repeat"},
    .release = NamedOp{SettingOp::StartingBet_Release, "StartingBet_Release"},
    .shown = "StartingBet",
    .effect = [](bool, CategoryId, const Settings& settings,
                 GameEffects& game) { game.stakes_to_starting_bet(settings.starting_bet()); },
};

// The chain lengths' steps write their lines themselves, and their releases add nothing.
inline constexpr Option kCL12{
    .kind = OptionKind::List,
    .key = "cl12_index",
    .line = 8,
    .index = &Settings::cl12_index,
    .list = content_of(ValueList::CL12),
    .default_index = 7,  // "10", the length the 1/2 windows start with
    .step = {SettingOp::CL12_Step, "CL12_Step"},
    .shown = "Chains_Length12_Text",
};

inline constexpr Option kCL23{
    .kind = OptionKind::List,
    .key = "cl23_index",
    .line = 9,
    .index = &Settings::cl23_index,
    .list = content_of(ValueList::CL23),
    .default_index = 5,  // "8"
    .step = {SettingOp::CL23_Step, "CL23_Step"},
    .shown = "Chains_Length23_Text",
};

inline constexpr Option kBS12{
    .kind = OptionKind::List,
    .key = "bs12_index",
    .line = 10,
    .index = &Settings::bs12_index,
    .list = content_of(ValueList::BettingSystem12),
    .default_index = 0,  // "Martingale"
    .step = {SettingOp::BS12_Step, "BS12_Step"},
    .shown = "BettingSystem12_Text",
};

// Only the 2/3 system list writes its line again at the release of an arrow.
inline constexpr Option kBS23{
    .kind = OptionKind::List,
    .key = "bs23_index",
    .line = 11,
    .index = &Settings::bs23_index,
    .list = content_of(ValueList::BettingSystem23),
    .default_index = 0,  // "3x Bet"
    .step = {SettingOp::BS23_Step, "BS23_Step"},
    .release = NamedOp{SettingOp::BS23_Release, "BS23_Release"},
    .shown = "BettingSystem23_Text",
};

inline constexpr Option kResetOnZero{
    .key = "reset_on_zero",
    .line = 13,
    .flag = &Settings::reset_on_zero,
    .on = {SettingOp::ResetOnZero_On, "ResetOnZero_On"},
    .off = {SettingOp::ResetOnZero_Off, "ResetOnZero_Off"},
    .said = "reset on zero",
    .stake_option = true,
};

inline constexpr Option kROZSteps12{
    .kind = OptionKind::List,
    .key = "roz_steps12_index",
    .line = 14,
    .index = &Settings::roz_steps12_index,
    .list = content_of(ValueList::ROZSteps12),
    .default_index = 0,  // "1"
    .step = {SettingOp::ROZ_Steps12_Step, "ROZ_Steps12_Step"},
    .shown = "ROZ_Steps12_Text",
    .owner = &kResetOnZero,
    .said = "1/2 steps",
};

inline constexpr Option kROZSteps23{
    .kind = OptionKind::List,
    .key = "roz_steps23_index",
    .line = 15,
    .index = &Settings::roz_steps23_index,
    .list = content_of(ValueList::ROZSteps23),
    .default_index = 0,  // "1"
    .step = {SettingOp::ROZ_Steps23_Step, "ROZ_Steps23_Step"},
    .shown = "ROZ_Steps23_Text",
    .owner = &kResetOnZero,
    .said = "2/3 steps",
};

inline constexpr Option kBetAutomaticReset{
    .key = "bet_automatic_reset",
    .line = 17,
    .flag = &Settings::bet_automatic_reset,
    .on = {SettingOp::BetAutomaticReset_On, "BetAutomaticReset_On"},
    .off = {SettingOp::BetAutomaticReset_Off, "BetAutomaticReset_Off"},
    .effect =
        [](bool on, CategoryId, const Settings& settings, GameEffects& game) {
            if (on) {
                game.move_aim(settings.bar_amount());
            }
        },
    .said = "bet automatic reset",
    .stake_option = true,
};

// The mode of the bet automatic reset: on, "On Profit"; off, "Set Units".
inline constexpr Option kBAROnProfit{
    .key = "bar_on_profit",
    .line = 18,
    .flag = &Settings::bar_on_profit,
    .on_by_default = true,
    .on = {SettingOp::BAR_OnProfit_Select, "BAR_OnProfit_Select"},
    .off = {SettingOp::BAR_SetUnits_Select, "BAR_SetUnits_Select"},
    .effect = [](bool, CategoryId, const Settings& settings,
                 GameEffects& game) { game.move_aim(settings.bar_amount()); },
    .owner = &kBetAutomaticReset,
    .said = "on profit",
};

// Its steps move the aim by the Set Units amount whichever the mode.
inline constexpr Option kBARSetUnits{
    .kind = OptionKind::List,
    .key = "bar_set_units_index",
    .line = 19,
    .index = &Settings::bar_set_units_index,
    .list = content_of(ValueList::BARSetUnits),
    .default_index = 0,  // "0,10"
    .step = {SettingOp::BAR_SetUnits_Step, "BAR_SetUnits_Step"},
    .clamped = true,
    .repeat = NamedOp{SettingOp::BAR_SetUnits_Repeat, "BAR_SetUnits_Repeat"},
    .release = NamedOp{SettingOp::BAR_SetUnits_Release, "BAR_SetUnits_Release"},
    .shown = "BAR_SetUnits_Text",
    .start_text = "0,1",
    .effect = [](bool, CategoryId, const Settings& settings,
                 GameEffects& game) { game.move_aim(settings.bar_set_units()); },
    .owner = &kBAROnProfit,
    .owner_on = false,
    .said = "set units",
};

inline constexpr Option kTrendBetting{
    .key = "trend_betting",
    .line = 21,
    .flag = &Settings::trend_betting,
    .on = {SettingOp::TrendBetting_On, "TrendBetting_On"},
    .off = {SettingOp::TrendBetting_Off, "TrendBetting_Off"},
    .effect =
        [](bool on, CategoryId, const Settings&, GameEffects& game) {
            if (!on) {
                game.end_all_bets();  // bets on show go without refund
            }
        },
    .said = "trend betting",
    .stake_option = true,
};

// The trend followed: on, "Bet on uptrend"; off, "Bet on downtrend".
inline constexpr Option kBetOnUptrend{
    .key = "bet_on_uptrend",
    .line = 22,
    .flag = &Settings::bet_on_uptrend,
    .on = {SettingOp::BetOnUptrend_Select, "BetOnUptrend_Select"},
    .off = {SettingOp::BetOnDowntrend_Select, "BetOnDowntrend_Select"},
    .owner = &kTrendBetting,
    .said = "uptrend",
    .said_off = "downtrend",
};

}  // namespace option

// Every option in the order of its lines, which is the order in which a settings file applies
// them and the trace lists them.
inline constexpr std::array kOptions = {
    &option::kCategories,
    &option::kShowChainsId,
    &option::kStartingBet,
    &option::kCL12,
    &option::kCL23,
    &option::kBS12,
    &option::kBS23,
    &option::kResetOnZero,
    &option::kROZSteps12,
    &option::kROZSteps23,
    &option::kBetAutomaticReset,
    &option::kBAROnProfit,
    &option::kBARSetUnits,
    &option::kTrendBetting,
    &option::kBetOnUptrend,
};

// The option's place in kOptions.
constexpr std::size_t position_of(const Option& o) {
    return static_cast<std::size_t>(std::find(kOptions.begin(), kOptions.end(), &o) -
                                    kOptions.begin());
}

// The lines of the settings text an option holds: one, or one per category.
constexpr int lines_of(const Option& o) {
    return o.kind == OptionKind::Categories ? kCategoryCount : 1;
}

// A switch's state; for the categories, that of `category`.
inline bool is_on(const Settings& s, const Option& o, CategoryId category = {}) {
    return o.kind == OptionKind::Categories ? s.enabled(category) : s.*o.flag;
}

// An option counts unless it is part of another that is out of force or in the other state.
inline bool in_force(const Settings& s, const Option& o) {
    return o.owner == nullptr || (in_force(s, *o.owner) && is_on(s, *o.owner) == o.owner_on);
}

inline Settings::Settings() {
    for (const Option* o : kOptions) {
        switch (o->kind) {
            case OptionKind::Categories:
                category_enabled.fill(o->on_by_default);
                break;
            case OptionKind::Switch:
                this->*o->flag = o->on_by_default;
                break;
            case OptionKind::List:
                this->*o->index = o->default_index;
                break;
        }
    }
    for (const FamilyOptions& f : kFamilyOptions) {
        this->*f.window =
            static_cast<int>(list_number(f.chain_lengths, this->*f.chain_length_index));
    }
}

}  // namespace corvane
