// Every change of an option goes through one of these operations: from the options panel or
// from a loaded settings file. Each changes the options, writes its line of the settings text
// and has its effect on the running game at once, through GameEffects. Each belongs to a row of
// the table of options, which says all of this; they know nothing of the window, which draws
// every option anew after a change, or of the game's own records.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/numbers.h"
#include "settings/settings.h"
#include "settings/settings_text.h"

namespace corvane {

// The options and their text, with what the options panel shows beyond them.
struct SettingsState {
    Settings settings;
    SettingsText text = default_settings_text();
    // For each option, in the order of kOptions: its value has been moved or loaded. Until then
    // an option with a start text shows that ("0,1" for Set Units).
    std::array<bool, kOptions.size()> moved{};
};

// The argument an operation takes.
enum class OpArg { None, Category, Step, UnitStep };

struct OpInfo {
    SettingOp op;
    std::string_view name;
    OpArg arg;
};

// Every operation of every option, in the order of the table.
const std::vector<OpInfo>& setting_ops();

// The operation of that name, or nothing.
std::optional<OpInfo> find_op(std::string_view name);

// Applies one operation. `category` is read by the category operations, `step` by the steps.
void apply_op(SettingOp op, SettingsState& s, GameEffects& game, CategoryId category = {},
              int step = 0);

// Sets a list option's index as it stands, without the operations' effects and without writing
// its line: a window length follows the chain length its family shows.
void set_index(SettingsState& s, const Option& option, int index);

// What the options panel shows as a list option's value.
std::string shown_text(const SettingsState& s, const Option& option);

}  // namespace corvane
