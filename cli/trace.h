// The state trace: one line of JSON describing everything a player can observe.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.h"

namespace corvane {

// The trace line after an action: `cmd` is the action as read, `message` the text of the
// message box it showed, if any.
std::string trace_line(const Engine& engine, std::string_view cmd,
                       const std::optional<std::string>& message);

}  // namespace corvane
