#include "simulation/session_chart.h"

#include <algorithm>
#include <cmath>

#include "settings/settings_description.h"
#include "simulation/interval_stats.h"
#include "simulation/risk_report.h"

namespace corvane {

namespace {

constexpr int kBins = 40;

void histogram(SessionChart& chart, const SessionsRun& run) {
    double low = run.results.front().net;
    double high = low;
    for (const SessionResult& r : run.results) {
        low = std::min(low, r.net);
        high = std::max(high, r.net);
    }
    if (high == low) {  // every session alike: one bin around the value
        low -= 0.5;
        high += 0.5;
    }
    const double width = (high - low) / kBins;
    for (int i = 0; i <= kBins; ++i) {
        chart.edges.push_back(low + width * i);
    }
    chart.edges.back() = high;
    chart.counts.assign(kBins, 0);
    for (const SessionResult& r : run.results) {
        const auto bin = static_cast<int>(std::floor((r.net - low) / width));
        ++chart.counts[static_cast<std::size_t>(std::clamp(bin, 0, kBins - 1))];
    }
}

}  // namespace

SessionChart session_chart(const SessionsRun& run, const SessionsJob& job, const Settings& settings,
                           const std::optional<std::string>& settings_file) {
    SessionChart chart;
    chart.title = "Corvane sessions: " + settings_file.value_or("default settings") + "; " +
                  enabled_list(settings) + "; 1/2 " + std::string(settings.betting_system12()) +
                  ", 2/3 " + std::string(settings.betting_system23()) + "; options " +
                  options_list(settings);
    chart.subtitle = std::to_string(job.sessions) + " sessions, seed " + std::to_string(job.seed) +
                     "; " + rules_text(job.rules);

    const std::size_t points = run.points.size();
    chart.spins.push_back(0);
    for (std::uint64_t s : run.points) {
        chart.spins.push_back(static_cast<double>(s));
    }
    for (auto& band : chart.bands) {
        band.assign(1, 0.0);  // every session starts at 0
    }
    chart.expected.push_back(0.0);
    std::vector<double> column(job.sessions);
    for (std::size_t j = 0; j < points; ++j) {
        for (std::size_t i = 0; i < job.sessions; ++i) {
            column[i] = run.net[i * points + j];
        }
        std::sort(column.begin(), column.end());
        for (std::size_t k = 0; k < kBandPercentiles.size(); ++k) {
            chart.bands[k].push_back(percentile(column, kBandPercentiles[k]));
        }
        chart.expected.push_back(kHouseEdge * run.mean_staked[j]);
    }
    histogram(chart, run);
    return chart;
}

}  // namespace corvane
