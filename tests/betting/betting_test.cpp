#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "base/amount.h"
#include "betting/placement.h"
#include "betting/settlement.h"
#include "betting/stake_display.h"
#include "engine/engine.h"
#include "tests/support/engine_access.h"

namespace corvane {
namespace {

// Only the given categories are followed, so the bankroll reflects them alone.
void enable_only(Engine& e, std::initializer_list<CategoryId> categories) {
    for (CategoryId c : kAllCategories) {
        testing::settings_of(e).category_enabled[index_of(c)] = false;
    }
    for (CategoryId c : categories) {
        testing::settings_of(e).category_enabled[index_of(c)] = true;
    }
}

void spins(Engine& e, std::initializer_list<int> numbers) {
    for (int n : numbers) {
        ASSERT_TRUE(e.spin(n)) << n;
    }
}

bool bet_on(const GameState& g, Side s) {
    return g.mark(s).field && g.mark(s).stake;
}

// An active chain with its bet already open: chain `chain`, line `line`, the bet on `sides`.
void open_bet(GameState& g, CategoryId c, int chain, int line, std::initializer_list<Side> sides,
              int step, double bet) {
    CategoryState& st = g.category(c);
    st.match = true;
    st.set_chain_flag(chain);
    st.current_pattern = line;
    st.pattern_step = 2;
    st.progression_step = step;
    st.bet = bet;
    for (Side s : sides) {
        g.mark(s).field = g.mark(s).stake = true;
    }
}

const std::array<Side, kSideCount> kAllSides = {
    Side::Red,    Side::Black,  Side::Even,   Side::Odd,     Side::Less,    Side::More,
    Side::Dozen1, Side::Dozen2, Side::Dozen3, Side::Column1, Side::Column2, Side::Column3};

const std::initializer_list<int> kBlackThenTenReds = {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19};

// The two worked examples: a chain found, its bet lost and laid again at the next stake, then
// won; or a zero instead of the loss, which lays the same bet again without advancing the chain.
TEST(Betting, ChainIsBetUntilItsBetWins) {
    struct Case {
        CategoryId category;
        std::vector<int> numbers;  // up to the spin that finds the chain
        std::vector<Side> sides;   // bet against the chain
        int lost;
        int won;
        double stake;                    // after the loss
        std::array<double, 3> bankroll;  // after the first bet, the loss (bet again), the win
        int line;
        const char* hint;
    };
    const std::vector<Case> cases = {
        {CategoryId::RB,
         kBlackThenTenReds,
         {Side::Black},
         21,
         22,
         2.0,
         {999999.0, 999997.0, 1000001.0},
         0,
         "Chain 1  (1 = RED, 0 = BLACK):  111111111111..."},
        {CategoryId::D,
         {1, 13, 14, 15, 16, 17, 18, 19, 20},
         {Side::Dozen1, Side::Dozen3},
         21,
         5,
         3.0,
         {999998.0, 999992.0, 1000001.0},
         1,
         "Chain 1  (1 = 1ST Dozen, 2 = 2ND Dozen, 3 = 3RD Dozen):  222222222222..."},
    };
    for (const Case& t : cases) {
        for (bool zero : {false, true}) {
            SCOPED_TRACE(std::to_string(index_of(t.category)) + (zero ? " zero" : " loss"));
            Engine e;
            enable_only(e, {t.category});
            testing::settings_of(e).show_chains_id = !zero;  // chain labels go with bets if shown
            for (int n : t.numbers) {
                ASSERT_TRUE(e.spin(n));
            }
            const GameState& g = e.game();
            const CategoryState& st = g.category(t.category);
            const bool f12 = family_of(t.category) == Family::F12;
            const auto bets = [&] { return g.counts(f12 ? Family::F12 : Family::F23).bets_count; };
            const auto check_bet = [&] {
                for (Side s : kAllSides) {
                    const bool on = std::find(t.sides.begin(), t.sides.end(), s) != t.sides.end();
                    EXPECT_EQ(bet_on(g, s), on) << index_of(s);
                    EXPECT_EQ(g.mark(s).chain, on && !zero) << index_of(s);
                }
            };
            EXPECT_EQ(st.chainactive, 1U << 1);
            EXPECT_EQ(st.current_pattern, t.line);
            check_bet();
            EXPECT_EQ(chain_label_text(g.chain_label[index_of(t.category)]), "Ch 1");
            EXPECT_EQ(format_amount(g.stake_label[index_of(t.category)]), "1");
            EXPECT_EQ(g.bankroll, t.bankroll[0]);
            EXPECT_EQ(bets(), 1);
            EXPECT_EQ(hint_text(t.category, g.hints[index_of(t.category)]), t.hint);

            const std::string window = st.list_window.str();
            spins(e, {zero ? 0 : t.lost});
            EXPECT_EQ(st.progression_step, 1);
            EXPECT_EQ(st.bet, t.stake);
            EXPECT_EQ(g.stake_label[index_of(t.category)], t.stake);
            check_bet();
            EXPECT_EQ(g.bankroll, t.bankroll[1]);
            EXPECT_EQ(st.pattern_step, zero ? 2 : 3);
            EXPECT_EQ(bets(), 2);
            if (zero) {
                EXPECT_EQ(st.list_window.str(), window);
                continue;
            }
            spins(e, {t.won});
            EXPECT_EQ(g.bankroll, t.bankroll[2]);
            EXPECT_EQ(st.progression_step, 0);
            EXPECT_EQ(st.bet, 1.0);
            EXPECT_FALSE(st.match);
            EXPECT_EQ(st.chainactive, 0U);
            EXPECT_EQ(st.pattern_step, 1);
            for (Side s : kAllSides) {
                EXPECT_FALSE(g.mark(s).field || g.mark(s).stake || g.mark(s).chain);
            }
            EXPECT_EQ(bets(), 2);
            EXPECT_EQ(g.counts(f12 ? Family::F12 : Family::F23).wins_count, 1);
            EXPECT_EQ(g.counts(f12 ? Family::F12 : Family::F23).win_rate, 50);
            // No flag is left: the hint keeps describing the chain that was won.
            EXPECT_EQ(hint_text(t.category, g.hints[index_of(t.category)]), t.hint);
        }
    }
}

TEST(Betting, ChainRunningPastTheEndOfItsLine) {
    // Dozens, chain 1 line 1 (60 codes "2"): position 8 + 52 is the last code.
    Engine e;
    enable_only(e, {CategoryId::D});
    GameState& g = testing::game_of(e);
    open_bet(g, CategoryId::D, 1, 1, {}, 0, 1.0);
    g.category(CategoryId::D).pattern_step = 52;
    spins(e, {5});
    EXPECT_TRUE(bet_on(g, Side::Dozen1) && bet_on(g, Side::Dozen3));
    EXPECT_EQ(g.bankroll, 999998.0);
    spins(e, {14});  // lost; nothing is left of the line to bet against
    for (int i = 0; i < 2; ++i) {
        for (Side s : {Side::Dozen1, Side::Dozen2, Side::Dozen3}) {
            EXPECT_FALSE(g.mark(s).field || g.mark(s).stake || g.mark(s).chain);
        }
        EXPECT_EQ(g.bankroll, 999998.0);
        EXPECT_TRUE(g.category(CategoryId::D).match);
        EXPECT_EQ(g.category(CategoryId::D).pattern_step, 54 + i);
        EXPECT_EQ(g.category(CategoryId::D).bet, 3.0);
        EXPECT_EQ(g.counts(Family::F23).bets_count, 1);
        spins(e, {30});
    }

    // Red/Black, chain 1 line 1 (69 codes "0"): the last code is bet against with Red, then
    // past the end the Black side is bet.
    Engine r;
    enable_only(r, {CategoryId::RB});
    open_bet(testing::game_of(r), CategoryId::RB, 1, 1, {}, 0, 1.0);
    testing::game_of(r).category(CategoryId::RB).pattern_step = 59;
    spins(r, {2});
    EXPECT_TRUE(bet_on(r.game(), Side::Red));
    spins(r, {4});
    EXPECT_TRUE(bet_on(r.game(), Side::Black));
    EXPECT_FALSE(r.game().mark(Side::Red).field);
    EXPECT_EQ(r.game().bankroll, 999997.0);
}

TEST(Betting, TrendBettingLaysOnlyWhatFollowsTheChosenDirection) {
    struct Case {
        CategoryId category;
        int line;  // of chain 1: the predicted code repeated
        bool uptrend;
        std::vector<std::pair<Side, int>> shown;
        bool placed;
    };
    using P = std::pair<Side, int>;
    const std::vector<P> rb4555 = {P{Side::Red, 45}, P{Side::Black, 55}};
    const std::vector<P> rb50 = {P{Side::Red, 50}, P{Side::Black, 50}};
    const std::vector<P> d404515 = {P{Side::Dozen1, 40}, P{Side::Dozen2, 45}, P{Side::Dozen3, 15}};
    const std::vector<P> d503020 = {P{Side::Dozen1, 50}, P{Side::Dozen2, 30}, P{Side::Dozen3, 20}};
    // One section level with the predicted dozen 1, the other on the wrong side of it.
    const std::vector<P> d303040 = {P{Side::Dozen1, 30}, P{Side::Dozen2, 30}, P{Side::Dozen3, 40}};
    const std::vector<P> d404020 = {P{Side::Dozen1, 40}, P{Side::Dozen2, 40}, P{Side::Dozen3, 20}};
    const std::vector<Case> cases = {
        {CategoryId::RB, 1, false, rb4555, true},   // black predicted, Red behind
        {CategoryId::RB, 0, false, rb4555, false},  // red predicted, Black ahead
        {CategoryId::RB, 0, true, rb4555, true},   {CategoryId::RB, 1, true, rb4555, false},
        {CategoryId::RB, 0, false, rb50, false},   {CategoryId::RB, 1, false, rb50, false},
        {CategoryId::RB, 0, true, rb50, false},    {CategoryId::RB, 1, true, rb50, false},
        {CategoryId::D, 0, false, d404515, true},  // dozen 3 behind dozen 1
        {CategoryId::D, 0, true, d404515, true},   // dozen 2 ahead of dozen 1
        {CategoryId::D, 0, true, d503020, false},  {CategoryId::D, 0, false, d503020, true},
        {CategoryId::D, 0, false, d303040, false}, {CategoryId::D, 0, true, d404020, false},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(std::to_string(index_of(t.category)) + " line " + std::to_string(t.line) +
                     (t.uptrend ? " up" : " down"));
        GameState g;
        Settings s;
        s.trend_betting = true;
        s.bet_on_uptrend = t.uptrend;
        open_bet(g, t.category, 1, t.line, {}, 0, 1.0);
        g.category(t.category).pattern_step = 1;
        g.current_num = 7;
        for (const auto& [side, pct] : t.shown) {
            g.stats.shown[index_of(side)] = pct;
        }
        place_bet(g, s, t.category, g.current_num);

        const Family f = family_of(t.category);
        const char predicted = f == Family::F12 ? (t.line == 0 ? '1' : '0') : '1';
        int bet_sides = 0;
        for (const auto& [side, pct] : t.shown) {
            const bool bet_side = code_of_side(side) != predicted;
            bet_sides += bet_side ? 1 : 0;
            EXPECT_EQ(g.mark(side).hidden, bet_side) << index_of(side);
            EXPECT_EQ(bet_on(g, side), bet_side && t.placed) << index_of(side);
        }
        EXPECT_EQ(bet_sides, f == Family::F12 ? 1 : 2);
        const double charge = !t.placed ? 0.0 : f == Family::F12 ? 1.0 : 2.0;
        EXPECT_EQ(g.bankroll, kStartBankroll - charge);
        EXPECT_EQ(g.chain_label[index_of(t.category)], 1);
    }
}

TEST(Betting, HiddenBetThatWouldHaveWonEndsItsChain) {
    // Red and black alternate; on the last red the chain of alternation predicts black and
    // marks Red hidden (Red 54 is not behind Black), on a red number.
    const std::initializer_list<int> alternation = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12};
    for (bool with_eo : {true, false}) {
        SCOPED_TRACE(with_eo ? "with Even/Odd" : "alone");
        Engine e;
        if (with_eo) {
            enable_only(e, {CategoryId::RB, CategoryId::EO});
        } else {
            enable_only(e, {CategoryId::RB});
        }
        testing::settings_of(e).trend_betting = true;
        spins(e, alternation);
        const GameState& g = e.game();
        const CategoryState& rb = g.category(CategoryId::RB);
        // The later category's run tests the mark against the same number.
        EXPECT_EQ(rb.match, !with_eo);
        EXPECT_EQ(g.mark(Side::Red).hidden, !with_eo);
        EXPECT_FALSE(g.mark(Side::Red).field);
        EXPECT_EQ(g.bankroll, kStartBankroll);
        if (!with_eo) {
            EXPECT_EQ(rb.chainactive, 1U << 2);
            spins(e, {14});  // red: the waiting mark ends the chain, with no payout
            EXPECT_FALSE(rb.match);
            EXPECT_FALSE(g.mark(Side::Red).hidden);
            EXPECT_EQ(g.bankroll, kStartBankroll);
            EXPECT_EQ(g.counts(Family::F12).wins_count, 0);
        }
    }
}

// A trend bet that was placed keeps its hidden mark beside the bet field: the hidden check leaves
// it alone and the settlement pays it.
TEST(Betting, PlacedTrendBetIsSettledNotReset) {
    Engine e;
    enable_only(e, {CategoryId::RB});
    open_bet(testing::game_of(e), CategoryId::RB, 1, 1, {Side::Red}, 0, 1.0);
    testing::game_of(e).mark(Side::Red).hidden = true;
    testing::game_of(e).counts(Family::F12).bets_count = 7;
    testing::game_of(e).counts(Family::F12).wins_count = 2;
    ASSERT_TRUE(e.click_number(1));  // red
    hidden_bet_fields_check(testing::game_of(e), e.game().current_num);
    EXPECT_TRUE(e.game().category(CategoryId::RB).match);
    EXPECT_TRUE(e.game().mark(Side::Red).field);
    e.finish_spin();
    EXPECT_EQ(e.game().bankroll, 1000002.0);
    EXPECT_EQ(e.game().counts(Family::F12).wins_count, 3);
    EXPECT_EQ(e.game().counts(Family::F12).win_rate, 42);  // 3 of 7
}

TEST(Betting, BetAutomaticResetFiresOnlyAboveTheAim) {
    struct Case {
        int system;  // 0 "Martingale", 4 "FLAT"
        bool option;
        bool on_profit;
        double start;
        double end;
        double aim;
        bool restarted;
    };
    const std::vector<Case> cases = {
        {0, true, true, 1000000.0, 1000001.0, 1000001.0, false},  // equal to the aim
        {0, true, true, 1000001.0, 1000002.0, 1000003.0, true},
        {0, true, false, 1000001.0, 1000002.0, 1000002.1, true},   // Set Units 0,10
        {0, false, true, 1000001.0, 1000002.0, 1000001.0, true},   // the aim stays
        {0, false, true, 1000000.0, 1000001.0, 1000001.0, false},  // equal: nothing restarts
        {4, true, true, 1000001.0, 1000001.0, 1000001.0, false},   // a flat win never checks
        {4, true, true, 1000005.0, 1000005.0, 1000001.0, false},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE("row " + std::to_string(&t - cases.data()));
        Engine e;
        enable_only(e, {CategoryId::RB});
        testing::settings_of(e).bs12_index = t.system;
        testing::settings_of(e).bet_automatic_reset = t.option;
        testing::settings_of(e).bar_on_profit = t.on_profit;
        testing::game_of(e).bankroll = t.start;
        CategoryState& d = testing::game_of(e).category(CategoryId::D);  // switched off
        d.progression_step = 3;
        d.bet = 27.0;
        spins(e, kBlackThenTenReds);
        spins(e, {21, 22});  // lost, then won
        EXPECT_EQ(e.game().bankroll, t.end);
        EXPECT_EQ(e.game().bankroll_aim, t.aim);
        EXPECT_EQ(d.progression_step, t.restarted ? 0 : 3);
        EXPECT_EQ(d.bet, t.restarted ? 1.0 : 27.0);
    }
}

TEST(Betting, AutomaticResetPaysOpenBetsOnTheResetStake) {
    Engine e;
    enable_only(e, {CategoryId::RB, CategoryId::EO});
    Settings& s = testing::settings_of(e);
    s.bs12_index = 3;  // "Blind"
    s.bet_automatic_reset = true;
    s.bar_on_profit = false;
    s.bar_set_units_index = 14;  // 5
    GameState& g = testing::game_of(e);
    open_bet(g, CategoryId::RB, 1, 0, {Side::Black}, 3, 4.0);
    open_bet(g, CategoryId::EO, 1, 0, {Side::Odd}, 5, 6.0);
    g.category(CategoryId::D).progression_step = 4;
    spins(e, {13});  // black and odd: both win
    // Red/Black pays 8 and restarts every progression, then climbs from step 0; Even/Odd is
    // paid on the restarted stake of 1.
    EXPECT_EQ(g.bankroll, 1000010.0);
    EXPECT_EQ(g.bankroll_aim, 1000013.0);
    EXPECT_EQ(g.category(CategoryId::RB).progression_step, 1);
    EXPECT_EQ(g.category(CategoryId::RB).bet, 2.0);
    EXPECT_EQ(g.category(CategoryId::EO).progression_step, 1);
    EXPECT_EQ(g.category(CategoryId::EO).bet, 2.0);
    EXPECT_EQ(g.category(CategoryId::D).progression_step, 0);
    EXPECT_EQ(g.category(CategoryId::D).bet, 1.0);
}

TEST(Betting, ResetOnZeroRestartsEarlyProgressions) {
    struct Case {
        bool option;
        int step;
        double after_zero;  // bankroll after the re-laid bet is charged
        int step_after;
        double bet_after;
    };
    const std::vector<Case> cases = {
        {true, 0, 999998.0, 0, 1.0},
        {true, 1, 999996.0, 0, 1.0},
        {true, 2, 999992.0, 3, 8.0},
        {false, 0, 999998.0, 1, 2.0},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.step);
        Engine e;
        enable_only(e, {CategoryId::RB});
        testing::settings_of(e).reset_on_zero = t.option;
        testing::settings_of(e).roz_steps12_index = 1;  // 2 steps
        open_bet(testing::game_of(e), CategoryId::RB, 1, 0, {Side::Black}, t.step, 1 << t.step);
        testing::game_of(e).category(CategoryId::D).progression_step = 1;  // switched off
        testing::game_of(e).category(CategoryId::D).bet = 3.0;
        spins(e, {0});
        const GameState& g = e.game();
        EXPECT_EQ(g.category(CategoryId::D).progression_step, t.option ? 0 : 1);
        EXPECT_EQ(g.category(CategoryId::D).bet, t.option ? 1.0 : 3.0);
        EXPECT_EQ(g.bankroll, t.after_zero);
        EXPECT_EQ(g.category(CategoryId::RB).progression_step, t.step_after);
        EXPECT_EQ(g.category(CategoryId::RB).bet, t.bet_after);
        EXPECT_EQ(g.stake_label[index_of(CategoryId::RB)], t.bet_after);
        EXPECT_TRUE(bet_on(g, Side::Black));
        spins(e, {2});  // the re-laid bet wins on the stake held
        EXPECT_EQ(g.bankroll, t.after_zero + 2 * t.bet_after);
    }
}

// Each family restarts on a zero the progressions that have climbed at most its own number of
// steps; a progression one step further goes on, and a number other than the zero restarts none.
TEST(Betting, ResetOnZeroStopsAtEachFamilysNumberOfSteps) {
    struct Case {
        CategoryId category;
        int step;
        bool restarted;
    };
    const std::vector<Case> cases = {
        {CategoryId::RB, 3, true},  // the 1/2 family's 3 steps
        {CategoryId::EO, 4, false},
        {CategoryId::D, 5, true},  // the 2/3 family's 5 steps
        {CategoryId::C, 6, false},
    };
    for (int number : {0, 7}) {
        GameState g;
        Settings s;
        s.reset_on_zero = true;
        s.roz_steps12_index = 2;
        s.roz_steps23_index = 4;
        s.starting_bet_index = 6;  // 0,50
        for (const Case& t : cases) {
            g.category(t.category).progression_step = t.step;
            g.category(t.category).bet = 9.0;
        }
        g.current_num = number;
        reset_on_zero_check(g, s, number);
        for (const Case& t : cases) {
            SCOPED_TRACE(std::string(info(t.category).prefix) + " on " + std::to_string(number));
            const bool restarted = t.restarted && number == 0;
            EXPECT_EQ(g.category(t.category).progression_step, restarted ? 0 : t.step);
            EXPECT_EQ(g.category(t.category).bet, restarted ? 0.5 : 9.0);
        }
    }
}

// The stake held is what a win pays; a placement is charged from the progression step. The two
// differ once the starting bet has changed during a progression.
TEST(Betting, WinPaysTheStakeHeldWhilePlacementChargesFromTheStep) {
    Engine e;
    enable_only(e, {CategoryId::RB});
    testing::settings_of(e).starting_bet_index = 6;  // 0,50
    testing::game_of(e).category(CategoryId::RB).progression_step = 3;
    testing::game_of(e).category(CategoryId::RB).bet = 0.5;
    spins(e, kBlackThenTenReds);
    EXPECT_EQ(e.game().bankroll, 999996.0);  // 0,50 x 8
    spins(e, {2});
    EXPECT_EQ(e.game().bankroll, 999997.0);  // 2 x 0,50
    EXPECT_EQ(e.game().category(CategoryId::RB).bet, 0.5);
}

TEST(Betting, CalcBetsCountCountsPlacementsOfEnabledCategories) {
    struct Case {
        std::vector<Side> staked;
        std::vector<Side> hidden_only;
        std::vector<CategoryId> off;
        int more12;
        int more23;
    };
    const std::vector<Case> cases = {
        {{Side::Red, Side::Less, Side::Dozen1, Side::Dozen3}, {}, {}, 2, 1},
        {{Side::Red, Side::Less, Side::Dozen1, Side::Dozen3}, {}, {CategoryId::LM}, 1, 1},
        {{Side::Odd, Side::Dozen2, Side::Dozen3, Side::Column1, Side::Column2}, {}, {}, 1, 2},
        {{Side::Column1, Side::Column3}, {}, {CategoryId::C}, 0, 0},
        {{}, {Side::Red, Side::Even, Side::Dozen1, Side::Dozen2}, {}, 0, 0},
    };
    for (const Case& t : cases) {
        GameState g;
        Settings s;
        g.counts(Family::F12).bets_count = 5;
        g.counts(Family::F23).bets_count = 7;
        for (Side side : t.staked) {
            g.mark(side).field = g.mark(side).stake = true;
        }
        for (Side side : t.hidden_only) {
            g.mark(side).hidden = true;
        }
        for (CategoryId c : t.off) {
            s.category_enabled[index_of(c)] = false;
        }
        calc_bets_count(g, s);
        EXPECT_EQ(g.counts(Family::F12).bets_count, 5 + t.more12);
        EXPECT_EQ(g.counts(Family::F23).bets_count, 7 + t.more23);
    }
}

TEST(Betting, BetsButtonRestartsProgressionsAndBankrollOnly) {
    Engine e;
    enable_only(e, {CategoryId::RB});
    testing::settings_of(e).starting_bet_index = 6;  // 0,50
    GameState& g = testing::game_of(e);
    open_bet(g, CategoryId::RB, 1, 0, {Side::Black}, 3, 4.0);
    g.category(CategoryId::D).progression_step = 2;
    g.category(CategoryId::D).bet = 4.5;
    g.bankroll = 123.0;
    g.bankroll_aim = 456.0;
    g.counts(Family::F12).bets_count = 9;
    e.press_bets();
    for (CategoryId c : kAllCategories) {
        EXPECT_EQ(g.category(c).progression_step, 0);
        EXPECT_EQ(g.category(c).bet, 0.5);
        EXPECT_EQ(format_amount(g.stake_label[index_of(c)]), "0,5");
    }
    EXPECT_EQ(g.bankroll, 1000000.0);
    EXPECT_EQ(g.bankroll_aim, 1000001.0);
    EXPECT_TRUE(bet_on(g, Side::Black));
    EXPECT_TRUE(g.category(CategoryId::RB).match);
    EXPECT_EQ(g.counts(Family::F12).bets_count, 9);
    spins(e, {2});  // the open bet is settled at the new stake
    EXPECT_EQ(g.bankroll, 1000001.0);
}

TEST(Betting, HintsDescribeTheHighestFlaggedChain) {
    GameState g;
    g.category(CategoryId::RB).set_chain_flag(3);
    g.category(CategoryId::RB).current_pattern = 1;
    g.category(CategoryId::EO).set_chain_flag(2);
    g.category(CategoryId::EO).set_chain_flag(5);
    g.hints[index_of(CategoryId::LM)] = {4, 2};  // an earlier text, no flag now
    g.category(CategoryId::C).set_chain_flag(18);
    update_hints(g);
    const auto text = [&](CategoryId c) { return hint_text(c, g.hints[index_of(c)]); };
    EXPECT_EQ(text(CategoryId::RB), "Chain 3  (1 = RED, 0 = BLACK):  011011011011...");
    EXPECT_EQ(text(CategoryId::EO), "Chain 5  (1 = EVEN, 0 = ODD):  100001000010...");
    EXPECT_EQ(text(CategoryId::LM), "Chain 4  (1 = LESS, 0 = MORE):  011101110111...");
    EXPECT_EQ(text(CategoryId::D), "");
    EXPECT_EQ(text(CategoryId::C),
              "Chain 18  (1 = 1ST Column, 2 = 2ND Column, 3 = 3RD Column):  111122222211...");
    EXPECT_EQ(hint_text(CategoryId::D, {1, 0}),
              "Chain 1  (1 = 1ST Dozen, 2 = 2ND Dozen, 3 = 3RD Dozen):  111111111111...");
}

}  // namespace
}  // namespace corvane
