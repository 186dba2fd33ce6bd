#include "base/history.h"

#include "base/numbers.h"

namespace corvane {

Rgb rgb_of(HistoryColour colour) {
    switch (colour) {
        case HistoryColour::Red:
            return {102, 0, 0};
        case HistoryColour::Black:
            return {25, 25, 25};
        case HistoryColour::Zero:
            return {60, 87, 2};
        case HistoryColour::None:
            return {0, 0, 0};
    }
    return {0, 0, 0};
}

HistoryColour pocket_colour(int number) {
    if (is_red(number)) {
        return HistoryColour::Red;
    }
    return number == 0 ? HistoryColour::Zero : HistoryColour::Black;
}

void history_push(HistoryStrip& strip, int number) {
    for (int i = kHistorySize - 1; i > 0; --i) {
        strip[i] = strip[i - 1];
    }
    strip[0] = {static_cast<std::int8_t>(number), pocket_colour(number)};
}

void history_shift_back(HistoryStrip& strip) {
    for (int i = 0; i < kHistorySize - 1; ++i) {
        strip[i] = strip[i + 1];
    }
}

void history_reset(HistoryStrip& strip) {
    for (HistoryEntry& e : strip) {
        e = {-1, HistoryColour::None};
    }
}

}  // namespace corvane
