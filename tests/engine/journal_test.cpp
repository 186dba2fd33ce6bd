// The evening's journal: every action written as the line the script reader reads back, the
// journal read with a cut last line and faulty lines, replayed to the state its actions left,
// its folder's copies of loaded files, resumption and the evenings set aside.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "base/file_io.h"
#include "cli/trace.h"
#include "engine/journal.h"
#include "engine/script.h"
#include "settings/settings_file.h"
#include "tests/support/files.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Kind = ScriptAction::Kind;
using testing::read_bytes;
using testing::temp_path;
using testing::write_temp;

// A folder of its own for each test, empty.
std::string fresh_folder(const std::string& name) {
    const std::string folder = temp_path("journal_" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

ScriptAction parsed(const std::string& line) {
    const ScriptLine read = parse_script_line(line);
    EXPECT_TRUE(std::holds_alternative<ScriptAction>(read)) << line;
    return std::holds_alternative<ScriptAction>(read) ? std::get<ScriptAction>(read)
                                                      : ScriptAction{};
}

void expect_same_action(const ScriptAction& a, const ScriptAction& b) {
    EXPECT_EQ(a.kind, b.kind) << a.cmd;
    EXPECT_EQ(a.number, b.number) << a.cmd;
    EXPECT_EQ(a.text, b.text) << a.cmd;
    EXPECT_EQ(a.arg, b.arg) << a.cmd;
    EXPECT_EQ(a.cmd, b.cmd);
}

// The whole state after the actions, as the tool traces it.
std::string state_of(const Engine& e) {
    return trace_line(e, "", std::nullopt);
}

EveningStep step(const ScriptAction& action, const std::string& at = "2026-03-14 21:40",
                 const std::string& loaded = {}) {
    EveningStep s{action, at, {}};
    if (!loaded.empty()) {
        s.loaded = std::make_shared<const std::string>(loaded);
    }
    return s;
}

std::vector<std::string> lines_of(const std::string& path) {
    std::vector<std::string> out;
    const std::string bytes = read_bytes(path);
    for (std::string_view line : split_lines(bytes)) {
        out.emplace_back(line);
    }
    return out;
}

TEST(JournalLine, EveryActionIsWrittenAsTheLineThatReadsBackToIt) {
    std::vector<ScriptAction> actions;
    for (int n = 0; n <= kMaxNumber; ++n) {
        actions.push_back(spin_action(n));
    }
    for (Kind kind : {Kind::Undo, Kind::Bets, Kind::NewGame, Kind::DefaultSettings}) {
        actions.push_back(plain_action(kind));
    }
    for (Kind kind :
         {Kind::LoadNumbers, Kind::SaveNumbers, Kind::LoadSettings, Kind::SaveSettings}) {
        actions.push_back(file_action(kind, "/home/player/my games/mon day.kvn"));
    }
    for (const OpInfo& op : setting_ops()) {
        for (CategoryId c : kAllCategories) {
            for (int step : {-7, -1, 1, 5}) {
                if (op.arg == OpArg::UnitStep && step != 1 && step != -1) {
                    continue;
                }
                actions.push_back(op_action(op.op, c, step));
            }
        }
    }
    for (const ScriptAction& a : actions) {
        ASSERT_FALSE(a.cmd.empty());
        expect_same_action(parsed(a.cmd), a);
    }
    EXPECT_EQ(op_action(SettingOp::CL12_Step, CategoryId::D, -1).cmd, "op CL12_Step -1");
    EXPECT_EQ(op_action(SettingOp::StartingBet_Repeat, {}, 5).cmd, "op StartingBet_Repeat +5");
    EXPECT_EQ(op_action(SettingOp::Category_Off, CategoryId::LM, 0).cmd, "op Category_Off LM");
    EXPECT_EQ(op_action(SettingOp::TrendBetting_On, CategoryId::C, 3).cmd, "op TrendBetting_On");
}

TEST(JournalRead, ActionsKeepTheirLineAndTheMinuteStampedBeforeThem) {
    const JournalContent c = parse_journal(
        "# Corvane evening 2026-03-14_21-40-07\n"
        "# One action a line\n"
        "# at 2026-03-14 21:40\n"
        "spin 17\n"
        "\n"
        "op Category_Off RB\n"
        "# at 2026-03-14 21:42\n"
        "undo\n");
    EXPECT_EQ(c.evening, "2026-03-14_21-40-07");
    EXPECT_FALSE(c.cut);
    EXPECT_FALSE(c.fault);
    ASSERT_EQ(c.entries.size(), 3U);
    EXPECT_EQ(c.entries[0].line, 4U);
    EXPECT_EQ(c.entries[0].at, "2026-03-14 21:40");
    EXPECT_EQ(c.entries[1].line, 6U);
    EXPECT_EQ(c.entries[1].action.cmd, "op Category_Off RB");
    EXPECT_EQ(c.entries[1].at, "2026-03-14 21:40");
    EXPECT_EQ(c.entries[2].at, "2026-03-14 21:42");
    EXPECT_TRUE(parse_journal("").entries.empty());
}

TEST(JournalRead, ALastLineWithoutItsEndIsLeftOut) {
    const std::string whole = "# Corvane evening 2026-03-14_21-40-07\nspin 17\nspin 3\n";
    for (const std::string tail : {"s", "spin 2", "spin 25", "# at 2026-03-14 21:4"}) {
        const JournalContent c = parse_journal(whole + tail);
        EXPECT_TRUE(c.cut) << tail;
        EXPECT_EQ(c.whole_bytes, whole.size()) << tail;
        ASSERT_EQ(c.entries.size(), 2U) << tail;
        EXPECT_EQ(c.entries[1].action.cmd, "spin 3");
    }
    // Cut inside the first line: nothing whole at all.
    const JournalContent nothing = parse_journal("# Corvane ev");
    EXPECT_TRUE(nothing.cut);
    EXPECT_EQ(nothing.whole_bytes, 0U);
    EXPECT_TRUE(nothing.entries.empty());
}

TEST(JournalRead, AFaultyLineIsNamedAndNothingAfterItCounts) {
    const std::pair<std::string, std::string> kFaults[] = {
        {"spin 3\nspin 17\njump 4\nspin 5\n", "unknown action 'jump'"},
        {"spin 3\nspin 17\nspin 40\nspin 5\n", "spin needs one number from 0 to 36"},
        {"spin 3\nspin 17\nop Category_Off XX\n", "category must be RB, EO, LM, D or C"},
        {"spin 3\nspin 17\nsave-numbers /tmp/x.kvn\n", "a journal saves no files"},
    };
    for (const auto& [text, reason] : kFaults) {
        const JournalContent c = parse_journal(text);
        ASSERT_TRUE(c.fault) << text;
        EXPECT_EQ(c.fault->line, 3U) << text;
        EXPECT_EQ(c.fault->reason, reason);
        EXPECT_EQ(c.entries.size(), 2U);
    }
}

TEST(JournalReplay, GivesTheStateOfTheActionsAndTheMinuteOfTheLastNumber) {
    const std::string game = write_temp("replay.kvn", "5\n17\n0\n");
    const std::string text =
        "# at 2026-03-14 21:40\nspin 17\nop Category_Off EO\n"
        "# at 2026-03-14 21:41\nspin 3\n"
        "# at 2026-03-14 21:47\nundo\nbets\n"
        "# at 2026-03-14 21:50\nop StartingBet_Step +1\n";
    Engine played;
    for (const std::string line :
         {"spin 17", "op Category_Off EO", "spin 3", "undo", "bets", "op StartingBet_Step +1"}) {
        run_script_action(played, parsed(line));
    }
    Engine replayed;
    const ReplayedEvening r = replay_journal(replayed, parse_journal(text));
    EXPECT_FALSE(r.fault);
    EXPECT_EQ(state_of(replayed), state_of(played));
    EXPECT_EQ(r.evening.size(), 6U);
    EXPECT_EQ(r.last_at, "2026-03-14 21:40");  // spin 3 was taken back

    Engine loaded;
    const ReplayedEvening l = replay_journal(
        loaded, parse_journal("# at 2026-03-14 21:40\nspin 4\n# at 2026-03-14 21:45\n"
                              "load-numbers " +
                              game + "\n# at 2026-03-14 21:46\nop CL12_Step -1\n"));
    EXPECT_FALSE(l.fault);
    EXPECT_EQ(loaded.game().numbers, (std::vector<std::uint8_t>{5, 17, 0}));
    EXPECT_EQ(l.last_at, "2026-03-14 21:45");
    ASSERT_TRUE(l.evening[1].loaded);
    EXPECT_EQ(*l.evening[1].loaded, "5\n17\n0\n");

    Engine emptied;
    const ReplayedEvening n = replay_journal(
        emptied, parse_journal("# at 2026-03-14 21:40\nspin 4\n# at 2026-03-14 21:52\nnew-game\n"));
    EXPECT_EQ(n.last_at, "2026-03-14 21:52");  // no number: the last action's minute
    fs::remove(game);
}

TEST(JournalReplay, AFileThatIsGoneOrRefusedStopsItAtItsLine) {
    const std::string bad = write_temp("refused.kvn", "5\n40\n");
    const std::string gone = temp_path("gone.kvn");
    fs::remove(gone);
    for (const auto& [load, reason] :
         {std::pair{"load-numbers " + gone, "Cannot open file " + gone + ": it does not exist"},
          std::pair{"load-numbers " + bad, *parse_number_file("5\n40\n").error},
          std::pair{"load-settings " + gone, "Cannot open file " + gone + ": it does not exist"}}) {
        Engine e;
        const ReplayedEvening r =
            replay_journal(e, parse_journal("spin 3\n" + load + "\nspin 4\n"));
        ASSERT_TRUE(r.fault) << load;
        EXPECT_EQ(r.fault->line, 2U);
        EXPECT_EQ(r.fault->reason, reason);
    }
    fs::remove(bad);
}

TEST(JournalFolderTest, NothingIsWrittenBeforeTheFirstAction) {
    const std::string folder = fresh_folder("lazy");
    JournalFolder j(folder);
    ASSERT_TRUE(j.begin({}, 1773520807));
    EXPECT_TRUE(j.writing());
    EXPECT_TRUE(fs::is_empty(folder));
    ASSERT_TRUE(j.append(step(spin_action(17))));
    const std::vector<std::string> lines = lines_of(j.journal_path());
    ASSERT_GE(lines.size(), 4U);
    // The evening's local date and time, each digit where the shape puts a 9.
    const std::string shape = "# Corvane evening 9999-99-99_99-99-99";
    ASSERT_EQ(lines[0].size(), shape.size());
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(lines[0][i])) != 0;
        EXPECT_TRUE(shape[i] == '9' ? digit : lines[0][i] == shape[i]) << lines[0];
    }
    EXPECT_EQ(lines[2], "# at 2026-03-14 21:40");
    EXPECT_EQ(lines[3], "spin 17");
}

TEST(JournalFolderTest, AJournalReplaysToTheStateOfItsActionsWithItsOwnCopiesOfTheFiles) {
    const std::string folder = fresh_folder("copies");
    const std::string game = write_temp("copied game.kvn", "5\n17\n0\n2\n");
    SettingsText changed = default_settings_text();
    changed[0] = "0";
    const std::string options = write_temp("copied.kvs", settings_file_text(changed));
    const std::vector<EveningStep> steps = {
        step(spin_action(17), "2026-03-14 21:40"),
        step(file_action(Kind::LoadNumbers, game), "2026-03-14 21:40", read_bytes(game)),
        step(spin_action(3), "2026-03-14 21:41"),
        step(file_action(Kind::LoadSettings, options), "2026-03-14 21:41", read_bytes(options)),
        step(op_action(SettingOp::CL23_Step, {}, -1), "2026-03-14 21:43"),
        step(spin_action(0), "2026-03-14 21:43"),
    };
    JournalFolder j(folder);
    ASSERT_TRUE(j.begin({}, 1773520807));
    Engine played;
    for (const EveningStep& s : steps) {
        ASSERT_TRUE(j.append(s));
        std::shared_ptr<const std::string> ignored;
        if (s.action.kind == Kind::LoadNumbers) {
            load_numbers_keeping(played, s.action.text, ignored);
        } else if (s.action.kind == Kind::LoadSettings) {
            load_settings_keeping(played, s.action.text, ignored);
        } else {
            run_script_action(played, s.action);
        }
    }
    // The player's files may go: the journal loads its copies.
    fs::remove(game);
    fs::remove(options);
    const std::vector<std::string> lines = lines_of(j.journal_path());
    const std::vector<std::string> stamps = {"# at 2026-03-14 21:40", "# at 2026-03-14 21:41",
                                             "# at 2026-03-14 21:43"};
    std::vector<std::string> stamped;
    for (const std::string& line : lines) {
        if (line.starts_with("# at ")) {
            stamped.push_back(line);
        }
    }
    EXPECT_EQ(stamped, stamps);  // one stamp a minute
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [&](const std::string& l) {
                                return l.starts_with("load-numbers " + j.files_folder() + "/") &&
                                       l.ends_with("-1-copied_game.kvn");
                            }),
              1);
    const FileContent file = read_file(j.journal_path(), kMaxJournalBytes);
    Engine replayed;
    const ReplayedEvening r = replay_journal(replayed, parse_journal(file.bytes));
    EXPECT_FALSE(r.fault);
    EXPECT_EQ(state_of(replayed), state_of(played));

    // The same evening written at once, as when the journal is turned on late, replays the same.
    const std::string late = fresh_folder("late");
    JournalFolder k(late);
    Evening evening = r.evening;
    ASSERT_TRUE(k.begin(evening, 1773520900));
    Engine again;
    EXPECT_FALSE(replay_journal(again, parse_journal(read_bytes(k.journal_path()))).fault);
    EXPECT_EQ(state_of(again), state_of(played));
    EXPECT_FALSE(fs::is_empty(k.files_folder()));
}

TEST(JournalFolderTest, ResumingCutsACutLastLineOff) {
    const std::string folder = fresh_folder("resume");
    JournalFolder j(folder);
    ASSERT_TRUE(j.begin({}, 1773520807));
    ASSERT_TRUE(j.append(step(spin_action(17))));
    ASSERT_TRUE(j.append(step(spin_action(3))));
    j.stop();
    {
        AppendFile raw;
        ASSERT_TRUE(raw.open(j.journal_path()));
        ASSERT_TRUE(raw.append("spin 2"));  // the power went
    }
    const JournalContent c = parse_journal(read_bytes(j.journal_path()));
    ASSERT_TRUE(c.cut);
    JournalFolder again(folder);
    ASSERT_TRUE(again.resume(c));
    ASSERT_TRUE(again.append(step(spin_action(22), "2026-03-14 21:44")));
    const JournalContent after = parse_journal(read_bytes(again.journal_path()));
    EXPECT_FALSE(after.cut);
    EXPECT_FALSE(after.fault);
    ASSERT_EQ(after.entries.size(), 3U);
    EXPECT_EQ(after.entries[2].action.cmd, "spin 22");
    EXPECT_EQ(after.entries[2].at, "2026-03-14 21:44");
    EXPECT_EQ(after.evening, c.evening);
}

TEST(JournalFolderTest, SetAsideKeepsTheTenNewestEveningsWithTheirCopies) {
    const std::string folder = fresh_folder("aside");
    JournalFolder j(folder);
    std::vector<std::string> names;
    for (int k = 0; k < 12; ++k) {
        // Two evenings in the same second get names of their own.
        ASSERT_TRUE(j.begin({}, 1773520807 + 60 * (k / 2)));
        ASSERT_TRUE(
            j.append(step(file_action(Kind::LoadNumbers, "/x/g.kvn"), "2026-03-14 21:40", "5\n")));
        names.push_back(j.set_aside());
        ASSERT_FALSE(names.back().empty());
        EXPECT_FALSE(fs::exists(j.journal_path()));
    }
    EXPECT_NE(names[0], names[1]);
    const std::vector<std::string> kept = j.set_aside_journals();
    EXPECT_EQ(kept, std::vector<std::string>(names.begin() + 2, names.end()));
    std::size_t copies = 0;
    for (const fs::directory_entry& d : fs::directory_iterator(j.files_folder())) {
        ++copies;
        const std::string name = d.path().filename().string();
        const auto evening_of = [&](const std::string& journal) {
            const std::string f = fs::path(journal).filename().string();
            return f.substr(8, f.size() - 12);  // journal-<evening>.txt
        };
        EXPECT_FALSE(name.starts_with(evening_of(names[0]) + "-")) << name;
        EXPECT_FALSE(name.starts_with(evening_of(names[1]) + "-")) << name;
    }
    EXPECT_EQ(copies, 10U);
    // A journal set aside keeps its first line, so it still replays from its copies.
    Engine e;
    EXPECT_FALSE(replay_journal(e, parse_journal(read_bytes(kept.back()))).fault);
    EXPECT_EQ(e.game().numbers, (std::vector<std::uint8_t>{5}));
}

// Evenings begun in the same second are told apart by a number after their time, counted up.
TEST(JournalFolderTest, EveningsOfTheSameSecondAreNumberedInTurn) {
    const std::string folder = fresh_folder("same_second");
    JournalFolder j(folder);
    std::vector<std::string> names;
    for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(j.begin({}, 1773520807));
        ASSERT_TRUE(j.append(step(spin_action(k))));
        names.push_back(fs::path(j.set_aside()).filename().string());
    }
    const std::string evening = names[0].substr(8, names[0].size() - 12);  // journal-<>.txt
    EXPECT_EQ(names, (std::vector<std::string>{"journal-" + evening + ".txt",
                                               "journal-" + evening + "_02.txt",
                                               "journal-" + evening + "_03.txt"}));
}

TEST(JournalFolderTest, BeginningSetsAsideTheJournalThere) {
    const std::string folder = fresh_folder("begin");
    std::ofstream(folder + "/journal.txt") << "garbage without a first line\n";
    JournalFolder j(folder);
    ASSERT_TRUE(j.begin({}, 1773520807));
    EXPECT_FALSE(fs::exists(j.journal_path()));
    ASSERT_EQ(j.set_aside_journals().size(), 1U);
    EXPECT_EQ(read_bytes(j.set_aside_journals()[0]), "garbage without a first line\n");
}

TEST(JournalFolderTest, AFolderThatCannotBeWrittenStopsTheWriting) {
    const std::string file = write_temp("not_a_folder", "x");
    JournalFolder j(file + "/corvane");
    ASSERT_TRUE(j.begin({}, 1773520807));
    EXPECT_FALSE(j.append(step(spin_action(3))));
    EXPECT_FALSE(j.writing());
    EXPECT_FALSE(j.append(step(spin_action(4))));

    // A copy that cannot be made: nothing of the step is written.
    const std::string folder = fresh_folder("nocopy");
    std::ofstream(folder + "/files") << "a file where the copies go";
    JournalFolder k(folder);
    ASSERT_TRUE(k.begin({}, 1773520807));
    ASSERT_TRUE(k.append(step(spin_action(3))));
    EXPECT_FALSE(
        k.append(step(file_action(Kind::LoadNumbers, "/x/g.kvn"), "2026-03-14 21:40", "5\n")));
    EXPECT_FALSE(k.writing());
    const JournalContent c = parse_journal(read_bytes(k.journal_path()));
    EXPECT_FALSE(c.cut);
    ASSERT_EQ(c.entries.size(), 1U);
    fs::remove(file);
}

}  // namespace
}  // namespace corvane
