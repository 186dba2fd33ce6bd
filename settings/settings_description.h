// How the tool's reports describe the settings a run was played with, as text and as JSON.
#pragma once

#include <optional>
#include <string>

#include "base/json_writer.h"
#include "settings/settings.h"

namespace corvane {

// The categories switched on, by prefix in table order ("RB EO LM D C"), or "none".
std::string enabled_list(const Settings& settings);

// The options that change how stakes move, with their values, comma-separated, or "none".
std::string options_list(const Settings& settings);

// Three lines: the settings file (`file`, or "default" for the default settings); the
// categories, each family's betting system and chain length and the starting bet; the options.
std::string settings_text(const Settings& settings, const std::optional<std::string>& file);

// The settings as one JSON object: "file" (null for the default settings), "categories",
// the betting systems, the chain lengths, the starting bet and the options that change how
// stakes move, each on or off.
void write_settings(JsonWriter& w, const Settings& settings,
                    const std::optional<std::string>& file);

}  // namespace corvane
