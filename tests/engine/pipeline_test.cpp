#include "engine/engine.h"

#include <gtest/gtest.h>

#include "cli/trace.h"
#include "tests/support/engine_access.h"

namespace corvane {
namespace {

TEST(SpinPipeline, ClickRecordsTheNumberAndStartsTheAnimation) {
    Engine e;
    ASSERT_TRUE(e.click_number(7));
    const GameState& g = e.game();
    EXPECT_EQ(g.numbers, std::vector<std::uint8_t>{7});
    EXPECT_EQ(g.statistics_list, std::vector<std::uint8_t>{7});
    // The statistics already count the number in their base.
    EXPECT_EQ(stat_display_text(g.stats, Side::Red), "Red (100%)");
    EXPECT_EQ(stat_display_text(g.stats, Side::More), "More (0%)");
    EXPECT_EQ(g.history[0].number, 7);
    EXPECT_FALSE(g.input_ready);
    EXPECT_TRUE(g.covers_shown);
    EXPECT_TRUE(g.pressed[7]);
    EXPECT_TRUE(g.timer_running);
    EXPECT_FALSE(g.undo_available);
    // The snapshot holds the game before the number.
    EXPECT_FALSE(g.cancel_list.stats.computed);
    EXPECT_EQ(g.cancel_list.stats.count[index_of(Side::Red)], 0);
    // Prediction has not run: no window has the number yet.
    EXPECT_TRUE(g.category(CategoryId::RB).list_window.empty());
}

TEST(SpinPipeline, BusyBoardRefusesEveryNumber) {
    Engine e;
    ASSERT_TRUE(e.click_number(5));
    EXPECT_FALSE(e.click_number(5));
    EXPECT_FALSE(e.click_number(6));
    EXPECT_EQ(e.game().numbers.size(), 1U);
    EXPECT_FALSE(e.click_number(37));
    EXPECT_FALSE(e.click_number(-1));
}

// A number refused during the animation, from its first tick to its last, leaves no trace: no
// pressed cell, and the prediction runs on the number clicked before it. The tick that ends
// the spin frees the board for the next number.
TEST(SpinPipeline, RefusedNumberLeavesNoTraceAndTheLastTickFreesTheBoard) {
    for (int ticks : {0, 24}) {
        SCOPED_TRACE(ticks);
        Engine e;
        const GameState& g = e.game();
        ASSERT_TRUE(e.click_number(5));  // red
        for (int t = 0; t < ticks; ++t) {
            ASSERT_FALSE(e.tick());
        }
        EXPECT_FALSE(e.click_number(6));  // black
        EXPECT_FALSE(g.pressed[6]);
        EXPECT_EQ(g.numbers, std::vector<std::uint8_t>{5});
        EXPECT_EQ(g.history[0].number, 5);
        for (int t = ticks + 1; t < kAnimationTicks; ++t) {
            ASSERT_FALSE(e.tick());
        }
        ASSERT_TRUE(e.tick());
        EXPECT_EQ(g.category(CategoryId::RB).list_window.str(), "1");
        EXPECT_TRUE(e.click_number(6));
        EXPECT_EQ(g.numbers, (std::vector<std::uint8_t>{5, 6}));
    }
}

TEST(SpinPipeline, AnimationRunsTwentyFiveTicksThenPredicts) {
    Engine e;
    ASSERT_TRUE(e.click_number(3));
    for (int t = 1; t <= 24; ++t) {
        EXPECT_FALSE(e.tick());
        EXPECT_EQ(e.game().gauge1, 4 * t);
        EXPECT_FALSE(e.game().input_ready);
        EXPECT_TRUE(e.game().covers_shown);
        EXPECT_FALSE(e.game().undo_available);
    }
    EXPECT_TRUE(e.tick());
    const GameState& g = e.game();
    EXPECT_EQ(g.gauge1, 0);
    EXPECT_FALSE(g.pressed[3]);
    EXPECT_TRUE(g.input_ready);
    EXPECT_FALSE(g.timer_running);
    EXPECT_FALSE(g.covers_shown);
    EXPECT_TRUE(g.undo_available);
    EXPECT_EQ(g.category(CategoryId::D).list_window.str(), "1");
    EXPECT_EQ(g.category(CategoryId::C).list_window.str(), "3");
    // An idle timer ticks without effect.
    EXPECT_FALSE(e.tick());
    EXPECT_TRUE(e.click_number(3));
}

// Finishing a spin at any tick of its animation leaves the game as ticking it to its end does.
TEST(SpinPipeline, FinishingASpinAtAnyTickIsTickingItToTheEnd) {
    const std::vector<int> numbers = {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 0, 23, 4, 6};
    for (int ticks = 0; ticks <= kAnimationTicks; ++ticks) {
        SCOPED_TRACE(ticks);
        Engine ticked;
        Engine finished;
        for (int n : numbers) {
            ASSERT_TRUE(ticked.click_number(n));
            ASSERT_TRUE(finished.click_number(n));
            while (!ticked.tick()) {
            }
            for (int t = 0; t < ticks; ++t) {
                finished.tick();
            }
            finished.finish_spin();
            EXPECT_EQ(trace_line(finished, "", std::nullopt), trace_line(ticked, "", std::nullopt));
        }
        EXPECT_GT(finished.game().counts(Family::F12).bets_count, 0);  // bets were laid
    }
}

TEST(SpinPipeline, ZeroEntersTheNumbersButNotTheStatisticsOrWindows) {
    Engine e;
    e.spin(14);
    const GameState before = e.game();
    e.spin(0);
    const GameState& g = e.game();
    EXPECT_EQ(g.numbers, (std::vector<std::uint8_t>{14, 0}));
    EXPECT_EQ(g.statistics_list, std::vector<std::uint8_t>{14});
    EXPECT_EQ(g.stats, before.stats);
    for (CategoryId c : kAllCategories) {
        EXPECT_EQ(g.category(c).list_window, before.category(c).list_window);
        EXPECT_EQ(g.category(c).ind_window, before.category(c).ind_window);
    }
    EXPECT_EQ(g.history[0].number, 0);
    EXPECT_EQ(g.history[0].colour, HistoryColour::Zero);
}

TEST(SpinPipeline, DisabledCategoryWindowsStandStill) {
    Engine e;
    testing::settings_of(e).category_enabled[index_of(CategoryId::EO)] = false;
    testing::settings_of(e).category_enabled[index_of(CategoryId::C)] = false;
    for (int n : {1, 2, 3, 4}) {
        e.spin(n);
    }
    const GameState& g = e.game();
    EXPECT_EQ(g.category(CategoryId::RB).list_window.str(), "1010");
    EXPECT_TRUE(g.category(CategoryId::EO).list_window.empty());
    EXPECT_EQ(g.category(CategoryId::LM).list_window.str(), "1111");
    EXPECT_EQ(g.category(CategoryId::D).list_window.str(), "1111");
    EXPECT_TRUE(g.category(CategoryId::C).list_window.empty());
    EXPECT_EQ(g.numbers.size(), 4U);
}

TEST(SpinPipeline, EveryCategoryOffStillRecordsAndOffersTheUndo) {
    Engine e;
    testing::settings_of(e).category_enabled.fill(false);
    e.spin(32);
    const GameState& g = e.game();
    EXPECT_EQ(g.numbers, std::vector<std::uint8_t>{32});
    EXPECT_EQ(stat_display_text(g.stats, Side::Red), "Red (100%)");
    EXPECT_EQ(g.history[0].colour, HistoryColour::Red);
    EXPECT_TRUE(g.undo_available);
    EXPECT_TRUE(g.input_ready);
    for (CategoryId c : kAllCategories) {
        EXPECT_TRUE(g.category(c).list_window.empty());
    }
}

// A long headless run lets go of old numbers; the statistics and the undo go on as if every
// number were still there.
TEST(SpinPipeline, ForgettingOldNumbersChangesNothingObservableButTheLists) {
    Engine full;
    Engine lean;
    const int numbers[] = {3, 0, 14, 27, 8, 0, 36, 19, 5, 22, 0, 11, 31, 2, 17};
    for (int n : numbers) {
        full.spin(n);
        lean.spin(n);
        lean.forget_old_numbers(2);
    }
    EXPECT_EQ(lean.game().numbers, (std::vector<std::uint8_t>{2, 17}));
    EXPECT_EQ(lean.game().statistics_base(), full.game().statistics_base());
    EXPECT_EQ(lean.game().stats, full.game().stats);
    EXPECT_EQ(lean.game().bankroll, full.game().bankroll);
    ASSERT_TRUE(lean.undo());
    ASSERT_TRUE(full.undo());
    EXPECT_EQ(lean.game().stats, full.game().stats);
    EXPECT_EQ(lean.game().numbers, std::vector<std::uint8_t>{2});
    lean.new_game();
    EXPECT_EQ(lean.game().statistics_base(), 0);
}

}  // namespace
}  // namespace corvane
