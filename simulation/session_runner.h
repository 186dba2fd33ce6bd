// Plays many sessions on all cores. The sessions are cut into blocks of a fixed size, whichever
// thread plays a block, and every sum is taken block by block in their order: the figures come
// out the same to the last bit for any number of threads.
#pragma once

#include <cstdint>
#include <functional>
#include <stop_token>
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
    // A stop was asked for before every session was played: the results are incomplete, and
    // neither they nor the chart's view may be read.
    bool cancelled = false;
};

struct SessionsJob {
    std::uint64_t sessions = 1;
    std::uint64_t seed = 1;
    SessionRules rules;
    unsigned threads = 1;  // at least 1
    int chart_points = 0;  // 0: no chart; else at most this many points across a session
    // Once a stop is asked for, every thread ends after the session it is playing and the run
    // returns cancelled. The default token never asks.
    std::stop_token stop;
    // Called first on each thread that plays sessions, if set: a caller that shares the machine
    // with a window may lower the threads' priority there.
    std::function<void()> on_thread_start;
};

// Called now and then on the calling thread while the sessions are played (every 50 ms), and
// once at the end.
using SessionsProgress = std::function<void(std::uint64_t sessions_done, std::uint64_t spins_done)>;

SessionsRun run_sessions(const Engine& configured, const SessionsJob& job,
                         const SessionsProgress& progress = {});

}  // namespace corvane
