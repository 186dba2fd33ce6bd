// Random pointer events on the real window, with the options panel open and closed and
// stepper arrows held: nothing crashes, the engine's rules hold after every event, and a busy
// board is ready again once a spin's ticks have passed.
#include <QDir>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>
#include <random>

#include "tests/support/invariants.h"
#include "ui/main_window.h"
#include "ui/options_panel.h"

#ifndef CORVANE_MONKEY_EVENTS
#define CORVANE_MONKEY_EVENTS 100000
#endif

using corvane::MainWindow;

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void random_events_keep_the_engine_sound();
};

void MonkeyTest::random_events_keep_the_engine_sound() {
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    MainWindow w;
    qint64 now = 0;
    w.options_panel()->set_clock([&now] { return now; });
    std::mt19937 random(20261209);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

    // Dialogs answer at random: cancel, a valid file of each kind, a missing name, a folder.
    const QString folder = QDir::tempPath() + QStringLiteral("/corvane_monkey_%1").arg(getpid());
    QDir().mkpath(folder);
    const QStringList answers = {QString(), folder + "/game.kvn", folder + "/options.kvs",
                                 folder + "/missing.kvn", folder};
    int dialogs = 0;
    int messages = 0;
    w.ask_file = [&](bool, const QString&, const QString&) {
        ++dialogs;
        return answers[pick(answers.size())];
    };
    w.show_message = [&](const QString&) { ++messages; };
    w.open_url = [](const QUrl&) { return true; };
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QWidget* held = nullptr;  // a widget with a button down on it
    QPoint pointer;
    int spins = 0;
    for (int event = 0; event < CORVANE_MONKEY_EVENTS; ++event) {
        if (pick(2000) == 0) {
            w.set_options_open(!w.options_open());
        }
        // Half of the events stay where the pointer is, so a move that showed a hover picture
        // is often followed by a click on it, as a player's hand does.
        if (pick(2) == 0 || event == 0) {
            pointer = QPoint(pick(w.width()), pick(w.height()));
        }
        const QPoint at = pointer;
        QWidget* target = w.childAt(at);
        if (target == nullptr) {
            target = &w;
        }
        const QPoint local = target->mapFrom(&w, at);
        const int action = pick(100);
        if (held != nullptr && action < 20) {
            QTest::mouseRelease(held, Qt::LeftButton, {}, held->mapFrom(&w, at));
            held = nullptr;
        } else if (held == nullptr && action < 30) {
            QTest::mousePress(target, Qt::LeftButton, {}, local);
            held = target;
        } else if (held == nullptr && action < 45) {
            QTest::mouseClick(target, Qt::LeftButton, {}, local);
        } else if (held == nullptr && action < 48) {
            QTest::mouseDClick(target, Qt::LeftButton, {}, local);
            QTest::mouseRelease(target, Qt::LeftButton, {}, local);
        } else if (held == nullptr && action < 50) {
            QTest::mouseClick(target, Qt::RightButton, {}, local);
        } else {
            QTest::mouseMove(target, local);
        }
        // Time passes: held arrows repeat, the spin's animation runs on.
        now += pick(120);
        w.options_panel()->run_timers();
        for (int t = pick(30); t > 0; --t) {
            w.animation_tick();
        }
        const std::string broken = corvane::broken_invariant(w.engine());
        QVERIFY2(
            broken.empty(),
            qPrintable(
                QStringLiteral("event %1: %2").arg(event).arg(QString::fromStdString(broken))));
        if (w.engine().game().timer_running) {
            for (int t = 0; t < corvane::kAnimationTicks; ++t) {
                w.animation_tick();
            }
            QVERIFY2(w.engine().game().input_ready, "a busy board stayed busy");
            ++spins;
        }
    }
    if (held != nullptr) {
        QTest::mouseRelease(held, Qt::LeftButton);
    }
    QVERIFY(spins > 0);
    QVERIFY(dialogs > 0);
    QDir(folder).removeRecursively();
    qInfo("%d events, %d spins, %d dialogs, %d messages", CORVANE_MONKEY_EVENTS, spins, dialogs,
          messages);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
