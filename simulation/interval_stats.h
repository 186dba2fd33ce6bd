// The statistics of a risk report: shares and means with their 95 % intervals, percentiles.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace corvane {

// The 97.5 % point of the standard normal distribution: a 95 % interval reaches this many
// standard errors to either side.
inline constexpr double kZ95 = 1.959963984540054;

struct Interval {
    double low = 0;
    double high = 0;
};

// The Wilson score interval of a share: `count` of `total` (at least 1). Unlike the share plus
// or minus its standard error, it stays inside 0..1 and is sound for shares near 0 or 1.
Interval wilson_interval(std::int64_t count, std::int64_t total);

// A mean with its 95 % interval (mean plus or minus kZ95 standard errors of the mean); no
// interval for fewer than two values.
struct MeanEstimate {
    double mean = 0;
    std::optional<Interval> ci95;
};
MeanEstimate mean_estimate(std::span<const double> values);

// The ratio of two sums over independent sessions, sum(a) / sum(b), with its 95 % interval by
// the delta method: the ratio's standard error is that of the mean of a - r * b divided by the
// mean of b. Nothing when sum(b) is 0; no interval for fewer than two sessions.
struct RatioEstimate {
    double value = 0;
    std::optional<Interval> ci95;
};
std::optional<RatioEstimate> ratio_estimate(std::span<const double> a, std::span<const double> b);

// The p-th percentile (0..100) of sorted values, interpolated linearly between the two nearest
// ranks (the value at rank p/100 x (n - 1), counting from 0). Values must not be empty.
double percentile(std::span<const double> sorted, double p);

}  // namespace corvane
