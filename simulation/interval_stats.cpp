#include "simulation/interval_stats.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace corvane {

Interval wilson_interval(std::int64_t count, std::int64_t total) {
    const auto n = static_cast<double>(total);
    const double p = static_cast<double>(count) / n;
    const double z2 = kZ95 * kZ95;
    const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double half = kZ95 / (1 + z2 / n) * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    // At a share of 0 or 1 the bound on that side is exact; rounding must not move it.
    return {count == 0 ? 0.0 : std::max(0.0, centre - half),
            count == total ? 1.0 : std::min(1.0, centre + half)};
}

namespace {

double sum(std::span<const double> values) {
    double s = 0;
    for (double v : values) {
        s += v;
    }
    return s;
}

// The standard error of the mean of values whose mean is `mean`: the sample standard deviation
// over the root of the count.
double standard_error(std::span<const double> values, double mean) {
    double squares = 0;
    for (double v : values) {
        squares += (v - mean) * (v - mean);
    }
    const auto n = static_cast<double>(values.size());
    return std::sqrt(squares / (n - 1) / n);
}

}  // namespace

MeanEstimate mean_estimate(std::span<const double> values) {
    MeanEstimate out;
    if (values.empty()) {
        return out;
    }
    out.mean = sum(values) / static_cast<double>(values.size());
    if (values.size() >= 2) {
        const double se = standard_error(values, out.mean);
        out.ci95 = Interval{out.mean - kZ95 * se, out.mean + kZ95 * se};
    }
    return out;
}

std::optional<RatioEstimate> ratio_estimate(std::span<const double> a, std::span<const double> b) {
    const double total_b = sum(b);
    if (total_b == 0 || a.size() != b.size()) {
        return std::nullopt;
    }
    RatioEstimate out;
    out.value = sum(a) / total_b;
    if (a.size() >= 2) {
        std::vector<double> residuals(a.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            residuals[i] = a[i] - out.value * b[i];
        }
        const double mean_b = total_b / static_cast<double>(b.size());
        const double se =
            standard_error(residuals, sum(residuals) / static_cast<double>(a.size())) /
            std::abs(mean_b);
        out.ci95 = Interval{out.value - kZ95 * se, out.value + kZ95 * se};
    }
    return out;
}

double percentile(std::span<const double> sorted, double p) {
    const double rank = p / 100.0 * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double fraction = rank - static_cast<double>(below);
    return sorted[below] + fraction * (sorted[above] - sorted[below]);
}

}  // namespace corvane
