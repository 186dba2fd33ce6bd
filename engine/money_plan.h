// The player's money plan for an evening at the table: the money brought, the largest stake
// the table takes, and where the player means to stop. The same rules judge a simulated
// session and a real evening, in the same order, so that what the window warns of is what
// the sessions end on.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "betting/table_state.h"
#include "settings/settings.h"

namespace corvane {

// Money is in the units of the stakes on the board. Every part is optional.
struct MoneyPlan {
    std::optional<double> bankroll;   // the money brought to the table; none: it never runs out
    std::optional<double> table_max;  // the largest stake on one side or section; none: no limit
    std::optional<double> stop_loss;  // stop once the net is at most -stop_loss
    std::optional<double> target;     // stop once the net is at least +target

    bool any() const { return bankroll || table_max || stop_loss || target; }
    friend bool operator==(const MoneyPlan&, const MoneyPlan&) = default;
};

// The plan's rules, in the order a spin is judged by them. A session of many ends on the first
// that a spin meets (its last spin, if it comes first, between the target and the table limit).
enum class PlanRule : std::uint8_t { StopLoss, Target, TableLimit, Ruined };
inline constexpr int kPlanRuleCount = 4;
using PlanRules = std::uint8_t;  // bit k: the rule PlanRule(k) fired
constexpr PlanRules rule_bit(PlanRule r) {
    return static_cast<PlanRules>(1U << static_cast<unsigned>(r));
}

// The names the session log's CSV and the reports give the rules.
inline constexpr std::array<std::string_view, kPlanRuleCount> kPlanRuleNames = {
    "stop_loss", "target_reached", "table_limit", "ruined"};

// The bets a spin laid for the next number, as the plan reads them.
struct SuggestedBets {
    double cost = 0;                    // what they take from the money, all together
    double largest_stake = 0;           // the largest stake on one side or section
    std::optional<CategoryId> largest;  // whose bet holds it; none without bets
    std::uint8_t largest_sides = 0;     // and where it lies: bit k for the category's k-th side

    friend bool operator==(const SuggestedBets&, const SuggestedBets&) = default;
};

// The bets the spin the table just finished laid.
SuggestedBets suggested_bets(const TableState& table);

// The rules a spin meets, with `net` what the bets settled so far paid minus what they cost:
// the net at most -stop loss; at least +target; a suggested stake above the table maximum;
// suggested bets that cost more than the bankroll plus the net (exactly as much is allowed).
inline PlanRules plan_rules(const MoneyPlan& plan, double net, const SuggestedBets& bets) {
    PlanRules rules = 0;
    if (plan.stop_loss && net <= -*plan.stop_loss) {
        rules |= rule_bit(PlanRule::StopLoss);
    }
    if (plan.target && net >= *plan.target) {
        rules |= rule_bit(PlanRule::Target);
    }
    if (plan.table_max && bets.largest_stake > *plan.table_max) {
        rules |= rule_bit(PlanRule::TableLimit);
    }
    if (plan.bankroll && bets.cost > *plan.bankroll + net) {
        rules |= rule_bit(PlanRule::Ruined);
    }
    return rules;
}

// The evening's money as the session log counts it: what the bets settled so far paid and what
// they cost (the stake on each side or section they lay on), in hundredths of a unit. Every
// stake is a whole number of hundredths, so an undo puts the sums back exactly as they were.
struct EveningMoney {
    std::int64_t paid = 0;
    std::int64_t cost = 0;

    double net() const { return static_cast<double>(paid - cost) / 100; }
    // Adds the bets settled in the spin the table just finished.
    void add(const TableState& table);
    friend bool operator==(const EveningMoney&, const EveningMoney&) = default;
};

// What a plan said after a spin: the rules that fired and what the warnings name.
struct PlanWarnings {
    PlanRules rules = 0;
    double net = 0;      // the net the rules read
    SuggestedBets bets;  // the bets they read

    bool any() const { return rules != 0; }
    friend bool operator==(const PlanWarnings&, const PlanWarnings&) = default;
};

// The warnings of a spin in words a player reads at the table, in the order of the rules:
// "The table takes at most 500: the suggested 512 on Red cannot be laid",
// "Stop loss reached: −200. Your plan says stop here.". UTF-8.
std::vector<std::string> warning_texts(const MoneyPlan& plan, const PlanWarnings& warnings);

// The evening at a glance, one figure a part: "Net +12", "Left 1012", "Stop loss in 188",
// "Target in 88", "Table max 500"; only the parts the plan has. UTF-8.
std::vector<std::string> plan_figures(const MoneyPlan& plan, double net);

// An amount with its sign, as the plan's figures show it: "+12", "−188" (a minus sign), "0".
std::string signed_amount(double value);

// ---- A plan as the player types it ----------------------------------------------------------

// The parts of a plan, in the order the plan's dialog asks for them.
enum class PlanPart : std::uint8_t { Bankroll, TableMax, StopLoss, Target };
inline constexpr int kPlanPartCount = 4;
std::optional<double> MoneyPlan::*plan_field(PlanPart part);

// A part as typed: whether the player wants it, and the amount written.
struct PlanEntry {
    bool used = false;
    std::string text;
};

// Why a typed plan cannot be taken, at the part it concerns.
struct PlanError {
    PlanPart part;
    std::string message;
};

// The decimals an amount of the plan may have: as many as the starting bets on the board have.
int plan_decimals();

// Reads a typed plan. A part that is used needs an amount above 0 with at most plan_decimals()
// decimals (a point or a comma); a stop loss must stand below the bankroll. The first error, in
// the order of the parts, if any; else the plan.
std::variant<MoneyPlan, PlanError> read_plan(const std::array<PlanEntry, kPlanPartCount>& entries);

}  // namespace corvane
