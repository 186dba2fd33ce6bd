// The backtest summary as text tables for a reader at a terminal.
#pragma once

#include <string>
#include <vector>

#include "settings/settings.h"
#include "simulation/summary.h"

namespace corvane {

// The settings, then one block per game (figures by category and family, chains matched) and
// a total after several.
std::string summary_text(const std::vector<RunSummary>& runs, const Settings& settings,
                         const RunSetup& setup);

}  // namespace corvane
