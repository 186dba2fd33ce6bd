// The single-zero wheel: its pockets in the order they stand round the rim, and the sectors
// players name, each a row of one table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/numbers.h"

namespace corvane {

inline constexpr int kPocketCount = kNumberCount;

// The pockets clockwise from the zero.
inline constexpr std::array<int, kPocketCount> kWheelOrder = {
    0, 32, 15, 19, 4, 21, 2,  25, 17, 34, 6,  27, 13, 36, 11, 30, 8, 23, 10,
    5, 24, 16, 33, 1, 20, 14, 31, 9,  22, 18, 29, 7,  28, 12, 35, 3, 26};

// Where each number stands on the wheel: kWheelOrder[kWheelPosition[n]] is n.
inline constexpr std::array<int, kPocketCount> kWheelPosition = [] {
    std::array<int, kPocketCount> position{};
    for (int p = 0; p < kPocketCount; ++p) {
        position[kWheelOrder[p]] = p;
    }
    return position;
}();

// The pocket at a position of the wheel, counted round the rim from the zero either way.
constexpr int pocket_at(int position) {
    return kWheelOrder[((position % kPocketCount) + kPocketCount) % kPocketCount];
}

// Neighbouring pockets: the first in wheel order and how many follow it clockwise, itself
// included.
struct Arc {
    int first;
    int length;
};

// The sectors of the wheel that players name: the zero's neighbours, the third of the wheel
// opposite them, and the orphans between.
struct SectorInfo {
    std::string_view key;   // "zero_neighbours": its name in the tool's JSON
    std::string_view name;  // "Zero's neighbours": its name on screen
    std::array<Arc, 2> arcs;
    int arc_count;

    constexpr int size() const {
        int pockets = 0;
        for (int a = 0; a < arc_count; ++a) {
            pockets += arcs[a].length;
        }
        return pockets;
    }
    constexpr bool contains(int number) const {
        for (int a = 0; a < arc_count; ++a) {
            const int from = kWheelPosition[arcs[a].first];
            const int steps = (kWheelPosition[number] - from + kPocketCount) % kPocketCount;
            if (steps < arcs[a].length) {
                return true;
            }
        }
        return false;
    }
};

inline constexpr int kSectorCount = 3;
inline constexpr std::array<SectorInfo, kSectorCount> kSectors = {{
    {"zero_neighbours", "Zero's neighbours", {{{22, 17}, {0, 0}}}, 1},
    {"third", "Third of the wheel", {{{27, 12}, {0, 0}}}, 1},
    {"orphans", "Orphans", {{{1, 5}, {17, 3}}}, 2},
}};

static_assert(
    [] {
        for (int n = 0; n < kPocketCount; ++n) {
            int in = 0;
            for (const SectorInfo& s : kSectors) {
                in += s.contains(n) ? 1 : 0;
            }
            if (in != 1) {
                return false;
            }
        }
        return true;
    }(),
    "the sectors share the wheel out, each pocket to one of them");

}  // namespace corvane
