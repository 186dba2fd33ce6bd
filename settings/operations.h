// Every change of an option goes through one of these operations: from the options panel or
// from a loaded settings file. Each changes the options, writes its line of the settings text
// and has its effect on the running game at once, through GameEffects. They know nothing of the
// window, which draws every option anew after a change, or of the game's own records.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/numbers.h"
#include "settings/settings.h"
#include "settings/settings_text.h"

namespace corvane {

// The options and their text, with what the options panel shows beyond them.
struct SettingsState {
    Settings settings;
    SettingsText text = default_settings_text();
    bool set_units_shown_initial = true;  // the Set Units value shows "0,1" until first changed
};

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

// The argument an operation takes.
enum class OpArg { None, Category, Step, UnitStep };

struct OpInfo {
    SettingOp op;
    std::string_view name;
    OpArg arg;
};

// The operation of that name, or nothing.
std::optional<OpInfo> find_op(std::string_view name);

// What the options change in a running game. The operations ask for these at once, in their
// own order; the engine that owns the game carries them out.
class GameEffects {
  public:
    virtual ~GameEffects() = default;
    // A category was switched off: its bet on show is dropped, with its stake given back, and
    // its chain ends.
    virtual void category_switched_off(CategoryId category) = 0;
    // Chain labels go with every bet on show, or none shows.
    virtual void show_chain_labels(bool shown) = 0;
    // StartingBet_Value: every category's stake becomes this starting bet, shown at once.
    virtual void stakes_to_starting_bet(double starting_bet) = 0;
    // The aim of the bet automatic reset becomes the bankroll plus this amount.
    virtual void move_aim(double amount) = 0;
    // Trend betting was switched off: every category's bets and chains end, without refund.
    virtual void end_all_bets() = 0;
};

// Applies one operation. `category` is read by the category operations, `step` by the steps.
void apply_op(SettingOp op, SettingsState& s, GameEffects& game, CategoryId category = {},
              int step = 0);

}  // namespace corvane
