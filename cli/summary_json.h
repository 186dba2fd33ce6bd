// The backtest summary as JSON for other programs.
#pragma once

#include <string>
#include <vector>

#include "settings/settings.h"
#include "simulation/summary.h"

namespace corvane {

// One JSON object on one line: "settings", "seed" (null without random numbers), "runs" (one
// object per game) and "total" (their sums, even for a single game).
std::string summary_json(const std::vector<RunSummary>& runs, const Settings& settings,
                         const RunSetup& setup);

}  // namespace corvane
