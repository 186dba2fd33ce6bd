#include "wheel/fair_wheels.h"

#include <algorithm>
#include <cmath>

#include "wheel/special_functions.h"

namespace corvane {

namespace {

// A standard normal draw, by Marsaglia's polar method.
double normal(SplitMix64& gen) {
    for (;;) {
        const double u = 2.0 * uniform_open(gen) - 1.0;
        const double v = 2.0 * uniform_open(gen) - 1.0;
        const double s = u * u + v * v;
        if (s > 0.0 && s < 1.0) {
            return u * std::sqrt(-2.0 * std::log(s) / s);
        }
    }
}

// A gamma(a) draw for a ≥ 1, by Marsaglia and Tsang's method (2000).
double gamma_draw(double a, SplitMix64& gen) {
    const double d = a - 1.0 / 3.0;
    const double c = 1.0 / std::sqrt(9.0 * d);
    for (;;) {
        double x = 0.0;
        double v = 0.0;
        do {
            x = normal(gen);
            v = 1.0 + c * x;
        } while (v <= 0.0);
        v = v * v * v;
        const double u = uniform_open(gen);
        if (u < 1.0 - 0.0331 * x * x * x * x ||
            std::log(u) < 0.5 * x * x + d * (1.0 - v + std::log(v))) {
            return d * v;
        }
    }
}

// The k-th smallest of n uniform draws: beta(k, n + 1 − k).
double order_statistic(std::int64_t k, std::int64_t n, SplitMix64& gen) {
    const double x = gamma_draw(static_cast<double>(k), gen);
    const double y = gamma_draw(static_cast<double>(n + 1 - k), gen);
    return x / (x + y);
}

constexpr std::int64_t kCountedTrials = 32;  // below this a binomial is counted draw by draw

}  // namespace

double uniform_open(SplitMix64& gen) {
    return (static_cast<double>(gen.next() >> 11) + 0.5) * 0x1.0p-53;
}

std::int64_t binomial(std::int64_t n, double p, SplitMix64& gen) {
    std::int64_t successes = 0;
    while (n >= kCountedTrials) {
        // Below the k-th smallest draw y lie k − 1 draws uniform on (0, y), above it n − k
        // uniform on (y, 1); the draws below p are among the first if p < y, and otherwise
        // they are the first k and some of the rest.
        const std::int64_t k = (n + 1) / 2;
        const double y = order_statistic(k, n, gen);
        if (p < y) {
            n = k - 1;
            p /= y;
        } else {
            successes += k;
            n -= k;
            p = (p - y) / (1.0 - y);
        }
    }
    for (std::int64_t i = 0; i < n; ++i) {
        successes += uniform_open(gen) < p ? 1 : 0;
    }
    return successes;
}

PocketCounts multinomial_counts(std::int64_t spins, SplitMix64& gen) {
    PocketCounts counts{};
    std::int64_t left = spins;
    for (int i = 0; i + 1 < kPocketCount && left > 0; ++i) {
        counts[i] = binomial(left, 1.0 / (kPocketCount - i), gen);
        left -= counts[i];
    }
    counts[kPocketCount - 1] += left;
    return counts;
}

namespace {

// The tails of an arc search's best arcs, smallest first: the order in which two wheels are
// compared, the hottest arcs first.
using Tails = std::array<double, kArcLengths>;

Tails ordered(Tails tails) {
    std::sort(tails.begin(), tails.end());
    return tails;
}

}  // namespace

FairWheels::FairWheels(std::int64_t spins, int wheels, std::uint64_t seed,
                       const std::atomic<bool>* stop)
    : spins_(spins) {
    std::vector<BestArcHits> best;
    best.reserve(static_cast<std::size_t>(wheels));
    SplitMix64 seeds(seed);
    for (int w = 0; w < wheels; ++w) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            complete_ = false;
            return;
        }
        const std::uint64_t wheel_seed = seeds.next();
        PocketCounts counts{};
        if (spins <= kDirectSpins) {
            RandomNumbers numbers(wheel_seed);
            for (std::int64_t s = 0; s < spins; ++s) {
                ++counts[numbers.next()];
            }
        } else {
            SplitMix64 gen(wheel_seed);
            counts = multinomial_counts(spins, gen);
        }
        // The pockets of a fair wheel are alike: its counts stand for wheel positions as drawn.
        best.push_back(best_arc_hits(counts));
    }
    // Each length's tails, worked out once for every count of hits its best arcs reached, by
    // the same function as the observed arcs' tails, so that equal hits give equal tails.
    std::array<std::int64_t, kArcLengths> lowest{};
    std::array<std::vector<double>, kArcLengths> tails;
    for (int i = 0; i < kArcLengths; ++i) {
        std::int64_t low = spins;
        std::int64_t high = 0;
        for (const BestArcHits& b : best) {
            low = std::min(low, b[i]);
            high = std::max(high, b[i]);
        }
        lowest[i] = low;
        for (std::int64_t k = low; k <= high; ++k) {
            tails[i].push_back(binomial_tail(spins, static_cast<double>(i + 1) / kPocketCount, k));
        }
    }
    wheels_.reserve(best.size());
    for (const BestArcHits& b : best) {
        Tails t{};
        for (int i = 0; i < kArcLengths; ++i) {
            t[i] = tails[i][static_cast<std::size_t>(b[i] - lowest[i])];
        }
        wheels_.push_back(ordered(t));
    }
    std::sort(wheels_.begin(), wheels_.end());
}

double FairWheels::p_value(const ArcSearch& observed) const {
    // A fair wheel is hotter than the observed one when its hottest arc is less likely, or as
    // likely with its next hottest less likely, and so on down the lengths. Equal in every
    // length, it ties; a tie counts half (the mid-p value), and the observation ties with
    // itself.
    const Tails own = ordered(observed.tail);
    const auto [from, to] = std::equal_range(wheels_.begin(), wheels_.end(), own);
    const double hotter = static_cast<double>(from - wheels_.begin());
    const double ties = static_cast<double>(to - from);
    return (hotter + 0.5 * (ties + 1.0)) / static_cast<double>(wheels_.size() + 1);
}

}  // namespace corvane
