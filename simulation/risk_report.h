// The risk report of many sessions: how they ended, what they won or lost, and how sure those
// figures are, as text and as JSON.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings.h"
#include "simulation/interval_stats.h"
#include "simulation/session_runner.h"

namespace corvane {

// The percentiles the report gives, in percent.
inline constexpr std::array<int, 9> kReportPercentiles = {1, 5, 10, 25, 50, 75, 90, 95, 99};

// How the report's tables name the ways a session ends, by SessionEnd.
inline constexpr std::array<const char*, kSessionEndCount> kSessionEndWords = {
    "target reached", "stop loss", "ruined", "table limit", "played out"};

// The single-zero wheel's edge over every even-money or column bet: -1/37 of each stake.
inline constexpr double kHouseEdge = -1.0 / 37.0;

struct OutcomeShare {
    std::int64_t count = 0;
    double share = 0;
    Interval ci95;
};

struct RiskReport {
    std::uint64_t sessions = 0;
    std::uint64_t seed = 0;
    SessionRules rules;
    std::array<OutcomeShare, kSessionEndCount> outcomes;  // by SessionEnd
    MeanEstimate net;                                     // the final net of a session
    double net_min = 0;
    double net_max = 0;
    std::array<double, kReportPercentiles.size()> net_percentiles{};
    std::optional<RatioEstimate> net_per_staked;  // nothing when nothing was staked
    double mean_spins = 0;
    std::array<double, kReportPercentiles.size()> drawdown_percentiles{};
    double largest_stake = 0;
    std::int64_t longest_losing_run = 0;
};

RiskReport risk_report(const SessionsRun& run, const SessionsJob& job);

// Money as the report writes it, with two decimals at most: "12,35", "-0,5", "1000".
std::string money_text(double value);

// An interval as the report writes it, each end shown by `show`: "-33,6 to -25,7"; "n/a (one
// session)" without one.
std::string interval_text(const std::optional<Interval>& ci, std::string (*show)(double));

// The report as text tables, after the settings it was played with.
std::string risk_report_text(const RiskReport& report, const Settings& settings,
                             const std::optional<std::string>& settings_file);

// The report as one JSON object on one line.
std::string risk_report_json(const RiskReport& report, const Settings& settings,
                             const std::optional<std::string>& settings_file);

// The rules in words, for the report and the chart: "bankroll 1000, table max 500, no stop
// loss, target +100, sessions of at most 1000 spins".
std::string rules_text(const SessionRules& rules);

}  // namespace corvane
