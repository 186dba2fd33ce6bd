#include "base/statistics.h"

#include <bit>
#include <string_view>

namespace corvane {

namespace {

constexpr std::array<Side, kStatBarCount> kBarSide = {Side::Red,     Side::Even,    Side::Less,
                                                      Side::Dozen1,  Side::Dozen2,  Side::Dozen3,
                                                      Side::Column1, Side::Column2, Side::Column3};

// For each number, the side it falls on in each category.
constexpr auto kSidesOfNumber = [] {
    std::array<std::array<std::uint8_t, kCategoryCount>, kNumberCount> sides{};
    for (int n = 1; n <= kMaxNumber; ++n) {
        std::size_t k = 0;
        for (unsigned mask = kSideMasks.masks[n]; mask != 0; mask &= mask - 1) {
            sides[static_cast<std::size_t>(n)][k++] =
                static_cast<std::uint8_t>(std::countr_zero(mask));
        }
    }
    return sides;
}();

}  // namespace

void statistics_calc(Statistics& s, int number, std::int64_t base) {
    if (base <= 0) {
        return;
    }
    statistics_count(s, number);
    statistics_percentages(s, base);
}

void statistics_count(Statistics& s, int number) {
    // The zero falls on no side; every other number on one of each category.
    if (number < 1 || number > kMaxNumber) {
        return;
    }
    for (std::uint8_t side : kSidesOfNumber[static_cast<std::size_t>(number)]) {
        ++s.count[side];
    }
}

void statistics_percentages(Statistics& s, std::int64_t base) {
    if (base <= 0) {
        return;
    }
    // An even chance's second side is what its first leaves of 100; each dozen and column is
    // taken for itself.
    for (const CategoryInfo& ci : kCategories) {
        const int first = index_of(ci.first_side);
        if (info(ci.family).sides_per_bet == 1) {
            const int p = percentage(s.count[first], base);
            s.pct[first] = p;
            s.pct[first + 1] = 100 - p;
        } else {
            for (int k = first; k < first + ci.side_count; ++k) {
                s.pct[k] = percentage(s.count[k], base);
            }
        }
    }
    s.shown = s.pct;
    s.computed = true;
}

void statistics_clear_counts(Statistics& s) {
    s.count = {};
    s.pct = {};
}

std::string stat_value_text(const Statistics& s, Side side) {
    return std::to_string(s.shown[index_of(side)]);
}

std::string stat_display_text(const Statistics& s, Side side) {
    const std::string_view word = s.computed ? info(side).stat_word : info(side).first_stat_word;
    std::string text(word);
    text += " (";
    text += stat_value_text(s, side);
    text += "%)";
    return text;
}

int stat_bar_value(const Statistics& s, StatBar bar) {
    return s.pct[index_of(stat_bar_side(bar))];
}

Side stat_bar_side(StatBar bar) {
    return kBarSide[static_cast<int>(bar)];
}

int stat_bar_maximum(StatBar bar) {
    return (bar == StatBar::D1 || bar == StatBar::D2 || bar == StatBar::D3) ? 99 : 100;
}

}  // namespace corvane
