#include "base/statistics.h"

#include <string_view>

namespace corvane {

namespace {

constexpr std::array<std::string_view, kSideCount> kComputedWord = {
    "Red",   "Black", "Even",  "Odd",   "Less",  "More",
    "1ST D", "2ND D", "3RD D", "1ST C", "2ND C", "3RD C"};
constexpr std::array<std::string_view, kSideCount> kInitialWord = {
    "Red",   "Black", "Even",  "Odd",   "1-18",  "19-36",
    "1ST D", "2ND D", "3RD D", "1ST C", "2ND C", "3RD C"};

constexpr std::array<Side, kStatBarCount> kBarSide = {Side::Red,     Side::Even,    Side::Less,
                                                      Side::Dozen1,  Side::Dozen2,  Side::Dozen3,
                                                      Side::Column1, Side::Column2, Side::Column3};

}  // namespace

void statistics_calc(Statistics& s, int number, std::int64_t base) {
    if (base <= 0) {
        return;
    }
    const bool counted = number >= 1 && number <= kMaxNumber;
    if (counted && is_red(number)) {
        ++s.count_red;
    }
    if (counted && number % 2 == 0) {
        ++s.count_even;
    }
    if (counted && number <= 18) {
        ++s.count_less;
    }
    if (counted) {
        ++s.count_d[(number - 1) / 12];
        ++s.count_c[(number - 1) % 3];
    }
    auto pair = [&](Side first, std::int64_t count) {
        const int p = percentage(count, base);
        s.pct[index_of(first)] = p;
        s.pct[index_of(first) + 1] = 100 - p;
    };
    pair(Side::Red, s.count_red);
    pair(Side::Even, s.count_even);
    pair(Side::Less, s.count_less);
    for (int k = 0; k < 3; ++k) {
        s.pct[index_of(Side::Dozen1) + k] = percentage(s.count_d[k], base);
        s.pct[index_of(Side::Column1) + k] = percentage(s.count_c[k], base);
    }
    s.shown = s.pct;
    s.computed = true;
}

void statistics_clear_counts(Statistics& s) {
    s.count_red = s.count_even = s.count_less = 0;
    s.count_d = {};
    s.count_c = {};
    s.pct = {};
}

std::string stat_value_text(const Statistics& s, Side side) {
    return std::to_string(s.shown[index_of(side)]);
}

std::string stat_display_text(const Statistics& s, Side side) {
    const std::string_view word =
        s.computed ? kComputedWord[index_of(side)] : kInitialWord[index_of(side)];
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
