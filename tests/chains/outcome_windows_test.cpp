#include "chains/outcome_windows.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

CategoryState feed(CategoryId c, const std::vector<int>& numbers, int window,
                   CategoryState state = {}) {
    for (int n : numbers) {
        list_add(state, c, n, window);
    }
    return state;
}

TEST(OutcomeWindows, SlideAndRememberTheCodeThatLeft) {
    const CategoryState s = feed(CategoryId::RB, {1, 2, 3, 4}, 3);
    EXPECT_EQ(s.list_window.view(), "010");
    EXPECT_EQ(s.first_mark, '1');
    EXPECT_EQ(s.ind_window.view(), "10");
    EXPECT_EQ(s.ind_mark, '0');
}

TEST(OutcomeWindows, FirstMarkStaysNoneUntilTheWindowOverflows) {
    const std::vector<int> ten = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    CategoryState s = feed(CategoryId::D, ten, 10);
    EXPECT_EQ(s.list_window.size(), 10);
    EXPECT_EQ(s.first_mark, kNoMark);
    EXPECT_EQ(s.ind_mark, '1');  // the Ind window (9 codes) overflowed once already
    s = feed(CategoryId::D, {25}, 10, s);
    EXPECT_EQ(s.first_mark, '1');
    EXPECT_EQ(s.list_window.view(), "1111111113");
    EXPECT_EQ(s.ind_window.view(), "111111113");
}

TEST(OutcomeWindows, ZeroMovesNothing) {
    const CategoryState before = feed(CategoryId::C, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 8);
    const CategoryState after = feed(CategoryId::C, {0}, 8, before);
    EXPECT_EQ(after.list_window, before.list_window);
    EXPECT_EQ(after.ind_window, before.ind_window);
    EXPECT_EQ(after.first_mark, before.first_mark);
    EXPECT_EQ(after.ind_mark, before.ind_mark);
}

TEST(OutcomeWindows, LoweredLengthCutsBothWindowsAtTheNextSpin) {
    CategoryState s;
    s.list_window.assign("1101001011");
    s.ind_window.assign("101001011");
    s.first_mark = '0';
    s.ind_mark = '1';
    s = feed(CategoryId::RB, {1}, 5, s);  // red
    EXPECT_EQ(s.list_window.view(), "10111");
    EXPECT_EQ(s.first_mark, '0');
    EXPECT_EQ(s.ind_window.view(), "0111");
    EXPECT_EQ(s.ind_mark, '1');

    // A zero cuts too: the shorter length takes effect whatever number comes.
    CategoryState z;
    z.list_window.assign("1101001011");
    z.ind_window.assign("101001011");
    z = feed(CategoryId::RB, {0}, 5, z);
    EXPECT_EQ(z.list_window.view(), "01011");
    EXPECT_EQ(z.ind_window.view(), "1011");
}

TEST(OutcomeWindows, RaisedLengthGrowsOneCodePerSpinWithMarksKept) {
    CategoryState s = feed(CategoryId::EO, {1, 2, 3, 4, 5, 6, 7}, 5);
    const char first = s.first_mark;
    const char ind = s.ind_mark;
    for (int n = 8; n <= 12; ++n) {
        s = feed(CategoryId::EO, {n}, 10, s);
        EXPECT_EQ(s.first_mark, first);
        EXPECT_EQ(s.ind_mark, ind);
    }
    EXPECT_EQ(s.list_window.size(), 10);
    s = feed(CategoryId::EO, {13}, 10, s);
    EXPECT_EQ(s.list_window.size(), 10);
    EXPECT_EQ(s.first_mark, '0');  // number 3: odd
    EXPECT_EQ(s.ind_mark, '1');    // number 4: even
}

}  // namespace
}  // namespace corvane
