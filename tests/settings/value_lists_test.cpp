#include "settings/value_lists.h"

#include <gtest/gtest.h>

#include "base/amount.h"
#include "engine/engine.h"
#include "settings/betting_systems.h"
#include "settings/settings.h"

namespace corvane {
namespace {

struct Entry {
    ValueList list;
    int index;
    const char* text;
    double number;
};

TEST(ValueLists, EntriesAndTheirNumbers) {
    const Entry entries[] = {
        {ValueList::StartingBet, 0, "0,05", 0.05},
        {ValueList::StartingBet, 3, "0,25", 0.25},
        {ValueList::StartingBet, 10, "0,90", 0.9},
        {ValueList::StartingBet, 11, "1", 1},
        {ValueList::StartingBet, 5010, "5000", 5000},
        {ValueList::CL12, 0, "3", 3},
        {ValueList::CL12, 7, "10", 10},
        {ValueList::CL23, 27, "30", 30},
        {ValueList::ROZSteps12, 0, "1", 1},
        {ValueList::ROZSteps23, 19, "20", 20},
        {ValueList::BARSetUnits, 0, "0,10", 0.1},
        {ValueList::BARSetUnits, 9, "0,90", 0.9},
        {ValueList::BARSetUnits, 10, "1", 1},
        {ValueList::BARSetUnits, 209, "200", 200},
        {ValueList::BettingSystem12, 2, "Donald", 0},
        {ValueList::BettingSystem23, 2, "D-Donald", 0},
        {ValueList::BettingSystem12, 4, "FLAT", 0},
        {ValueList::BettingSystem23, 1, "4x Bet", 0},
    };
    for (const Entry& e : entries) {
        EXPECT_EQ(list_text(e.list, e.index), e.text);
        EXPECT_EQ(list_number(e.list, e.index), e.number) << e.text;
    }
}

TEST(ValueLists, SizesAndOutsideIndexes) {
    EXPECT_EQ(list_size(ValueList::StartingBet), 5011);
    EXPECT_EQ(list_size(ValueList::CL12), 28);
    EXPECT_EQ(list_size(ValueList::BettingSystem23), 5);
    EXPECT_EQ(list_size(ValueList::ROZSteps12), 20);
    EXPECT_EQ(list_size(ValueList::BARSetUnits), 210);
    for (ValueList l : {ValueList::StartingBet, ValueList::CL23, ValueList::BettingSystem12,
                        ValueList::BARSetUnits}) {
        EXPECT_EQ(list_text(l, -1), "");
        EXPECT_EQ(list_text(l, list_size(l)), "");
        EXPECT_EQ(list_number(l, list_size(l)), 0.0);
    }
}

TEST(ValueLists, MoneyTextsReadAsTheirNumbers) {
    for (ValueList l : {ValueList::StartingBet, ValueList::BARSetUnits}) {
        for (int i = 0; i < list_size(l); ++i) {
            ASSERT_EQ(parse_amount(list_text(l, i)), list_number(l, i)) << list_text(l, i);
        }
    }
}

// The starting bet is read on every stake without going through its list: it must read the same.
TEST(ValueLists, StartingBetValueIsTheListsNumber) {
    for (int i = -2; i <= list_size(ValueList::StartingBet) + 1; ++i) {
        ASSERT_EQ(starting_bet_value(i), list_number(ValueList::StartingBet, i)) << i;
    }
}

TEST(ValueLists, SystemListsHoldEachFamilysSystemsInOrder) {
    for (const auto& [list, family] : {std::pair{ValueList::BettingSystem12, Family::F12},
                                       std::pair{ValueList::BettingSystem23, Family::F23}}) {
        const auto systems = systems_of(family);
        ASSERT_EQ(list_size(list), static_cast<int>(systems.size()));
        for (int i = 0; i < list_size(list); ++i) {
            EXPECT_EQ(betting_system_name(list, i), systems[i].name);
            EXPECT_EQ(system_at(family, i), &systems[i]);
        }
        EXPECT_EQ(betting_system_name(list, list_size(list)), "");
        EXPECT_EQ(system_at(family, list_size(list)), nullptr);
        EXPECT_EQ(system_at(family, -1), nullptr);
    }
    // Only the name lists have names.
    EXPECT_EQ(betting_system_name(ValueList::CL12, 0), "");
}

TEST(SettingsDefaults, ChainLengthsShowTheWindowsInUse) {
    const Settings s;
    EXPECT_EQ(s.starting_bet(), 1.0);
    EXPECT_EQ(list_text(ValueList::CL12, s.cl12_index), "10");
    EXPECT_EQ(s.window12, 10);
    EXPECT_EQ(list_text(ValueList::CL23, s.cl23_index), "8");
    EXPECT_EQ(s.window23, 8);
    EXPECT_EQ(s.betting_system12(), "Martingale");
    EXPECT_EQ(s.betting_system23(), "3x Bet");
    const Engine e;
    const SettingsText expected = {"1", "1", "1", "1", "1", "1", "",  "11", "7", "5", "0", "0",
                                   "",  "0", "0", "0", "",  "0", "1", "0",  "",  "0", "0"};
    EXPECT_EQ(e.settings_text(), expected);
    EXPECT_EQ(e.shown(option::kBARSetUnits), "0,1");
    for (CategoryId c : kAllCategories) {
        EXPECT_EQ(e.game().category(c).bet, s.starting_bet());
    }
}

}  // namespace
}  // namespace corvane
