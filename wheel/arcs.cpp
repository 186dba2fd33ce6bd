#include "wheel/arcs.h"

#include <algorithm>

#include "wheel/special_functions.h"

namespace corvane {

namespace {

// The hits of every arc of every length, from the running sums of the counts round the rim
// and once more, so that an arc may pass the zero.
template <typename Visit>
void visit_arcs(const PocketCounts& by_position, Visit visit) {
    std::array<std::int64_t, kPocketCount + kArcLengths + 1> sum{};
    for (int i = 0; i < kPocketCount + kArcLengths; ++i) {
        sum[i + 1] = sum[i] + by_position[i % kPocketCount];
    }
    for (int length = 1; length <= kArcLengths; ++length) {
        for (int first = 0; first < kPocketCount; ++first) {
            visit(length, first, sum[first + length] - sum[first]);
        }
    }
}

}  // namespace

BestArcHits best_arc_hits(const PocketCounts& by_position) {
    BestArcHits best{};
    visit_arcs(by_position, [&best](int length, int, std::int64_t hits) {
        best[length - 1] = std::max(best[length - 1], hits);
    });
    return best;
}

ArcSearch search_arcs(const PocketCounts& by_number) {
    PocketCounts by_position{};
    std::int64_t spins = 0;
    for (int p = 0; p < kPocketCount; ++p) {
        by_position[p] = by_number[kWheelOrder[p]];
        spins += by_position[p];
    }
    ArcSearch s;
    s.spins = spins;
    s.best_hits.fill(-1);
    visit_arcs(by_position, [&s](int length, int first, std::int64_t hits) {
        if (hits > s.best_hits[length - 1]) {
            s.best_hits[length - 1] = hits;
            s.best_first[length - 1] = first;
        }
    });
    for (int length = 1; length <= kArcLengths; ++length) {
        s.tail[length - 1] = binomial_tail(spins, static_cast<double>(length) / kPocketCount,
                                           s.best_hits[length - 1]);
        if (s.tail[length - 1] < s.tail[s.hottest - 1]) {
            s.hottest = length;
        }
    }
    return s;
}

}  // namespace corvane
