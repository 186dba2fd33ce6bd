// corvane-backtest --wheel: the numbers of several files counted as one game, the keys that
// scripts rely on with the values the wheel library finds, the text report, and the files and
// options it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/random_numbers.h"
#include "tests/support/files.h"
#include "tests/support/tool.h"
#include "wheel/fair_wheels.h"
#include "wheel/fairness.h"

namespace corvane::testing {
namespace {

std::string number_file(const std::string& name, const std::vector<int>& numbers) {
    std::string bytes;
    for (int n : numbers) {
        bytes += std::to_string(n) + "\r\n";
    }
    return write_temp(name, bytes);
}

std::vector<int> seeded_numbers(std::uint64_t seed, int count) {
    RandomNumbers gen(seed);
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) {
        numbers.push_back(gen.next());
    }
    return numbers;
}

TEST(WheelReport, CountsTheFilesAsOneGameWithTheKeysScriptsReadIn) {
    const std::vector<int> first = seeded_numbers(3, 500);
    std::vector<int> second = seeded_numbers(4, 300);
    second.back() = 17;  // the last spin of all
    const ToolRun run = run_tool("--wheel --json " + number_file("w1.kvn", first) + " " +
                                 number_file("w2.kvn", second));
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 1U);
    const Json j = parse_json(run.lines[0]);

    PocketCounts counts{};
    for (const std::vector<int>& file : {first, second}) {
        for (int n : file) {
            ++counts[n];
        }
    }
    const WheelFindings f = examine(counts);
    EXPECT_EQ(j["spins"].number, 800);
    ASSERT_EQ(j["pockets"].array.size(), 37U);
    for (int n = 0; n < kPocketCount; ++n) {
        EXPECT_EQ(j["pockets"][static_cast<std::size_t>(n)].number, static_cast<double>(counts[n]));
    }
    EXPECT_EQ(j["since"][17].number, 0);
    EXPECT_DOUBLE_EQ(j["chi_square"]["statistic"].number, f.pockets.statistic);
    EXPECT_EQ(j["chi_square"]["df"].number, 36);
    EXPECT_DOUBLE_EQ(j["chi_square"]["p"].number, f.pockets.p);
    EXPECT_EQ(j["hot_arc"]["length"].number, f.arcs.length());
    EXPECT_EQ(j["hot_arc"]["first"].number, f.arcs.first_pocket());
    EXPECT_EQ(j["hot_arc"]["hits"].number, static_cast<double>(f.arcs.hits()));
    EXPECT_DOUBLE_EQ(j["hot_arc"]["p"].number, FairWheels(800).p_value(f.arcs));
    for (const SectorInfo& s : kSectors) {
        const Json& sector = j["sectors"][std::string(s.key)];
        EXPECT_EQ(sector["hits"].number, static_cast<double>(sector_hits(counts, s)));
        EXPECT_DOUBLE_EQ(sector["expected"].number, 800.0 * s.size() / 37);
    }
    EXPECT_EQ(j["since_last_won"]["Black"].number, 0);  // 17 is black
    EXPECT_EQ(j["too_early"].boolean, false);
    EXPECT_EQ(j["verdict"].string.substr(0, 12), "800 spins: n");

    // The same as text: the sentence, the two tests, the sectors, the sides and the pockets.
    const ToolRun text =
        run_tool("--wheel " + number_file("w1.kvn", first) + " " + number_file("w2.kvn", second));
    ASSERT_EQ(text.status, 0);
    ASSERT_EQ(text.lines.size(), 57U);  // 7 of the head and tests, 5 + 7 of sectors and sides, 38
    EXPECT_EQ(text.lines[0], "== wheel ==");
    EXPECT_EQ(text.lines[2], j["verdict"].string);
    EXPECT_EQ(text.lines[4].substr(0, 20), "pockets   chi-square");
    EXPECT_EQ(text.lines[5].substr(0, 10), "hot arc   ");
    std::string arc;  // the hottest arc's pockets in the wheel's order
    for (int i = 0; i < f.arcs.length(); ++i) {
        arc += (i == 0 ? "" : ", ") + std::to_string(pocket_at(f.arcs.first_position() + i));
    }
    EXPECT_NE(text.lines[5].find("(" + arc + ")"), std::string::npos) << text.lines[5];
    EXPECT_EQ(text.lines.back().substr(0, 2), "36");
}

TEST(WheelReport, ShortGamesAreTooEarlyToTell) {
    const ToolRun run = run_tool("--wheel --json " + number_file("short.kvn", {5, 0, 17}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Json j = parse_json(run.lines.at(0));
    EXPECT_EQ(j["spins"].number, 3);
    EXPECT_TRUE(j["too_early"].boolean);
    EXPECT_EQ(j["verdict"].string.substr(0, 28), "3 spins: too early to tell; ");
    EXPECT_TRUE(j["since_last_won"]["D3"].is_null());  // nothing of 25 to 36 yet
    EXPECT_EQ(j["since_last_won"]["Red"].number, 2);   // 5, then the zero and 17
    const ToolRun text = run_tool("--wheel " + number_file("short.kvn", {5, 0, 17}));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.lines.at(4), "pockets   too early for the chi-square test");
    EXPECT_EQ(text.lines.at(5), "hot arc   too early to test");
    const ToolRun empty = run_tool("--wheel --json " + write_temp("empty.kvn", ""));
    ASSERT_EQ(empty.status, 0) << empty.err;
    EXPECT_EQ(parse_json(empty.lines.at(0))["chi_square"]["p"].number, 1);
}

TEST(WheelReport, RefusesBadFilesAndOptionsWithExitStatusTwo) {
    struct Case {
        std::string args;
        std::string message;  // what standard error begins with
    };
    const std::string good = number_file("good.kvn", {1, 2, 3});
    const std::string bad = write_temp("bad.kvn", "5\r\n37\r\n");
    const std::string missing = temp_path("missing.kvn");
    const Case cases[] = {
        {"--wheel " + good + " " + bad,
         "corvane-backtest: " + bad + ": '37' in line 2 is not a number from 0 to 36\n"},
        {"--wheel " + missing, "corvane-backtest: number file " + missing + " does not exist\n"},
        {"--wheel /dev/zero", "corvane-backtest: "},
        {"--wheel", "corvane-backtest: --wheel needs one or more number files\n"},
        {"--wheel --random 100", "corvane-backtest: --wheel reads number files: only --json "},
        {"--wheel --trace " + good, "corvane-backtest: --wheel reads number files: only --json "},
        {"--wheel --settings x.kvs " + good, "corvane-backtest: --wheel reads number files"},
        {"--wheel --sessions 5", "corvane-backtest: --wheel reads number files"},
    };
    for (const Case& c : cases) {
        const ToolRun run = run_tool(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_TRUE(run.lines.empty()) << c.args;
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message) << c.args;
    }
}

}  // namespace
}  // namespace corvane::testing
