#include "simulation/session_runner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
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

    const unsigned thread_count = std::max(1U, job.threads);
    std::atomic<std::uint64_t> next_block{0};
    std::atomic<std::uint64_t> sessions_done{0};
    std::atomic<std::uint64_t> spins_done{0};
    std::mutex mutex;
    std::condition_variable_any finished;
    unsigned running = thread_count;  // threads still playing, under the mutex
    const auto work = [&] {
        if (job.on_thread_start) {
            job.on_thread_start();
        }
        for (std::uint64_t b = next_block++; b < blocks; b = next_block++) {
            const std::uint64_t end = std::min(job.sessions, (b + 1) * kBlock);
            for (std::uint64_t i = b * kBlock; i < end && !job.stop.stop_requested(); ++i) {
                SessionTrack track{run.points, std::span(run.net).subspan(i * points, points),
                                   std::span(block_staked).subspan(b * points, points)};
                run.results[i] = play_session(configured, job.rules, session_seed(job.seed, i),
                                              points == 0 ? nullptr : &track);
                spins_done += run.results[i].spins;
                ++sessions_done;
            }
            if (job.stop.stop_requested()) {
                break;
            }
        }
        {
            const std::lock_guard lock(mutex);
            --running;
        }
        finished.notify_all();
    };

    {
        std::vector<std::jthread> threads;
        for (unsigned t = 0; t < thread_count; ++t) {
            threads.emplace_back(work);
        }
        // Woken by the last thread to finish, or at once by a stop.
        std::unique_lock lock(mutex);
        for (;;) {
            if (progress) {
                lock.unlock();
                progress(sessions_done, spins_done);
                lock.lock();
            }
            if (finished.wait_for(lock, job.stop, std::chrono::milliseconds(50),
                                  [&] { return running == 0; }) ||
                job.stop.stop_requested()) {
                break;
            }
        }
    }  // the lock is let go of, then the threads are joined
    if (progress) {
        progress(sessions_done, spins_done);
    }
    if (sessions_done < job.sessions) {
        run.cancelled = true;
        return run;
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
