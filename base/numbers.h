// The roulette number model: the one place where a number 0..36 is classified.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

namespace corvane {

inline constexpr int kMaxNumber = 36;
inline constexpr int kNumberCount = 37;

// The five outside-bet categories, in the order in which every spin walks them.
enum class CategoryId : std::uint8_t { RB, EO, LM, D, C };
inline constexpr int kCategoryCount = 5;
inline constexpr std::array<CategoryId, kCategoryCount> kAllCategories = {
    CategoryId::RB, CategoryId::EO, CategoryId::LM, CategoryId::D, CategoryId::C};

namespace detail {
template <typename Run, std::size_t... I>
void for_each_category(Run& run, std::index_sequence<I...>) {
    (run.template operator()<kAllCategories[I]>(), ...);
}
template <typename Run, std::size_t... I>
void for_category(CategoryId c, Run& run, std::index_sequence<I...>) {
    ((c == kAllCategories[I] ? run.template operator()<kAllCategories[I]>() : void()), ...);
}
}  // namespace detail

// A procedure written once and compiled for each category, so that the category's and its
// family's tables are constants in it: `run.template operator()<C>()` for every category in
// the order of kAllCategories, or for the category c alone.
template <typename Run>
void for_each_category(Run&& run) {
    detail::for_each_category(run, std::make_index_sequence<kCategoryCount>{});
}
template <typename Run>
void for_category(CategoryId c, Run&& run) {
    detail::for_category(c, run, std::make_index_sequence<kCategoryCount>{});
}

// Family12: even-chance bets with codes '1'/'0'. Family23: two of three sections, codes '1'..'3'.
enum class Family : std::uint8_t { F12, F23 };
inline constexpr int kFamilyCount = 2;

// Everything that tells the two families apart, so that one procedure serves both.
struct FamilyInfo {
    Family id;
    std::string_view name;     // "1/2", "2/3": how the family's options are captioned
    std::string_view suffix;   // "12", "23": ends the names of its options and counters
    std::string_view caption;  // "R/B, E/O, L/M": the family's categories, as its win rate's
                               // caption names them
    std::string_view codes;    // its outcome codes; the k-th stands for a category's k-th side
    int sides_per_bet;         // sides or sections one bet covers, each with one stake: 1 or 2
    double payout;             // what a won bet pays, in stakes held: 2 or 3
    // What a chain line that has run out predicts: '1' for an even chance, where the bet then
    // goes against the code-'1' side; nothing for the sections, where then no bet is laid.
    char past_line_end;

    constexpr int code_count() const { return static_cast<int>(codes.size()); }
    constexpr bool has_code(char code) const { return codes.find(code) != std::string_view::npos; }
};

inline constexpr std::array<FamilyInfo, kFamilyCount> kFamilies = {{
    {Family::F12, "1/2", "12", "R/B, E/O, L/M", "10", 1, 2.0, '1'},
    {Family::F23, "2/3", "23", "Dozens/Columns", "123", 2, 3.0, '\0'},
}};

// The sides and sections of the layout. Within a category the side of code '1' comes first;
// for the dozens and columns the section index follows the code.
enum class Side : std::uint8_t {
    Red,
    Black,
    Even,
    Odd,
    Less,
    More,
    Dozen1,
    Dozen2,
    Dozen3,
    Column1,
    Column2,
    Column3
};
inline constexpr int kSideCount = 12;

constexpr int index_of(CategoryId c) {
    return static_cast<int>(c);
}
constexpr int index_of(Side s) {
    return static_cast<int>(s);
}
constexpr int index_of(Family f) {
    return static_cast<int>(f);
}
constexpr const FamilyInfo& info(Family f) {
    return kFamilies[index_of(f)];
}

constexpr Family family_of(CategoryId c) {
    return (c == CategoryId::D || c == CategoryId::C) ? Family::F23 : Family::F12;
}

// True for the 18 red numbers; false for the zero and every black number.
constexpr bool is_red(int number) {
    constexpr std::array<int, 18> kRed = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                          19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (int r : kRed) {
        if (r == number) {
            return true;
        }
    }
    return false;
}

// The outcome code of a number in a category, or '\0' for the zero (which has none).
constexpr char outcome_code(CategoryId category, int number) {
    if (number <= 0 || number > kMaxNumber) {
        return '\0';
    }
    switch (category) {
        case CategoryId::RB:
            return is_red(number) ? '1' : '0';
        case CategoryId::EO:
            return number % 2 == 0 ? '1' : '0';
        case CategoryId::LM:
            return number <= 18 ? '1' : '0';
        case CategoryId::D:
            return static_cast<char>('1' + (number - 1) / 12);
        case CategoryId::C:
            return number % 3 == 0 ? '3' : static_cast<char>('0' + number % 3);
    }
    return '\0';
}

// Precomputed codes, indexed [category][number]; the hot paths of a spin read this table.
struct CodeTable {
    std::array<std::array<char, kNumberCount>, kCategoryCount> codes{};
    constexpr CodeTable() {
        for (CategoryId c : kAllCategories) {
            for (int n = 0; n <= kMaxNumber; ++n) {
                codes[index_of(c)][n] = outcome_code(c, n);
            }
        }
    }
};
inline constexpr CodeTable kCodeTable{};

inline char code_of(CategoryId category, int number) {
    return kCodeTable.codes[index_of(category)][number];
}

}  // namespace corvane
