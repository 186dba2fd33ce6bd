// The table of options as the rest of the program relies on it: lines in order, every
// operation found by its one name, parts of an option that count only in its state, and the
// settings described from the rows.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "settings/operations.h"
#include "settings/settings_description.h"

namespace corvane {
namespace {

// A settings file applies the rows in their order, and the trace lists them so: each row's
// lines come after the previous row's, and the last row's end the text.
TEST(OptionsTable, RowsFollowOneAnotherLineByLine) {
    int end = 0;
    for (const Option* o : kOptions) {
        SCOPED_TRACE(std::string(o->key));
        EXPECT_GE(o->line, end);
        end = o->line + lines_of(*o);
    }
    EXPECT_EQ(end, kSettingsLines);
    EXPECT_EQ(static_cast<int>(default_settings_text().size()), kSettingsLines);
}

// The trace names every option, and every list option's value, by a key of its own.
TEST(OptionsTable, KeysAndValueLabelsAreDistinct) {
    std::set<std::string_view> keys;
    std::set<std::string_view> labels;
    for (const Option* o : kOptions) {
        EXPECT_TRUE(keys.insert(o->key).second) << o->key;
        if (o->kind == OptionKind::List) {
            EXPECT_FALSE(o->shown.empty()) << o->key;
            EXPECT_TRUE(labels.insert(o->shown).second) << o->shown;
        }
    }
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        EXPECT_EQ(position_of(*kOptions[i]), i);
    }
}

// A row that left out one of its operations would hand it the first one's value: each
// operation belongs to exactly one row, under exactly one name.
TEST(OptionsTable, EveryOperationHasOneRowAndOneName) {
    std::set<SettingOp> ops;
    std::set<std::string_view> names;
    for (const OpInfo& o : setting_ops()) {
        EXPECT_TRUE(ops.insert(o.op).second) << o.name;
        EXPECT_TRUE(names.insert(o.name).second) << o.name;
        const std::optional<OpInfo> found = find_op(o.name);
        ASSERT_TRUE(found) << o.name;
        EXPECT_EQ(found->op, o.op) << o.name;
    }
    // Every operation from the first on has its row.
    EXPECT_EQ(static_cast<std::size_t>(*ops.rbegin()) + 1, ops.size());
    EXPECT_FALSE(find_op(""));
    EXPECT_FALSE(find_op("category_on"));
    EXPECT_FALSE(find_op("CL12_Step "));
}

// What a script writes after each operation's name.
TEST(OptionsTable, OperationArgumentsAsScriptsWriteThem) {
    const std::pair<const char*, OpArg> cases[] = {
        {"Category_On", OpArg::Category},     {"Category_Off", OpArg::Category},
        {"ShowChainsId_Off", OpArg::None},    {"StartingBet_Step", OpArg::Step},
        {"StartingBet_Repeat", OpArg::Step},  {"StartingBet_Release", OpArg::None},
        {"CL12_Step", OpArg::UnitStep},       {"CL23_Step", OpArg::UnitStep},
        {"BS12_Step", OpArg::UnitStep},       {"BS23_Step", OpArg::UnitStep},
        {"BS23_Release", OpArg::None},        {"ROZ_Steps23_Step", OpArg::UnitStep},
        {"BAR_SetUnits_Select", OpArg::None}, {"BAR_SetUnits_Step", OpArg::Step},
        {"BAR_SetUnits_Repeat", OpArg::Step}, {"BAR_SetUnits_Release", OpArg::None},
        {"TrendBetting_On", OpArg::None},     {"BetOnDowntrend_Select", OpArg::None},
    };
    for (const auto& [name, arg] : cases) {
        const std::optional<OpInfo> op = find_op(name);
        ASSERT_TRUE(op) << name;
        EXPECT_EQ(op->arg, arg) << name;
    }
}

TEST(OptionsTable, PartsCountOnlyInTheirOptionsState) {
    Settings s;
    EXPECT_TRUE(in_force(s, option::kStartingBet));
    EXPECT_TRUE(in_force(s, option::kResetOnZero));
    EXPECT_FALSE(in_force(s, option::kROZSteps12));
    EXPECT_FALSE(in_force(s, option::kBAROnProfit));
    EXPECT_FALSE(in_force(s, option::kBetOnUptrend));
    s.reset_on_zero = true;
    EXPECT_TRUE(in_force(s, option::kROZSteps23));
    // The Set Units amount counts while its mode is selected and the option is on.
    s.bar_on_profit = false;
    EXPECT_FALSE(in_force(s, option::kBARSetUnits));
    s.bet_automatic_reset = true;
    EXPECT_TRUE(in_force(s, option::kBAROnProfit));
    EXPECT_TRUE(in_force(s, option::kBARSetUnits));
    s.bar_on_profit = true;
    EXPECT_FALSE(in_force(s, option::kBARSetUnits));
}

TEST(SettingsDescription, DefaultsInThreeLines) {
    EXPECT_EQ(settings_text(Settings{}, std::nullopt),
              "settings: default\n"
              "categories RB EO LM D C; 1/2: Martingale, chain length 10; 2/3: 3x Bet, chain "
              "length 8; starting bet 1\n"
              "options: none\n");
}

TEST(SettingsDescription, OptionsWithTheirPartsStakeOptionsFirst) {
    Settings s;
    s.show_chains_id = false;
    s.trend_betting = true;
    s.bet_automatic_reset = true;
    s.bar_on_profit = false;  // Set Units, at its first amount
    s.reset_on_zero = true;
    s.roz_steps12_index = 1;
    s.roz_steps23_index = 19;
    EXPECT_EQ(options_list(s),
              "reset on zero (1/2 steps 2, 2/3 steps 20), bet automatic reset (set units 0,1), "
              "trend betting (downtrend), chain labels hidden");
    s.bet_on_uptrend = true;
    s.bar_on_profit = true;
    s.bar_set_units_index = 12;
    s.show_chains_id = true;
    EXPECT_EQ(options_list(s),
              "reset on zero (1/2 steps 2, 2/3 steps 20), bet automatic reset (on profit), "
              "trend betting (uptrend)");
    // An option switched off takes its parts with it, whatever their state.
    s.reset_on_zero = false;
    s.bet_automatic_reset = false;
    s.bar_on_profit = false;
    EXPECT_EQ(options_list(s), "trend betting (uptrend)");
}

TEST(SettingsDescription, JsonNamesTheStakeOptions) {
    Settings s;
    s.bet_automatic_reset = true;
    s.show_chains_id = false;
    JsonWriter w;
    write_settings(w, s, std::string("my.kvs"));
    EXPECT_EQ(w.str(),
              "{\"file\":\"my.kvs\",\"categories\":{\"RB\":true,\"EO\":true,\"LM\":true,\"D\":true,"
              "\"C\":true},\"system12\":\"Martingale\",\"system23\":\"3x Bet\",\"window12\":10,"
              "\"window23\":8,\"starting_bet\":1,\"reset_on_zero\":false,"
              "\"bet_automatic_reset\":true,\"trend_betting\":false}");
}

}  // namespace
}  // namespace corvane
