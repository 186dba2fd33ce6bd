// The fixed value lists from which the list options are picked. An option stores an index;
// the entry's text is what the options panel shows and its number is what the game reads.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

enum class ValueList {
    StartingBet,      // "0,05" ... "0,90", then "1" ... "5000"
    CL12,             // "3" ... "30"
    CL23,             // "3" ... "30"
    BettingSystem12,  // "Martingale", "3x Bet", "Donald", "Blind", "FLAT"
    BettingSystem23,  // "3x Bet", "4x Bet", "D-Donald", "Blind", "FLAT"
    ROZSteps12,       // "1" ... "20"
    ROZSteps23,       // "1" ... "20"
    BARSetUnits,      // "0,10" ... "0,90", then "1" ... "200"
};

// Number of entries of a list.
int list_size(ValueList list);

// True when index names an entry of the list.
bool in_list(ValueList list, int index);

// The entry's text, or an empty text for an index outside the list.
std::string list_text(ValueList list, int index);

// The entry read as a number (decimal comma); 0 for a name list or an index outside the list.
double list_number(ValueList list, int index);

// The number of a StartingBet_List entry; read on every stake, so kept short.
inline double starting_bet_value(int index) {
    static constexpr double kFractions[11] = {0.05, 0.10, 0.20, 0.25, 0.30, 0.40,
                                              0.50, 0.60, 0.70, 0.80, 0.90};
    if (index < 0 || index > 5010) {
        return 0.0;
    }
    return index < 11 ? kFractions[index] : static_cast<double>(index - 10);
}

// Betting-system names, as the lists hold them.
std::string_view betting_system_name(ValueList list, int index);

}  // namespace corvane
