#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "tests/support/files.h"

namespace corvane {
namespace {

// The strip as "text r,g,b" per entry, HisNum1 first.
std::vector<std::string> strip(const GameState& g) {
    std::vector<std::string> out;
    for (const HistoryEntry& e : g.history) {
        const Rgb c = rgb_of(e.colour);
        out.push_back((e.number < 0 ? "" : std::to_string(e.number)) + " " + std::to_string(c.r) +
                      "," + std::to_string(c.g) + "," + std::to_string(c.b));
    }
    return out;
}

std::vector<std::string> texts(const Statistics& s) {
    std::vector<std::string> out;
    for (int i = 0; i < kSideCount; ++i) {
        out.push_back(stat_display_text(s, static_cast<Side>(i)));
    }
    return out;
}

Engine played(const std::vector<int>& numbers) {
    Engine e;
    for (int n : numbers) {
        e.spin(n);
    }
    return e;
}

const std::string kEmpty = " 25,25,25";

TEST(HistoryStrip, NewestFirstOnThePocketColour) {
    std::vector<std::string> expected(kHistorySize, kEmpty);
    expected[0] = "32 102,0,0";
    expected[1] = "0 60,87,2";
    expected[2] = "5 102,0,0";
    EXPECT_EQ(strip(played({5, 0, 32}).game()), expected);
    // Neighbours on the layout differ in colour from their neighbours in number.
    EXPECT_EQ(strip(played({10, 11, 28, 29, 18, 19, 36, 35, 0, 1, 2}).game()),
              (std::vector<std::string>{"2 25,25,25", "1 102,0,0", "0 60,87,2", "35 25,25,25",
                                        "36 102,0,0", "19 102,0,0", "18 102,0,0", "29 25,25,25",
                                        "28 25,25,25", "11 25,25,25", "10 25,25,25"}));
}

TEST(HistoryStrip, TwelveNumbersKeepTheSecondOldestHidden) {
    Engine e = played({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    for (int i = 0; i < kHistorySize; ++i) {
        EXPECT_EQ(e.game().history[i].number, 12 - i) << "HisNum" << i + 1;
    }
}

TEST(HistoryStrip, UndoAfterTheEleventhNumberBringsTheFirstBack) {
    Engine e = played({4, 8, 15, 16, 23, 6, 11, 20, 2, 31, 13});
    ASSERT_TRUE(e.undo());
    const std::vector<int> expected = {31, 2, 20, 11, 6, 23, 16, 15, 8, 4, 4};
    for (int i = 0; i < kHistorySize; ++i) {
        EXPECT_EQ(e.game().history[i].number, expected[i]) << "HisNum" << i + 1;
    }
    EXPECT_EQ(strip(e.game())[9], "4 25,25,25");
}

TEST(HistoryStrip, UndoWithFewNumbersEndsTheRowWithAnEmptyBlackField) {
    Engine e = played({7, 8, 9});
    ASSERT_TRUE(e.undo());
    std::vector<std::string> expected(kHistorySize, kEmpty);
    expected[0] = "8 25,25,25";
    expected[1] = "7 102,0,0";
    EXPECT_EQ(strip(e.game()), expected);
}

TEST(Statistics, DisplayTextsAfterAGame) {
    const std::pair<std::vector<int>, std::vector<std::string>> cases[] = {
        {{7},
         {"Red (100%)", "Black (0%)", "Even (0%)", "Odd (100%)", "Less (100%)", "More (0%)",
          "1ST D (100%)", "2ND D (0%)", "3RD D (0%)", "1ST C (100%)", "2ND C (0%)", "3RD C (0%)"}},
        // Whole parts: 1 of 3 is 33 and 2 of 3 is 66; the second side is the complement.
        {{1, 2, 4},
         {"Red (33%)", "Black (67%)", "Even (66%)", "Odd (34%)", "Less (100%)", "More (0%)",
          "1ST D (100%)", "2ND D (0%)", "3RD D (0%)", "1ST C (66%)", "2ND C (33%)", "3RD C (0%)"}},
        {{1, 13, 25},
         {"Red (66%)", "Black (34%)", "Even (0%)", "Odd (100%)", "Less (66%)", "More (34%)",
          "1ST D (33%)", "2ND D (33%)", "3RD D (33%)", "1ST C (100%)", "2ND C (0%)", "3RD C (0%)"}},
        {{36, 0, 35, 0, 19},
         {"Red (66%)", "Black (34%)", "Even (33%)", "Odd (67%)", "Less (0%)", "More (100%)",
          "1ST D (0%)", "2ND D (33%)", "3RD D (66%)", "1ST C (33%)", "2ND C (33%)", "3RD C (33%)"}},
    };
    for (const auto& [numbers, expected] : cases) {
        const Engine e = played(numbers);
        EXPECT_EQ(texts(e.game().stats), expected);
        EXPECT_EQ("Odd (" + stat_value_text(e.game().stats, Side::Odd) + "%)", expected[3]);
    }
}

TEST(Statistics, BarsFollowTheFirstSideAndDozensTopAtNinetyNine) {
    const Engine e = played({1, 13, 25});
    const int values[] = {66, 0, 66, 33, 33, 33, 100, 0, 0};
    const int maxima[] = {100, 100, 100, 99, 99, 99, 100, 100, 100};
    for (int b = 0; b < kStatBarCount; ++b) {
        EXPECT_EQ(stat_bar_value(e.game().stats, static_cast<StatBar>(b)), values[b]) << b;
        EXPECT_EQ(stat_bar_maximum(static_cast<StatBar>(b)), maxima[b]) << b;
    }
}

TEST(Statistics, FiftyThreeRedsOfAHundred) {
    const int reds[] = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    const int blacks[] = {2, 4, 6, 8, 10, 11, 13, 15, 17, 20, 22, 24, 26, 28, 29, 31, 33, 35};
    Engine e;
    for (int i = 0; i < 100; ++i) {
        e.spin(i < 53 ? reds[i % 18] : blacks[i % 18]);
        e.spin(0);  // zeros do not enter the base
    }
    EXPECT_EQ(stat_display_text(e.game().stats, Side::Red), "Red (53%)");
    EXPECT_EQ(stat_display_text(e.game().stats, Side::Black), "Black (47%)");
    EXPECT_EQ(stat_bar_value(e.game().stats, StatBar::RedBlack), 53);
}

TEST(Statistics, ZeroChangesNothing) {
    Engine e = played({1, 2, 4});
    const Statistics before = e.game().stats;
    e.spin(0);
    EXPECT_EQ(e.game().stats, before);
    EXPECT_EQ(stat_display_text(e.game().stats, Side::Black), "Black (67%)");
}

TEST(Statistics, ZerosFromTheStartComputeNothing) {
    Engine e = played({0, 0});
    EXPECT_EQ(e.game().stats, Statistics{});
    EXPECT_EQ(texts(e.game().stats),
              (std::vector<std::string>{"Red (0%)", "Black (0%)", "Even (0%)", "Odd (0%)",
                                        "1-18 (0%)", "19-36 (0%)", "1ST D (0%)", "2ND D (0%)",
                                        "3RD D (0%)", "1ST C (0%)", "2ND C (0%)", "3RD C (0%)"}));
    e.spin(20);
    EXPECT_EQ(stat_display_text(e.game().stats, Side::More), "More (100%)");
}

TEST(Statistics, LoadResetKeepsTheTextsUntilTheNextNumber) {
    Engine e = played({7});
    const std::vector<std::string> after_seven = texts(e.game().stats);
    const std::string empty = testing::temp_path("empty_stats.kvn");
    std::ofstream(empty, std::ios::binary).flush();
    ASSERT_EQ(e.load_numbers(empty), std::nullopt);
    std::remove(empty.c_str());
    EXPECT_EQ(texts(e.game().stats), after_seven);
    EXPECT_EQ(stat_value_text(e.game().stats, Side::Red), "100");
    for (int b = 0; b < kStatBarCount; ++b) {
        EXPECT_EQ(stat_bar_value(e.game().stats, static_cast<StatBar>(b)), 0) << b;
    }
    e.spin(0);
    EXPECT_EQ(texts(e.game().stats), after_seven);
    e.spin(2);
    EXPECT_EQ(texts(e.game().stats),
              (std::vector<std::string>{"Red (0%)", "Black (100%)", "Even (100%)", "Odd (0%)",
                                        "Less (100%)", "More (0%)", "1ST D (100%)", "2ND D (0%)",
                                        "3RD D (0%)", "1ST C (0%)", "2ND C (100%)", "3RD C (0%)"}));
}

}  // namespace
}  // namespace corvane
