#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "tests/support/engine_access.h"
#include "tests/support/files.h"
#include "tests/support/scenes.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::read_bytes;
using testing::temp_path;
using testing::write_temp;

std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        out += l + "\r\n";
    }
    return out;
}

std::vector<std::string> defaults_with(std::initializer_list<std::pair<int, std::string>> lines) {
    std::vector<std::string> out = default_settings_text();
    for (const auto& [line, text] : lines) {
        if (line >= static_cast<int>(out.size())) {
            out.resize(line + 1);
        }
        out[line] = text;
    }
    return out;
}

void expect_same_settings(const Settings& a, const Settings& b) {
    EXPECT_EQ(a.category_enabled, b.category_enabled);
    EXPECT_EQ(a.show_chains_id, b.show_chains_id);
    EXPECT_EQ(a.starting_bet_index, b.starting_bet_index);
    EXPECT_EQ(a.cl12_index, b.cl12_index);
    EXPECT_EQ(a.cl23_index, b.cl23_index);
    EXPECT_EQ(a.bs12_index, b.bs12_index);
    EXPECT_EQ(a.bs23_index, b.bs23_index);
    EXPECT_EQ(a.reset_on_zero, b.reset_on_zero);
    EXPECT_EQ(a.roz_steps12_index, b.roz_steps12_index);
    EXPECT_EQ(a.roz_steps23_index, b.roz_steps23_index);
    EXPECT_EQ(a.bet_automatic_reset, b.bet_automatic_reset);
    EXPECT_EQ(a.bar_on_profit, b.bar_on_profit);
    EXPECT_EQ(a.bar_set_units_index, b.bar_set_units_index);
    EXPECT_EQ(a.trend_betting, b.trend_betting);
    EXPECT_EQ(a.bet_on_uptrend, b.bet_on_uptrend);
    EXPECT_EQ(a.window12, b.window12);
    EXPECT_EQ(a.window23, b.window23);
}

// Every option away from its default, each through its own operation.
void change_everything(Engine& e) {
    e.apply(SettingOp::Category_Off, CategoryId::EO);
    e.apply(SettingOp::Category_Off, CategoryId::C);
    e.apply(SettingOp::ShowChainsId_Off);
    e.apply(SettingOp::StartingBet_Step, {}, +20);
    e.apply(SettingOp::CL12_Step, {}, -1);
    e.apply(SettingOp::CL23_Step, {}, +1);
    e.apply(SettingOp::BS12_Step, {}, +1);
    e.apply(SettingOp::BS23_Step, {}, +1);
    e.apply(SettingOp::BS23_Step, {}, +1);
    e.apply(SettingOp::ResetOnZero_On);
    e.apply(SettingOp::ROZ_Steps12_Step, {}, +1);
    e.apply(SettingOp::ROZ_Steps23_Step, {}, +1);
    e.apply(SettingOp::ROZ_Steps23_Step, {}, +1);
    e.apply(SettingOp::BetAutomaticReset_On);
    e.apply(SettingOp::BAR_SetUnits_Select);
    e.apply(SettingOp::BAR_SetUnits_Step, {}, +12);
    e.apply(SettingOp::TrendBetting_On);
    e.apply(SettingOp::BetOnUptrend_Select);
}

using testing::with_two_bets;

const char kDefaultFile[] =
    "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n\r\n11\r\n7\r\n5\r\n0\r\n0\r\n\r\n0\r\n0\r\n0\r\n\r\n0\r\n"
    "1\r\n0\r\n\r\n0\r\n0\r\n";

TEST(SettingsFile, SavedRightAfterStartHoldsTheDefaultLines) {
    const Engine e;
    const std::string path = temp_path("defaults.kvs");
    ASSERT_EQ(e.save_settings(path), std::nullopt);
    EXPECT_EQ(read_bytes(path), kDefaultFile);
    fs::remove(path);
}

TEST(SettingsFile, LoadingTheDefaultsBringsEveryOptionBack) {
    Engine e;
    change_everything(e);
    const std::string path = write_temp("defaults_in.kvs", kDefaultFile);
    ASSERT_EQ(e.load_settings(path), std::nullopt);
    expect_same_settings(e.settings(), Settings{});
    EXPECT_EQ(e.settings().window12, 10);
    EXPECT_EQ(e.settings_text(), default_settings_text());
    EXPECT_EQ(e.shown(option::kBARSetUnits), "0,10");
    fs::remove(path);
}

TEST(SettingsFile, SwitchingACategoryOffRefundsItsBetOnce) {
    Engine e = with_two_bets();
    const double bankroll = e.game().bankroll;
    ASSERT_TRUE(e.game().mark(Side::Red).stake);
    const std::string path = write_temp("rb_off.kvs", crlf(defaults_with({{0, "0"}, {8, "0"}})));
    ASSERT_EQ(e.load_settings(path), std::nullopt);
    EXPECT_EQ(e.game().bankroll, bankroll + 1);
    EXPECT_FALSE(e.game().mark(Side::Red).field);
    EXPECT_FALSE(e.game().category(CategoryId::RB).match);
    ASSERT_EQ(e.load_settings(path), std::nullopt);
    EXPECT_EQ(e.game().bankroll, bankroll + 1);
    fs::remove(path);
}

TEST(SettingsFile, TrendBettingOffResetsAllFiveWithoutRefund) {
    Engine e = with_two_bets();
    const double bankroll = e.game().bankroll;
    const std::string path = write_temp("trend_off.kvs", crlf(defaults_with({{8, "0"}})));
    ASSERT_EQ(e.load_settings(path), std::nullopt);
    EXPECT_EQ(e.game().bankroll, bankroll);
    for (int i = 0; i < kSideCount; ++i) {
        EXPECT_FALSE(e.game().marks[i].field || e.game().marks[i].stake) << i;
    }
    EXPECT_FALSE(e.game().category(CategoryId::EO).match);
    fs::remove(path);
}

TEST(SettingsFile, SetUnitsAimUsesTheAmountBeforeTheFile) {
    Engine e;
    e.apply(SettingOp::BAR_SetUnits_Step, {}, +12);  // "3"
    testing::game_of(e).bankroll = 1000050;
    const std::string path =
        write_temp("set_units.kvs", crlf(defaults_with({{17, "1"}, {18, "0"}, {19, "20"}})));
    ASSERT_EQ(e.load_settings(path), std::nullopt);
    EXPECT_EQ(e.game().bankroll_aim, 1000053);
    EXPECT_EQ(e.settings().bar_set_units_index, 20);
    EXPECT_EQ(e.shown(option::kBARSetUnits), "11");
    EXPECT_FALSE(e.settings().bar_on_profit);
    fs::remove(path);
}

TEST(SettingsFile, StartingBetFromAFileWaitsForTheNextRestart) {
    Engine e;
    CategoryState& rb = testing::game_of(e).category(CategoryId::RB);
    rb.bet = 4;
    rb.progression_step = 2;
    const std::string path = write_temp("start_bet.kvs", crlf(defaults_with({{7, "15"}})));
    ASSERT_EQ(e.load_settings(path), std::nullopt);
    EXPECT_EQ(e.settings().starting_bet(), 5);
    EXPECT_EQ(e.game().category(CategoryId::RB).bet, 4);
    EXPECT_EQ(e.game().category(CategoryId::D).bet, 1);
    EXPECT_EQ(e.game().stake_label[index_of(CategoryId::D)], 1);
    e.press_bets();
    for (CategoryId c : kAllCategories) {
        EXPECT_EQ(e.game().category(c).bet, 5);
    }
    fs::remove(path);
}

struct BadLine {
    int line;
    std::string text;
    std::string message;
};

TEST(SettingsFile, AnyBadIndexLineAppliesNothing) {
    const BadLine cases[] = {
        {7, "abc", "'abc' is not a valid integer value"},
        {7, "5011", "'5011' is out of range"},
        {7, "-1", "'-1' is out of range"},
        {8, "", "'' is not a valid integer value"},
        {8, "28", "'28' is out of range"},
        {9, "7.0", "'7.0' is not a valid integer value"},
        {9, "-2147483648", "'-2147483648' is out of range"},
        {10, "5", "'5' is out of range"},
        {10, "1e0", "'1e0' is not a valid integer value"},
        {11, " 1", "' 1' is not a valid integer value"},
        {11, "+", "'+' is not a valid integer value"},
        {14, "20", "'20' is out of range"},
        {14, "0x1", "'0x1' is not a valid integer value"},
        {15, "2147483648", "'2147483648' is not a valid integer value"},
        {15, "-20", "'-20' is out of range"},
        {19, "210", "'210' is out of range"},
        {19, "1,5", "'1,5' is not a valid integer value"},
    };
    int i = 0;
    for (const BadLine& c : cases) {
        SCOPED_TRACE(c.message);
        Engine e = with_two_bets();
        const Settings settings = e.settings();
        const SettingsText text = e.settings_text();
        const GameState game = e.game();
        // Lines that would refund, reset and move the aim if anything were applied.
        std::vector<std::string> lines =
            defaults_with({{0, "0"}, {5, "0"}, {17, "1"}, {18, "0"}, {23, "extra"}});
        lines[c.line] = c.text;
        const std::string path = write_temp("bad" + std::to_string(i++) + ".kvs", crlf(lines));
        EXPECT_EQ(e.load_settings(path), c.message);
        expect_same_settings(e.settings(), settings);
        EXPECT_EQ(e.settings_text(), text);
        EXPECT_EQ(e.game().bankroll, game.bankroll);
        EXPECT_EQ(e.game().bankroll_aim, game.bankroll_aim);
        EXPECT_EQ(e.game().marks, game.marks);
        EXPECT_EQ(e.shown(option::kBARSetUnits), "0,1");
        fs::remove(path);
    }
}

TEST(SettingsFile, TheFirstBadLineInLoadOrderNamesTheFault) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {defaults_with({{19, "abc"}, {8, "99"}}), "'99' is out of range"},
        {defaults_with({{8, "99"}, {7, "x"}}), "'x' is not a valid integer value"},
        {defaults_with({{15, "-1"}, {14, "y"}}), "'y' is not a valid integer value"},
        {{"1", "1", "1", "1", "1", "1", "", "11", "7", "5", "0", "0", "", "0", "0"},
         "'' is not a valid integer value"},
        {{}, "'' is not a valid integer value"},
    };
    for (const auto& [lines, message] : cases) {
        Engine e;
        const std::string path = write_temp("order.kvs", crlf(lines));
        EXPECT_EQ(e.load_settings(path), message);
        EXPECT_EQ(e.settings_text(), default_settings_text());
        EXPECT_TRUE(e.settings().enabled(CategoryId::RB));
        fs::remove(path);
    }
}

TEST(SettingsFile, TextEndsAsTheFileGaveItWithOnOffLinesNormalised) {
    std::vector<std::string> lines = defaults_with({{0, "yes"},
                                                    {5, "2"},
                                                    {6, "note"},
                                                    {7, "+12"},
                                                    {8, "000"},
                                                    {9, "+27"},
                                                    {13, " 1"},
                                                    {17, "1"},
                                                    {19, "-0"},
                                                    {22, ""}});
    lines.push_back("line 23");
    lines.push_back("");
    lines.push_back("last");
    Engine e;
    const std::string in = write_temp("extra_in.kvs", crlf(lines));
    ASSERT_EQ(e.load_settings(in), std::nullopt);
    std::vector<std::string> expected = lines;
    expected[0] = expected[5] = expected[13] = expected[22] = "0";
    EXPECT_EQ(e.settings_text(), expected);
    EXPECT_FALSE(e.settings().enabled(CategoryId::RB));
    EXPECT_FALSE(e.settings().show_chains_id);
    EXPECT_FALSE(e.settings().reset_on_zero);
    EXPECT_EQ(e.settings().starting_bet_index, 12);
    EXPECT_EQ(e.settings().window12, 3);
    EXPECT_EQ(e.settings().window23, 30);
    EXPECT_EQ(e.settings().bar_set_units_index, 0);
    const std::string out = temp_path("extra_out.kvs");
    ASSERT_EQ(e.save_settings(out), std::nullopt);
    EXPECT_EQ(read_bytes(out), crlf(expected));
    fs::remove(in);
    fs::remove(out);
}

TEST(SettingsFile, RoundTripThroughAFile) {
    Engine e;
    change_everything(e);
    const std::string path = temp_path("round_trip.kvs");
    ASSERT_EQ(e.save_settings(path), std::nullopt);
    Engine fresh;
    ASSERT_EQ(fresh.load_settings(path), std::nullopt);
    expect_same_settings(fresh.settings(), e.settings());
    EXPECT_EQ(fresh.settings_text(), e.settings_text());
    EXPECT_EQ(fresh.shown(option::kBARSetUnits), e.shown(option::kBARSetUnits));
    EXPECT_EQ(fresh.settings().betting_system23(), "D-Donald");
    fs::remove(path);
}

TEST(SettingsFile, DefaultSettingsActAsLoadingTheDefaultLines) {
    Engine a = with_two_bets();
    change_everything(a);
    a.apply(SettingOp::Category_On, CategoryId::EO);
    testing::game_of(a).bankroll = 1000077.25;
    Engine b = a;
    const std::string path = write_temp("defaults_button.kvs", kDefaultFile);
    ASSERT_EQ(b.load_settings(path), std::nullopt);
    a.default_settings();
    expect_same_settings(a.settings(), Settings{});
    EXPECT_EQ(a.settings_text(), default_settings_text());
    EXPECT_EQ(a.game().bankroll, 1000077.25);
    EXPECT_EQ(a.game().bankroll_aim, 1000077.25 + 1);
    EXPECT_EQ(a.game().marks, b.game().marks);
    EXPECT_EQ(a.game().bankroll_aim, b.game().bankroll_aim);
    EXPECT_EQ(a.shown(option::kBARSetUnits), b.shown(option::kBARSetUnits));
    expect_same_settings(a.settings(), b.settings());
    fs::remove(path);
}

TEST(SettingsFile, UnreadableMissingAndUnwritableFiles) {
    Engine e;
    change_everything(e);
    const SettingsText text = e.settings_text();
    const std::string base = temp_path("settings_io");
    fs::remove_all(base);
    fs::create_directories(base + "/folder.kvs");
    const std::string old = base + "/old.kvs";
    std::ofstream(old, std::ios::binary) << "old";
    const auto listing = [&] {
        std::set<std::string> names;
        for (const fs::directory_entry& d : fs::directory_iterator(base)) {
            names.insert(d.path().filename().string());
        }
        return names;
    };
    const std::set<std::string> names = listing();
    EXPECT_EQ(e.load_settings(base + "/folder.kvs"), "Cannot open file " + base + "/folder.kvs");
    EXPECT_EQ(e.load_settings(base + "/missing.kvs"), std::nullopt);
    EXPECT_EQ(e.settings_text(), text);
    for (const std::string& target :
         {base + "/folder.kvs", old + "/new.kvs", base + "/missing/new.kvs"}) {
        EXPECT_EQ(e.save_settings(target), "Cannot create file " + target);
        EXPECT_EQ(listing(), names) << target;
    }
    EXPECT_EQ(read_bytes(old), "old");
    fs::remove_all(base);
}

}  // namespace
}  // namespace corvane
