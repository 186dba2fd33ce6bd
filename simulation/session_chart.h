// The picture of a risk report: the net of every session over its spins, as a median with
// bands of the middle half and the middle 90 %, beside the loss the house edge leads one to
// expect; below it a histogram of the final net. What to draw is worked out here; chart/ draws
// it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "simulation/session_runner.h"

namespace corvane {

// Points across a session at which the chart reads every session's money.
inline constexpr int kChartPoints = 100;

// The percentiles of the chart's bands and line, in percent: 5-95, 25-75, the median.
inline constexpr std::array<int, 5> kBandPercentiles = {5, 25, 50, 75, 95};

struct SessionChart {
    std::string title;          // the settings played
    std::string subtitle;       // the rules and the number of sessions
    std::vector<double> spins;  // the x of each point, from 0
    // bands[k][j]: percentile kBandPercentiles[k] of the sessions' money at point j.
    std::array<std::vector<double>, kBandPercentiles.size()> bands;
    std::vector<double> expected;  // the house edge times the mean staked so far, at each point
    // The histogram of the final net: bin i holds counts[i] sessions with a net from edges[i]
    // up to edges[i + 1] (the last bin includes its upper edge).
    std::vector<double> edges;
    std::vector<std::int64_t> counts;
};

SessionChart session_chart(const SessionsRun& run, const SessionsJob& job, const Settings& settings,
                           const std::optional<std::string>& settings_file);

}  // namespace corvane
