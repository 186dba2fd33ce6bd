// How many spins a bias takes to show: for each bias of the README's table, the fewest spins
// (two significant digits) at which the reading flags it (combined p below 0.01) in at least
// nine of ten of 2,000 seeded runs, the same runs the power test makes. The rows' spins in
// tests/support/biased_wheels.h are what this prints.
//   wheel_power_table
#include <cstdio>

#include "tests/support/biased_wheels.h"

int main() {
    using corvane::testing::flagged_share;
    for (const corvane::testing::PowerRow& row : corvane::testing::kPowerTable) {
        const auto share = [&row](std::int64_t spins) {
            return flagged_share(row.bias, spins, corvane::testing::kPowerRuns, row.seed);
        };
        // Up by doubling, then step by step from the last spins that fell short.
        std::int64_t spins = 100;
        while (share(spins) < 0.9) {
            spins = corvane::about(spins * 2);
        }
        spins = corvane::about(spins / 2);
        double flagged = 0;
        while ((flagged = share(spins)) < 0.9) {
            spins = corvane::about(spins + 1);
        }
        std::printf("| %s | %s | %.1f %% |\n", row.what, corvane::count_text(spins).c_str(),
                    100 * flagged);
        std::fflush(stdout);
    }
    std::printf(
        "the chi-square test alone, by the noncentral chi-square: 2x %lld, 1.5x %lld, "
        "1.25x %lld\n",
        static_cast<long long>(corvane::spins_to_show_pocket(2.0)),
        static_cast<long long>(corvane::spins_to_show_pocket(1.5)),
        static_cast<long long>(corvane::spins_to_show_pocket(1.25)));
    return 0;
}
