#include "simulation/sessions.h"

#include <algorithm>

#include "base/random_numbers.h"
#include "simulation/long_games.h"

namespace corvane {

std::uint64_t session_seed(std::uint64_t seed, std::uint64_t session) {
    // The stream started from its state after `session` steps, reached without taking them
    // one by one: its next output is the session-th.
    SplitMix64 stream(seed + session * SplitMix64::kGamma);
    return stream.next();
}

namespace {

// What the spin just played did, over the enabled categories: what its settled bets paid, and
// the bets it laid for the next spin as the money plan's rules read them.
struct SpinMoney {
    double paid = 0;
    SuggestedBets suggested;
};

class SessionPlayer {
  public:
    SessionPlayer(const SessionRules& rules, const Settings& settings)
        : rules_(rules), settings_(settings) {}

    // Reads the spin; the end it brings, if any.
    std::optional<SessionEnd> after_spin(const GameState& game, std::uint64_t spin) {
        const SpinMoney money = read(game);
        const SuggestedBets& bets = money.suggested;
        result_.spins = spin;
        result_.net += money.paid;
        const PlanRules fired = plan_rules(rules_, result_.net, bets);
        const auto met = [fired](PlanRule r) { return (fired & rule_bit(r)) != 0; };
        if (met(PlanRule::StopLoss)) {
            return SessionEnd::StopLoss;
        }
        if (met(PlanRule::Target)) {
            return SessionEnd::TargetReached;
        }
        if (spin == rules_.spins) {
            return SessionEnd::PlayedOut;
        }
        if (met(PlanRule::TableLimit)) {
            return SessionEnd::TableLimit;
        }
        if (met(PlanRule::Ruined)) {
            return SessionEnd::Ruined;
        }
        // The bets are made.
        result_.net -= bets.cost;
        result_.staked += bets.cost;
        result_.largest_stake = std::max(result_.largest_stake, bets.largest_stake);
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
        money.suggested.cost += what.charged;
        money.suggested.largest_stake = std::max(money.suggested.largest_stake,
                                                 what.charged / info(family_of(C)).sides_per_bet);
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
