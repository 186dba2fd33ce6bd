// The wheel's order, its sectors, and the tally that follows each pocket spin by spin.
#include "wheel/wheel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "base/categories.h"
#include "base/random_numbers.h"
#include "wheel/tally.h"

namespace corvane {
namespace {

TEST(Wheel, HoldsEveryNumberOnceWithItsNeighbours) {
    std::array<int, kPocketCount> seen{};
    for (int p = 0; p < kPocketCount; ++p) {
        ++seen[kWheelOrder[p]];
        EXPECT_EQ(kWheelPosition[kWheelOrder[p]], p);
    }
    EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int s) { return s == 1; }));
    // Round the rim both ways from the zero, and the colours alternating but for the zero.
    EXPECT_EQ(pocket_at(1), 32);
    EXPECT_EQ(pocket_at(-1), 26);
    EXPECT_EQ(pocket_at(kPocketCount + 2), 15);
    for (int p = 1; p + 1 < kPocketCount; ++p) {
        EXPECT_NE(is_red(pocket_at(p)), is_red(pocket_at(p + 1))) << "position " << p;
    }
}

struct SectorCase {
    const char* key;
    int size;
    std::vector<int> pockets;  // in wheel order
};

TEST(Wheel, SectorsHoldTheirArcs) {
    const SectorCase cases[] = {
        {"zero_neighbours", 17, {22, 18, 29, 7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25}},
        {"third", 12, {27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33}},
        {"orphans", 8, {17, 34, 6, 1, 20, 14, 31, 9}},
    };
    for (std::size_t i = 0; i < kSectors.size(); ++i) {
        const SectorInfo& s = kSectors[i];
        EXPECT_EQ(s.key, cases[i].key);
        EXPECT_EQ(s.size(), cases[i].size);
        std::vector<int> held;
        for (int p = 0; p < kPocketCount; ++p) {
            if (s.contains(pocket_at(p))) {
                held.push_back(pocket_at(p));
            }
        }
        std::vector<int> expected = cases[i].pockets;
        std::sort(expected.begin(), expected.end());
        std::sort(held.begin(), held.end());
        EXPECT_EQ(held, expected) << s.key;
    }
}

// The tally against what it stands for, counted afresh from the spins.
void expect_counts_of(const WheelTally& t, const std::vector<int>& spins) {
    const auto n = static_cast<std::int64_t>(spins.size());
    ASSERT_EQ(t.spins(), n);
    for (int pocket = 0; pocket < kPocketCount; ++pocket) {
        std::int64_t hits = 0;
        std::int64_t gap = 0;
        std::int64_t longest = 0;
        for (int s : spins) {
            hits += s == pocket ? 1 : 0;
            gap = s == pocket ? 0 : gap + 1;
            longest = std::max(longest, gap);
        }
        EXPECT_EQ(t.hits(pocket), hits) << pocket;
        EXPECT_EQ(t.since(pocket), gap) << pocket;
        EXPECT_EQ(t.longest_gap(pocket), longest) << pocket;
    }
    for (int side = 0; side < kSideCount; ++side) {
        std::int64_t since = -1;
        for (std::int64_t i = n - 1; i >= 0; --i) {
            if (number_on(static_cast<Side>(side), spins[static_cast<std::size_t>(i)])) {
                since = n - 1 - i;
                break;
            }
        }
        EXPECT_EQ(t.since_side(static_cast<Side>(side)), since) << "side " << side;
    }
}

TEST(WheelTally, CountsHitsGapsAndSidesAsTheSpinsCome) {
    WheelTally t;
    expect_counts_of(t, {});
    EXPECT_EQ(t.since(17), 0);
    const std::vector<std::vector<int>> games = {
        {17},
        {0, 0, 0},
        {5, 17, 5, 5, 0, 17},
        {36, 1, 2, 3, 0, 4, 36, 36},
    };
    for (const std::vector<int>& game : games) {
        t.clear();
        for (int n : game) {
            t.add(n);
        }
        expect_counts_of(t, game);
    }
    // A pocket not yet seen has waited every spin; one just hit has waited none.
    t.clear();
    for (int n : {3, 8, 8}) {
        t.add(n);
    }
    EXPECT_EQ(t.since(20), 3);
    EXPECT_EQ(t.longest_gap(20), 3);
    EXPECT_EQ(t.since(8), 0);
    EXPECT_EQ(t.longest_gap(8), 1);
    EXPECT_EQ(t.longest_gap(3), 2);
}

TEST(WheelTally, TakesBackTheLastSpinOnce) {
    SplitMix64 gen(7);
    WheelTally t;
    std::vector<int> spins;
    for (int i = 0; i < 2000; ++i) {
        const int n = static_cast<int>(gen.next() % kPocketCount);
        t.add(n);
        spins.push_back(n);
        if (gen.next() % 3 == 0) {
            ASSERT_TRUE(t.take_back());
            spins.pop_back();
            // Once only: the game's undo reaches back one number.
            EXPECT_FALSE(t.take_back());
            expect_counts_of(t, spins);
        }
    }
    expect_counts_of(t, spins);
    WheelTally fresh;
    for (int n : spins) {
        fresh.add(n);
    }
    EXPECT_EQ(t, fresh);
    // Taking back a pocket's first hit and the hit that closed its longest gap.
    WheelTally g;
    for (int n : {1, 1, 2, 2, 2, 2, 1}) {
        g.add(n);
    }
    EXPECT_EQ(g.longest_gap(1), 4);
    ASSERT_TRUE(g.take_back());
    expect_counts_of(g, {1, 1, 2, 2, 2, 2});
    WheelTally first;
    first.add(9);
    ASSERT_TRUE(first.take_back());
    EXPECT_EQ(first, WheelTally{});
    EXPECT_FALSE(WheelTally{}.take_back());
}

}  // namespace
}  // namespace corvane
