// The player's options. They live beside the game and survive every reset of it.
#pragma once

#include <array>
#include <string_view>

#include "base/numbers.h"
#include "settings/value_lists.h"

namespace corvane {

struct Settings {
    // The category is analysed, bet on and settled on every spin.
    std::array<bool, kCategoryCount> category_enabled = {true, true, true, true, true};
    bool show_chains_id = true;   // a chain label ("Ch 5") goes with every bet on show
    int starting_bet_index = 11;  // into StartingBet_List: "1"
    int cl12_index = 7;           // into CL12_List: "10", the length the 1/2 windows start with
    int cl23_index = 5;           // into CL23_List: "8"
    int bs12_index = 0;           // into BettingSystem12_List: "Martingale"
    int bs23_index = 0;           // into BettingSystem23_List: "3x Bet"
    bool reset_on_zero = false;   // "Reset On ZERO"
    int roz_steps12_index = 0;    // into ROZ_Steps12_List: "1"
    int roz_steps23_index = 0;    // into ROZ_Steps23_List: "1"
    bool bet_automatic_reset = false;  // "BET AUTOMATIC RESET"
    bool bar_on_profit = true;         // true: "On Profit", false: "Set Units"
    int bar_set_units_index = 0;       // into BAR_SetUnits_List: "0,10"
    bool trend_betting = false;        // "TREND BETTING"
    bool bet_on_uptrend = false;       // true: "Bet on uptrend", false: "Bet on downtrend"

    // Outcome-window lengths of the two families, held beside the options: the chain-length
    // operations and a loaded settings file set them to the number the option shows.
    int window12 = 10;
    int window23 = 8;

    bool enabled(CategoryId c) const { return category_enabled[index_of(c)]; }
    int window(Family f) const;
    int betting_system_index(Family f) const;
    int roz_steps(Family f) const;

    double starting_bet() const { return starting_bet_value(starting_bet_index); }
    std::string_view betting_system12() const {
        return betting_system_name(ValueList::BettingSystem12, bs12_index);
    }
    std::string_view betting_system23() const {
        return betting_system_name(ValueList::BettingSystem23, bs23_index);
    }
    int roz_steps12() const {
        return static_cast<int>(list_number(ValueList::ROZSteps12, roz_steps12_index));
    }
    int roz_steps23() const {
        return static_cast<int>(list_number(ValueList::ROZSteps23, roz_steps23_index));
    }
    double bar_set_units() const {
        return list_number(ValueList::BARSetUnits, bar_set_units_index);
    }
};

// The options of each family, by their names in the record: one row for the 1/2 family and one
// for the 2/3 family, so that one procedure serves both.
struct FamilyOptions {
    int Settings::*chain_length_index;  // cl12_index: the chain length shown ...
    int Settings::*window;              // window12: ... and the window length it sets
    ValueList chain_lengths;            // CL12_List
    int Settings::*system_index;        // bs12_index
    ValueList systems;                  // BettingSystem12_List
    int Settings::*roz_steps_index;     // roz_steps12_index
    ValueList roz_steps;                // ROZ_Steps12_List
};
inline constexpr std::array<FamilyOptions, kFamilyCount> kFamilyOptions = {{
    {&Settings::cl12_index, &Settings::window12, ValueList::CL12, &Settings::bs12_index,
     ValueList::BettingSystem12, &Settings::roz_steps12_index, ValueList::ROZSteps12},
    {&Settings::cl23_index, &Settings::window23, ValueList::CL23, &Settings::bs23_index,
     ValueList::BettingSystem23, &Settings::roz_steps23_index, ValueList::ROZSteps23},
}};
constexpr const FamilyOptions& options_of(Family f) {
    return kFamilyOptions[index_of(f)];
}

inline int Settings::window(Family f) const {
    return this->*options_of(f).window;
}
inline int Settings::betting_system_index(Family f) const {
    return this->*options_of(f).system_index;
}
inline int Settings::roz_steps(Family f) const {
    const FamilyOptions& o = options_of(f);
    return static_cast<int>(list_number(o.roz_steps, this->*o.roz_steps_index));
}

}  // namespace corvane
