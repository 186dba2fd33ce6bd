// corvane-backtest --wheel: the numbers of one or more files taken together, by pocket and by
// sector of the wheel, with the tests of a fair wheel read in one sentence; as text, or as one
// JSON object.
#pragma once

#include <string>
#include <vector>

#include "cli/backtest_options.h"
#include "wheel/fairness.h"

namespace corvane {

// The report of a tally whose findings (the arc's p-value included) are made.
std::string wheel_report_text(const WheelTally& tally, const WheelFindings& findings,
                              const std::vector<std::string>& files);
std::string wheel_report_json(const WheelTally& tally, const WheelFindings& findings,
                              const std::vector<std::string>& files);

// Reads the files (each checked as the window's load button checks it, a bad one stopping the
// tool with exit status 2 before anything is counted), counts them as one game and prints the
// report. Returns the exit status.
int wheel_report_mode(const BacktestOptions& options);

}  // namespace corvane
