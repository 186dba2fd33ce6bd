// Plays many sessions on all cores. The sessions are cut into blocks of a fixed size, whichever
// thread plays a block, and every sum is taken block by block in their order: the figures come
// out the same to the last bit for any number of threads.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "simulation/sessions.h"

namespace corvane {

struct SessionsRun {
    std::vector<SessionResult> results;  // by session number
    // The chart's view, when asked for: the spins after which every session's money is noted,
    // the money of session i at point j in net[i * points.size() + j], and the mean staked
    // so far at each point.
    std::vector<std::uint64_t> points;
    std::vector<float> net;
    std::vector<double> mean_staked;
};

struct SessionsJob {
    std::uint64_t sessions = 1;
    std::uint64_t seed = 1;
    SessionRules rules;
    unsigned threads = 1;  // at least 1
    int chart_points = 0;  // 0: no chart; else at most this many points across a session
};

// Called now and then on the calling thread while the sessions are played.
using SessionsProgress = std::function<void(std::uint64_t sessions_done, std::uint64_t spins_done)>;

SessionsRun run_sessions(const Engine& configured, const SessionsJob& job,
                         const SessionsProgress& progress = {});

}  // namespace corvane
