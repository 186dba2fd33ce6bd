#include "settings/operations.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

constexpr std::array<OpInfo, 27> kOps = {{
    {SettingOp::Category_On, "Category_On", OpArg::Category},
    {SettingOp::Category_Off, "Category_Off", OpArg::Category},
    {SettingOp::ShowChainsId_On, "ShowChainsId_On", OpArg::None},
    {SettingOp::ShowChainsId_Off, "ShowChainsId_Off", OpArg::None},
    {SettingOp::StartingBet_Step, "StartingBet_Step", OpArg::Step},
    {SettingOp::StartingBet_Repeat, "StartingBet_Repeat", OpArg::Step},
    {SettingOp::StartingBet_Release, "StartingBet_Release", OpArg::None},
    {SettingOp::CL12_Step, "CL12_Step", OpArg::UnitStep},
    {SettingOp::CL23_Step, "CL23_Step", OpArg::UnitStep},
    {SettingOp::BS12_Step, "BS12_Step", OpArg::UnitStep},
    {SettingOp::BS23_Step, "BS23_Step", OpArg::UnitStep},
    {SettingOp::BS23_Release, "BS23_Release", OpArg::None},
    {SettingOp::ResetOnZero_On, "ResetOnZero_On", OpArg::None},
    {SettingOp::ResetOnZero_Off, "ResetOnZero_Off", OpArg::None},
    {SettingOp::ROZ_Steps12_Step, "ROZ_Steps12_Step", OpArg::UnitStep},
    {SettingOp::ROZ_Steps23_Step, "ROZ_Steps23_Step", OpArg::UnitStep},
    {SettingOp::BetAutomaticReset_On, "BetAutomaticReset_On", OpArg::None},
    {SettingOp::BetAutomaticReset_Off, "BetAutomaticReset_Off", OpArg::None},
    {SettingOp::BAR_OnProfit_Select, "BAR_OnProfit_Select", OpArg::None},
    {SettingOp::BAR_SetUnits_Select, "BAR_SetUnits_Select", OpArg::None},
    {SettingOp::BAR_SetUnits_Step, "BAR_SetUnits_Step", OpArg::Step},
    {SettingOp::BAR_SetUnits_Repeat, "BAR_SetUnits_Repeat", OpArg::Step},
    {SettingOp::BAR_SetUnits_Release, "BAR_SetUnits_Release", OpArg::None},
    {SettingOp::TrendBetting_On, "TrendBetting_On", OpArg::None},
    {SettingOp::TrendBetting_Off, "TrendBetting_Off", OpArg::None},
    {SettingOp::BetOnUptrend_Select, "BetOnUptrend_Select", OpArg::None},
    {SettingOp::BetOnDowntrend_Select, "BetOnDowntrend_Select", OpArg::None},
}};

void write_line(SettingsText& text, int line, std::string value) {
    if (static_cast<int>(text.size()) <= line) {
        text.resize(line + 1);
    }
    text[line] = std::move(value);
}

// The amount by which the bet automatic reset's aim stands above the bankroll.
double bar_amount(const Settings& st) {
    return st.bar_on_profit ? st.starting_bet() : st.bar_set_units();
}

// What an operation does to the game beyond the options.
using Effect = void (*)(bool on, SettingsState& s, GameEffects& game);

// A yes/no option: the operation that sets it, the one that clears it, and where it is kept.
struct Switch {
    SettingOp on;
    SettingOp off;
    bool Settings::*field;
    int line;
    Effect effect;  // nullptr: none
};

constexpr std::array<Switch, 6> kSwitches = {{
    {SettingOp::ShowChainsId_On, SettingOp::ShowChainsId_Off, &Settings::show_chains_id,
     line::kShowChainsId,
     [](bool on, SettingsState&, GameEffects& game) { game.show_chain_labels(on); }},
    {SettingOp::ResetOnZero_On, SettingOp::ResetOnZero_Off, &Settings::reset_on_zero,
     line::kResetOnZero, nullptr},
    {SettingOp::BetAutomaticReset_On, SettingOp::BetAutomaticReset_Off,
     &Settings::bet_automatic_reset, line::kBetAutomaticReset,
     [](bool on, SettingsState& s, GameEffects& game) {
         if (on) {
             game.move_aim(bar_amount(s.settings));
         }
     }},
    {SettingOp::BAR_OnProfit_Select, SettingOp::BAR_SetUnits_Select, &Settings::bar_on_profit,
     line::kBAROnProfit,
     [](bool, SettingsState& s, GameEffects& game) { game.move_aim(bar_amount(s.settings)); }},
    {SettingOp::TrendBetting_On, SettingOp::TrendBetting_Off, &Settings::trend_betting,
     line::kTrendBetting,
     [](bool on, SettingsState&, GameEffects& game) {
         if (!on) {
             game.end_all_bets();  // bets on show go without refund
         }
     }},
    {SettingOp::BetOnUptrend_Select, SettingOp::BetOnDowntrend_Select, &Settings::bet_on_uptrend,
     line::kBetOnUptrend, nullptr},
}};

// A list option moved by its arrows. A unit step moves by one, inside the list. The money
// lists step by any amount, clamped to the list, and repeat while an arrow is held: a repeat
// writes no line, the release of the arrow writes it.
struct Stepper {
    SettingOp step;
    std::optional<SettingOp> repeat;
    std::optional<SettingOp> release;
    int Settings::*index;
    ValueList list;
    int line;
    bool clamped;
    Effect effect;  // nullptr: none
};

constexpr std::array<Stepper, 8> kSteppers = {{
    {SettingOp::StartingBet_Step, SettingOp::StartingBet_Repeat, SettingOp::StartingBet_Release,
     &Settings::starting_bet_index, ValueList::StartingBet, line::kStartingBet, true,
     [](bool, SettingsState& s, GameEffects& game) {
         game.stakes_to_starting_bet(s.settings.starting_bet());
     }},
    {SettingOp::CL12_Step,
     {},
     {},
     &Settings::cl12_index,
     ValueList::CL12,
     line::kCL12,
     false,
     nullptr},
    {SettingOp::CL23_Step,
     {},
     {},
     &Settings::cl23_index,
     ValueList::CL23,
     line::kCL23,
     false,
     nullptr},
    {SettingOp::BS12_Step,
     {},
     {},
     &Settings::bs12_index,
     ValueList::BettingSystem12,
     line::kBS12,
     false,
     nullptr},
    // Only the 2/3 system list writes its line again at the release of an arrow.
    {SettingOp::BS23_Step,
     {},
     SettingOp::BS23_Release,
     &Settings::bs23_index,
     ValueList::BettingSystem23,
     line::kBS23,
     false,
     nullptr},
    {SettingOp::ROZ_Steps12_Step,
     {},
     {},
     &Settings::roz_steps12_index,
     ValueList::ROZSteps12,
     line::kROZSteps12,
     false,
     nullptr},
    {SettingOp::ROZ_Steps23_Step,
     {},
     {},
     &Settings::roz_steps23_index,
     ValueList::ROZSteps23,
     line::kROZSteps23,
     false,
     nullptr},
    {SettingOp::BAR_SetUnits_Step, SettingOp::BAR_SetUnits_Repeat, SettingOp::BAR_SetUnits_Release,
     &Settings::bar_set_units_index, ValueList::BARSetUnits, line::kBARSetUnits, true,
     [](bool, SettingsState& s, GameEffects& game) {
         s.set_units_shown_initial = false;
         game.move_aim(s.settings.bar_set_units());
     }},
}};

// A unit step of a list option: moves only inside the list.
bool unit_step(int& index, ValueList list, int step) {
    const int next = index + step;
    if ((step != 1 && step != -1) || !in_list(list, next)) {
        return false;
    }
    index = next;
    return true;
}

// A signed step clamped to the list; nothing at the list's end in the step's direction.
bool clamped_step(int& index, ValueList list, int step) {
    const int last = list_size(list) - 1;
    if (step == 0 || (step > 0 && index >= last) || (step < 0 && index <= 0)) {
        return false;
    }
    const long next = static_cast<long>(index) + step;
    index = static_cast<int>(std::clamp<long>(next, 0, last));
    return true;
}

void switch_category(SettingsState& s, GameEffects& game, CategoryId category, bool on) {
    s.settings.category_enabled[index_of(category)] = on;
    write_line(s.text, line::kCategoryFirst + index_of(category), on ? "1" : "0");
    if (!on) {
        game.category_switched_off(category);
    }
}

void set_switch(const Switch& w, bool on, SettingsState& s, GameEffects& game) {
    s.settings.*w.field = on;
    write_line(s.text, w.line, on ? "1" : "0");
    if (w.effect != nullptr) {
        w.effect(on, s, game);
    }
}

void move_stepper(const Stepper& k, bool writes_line, int step, SettingsState& s,
                  GameEffects& game) {
    Settings& st = s.settings;
    int& index = st.*k.index;
    if (!(k.clamped ? clamped_step(index, k.list, step) : unit_step(index, k.list, step))) {
        return;
    }
    // A window length follows the chain length its family shows.
    for (const FamilyOptions& f : kFamilyOptions) {
        if (k.index == f.chain_length_index) {
            st.*f.window = static_cast<int>(list_number(k.list, index));
        }
    }
    if (writes_line) {
        write_line(s.text, k.line, std::to_string(index));
    }
    if (k.effect != nullptr) {
        k.effect(true, s, game);
    }
}

}  // namespace

std::optional<OpInfo> find_op(std::string_view name) {
    for (const OpInfo& o : kOps) {
        if (o.name == name) {
            return o;
        }
    }
    return std::nullopt;
}

void apply_op(SettingOp op, SettingsState& s, GameEffects& game, CategoryId category, int step) {
    if (op == SettingOp::Category_On || op == SettingOp::Category_Off) {
        switch_category(s, game, category, op == SettingOp::Category_On);
        return;
    }
    for (const Switch& w : kSwitches) {
        if (op == w.on || op == w.off) {
            set_switch(w, op == w.on, s, game);
            return;
        }
    }
    for (const Stepper& k : kSteppers) {
        if (op == k.release) {
            // Written at every release, so that a save keeps the value on show.
            write_line(s.text, k.line, std::to_string(s.settings.*k.index));
            return;
        }
        if (op == k.step || op == k.repeat) {
            move_stepper(k, op == k.step, step, s, game);
            return;
        }
    }
}

}  // namespace corvane
