#include "engine/money_plan.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "base/amount.h"
#include "settings/value_lists.h"

namespace corvane {

namespace {

constexpr std::string_view kMinus = "\u2212";  // the minus sign of a written amount

std::string amount(double value) {
    return format_amount(value);
}

// "Red", "1st dozen and 2nd dozen": the sides a bet of the category lies on.
std::string sides_spoken(CategoryId category, std::uint8_t sides) {
    std::string text;
    const int first = index_of(info(category).first_side);
    for (int k = 0; k < info(category).side_count; ++k) {
        if ((sides >> k) & 1U) {
            text += (text.empty() ? "" : " and ") + std::string(kSides[first + k].spoken);
        }
    }
    return text;
}

std::string table_limit_text(const MoneyPlan& plan, const SuggestedBets& bets) {
    std::string text = "The table takes at most " + amount(*plan.table_max) + ": the suggested " +
                       amount(bets.largest_stake);
    if (bets.largest) {
        const bool pair = info(family_of(*bets.largest)).sides_per_bet > 1;
        text += (pair ? " on each of " : " on ") + sides_spoken(*bets.largest, bets.largest_sides);
    }
    return text + " cannot be laid";
}

}  // namespace

void EveningMoney::add(const TableState& table) {
    // Stakes and payouts are never below 0: rounding half up is a cast away.
    const auto hundredths = [](double amount) {
        return static_cast<std::int64_t>(amount * 100 + 0.5);
    };
    for (const CategorySpin& what : table.last_spin) {
        if (what.settled && what.bet_sides != 0) {
            paid += hundredths(what.paid);
            cost += hundredths(what.stake) * std::popcount(what.bet_sides);
        }
    }
}

SuggestedBets suggested_bets(const TableState& table) {
    const SpinBets& laid = table.spin_bets;
    SuggestedBets bets;
    bets.cost = laid.cost;
    bets.largest_stake = laid.largest_stake;
    if (laid.largest >= 0) {
        bets.largest = static_cast<CategoryId>(laid.largest);
        bets.largest_sides = sides_marked(table, *bets.largest, &SideMarks::field);
    }
    return bets;
}

std::string signed_amount(double value) {
    if (value > 0) {
        return "+" + amount(value);
    }
    if (value < 0) {
        return std::string(kMinus) + amount(-value);
    }
    return "0";
}

std::vector<std::string> warning_texts(const MoneyPlan& plan, const PlanWarnings& warnings) {
    std::vector<std::string> texts;
    const auto fired = [&](PlanRule r) { return (warnings.rules & rule_bit(r)) != 0; };
    if (fired(PlanRule::StopLoss)) {
        texts.push_back("Stop loss reached: " + signed_amount(warnings.net) +
                        ". Your plan says stop here.");
    }
    if (fired(PlanRule::Target)) {
        texts.push_back("Target reached: " + signed_amount(warnings.net) +
                        ". Your plan says stop here.");
    }
    if (fired(PlanRule::TableLimit) && plan.table_max) {
        texts.push_back(table_limit_text(plan, warnings.bets));
    }
    if (fired(PlanRule::Ruined) && plan.bankroll) {
        const double left = *plan.bankroll + warnings.net;
        texts.push_back("The suggested bets cost " + amount(warnings.bets.cost) +
                        ", more than the " + (left > 0 ? amount(left) : std::string("0")) +
                        " you have left");
    }
    return texts;
}

std::vector<std::string> plan_figures(const MoneyPlan& plan, double net) {
    std::vector<std::string> figures;
    if (!plan.any()) {
        return figures;
    }
    figures.push_back("Net " + signed_amount(net));
    if (plan.bankroll) {
        const double left = *plan.bankroll + net;
        figures.push_back("Left " +
                          (left < 0 ? std::string(kMinus) + amount(-left) : amount(left)));
    }
    if (plan.stop_loss) {
        const double room = *plan.stop_loss + net;
        figures.push_back(room > 0 ? "Stop loss in " + amount(room) : "Stop loss reached");
    }
    if (plan.target) {
        const double to_go = *plan.target - net;
        figures.push_back(to_go > 0 ? "Target in " + amount(to_go) : "Target reached");
    }
    if (plan.table_max) {
        figures.push_back("Table max " + amount(*plan.table_max));
    }
    return figures;
}

// ---- A plan as the player types it ----------------------------------------------------------

std::optional<double> MoneyPlan::*plan_field(PlanPart part) {
    constexpr std::array<std::optional<double> MoneyPlan::*, kPlanPartCount> kFields = {
        &MoneyPlan::bankroll, &MoneyPlan::table_max, &MoneyPlan::stop_loss, &MoneyPlan::target};
    return kFields[static_cast<std::size_t>(part)];
}

int plan_decimals() {
    int most = 0;
    for (int i = 0; i < list_size(ValueList::StartingBet); ++i) {
        const std::string text = list_text(ValueList::StartingBet, i);
        const std::size_t comma = text.find(',');
        if (comma != std::string::npos) {
            most = std::max(most, static_cast<int>(text.size() - comma - 1));
        }
    }
    return most;
}

namespace {

// The amount of a used part, or why it is none.
std::variant<double, std::string> read_amount(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return std::string("Enter an amount, or untick the box.");
    }
    const bool negative = text.front() == '-';
    const std::optional<double> value = parse_amount(negative ? text.substr(1) : text);
    if (value && negative) {
        return std::string("The amount must be above 0.");
    }
    if (!value) {
        return "'" + std::string(text) + "' is not an amount: write it as 1000 or 2,50.";
    }
    if (!(*value > 0)) {
        return std::string("The amount must be above 0.");
    }
    const std::size_t mark = text.find_first_of(",.");
    const int decimals =
        mark == std::string_view::npos ? 0 : static_cast<int>(text.size() - mark - 1);
    if (decimals > plan_decimals()) {
        return "At most " + std::to_string(plan_decimals()) +
               " decimals, as the stakes on the board have.";
    }
    return *value;
}

}  // namespace

std::variant<MoneyPlan, PlanError> read_plan(const std::array<PlanEntry, kPlanPartCount>& entries) {
    MoneyPlan plan;
    for (int k = 0; k < kPlanPartCount; ++k) {
        const auto part = static_cast<PlanPart>(k);
        if (!entries[static_cast<std::size_t>(k)].used) {
            continue;
        }
        const std::variant<double, std::string> amount =
            read_amount(entries[static_cast<std::size_t>(k)].text);
        if (const std::string* error = std::get_if<std::string>(&amount)) {
            return PlanError{part, *error};
        }
        plan.*plan_field(part) = std::get<double>(amount);
    }
    if (plan.bankroll && plan.stop_loss && !(*plan.stop_loss < *plan.bankroll)) {
        return PlanError{PlanPart::StopLoss, "The stop loss must be below the bankroll of " +
                                                 format_amount(*plan.bankroll) + "."};
    }
    return plan;
}

}  // namespace corvane
