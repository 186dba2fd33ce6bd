#include "engine/money_plan.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/scenes.h"

namespace corvane {
namespace {

constexpr PlanRules kNone = 0;
constexpr std::nullopt_t kNo = std::nullopt;

MoneyPlan plan_of(std::optional<double> bankroll, std::optional<double> table_max,
                  std::optional<double> stop_loss, std::optional<double> target) {
    MoneyPlan plan;
    plan.bankroll = bankroll;
    plan.table_max = table_max;
    plan.stop_loss = stop_loss;
    plan.target = target;
    return plan;
}

SuggestedBets bets_of(double cost, double largest_stake, CategoryId largest,
                      std::uint8_t largest_sides) {
    return {cost, largest_stake, largest, largest_sides};
}

// Each rule fires at its edge exactly as the sessions' rules do: a stop loss or a target met
// exactly fires, a stake at the table's maximum and bets that cost exactly the money left do not.
TEST(MoneyPlan, EachRuleAtItsEdge) {
    const SuggestedBets bets = bets_of(600, 500, CategoryId::RB, 1);
    struct Case {
        const char* name;
        MoneyPlan plan;
        double net;
        PlanRules fired;
    };
    const std::vector<Case> cases = {
        {"no plan", {}, -1e9, kNone},
        {"stop loss met exactly", plan_of(kNo, kNo, 200, kNo), -200, rule_bit(PlanRule::StopLoss)},
        {"stop loss not yet", plan_of(kNo, kNo, 200, kNo), -199.95, kNone},
        {"target met exactly", plan_of(kNo, kNo, kNo, 100), 100, rule_bit(PlanRule::Target)},
        {"target not yet", plan_of(kNo, kNo, kNo, 100), 99.95, kNone},
        {"a stake at the maximum is laid", plan_of(kNo, 500, kNo, kNo), 0, kNone},
        {"a stake above the maximum", plan_of(kNo, 499.95, kNo, kNo), 0,
         rule_bit(PlanRule::TableLimit)},
        {"bets that cost exactly what is left", plan_of(700, kNo, kNo, kNo), -100, kNone},
        {"bets that cost more than is left", plan_of(700, kNo, kNo, kNo), -100.05,
         rule_bit(PlanRule::Ruined)},
        {"all at once", plan_of(100, 10, 50, 0), -50,
         static_cast<PlanRules>(rule_bit(PlanRule::StopLoss) | rule_bit(PlanRule::TableLimit) |
                                rule_bit(PlanRule::Ruined))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(plan_rules(c.plan, c.net, bets), c.fired);
    }
}

TEST(MoneyPlan, WarningsAndFiguresInWords) {
    const MoneyPlan plan = plan_of(1000, 500, 200, 100);
    const PlanWarnings red{rule_bit(PlanRule::TableLimit), 0, bets_of(512, 512, CategoryId::RB, 1)};
    EXPECT_EQ(warning_texts(plan, red),
              std::vector<std::string>{"The table takes at most 500: the suggested 512 on "
                                       "Red cannot be laid"});
    // A bet of the dozens lies on two sections, each with the stake.
    const PlanWarnings dozens{
        static_cast<PlanRules>(rule_bit(PlanRule::TableLimit) | rule_bit(PlanRule::StopLoss)), -200,
        bets_of(1458, 729, CategoryId::D, 0b101)};
    EXPECT_EQ(warning_texts(plan, dozens),
              (std::vector<std::string>{"Stop loss reached: \u2212200. Your plan says stop here.",
                                        "The table takes at most 500: the suggested 729 on each of "
                                        "1st dozen and 3rd dozen cannot be laid"}));
    const PlanWarnings broke{
        static_cast<PlanRules>(rule_bit(PlanRule::Target) | rule_bit(PlanRule::Ruined)), 100.5,
        bets_of(1200.5, 1200.5, CategoryId::EO, 2)};
    EXPECT_EQ(warning_texts(plan, broke),
              (std::vector<std::string>{
                  "Target reached: +100,5. Your plan says stop here.",
                  "The suggested bets cost 1200,5, more than the 1100,5 you have left"}));

    EXPECT_EQ(plan_figures(plan, -12.5),
              (std::vector<std::string>{"Net \u221212,5", "Left 987,5", "Stop loss in 187,5",
                                        "Target in 112,5", "Table max 500"}));
    EXPECT_EQ(plan_figures(plan, -1200),
              (std::vector<std::string>{"Net \u22121200", "Left \u2212200", "Stop loss reached",
                                        "Target in 1300", "Table max 500"}));
    EXPECT_EQ(plan_figures(plan_of(kNo, kNo, kNo, 10), 10),
              (std::vector<std::string>{"Net +10", "Target reached"}));
    EXPECT_TRUE(plan_figures({}, 5).empty());
}

// The bets a spin lays, read from the table as the sessions read them: Red/Black alone lays 1
// on Black after a black and three reds, then 2, 4 and 8 after each loss.
TEST(MoneyPlan, SuggestedBetsOfARealSpin) {
    Engine e = testing::red_black_with_windows_of_three();
    for (int n : {2, 1, 3}) {
        e.spin(n);
        EXPECT_EQ(suggested_bets(e.game()), SuggestedBets{});
    }
    double stake = 1;
    for (int n : {5, 7, 9, 12}) {
        e.spin(n);
        const SuggestedBets bets = suggested_bets(e.game());
        EXPECT_EQ(bets.cost, stake);
        EXPECT_EQ(bets.largest_stake, stake);
        EXPECT_EQ(bets.largest, CategoryId::RB);
        EXPECT_EQ(bets.largest_sides, 0b10);  // Black, the second side
        stake *= 2;
    }

    // The dozens alone, after 13 and three of the first dozen, lay 1 on each of the second and
    // third dozens, then 3 and 9: the stake on one section, half of what the bet costs.
    Engine dozens;
    for (CategoryId c : {CategoryId::RB, CategoryId::EO, CategoryId::LM, CategoryId::C}) {
        dozens.apply(SettingOp::Category_Off, c);
    }
    for (int k = 0; k < 5; ++k) {
        dozens.apply(SettingOp::CL23_Step, {}, -1);
    }
    for (int n : {13, 1, 2}) {
        dozens.spin(n);
    }
    stake = 1;
    for (int n : {3, 4, 5}) {
        dozens.spin(n);
        const SuggestedBets bets = suggested_bets(dozens.game());
        EXPECT_EQ(bets.cost, 2 * stake);
        EXPECT_EQ(bets.largest_stake, stake);
        EXPECT_EQ(bets.largest, CategoryId::D);
        EXPECT_EQ(bets.largest_sides, 0b110);
        stake *= 3;
    }
}

// A typed plan: every refusal names its part and says why; what is not ticked is not read.
TEST(MoneyPlan, TypedPlansAreReadOrRefusedAtTheirPart) {
    using Entries = std::array<PlanEntry, kPlanPartCount>;
    EXPECT_EQ(plan_decimals(), 2);  // the starting bets go down to 0,05
    const auto plan = [](const Entries& e) { return std::get<MoneyPlan>(read_plan(e)); };
    EXPECT_EQ(plan(Entries{}), MoneyPlan{});
    EXPECT_EQ(plan({{{true, " 1000 "}, {true, "500"}, {true, "199,95"}, {true, "2.5"}}}),
              plan_of(1000, 500, 199.95, 2.5));
    EXPECT_EQ(plan({{{false, "nonsense"}, {false, ""}, {true, "1000"}, {false, "-1"}}}),
              plan_of(kNo, kNo, 1000, kNo));  // with no bankroll any stop loss goes

    struct Refusal {
        Entries entries;
        PlanPart part;
        const char* message;
    };
    const std::vector<Refusal> refusals = {
        {{{{true, ""}}}, PlanPart::Bankroll, "Enter an amount, or untick the box."},
        {{{{true, "  "}}}, PlanPart::Bankroll, "Enter an amount, or untick the box."},
        {{{{false, ""}, {true, "abc"}}},
         PlanPart::TableMax,
         "'abc' is not an amount: write it as 1000 or 2,50."},
        {{{{false, ""}, {true, "1,2,3"}}},
         PlanPart::TableMax,
         "'1,2,3' is not an amount: write it as 1000 or 2,50."},
        {{{{false, ""}, {false, ""}, {true, "0"}}},
         PlanPart::StopLoss,
         "The amount must be above 0."},
        {{{{false, ""}, {false, ""}, {false, ""}, {true, "-20"}}},
         PlanPart::Target,
         "The amount must be above 0."},
        {{{{true, "10,005"}}},
         PlanPart::Bankroll,
         "At most 2 decimals, as the stakes on the board have."},
        {{{{true, "1000"}, {false, ""}, {true, "1000"}}},
         PlanPart::StopLoss,
         "The stop loss must be below the bankroll of 1000."},
        // The first refusal in the order of the parts is the one shown.
        {{{{true, "x"}, {true, "y"}}},
         PlanPart::Bankroll,
         "'x' is not an amount: write it as 1000 or 2,50."},
    };
    for (const Refusal& r : refusals) {
        const auto read = read_plan(r.entries);
        ASSERT_TRUE(std::holds_alternative<PlanError>(read)) << r.message;
        EXPECT_EQ(std::get<PlanError>(read).part, r.part) << r.message;
        EXPECT_EQ(std::get<PlanError>(read).message, r.message);
    }
}

// A hand-made evening: Red/Black alone lays 1 on Black after a black and three reds; three reds
// lose 1, 2 and 4 and leave 8 standing; the black after them wins 16.
//
//   number        5    7    9    12   2
//   net settled   0   -1   -3   -7   +1
//   suggested     1    2    4    8    -
TEST(MoneyPlan, AnEveningWarnsOnTheSpinARuleFires) {
    Engine e = testing::red_black_with_windows_of_three();
    e.set_plan(plan_of(10, 3, 7, 1));
    for (int n : {2, 1, 3, 5, 7}) {
        e.spin(n);
        EXPECT_TRUE(e.plan_warnings().empty()) << n;
    }
    EXPECT_EQ(e.game().evening.net(), -1);
    EXPECT_EQ(e.plan_figures(), (std::vector<std::string>{"Net \u22121", "Left 9", "Stop loss in 6",
                                                          "Target in 2", "Table max 3"}));
    e.spin(9);
    EXPECT_EQ(e.plan_warnings(),
              std::vector<std::string>{"The table takes at most 3: the suggested 4 on Black cannot "
                                       "be laid"});
    e.spin(12);
    const std::vector<std::string> at_twelve = {
        "Stop loss reached: \u22127. Your plan says stop here.",
        "The table takes at most 3: the suggested 8 on Black cannot be laid",
        "The suggested bets cost 8, more than the 3 you have left"};
    EXPECT_EQ(e.plan_warnings(), at_twelve);
    EXPECT_EQ(e.game().log.size(), 7U);

    // An undo takes the spin back with what it said; the same number says it again.
    ASSERT_TRUE(e.undo());
    EXPECT_TRUE(e.plan_warnings().empty());
    EXPECT_EQ(e.game().evening.net(), -3);
    e.spin(12);
    EXPECT_EQ(e.plan_warnings(), at_twelve);
    e.dismiss_warnings();
    EXPECT_TRUE(e.plan_warnings().empty());

    e.spin(2);
    EXPECT_EQ(e.game().evening.net(), 1);
    EXPECT_EQ(e.plan_warnings(),
              std::vector<std::string>{"Target reached: +1. Your plan says stop here."});
    // The next click clears what the last spin said, before anything else of the spin.
    ASSERT_TRUE(e.click_number(4));
    EXPECT_TRUE(e.plan_warnings().empty());
    e.finish_spin();

    e.new_game();
    EXPECT_EQ(e.game().evening, EveningMoney{});
    EXPECT_EQ(e.plan_figures().front(), "Net 0");
    // Without a plan nothing is judged.
    e.set_plan({});
    for (int n : {2, 1, 3, 5, 7, 9, 12}) {
        e.spin(n);
    }
    EXPECT_TRUE(e.plan_warnings().empty());
    EXPECT_TRUE(e.plan_figures().empty());
    EXPECT_EQ(e.game().evening.net(), -7);
}

}  // namespace
}  // namespace corvane
