// Wheels that are not fair, for the tests of power: one pocket, or an arc of neighbouring
// pockets, comes up `factor` times as often as on a fair wheel, the other pockets sharing the
// rest alike. Each run is seeded, so a share of flagged runs is the same every time.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "base/random_numbers.h"
#include "wheel/fair_wheels.h"
#include "wheel/fairness.h"

namespace corvane::testing {

struct Bias {
    int first;   // the first pocket of the favoured arc, in wheel order
    int length;  // how many pockets it holds
    double factor;
};

class BiasedWheel {
  public:
    explicit BiasedWheel(const Bias& bias) {
        const double favoured = bias.factor / kPocketCount;
        const double other = (1.0 - bias.length * favoured) / (kPocketCount - bias.length);
        double sum = 0.0;
        for (int p = 0; p < kPocketCount; ++p) {
            const int steps = (p - kWheelPosition[bias.first] + kPocketCount) % kPocketCount;
            sum += steps < bias.length ? favoured : other;
            // The pocket at wheel position p takes the draws below its running sum.
            below_[p] = sum >= 1.0 ? UINT64_MAX : static_cast<std::uint64_t>(sum * 0x1.0p64);
        }
    }
    int draw(SplitMix64& gen) const {
        const auto p = std::upper_bound(below_.begin(), below_.end() - 1, gen.next());
        return kWheelOrder[static_cast<std::size_t>(p - below_.begin())];
    }
    PocketCounts spins(std::int64_t count, SplitMix64& gen) const {
        PocketCounts counts{};
        for (std::int64_t i = 0; i < count; ++i) {
            ++counts[draw(gen)];
        }
        return counts;
    }

  private:
    std::array<std::uint64_t, kPocketCount> below_{};
};

// The share of `runs` seeded runs of `spins` spins on the biased wheel that the reading flags
// (the combined p below 0.01), with the fair wheels of that many spins simulated once.
inline double flagged_share(const Bias& bias, std::int64_t spins, int runs, std::uint64_t seed) {
    const BiasedWheel wheel(bias);
    const FairWheels fair(spins);
    SplitMix64 seeds(seed);
    int flagged = 0;
    for (int r = 0; r < runs; ++r) {
        SplitMix64 gen(seeds.next());
        WheelFindings f = examine(wheel.spins(spins, gen));
        f.arc_p = fair.p_value(f.arcs);
        flagged += combined_p(f.pockets.p, *f.arc_p) < kSign ? 1 : 0;
    }
    return static_cast<double>(flagged) / runs;
}

// The README's table of how many spins a bias takes to show: the fewest spins, of two
// significant digits, at which the reading flags the bias in at least nine of ten of 2,000 runs
// from the row's seed. wheel_power_table finds them; the power test checks them.
struct PowerRow {
    const char* what;
    Bias bias;
    std::int64_t spins;
    std::uint64_t seed;
};
inline constexpr int kPowerRuns = 2000;
inline constexpr PowerRow kPowerTable[] = {
    {"one pocket at twice its chance", {17, 1, 2.0}, 1400, 1},
    {"an arc of 5 pockets at 1.5 times", {17, 5, 1.5}, 780, 2},
    {"one pocket at 1.5 times", {17, 1, 1.5}, 4900, 3},
    {"an arc of 5 pockets at 1.25 times", {17, 5, 1.25}, 3000, 4},
    {"an arc of 9 pockets at 1.25 times", {17, 9, 1.25}, 1400, 5},
    {"one pocket at 1.25 times", {17, 1, 1.25}, 18000, 6},
};

}  // namespace corvane::testing
