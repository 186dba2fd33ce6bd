#include "settings/operations.h"

#include <tuple>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "tests/support/engine_access.h"
#include "tests/support/scenes.h"

namespace corvane {
namespace {

// Checks that only `line` of the settings text differs from the default text, holding `text`.
void expect_only_line(const SettingsText& actual, int line, const std::string& text) {
    SettingsText expected = default_settings_text();
    expected[line] = text;
    EXPECT_EQ(actual, expected);
}

using testing::with_two_bets;

TEST(SettingOps, SwitchesWriteTheirLineBothWays) {
    const std::tuple<SettingOp, SettingOp, int, bool Settings::*> cases[] = {
        {SettingOp::ShowChainsId_On, SettingOp::ShowChainsId_Off, 5, &Settings::show_chains_id},
        {SettingOp::ResetOnZero_On, SettingOp::ResetOnZero_Off, 13, &Settings::reset_on_zero},
        {SettingOp::BetAutomaticReset_On, SettingOp::BetAutomaticReset_Off, 17,
         &Settings::bet_automatic_reset},
        {SettingOp::BAR_OnProfit_Select, SettingOp::BAR_SetUnits_Select, 18,
         &Settings::bar_on_profit},
        {SettingOp::TrendBetting_On, SettingOp::TrendBetting_Off, 21, &Settings::trend_betting},
        {SettingOp::BetOnUptrend_Select, SettingOp::BetOnDowntrend_Select, 22,
         &Settings::bet_on_uptrend},
    };
    for (const auto& [on, off, line, field] : cases) {
        SCOPED_TRACE(line);
        Engine e;
        e.apply(off);
        EXPECT_FALSE(e.settings().*field);
        expect_only_line(e.settings_text(), line, "0");
        e.apply(on);
        EXPECT_TRUE(e.settings().*field);
        expect_only_line(e.settings_text(), line, "1");
    }
    for (CategoryId c : kAllCategories) {
        Engine e;
        e.apply(SettingOp::Category_Off, c);
        EXPECT_FALSE(e.settings().enabled(c));
        expect_only_line(e.settings_text(), index_of(c), "0");
        e.apply(SettingOp::Category_On, c);
        EXPECT_TRUE(e.settings().enabled(c));
        expect_only_line(e.settings_text(), index_of(c), "1");
    }
}

struct Step {
    SettingOp op;
    int step;
    int line;
    const char* text;
    int Settings::*field;
    int value;
};

TEST(SettingOps, StepsMoveTheIndexAndWriteTheirLine) {
    const Step cases[] = {
        {SettingOp::StartingBet_Step, +3, 7, "14", &Settings::starting_bet_index, 14},
        {SettingOp::StartingBet_Step, -11, 7, "0", &Settings::starting_bet_index, 0},
        {SettingOp::CL12_Step, -1, 8, "6", &Settings::cl12_index, 6},
        {SettingOp::CL12_Step, +1, 8, "8", &Settings::cl12_index, 8},
        {SettingOp::CL23_Step, +1, 9, "6", &Settings::cl23_index, 6},
        {SettingOp::CL23_Step, -1, 9, "4", &Settings::cl23_index, 4},
        {SettingOp::BS12_Step, +1, 10, "1", &Settings::bs12_index, 1},
        {SettingOp::BS23_Step, +1, 11, "1", &Settings::bs23_index, 1},
        {SettingOp::ROZ_Steps12_Step, +1, 14, "1", &Settings::roz_steps12_index, 1},
        {SettingOp::ROZ_Steps23_Step, +1, 15, "1", &Settings::roz_steps23_index, 1},
        {SettingOp::BAR_SetUnits_Step, +25, 19, "25", &Settings::bar_set_units_index, 25},
    };
    for (const Step& c : cases) {
        SCOPED_TRACE(std::to_string(c.line) + " " + c.text);
        Engine e;
        testing::game_of(e).category(CategoryId::RB).bet = 4;
        e.apply(c.op, {}, c.step);
        EXPECT_EQ(e.settings().*c.field, c.value);
        expect_only_line(e.settings_text(), c.line, c.text);
        if (c.op != SettingOp::StartingBet_Step) {  // no other option recomputes a stake
            EXPECT_EQ(e.game().category(CategoryId::RB).bet, 4);
        }
        EXPECT_EQ(e.settings().window12, c.line == 8 ? 3 + c.value : 10);
        EXPECT_EQ(e.settings().window23, c.line == 9 ? 3 + c.value : 8);
    }
    Engine e;
    e.apply(SettingOp::BS12_Step, {}, +1);
    e.apply(SettingOp::BS12_Step, {}, +1);
    e.apply(SettingOp::BS23_Step, {}, +1);
    e.apply(SettingOp::BS23_Step, {}, +1);
    EXPECT_EQ(e.settings().betting_system12(), "Donald");
    EXPECT_EQ(e.settings().betting_system23(), "D-Donald");
}

struct End {
    SettingOp op;
    int Settings::*field;
    int index;
    int step;
};

TEST(SettingOps, AtTheEndOfItsListAStepDoesNothing) {
    const End cases[] = {
        {SettingOp::StartingBet_Step, &Settings::starting_bet_index, 5010, +1},
        {SettingOp::StartingBet_Step, &Settings::starting_bet_index, 0, -5},
        {SettingOp::StartingBet_Repeat, &Settings::starting_bet_index, 5010, +3},
        {SettingOp::CL12_Step, &Settings::cl12_index, 27, +1},
        {SettingOp::CL12_Step, &Settings::cl12_index, 0, -1},
        {SettingOp::CL23_Step, &Settings::cl23_index, 27, +1},
        {SettingOp::CL23_Step, &Settings::cl23_index, 0, -1},
        {SettingOp::BS12_Step, &Settings::bs12_index, 4, +1},
        {SettingOp::BS12_Step, &Settings::bs12_index, 0, -1},
        {SettingOp::BS23_Step, &Settings::bs23_index, 4, +1},
        {SettingOp::BS23_Step, &Settings::bs23_index, 0, -1},
        {SettingOp::ROZ_Steps12_Step, &Settings::roz_steps12_index, 19, +1},
        {SettingOp::ROZ_Steps23_Step, &Settings::roz_steps23_index, 0, -1},
        {SettingOp::BAR_SetUnits_Step, &Settings::bar_set_units_index, 209, +1},
        {SettingOp::BAR_SetUnits_Step, &Settings::bar_set_units_index, 0, -2},
        {SettingOp::BAR_SetUnits_Repeat, &Settings::bar_set_units_index, 209, +1},
    };
    for (const End& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + " by " + std::to_string(c.step));
        Engine e;
        testing::settings_of(e).*c.field = c.index;
        for (CategoryState& s : testing::game_of(e).categories) {
            s.bet = 7.5;
        }
        testing::game_of(e).bankroll_aim = 3.0;
        e.apply(c.op, {}, c.step);
        EXPECT_EQ(e.settings().*c.field, c.index);
        EXPECT_EQ(e.settings_text(), default_settings_text());
        EXPECT_EQ(e.settings().window12, 10);
        EXPECT_EQ(e.settings().window23, 8);
        EXPECT_EQ(e.game().bankroll_aim, 3.0);
        EXPECT_EQ(e.shown(option::kBARSetUnits), "0,1");
        for (CategoryId cat : kAllCategories) {
            EXPECT_EQ(e.game().category(cat).bet, 7.5);
        }
    }
}

struct StartingBetCase {
    SettingOp op;
    int from, step, index;
    const char* line;
    double stake;
};

TEST(SettingOps, StartingBetSetsEveryStakeButNoProgressionStep) {
    const StartingBetCase cases[] = {
        {SettingOp::StartingBet_Step, 5008, +5, 5010, "5010", 5000},
        {SettingOp::StartingBet_Step, 2, -5, 0, "0", 0.05},
        {SettingOp::StartingBet_Step, 10, +2, 12, "12", 2},
        {SettingOp::StartingBet_Repeat, 11, +2, 13, "11", 3},
    };
    for (const StartingBetCase& c : cases) {
        SCOPED_TRACE(c.from);
        Engine e;
        testing::settings_of(e).starting_bet_index = c.from;
        for (CategoryState& s : testing::game_of(e).categories) {
            s.progression_step = 3;
            s.bet = 8;
        }
        testing::settings_of(e).category_enabled[index_of(CategoryId::EO)] = false;
        e.apply(c.op, {}, c.step);
        EXPECT_EQ(e.settings().starting_bet_index, c.index);
        EXPECT_EQ(e.settings_text()[7], c.line);
        for (CategoryId cat : kAllCategories) {
            EXPECT_EQ(e.game().category(cat).bet, c.stake);
            EXPECT_EQ(e.game().stake_label[index_of(cat)], c.stake);
            EXPECT_EQ(e.game().category(cat).progression_step, 3);
        }
    }
    Engine e;
    e.apply(SettingOp::StartingBet_Repeat, {}, +4);
    e.apply(SettingOp::StartingBet_Repeat, {}, +4);
    EXPECT_EQ(e.settings_text()[7], "11");
    e.apply(SettingOp::StartingBet_Release);
    expect_only_line(e.settings_text(), 7, "19");
}

struct SetUnitsCase {
    SettingOp op;
    int from, step, index;
    const char* line;
    double amount;
    const char* shown;
};

TEST(SettingOps, SetUnitsStepsMoveTheAim) {
    const SetUnitsCase cases[] = {
        {SettingOp::BAR_SetUnits_Step, 0, +15, 15, "15", 6, "6"},
        {SettingOp::BAR_SetUnits_Step, 205, +10, 209, "209", 200, "200"},
        {SettingOp::BAR_SetUnits_Step, 3, -7, 0, "0", 0.1, "0,10"},
        {SettingOp::BAR_SetUnits_Repeat, 0, +1, 1, "0", 0.2, "0,20"},
    };
    for (const SetUnitsCase& c : cases) {
        SCOPED_TRACE(c.from);
        Engine e;
        testing::settings_of(e).bar_set_units_index = c.from;
        testing::game_of(e).bankroll = 1000123.5;
        e.apply(c.op, {}, c.step);
        EXPECT_EQ(e.settings().bar_set_units_index, c.index);
        EXPECT_EQ(e.settings_text()[19], c.line);
        EXPECT_EQ(e.game().bankroll_aim, 1000123.5 + c.amount);
        EXPECT_EQ(e.shown(option::kBARSetUnits), c.shown);
        e.apply(SettingOp::BAR_SetUnits_Release);
        expect_only_line(e.settings_text(), 19, std::to_string(c.index));
    }
}

struct AimCase {
    SettingOp op;
    bool on_profit;
    double aim;  // added to the bankroll; 0: the aim keeps its value
};

TEST(SettingOps, AutomaticResetAimsFromTheCurrentBankroll) {
    const AimCase cases[] = {
        {SettingOp::BetAutomaticReset_On, true, 5},  {SettingOp::BetAutomaticReset_On, false, 20},
        {SettingOp::BetAutomaticReset_Off, true, 0}, {SettingOp::BAR_OnProfit_Select, false, 5},
        {SettingOp::BAR_SetUnits_Select, true, 20},
    };
    for (const AimCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.op));
        Engine e;
        testing::settings_of(e).starting_bet_index = 15;   // "5"
        testing::settings_of(e).bar_set_units_index = 29;  // "20"
        testing::settings_of(e).bar_on_profit = c.on_profit;
        testing::game_of(e).bankroll = 1000123.5;
        testing::game_of(e).bankroll_aim = 3.0;
        e.apply(c.op);
        EXPECT_EQ(e.game().bankroll_aim, c.aim == 0 ? 3.0 : 1000123.5 + c.aim);
        EXPECT_EQ(e.game().bankroll, 1000123.5);
    }
}

struct Refund {
    CategoryId category;
    std::vector<Side> sides;
    double stake;
    double refund;
};

TEST(SettingOps, CategoryOffRefundsABetOnShowOnceAndResets) {
    const Refund cases[] = {
        {CategoryId::RB, {Side::Black}, 2.5, 2.5},
        {CategoryId::EO, {Side::Even}, 4, 4},
        {CategoryId::LM, {Side::More}, 1, 1},
        {CategoryId::D, {Side::Dozen2, Side::Dozen3}, 3, 6},
        {CategoryId::C, {Side::Column3, Side::Column1}, 0.5, 1},
        {CategoryId::RB, {}, 2.5, 0},
    };
    for (const Refund& c : cases) {
        SCOPED_TRACE(std::string(info(c.category).prefix) + " " + std::to_string(c.refund));
        Engine e;
        GameState& g = testing::game_of(e);
        for (Side s : c.sides) {
            g.mark(s) = {true, true, true, false, false};
        }
        g.mark(info(c.category).first_side).indicator = true;
        const CategoryId other = c.category == CategoryId::D ? CategoryId::C : CategoryId::D;
        g.mark(info(other).first_side) = {true, true, true, false, false};
        CategoryState& s = g.category(c.category);
        s = {};
        s.bet = c.stake;
        s.match = true;
        s.set_chain_flag(5);
        s.current_pattern = 2;
        s.pattern_step = 4;
        s.progression_step = 3;
        e.apply(SettingOp::Category_Off, c.category);
        EXPECT_EQ(e.game().bankroll, kStartBankroll + c.refund);
        const CategoryState& after = e.game().category(c.category);
        EXPECT_FALSE(after.match);
        EXPECT_EQ(after.chainactive, 0U);
        EXPECT_EQ(after.current_pattern, 0);
        EXPECT_EQ(after.pattern_step, 1);
        EXPECT_EQ(after.progression_step, 3);
        EXPECT_EQ(after.bet, c.stake);
        for (int k = 0; k < info(c.category).side_count; ++k) {
            const SideMarks& m = e.game().marks[index_of(info(c.category).first_side) + k];
            EXPECT_FALSE(m.field || m.stake || m.chain || m.hidden);
        }
        EXPECT_TRUE(e.game().mark(info(c.category).first_side).indicator);
        EXPECT_TRUE(e.game().mark(info(other).first_side).stake);
        e.apply(SettingOp::Category_Off, c.category);
        EXPECT_EQ(e.game().bankroll, kStartBankroll + c.refund);
    }
}

TEST(SettingOps, TrendBettingOffDropsEveryBetWithoutRefund) {
    Engine e = with_two_bets();
    ASSERT_TRUE(e.game().mark(Side::Red).field && e.game().mark(Side::Odd).field);
    const double bankroll = e.game().bankroll;
    e.apply(SettingOp::Category_Off, CategoryId::D);
    testing::game_of(e).mark(Side::Dozen1).hidden = true;  // a disabled category is reset too
    e.apply(SettingOp::TrendBetting_Off);
    EXPECT_EQ(e.game().bankroll, bankroll);
    for (int i = 0; i < kSideCount; ++i) {
        const SideMarks& m = e.game().marks[i];
        EXPECT_FALSE(m.field || m.stake || m.chain || m.hidden) << i;
    }
    for (CategoryId c : kAllCategories) {
        EXPECT_FALSE(e.game().category(c).match);
        EXPECT_EQ(e.game().category(c).chainactive, 0U);
    }
    EXPECT_EQ(e.settings_text()[21], "0");
}

TEST(SettingOps, ChainIdsHideAndShowWithTheBetsOnShow) {
    Engine e = with_two_bets();
    e.apply(SettingOp::ShowChainsId_Off);
    for (int i = 0; i < kSideCount; ++i) {
        EXPECT_FALSE(e.game().marks[i].chain) << i;
    }
    EXPECT_TRUE(e.game().mark(Side::Red).stake);
    e.apply(SettingOp::ShowChainsId_On);
    for (int i = 0; i < kSideCount; ++i) {
        const auto side = static_cast<Side>(i);
        EXPECT_EQ(e.game().marks[i].chain, side == Side::Red || side == Side::Odd) << i;
    }
}

}  // namespace
}  // namespace corvane
