// The backtest: its summary of a short game worked out by hand, repeatable random runs, the
// window's checks of number files, and observation that adds up to the engine's own counts.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include "base/number_file.h"
#include "base/random_numbers.h"
#include "cli/backtest_runner.h"
#include "engine/engine.h"
#include "settings/settings_file.h"
#include "simulation/summary.h"
#include "tests/support/engine_access.h"
#include "tests/support/files.h"
#include "tests/support/special_files.h"
#include "tests/support/tool.h"

namespace corvane::testing {
namespace {

// A settings file: the default text with some lines replaced.
std::string settings_file(const std::string& name, const std::map<int, std::string>& lines) {
    SettingsText text = default_settings_text();
    for (const auto& [line, value] : lines) {
        text[line] = value;
    }
    return write_temp(name, settings_file_text(text));
}

// Only Red/Black, chain length 3 (list index 0), Martingale, starting bet 1.
std::string red_black_short() {
    return settings_file("rb3.kvs", {{1, "0"}, {2, "0"}, {3, "0"}, {4, "0"}, {8, "0"}});
}

// Black, red, black, red: an alternation (chain 2) and a bet of 1 on Red. 6 (black) loses it;
// the chain goes on with 2 on Black, charged 2 (bankroll -3). 8 (black) wins 4 (+1) and ends
// the chain; the window 1-0-0 starts chain 3 at once, 1 on Black (0). The zero loses that bet,
// which is laid again at 2 (-2).
const char* const kShortGame = "2\n1\n4\n3\n6\n8\n0\n";

// Off a terminal, as in a script that keeps the tool's messages, no progress line is drawn,
// however long the run.
TEST(Backtest, NoProgressLineOffATerminal) {
    ::testing::internal::CaptureStderr();  // standard error into a file: no terminal
    Progress progress(1U << 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));  // past the line's first delay
    for (std::uint64_t done = 4096; done <= (1U << 20); done += 4096) {
        progress.spins_done(done);
    }
    progress.update(1, 1U << 20);
    progress.finish();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST(Backtest, ShortGameSummaryWorkedOutByHand) {
    const std::string numbers = write_temp("short.kvn", kShortGame);
    const ToolRun run = run_tool("--settings " + red_black_short() + " --json " + numbers);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 1U);
    const Json summary = parse_json(run.lines[0]);
    const Json& game = summary["runs"][0];
    EXPECT_EQ(game["name"].string, numbers);
    EXPECT_EQ(game["spins"].number, 7);
    EXPECT_EQ(game["zeros"].number, 1);
    EXPECT_EQ(game["virtual_profit"].number, -2);
    EXPECT_EQ(game["worst_drawdown"].number, -3);
    const Json& rb = game["categories"]["RB"];
    EXPECT_EQ(rb["bets"].number, 4);
    EXPECT_EQ(rb["won"].number, 1);
    EXPECT_EQ(rb["lost"].number, 2);  // the last bet is still open
    EXPECT_EQ(rb["win_rate"].number, 25);
    EXPECT_EQ(rb["longest_losing_run"].number, 1);
    EXPECT_EQ(rb["largest_stake"].number, 2);
    EXPECT_EQ(rb["staked"].number, 6);  // 1 + 2 + 1 + 2
    EXPECT_EQ(rb["paid"].number, 4);
    EXPECT_EQ(game["families"]["1/2"]["bets"].number, 4);
    EXPECT_EQ(game["families"]["2/3"]["bets"].number, 0);
    EXPECT_EQ(game["categories"]["D"]["bets"].number, 0);  // switched off
    std::vector<int> chains(22, 0);
    chains[1] = chains[2] = 1;
    EXPECT_EQ(game["chains_matched"]["RB"].ints(), chains);
    EXPECT_EQ(game["mismatched_spins"].number, 0);
    EXPECT_EQ(summary["settings"]["window12"].number, 3);
    EXPECT_TRUE(summary["seed"].is_null());
}

TEST(Backtest, EveryFileIsItsOwnGameAndATotalFollows) {
    const std::string numbers = write_temp("twice.kvn", kShortGame);
    const ToolRun run =
        run_tool("--settings " + red_black_short() + " --json " + numbers + " " + numbers);
    ASSERT_EQ(run.status, 0) << run.err;
    const Json summary = parse_json(run.lines.at(0));
    ASSERT_EQ(summary["runs"].array.size(), 2U);
    // The second game starts fresh: the same figures as the first.
    EXPECT_EQ(summary["runs"][1]["virtual_profit"].number, -2);
    EXPECT_EQ(summary["runs"][1]["categories"]["RB"]["bets"].number, 4);
    const Json& total = summary["total"];
    EXPECT_EQ(total["spins"].number, 14);
    EXPECT_EQ(total["virtual_profit"].number, -4);
    EXPECT_EQ(total["worst_drawdown"].number, -3);
    EXPECT_EQ(total["categories"]["RB"]["won"].number, 2);
    EXPECT_EQ(total["categories"]["RB"]["win_rate"].number, 25);
}

TEST(Backtest, TraceHasOneLineForEverySpinThenTheSummary) {
    const std::string numbers = write_temp("trace.kvn", kShortGame);
    const ToolRun run = run_tool("--settings " + red_black_short() + " --trace " + numbers);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_GT(run.lines.size(), 7U);
    EXPECT_EQ(run.trace(0)["cmd"].string, "spin 2");
    EXPECT_EQ(run.trace(5)["cmd"].string, "spin 8");
    EXPECT_EQ(run.trace(5)["bankroll"].number, 1000000);
    EXPECT_EQ(run.trace(6)["numbers"].strings().size(), 7U);
    EXPECT_EQ(run.lines[7], "settings: " + red_black_short());
}

TEST(Backtest, SameSeedSameSummaryOtherSeedOtherSummary) {
    const std::string args =
        "--random 5000 --json --settings " + settings_file("short.kvs", {{8, "0"}, {9, "0"}});
    const ToolRun first = run_tool(args + " --seed 7");
    const ToolRun again = run_tool(args + " --seed 7");
    const ToolRun other = run_tool(args + " --seed 8");
    ASSERT_EQ(first.status, 0) << first.err;
    ASSERT_EQ(first.lines.size(), 1U);
    EXPECT_EQ(first.lines, again.lines);
    EXPECT_NE(first.lines, other.lines);
    const Json summary = parse_json(first.lines[0]);
    EXPECT_EQ(summary["seed"].number, 7);
    EXPECT_EQ(summary["total"]["spins"].number, 5000);
    EXPECT_GT(summary["total"]["families"]["1/2"]["bets"].number, 0);
}

TEST(Backtest, GeneratorIsSplitMix64AndDrawsEveryNumber) {
    SplitMix64 gen(0);  // the published first outputs for seed 0
    EXPECT_EQ(gen.next(), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(gen.next(), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(gen.next(), 0x06C45D188009454FULL);
    RandomNumbers numbers(kDefaultSeed);
    std::array<int, kNumberCount> seen{};
    for (int i = 0; i < 37000; ++i) {
        ++seen.at(static_cast<std::size_t>(numbers.next()));
    }
    for (int count : seen) {
        EXPECT_NEAR(count, 1000, 150);
    }
}

// Taking outputs below 2^64 mod 37 (= 12) would make 0..11 likelier than the rest by 2^-64
// each, far below what counting draws can see, so the redraw is checked on a seed that hits
// it at once: its state wraps to 0 on the first step, and SplitMix64 turns 0 into 0. The redraw
// takes the next output, 0xE220A8397B1DCDAF (the first one of seed 0), which is 33 modulo 37;
// without it the draw would be 0.
TEST(Backtest, GeneratorDrawsAgainBelowTheRemainder) {
    constexpr std::uint64_t kFirstOutputZero = 0x61C8864680B583EBULL;  // 2^64 - 0x9E3779B97F4A7C15
    EXPECT_EQ(SplitMix64(kFirstOutputZero).next(), 0U);
    EXPECT_EQ(RandomNumbers(kFirstOutputZero).next(), 33);
}

TEST(Backtest, BadNumberFileGivesTheWindowsMessage) {
    const std::string bytes = "12\n7\n 40 \n3\n";
    const std::string path = write_temp("bad.kvn", bytes);
    const std::string good = write_temp("good.kvn", "1\n2\n");
    const ToolRun run = run_tool(good + " " + path);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.lines.empty());  // nothing is played before every file is checked
    const std::optional<std::string> window = parse_number_file(bytes).error;
    ASSERT_TRUE(window.has_value());
    EXPECT_NE(run.err.find(*window), std::string::npos) << run.err;

    const ToolRun missing = run_tool(temp_path("nowhere.kvn"));
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("nowhere.kvn"), std::string::npos) << missing.err;
}

// Number and settings files are read as the window reads them: what is not a regular file, or is
// larger than any file of its kind, stops the tool with the window's message.
TEST(Backtest, DevicesPipesFoldersAndHugeFilesStopWithTheirMessage) {
    const Fifo fifo("pipe.kvn");
    const std::string folder = temp_path("folder.kvn");
    std::filesystem::create_directories(folder);
    const std::string numbers = sparse_file("huge.kvn", kMaxNumberFileBytes + 1);
    const std::string settings = sparse_file("huge.kvs", kMaxSettingsFileBytes + 1);
    const struct {
        std::string args, path;
        ReadStatus status;
        std::uintmax_t limit;
    } cases[] = {
        {"", "/dev/zero", ReadStatus::NotRegular, kMaxNumberFileBytes},
        {"", fifo.path, ReadStatus::NotRegular, kMaxNumberFileBytes},
        {"", folder, ReadStatus::Unreadable, kMaxNumberFileBytes},
        {"", numbers, ReadStatus::TooLarge, kMaxNumberFileBytes},
        {"--random 5 --settings ", "/dev/zero", ReadStatus::NotRegular, kMaxSettingsFileBytes},
        {"--random 5 --settings ", settings, ReadStatus::TooLarge, kMaxSettingsFileBytes},
    };
    for (const auto& c : cases) {
        const ToolRun run = run_tool(c.args + c.path);
        EXPECT_EQ(run.status, 2) << c.path;
        EXPECT_TRUE(run.lines.empty()) << c.path;
        EXPECT_EQ(run.err,
                  "corvane-backtest: " + *read_failure_message(c.path, c.status, c.limit) + "\n");
    }
    std::filesystem::remove(folder);
    std::filesystem::remove(numbers);
    std::filesystem::remove(settings);
}

TEST(Backtest, BadSettingsAndOptionsStopWithStatusTwo) {
    const ToolRun bad = run_tool("--random 10 --settings " + settings_file("bad.kvs", {{7, "x"}}));
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("'x' is not a valid integer value"), std::string::npos) << bad.err;
    EXPECT_EQ(run_tool("--random 10 --settings " + temp_path("none.kvs")).status, 2);
    EXPECT_EQ(run_tool("--random 10 --bogus").status, 2);
    EXPECT_EQ(run_tool("--random ten").status, 2);
    EXPECT_EQ(run_tool("--seed 3").status, 2);
    EXPECT_EQ(run_tool("").status, 2);
    const ToolRun help = run_tool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.lines.size(), 0U);
}

// Losing runs counted by hand. Bets on Black and Odd are opened before the spins that need
// them (a lost bet is laid again by its chain, a won one ends the chain):
//   12, red and even:  Red/Black lost, Even/Odd lost
//    3, red and odd:   lost, won
//    2, black and even: won, lost
//    5, red and odd:   lost, won
// Red/Black L L W L: longest 2. Even/Odd L W L W: longest 1. The 1/2 family in the order
// settled, Red/Black before Even/Odd in each spin, L L L W W L L W: longest 3.
TEST(Backtest, LongestLosingRunOfACategoryAndOfItsFamily) {
    Engine e;
    settings_of(e).category_enabled = {true, true, false, false, false};
    GameState& g = game_of(e);
    // Chain 1, line 0: the code '1' again and again, bet against.
    const auto open = [&](CategoryId c, Side against) {
        CategoryState& st = g.category(c);
        st.match = true;
        st.set_chain_flag(1);
        st.current_pattern = 0;
        st.pattern_step = 2;
        g.mark(against).field = g.mark(against).stake = true;
    };
    SummaryRecorder recorder("runs");
    open(CategoryId::RB, Side::Black);
    open(CategoryId::EO, Side::Odd);
    ASSERT_TRUE(recorder.spin(e, 12));
    ASSERT_TRUE(recorder.spin(e, 3));
    open(CategoryId::EO, Side::Odd);
    ASSERT_TRUE(recorder.spin(e, 2));
    open(CategoryId::RB, Side::Black);
    ASSERT_TRUE(recorder.spin(e, 5));

    const RunSummary s = recorder.summary();
    const BetFigures& rb = s.categories[index_of(CategoryId::RB)];
    const BetFigures& eo = s.categories[index_of(CategoryId::EO)];
    EXPECT_EQ(rb.won, 1);
    EXPECT_EQ(rb.lost, 3);
    EXPECT_EQ(rb.longest_losing_run, 2);
    EXPECT_EQ(eo.won, 2);
    EXPECT_EQ(eo.lost, 2);
    EXPECT_EQ(eo.longest_losing_run, 1);
    EXPECT_EQ(s.families[index_of(Family::F12)].longest_losing_run, 3);
    EXPECT_EQ(s.mismatched_spins, 0);
}

// Under every betting system, with the options that move stakes between spins, what the
// summary sees adds up to the engine's bankroll and counters on every spin.
TEST(Backtest, ObservationAddsUpToTheEngine) {
    for (int system = 0; system < 5; ++system) {
        for (int variant = 0; variant < 3; ++variant) {
            Engine engine;
            for (int i = 0; i < 7; ++i) {  // chain lengths 3 and 3
                engine.apply(SettingOp::CL12_Step, {}, -1);
                engine.apply(SettingOp::CL23_Step, {}, i < 5 ? -1 : 0);
            }
            for (int i = 0; i < system; ++i) {
                engine.apply(SettingOp::BS12_Step, {}, 1);
                engine.apply(SettingOp::BS23_Step, {}, 1);
            }
            if (variant == 1) {
                engine.apply(SettingOp::ResetOnZero_On);
                engine.apply(SettingOp::BetAutomaticReset_On);
            } else if (variant == 2) {
                engine.apply(SettingOp::TrendBetting_On);
                engine.apply(SettingOp::BetAutomaticReset_On);
                engine.apply(SettingOp::BAR_SetUnits_Select);
            }
            SummaryRecorder recorder("check");
            RandomNumbers numbers(static_cast<std::uint64_t>(10 * system + variant));
            for (int i = 0; i < 4000; ++i) {
                ASSERT_TRUE(recorder.spin(engine, numbers.next()));
            }
            const RunSummary s = recorder.summary();
            const GameState& g = engine.game();
            SCOPED_TRACE("system " + std::to_string(system) + ", variant " +
                         std::to_string(variant));
            EXPECT_EQ(s.mismatched_spins, 0);
            EXPECT_EQ(s.families[0].bets, g.counts(Family::F12).bets_count);
            EXPECT_EQ(s.families[0].won, g.counts(Family::F12).wins_count);
            EXPECT_EQ(s.families[1].bets, g.counts(Family::F23).bets_count);
            EXPECT_EQ(s.families[1].won, g.counts(Family::F23).wins_count);
            EXPECT_EQ(s.families[0].win_rate(), g.counts(Family::F12).win_rate);
            EXPECT_DOUBLE_EQ(s.families[0].net() + s.families[1].net(), s.profit);
            EXPECT_GT(s.families[0].bets, 0);
        }
    }
}

// The cells of a CSV row without quotes, as the session log writes them.
std::vector<std::string> cells(const std::string& row) {
    std::vector<std::string> out(1);
    for (char ch : row) {
        if (ch == ',') {
            out.emplace_back();
        } else if (ch != '\r') {
            out.back() += ch;
        }
    }
    return out;
}

TEST(Backtest, CsvHasARowPerSpinWhosePaymentsAddUpToTheSummary) {
    const std::string csv = temp_path("spins.csv");
    const ToolRun run = run_tool("--random 1000 --seed 3 --json --csv " + csv);
    ASSERT_EQ(run.status, 0) << run.err;
    const Json summary = run.trace(0)["runs"][0]["categories"];

    std::istringstream in(read_bytes(csv));
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    const std::vector<std::string> header = cells(line);
    std::map<std::string, double> paid;
    int rows = 0;
    while (std::getline(in, line)) {
        const std::vector<std::string> row = cells(line);
        ASSERT_EQ(row.size(), header.size());
        EXPECT_EQ(row[0], std::to_string(++rows));
        for (std::size_t k = 0; k < header.size(); ++k) {
            if (header[k].ends_with("_paid")) {
                paid[header[k].substr(0, header[k].size() - 5)] += std::stod(row[k]);
            }
        }
    }
    EXPECT_EQ(rows, 1000);
    for (const char* category : {"RB", "EO", "LM", "D", "C"}) {
        EXPECT_EQ(paid[category], summary[category]["paid"].number) << category;
    }
    EXPECT_GT(paid["RB"] + paid["D"], 0);
    std::remove(csv.c_str());
}

}  // namespace
}  // namespace corvane::testing
