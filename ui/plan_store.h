// Where the player's money plan is remembered between starts: in the user's configuration
// folder ($XDG_CONFIG_HOME/corvane/corvane.conf), never in a settings file, whose lines stored
// files rely on.
#pragma once

#include <QString>

#include "engine/money_plan.h"

namespace corvane {

// The file that remembers what the player expects remembered outside the settings files.
QString remembered_settings_path();

// The plan remembered, or an empty plan where none is, or where what is there is not a plan
// the dialog would take.
MoneyPlan load_plan();

// Remembers the plan (an empty plan forgets it). Whether a warning rings the desktop's bell
// is remembered beside it.
void save_plan(const MoneyPlan& plan);
bool load_warning_sound();
void save_warning_sound(bool on);

}  // namespace corvane
