#include "settings/value_lists.h"

#include <array>

namespace corvane {

namespace {

// The decimal amounts that open the money lists. Written with a point they are the same
// doubles that reading the comma texts gives.
constexpr std::array<std::string_view, 11> kStartingBetFractions = {
    "0,05", "0,10", "0,20", "0,25", "0,30", "0,40", "0,50", "0,60", "0,70", "0,80", "0,90"};
constexpr std::array<double, 11> kStartingBetFractionValues = {0.05, 0.10, 0.20, 0.25, 0.30, 0.40,
                                                               0.50, 0.60, 0.70, 0.80, 0.90};
constexpr std::array<std::string_view, 10> kSetUnitsFractions = {
    "0,10", "0,20", "0,25", "0,30", "0,40", "0,50", "0,60", "0,70", "0,80", "0,90"};
constexpr std::array<double, 10> kSetUnitsFractionValues = {0.10, 0.20, 0.25, 0.30, 0.40,
                                                            0.50, 0.60, 0.70, 0.80, 0.90};
constexpr std::array<std::string_view, 5> kSystems12 = {"Martingale", "3x Bet", "Donald", "Blind",
                                                        "FLAT"};
constexpr std::array<std::string_view, 5> kSystems23 = {"3x Bet", "4x Bet", "D-Donald", "Blind",
                                                        "FLAT"};

// Lists made of some fixed decimal amounts followed by the whole numbers from 1.
struct MoneyList {
    const std::string_view* texts;
    const double* values;
    int fractions;
    int wholes;
};

MoneyList money(ValueList list) {
    if (list == ValueList::StartingBet) {
        return {kStartingBetFractions.data(), kStartingBetFractionValues.data(), 11, 5000};
    }
    return {kSetUnitsFractions.data(), kSetUnitsFractionValues.data(), 10, 200};
}

// First value of the plain counting lists.
int counting_start(ValueList list) {
    return (list == ValueList::CL12 || list == ValueList::CL23) ? 3 : 1;
}

}  // namespace

int list_size(ValueList list) {
    switch (list) {
        case ValueList::StartingBet:
            return 5011;
        case ValueList::CL12:
        case ValueList::CL23:
            return 28;
        case ValueList::BettingSystem12:
        case ValueList::BettingSystem23:
            return 5;
        case ValueList::ROZSteps12:
        case ValueList::ROZSteps23:
            return 20;
        case ValueList::BARSetUnits:
            return 210;
    }
    return 0;
}

bool in_list(ValueList list, int index) {
    return index >= 0 && index < list_size(list);
}

std::string list_text(ValueList list, int index) {
    if (!in_list(list, index)) {
        return {};
    }
    switch (list) {
        case ValueList::StartingBet:
        case ValueList::BARSetUnits: {
            const MoneyList m = money(list);
            if (index < m.fractions) {
                return std::string(m.texts[index]);
            }
            return std::to_string(index - m.fractions + 1);
        }
        case ValueList::BettingSystem12:
        case ValueList::BettingSystem23:
            return std::string(betting_system_name(list, index));
        default:
            return std::to_string(index + counting_start(list));
    }
}

double list_number(ValueList list, int index) {
    if (!in_list(list, index)) {
        return 0.0;
    }
    switch (list) {
        case ValueList::StartingBet:
        case ValueList::BARSetUnits: {
            const MoneyList m = money(list);
            if (index < m.fractions) {
                return m.values[index];
            }
            return static_cast<double>(index - m.fractions + 1);
        }
        case ValueList::BettingSystem12:
        case ValueList::BettingSystem23:
            return 0.0;
        default:
            return static_cast<double>(index + counting_start(list));
    }
}

std::string_view betting_system_name(ValueList list, int index) {
    if (list == ValueList::BettingSystem12 && in_list(list, index)) {
        return kSystems12[index];
    }
    if (list == ValueList::BettingSystem23 && in_list(list, index)) {
        return kSystems23[index];
    }
    return {};
}

}  // namespace corvane
