// The five categories and their sides: names, prefixes and how a side and an outcome code
// stand for each other, so that one procedure serves every category.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/numbers.h"

namespace corvane {

// Everything that differs between the five categories, so that one procedure serves all.
struct CategoryInfo {
    CategoryId id;
    Family family;
    std::string_view stem;             // "RedBlack": RedBlack_ListAdd, RedBlack_Bet ...
    std::string_view prefix;           // "RB": RB_ResetChains, RB_Bankroll_Minus ...
    std::string_view field_prefix;     // "rb": rb_bet, rb_pattern_step ...
    std::string_view first_mark_name;  // how a first mark that is none is written
    std::string_view ind_mark_name;    // how an Ind mark that is none is written
    Side first_side;                   // side of the family's first code, '1'
    int side_count;                    // one side for each code of the family: 2 or 3
    std::string_view legend;           // the code legend of the chain hint
};

inline constexpr std::array<CategoryInfo, kCategoryCount> kCategories = {{
    {CategoryId::RB, Family::F12, "RedBlack", "RB", "rb", "RB_First", "RB_Ind", Side::Red, 2,
     "(1 = RED, 0 = BLACK)"},
    {CategoryId::EO, Family::F12, "EvenOdd", "EO", "eo", "EO_First", "EO_Ind", Side::Even, 2,
     "(1 = EVEN, 0 = ODD)"},
    {CategoryId::LM, Family::F12, "LessMore", "LM", "lm", "LM_First", "LM_Ind", Side::Less, 2,
     "(1 = LESS, 0 = MORE)"},
    {CategoryId::D, Family::F23, "Dozens", "D", "d", "D_First", "D_Ind", Side::Dozen1, 3,
     "(1 = 1ST Dozen, 2 = 2ND Dozen, 3 = 3RD Dozen)"},
    {CategoryId::C, Family::F23, "Columns", "C", "c", "C_First", "C_Ind", Side::Column1, 3,
     "(1 = 1ST Column, 2 = 2ND Column, 3 = 3RD Column)"},
}};

constexpr const CategoryInfo& info(CategoryId c) {
    return kCategories[index_of(c)];
}

static_assert(
    [] {
        for (const CategoryInfo& ci : kCategories) {
            if (ci.side_count != info(ci.family).code_count()) {
                return false;
            }
        }
        return true;
    }(),
    "a category has one side for each code of its family");

// The category a side belongs to.
constexpr CategoryId category_of(Side s) {
    const int i = index_of(s);
    return i < 6 ? static_cast<CategoryId>(i / 2) : static_cast<CategoryId>(3 + (i - 6) / 3);
}

// The side of a category that an outcome code of its family stands for.
constexpr Side side_of_code(CategoryId c, char code) {
    const CategoryInfo& ci = info(c);
    return static_cast<Side>(index_of(ci.first_side) +
                             static_cast<int>(info(ci.family).codes.find(code)));
}

// The outcome code that a side of its category stands for.
constexpr char code_of_side(Side s) {
    const CategoryInfo& ci = info(category_of(s));
    return info(ci.family).codes[static_cast<std::size_t>(index_of(s) - index_of(ci.first_side))];
}

// For each number, the sides and sections it falls on, one bit per Side.
struct SideMaskTable {
    std::array<std::uint16_t, kNumberCount> masks{};
    constexpr SideMaskTable() {
        for (int n = 1; n <= kMaxNumber; ++n) {
            for (CategoryId c : kAllCategories) {
                masks[n] |=
                    static_cast<std::uint16_t>(1U << index_of(side_of_code(c, outcome_code(c, n))));
            }
        }
    }
};
inline constexpr SideMaskTable kSideMasks{};

// True when the number falls on the side; never for the zero.
inline bool number_on(Side side, int number) {
    return (kSideMasks.masks[number] >> index_of(side)) & 1U;
}

}  // namespace corvane
