// The "What to expect" window: Ctrl+E and the menu open it beside the main window with its
// defaults; its figures, its text and its chart are those of corvane-backtest --sessions with
// the same settings file, plan and seed; Cancel and closing the window stop the run and its
// threads are joined; a result goes out of date when an option or the plan changes, and a run
// under way starts again with the new inputs; the chart is painted at the screen's pixels.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

#include "chart/chart_style.h"
#include "chart/chart_writer.h"
#include "settings/settings_file.h"
#include "simulation/risk_report.h"
#include "simulation/session_runner.h"
#include "tests/support/window.h"
#include "ui/chart_view.h"
#include "ui/expect_window.h"
#include "ui/main_window.h"
#include "ui/window_place.h"

using corvane::ExpectWindow;
using corvane::MainWindow;
using corvane::testing::element;

namespace {

// The plan every comparison plays: each of its four rules can end a session.
corvane::MoneyPlan test_plan() {
    corvane::MoneyPlan plan;
    plan.bankroll = 300;
    plan.table_max = 100;
    plan.stop_loss = 150;
    plan.target = 40;
    return plan;
}

}  // namespace

class ExpectWindowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString settings_;  // a settings file far from the defaults

    QString path(const QString& name) const { return dir_.filePath(name); }

    static ExpectWindow* open(MainWindow& w) {
        QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);
        return w.findChild<ExpectWindow*>(QStringLiteral("ExpectWindow"));
    }
    template <typename T>
    static T* part(ExpectWindow* x, const QString& name) {
        T* p = x->findChild<T*>(name);
        if (p == nullptr) {
            qWarning("no part %s", qPrintable(name));
        }
        return p;
    }
    static QString label(ExpectWindow* x, const QString& name) {
        auto* l = x->findChild<QLabel*>(name);
        return l == nullptr ? QStringLiteral("(no label %1)").arg(name) : l->text();
    }
    static void set_fields(ExpectWindow* x, int spins, int sessions, const QString& seed) {
        part<QSpinBox>(x, QStringLiteral("Expect_Spins"))->setValue(spins);
        part<QSpinBox>(x, QStringLiteral("Expect_Sessions"))->setValue(sessions);
        part<QLineEdit>(x, QStringLiteral("Expect_Seed"))->setText(seed);
    }
    static void click(ExpectWindow* x, const QString& name) {
        QTest::mouseClick(part<QPushButton>(x, name), Qt::LeftButton);
    }
    // Waits for the run under way to end and its threads to be joined.
    static bool finish(ExpectWindow* x) {
        return QTest::qWaitFor([x] { return !x->running() && x->runner().runs_alive() == 0; },
                               300000);
    }
    // A window with the test's settings file loaded and its plan, shown.
    void prepare(MainWindow& w) {
        w.open_file(settings_);
        w.engine().set_plan(test_plan());
        w.refresh();
        w.show();
    }
    // Ready to run: the sessions far too many to finish while the test waits.
    static ExpectWindow* open_long(MainWindow& w) {
        ExpectWindow* x = open(w);
        set_fields(x, 1000, ExpectWindow::kMaxSessions, QStringLiteral("3"));
        return x;
    }

  private slots:
    void initTestCase();
    void opens_beside_the_window_with_its_defaults();
    void figures_text_and_chart_are_the_tools();
    void copy_as_text_and_save_chart();
    void cancel_stops_the_run_and_joins_its_threads();
    void closing_stops_the_run_and_a_running_window_can_go();
    void a_result_goes_out_of_date_when_the_options_or_the_plan_change();
    void a_run_starts_again_when_the_inputs_change_during_it();
    void the_chart_is_painted_at_the_screens_pixels();
};

void ExpectWindowTest::initTestCase() {
    // Nothing the window or its dialogs keep reaches the player's own configuration.
    QStandardPaths::setTestModeEnabled(true);
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    QVERIFY(dir_.isValid());
    // 1/2 on 3x Bet with chains of 7, Low/High off, Reset On ZERO on, starting bet 2.
    corvane::Engine e;
    using corvane::SettingOp;
    e.apply(SettingOp::BS12_Step, {}, +1);
    e.apply(SettingOp::CL12_Step, {}, -3);
    e.apply(SettingOp::Category_Off, corvane::CategoryId::LM);
    e.apply(SettingOp::ResetOnZero_On);
    e.apply(SettingOp::StartingBet_Step, {}, +2);
    settings_ = path(QStringLiteral("evening.kvs"));
    QVERIFY(!e.save_settings(settings_.toStdString()));
    QVERIFY(e.settings().betting_system12() == "3x Bet");
}

void ExpectWindowTest::opens_beside_the_window_with_its_defaults() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.findChild<QWidget*>(QStringLiteral("ExpectWindow")) == nullptr);
    ExpectWindow* x = open(w);
    QVERIFY(x != nullptr && x->isVisible() && x->isWindow());
    QVERIFY(x->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(x->windowTitle(), QStringLiteral("What to expect"));
    QCOMPARE(x->pos(), corvane::place_beside(w.frameGeometry(), x->frameGeometry().size(),
                                             w.screen()->availableGeometry()));
    QCOMPARE(part<QSpinBox>(x, QStringLiteral("Expect_Spins"))->value(), 300);
    QCOMPARE(part<QSpinBox>(x, QStringLiteral("Expect_Sessions"))->value(), 10000);
    QCOMPARE(part<QLineEdit>(x, QStringLiteral("Expect_Seed"))->text(), QStringLiteral("1"));
    // No plan yet: its four parts say so; the options are described as the tool does.
    QCOMPARE(label(x, QStringLiteral("Expect_Plan_Bankroll")), QStringLiteral("bankroll none"));
    QCOMPARE(label(x, QStringLiteral("Expect_Plan_Target")), QStringLiteral("target none"));
    QVERIFY(label(x, QStringLiteral("Expect_Settings"))
                .startsWith(QStringLiteral("categories RB EO LM D C; 1/2: Martingale")));
    QVERIFY(!part<QWidget>(x, QStringLiteral("Expect_OutOfDate"))->isVisible());
    QVERIFY(!part<QPushButton>(x, QStringLiteral("Expect_SaveChart"))->isEnabled());
    QVERIFY(!part<QPushButton>(x, QStringLiteral("Expect_Cancel"))->isEnabled());
    // The plan and the options follow the main window.
    w.engine().set_plan(test_plan());
    w.refresh();
    QCOMPARE(label(x, QStringLiteral("Expect_Plan_Bankroll")), QStringLiteral("bankroll 300"));
    QCOMPARE(label(x, QStringLiteral("Expect_Plan_TableMax")), QStringLiteral("table max 100"));
    QCOMPARE(label(x, QStringLiteral("Expect_Plan_StopLoss")), QStringLiteral("stop loss -150"));
    QCOMPARE(label(x, QStringLiteral("Expect_Plan_Target")), QStringLiteral("target +40"));
    // A seed that is no number of 64 bits cannot be run.
    part<QLineEdit>(x, QStringLiteral("Expect_Seed"))
        ->setText(QStringLiteral("18446744073709551616"));
    QVERIFY(!x->inputs());
    QVERIFY(!part<QPushButton>(x, QStringLiteral("Expect_Run"))->isEnabled());
    part<QLineEdit>(x, QStringLiteral("Expect_Seed"))
        ->setText(QStringLiteral("18446744073709551615"));
    QCOMPARE(x->inputs()->seed, 18446744073709551615ULL);

    // Closed and opened again from the menu: the same window, where it was.
    const QPoint at = x->pos();
    x->close();
    QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, QPoint(300, 20));
    auto* menu = w.findChild<QMenu*>(QStringLiteral("ContextMenu"));
    QVERIFY(menu != nullptr);
    QAction* entry = nullptr;
    for (QAction* a : menu->actions()) {
        entry = a->text() == QStringLiteral("What to expect\u2026") ? a : entry;
    }
    QVERIFY(entry != nullptr);
    QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    QCOMPARE(w.findChildren<QWidget*>(QStringLiteral("ExpectWindow")).size(), 1);
    QVERIFY(x->isVisible());
    QCOMPARE(x->pos(), at);
    // The plan dialog's way in.
    x->close();
    w.open_expectations();
    QVERIFY(x->isVisible());
}

void ExpectWindowTest::figures_text_and_chart_are_the_tools() {
    MainWindow w;
    prepare(w);
    ExpectWindow* x = open(w);
    set_fields(x, 200, 300, QStringLiteral("5"));
    click(x, QStringLiteral("Expect_Run"));
    QVERIFY(x->running());
    QVERIFY(!part<QSpinBox>(x, QStringLiteral("Expect_Spins"))->isEnabled());
    QVERIFY(finish(x));
    const corvane::ExpectResult* result = x->result();
    QVERIFY(result != nullptr);

    const QString chart = path(QStringLiteral("tool.png"));
    QProcess tool;
    tool.start(QStringLiteral(CORVANE_BACKTEST),
               {QStringLiteral("--settings"), settings_, QStringLiteral("--sessions"),
                QStringLiteral("300"), QStringLiteral("--spins"), QStringLiteral("200"),
                QStringLiteral("--seed"), QStringLiteral("5"), QStringLiteral("--bankroll"),
                QStringLiteral("300"), QStringLiteral("--table-max"), QStringLiteral("100"),
                QStringLiteral("--stop-loss"), QStringLiteral("150"), QStringLiteral("--target"),
                QStringLiteral("40"), QStringLiteral("--chart"), chart});
    QVERIFY(tool.waitForFinished(120000));
    QCOMPARE(tool.exitCode(), 0);
    const QString out = QString::fromUtf8(tool.readAllStandardOutput());

    // The whole report, but for the first line, which names the settings file: the window's
    // options have none.
    const QString text = QString::fromStdString(result->text);
    QCOMPARE(text.section(QLatin1Char('\n'), 0, 0), QStringLiteral("settings: current options"));
    QCOMPARE(text.section(QLatin1Char('\n'), 1), out.section(QLatin1Char('\n'), 1));
    // Every session ended by some rule: the comparison says something about each.
    int ends_seen = 0;
    for (const corvane::OutcomeShare& o : result->report.outcomes) {
        ends_seen += o.count > 0 ? 1 : 0;
    }
    QVERIFY(ends_seen >= 3);

    // The figures on show stand in the tool's lines, each line by its words.
    const QStringList lines = out.split(QLatin1Char('\n'));
    const auto line = [&](const QString& words) {
        for (const QString& l : lines) {
            if (l.startsWith(words + QLatin1Char(' '))) {
                return l.simplified();
            }
        }
        return QStringLiteral("(no line %1)").arg(words);
    };
    const std::array<const char*, corvane::kSessionEndCount> words = {
        "target reached", "stop loss", "ruined", "table limit", "played out"};
    for (std::size_t e = 0; e < words.size(); ++e) {
        const QString key = QLatin1String(corvane::kSessionEndNames[e].data());
        QCOMPARE(line(QLatin1String(words[e])),
                 QStringLiteral("%1 %2 %3 %4")
                     .arg(QLatin1String(words[e]),
                          label(x, QStringLiteral("Expect_End_%1_Count").arg(key)),
                          label(x, QStringLiteral("Expect_End_%1_Share").arg(key)),
                          label(x, QStringLiteral("Expect_End_%1_Interval").arg(key))));
    }
    QCOMPARE(line(QStringLiteral("mean net")),
             QStringLiteral("mean net %1 %2")
                 .arg(label(x, QStringLiteral("Expect_MeanNet")),
                      label(x, QStringLiteral("Expect_MeanNetInterval"))));
    QCOMPARE(line(QStringLiteral("net per staked unit")),
             QStringLiteral("net per staked unit %1 %2")
                 .arg(label(x, QStringLiteral("Expect_NetPerStaked")),
                      label(x, QStringLiteral("Expect_NetPerStakedInterval"))));
    QCOMPARE(line(QStringLiteral("house edge")),
             QStringLiteral("house edge ") + label(x, QStringLiteral("Expect_HouseEdge")));
    QCOMPARE(line(QStringLiteral("mean spins played")),
             QStringLiteral("mean spins played ") + label(x, QStringLiteral("Expect_MeanSpins")));
    QCOMPARE(line(QStringLiteral("largest stake (any session)")),
             QStringLiteral("largest stake (any session) ") +
                 label(x, QStringLiteral("Expect_LargestStake")));

    // The chart: the same picture but for its title, which names the settings.
    const QImage theirs(chart);
    QVERIFY(!theirs.isNull());
    const QImage ours = [&] {
        QImage image(corvane::chart_style::kWidth, corvane::chart_style::kHeight,
                     QImage::Format_RGB32);
        QPainter p(&image);
        corvane::paint_chart(p, result->chart);
        return image;
    }();
    QCOMPARE(ours.size(), theirs.size());
    const int below_title = 33;
    QCOMPARE(ours.copy(0, below_title, ours.width(), ours.height() - below_title),
             theirs.convertToFormat(QImage::Format_RGB32)
                 .copy(0, below_title, ours.width(), ours.height() - below_title));
    QVERIFY(ours != theirs.convertToFormat(QImage::Format_RGB32));
}

void ExpectWindowTest::copy_as_text_and_save_chart() {
    MainWindow w;
    prepare(w);
    QStringList asked;
    QString answer;
    w.ask_file = [&](bool save, const QString& filter, const QString& suffix) {
        asked << QStringLiteral("%1 %2 %3").arg(int(save)).arg(filter, suffix);
        return answer;
    };
    QStringList messages;
    w.show_message = [&](const QString& text) { messages << text; };
    ExpectWindow* x = open(w);
    set_fields(x, 50, 64, QStringLiteral("2"));
    x->run();
    QVERIFY(finish(x));
    QVERIFY(x->result() != nullptr);

    QGuiApplication::clipboard()->clear();
    click(x, QStringLiteral("Expect_CopyText"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(x->result()->text));
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("64 sessions")));

    // Cancelled in the dialog: nothing written, nothing said.
    click(x, QStringLiteral("Expect_SaveChart"));
    QCOMPARE(asked, QStringList{QStringLiteral("1 Charts (*.svg *.png) svg")});
    QVERIFY(messages.isEmpty());
    // SVG and PNG by the name's ending.
    answer = path(QStringLiteral("evening.svg"));
    click(x, QStringLiteral("Expect_SaveChart"));
    QFile svg(answer);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<svg"));
    answer = path(QStringLiteral("evening.PNG"));
    click(x, QStringLiteral("Expect_SaveChart"));
    QCOMPARE(QImage(answer).size(),
             QSize(corvane::chart_style::kWidth, corvane::chart_style::kHeight));
    QVERIFY(messages.isEmpty());
    // Another ending, or a place that cannot be written, is refused with the usual message.
    answer = path(QStringLiteral("evening.jpg"));
    click(x, QStringLiteral("Expect_SaveChart"));
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].startsWith(QStringLiteral("Cannot create file ") + answer));
    QVERIFY(!QFile::exists(answer));
    answer = path(QStringLiteral("no-such-folder/evening.svg"));
    click(x, QStringLiteral("Expect_SaveChart"));
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[1], QStringLiteral("Cannot create file ") + answer);
}

void ExpectWindowTest::cancel_stops_the_run_and_joins_its_threads() {
    MainWindow w;
    prepare(w);
    ExpectWindow* x = open_long(w);
    click(x, QStringLiteral("Expect_Run"));
    QVERIFY(x->running());
    QVERIFY(part<QPushButton>(x, QStringLiteral("Expect_Cancel"))->isEnabled());
    QVERIFY(!part<QPushButton>(x, QStringLiteral("Expect_Run"))->isEnabled());
    auto* progress = part<QProgressBar>(x, QStringLiteral("Expect_Progress"));
    QVERIFY(QTest::qWaitFor([&] { return progress->value() > 0; }, 60000));
    click(x, QStringLiteral("Expect_Cancel"));
    // Stopped at once for the window; its threads end after the sessions they play.
    QVERIFY(!x->running());
    QCOMPARE(label(x, QStringLiteral("Expect_Status")), QStringLiteral("Cancelled."));
    QVERIFY(part<QSpinBox>(x, QStringLiteral("Expect_Spins"))->isEnabled());
    QVERIFY(part<QPushButton>(x, QStringLiteral("Expect_Run"))->isEnabled());
    QVERIFY(QTest::qWaitFor([&] { return x->runner().runs_alive() == 0; }, 10000));
    QVERIFY(x->result() == nullptr);
    QVERIFY(progress->value() < ExpectWindow::kMaxSessions);
    // The progress the stopped run still sent is dropped.
    const int stopped_at = progress->value();
    QTest::qWait(120);
    QCOMPARE(progress->value(), stopped_at);
    QVERIFY(!part<QWidget>(x, QStringLiteral("Expect_OutOfDate"))->isVisible());
}

void ExpectWindowTest::closing_stops_the_run_and_a_running_window_can_go() {
    {
        MainWindow w;
        prepare(w);
        ExpectWindow* x = open_long(w);
        x->run();
        QTest::qWait(60);
        x->close();
        QVERIFY(!x->running());
        QVERIFY(!x->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return x->runner().runs_alive() == 0; }, 10000));
        QVERIFY(x->result() == nullptr);
    }
    // Destroyed while it plays, with the main window: the threads are stopped and joined.
    {
        MainWindow w;
        prepare(w);
        ExpectWindow* x = open_long(w);
        x->run();
        QTest::qWait(60);
        QVERIFY(x->running());
    }
    // A run started and destroyed at once, before its threads have begun.
    {
        MainWindow w;
        prepare(w);
        open_long(w)->run();
    }
}

void ExpectWindowTest::a_result_goes_out_of_date_when_the_options_or_the_plan_change() {
    MainWindow w;
    w.set_options_open(true);
    prepare(w);
    ExpectWindow* x = open(w);
    set_fields(x, 60, 64, QStringLiteral("9"));
    auto* stale = part<QWidget>(x, QStringLiteral("Expect_OutOfDate"));
    x->run();
    QVERIFY(finish(x));
    QVERIFY(x->result() != nullptr);
    QVERIFY(!stale->isVisible());
    QVERIFY(!x->out_of_date());

    // A spin changes neither the options nor the plan.
    corvane::testing::click_spin(w, 17);
    QVERIFY(!x->out_of_date());

    // An option clicked on the panel.
    QWidget* box = element(w, QStringLiteral("ChBx_ResetOnZero_Checked"));
    QVERIFY(box != nullptr && box->isVisible());
    QTest::mouseMove(box, QPoint(8, 8));
    QWidget* top = w.childAt(box->geometry().center());
    QTest::mousePress(top, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(top, Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(!w.engine().settings().reset_on_zero);
    QVERIFY(x->out_of_date());
    QVERIFY(stale->isVisible());
    QVERIFY(part<QPushButton>(x, QStringLiteral("Expect_RunAgain"))->isVisible());
    // The settings file loaded again brings the options back: the result is current again.
    w.open_file(settings_);
    QVERIFY(!x->out_of_date());
    QVERIFY(!stale->isVisible());

    // The plan.
    corvane::MoneyPlan plan = test_plan();
    plan.target = 60;
    w.engine().set_plan(plan);
    w.refresh();
    QVERIFY(stale->isVisible());
    QCOMPARE(label(x, QStringLiteral("Expect_Plan_Target")), QStringLiteral("target +60"));
    // Run again plays the new plan, and the result is current.
    click(x, QStringLiteral("Expect_RunAgain"));
    QVERIFY(x->running());
    QVERIFY(finish(x));
    QVERIFY(!stale->isVisible());
    QCOMPARE(x->result()->inputs.plan, plan);
    QCOMPARE(x->result()->report.rules.target, std::optional<double>(60));

    // The default options (the SETTINGS button's action) and the window's own fields.
    w.engine().default_settings();
    w.refresh();
    QVERIFY(stale->isVisible());
    w.open_file(settings_);
    QVERIFY(!stale->isVisible());
    part<QLineEdit>(x, QStringLiteral("Expect_Seed"))->setText(QStringLiteral("10"));
    QVERIFY(stale->isVisible());
}

void ExpectWindowTest::a_run_starts_again_when_the_inputs_change_during_it() {
    MainWindow w;
    prepare(w);
    // Runs far too long to finish while the test goes on, until the last.
    ExpectWindow* x = open_long(w);
    x->run();
    QCOMPARE(x->runner().started(), std::uint64_t{1});
    // A spin during the run changes no input: the run goes on.
    corvane::testing::click_spin(w, 8);
    QCOMPARE(x->runner().started(), std::uint64_t{1});
    QVERIFY(x->running());
    // The plan changes: the run is stopped and started again with it.
    corvane::MoneyPlan plan = test_plan();
    plan.stop_loss = 80;
    w.engine().set_plan(plan);
    w.refresh();
    QCOMPARE(x->runner().started(), std::uint64_t{2});
    QVERIFY(x->running());
    QCOMPARE(x->runner().inputs().plan, plan);
    // The fields, which the player cannot change during a run, are read again with the options:
    // an option changes, and the run that follows is a short one.
    part<QSpinBox>(x, QStringLiteral("Expect_Sessions"))->setValue(300);
    QCOMPARE(x->runner().started(), std::uint64_t{2});
    w.engine().apply(corvane::SettingOp::CL23_Step, {}, +1);
    w.refresh();
    QCOMPARE(x->runner().started(), std::uint64_t{3});
    QVERIFY(finish(x));
    QVERIFY(!x->out_of_date());
    const corvane::ExpectResult* result = x->result();
    QVERIFY(result != nullptr);
    QCOMPARE(result->inputs, *x->inputs());

    // The figures are those of the last inputs, played here on one thread.
    corvane::Engine configured;
    QVERIFY(!configured.load_settings_from(result->inputs.settings_file));
    const corvane::SessionsJob job = corvane::expect_job(result->inputs, 1);
    const corvane::SessionsRun run = corvane::run_sessions(configured, job);
    const std::optional<std::string> name(corvane::kWindowOptionsName);
    QCOMPARE(result->text, corvane::risk_report_text(corvane::risk_report(run, job),
                                                     configured.settings(), name));
    QVERIFY(result->text.find("stop loss -80") != std::string::npos);
}

void ExpectWindowTest::the_chart_is_painted_at_the_screens_pixels() {
    // A chart of a few sessions, as the window shows it.
    corvane::Engine configured;
    corvane::ExpectInputs in;
    in.settings_file = corvane::settings_file_text(configured.settings_text());
    in.sessions = 200;
    in.spins = 100;
    const corvane::SessionsJob job = corvane::expect_job(in, 2);
    auto chart = std::make_shared<const corvane::SessionChart>(corvane::session_chart(
        corvane::run_sessions(configured, job), job, configured.settings(), std::nullopt));
    QImage full(corvane::chart_style::kWidth, corvane::chart_style::kHeight, QImage::Format_RGB32);
    {
        QPainter p(&full);
        corvane::paint_chart(p, *chart);
    }

    corvane::ChartView view(nullptr);
    view.set_chart(chart);
    // Half the chart's size in a wider widget: it stands centred, its proportions kept.
    view.resize(corvane::chart_style::kWidth / 2 + 100, corvane::chart_style::kHeight / 2);
    QCOMPARE(view.chart_rect(), QRect(50, 0, 500, 350));
    for (qreal ratio : {1.0, 2.0}) {
        QImage image(view.size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        view.render(&image);
        QImage drawn = image.copy(static_cast<int>(50 * ratio), 0, static_cast<int>(500 * ratio),
                                  static_cast<int>(350 * ratio));
        drawn.setDevicePixelRatio(1);
        if (ratio == 2.0) {
            // Every physical pixel painted: at ratio 2 the picture is the full-size chart.
            QCOMPARE(drawn, full);
        } else {
            // At ratio 1 it is painted at half the size, not a copy of the larger picture.
            QCOMPARE(drawn.size(), QSize(500, 350));
            QCOMPARE(drawn.pixelColor(250, 5), corvane::chart_style::kBackground);
        }
        // Beside the chart, the window's background.
        QCOMPARE(image.pixelColor(QPoint(10, 10) * ratio), view.palette().color(QPalette::Window));
    }
}

QTEST_MAIN(ExpectWindowTest)
#include "expect_window_test.moc"
