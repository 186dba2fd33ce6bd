#include <gtest/gtest.h>

#include "tests/support/tool.h"

namespace corvane::testing {
namespace {

TEST(TraceTool, SpinsShowNumberListsWindowsAndMarks) {
    const ToolRun run =
        run_tool("--trace", "# four spins\nspin 1\n\n  spin 2  \nspin 3\nspin 4\nspin 0\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 5U);
    const Json second = run.trace(1);
    EXPECT_EQ(second["cmd"].string, "spin 2");
    EXPECT_TRUE(second["message"].is_null());
    const Json last = run.trace(4);
    EXPECT_EQ(last["numbers"].strings(), (std::vector<std::string>{"1", "2", "3", "4", "0"}));
    EXPECT_EQ(last["statistics_list"].strings(), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_TRUE(last["undo_available"].boolean);
    const Json& cats = last["categories"];
    EXPECT_EQ(cats["RB"]["list"].string, "1010");
    EXPECT_EQ(cats["EO"]["list"].string, "0101");
    EXPECT_EQ(cats["LM"]["ind"].string, "1111");
    EXPECT_EQ(cats["C"]["list"].string, "1231");
    EXPECT_TRUE(cats["D"]["first_mark"].is_null());
    EXPECT_EQ(cats["D"]["pattern_step"].number, 1);
    EXPECT_EQ(cats["D"]["bet"].number, 1);
    EXPECT_EQ(last["bankroll"].number, 1000000);
    EXPECT_EQ(last["history"][0][0].string, "0");
    EXPECT_EQ(last["history"][0][1].ints(), (std::vector<int>{60, 87, 2}));
    EXPECT_EQ(last["history"][5][1].ints(), (std::vector<int>{25, 25, 25}));
    // Every side's marks hold the eight keys of the trace's contract, and nothing else.
    ASSERT_EQ(last["marks"].object.size(), 12U);
    for (const auto& [side, marks] : last["marks"].object) {
        std::vector<std::string> keys;
        for (const auto& [key, value] : marks.object) {
            keys.push_back(key);
        }
        EXPECT_EQ(keys, (std::vector<std::string>{"chain", "chain_text", "field", "hidden",
                                                  "indicator", "stake", "stake_text", "tooltip"}))
            << side;
    }
    const Json& red = last["marks"]["Red"];
    EXPECT_FALSE(red["stake"].boolean);
    EXPECT_FALSE(red["field"].boolean);
    EXPECT_FALSE(red["indicator"].boolean);
    EXPECT_EQ(red["stake_text"].string, "1");
    EXPECT_EQ(red["chain_text"].string, "Ch 0");
    EXPECT_EQ(last["window12"].number, 10);
    EXPECT_EQ(last["settings"]["cl12_index"].number, 7);
    EXPECT_EQ(last["shown"]["Chains_Length12_Text"].string, "10");
    EXPECT_EQ(last["shown"]["BAR_SetUnits_Text"].string, "0,1");
    EXPECT_EQ(last["settings_text"].array.size(), 23U);
}

TEST(TraceTool, ShortWindowsAfterElevenCodesHaveMarks) {
    std::string script;
    for (int n = 1; n <= 11; ++n) {
        script += "spin " + std::to_string(n) + "\n";
    }
    const ToolRun run = run_tool("--trace", script);
    ASSERT_EQ(run.status, 0);
    const Json last = run.trace(10);
    const Json& rb = last["categories"]["RB"];
    // Colours of 1..11: 10101010100 (10 and 11 both black); the code of 1 left the List.
    EXPECT_EQ(rb["list"].string, "0101010100");
    EXPECT_EQ(rb["first_mark"].string, "1");
    EXPECT_EQ(rb["ind_mark"].string, "0");
}

TEST(TraceTool, BadLineStopsWithItsNumberAndNothingPrintedForIt) {
    const ToolRun run = run_tool("--trace", "spin 1\nspin 2\nspin 37\nspin 3\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.lines.size(), 2U);
    EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;

    const ToolRun unknown = run_tool("--trace", "# header\nbogus 1\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.lines.empty());
    EXPECT_NE(unknown.err.find("line 2"), std::string::npos) << unknown.err;

    for (const char* bad : {"spin\n", "spin x\n", "spin -1\n", "spin 1 2\n", "spin +3\n"}) {
        const ToolRun r = run_tool("--trace", bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find("line 1"), std::string::npos) << bad;
    }
}

TEST(TraceTool, UnknownOptionAndMissingFile) {
    EXPECT_EQ(run_tool("--bogus").status, 2);
    EXPECT_EQ(run_tool("--script /nonexistent/corvane.script --trace").status, 2);
    EXPECT_EQ(run_tool("--help").status, 0);
}

}  // namespace
}  // namespace corvane::testing
