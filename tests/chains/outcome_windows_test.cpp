#include "chains/outcome_windows.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
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
    EXPECT_EQ(s.list_window.str(), "010");
    EXPECT_EQ(s.first_mark, '1');
    EXPECT_EQ(s.ind_window.str(), "10");
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
    EXPECT_EQ(s.list_window.str(), "1111111113");
    EXPECT_EQ(s.ind_window.str(), "111111113");
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
    EXPECT_EQ(s.list_window.str(), "10111");
    EXPECT_EQ(s.first_mark, '0');
    EXPECT_EQ(s.ind_window.str(), "0111");
    EXPECT_EQ(s.ind_mark, '1');

    // A zero cuts too: the shorter length takes effect whatever number comes.
    CategoryState z;
    z.list_window.assign("1101001011");
    z.ind_window.assign("101001011");
    z = feed(CategoryId::RB, {0}, 5, z);
    EXPECT_EQ(z.list_window.str(), "01011");
    EXPECT_EQ(z.ind_window.str(), "1011");
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

// The window against a plain text that takes the same steps: every code of both families, up
// to the full capacity, where a code pushed lets the oldest go, and cuts of every length.
TEST(CodeWindow, HoldsTheSameTextAsAStringTakingTheSameSteps) {
    std::uint64_t state = 12345;
    const auto random = [&state](int n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(n));
    };
    for (const std::string_view codes : {std::string_view("10"), std::string_view("123")}) {
        CodeWindow w;
        std::string text;
        for (int step = 0; step < 20000; ++step) {
            if (random(4) != 0) {
                const char code = codes[static_cast<std::size_t>(random(codes.size()))];
                w.push_back(code);
                text += code;
                if (text.size() > CodeWindow::kCapacity) {
                    text.erase(0, 1);
                }
            } else {
                const int keep = random(CodeWindow::kCapacity + 1);
                const char expected =
                    static_cast<int>(text.size()) > keep ? text[text.size() - keep - 1] : '\0';
                EXPECT_EQ(w.cut_to(keep), expected);
                if (static_cast<int>(text.size()) > keep) {
                    text.erase(0, text.size() - keep);
                }
            }
            ASSERT_EQ(w.str(), text) << step;
            ASSERT_EQ(w.size(), static_cast<int>(text.size()));
            ASSERT_EQ(w.key(), CodeWindow::key_of(text));
            ASSERT_EQ(w, CodeWindow(text));
            if (!text.empty()) {
                ASSERT_EQ(w[0], text.front());
                ASSERT_EQ(w[w.size() - 1], text.back());
            }
        }
    }
}

TEST(CodeWindow, ATextTooLongKeepsItsNewestCodes) {
    const std::string text = "3" + std::string(CodeWindow::kCapacity, '1');
    const CodeWindow w(text);
    EXPECT_EQ(w.size(), CodeWindow::kCapacity);
    EXPECT_EQ(w.str(), text.substr(1));
    EXPECT_NE(w, CodeWindow(std::string(CodeWindow::kCapacity - 1, '1')));
}

}  // namespace
}  // namespace corvane
