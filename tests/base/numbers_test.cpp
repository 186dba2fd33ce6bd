#include "base/numbers.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace corvane {
namespace {

TEST(NumberModel, ZeroHasNoCodeAndIsNotRed) {
    for (CategoryId c : kAllCategories) {
        EXPECT_EQ(outcome_code(c, 0), '\0');
    }
    EXPECT_FALSE(is_red(0));
}

struct Classified {
    int number;
    const char* codes;  // RB, EO, LM, D, C
};

TEST(NumberModel, BoundaryNumbersClassifyAsOnTheLayout) {
    const Classified cases[] = {
        {36, "11033"}, {19, "10021"}, {18, "11123"}, {12, "11113"}, {13, "00121"},
        {24, "01023"}, {25, "10031"}, {10, "01111"}, {11, "00112"}, {28, "01031"},
        {29, "00032"}, {1, "10111"},  {2, "01112"},  {3, "10113"},
    };
    for (const Classified& k : cases) {
        for (CategoryId c : kAllCategories) {
            EXPECT_EQ(outcome_code(c, k.number), k.codes[index_of(c)])
                << "number " << k.number << " category " << index_of(c);
            EXPECT_EQ(code_of(c, k.number), k.codes[index_of(c)]);
        }
    }
}

TEST(NumberModel, EveryCodeCoversItsShareOfTheWheel) {
    const std::map<char, int> even_chance = {{'1', 18}, {'0', 18}};
    const std::map<char, int> thirds = {{'1', 12}, {'2', 12}, {'3', 12}};
    for (CategoryId c : kAllCategories) {
        std::map<char, int> seen;
        for (int n = 1; n <= kMaxNumber; ++n) {
            ++seen[outcome_code(c, n)];
        }
        EXPECT_EQ(seen, family_of(c) == Family::F12 ? even_chance : thirds);
    }
    int reds = 0;
    for (int n = 0; n <= kMaxNumber; ++n) {
        reds += is_red(n) ? 1 : 0;
        EXPECT_EQ(is_red(n), n != 0 && outcome_code(CategoryId::RB, n) == '1');
    }
    EXPECT_EQ(reds, 18);
}

// The procedures compiled for each category run for every category in the spin's order, or
// for the one asked alone, with that category as their constant.
TEST(NumberModel, ACategoryProcedureRunsForEachCategoryInOrderOrForOneAlone) {
    std::vector<CategoryId> order;
    for_each_category([&]<CategoryId C>() { order.push_back(C); });
    EXPECT_EQ(order, std::vector<CategoryId>(kAllCategories.begin(), kAllCategories.end()));
    for (CategoryId c : kAllCategories) {
        std::vector<CategoryId> ran;
        for_category(c, [&]<CategoryId C>() {
            static_assert(index_of(C) >= 0 && index_of(C) < kCategoryCount);
            ran.push_back(C);
        });
        EXPECT_EQ(ran, std::vector<CategoryId>{c});
    }
}

}  // namespace
}  // namespace corvane
