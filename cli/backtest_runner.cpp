#include "cli/backtest_runner.h"

#include <unistd.h>

#include <array>

namespace corvane {

Progress::Progress(std::uint64_t total, const char* unit)
    : total_(total),
      unit_(unit),
      shown_(isatty(2) == 1),
      start_(Clock::now()),
      next_(start_ + kDelay) {}

void Progress::redraw(std::uint64_t done, std::uint64_t spins) {
    const Clock::time_point now = Clock::now();
    if (now < next_) {
        return;
    }
    next_ = now + kInterval;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const auto pct = static_cast<unsigned>(100.0 * static_cast<double>(done) /
                                           static_cast<double>(total_ == 0 ? 1 : total_));
    std::fprintf(stderr, "\rcorvane-backtest: %llu of %llu %s (%u%%), %.0f spins/s ",
                 static_cast<unsigned long long>(done), static_cast<unsigned long long>(total_),
                 unit_, pct, static_cast<double>(spins) / seconds);
    std::fflush(stderr);
    drawn_ = true;
}

void Runner::csv_row(const GameState& game, std::uint64_t spin) {
    std::array<LoggedBet, kCategoryCount> bets;
    const int count = settled_bets(game, bets);
    // A backtest plays by no money plan: no spin of it warns.
    append_csv_row(csv_buffer_, spin, game.current_num, game.bankroll,
                   std::span(bets).first(static_cast<std::size_t>(count)), 0);
    if (csv_buffer_.size() >= (1U << 16)) {
        csv_->write(csv_buffer_);
        csv_buffer_.clear();
    }
}

void Progress::finish() {
    if (drawn_) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        drawn_ = false;
    }
}

}  // namespace corvane
