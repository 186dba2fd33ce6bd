#include <initializer_list>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "base/amount.h"
#include "engine/engine.h"
#include "tests/support/engine_access.h"

namespace corvane {
namespace {

// Everything an undo puts back: the game as it stood before the last number.
void expect_same_game(const GameState& expected, const GameState& actual) {
    EXPECT_EQ(actual.numbers, expected.numbers);
    EXPECT_EQ(actual.statistics_list, expected.statistics_list);
    EXPECT_EQ(actual.bankroll, expected.bankroll);
    EXPECT_EQ(actual.bankroll_aim, expected.bankroll_aim);
    EXPECT_EQ(actual.family_counts, expected.family_counts);
    EXPECT_EQ(actual.stats, expected.stats);
    EXPECT_EQ(actual.stake_label, expected.stake_label);
    for (CategoryId c : kAllCategories) {
        SCOPED_TRACE(info(c).prefix);
        const CategoryState& a = actual.category(c);
        const CategoryState& x = expected.category(c);
        EXPECT_EQ(a.list_window.str(), x.list_window.str());
        EXPECT_EQ(a.ind_window.str(), x.ind_window.str());
        EXPECT_EQ(a.first_mark, x.first_mark);
        EXPECT_EQ(a.ind_mark, x.ind_mark);
        EXPECT_EQ(a.match, x.match);
        EXPECT_EQ(a.chainactive, x.chainactive);
        EXPECT_EQ(a.current_pattern, x.current_pattern);
        EXPECT_EQ(a.pattern_step, x.pattern_step);
        EXPECT_EQ(a.progression_step, x.progression_step);
        EXPECT_EQ(a.bet, x.bet);
    }
    for (int i = 0; i < kSideCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual.marks[i].field, expected.marks[i].field);
        EXPECT_EQ(actual.marks[i].stake, expected.marks[i].stake);
        EXPECT_EQ(actual.marks[i].chain, expected.marks[i].chain);
    }
}

// The 1/2 chain length at its shortest, 3, so that chains form after a few numbers.
void shortest_windows(Engine& e) {
    for (int i = 0; i < 7; ++i) {
        e.apply(SettingOp::CL12_Step, {}, -1);
    }
    ASSERT_EQ(e.settings().window12, 3);
}

void spin_all(Engine& e, std::initializer_list<int> numbers) {
    for (int n : numbers) {
        ASSERT_TRUE(e.spin(n)) << n;
    }
}

TEST(Undo, AfterTheFirstNumberEverythingIsAsAtTheStart) {
    Engine e;
    const GameState start = e.game();
    e.spin(17);
    ASSERT_TRUE(e.game().undo_available);
    ASSERT_TRUE(e.undo());
    const GameState& g = e.game();
    expect_same_game(start, g);
    EXPECT_FALSE(g.undo_available);
    EXPECT_EQ(stat_display_text(g.stats, Side::Less), "1-18 (0%)");
    EXPECT_EQ(stat_display_text(g.stats, Side::More), "19-36 (0%)");
    EXPECT_EQ(stat_display_text(g.stats, Side::Column2), "2ND C (0%)");
    for (const HistoryEntry& h : g.history) {
        EXPECT_EQ(h.number, -1);
        EXPECT_EQ(h.colour, HistoryColour::Black);
    }
    EXPECT_EQ(g.counts(Family::F12).win_rate, 0);
    EXPECT_EQ(g.counts(Family::F23).win_rate, 0);
}

TEST(Undo, OfAZeroKeepsTheNonZeroNumbers) {
    Engine e;
    spin_all(e, {1, 2, 4});
    const GameState before = e.game();
    e.spin(0);
    ASSERT_TRUE(e.undo());
    expect_same_game(before, e.game());
    EXPECT_EQ(e.game().statistics_list, (std::vector<std::uint8_t>{1, 2, 4}));
    EXPECT_EQ(stat_display_text(e.game().stats, Side::Black), "Black (67%)");
}

TEST(Undo, AfterAWinTheStandingBetIsBackWithItsStake) {
    Engine e;
    // A black, then ten reds: a Red/Black chain bets on Black; the next red loses (stake 2).
    spin_all(e, {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21});
    const GameState before = e.game();
    ASSERT_TRUE(before.mark(Side::Black).field);
    ASSERT_EQ(before.category(CategoryId::RB).bet, 2.0);
    e.spin(4);  // black: the bet is won
    ASSERT_GT(e.game().bankroll, before.bankroll);
    ASSERT_FALSE(e.game().mark(Side::Black).field);
    ASSERT_TRUE(e.undo());
    const GameState& g = e.game();
    expect_same_game(before, g);
    EXPECT_TRUE(g.mark(Side::Black).field);
    EXPECT_TRUE(g.mark(Side::Black).stake);
    EXPECT_TRUE(g.mark(Side::Black).chain);
    EXPECT_FALSE(g.mark(Side::Red).field);
    EXPECT_EQ(g.stake_label[index_of(CategoryId::RB)], 2.0);
    EXPECT_EQ(g.category(CategoryId::RB).progression_step, 1);
    EXPECT_EQ(g.counts(Family::F12).wins_count, 0);
}

// A win that lifts the bankroll above its aim moves the aim and restarts every progression;
// the undo takes all of it back, the aim to its round value of before the spin.
TEST(Undo, AfterAWinAboveTheAimTheAimAndTheProgressionsComeBack) {
    Engine e;
    testing::settings_of(e).category_enabled.fill(false);
    testing::settings_of(e).category_enabled[index_of(CategoryId::RB)] = true;
    spin_all(e, {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19});               // a bet of 1 on Black
    e.apply(SettingOp::BetAutomaticReset_On);                          // the aim: bankroll + 1
    testing::game_of(e).category(CategoryId::D).progression_step = 2;  // switched off
    testing::game_of(e).category(CategoryId::D).bet = 9.0;
    spin_all(e, {21});  // lost: laid again at 2
    const GameState before = e.game();
    ASSERT_EQ(before.bankroll, 999997.0);
    ASSERT_EQ(before.bankroll_aim, 1000000.0);
    e.spin(4);  // black: 4 paid, the bankroll stands above its aim
    ASSERT_EQ(e.game().bankroll, 1000001.0);
    ASSERT_EQ(e.game().bankroll_aim, 1000002.0);
    ASSERT_EQ(e.game().category(CategoryId::D).progression_step, 0);
    ASSERT_TRUE(e.undo());
    expect_same_game(before, e.game());
    EXPECT_EQ(format_amount(e.game().bankroll_aim), "1000000");
}

TEST(Undo, TwoSectionBetsComeBackOnTheirPair) {
    const std::tuple<std::vector<int>, int, Side, Side> cases[] = {
        {{13, 1, 2, 3}, 25, Side::Dozen2, Side::Dozen3},
        {{1, 13, 14, 15}, 36, Side::Dozen3, Side::Dozen1},
        {{1, 25, 26, 27}, 2, Side::Dozen1, Side::Dozen2},
    };
    for (const auto& [numbers, last, first, second] : cases) {
        SCOPED_TRACE(last);
        Engine e;
        for (int i = 0; i < 5; ++i) {
            e.apply(SettingOp::CL23_Step, {}, -1);  // 2/3 chain length 3
        }
        for (int n : numbers) {
            e.spin(n);
        }
        const GameState before = e.game();
        ASSERT_TRUE(before.mark(first).field && before.mark(second).field);
        e.spin(last);  // the bet is won and the chain ends
        ASSERT_FALSE(e.game().mark(first).field);
        ASSERT_TRUE(e.undo());
        expect_same_game(before, e.game());
    }
}

TEST(Undo, AfterASpinThatStartedAChainNothingOfItRemains) {
    Engine e;
    shortest_windows(e);
    spin_all(e, {2, 1, 4});
    const GameState before = e.game();
    e.spin(3);  // black, red, black, red: an alternation of three after its opposite
    ASSERT_TRUE(e.game().category(CategoryId::RB).match);
    ASSERT_TRUE(e.game().mark(Side::Red).field);
    ASSERT_TRUE(e.undo());
    const GameState& g = e.game();
    expect_same_game(before, g);
    for (CategoryId c : {CategoryId::RB, CategoryId::EO}) {
        EXPECT_FALSE(g.category(c).match);
        EXPECT_EQ(g.category(c).chainactive, 0U);
    }
    for (const SideMarks& m : g.marks) {
        EXPECT_FALSE(m.field || m.stake || m.chain);
    }
}

TEST(Undo, AChainEndedByAWinComesBackAloneWithLabelsAndHintsKept) {
    Engine e;
    shortest_windows(e);
    spin_all(e, {2, 1, 4, 3});
    const GameState before = e.game();
    ASSERT_TRUE(before.category(CategoryId::RB).chain_flag(2));
    e.spin(5);  // wins the chain-2 bet on Red and starts chain 3 on the same spin
    ASSERT_TRUE(e.game().category(CategoryId::RB).chain_flag(3));
    ASSERT_FALSE(e.game().category(CategoryId::RB).chain_flag(2));
    const GameState after = e.game();
    ASSERT_TRUE(e.undo());
    const GameState& g = e.game();
    expect_same_game(before, g);
    EXPECT_EQ(g.category(CategoryId::RB).chainactive, 1U << 2);
    EXPECT_EQ(g.category(CategoryId::EO).chainactive, 1U << 2);
    // The labels keep the text of the last placement, the hints describe the newer chain.
    EXPECT_EQ(g.chain_label, after.chain_label);
    EXPECT_EQ(g.chain_label[index_of(CategoryId::RB)], 3);
    EXPECT_EQ(g.hints, after.hints);
    EXPECT_EQ(g.hints[index_of(CategoryId::RB)].chain, 3);
}

TEST(Undo, WithChainIdsSwitchedOffTheRestoredBetsHaveNoChainLabel) {
    Engine e;
    shortest_windows(e);
    spin_all(e, {2, 1, 4, 3, 5});
    e.apply(SettingOp::ShowChainsId_Off);
    ASSERT_TRUE(e.undo());
    const GameState& g = e.game();
    for (Side s : {Side::Red, Side::Odd}) {
        EXPECT_TRUE(g.mark(s).field);
        EXPECT_TRUE(g.mark(s).stake);
        EXPECT_FALSE(g.mark(s).chain);
    }
}

TEST(Undo, IsNotOfferedTwiceInARow) {
    Engine e;
    EXPECT_FALSE(e.undo());
    spin_all(e, {1, 2});
    ASSERT_TRUE(e.undo());
    const GameState once = e.game();
    EXPECT_FALSE(e.undo());
    EXPECT_EQ(e.game().numbers, std::vector<std::uint8_t>{1});
    expect_same_game(once, e.game());
    EXPECT_EQ(e.game().history[0].number, 1);
    // The next spin offers it again, for that spin only.
    e.spin(3);
    EXPECT_TRUE(e.undo());
    EXPECT_EQ(e.game().numbers, std::vector<std::uint8_t>{1});
}

TEST(Undo, IndicatorsAndHiddenMarksStayHidden) {
    Engine e;
    spin_all(e, {2, 1, 3, 5, 7, 9, 12, 14, 16, 18});
    ASSERT_TRUE(e.game().mark(Side::Red).indicator);
    for (SideMarks& m : testing::game_of(e).marks) {
        m.hidden = true;
    }
    ASSERT_TRUE(e.undo());
    for (int i = 0; i < kSideCount; ++i) {
        EXPECT_FALSE(e.game().marks[i].indicator) << i;
        EXPECT_FALSE(e.game().marks[i].hidden) << i;
    }
}

TEST(Undo, AmountsComeBackAsTheirFifteenDigitValue) {
    Engine e;
    GameState& g = testing::game_of(e);
    g.bankroll = 1000000.123456789;
    g.bankroll_aim = 2000000.987654321;
    g.category(CategoryId::D).bet = 0.1 + 0.2;
    e.spin(7);
    ASSERT_TRUE(e.undo());
    EXPECT_EQ(e.game().bankroll, 1000000.12345679);
    EXPECT_EQ(e.game().bankroll_aim, 2000000.98765432);
    EXPECT_EQ(e.game().category(CategoryId::D).bet, 0.3);
    EXPECT_EQ(e.game().stake_label[index_of(CategoryId::D)], 0.3);
}

}  // namespace
}  // namespace corvane
