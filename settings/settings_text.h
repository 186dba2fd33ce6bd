// The settings text: the options line by line, in the form in which they are saved. Each
// option's row gives its line; the lines between the groups stay empty.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "settings/settings.h"

namespace corvane {

using SettingsText = std::vector<std::string>;

// The lines of the settings text: up to the last option's.
inline constexpr int kSettingsLines = [] {
    int lines = 0;
    for (const Option* o : kOptions) {
        lines = std::max(lines, o->line + lines_of(*o));
    }
    return lines;
}();

// The lines of the default options.
SettingsText default_settings_text();

}  // namespace corvane
