#include "simulation/sessions.h"

#include <algorithm>

#include "simulation/long_games.h"
#include "simulation/random_numbers.h"

namespace corvane {

std::uint64_t session_seed(std::uint64_t seed, std::uint64_t session) {
    // The stream started from its state after `session` steps, reached without taking them
    // one by one: its next output is the session-th.
    SplitMix64 stream(seed + session * SplitMix64::kGamma);
    return stream.next();
}

namespace {

// What the spin just played did, over the enabled categories.
struct SpinMoney {
    double paid = 0;           // paid out on the bets settled
    double suggested = 0;      // the cost of the bets the engine laid for the next spin
    double largest_stake = 0;  // the largest of their stakes on one side or section
};

class SessionPlayer {
  public:
    SessionPlayer(const SessionRules& rules, const Settings& settings)
        : rules_(rules), settings_(settings) {}

    // Reads the spin; the end it brings, if any.
    std::optional<SessionEnd> after_spin(const GameState& game, std::uint64_t spin) {
        const SpinMoney money = read(game);
        result_.spins = spin;
        result_.net += money.paid;
        if (rules_.stop_loss && result_.net <= -*rules_.stop_loss) {
            return SessionEnd::StopLoss;
        }
        if (rules_.target && result_.net >= *rules_.target) {
            return SessionEnd::TargetReached;
        }
        if (spin == rules_.spins) {
            return SessionEnd::PlayedOut;
        }
        if (rules_.table_max && money.largest_stake > *rules_.table_max) {
            return SessionEnd::TableLimit;
        }
        if (rules_.bankroll && money.suggested > *rules_.bankroll + result_.net) {
            return SessionEnd::Ruined;
        }
        // The bets are made.
        result_.net -= money.suggested;
        result_.staked += money.suggested;
        result_.largest_stake = std::max(result_.largest_stake, money.largest_stake);
        result_.worst_drawdown = std::min(result_.worst_drawdown, result_.net);
        return std::nullopt;
    }

    SessionResult finish(SessionEnd end) {
        result_.end = end;
        result_.worst_drawdown = std::min(result_.worst_drawdown, result_.net);
        return result_;
    }

    const SessionResult& so_far() const { return result_; }

  private:
    SpinMoney read(const GameState& game) {
        SpinMoney money;
        for_each_category([&]<CategoryId C>() { add<C>(game, money); });
        return money;
    }

    // One category's part, compiled for each category: its divisor is a constant then.
    template <CategoryId C>
    void add(const GameState& game, SpinMoney& money) {
        if (!settings_.enabled(C)) {
            return;
        }
        const CategorySpin& what = game.last_spin[index_of(C)];
        // Without a branch on whether a bet was settled, which is seldom and at random.
        std::int64_t& run = losing_run_[index_of(C)];
        const std::int64_t settled = what.won ? 0 : run + 1;
        run = what.settled ? settled : run;
        result_.longest_losing_run = std::max(result_.longest_losing_run, run);
        money.paid += what.paid;
        money.suggested += what.charged;
        money.largest_stake =
            std::max(money.largest_stake, what.charged / info(family_of(C)).sides_per_bet);
    }

    const SessionRules& rules_;
    const Settings& settings_;
    SessionResult result_;
    std::array<std::int64_t, kCategoryCount> losing_run_{};
};

// A session fed by next(): a template, so that the random numbers are drawn in the loop itself.
template <typename Next>
SessionResult play(const Engine& configured, const SessionRules& rules, const Next& next,
                   const SessionTrack* track) {
    Engine engine = configured;
    engine.keep_undo(false);
    engine.keep_log(false);
    engine.keep_display(false);
    SessionPlayer player(rules, engine.settings());
    std::size_t next_point = 0;
    const auto note_until = [&](std::uint64_t spin) {
        if (track == nullptr) {
            return;
        }
        const SessionResult& now = player.so_far();
        for (; next_point < track->spins.size() && track->spins[next_point] <= spin; ++next_point) {
            track->net[next_point] = static_cast<float>(now.net);
            track->staked[next_point] += now.staked;
        }
    };
    for (std::uint64_t spin = 1;; ++spin) {
        engine.spin(next());
        if (const std::optional<SessionEnd> end = player.after_spin(engine.game(), spin)) {
            const SessionResult result = player.finish(*end);
            note_until(UINT64_MAX);
            return result;
        }
        note_until(spin);
        forget_old_numbers_now_and_then(engine, spin);
    }
}

}  // namespace

SessionResult play_session(const Engine& configured, const SessionRules& rules,
                           std::uint64_t stream_seed, const SessionTrack* track) {
    RandomNumbers numbers(stream_seed);
    const auto next = [&numbers] { return numbers.next(); };
    return play(configured, rules, next, track);
}

SessionResult play_session(const Engine& configured, const SessionRules& rules,
                           const std::function<int()>& next, const SessionTrack* track) {
    return play(configured, rules, next, track);
}

}  // namespace corvane
