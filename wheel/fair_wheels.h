// What the hot-arc search finds on fair wheels: simulated wheels with the same number of
// spins, whose hottest arcs give the observed one its p-value. Looking at every arc of every
// length makes some arc look hot by chance alone; the simulation measures how hot, so the
// p-value accounts for every look.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "base/random_numbers.h"
#include "wheel/arcs.h"

namespace corvane {

// How many fair wheels a p-value is measured on, and the seed of their numbers: the same
// spins get the same p-value every time, and on every machine for games of up to
// kDirectSpins spins.
inline constexpr int kFairWheelCount = 9999;
inline constexpr std::uint64_t kFairWheelSeed = 0x57AB1E5EEDULL;
// Up to this many spins a fair wheel is simulated spin by spin; beyond, its pocket counts are
// drawn at once (multinomial_counts), at a cost that does not grow with the spins.
inline constexpr std::int64_t kDirectSpins = 16384;

class FairWheels {
  public:
    // Simulates `wheels` fair wheels of `spins` spins each. When `stop` turns true the work
    // ends early, unfinished (complete() is false then).
    explicit FairWheels(std::int64_t spins, int wheels = kFairWheelCount,
                        std::uint64_t seed = kFairWheelSeed,
                        const std::atomic<bool>* stop = nullptr);

    std::int64_t spins() const { return spins_; }
    bool complete() const { return complete_; }

    // The share of fair wheels hotter than the observed one: whose hottest arc is less likely
    // on a fair wheel, or, as likely, whose next hottest length is, and so on. Wheels that tie
    // in every length count half (the mid-p value), and so does the observation itself:
    // (k + ties / 2 + 1/2) / (wheels + 1), never below 1 / (2 (wheels + 1)). The observation
    // must come from as many spins as the wheels.
    double p_value(const ArcSearch& observed) const;

  private:
    std::int64_t spins_;
    // Each wheel's best arcs as their tails, smallest first; the wheels in that order.
    std::vector<std::array<double, kArcLengths>> wheels_;
    bool complete_ = true;
};

// Draws, used by the simulation (and checked on their own by the tests).
// A uniform number in (0, 1), from 53 random bits.
double uniform_open(SplitMix64& gen);
// Binomial(n, p): by counting draws below p for small n, and above that by Devroye's recursive
// method: the middle one of n uniform draws, taken from its beta distribution, splits the
// draws into two smaller binomials, of which only the one p falls in is drawn on.
std::int64_t binomial(std::int64_t n, double p, SplitMix64& gen);
// The pocket counts of `spins` spins of a fair wheel, in one go: each pocket's count is
// binomial among the spins the pockets before it left.
PocketCounts multinomial_counts(std::int64_t spins, SplitMix64& gen);

}  // namespace corvane
