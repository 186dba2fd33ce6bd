#include "base/amount.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(Amount, ShortestFormWithDecimalComma) {
    EXPECT_EQ(format_amount(0.05), "0,05");
    EXPECT_EQ(format_amount(0.1), "0,1");
    EXPECT_EQ(format_amount(0.1 + 0.2), "0,3");
    EXPECT_EQ(format_amount(12.8), "12,8");
    EXPECT_EQ(format_amount(0.15), "0,15");
    EXPECT_EQ(format_amount(67108864.0), "67108864");
    EXPECT_EQ(format_amount(5000.0 * 1073741824.0), "5368709120000");
    EXPECT_EQ(format_amount(1024.0), "1024");
    EXPECT_EQ(format_amount(0.0), "0");
    EXPECT_EQ(format_amount(1e16), "10000000000000000");
    EXPECT_EQ(format_amount(0.00001), "0,00001");
    EXPECT_EQ(format_amount(-0.000025), "-0,000025");
    EXPECT_EQ(format_amount(-2.5), "-2,5");
}

TEST(Amount, ReadsCommaAndPoint) {
    EXPECT_EQ(parse_amount("0,25"), 0.25);
    EXPECT_EQ(parse_amount("5000"), 5000.0);
    EXPECT_EQ(parse_amount("0.5"), 0.5);
    EXPECT_FALSE(parse_amount(""));
    EXPECT_FALSE(parse_amount("1e3"));
    EXPECT_FALSE(parse_amount("12 "));
}

TEST(Amount, StoredAmountsReadBackAtFifteenDigits) {
    EXPECT_EQ(round_to_display(0.1 + 0.2), 0.3);
    EXPECT_EQ(round_to_display(1000000.0), 1000000.0);
    EXPECT_EQ(round_to_display(999999.94999999995), 999999.95);
}

}  // namespace
}  // namespace corvane
