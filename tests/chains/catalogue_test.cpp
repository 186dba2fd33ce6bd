#include "chains/catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "chains/category.h"
#include "chains/chain_index.h"

namespace corvane {
namespace {

// Per chain: the number of lines and their length; where a second length is given, the second
// half of the chain's lines takes it.
struct Shape {
    int lines;
    int length;
    int second_half_length = 0;
};

const std::array<Shape, kChainCount> kShapes12 = {{
    {2, 69}, {2, 80, 79}, {4, 60}, {4, 60}, {4, 60}, {4, 60}, {4, 56}, {2, 58},
    {4, 60}, {4, 60},     {4, 63}, {4, 72}, {2, 60}, {4, 63}, {4, 64}, {4, 72},
    {2, 72}, {4, 72},     {4, 80}, {2, 80}, {4, 77}, {2, 72},
}};

const std::array<Shape, kChainCount> kShapes23 = {{
    {3, 60},  {12, 60}, {12, 60}, {12, 64},     {12, 65}, {12, 66},     {12, 63}, {12, 64, 66},
    {12, 65}, {12, 66}, {12, 70}, {12, 72},     {12, 72}, {12, 70},     {12, 72}, {12, 72},
    {12, 72}, {12, 80}, {12, 72}, {12, 80, 75}, {12, 77}, {12, 84, 90},
}};

TEST(Catalogue, SizesLineCountsAndLengths) {
    EXPECT_EQ(catalogue_line_count(Family::F12), 74);
    EXPECT_EQ(catalogue_line_count(Family::F23), 255);
    for (Family f : {Family::F12, Family::F23}) {
        const auto& shapes = f == Family::F12 ? kShapes12 : kShapes23;
        int sum = 0;
        for (int k = 1; k <= kChainCount; ++k) {
            const Shape& shape = shapes[k - 1];
            ASSERT_EQ(chain_line_count(f, k), shape.lines) << "chain " << k;
            sum += shape.lines;
            for (int i = 0; i < shape.lines; ++i) {
                const bool second = shape.second_half_length != 0 && i >= shape.lines / 2;
                EXPECT_EQ(
                    chain_line(f, k, i).size(),
                    static_cast<std::size_t>(second ? shape.second_half_length : shape.length))
                    << "chain " << k << " line " << i;
                // No two lines of a chain are the same pattern.
                for (int j = 0; j < i; ++j) {
                    EXPECT_NE(chain_line(f, k, i).substr(0, 56), chain_line(f, k, j).substr(0, 56));
                }
            }
        }
        EXPECT_EQ(sum, catalogue_line_count(f));
        EXPECT_EQ(chain_line_count(f, 0), 0);
        EXPECT_EQ(chain_line_count(f, 23), 0);
        EXPECT_EQ(chain_line(f, 1, 12), "");
        EXPECT_EQ(chain_line(f, 1, -1), "");
    }
}

// The shortest period of a line: the unit it repeats.
std::size_t period_of(std::string_view line) {
    for (std::size_t p = 1; p < line.size(); ++p) {
        if (line.substr(p) == line.substr(0, line.size() - p)) {
            return p;
        }
    }
    return line.size();
}

// Every line begins at the start of a run: the code that would stand before its first code in
// the repetition (the last code of its unit) is a different code.
TEST(Catalogue, EveryLineBeginsAtTheStartOfARun) {
    for (Family f : {Family::F12, Family::F23}) {
        const std::string_view codes = f == Family::F12 ? "01" : "123";
        for (int k = 1; k <= kChainCount; ++k) {
            for (int i = 0; i < chain_line_count(f, k); ++i) {
                const std::string_view line = chain_line(f, k, i);
                EXPECT_EQ(line.find_first_not_of(codes), std::string_view::npos);
                const std::size_t unit = period_of(line);
                EXPECT_EQ(unit == 1, k == 1) << "chain " << k << " line " << i;
                if (unit > 1) {
                    EXPECT_NE(line[unit - 1], line[0]) << "chain " << k << " line " << i;
                }
            }
        }
    }
}

TEST(Catalogue, Examples) {
    const std::string_view c8 = chain_line(Family::F12, 8, 0);
    EXPECT_EQ(c8.size(), 58U);
    EXPECT_EQ(c8.substr(0, 8), "11001100");
    EXPECT_EQ(c8.substr(52), "110011");  // fourteen periods, then 11
    EXPECT_EQ(chain_line(Family::F12, 2, 0).size(), 80U);
    EXPECT_EQ(chain_line(Family::F12, 2, 1).size(), 79U);
    EXPECT_EQ(chain_line(Family::F12, 2, 1).substr(0, 4), "0101");

    const std::array<std::string_view, 12> units = {
        "1111222222", "2222221111", "2222111111", "1111112222", "2222333333", "3333332222",
        "3333222222", "2222223333", "3333111111", "1111113333", "1111333333", "3333331111"};
    for (int i = 0; i < 12; ++i) {
        std::string want;
        for (int r = 0; r < 8; ++r) {
            want += units[i];
        }
        EXPECT_EQ(chain_line(Family::F23, 18, i), want) << "line " << i;
    }
}

// Straight from the rule: the lowest chain with a line beginning with the window, and the last
// such line within it.
ChainHit scan(Family f, std::string_view window) {
    for (int k = 1; k <= kChainCount; ++k) {
        ChainHit hit;
        for (int i = 0; i < chain_line_count(f, k); ++i) {
            if (chain_line(f, k, i).substr(0, window.size()) == window) {
                hit = ChainHit{k, i};
            }
        }
        if (hit) {
            return hit;
        }
    }
    return {};
}

TEST(ChainIndex, AgreesWithAPlainScanOfEveryLine) {
    std::mt19937 rng(20240611);
    for (Family f : {Family::F12, Family::F23}) {
        const std::string codes = f == Family::F12 ? "01" : "123";
        std::vector<std::string_view> lines;
        for (int k = 1; k <= kChainCount; ++k) {
            for (int i = 0; i < chain_line_count(f, k); ++i) {
                lines.push_back(chain_line(f, k, i));
            }
        }
        auto pick = [&](std::size_t n) {
            return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
        };
        int hits = 0;
        int prefix_hits = 0;
        for (std::size_t n = 3; n <= 30; ++n) {
            for (int trial = 0; trial < 300; ++trial) {
                std::string w;
                const std::string_view line = lines[pick(lines.size())];
                switch (trial % 3) {
                    case 0:  // random codes
                        for (std::size_t j = 0; j < n; ++j) {
                            w += codes[pick(codes.size())];
                        }
                        break;
                    case 1:  // the beginning of a line, its last code sometimes changed
                        w = line.substr(0, n);
                        if (pick(4) == 0) {
                            w.back() = codes[pick(codes.size())];
                        }
                        break;
                    default:  // a piece from inside a line
                        w = line.substr(pick(line.size() - n + 1), n);
                        break;
                }
                const ChainHit want = scan(f, w);
                ASSERT_EQ(find_chain(f, w), want) << w;
                const std::string_view prefix = std::string_view(w).substr(0, n - 1);
                ASSERT_EQ(begins_some_line(f, prefix), static_cast<bool>(scan(f, prefix)))
                    << prefix;
                hits += want ? 1 : 0;
                prefix_hits += begins_some_line(f, prefix) ? 1 : 0;
            }
        }
        EXPECT_GT(hits, 2000);
        EXPECT_GT(prefix_hits, 2000);
    }
}

// When a window is exactly one period of a two-code unit, the three-code line that shares that
// period stands later in the same chain and is the one recorded.
TEST(ChainIndex, ThreeCodeLineWinsOverTheTwoCodeLineItBeginsLike) {
    struct Case {
        int chain;
        int n;
        std::array<int, 6> recorded;  // for two-code lines 0..5
    };
    const std::array<Case, 5> cases = {{
        {8, 4, {6, 10, 7, 9, 8, 11}},
        {13, 6, {6, 10, 7, 9, 11, 8}},
        {17, 8, {6, 10, 7, 9, 8, 11}},
        {20, 10, {6, 10, 7, 9, 8, 11}},
        {22, 12, {6, 10, 7, 9, 8, 11}},
    }};
    for (const Case& c : cases) {
        for (int i = 0; i < 6; ++i) {
            const std::string_view w = chain_line(Family::F23, c.chain, i).substr(0, c.n);
            EXPECT_EQ(find_chain(Family::F23, w), (ChainHit{c.chain, c.recorded[i]}))
                << "chain " << c.chain << " line " << i;
        }
    }
}

}  // namespace
}  // namespace corvane
