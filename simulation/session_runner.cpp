#include "simulation/session_runner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace corvane {

namespace {

constexpr std::uint64_t kBlock = 64;  // sessions a thread takes at a time

// Up to `count` spins spread evenly over a session of `spins`, the last one at its end.
std::vector<std::uint64_t> chart_points(std::uint64_t spins, int count) {
    const auto n = std::min<std::uint64_t>(spins, static_cast<std::uint64_t>(count));
    std::vector<std::uint64_t> points;
    for (std::uint64_t j = 1; j <= n; ++j) {
        points.push_back((spins * j + n - 1) / n);
    }
    return points;
}

}  // namespace

SessionsRun run_sessions(const Engine& configured, const SessionsJob& job,
                         const SessionsProgress& progress) {
    SessionsRun run;
    run.results.resize(job.sessions);
    if (job.chart_points > 0) {
        run.points = chart_points(job.rules.spins, job.chart_points);
        run.net.resize(job.sessions * run.points.size());
    }
    const std::size_t points = run.points.size();
    const std::uint64_t blocks = (job.sessions + kBlock - 1) / kBlock;
    std::vector<double> block_staked(blocks * points);

    std::atomic<std::uint64_t> next_block{0};
    std::atomic<std::uint64_t> sessions_done{0};
    std::atomic<std::uint64_t> spins_done{0};
    const auto work = [&] {
        for (std::uint64_t b = next_block++; b < blocks; b = next_block++) {
            const std::uint64_t end = std::min(job.sessions, (b + 1) * kBlock);
            for (std::uint64_t i = b * kBlock; i < end; ++i) {
                SessionTrack track{run.points, std::span(run.net).subspan(i * points, points),
                                   std::span(block_staked).subspan(b * points, points)};
                run.results[i] = play_session(configured, job.rules, session_seed(job.seed, i),
                                              points == 0 ? nullptr : &track);
                spins_done += run.results[i].spins;
                ++sessions_done;
            }
        }
    };

    {
        std::vector<std::jthread> threads;
        for (unsigned t = 0; t < std::max(1U, job.threads); ++t) {
            threads.emplace_back(work);
        }
        while (progress && sessions_done < job.sessions) {
            progress(sessions_done, spins_done);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }  // the threads are joined here
    if (progress) {
        progress(sessions_done, spins_done);
    }

    run.mean_staked.assign(points, 0.0);
    for (std::uint64_t b = 0; b < blocks; ++b) {
        for (std::size_t j = 0; j < points; ++j) {
            run.mean_staked[j] += block_staked[b * points + j];
        }
    }
    for (double& s : run.mean_staked) {
        s /= static_cast<double>(job.sessions);
    }
    return run;
}

}  // namespace corvane
