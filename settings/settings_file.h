// Settings files: the lines of the settings text, read as a whole and applied through the
// setting operations, and written back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/operations.h"

namespace corvane {

// The largest settings file the program reads: the few short lines of a real one, and room for
// many more that a load keeps, stay far below it.
inline constexpr std::uintmax_t kMaxSettingsFileBytes = std::uintmax_t{1} << 20;

// The result of loading a settings text.
struct SettingsLoad {
    std::optional<std::string> error;  // why nothing was applied
};

// Checks the whole text first, then applies it line by line: the switches through their
// operations, with all their effects, the index lines as they stand. A text with a bad index
// line applies nothing.
SettingsLoad load_settings_text(std::string_view bytes, SettingsState& s, GameEffects& game);

// The settings file content: every line followed by CR LF.
std::string settings_file_text(const SettingsText& text);

}  // namespace corvane
