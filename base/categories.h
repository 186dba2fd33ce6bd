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

// How a side or section is called wherever it is named. `name` completes the names of its
// elements (BetField_Red, Bet_Dozen2) and keys it in the state trace; `short_name` names its
// statistics caption (Stat_D1_Text); `label` is what the layout writes on it and the session
// log's CSV calls it; `spoken` is what a screen reader says; `stat_word` begins its computed
// statistics text ("1ST D (33%)") and `first_stat_word` the text before the first computation
// (1-18 and 19-36 show their ranges until then).
struct SideInfo {
    Side id;
    std::string_view name;
    std::string_view short_name;
    std::string_view label;
    std::string_view spoken;
    std::string_view stat_word;
    std::string_view first_stat_word;
};

inline constexpr std::array<SideInfo, kSideCount> kSides = {{
    {Side::Red, "Red", "Red", "Red", "Red", "Red", "Red"},
    {Side::Black, "Black", "Black", "Black", "Black", "Black", "Black"},
    {Side::Even, "Even", "Even", "Even", "Even", "Even", "Even"},
    {Side::Odd, "Odd", "Odd", "Odd", "Odd", "Odd", "Odd"},
    {Side::Less, "Less", "Less", "1-18", "1-18", "Less", "1-18"},
    {Side::More, "More", "More", "19-36", "19-36", "More", "19-36"},
    {Side::Dozen1, "Dozen1", "D1", "D1", "1st dozen", "1ST D", "1ST D"},
    {Side::Dozen2, "Dozen2", "D2", "D2", "2nd dozen", "2ND D", "2ND D"},
    {Side::Dozen3, "Dozen3", "D3", "D3", "3rd dozen", "3RD D", "3RD D"},
    {Side::Column1, "Column1", "C1", "C1", "1st column", "1ST C", "1ST C"},
    {Side::Column2, "Column2", "C2", "C2", "2nd column", "2ND C", "2ND C"},
    {Side::Column3, "Column3", "C3", "C3", "3rd column", "3RD C", "3RD C"},
}};

constexpr const SideInfo& info(Side s) {
    return kSides[index_of(s)];
}

static_assert(
    [] {
        for (int s = 0; s < kSideCount; ++s) {
            if (index_of(kSides[s].id) != s) {
                return false;
            }
        }
        return true;
    }(),
    "the sides are listed in the order of Side");

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
