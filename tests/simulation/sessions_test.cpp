#include "simulation/sessions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stop_token>
#include <string>
#include <vector>

#include "base/random_numbers.h"
#include "simulation/interval_stats.h"
#include "simulation/risk_report.h"
#include "simulation/session_chart.h"
#include "simulation/session_runner.h"
#include "simulation/summary.h"
#include "tests/support/scenes.h"
#include "tests/support/tool.h"

namespace corvane {
namespace {

// Red/Black alone with windows of three codes: a black, then three reds, make chain 1, and a
// bet of 1 on Black follows. Three more reds lose 1, 2 and 4 and leave a bet of 8 standing;
// the black after them wins 16.
//
//   spin  number  settled net  suggested  money made
//   1-3   2 1 3   0            -          0
//   4     5       0            1          -1
//   5     7       -1           2          -3
//   6     9       -3           4          -7
//   7     12      -7           8          -15
//   8     2       +1           -          +1
SessionResult hand_made(SessionRules rules) {
    const std::vector<int> numbers = {2, 1, 3, 5, 7, 9, 12, 2};
    std::size_t i = 0;
    return play_session(testing::red_black_with_windows_of_three(), rules,
                        [&] { return numbers[i++]; });
}

struct RuleCase {
    const char* name;
    SessionRules rules;
    SessionEnd end;
    std::uint64_t spins;
    double net;
    double staked;
};

TEST(Sessions, EachRuleEndsTheHandMadeSessionWhereItShould) {
    const auto rules = [](std::uint64_t spins, std::optional<double> bankroll,
                          std::optional<double> table_max, std::optional<double> stop_loss,
                          std::optional<double> target) {
        return SessionRules{{bankroll, table_max, stop_loss, target}, spins};
    };
    const std::vector<RuleCase> cases = {
        {"played out with the win", rules(8, {}, {}, {}, {}), SessionEnd::PlayedOut, 8, 1, 15},
        {"played out: the last bet is not made", rules(5, {}, {}, {}, {}), SessionEnd::PlayedOut, 5,
         -1, 1},
        {"stop loss at -7", rules(8, {}, {}, 5, {}), SessionEnd::StopLoss, 7, -7, 7},
        {"stop loss reached exactly", rules(8, {}, {}, 7, {}), SessionEnd::StopLoss, 7, -7, 7},
        {"stop loss never reached", rules(8, {}, {}, 8, {}), SessionEnd::PlayedOut, 8, 1, 15},
        {"target reached exactly", rules(8, {}, {}, {}, 1), SessionEnd::TargetReached, 8, 1, 15},
        {"table limit at a stake of 4", rules(8, {}, 3, {}, {}), SessionEnd::TableLimit, 6, -3, 3},
        {"table limit: a stake at the limit is made", rules(8, {}, 4, {}, {}),
         SessionEnd::TableLimit, 7, -7, 7},
        {"ruined: 8 to bet, 3 left", rules(8, 10, {}, {}, {}), SessionEnd::Ruined, 7, -7, 7},
        {"the last unit may be staked", rules(8, 15, {}, {}, {}), SessionEnd::PlayedOut, 8, 1, 15},
        // The order within a spin: stop loss before played out, played out before the table
        // limit, the table limit before ruin.
        {"stop loss before played out", rules(7, {}, {}, 5, {}), SessionEnd::StopLoss, 7, -7, 7},
        {"played out before the table limit", rules(6, {}, 3, {}, {}), SessionEnd::PlayedOut, 6, -3,
         3},
        {"table limit before ruin", rules(8, 5, 3, {}, {}), SessionEnd::TableLimit, 6, -3, 3},
    };
    for (const RuleCase& t : cases) {
        SCOPED_TRACE(t.name);
        const SessionResult r = hand_made(t.rules);
        EXPECT_EQ(r.end, t.end);
        EXPECT_EQ(r.spins, t.spins);
        EXPECT_EQ(r.net, t.net);
        EXPECT_EQ(r.staked, t.staked);
    }
}

TEST(Sessions, FiguresOfTheHandMadeSession) {
    const SessionResult r = hand_made(SessionRules{{}, 8});
    EXPECT_EQ(r.worst_drawdown, -15);  // all four stakes out, nothing back yet
    EXPECT_EQ(r.largest_stake, 8);
    EXPECT_EQ(r.longest_losing_run, 3);
}

// A won bet ends a run of losses: two lost, a win, one lost and a win make a longest run of 2,
// never 3, in a session, in the session log and in the backtest's summary.
//   number   2 1 3 5 | 7  9  2 | 4 6 | 8  3
//   bet               1  2  4    -   1   2
//   result               L  L  W       L  W
TEST(Sessions, AWinEndsTheLosingRun) {
    const std::vector<int> numbers = {2, 1, 3, 5, 7, 9, 2, 4, 6, 8, 3};
    std::size_t i = 0;
    SessionRules rules;
    rules.spins = numbers.size();
    const SessionResult r = play_session(testing::red_black_with_windows_of_three(), rules,
                                         [&] { return numbers[i++]; });
    EXPECT_EQ(r.end, SessionEnd::PlayedOut);
    EXPECT_EQ(r.longest_losing_run, 2);

    Engine e = testing::red_black_with_windows_of_three();
    SummaryRecorder recorder("game");
    for (int n : numbers) {
        recorder.spin(e, n);
    }
    EXPECT_EQ(e.game().log.longest_losing_run(Family::F12), 2);
    EXPECT_EQ(recorder.summary().categories[index_of(CategoryId::RB)].longest_losing_run, 2);
    EXPECT_EQ(recorder.summary().families[index_of(Family::F12)].longest_losing_run, 2);
}

// The table's maximum is a stake on one side or section: a bet of the dozens, 9 on each of two
// sections, is laid at a maximum of 9 although it costs 18; the next, 27 on each, is not.
//   number   13 1 2 3 | 4 | 5 | 6
//   stake             1   3   9   27 on each of D2 and D3
TEST(Sessions, TheTableMaximumReadsAStakeOnOneSection) {
    Engine dozens;
    for (CategoryId c : {CategoryId::RB, CategoryId::EO, CategoryId::LM, CategoryId::C}) {
        dozens.apply(SettingOp::Category_Off, c);
    }
    for (int k = 0; k < 5; ++k) {
        dozens.apply(SettingOp::CL23_Step, {}, -1);
    }
    const std::vector<int> numbers = {13, 1, 2, 3, 4, 5, 6, 7};
    std::size_t i = 0;
    SessionRules rules;
    rules.spins = numbers.size();
    rules.table_max = 9;
    const SessionResult r = play_session(dozens, rules, [&] { return numbers[i++]; });
    EXPECT_EQ(r.end, SessionEnd::TableLimit);
    EXPECT_EQ(r.spins, 7U);
    EXPECT_EQ(r.largest_stake, 9);
    EXPECT_EQ(r.staked, 2 + 6 + 18);
    EXPECT_EQ(r.net, -26);
}

// The worst drawdowns' percentiles, between the two nearest ranks, of five sessions.
TEST(Sessions, TheReportsDrawdownPercentiles) {
    SessionsJob job;
    job.sessions = 5;
    SessionsRun run;
    for (double d : {-30.0, -10.0, -50.0, -20.0, -40.0}) {
        SessionResult result;
        result.worst_drawdown = d;
        result.net = d / 2;
        run.results.push_back(result);
    }
    const RiskReport report = risk_report(run, job);
    // Percentiles 1, 5, 10, 25, 50, 75, 90, 95, 99 of -50 -40 -30 -20 -10.
    const std::array<double, kReportPercentiles.size()> expected = {-49.6, -48, -46, -40,  -30,
                                                                    -20,   -14, -12, -10.4};
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(report.drawdown_percentiles[k], expected[k], 1e-9) << kReportPercentiles[k];
        EXPECT_NEAR(report.net_percentiles[k], expected[k] / 2, 1e-9) << kReportPercentiles[k];
    }
}

// Where the chart looks at a session: at most its number of points spread over the session,
// rounded up, the last at the session's end, when the spins are no multiple of the points; and
// the expected loss follows the mean staked so far.
TEST(Sessions, TheChartsPointsAndItsExpectedLoss) {
    const Engine configured;
    SessionsJob job;
    job.sessions = 3;
    job.rules.spins = 250;
    job.chart_points = 100;
    const SessionsRun run = run_sessions(configured, job);
    ASSERT_EQ(run.points.size(), 100U);
    EXPECT_EQ(run.points.front(), 3U);  // 250 / 100, rounded up
    EXPECT_EQ(run.points[1], 5U);       // 500 / 100
    EXPECT_EQ(run.points[2], 8U);       // 750 / 100, rounded up
    EXPECT_EQ(run.points.back(), 250U);
    EXPECT_TRUE(std::is_sorted(run.points.begin(), run.points.end()));
    const SessionChart chart = session_chart(run, job, configured.settings(), std::nullopt);
    ASSERT_EQ(chart.expected.size(), 101U);
    EXPECT_EQ(chart.spins[1], 3);
    EXPECT_EQ(chart.expected[0], 0);
    for (std::size_t j = 0; j < run.points.size(); ++j) {
        EXPECT_DOUBLE_EQ(chart.expected[j + 1], kHouseEdge * run.mean_staked[j]) << j;
    }

    // A hand-made session seen at spins 2, 4 and 8: its money, the stakes out counted as spent,
    // and what it has staked so far.
    const std::vector<int> numbers = {2, 1, 3, 5, 7, 9, 12, 2};
    std::size_t i = 0;
    const std::vector<std::uint64_t> at = {2, 4, 8};
    std::vector<float> net(at.size());
    std::vector<double> staked(at.size());
    const SessionTrack track{at, net, staked};
    SessionRules rules;
    rules.spins = 8;
    play_session(
        testing::red_black_with_windows_of_three(), rules, [&] { return numbers[i++]; }, &track);
    EXPECT_EQ(net, (std::vector<float>{0, -1, 1}));
    EXPECT_EQ(staked, (std::vector<double>{0, 1, 15}));
    // Two sessions of it, one of them ended early: the mean staked is the mean of both.
    const SessionsJob two = [&] {
        SessionsJob j;
        j.sessions = 2;
        j.rules.spins = 40;
        j.chart_points = 4;
        return j;
    }();
    const SessionsRun pair = run_sessions(configured, two);
    ASSERT_EQ(pair.mean_staked.size(), 4U);
    EXPECT_TRUE(std::is_sorted(pair.mean_staked.begin(), pair.mean_staked.end()));
    EXPECT_DOUBLE_EQ(pair.mean_staked.back(),
                     (pair.results[0].staked + pair.results[1].staked) / 2);
}

// The histogram of the final nets spans them in 40 bins, the highest in the last; sessions that
// all end alike make one bin around their net.
TEST(Sessions, TheChartsHistogramSpansTheNets) {
    const auto chart_of = [](const std::vector<double>& nets) {
        SessionsJob job;
        job.sessions = nets.size();
        SessionsRun run;
        for (double net : nets) {
            SessionResult r;
            r.net = net;
            run.results.push_back(r);
        }
        return session_chart(run, job, Settings{}, std::nullopt);
    };
    const SessionChart spread = chart_of({-40, 0, 0, 40});
    ASSERT_EQ(spread.edges.size(), 41U);
    EXPECT_EQ(spread.edges.front(), -40);
    EXPECT_EQ(spread.edges[1], -38);
    EXPECT_EQ(spread.edges.back(), 40);
    std::vector<std::int64_t> counts(40, 0);
    counts[0] = 1;
    counts[20] = 2;
    counts[39] = 1;
    EXPECT_EQ(spread.counts, counts);

    const SessionChart alike = chart_of({5, 5, 5});
    EXPECT_EQ(alike.edges.front(), 4.5);
    EXPECT_EQ(alike.edges.back(), 5.5);
    counts.assign(40, 0);
    counts[20] = 3;
    EXPECT_EQ(alike.counts, counts);
}

// A number the board refuses is no spin of the summary.
TEST(Sessions, TheSummaryCountsOnlyTheSpinsTheBoardTakes) {
    Engine e;
    SummaryRecorder recorder("game");
    EXPECT_FALSE(recorder.spin(e, 37));
    EXPECT_TRUE(recorder.spin(e, 7));
    EXPECT_EQ(recorder.summary().spins, 1);
}

// The total of several games adds up their counts and takes the extremes of the others, every
// chain from the first to the last counted.
TEST(Sessions, TheTotalOfSeveralGamesAddsUpEveryFigure) {
    const auto game = [](std::int64_t k) {
        RunSummary r;
        r.spins = 10 * k;
        r.zeros = k;
        r.profit = -2.5 * static_cast<double>(k);
        r.worst_drawdown = -7.0 * static_cast<double>(k);
        r.mismatched_spins = k;
        for (BetFigures* f : {&r.categories[0], &r.categories[kCategoryCount - 1], &r.families[0],
                              &r.families[kFamilyCount - 1]}) {
            *f = BetFigures{k, 2 * k, 3 * k, 4 - k, 1.5 * static_cast<double>(k), 2.0, 5.0 - k};
        }
        for (auto& chains : r.chains) {
            chains[1] = k;
            chains[kChainCount] = 10 * k;
        }
        return r;
    };
    const RunSummary total = combine({game(1), game(3)}, "total");
    EXPECT_EQ(total.name, "total");
    EXPECT_EQ(total.spins, 40);
    EXPECT_EQ(total.zeros, 4);
    EXPECT_EQ(total.profit, -10);
    EXPECT_EQ(total.worst_drawdown, -21);
    EXPECT_EQ(total.mismatched_spins, 4);
    for (const BetFigures& f : {total.categories[0], total.categories[kCategoryCount - 1],
                                total.families[0], total.families[kFamilyCount - 1]}) {
        EXPECT_EQ(f.bets, 4);
        EXPECT_EQ(f.won, 8);
        EXPECT_EQ(f.lost, 12);
        EXPECT_EQ(f.longest_losing_run, 3);
        EXPECT_EQ(f.staked, 6);
        EXPECT_EQ(f.paid, 4);
        EXPECT_EQ(f.largest_stake, 4);
    }
    for (const auto& chains : total.chains) {
        EXPECT_EQ(chains[0], 0);
        EXPECT_EQ(chains[1], 4);
        EXPECT_EQ(chains[kChainCount], 40);
    }
}

TEST(Sessions, EachSessionHasItsOwnStream) {
    // Session i's seed is the i-th output of SplitMix64(seed), however the sessions are cut up.
    SplitMix64 outputs(42);
    for (std::uint64_t i = 0; i < 5; ++i) {
        EXPECT_EQ(session_seed(42, i), outputs.next()) << i;
    }
}

std::string report_json(unsigned threads, std::stop_token stop = {}) {
    Engine configured;
    SessionsJob job;
    job.sessions = 150;  // two full blocks and part of a third
    job.seed = 7;
    job.rules.spins = 300;
    job.rules.bankroll = 200;
    job.rules.target = 20;
    job.threads = threads;
    job.chart_points = 30;
    job.stop = std::move(stop);
    const SessionsRun run = run_sessions(configured, job);
    EXPECT_FALSE(run.cancelled);
    std::string out = risk_report_json(risk_report(run, job), configured.settings(), {});
    for (double s : run.mean_staked) {
        out += " " + std::to_string(s);
    }
    for (float n : run.net) {
        out += " " + std::to_string(n);
    }
    return out;
}

TEST(Sessions, TheReportIsTheSameForAnyNumberOfThreads) {
    const std::string one = report_json(1);
    EXPECT_EQ(report_json(2), one);
    EXPECT_EQ(report_json(3), one);
}

// A job far too long to finish while a test waits: 100,000 sessions of 1,000 spins.
SessionsJob long_job(std::stop_token stop) {
    SessionsJob job;
    job.sessions = 100000;
    job.seed = 3;
    job.rules.spins = 1000;
    job.threads = 2;
    job.stop = std::move(stop);
    return job;
}

TEST(SessionsStop, AStopAskedBeforeTheRunPlaysNothing) {
    std::stop_source source;
    source.request_stop();
    const SessionsJob job = long_job(source.get_token());
    std::uint64_t last_done = 1;
    const SessionsRun run =
        run_sessions(Engine(), job, [&](std::uint64_t done, std::uint64_t) { last_done = done; });
    EXPECT_TRUE(run.cancelled);
    EXPECT_EQ(last_done, 0U);
    ASSERT_EQ(run.results.size(), job.sessions);
    for (const SessionResult& r : run.results) {
        ASSERT_EQ(r.spins, 0U);
    }
}

TEST(SessionsStop, AStopDuringTheRunEndsItEarlyWithThePlayedSessionsRight) {
    std::stop_source source;
    const Engine configured;
    const SessionsJob job = long_job(source.get_token());
    std::uint64_t last_done = 0;
    int calls = 0;
    // The first call comes at the start; a later one, once some sessions are done, asks for
    // the stop.
    const SessionsRun run =
        run_sessions(configured, job, [&](std::uint64_t done, std::uint64_t spins) {
            ++calls;
            last_done = done;
            if (done > 0) {
                EXPECT_GE(spins, done);
                source.request_stop();
            }
        });
    EXPECT_TRUE(run.cancelled);
    EXPECT_GT(last_done, 0U);
    EXPECT_LT(last_done, job.sessions / 10);  // each thread ends after the session it plays
    EXPECT_GE(calls, 2);
    // The sessions played are those a whole run plays; the others were left as they were.
    std::uint64_t played = 0;
    for (std::uint64_t i = 0; i < job.sessions; ++i) {
        const SessionResult& r = run.results[i];
        if (r.spins == 0) {
            continue;
        }
        ++played;
        if (played % 7 == 1) {
            const SessionResult whole =
                play_session(configured, job.rules, session_seed(job.seed, i));
            EXPECT_EQ(r.spins, whole.spins) << i;
            EXPECT_EQ(r.net, whole.net) << i;
            EXPECT_EQ(r.end, whole.end) << i;
        }
    }
    EXPECT_EQ(played, last_done);
}

TEST(SessionsStop, AStopNeverAskedChangesNothing) {
    std::stop_source source;
    EXPECT_EQ(report_json(2, source.get_token()), report_json(1));
}

TEST(Sessions, AFlatSystemLosesTheHouseEdgeWithinItsInterval) {
    Engine configured;
    for (int i = 0; i < 4; ++i) {
        configured.apply(SettingOp::BS12_Step, {}, +1);
        configured.apply(SettingOp::BS23_Step, {}, +1);
    }
    ASSERT_EQ(configured.settings().betting_system12(), "FLAT");
    ASSERT_EQ(configured.settings().betting_system23(), "FLAT");
    SessionsJob job;
    job.sessions = 2000;
    job.threads = 2;
    const RiskReport report = risk_report(run_sessions(configured, job), job);
    ASSERT_TRUE(report.net_per_staked && report.net_per_staked->ci95);
    const Interval ci = *report.net_per_staked->ci95;
    EXPECT_LT(ci.low, kHouseEdge);
    EXPECT_GT(ci.high, kHouseEdge);
    EXPECT_LT(ci.high - ci.low, 0.02);  // narrow enough to tell a real edge from none
    EXPECT_EQ(report.outcomes[static_cast<std::size_t>(SessionEnd::PlayedOut)].count, 2000);
}

TEST(Sessions, TheToolReportsOnStandardOutputAndItsTimingOnStandardError) {
    const testing::ToolRun run = testing::run_tool("--sessions 40 --spins 50 --target 5 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 1U);
    const testing::Json report = run.trace(0);
    EXPECT_EQ(report["sessions"].number, 40);
    EXPECT_EQ(report["target"].number, 5);
    EXPECT_TRUE(report["bankroll"].is_null());
    double counted = 0;
    for (const char* end : {"target_reached", "stop_loss", "ruined", "table_limit", "played_out"}) {
        counted += report["outcomes"][end]["count"].number;
    }
    EXPECT_EQ(counted, 40);
    EXPECT_EQ(report["house_edge"].number, -1.0 / 37.0);
    EXPECT_NE(run.err.find("40 sessions"), std::string::npos);
    EXPECT_EQ(run.lines[0].find("threads"), std::string::npos);

    const testing::ToolRun bad = testing::run_tool("--sessions 0");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("--sessions needs a whole number of sessions from 1"),
              std::string::npos);
    EXPECT_TRUE(bad.lines.empty());
}

TEST(IntervalStats, WilsonScoreIntervals) {
    // Reference values of the Wilson score interval at 95 %.
    const Interval none = wilson_interval(0, 10);
    EXPECT_EQ(none.low, 0.0);
    EXPECT_NEAR(none.high, 0.27753, 1e-5);
    const Interval half = wilson_interval(5, 10);
    EXPECT_NEAR(half.low, 0.23659, 1e-5);
    EXPECT_NEAR(half.high, 0.76341, 1e-5);
    const Interval all = wilson_interval(10, 10);
    EXPECT_NEAR(all.low, 0.72247, 1e-5);
    EXPECT_EQ(all.high, 1.0);
}

TEST(IntervalStats, MeansRatiosAndPercentiles) {
    const std::vector<double> values = {1, 2, 3, 4};
    const MeanEstimate m = mean_estimate(values);
    EXPECT_EQ(m.mean, 2.5);
    ASSERT_TRUE(m.ci95);
    // Standard deviation sqrt(5/3), standard error sqrt(5/3)/2.
    EXPECT_NEAR(m.ci95->high - m.mean, kZ95 * 0.645497, 1e-5);
    EXPECT_FALSE(mean_estimate(std::vector<double>{7}).ci95);

    // Nets that are exactly a tenth of the stakes have a ratio with no spread at all.
    const std::vector<double> staked = {10, 20, 30};
    const std::vector<double> net = {1, 2, 3};
    const std::optional<RatioEstimate> r = ratio_estimate(net, staked);
    ASSERT_TRUE(r && r->ci95);
    EXPECT_NEAR(r->value, 0.1, 1e-15);
    EXPECT_NEAR(r->ci95->low, 0.1, 1e-12);
    EXPECT_NEAR(r->ci95->high, 0.1, 1e-12);
    EXPECT_FALSE(ratio_estimate(net, std::vector<double>{0, 0, 0}));

    const std::vector<double> sorted = {10, 20, 30, 40, 50};
    EXPECT_EQ(percentile(sorted, 0), 10);
    EXPECT_EQ(percentile(sorted, 50), 30);
    EXPECT_EQ(percentile(sorted, 90), 46);  // between ranks 3 and 4
    EXPECT_EQ(percentile(sorted, 100), 50);
}

}  // namespace
}  // namespace corvane
