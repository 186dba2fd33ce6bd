// Many independent sessions of random spins, each played as a player with real money would
// play the suggested bets: a bankroll that can run out, a table limit, and stop rules.
//
// After every spin the session looks at what the spin did, in this order (the money plan's rules,
// engine/money_plan.h, with the session's length between them):
//   1. the bets of the last spin are settled: the net is what was paid minus what was staked;
//   2. stop loss: the net is at most -L, the player leaves;
//   3. target: the net is at least +T, the player leaves;
//   4. played out: that was the last spin of the session, the player leaves;
//   5. table limit: a stake the engine suggests is above the table's maximum, the player leaves;
//   6. ruined: the bets suggested cost more than the money left, the player leaves.
// A player who leaves makes none of the bets just suggested. Otherwise the bets are made, paid
// from the money left, and the next spin comes.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "engine/engine.h"
#include "engine/money_plan.h"

namespace corvane {

// How a session ended.
enum class SessionEnd : std::uint8_t { TargetReached, StopLoss, Ruined, TableLimit, PlayedOut };
inline constexpr int kSessionEndCount = 5;
inline constexpr std::array<std::string_view, kSessionEndCount> kSessionEndNames = {
    "target_reached", "stop_loss", "ruined", "table_limit", "played_out"};

// A session is played by a money plan (the bankroll at its start, the table's maximum, the stop
// loss and the target) for at most `spins` spins.
struct SessionRules : MoneyPlan {
    std::uint64_t spins = 1000;  // a session ends after at most this many spins
};

// What one session did. Money is in the units of the stakes.
struct SessionResult {
    SessionEnd end = SessionEnd::PlayedOut;
    std::uint64_t spins = 0;              // spins played
    double net = 0;                       // paid minus staked, over the bets made
    double staked = 0;                    // the stakes of the bets made
    double worst_drawdown = 0;            // the lowest the money stood below the start (<= 0)
    double largest_stake = 0;             // the largest stake made on one side or section
    std::int64_t longest_losing_run = 0;  // most bets of one category lost in a row
};

// The seed of session i's random numbers: the i-th output (counting from 0) of SplitMix64
// seeded with `seed`. Each session has its own stream, so a session's numbers do not depend on
// which thread plays it, nor on the sessions before it.
std::uint64_t session_seed(std::uint64_t seed, std::uint64_t session);

// Where the chart looks at every session: the spins after which its money is noted, and what
// it notes there. After a session has ended its figures stay as they were at its end.
struct SessionTrack {
    std::span<const std::uint64_t> spins;  // increasing, each from 1 to the session's length
    std::span<float> net;                  // the money against the start, stakes on the table
                                           // counted as spent
    std::span<double> staked;              // added to: what was staked so far
};

// Plays one session on a copy of `configured`, fed by RandomNumbers(stream_seed).
SessionResult play_session(const Engine& configured, const SessionRules& rules,
                           std::uint64_t stream_seed, const SessionTrack* track = nullptr);

// The same with the numbers `next()` gives, which must last for rules.spins spins.
SessionResult play_session(const Engine& configured, const SessionRules& rules,
                           const std::function<int()>& next, const SessionTrack* track = nullptr);

}  // namespace corvane
