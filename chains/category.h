// The chain state of a category: its outcome windows, marks, chain flags and progression.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

#include "base/categories.h"
#include "base/numbers.h"
#include "chains/code_window.h"

namespace corvane {

inline constexpr int kChainCount = 22;

// A mark holds one outcome code or none.
inline constexpr char kNoMark = '\0';

struct CategoryState {
    CodeWindow list_window;             // the List window, oldest code first, at most N codes
    CodeWindow ind_window;              // the Ind window, at most N - 1 codes
    char first_mark = kNoMark;          // the code that last left the List window
    char ind_mark = kNoMark;            // the code that last left the Ind window
    bool match = false;                 // while a chain is active
    std::int32_t current_pattern = 0;   // matched line of the active chain
    std::int32_t pattern_step = 1;      // offset after the window of the code bet against
    std::int32_t progression_step = 0;  // index into the stake progression
    double bet = 1.0;                   // the stake per side or section
    std::uint32_t chainactive = 0;      // bit k set: chain k (1..22) is active

    bool chain_flag(int k) const { return (chainactive >> k) & 1U; }
    void set_chain_flag(int k) { chainactive |= (1U << k); }
    // The lowest and the highest chain whose flag is set; 0 when none is.
    int lowest_chain() const { return chainactive == 0 ? 0 : std::countr_zero(chainactive); }
    int highest_chain() const { return std::bit_width(chainactive) - 1 + (chainactive == 0); }
};

}  // namespace corvane
