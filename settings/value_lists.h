// The fixed value lists from which the list options are picked. An option stores an index;
// the entry's text is what the options panel shows and its number is what the game reads.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/numbers.h"

namespace corvane {

// The lists by their names (StartingBet_List, CL12_List, ...); content_of below says what each
// holds.
enum class ValueList {
    StartingBet,
    CL12,
    CL23,
    BettingSystem12,
    BettingSystem23,
    ROZSteps12,
    ROZSteps23,
    BARSetUnits,
};

// The whole numbers from `first` to `last`.
struct CountingList {
    int first;
    int last;
};

inline constexpr CountingList kChainLengths{3, 30};      // "3" ... "30"
inline constexpr CountingList kResetOnZeroSteps{1, 20};  // "1" ... "20"

// The number of a money text with a decimal comma ("0,05"): the same double as the literal
// written with a point.
constexpr double comma_amount(std::string_view text) {
    double whole = 0;
    double fraction = 0;
    double scale = 1;
    bool after_comma = false;
    for (char ch : text) {
        if (ch == ',') {
            after_comma = true;
        } else if (after_comma) {
            fraction = fraction * 10 + (ch - '0');
            scale *= 10;
        } else {
            whole = whole * 10 + (ch - '0');
        }
    }
    return whole + fraction / scale;
}

template <std::size_t N>
constexpr std::array<double, N> comma_amounts(const std::array<std::string_view, N>& texts) {
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = comma_amount(texts[i]);
    }
    return values;
}

// Money: some decimal amounts, then the whole amounts from 1 to `last_whole`.
struct MoneyList {
    std::span<const std::string_view> fraction_texts;
    std::span<const double> fraction_values;  // the numbers of the texts
    int last_whole;

    constexpr int fractions() const { return static_cast<int>(fraction_texts.size()); }
    constexpr int size() const { return fractions() + last_whole; }
};

inline constexpr std::array<std::string_view, 11> kStartingBetFractions = {
    "0,05", "0,10", "0,20", "0,25", "0,30", "0,40", "0,50", "0,60", "0,70", "0,80", "0,90"};
inline constexpr std::array kStartingBetFractionValues = comma_amounts(kStartingBetFractions);
inline constexpr MoneyList kStartingBetAmounts{kStartingBetFractions, kStartingBetFractionValues,
                                               5000};

inline constexpr std::array<std::string_view, 10> kSetUnitsFractions = {
    "0,10", "0,20", "0,25", "0,30", "0,40", "0,50", "0,60", "0,70", "0,80", "0,90"};
inline constexpr std::array kSetUnitsFractionValues = comma_amounts(kSetUnitsFractions);
inline constexpr MoneyList kSetUnitsAmounts{kSetUnitsFractions, kSetUnitsFractionValues, 200};

// What a list holds: money, the names of a family's betting systems, or else counting numbers
// (an option with a list of its own writes it so: {.counting = {1, 10}}).
struct ListContent {
    const MoneyList* money = nullptr;
    std::optional<Family> systems = {};
    CountingList counting = {};
};

// What each of the lists holds.
constexpr ListContent content_of(ValueList list) {
    switch (list) {
        case ValueList::StartingBet:
            return {.money = &kStartingBetAmounts};
        case ValueList::BARSetUnits:
            return {.money = &kSetUnitsAmounts};
        case ValueList::CL12:
        case ValueList::CL23:
            return {.counting = kChainLengths};
        case ValueList::ROZSteps12:
        case ValueList::ROZSteps23:
            return {.counting = kResetOnZeroSteps};
        case ValueList::BettingSystem12:
            return {.systems = Family::F12};
        case ValueList::BettingSystem23:
            return {.systems = Family::F23};
    }
    return {};
}

// Number of entries of a list.
int list_size(const ListContent& list);
inline int list_size(ValueList list) {
    return list_size(content_of(list));
}

// True when index names an entry of the list.
bool in_list(const ListContent& list, int index);
inline bool in_list(ValueList list, int index) {
    return in_list(content_of(list), index);
}

// The entry's text, or an empty text for an index outside the list.
std::string list_text(const ListContent& list, int index);
inline std::string list_text(ValueList list, int index) {
    return list_text(content_of(list), index);
}

// The entry read as a number (decimal comma); 0 for a name list or an index outside the list.
double list_number(const ListContent& list, int index);
inline double list_number(ValueList list, int index) {
    return list_number(content_of(list), index);
}

// The number of a StartingBet_List entry; read on every stake, so kept short.
inline double starting_bet_value(int index) {
    constexpr int kFractions = kStartingBetAmounts.fractions();
    if (index < 0 || index >= kStartingBetAmounts.size()) {
        return 0.0;
    }
    return index < kFractions ? kStartingBetFractionValues[index]
                              : static_cast<double>(index - kFractions + 1);
}

// Betting-system names, as the lists hold them.
std::string_view betting_system_name(ValueList list, int index);

}  // namespace corvane
