// The press-and-hold scheduler on a hand-moved clock: the order of ticks, a timer started by
// a tick, stops. (The options panel's tests hold an arrow on the event loop's own clock.)
#include <QTest>
#include <utility>
#include <vector>

#include "ui/repeat_scheduler.h"

using corvane::RepeatScheduler;

namespace {

using Ticks = std::vector<std::pair<int, qint64>>;  // timer, and the scheduler's time then

// A scheduler on a clock the test moves, recording every tick it delivers.
struct Recorder {
    qint64 now = 0;
    Ticks ticks;
    std::function<void(int)> also;  // what a tick does beyond being recorded
    RepeatScheduler scheduler;

    explicit Recorder(std::vector<int> intervals)
        : scheduler(std::move(intervals), [this](int id) {
              ticks.emplace_back(id, scheduler.now());
              if (also) {
                  also(id);
              }
          }) {
        scheduler.set_clock([this] { return now; });
    }
    void run_to(qint64 t) {
        now = t;
        scheduler.run();
    }
};

}  // namespace

class RepeatSchedulerTest : public QObject {
    Q_OBJECT

  private slots:
    void ticks_come_in_time_order_ties_in_arming_order() {
        Recorder r({30, 20});
        r.scheduler.start(0);
        r.scheduler.start(1);
        r.run_to(59);
        QCOMPARE(r.ticks, (Ticks{{1, 20}, {0, 30}, {1, 40}}));
        r.run_to(60);  // due together: timer 0 was re-armed first, at 30
        QCOMPARE(r.ticks, (Ticks{{1, 20}, {0, 30}, {1, 40}, {0, 60}, {1, 60}}));

        Recorder tie({50, 50});
        tie.scheduler.start(1);
        tie.scheduler.start(0);
        tie.run_to(50);
        QCOMPARE(tie.ticks, (Ticks{{1, 50}, {0, 50}}));
    }

    void a_tick_starts_timers_from_its_own_time() {
        Recorder r({100, 30});
        // Each tick of timer 0 starts timer 1; from the second on, timer 1 runs already and
        // goes on unchanged.
        r.also = [&r](int id) {
            if (id == 0) {
                r.scheduler.start(1);
            }
        };
        r.scheduler.start(0);
        r.run_to(250);  // delivered late, in one go
        QCOMPARE(r.ticks,
                 (Ticks{{0, 100}, {1, 130}, {1, 160}, {1, 190}, {0, 200}, {1, 220}, {1, 250}}));
    }

    void stopped_timers_tick_no_more() {
        Recorder r({10, 20});
        r.scheduler.start(0);
        r.scheduler.start(1);
        r.run_to(10);
        r.scheduler.stop(0);
        QVERIFY(!r.scheduler.running(0));
        QVERIFY(r.scheduler.any_running());
        r.run_to(40);
        QCOMPARE(r.ticks, (Ticks{{0, 10}, {1, 20}, {1, 40}}));
        r.scheduler.stop(1);
        QVERIFY(!r.scheduler.any_running());
        r.run_to(1000);
        QCOMPARE(r.ticks.size(), std::size_t{3});
    }
};

QTEST_GUILESS_MAIN(RepeatSchedulerTest)
#include "repeat_scheduler_test.moc"
