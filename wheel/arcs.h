// The hot-arc search: for each length from one pocket to half the wheel, the run of
// neighbouring pockets that came up most, and of these the one a fair wheel would give least
// often.
#pragma once

#include <array>
#include <cstdint>

#include "wheel/tally.h"
#include "wheel/wheel.h"

namespace corvane {

inline constexpr int kArcLengths = 18;  // arcs of 1 to 18 pockets

// The hits of the best arc of each length (index: length − 1), for counts given in wheel
// order: what the search and the simulated fair wheels both measure.
using BestArcHits = std::array<std::int64_t, kArcLengths>;
BestArcHits best_arc_hits(const PocketCounts& by_position);

struct ArcSearch {
    std::int64_t spins = 0;
    BestArcHits best_hits{};
    std::array<int, kArcLengths> best_first{};  // the position of each best arc's first pocket
    // Each best arc's tail on a fair wheel: the chance that an arc of its length gets at
    // least its hits, P(X ≥ hits) for X binomial with the spins and length/37.
    std::array<double, kArcLengths> tail{};
    int hottest = 1;  // the length whose best arc has the smallest tail (the shortest of ties)

    // The hottest arc.
    int length() const { return hottest; }
    int first_position() const { return best_first[hottest - 1]; }
    int first_pocket() const { return kWheelOrder[first_position()]; }
    std::int64_t hits() const { return best_hits[hottest - 1]; }
    double expected() const { return static_cast<double>(spins) * hottest / kPocketCount; }
    double smallest_tail() const { return tail[hottest - 1]; }
};

// Searches every arc of the wheel; of ties in hits the first from the zero clockwise.
ArcSearch search_arcs(const PocketCounts& by_number);

}  // namespace corvane
