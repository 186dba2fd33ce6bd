// Reading script lines: what each action's arguments may look like, and the message for a line
// that is refused.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <variant>

#include "engine/script.h"

namespace corvane::testing {
namespace {

struct Accepted {
    const char* line;
    ScriptAction::Kind kind;
    int number;
    const char* text;
    const char* arg;
};

TEST(ScriptLine, AcceptedLinesKeepTheirArguments) {
    using Kind = ScriptAction::Kind;
    const Accepted kLines[] = {
        {"spin 36", Kind::Spin, 36, "", ""},
        {"spin 000000007", Kind::Spin, 7, "", ""},  // nine digits at the most
        {"default-settings", Kind::DefaultSettings, 0, "", ""},
        {"load-numbers   my game .kvn  ", Kind::LoadNumbers, 0, "my game .kvn", ""},
        {"op Category_Off D", Kind::Op, 0, "Category_Off", "D"},
        {"op CL23_Step -1", Kind::Op, -1, "CL23_Step", ""},
        {"op StartingBet_Step -123456789", Kind::Op, -123456789, "StartingBet_Step", ""},
        {"op BAR_SetUnits_Repeat 3", Kind::Op, 3, "BAR_SetUnits_Repeat", ""},
    };
    for (const Accepted& want : kLines) {
        const ScriptLine parsed = parse_script_line(want.line);
        const auto* action = std::get_if<ScriptAction>(&parsed);
        ASSERT_NE(action, nullptr) << want.line;
        EXPECT_EQ(action->kind, want.kind) << want.line;
        EXPECT_EQ(action->number, want.number) << want.line;
        EXPECT_EQ(action->text, want.text) << want.line;
        EXPECT_EQ(action->arg, want.arg) << want.line;
    }
    const ScriptLine blanks = parse_script_line(" \tspin\t 3 \r");
    EXPECT_EQ(std::get<ScriptAction>(blanks).cmd, "spin\t 3");
    EXPECT_TRUE(std::holds_alternative<ScriptSkip>(parse_script_line("  # spin 37")));
}

TEST(ScriptLine, RefusedLinesSayWhy) {
    const std::pair<const char*, const char*> kLines[] = {
        {"spin 37", "spin needs one number from 0 to 36"},
        {"spin 0000000007", "spin needs one number from 0 to 36"},
        {"spin +3", "spin needs one number from 0 to 36"},
        {"bets now", "bets takes no argument"},
        {"save-settings", "save-settings needs a file name"},
        {"Spin 3", "unknown action 'Spin'"},
        {"op", "op needs the name of a setting operation"},
        {"op category_on RB", "unknown setting operation 'category_on'"},
        {"op Category_On", "Category_On needs one argument"},
        {"op Category_On rb", "category must be RB, EO, LM, D or C"},
        {"op TrendBetting_On RB", "TrendBetting_On takes no argument"},
        {"op StartingBet_Step +1234567890", "step must be a signed whole number such as +1"},
        {"op CL12_Step +2", "step must be +1 or -1"},
        {"op ROZ_Steps23_Step 0", "step must be +1 or -1"},
    };
    for (const auto& [line, message] : kLines) {
        const ScriptLine parsed = parse_script_line(line);
        const auto* error = std::get_if<ScriptError>(&parsed);
        ASSERT_NE(error, nullptr) << line;
        EXPECT_EQ(error->message, message) << line;
    }
}

}  // namespace
}  // namespace corvane::testing
