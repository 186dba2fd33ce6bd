#include "betting/progression.h"
#include "settings/value_lists.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/amount.h"

namespace corvane {
namespace {

const BettingSystem& system_of(Family f, std::string_view name) {
    const BettingSystem* s = find_system(f, name);
    EXPECT_NE(s, nullptr) << name;
    static const BettingSystem none{"", StepRule::Flat, {}};
    return s != nullptr ? *s : none;
}

std::int64_t pow_of(std::int64_t base, int k) {
    std::int64_t v = 1;
    for (int i = 0; i < k; ++i) {
        v *= base;
    }
    return v;
}

TEST(Progression, TablesFollowTheirRules) {
    struct Case {
        Family family;
        const char* name;
        int entries;
        std::array<std::int32_t, 5> first;
        std::int32_t last;
        std::function<std::int64_t(int)> rule;
    };
    const std::vector<Case> cases = {
        {Family::F12,
         "Martingale",
         27,
         {1, 2, 4, 8, 16},
         67108864,
         [](int k) { return pow_of(2, k); }},
        {Family::F12,
         "3x Bet",
         18,
         {1, 3, 9, 27, 81},
         129140163,
         [](int k) { return pow_of(3, k); }},
        {Family::F12, "Donald", 2000, {1, 2, 3, 4, 5}, 2000, [](int k) { return k + 1; }},
        {Family::F12, "Blind", 2000, {1, 2, 3, 4, 5}, 2000, [](int k) { return k + 1; }},
        {Family::F23,
         "3x Bet",
         18,
         {1, 3, 9, 27, 81},
         129140163,
         [](int k) { return pow_of(3, k); }},
        {Family::F23,
         "4x Bet",
         16,
         {1, 4, 16, 64, 256},
         1073741824,
         [](int k) { return pow_of(4, k); }},
        {Family::F23,
         "D-Donald",
         30,
         {1, 3, 7, 15, 31},
         1073741823,
         [](int k) { return pow_of(2, k + 1) - 1; }},
        {Family::F23,
         "Blind",
         2001,
         {1, 3, 6, 9, 12},
         6000,
         [](int k) { return k == 0 ? 1 : 3 * static_cast<std::int64_t>(k); }},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        const BettingSystem& s = system_of(t.family, t.name);
        EXPECT_EQ(s.last(), t.entries - 1);
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(s.multiplier(k), t.first[k]);
        }
        EXPECT_EQ(s.multiplier(t.entries - 1), t.last);
        for (int k = 0; k < t.entries; ++k) {
            ASSERT_EQ(s.multiplier(k), t.rule(k)) << k;
        }
        // A step beyond the table reads its last entry.
        EXPECT_EQ(s.multiplier(t.entries + 40), t.last);
    }
}

TEST(Progression, SystemsAreFoundByTheirExactNameWithinTheirFamily) {
    for (const char* name : {"Donald", "Martingale", "martingale", "3x bet", ""}) {
        EXPECT_EQ(find_system(Family::F23, name), nullptr) << name;
    }
    for (const char* name : {"4x Bet", "D-Donald", "flat"}) {
        EXPECT_EQ(find_system(Family::F12, name), nullptr) << name;
    }
    EXPECT_NE(find_system(Family::F12, "3x Bet"), find_system(Family::F23, "3x Bet"));
    EXPECT_NE(find_system(Family::F12, "Blind"), find_system(Family::F23, "Blind"));
    // The option's index picks the system its list entry names.
    for (int i = -1; i <= 5; ++i) {
        EXPECT_EQ(system_at(Family::F12, i),
                  find_system(Family::F12, betting_system_name(ValueList::BettingSystem12, i)));
        EXPECT_EQ(system_at(Family::F23, i),
                  find_system(Family::F23, betting_system_name(ValueList::BettingSystem23, i)));
    }
}

TEST(Progression, StepRules) {
    struct Case {
        Family family;
        const char* name;
        int step;
        int after_win;
        int after_loss;
    };
    const std::vector<Case> cases = {
        {Family::F12, "Martingale", 0, 0, 1},
        {Family::F12, "Martingale", 5, 0, 6},
        {Family::F12, "Martingale", 26, 0, 26},
        {Family::F12, "Martingale", 30, 0, 26},  // beyond the table: first down to 26
        {Family::F12, "3x Bet", 17, 0, 17},
        {Family::F12, "3x Bet", 25, 0, 17},
        {Family::F23, "3x Bet", 0, 0, 1},
        {Family::F23, "3x Bet", 8, 0, 9},
        {Family::F23, "3x Bet", 16, 0, 17},
        {Family::F23, "3x Bet", 17, 0, 17},
        {Family::F23, "3x Bet", 20, 0, 17},
        {Family::F23, "4x Bet", 0, 0, 1},
        {Family::F23, "4x Bet", 7, 0, 8},
        {Family::F23, "4x Bet", 15, 0, 15},
        {Family::F23, "4x Bet", 17, 0, 15},
        {Family::F12, "Donald", 0, 0, 1},
        {Family::F12, "Donald", 3, 2, 4},
        {Family::F12, "Donald", 1999, 1998, 1999},
        {Family::F12, "Donald", 2500, 1998, 1999},
        {Family::F23, "D-Donald", 0, 0, 1},
        {Family::F23, "D-Donald", 29, 28, 29},
        {Family::F23, "D-Donald", 1999, 28, 29},
        {Family::F12, "Blind", 0, 1, 1},
        {Family::F12, "Blind", 1999, 1999, 1999},
        {Family::F12, "Blind", 2000, 1999, 1999},
        {Family::F23, "Blind", 0, 1, 1},
        {Family::F23, "Blind", 1999, 2000, 2000},
        {Family::F23, "Blind", 2000, 2000, 2000},
        {Family::F23, "Blind", 2500, 2000, 2000},
        {Family::F12, "FLAT", 0, 0, 0},
        {Family::F12, "FLAT", 7, 7, 7},
        {Family::F23, "FLAT", 2000, 2000, 2000},
    };
    for (const Case& t : cases) {
        const BettingSystem& s = system_of(t.family, t.name);
        EXPECT_EQ(step_after(s, t.step, true), t.after_win) << t.name << " " << t.step;
        EXPECT_EQ(step_after(s, t.step, false), t.after_loss) << t.name << " " << t.step;
    }
}

TEST(Progression, BlindClimbsOnWinLossAndWin) {
    for (Family f : {Family::F12, Family::F23}) {
        const BettingSystem& s = system_of(f, "Blind");
        const std::array<double, 3> want = f == Family::F12 ? std::array<double, 3>{1.0, 1.5, 2.0}
                                                            : std::array<double, 3>{1.5, 3.0, 4.5};
        int step = 0;
        const std::array<bool, 3> outcomes = {true, false, true};
        for (int i = 0; i < 3; ++i) {
            step = step_after(s, step, outcomes[i]);
            EXPECT_EQ(step, i + 1);
            EXPECT_EQ(stake(s, step, 0.5), want[i]);
        }
    }
}

TEST(Progression, ChargeAndPayout) {
    struct Case {
        Family family;
        const char* name;
        int step;
        double starting_bet;
        double stake;
        double charge;
        double payout;  // of a win at that stake
    };
    const std::vector<Case> cases = {
        {Family::F12, "Martingale", 0, 1.0, 1.0, 1.0, 2.0},
        {Family::F12, "Martingale", 3, 0.05, 0.4, 0.4, 0.8},
        {Family::F12, "Donald", 4, 0.5, 2.5, 2.5, 5.0},
        {Family::F23, "3x Bet", 1, 1.0, 3.0, 6.0, 9.0},
        {Family::F23, "D-Donald", 2, 1.0, 7.0, 14.0, 21.0},
        {Family::F23, "4x Bet", 15, 5000.0, 5368709120000.0, 10737418240000.0, 16106127360000.0},
        // "FLAT" ignores any step left over from another system.
        {Family::F23, "FLAT", 0, 0.5, 0.5, 1.0, 1.5},
        {Family::F23, "FLAT", 9, 0.5, 0.5, 1.0, 1.5},
        {Family::F12, "FLAT", 9, 0.5, 0.5, 0.5, 1.0},
        // A step beyond the table is charged at its last entry.
        {Family::F12, "3x Bet", 20, 1.0, 129140163.0, 129140163.0, 258280326.0},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(std::string(t.name) + " step " + std::to_string(t.step));
        const BettingSystem& s = system_of(t.family, t.name);
        EXPECT_EQ(stake(s, t.step, t.starting_bet), t.stake);
        EXPECT_EQ(charge(t.family, s, t.step, t.starting_bet), t.charge);
        EXPECT_EQ(payout(t.family, t.stake), t.payout);
    }
}

TEST(Progression, StakesAreWrittenInTheirShortestForm) {
    const BettingSystem& martingale = system_of(Family::F12, "Martingale");
    const std::array<const char*, 9> shown = {"0,05", "0,1", "0,2", "0,4", "0,8",
                                              "1,6",  "3,2", "6,4", "12,8"};
    for (int step = 0; step < 9; ++step) {
        EXPECT_EQ(format_amount(stake(martingale, step, 0.05)), shown[step]);
    }
    EXPECT_EQ(format_amount(stake(system_of(Family::F12, "3x Bet"), 1, 0.05)), "0,15");
    EXPECT_EQ(format_amount(stake(martingale, 10, 1.0)), "1024");
    EXPECT_EQ(format_amount(stake(system_of(Family::F23, "4x Bet"), 15, 5000.0)), "5368709120000");
    EXPECT_EQ(format_amount(0.1 + 0.2), "0,3");
}

}  // namespace
}  // namespace corvane
