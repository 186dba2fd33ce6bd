// Hit statistics of the game: how often each side and section has come up among the non-zero
// numbers, as whole percentages with their panel texts and bars.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/categories.h"
#include "base/numbers.h"

namespace corvane {

// The percentage of count in base, whole part, exactly; 0 for an empty base.
constexpr int percentage(std::int64_t count, std::int64_t base) {
    return base <= 0 ? 0 : static_cast<int>((100 * count) / base);
}

struct Statistics {
    // How many non-zero numbers fell on each side, indexed by Side: count_red is count[Red].
    // Only the side of code '1' of an even chance is read; its other side follows from it.
    std::array<std::int64_t, kSideCount> count{};
    // stat_red, stat_black, ... stat_c3, indexed by Side.
    std::array<int, kSideCount> pct{};
    // The percentage written in each value text and display text.
    std::array<int, kSideCount> shown{};
    // The display texts have been computed at least once: "Less (..%)" rather than "1-18 (0%)".
    bool computed = false;

    friend bool operator==(const Statistics&, const Statistics&) = default;
};

// The nine statistic bars.
enum class StatBar { RedBlack, EvenOdd, LessMore, D1, D2, D3, C1, C2, C3 };
inline constexpr int kStatBarCount = 9;

// Statistics_Calc for `number`, whose entry (if non-zero) is already counted in `base`.
// With an empty base nothing changes: a game of zeros has no percentages.
void statistics_calc(Statistics& s, int number, std::int64_t base);

// The two halves of Statistics_Calc: the number counted on its sides, and the percentages (with
// what the texts show) worked out anew from the counts, unless the base is empty.
void statistics_count(Statistics& s, int number);
void statistics_percentages(Statistics& s, std::int64_t base);

// Clears counters and percentages; the texts keep what they showed.
void statistics_clear_counts(Statistics& s);

// The value text (the percentage as decimal text) of a side.
std::string stat_value_text(const Statistics& s, Side side);

// The display text of a side: "Red (48%)"; before the first computation the initial text.
std::string stat_display_text(const Statistics& s, Side side);

// The value a bar holds (its percentage) and its maximum (99 for the dozens, else 100).
int stat_bar_value(const Statistics& s, StatBar bar);
int stat_bar_maximum(StatBar bar);
// The side whose percentage a bar shows: Red for the Red/Black bar.
Side stat_bar_side(StatBar bar);

}  // namespace corvane
