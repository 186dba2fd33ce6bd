// The spin history strip: the last numbers, newest first, each on its pocket's colour.
#pragma once

#include <array>
#include <cstdint>

namespace corvane {

// Background of a history entry. An empty entry is Black at start and None after a reset.
enum class HistoryColour : std::uint8_t { Red, Black, Zero, None };

struct Rgb {
    int r, g, b;
};
Rgb rgb_of(HistoryColour colour);

// The colour of a number's pocket: red, black, or the zero's green.
HistoryColour pocket_colour(int number);

struct HistoryEntry {
    std::int8_t number = -1;  // -1: empty text
    HistoryColour colour = HistoryColour::Black;
};

// HisNum1 (newest) to HisNum10 are shown; HisNum11 keeps the number that last dropped off,
// so that the undo can bring it back.
inline constexpr int kHistorySize = 11;
using HistoryStrip = std::array<HistoryEntry, kHistorySize>;

// HistoryNumber: shifts the strip one place towards the end and puts `number` at its head.
void history_push(HistoryStrip& strip, int number);

// The undo shift: every shown entry takes the next one; HisNum11 keeps its own.
void history_shift_back(HistoryStrip& strip);

// HistoryNumberReset: every entry empty on the None colour.
void history_reset(HistoryStrip& strip);

}  // namespace corvane
