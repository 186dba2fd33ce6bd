#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_io.h"
#include "cli/trace.h"
#include "engine/engine.h"
#include "tests/support/engine_access.h"
#include "tests/support/faulty_files.h"
#include "tests/support/files.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::FaultyFileSystem;
using testing::read_bytes;
using testing::temp_path;
using testing::write_temp;
using Numbers = std::vector<std::uint8_t>;

std::set<std::string> listing(const std::string& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& d : fs::directory_iterator(folder)) {
        names.insert(d.path().filename().string());
    }
    return names;
}

std::vector<int> history_numbers(const GameState& g) {
    std::vector<int> out;
    for (const HistoryEntry& h : g.history) {
        out.push_back(h.number);
    }
    return out;
}

// A black and ten reds start bets on Black and Even; the red 21 loses both (stakes 2).
Engine played_game() {
    Engine e;
    for (int n : {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21}) {
        e.spin(n);
    }
    return e;
}

// What a refused load or a failed save must leave exactly as it was.
void expect_untouched(const GameState& before, const GameState& g) {
    EXPECT_EQ(g.numbers, before.numbers);
    EXPECT_EQ(g.statistics_list, before.statistics_list);
    EXPECT_EQ(g.stats, before.stats);
    EXPECT_EQ(history_numbers(g), history_numbers(before));
    EXPECT_EQ(g.bankroll, before.bankroll);
    EXPECT_EQ(g.undo_available, before.undo_available);
    EXPECT_EQ(g.marks, before.marks);
    EXPECT_EQ(g.category(CategoryId::RB).list_window, before.category(CategoryId::RB).list_window);
}

TEST(NumberFile, SaveWritesEveryNumberWithCrLf) {
    Engine e;
    const std::string path = temp_path("save.kvn");
    ASSERT_EQ(e.save_numbers(path), std::nullopt);
    EXPECT_EQ(read_bytes(path), "");
    for (int n : {5, 0, 17}) {
        e.spin(n);
    }
    ASSERT_EQ(e.save_numbers(path), std::nullopt);
    EXPECT_EQ(read_bytes(path), std::string("5\r\n0\r\n17\r\n", 10));
    EXPECT_TRUE(e.game().undo_available);  // saving changes nothing in the game
    fs::remove(path);
}

TEST(NumberFile, LoadReplaysOnlyTheHistoryAndTheStatistics) {
    Engine e = played_game();
    const double rb_stake = e.game().category(CategoryId::RB).bet;
    ASSERT_EQ(rb_stake, 2);
    const std::string path = write_temp("load.kvn", "5\r\n0\r\n17\r\n");
    ASSERT_EQ(e.load_numbers(path), std::nullopt);
    fs::remove(path);
    const GameState& g = e.game();
    EXPECT_EQ(g.numbers, (Numbers{5, 0, 17}));
    EXPECT_EQ(g.statistics_list, (Numbers{5, 17}));
    EXPECT_EQ(history_numbers(g), (std::vector<int>{17, 0, 5, -1, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(g.history[0].colour, HistoryColour::Black);
    EXPECT_EQ(g.history[1].colour, HistoryColour::Zero);
    EXPECT_EQ(g.history[2].colour, HistoryColour::Red);
    const Rgb empty = rgb_of(g.history[3].colour);  // emptied by the reset
    EXPECT_EQ((std::vector<int>{empty.r, empty.g, empty.b}), (std::vector<int>{0, 0, 0}));
    const std::vector<std::string> texts = {
        "Red (50%)",   "Black (50%)", "Even (0%)",  "Odd (100%)", "Less (100%)",  "More (0%)",
        "1ST D (50%)", "2ND D (50%)", "3RD D (0%)", "1ST C (0%)", "2ND C (100%)", "3RD C (0%)"};
    for (int i = 0; i < kSideCount; ++i) {
        EXPECT_EQ(stat_display_text(g.stats, static_cast<Side>(i)), texts[i]);
    }
    for (CategoryId c : kAllCategories) {
        const CategoryState& s = g.category(c);
        EXPECT_TRUE(s.list_window.empty() && s.ind_window.empty());
        EXPECT_EQ(s.first_mark, kNoMark);
        EXPECT_EQ(s.match + static_cast<int>(s.chainactive), 0);
    }
    for (const SideMarks& m : g.marks) {
        EXPECT_FALSE(m.field || m.stake || m.chain || m.hidden);
    }
    // The stakes and progression steps are those of before the load.
    EXPECT_EQ(g.category(CategoryId::RB).bet, rb_stake);
    EXPECT_EQ(g.category(CategoryId::RB).progression_step, 1);
    EXPECT_EQ(g.bankroll, kStartBankroll);
    EXPECT_EQ(g.bankroll_aim, kStartBankrollAim);
    EXPECT_EQ(g.counts(Family::F12).bets_count, 0);
    EXPECT_EQ(g.counts(Family::F12).win_rate, 0);
    EXPECT_TRUE(g.input_ready);
    EXPECT_FALSE(e.undo());
}

TEST(NumberFile, LineEndsBlanksMarkAndLeadingZerosReadAlike) {
    const std::string variants[] = {
        "5\n0\n17\n",
        "5\r0\r17\r",
        "5\r\n0\n17\r",
        "5\r\n0\r\n17",
        "\xEF\xBB\xBF"
        "5\r\n0\r\n17\r\n",
        " 5 \r\n\t0\t\r\n 017 ",
        "\r\n5\r\n\r\n \t \n0\r\r17\n\n",
        "005\n00\n0000000000000017\n",
    };
    for (const std::string& bytes : variants) {
        SCOPED_TRACE(bytes);
        Engine e;
        const std::string path = write_temp("variant.kvn", bytes);
        ASSERT_EQ(e.load_numbers(path), std::nullopt);
        EXPECT_EQ(e.game().numbers, (Numbers{5, 0, 17}));
        EXPECT_EQ(e.game().history[0].number, 17);
        fs::remove(path);
    }
}

TEST(NumberFile, AnyOtherLineIsRefusedAndNothingChanges) {
    const std::string forty(40, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {"5\r\n37\r\n", "'37' in line 2"},
        {"-1\r\n", "'-1' in line 1"},
        {"5\n+5\n", "'+5' in line 2"},
        {"1e1", "'1e1' in line 1"},
        {"3.0\r\n", "'3.0' in line 1"},
        {"5,0\r\n", "'5,0' in line 1"},
        {"0037\r\n", "'0037' in line 1"},
        {"\xEF\xBB\xBF"
         "seven\r\n",
         "'seven' in line 1"},
        {"5\r\n\r\n 12 \r\n  abc def\t\r\n", "'abc def' in line 4"},
        {"5\r7\n\rx", "'x' in line 4"},
        {"1\t2", "'1\t2' in line 1"},
        {forty + "\n", "'" + forty + "' in line 1"},
        {"1\n" + forty + "yz\n", "'" + forty + "...' in line 2"},
    };
    for (const auto& [bytes, message] : cases) {
        SCOPED_TRACE(message);
        Engine e = played_game();
        const GameState before = e.game();
        const std::string path = write_temp("bad.kvn", bytes);
        EXPECT_EQ(e.load_numbers(path), message + " is not a number from 0 to 36");
        expect_untouched(before, e.game());
        fs::remove(path);
    }
}

TEST(NumberFile, EmptyFileStartsAnEmptyGame) {
    Engine e = played_game();
    const std::string path = write_temp("empty.kvn", "");
    ASSERT_EQ(e.load_numbers(path), std::nullopt);
    fs::remove(path);
    EXPECT_TRUE(e.game().numbers.empty());
    EXPECT_TRUE(e.game().statistics_list.empty());
    EXPECT_EQ(history_numbers(e.game()), std::vector<int>(kHistorySize, -1));
    for (int b = 0; b < kStatBarCount; ++b) {
        EXPECT_EQ(stat_bar_value(e.game().stats, static_cast<StatBar>(b)), 0);
    }
    e.spin(30);
    EXPECT_EQ(e.game().numbers, Numbers{30});
    EXPECT_EQ(stat_display_text(e.game().stats, Side::Red), "Red (100%)");
    EXPECT_EQ(e.game().category(CategoryId::RB).list_window.str(), "1");
}

TEST(NumberFile, OnlyZerosShowInTheHistoryAndComputeNothing) {
    Engine e;
    const std::string path = write_temp("zeros.kvn", "0\r\n0\r\n0\r\n");
    ASSERT_EQ(e.load_numbers(path), std::nullopt);
    fs::remove(path);
    EXPECT_EQ(e.game().numbers, (Numbers{0, 0, 0}));
    EXPECT_TRUE(e.game().statistics_list.empty());
    EXPECT_EQ(history_numbers(e.game()),
              (std::vector<int>{0, 0, 0, -1, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(e.game().history[2].colour, HistoryColour::Zero);
    EXPECT_EQ(e.game().stats, Statistics{});
    EXPECT_EQ(stat_display_text(e.game().stats, Side::Less), "1-18 (0%)");
}

TEST(NumberFile, FifteenNumbersShowTheLastTen) {
    std::string bytes;
    for (int n = 21; n <= 35; ++n) {
        bytes += std::to_string(n) + "\r\n";
    }
    Engine e;
    const std::string path = write_temp("fifteen.kvn", bytes);
    ASSERT_EQ(e.load_numbers(path), std::nullopt);
    fs::remove(path);
    const std::vector<int> loaded = {35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 25};
    EXPECT_EQ(history_numbers(e.game()), loaded);
    EXPECT_EQ(e.game().statistics_list.size(), 15U);
    EXPECT_FALSE(e.undo());
    EXPECT_EQ(history_numbers(e.game()), loaded);
    // The next number continues the file's game; its undo brings the file's strip back.
    e.spin(1);
    EXPECT_EQ(e.game().statistics_list.size(), 16U);
    ASSERT_TRUE(e.undo());
    EXPECT_EQ(history_numbers(e.game()),
              (std::vector<int>{35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 26}));
}

TEST(NumberFile, UnreadableMissingAndUnwritableNamesLeaveTheGameAlone) {
    Engine e = played_game();
    const GameState before = e.game();
    const std::string folder = temp_path("save_fail");
    fs::remove_all(folder);
    fs::create_directories(folder + "/taken.kvn");
    std::ofstream(folder + "/plain", std::ios::binary) << "x";
    const std::set<std::string> names = listing(folder);
    EXPECT_EQ(e.load_numbers(folder + "/taken.kvn"), "Cannot open file " + folder + "/taken.kvn");
    EXPECT_EQ(e.load_numbers(folder + "/no_such_file.kvn"), std::nullopt);
    expect_untouched(before, e.game());
    for (const std::string& target : {
             folder + "/taken.kvn",         // the name is a folder
             folder + "/plain/game.kvn",    // the parent is a regular file
             folder + "/missing/game.kvn",  // the parent does not exist
         }) {
        EXPECT_EQ(e.save_numbers(target), "Cannot create file " + target);
        EXPECT_EQ(listing(folder), names) << target;
    }
    EXPECT_TRUE(fs::is_directory(folder + "/taken.kvn"));
    EXPECT_EQ(read_bytes(folder + "/plain"), "x");
    expect_untouched(before, e.game());
    fs::remove_all(folder);
}

TEST(NumberFile, FailedSaveKeepsTheOldFile) {
    const std::string folder = temp_path("read_only");
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string target = folder + "/game.kvn";
    std::ofstream(target, std::ios::binary) << "1\r\n2\r\n";
    chmod(folder.c_str(), 0555);
    if (std::ofstream(folder + "/probe")) {  // e.g. root: the permission has no effect
        chmod(folder.c_str(), 0755);
        fs::remove_all(folder);
        GTEST_SKIP() << "a read-only folder stays writable for this user";
    }
    Engine e;
    e.spin(9);
    EXPECT_EQ(e.save_numbers(target), "Cannot create file " + target);
    EXPECT_EQ(read_bytes(target), "1\r\n2\r\n");
    EXPECT_EQ(listing(folder), std::set<std::string>{"game.kvn"});
    chmod(folder.c_str(), 0755);
    fs::remove_all(folder);
}

TEST(NumberFile, SaveThatFailsMidwayKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const std::string folder = temp_path("faults");
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string target = folder + "/game.kvn";
    std::ofstream(target, std::ios::binary) << "1\r\n2\r\n";
    FaultyFileSystem files;
    Engine e(files);
    e.spin(9);
    for (auto fault : {FaultyFileSystem::Fault::Write, FaultyFileSystem::Fault::Rename}) {
        files.fault = fault;
        EXPECT_EQ(e.save_numbers(target), "Cannot create file " + target);
        files.fault = FaultyFileSystem::Fault::None;
        EXPECT_EQ(read_bytes(target), "1\r\n2\r\n");
        EXPECT_EQ(listing(folder), std::set<std::string>{"game.kvn"});
    }
    EXPECT_EQ(e.save_numbers(target), std::nullopt);
    EXPECT_EQ(read_bytes(target), "9\r\n");
    EXPECT_EQ(listing(folder), std::set<std::string>{"game.kvn"});
    fs::remove_all(folder);
}

TEST(NumberFile, SaveRightAfterALoadWritesTheFileNumbersAgain) {
    Engine e;
    const std::string in = write_temp("reload_in.kvn", "\xEF\xBB\xBF 007\n5\r\n\n36");
    const std::string out = write_temp("reload_out.kvn", "an older and longer file\r\n");
    ASSERT_EQ(e.load_numbers(in), std::nullopt);
    ASSERT_EQ(e.save_numbers(out), std::nullopt);
    EXPECT_EQ(read_bytes(out), "7\r\n5\r\n36\r\n");
    fs::remove(in);
    fs::remove(out);
}

// A long load reported as it goes: the lines checked, then the statistics replayed, each pass
// from 0 to its end in steps no longer than the reporting interval; the game it leaves is the
// one a load without reports leaves, and it is untouched until the file has been checked.
TEST(NumberFile, ProgressOfALongLoadChangesNothing) {
    std::string bytes;
    std::size_t non_zero = 0;
    for (int i = 0; i < 40000; ++i) {
        const int n = (i * 7) % kNumberCount;
        bytes += std::to_string(n) + "\r\n";
        non_zero += n != 0 ? 1 : 0;
    }
    bytes += "\r\n";  // a blank line is checked, and gives no number
    Engine plain = played_game();
    Engine followed = played_game();
    const Numbers before = followed.game().numbers;
    ASSERT_EQ(plain.load_numbers_from(bytes), std::nullopt);

    std::vector<std::vector<std::pair<std::size_t, std::size_t>>> passes;
    bool touched_while_checking = false;
    const LoadProgress record = [&](std::size_t done, std::size_t total) {
        if (done == 0 || passes.empty()) {
            passes.emplace_back();
        }
        passes.back().emplace_back(done, total);
        touched_while_checking |= passes.size() == 1 && followed.game().numbers != before;
    };
    ASSERT_EQ(followed.load_numbers_from(bytes, record), std::nullopt);
    EXPECT_EQ(trace_line(followed, "", std::nullopt), trace_line(plain, "", std::nullopt));
    EXPECT_EQ(session_csv(followed.game().log), session_csv(plain.game().log));
    EXPECT_FALSE(touched_while_checking);

    ASSERT_EQ(passes.size(), 2U);
    const std::size_t ends[] = {40001, non_zero};
    const std::size_t totals[] = {40001, 40000};
    for (std::size_t p = 0; p < 2; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(passes[p].front().first, 0U);
        EXPECT_EQ(passes[p].back().first, ends[p]);
        for (std::size_t k = 0; k < passes[p].size(); ++k) {
            EXPECT_EQ(passes[p][k].second, totals[p]);
            if (k > 0) {
                EXPECT_GT(passes[p][k].first, passes[p][k - 1].first);
                EXPECT_LE(passes[p][k].first - passes[p][k - 1].first, kProgressEvery);
            }
        }
    }

    // A refused file stops in the first pass, before anything is taken from it.
    passes.clear();
    const GameState kept = followed.game();
    EXPECT_EQ(followed.load_numbers_from(bytes + "x\r\n", record),
              "'x' in line 40002 is not a number from 0 to 36");
    expect_untouched(kept, followed.game());
    EXPECT_EQ(passes.size(), 1U);
}

TEST(NewGame, EmptiesTheGameAndKeepsStakesAndHints) {
    Engine e = played_game();
    e.spin(23);  // red and odd: both bets lost again, the stakes move on
    testing::game_of(e).mark(Side::Dozen1).indicator = true;
    const GameState before = e.game();
    ASSERT_EQ(before.category(CategoryId::RB).progression_step, 2);
    ASSERT_NE(before.hints[index_of(CategoryId::RB)].chain, 0);
    e.new_game();
    const GameState& g = e.game();
    EXPECT_TRUE(g.numbers.empty() && g.statistics_list.empty());
    for (int i = 0; i < kSideCount; ++i) {
        EXPECT_EQ(g.marks[i], SideMarks{}) << i;
        EXPECT_EQ(stat_value_text(g.stats, static_cast<Side>(i)), "0");
    }
    EXPECT_EQ(stat_display_text(g.stats, Side::Less), "1-18 (0%)");
    EXPECT_EQ(stat_display_text(g.stats, Side::Dozen3), "3RD D (0%)");
    EXPECT_EQ(history_numbers(g), std::vector<int>(kHistorySize, -1));
    EXPECT_EQ(g.bankroll, kStartBankroll);
    EXPECT_EQ(g.bankroll_aim, kStartBankrollAim);
    EXPECT_EQ(g.counts(Family::F12).bets_count + g.counts(Family::F12).wins_count, 0);
    EXPECT_FALSE(e.undo());
    for (CategoryId c : kAllCategories) {
        EXPECT_EQ(g.category(c).bet, before.category(c).bet);
        EXPECT_EQ(g.category(c).progression_step, before.category(c).progression_step);
        EXPECT_FALSE(g.category(c).match);
        EXPECT_TRUE(g.category(c).list_window.empty());
    }
    EXPECT_EQ(g.hints, before.hints);
    e.spin(2);
    EXPECT_EQ(e.game().numbers, Numbers{2});
    EXPECT_EQ(stat_display_text(e.game().stats, Side::Black), "Black (100%)");
}

}  // namespace
}  // namespace corvane
