// Drives the real window through a few scripted situations and writes a PNG of each:
//   corvane_screenshots OUTDIR [RATIO]
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QToolTip>

#include "base/random_numbers.h"
#include "engine/money_plan.h"
#include "ui/expect_window.h"
#include "ui/main_window.h"

namespace {

using corvane::MainWindow;

void save(QWidget& w, const QString& dir, const QString& name) {
    QApplication::processEvents();
    w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void spin(MainWindow& w, int n) {
    auto* hover = w.findChild<QWidget*>(QStringLiteral("UI_Button_Hover_%1").arg(n));
    auto* normal = w.findChild<QWidget*>(QStringLiteral("UI_Button_%1").arg(n));
    QTest::mouseMove(normal, QPoint(10, 10));
    w.show_hover(static_cast<corvane::Picture*>(hover));
    QTest::mouseClick(hover, Qt::LeftButton);
    w.engine().finish_spin();
    w.refresh();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        qputenv("QT_SCALE_FACTOR", argv[2]);
    }
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    MainWindow window;
    window.show();
    save(window, dir, QStringLiteral("start"));

    // A black, then ten reds: Red/Black matches its first chain and bets Black; the dozens and
    // the columns find chains of their own on the way.
    for (int n : {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30}) {
        spin(window, n);
    }
    save(window, dir, QStringLiteral("bets"));

    // The tooltip of a chain label, composed onto the window where it shows.
    {
        auto* chain = window.findChild<QWidget*>(QStringLiteral("Bet_Black_Chain"));
        QToolTip::showText(chain->mapToGlobal(QPoint(4, 14)), chain->toolTip(), chain);
        QApplication::processEvents();
        QImage shot = window.grab().toImage();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->inherits("QTipLabel") && top->isVisible()) {
                QPainter p(&shot);
                p.drawPixmap(window.mapFromGlobal(top->pos()), top->grab());
            }
        }
        shot.save(dir + QStringLiteral("/tooltip.png"));
        QToolTip::hideText();
    }

    // The loading panel, as it shows while a number file is read.
    {
        auto* panel = window.findChild<QWidget*>(QStringLiteral("LoadingPanel"));
        auto* bar = window.findChild<corvane::Bar*>(QStringLiteral("ProgressBar1"));
        panel->show();
        bar->set_value(60);
        save(window, dir, QStringLiteral("loading"));
        bar->set_value(0);
        panel->hide();
    }

    window.set_options_open(true);
    save(window, dir, QStringLiteral("options"));

    // The two win-rate gauges with their captions, a quarter and a half filled.
    for (int value : {25, 50}) {
        for (const char* name : {"CGauge_WinRate12", "CGauge_WinRate23"}) {
            window.findChild<corvane::Bar*>(QLatin1String(name))->set_value(value);
        }
        QApplication::processEvents();
        window.grab(QRect(280, 448, 265, 40))
            .save(dir + QStringLiteral("/win_rates_%1.png").arg(value));
    }
    window.refresh();

    // The options panel with every option on, then with every option off.
    {
        using corvane::SettingOp;
        corvane::Engine& e = window.engine();
        for (SettingOp op : {SettingOp::ResetOnZero_On, SettingOp::BetAutomaticReset_On,
                             SettingOp::BAR_SetUnits_Select, SettingOp::TrendBetting_On,
                             SettingOp::BetOnUptrend_Select}) {
            e.apply(op);
        }
        e.apply(SettingOp::ROZ_Steps12_Step, {}, 1);
        e.apply(SettingOp::ROZ_Steps23_Step, {}, 1);
        e.apply(SettingOp::BAR_SetUnits_Step, {}, 14);
        window.refresh();
        save(window, dir, QStringLiteral("options_all_on"));
        for (corvane::CategoryId c : corvane::kAllCategories) {
            e.apply(SettingOp::Category_Off, c);
        }
        for (SettingOp op : {SettingOp::ShowChainsId_Off, SettingOp::ResetOnZero_Off,
                             SettingOp::BetAutomaticReset_Off, SettingOp::TrendBetting_Off}) {
            e.apply(op);
        }
        window.refresh();
        save(window, dir, QStringLiteral("options_all_off"));
    }

    // The session log of a fresh game: the spins of the bets picture, then the bets it shows
    // settled: a loss and a win of Black, dozens and columns won and lost.
    {
        MainWindow game;
        game.show();
        for (int n :
             {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 4, 0, 17, 8, 11, 36}) {
            spin(game, n);
        }
        QTest::keyClick(&game, Qt::Key_L, Qt::ControlModifier);
        auto* log = game.findChild<QWidget*>(QStringLiteral("SessionLogWindow"));
        save(*log, dir, QStringLiteral("session-log"));
    }

    // The numbers window after 480 seeded spins of a fair wheel, once the hot arc's fair wheels
    // are simulated.
    {
        MainWindow game;
        game.show();
        corvane::RandomNumbers numbers(2032);
        for (int i = 0; i < 480; ++i) {
            game.engine().spin(numbers.next());
        }
        game.refresh();
        QTest::keyClick(&game, Qt::Key_N, Qt::ControlModifier);
        auto* window = game.findChild<QWidget*>(QStringLiteral("NumbersWindow"));
        auto* arc = window->findChild<QLabel*>(QStringLiteral("Numbers_ArcTest"));
        for (int i = 0; i < 500 && arc->text().contains(QStringLiteral("simulated")); ++i) {
            QTest::qWait(20);
        }
        save(*window, dir, QStringLiteral("numbers"));
    }
    // The money plan: its strip after a few spins of the bets picture, then a spin whose
    // suggested stake the table does not take, and the plan's dialog.
    {
        MainWindow game;
        game.show();
        corvane::MoneyPlan plan;
        plan.bankroll = 1000;
        plan.table_max = 20;
        plan.stop_loss = 300;
        plan.target = 100;
        game.use_plan(plan, false);
        for (int n : {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27}) {
            spin(game, n);
        }
        save(game, dir, QStringLiteral("plan"));
        spin(game, 30);
        save(game, dir, QStringLiteral("plan-warning"));
        game.open_plan_dialog();
        auto* dialog = game.findChild<QWidget*>(QStringLiteral("PlanDialog"));
        save(*dialog, dir, QStringLiteral("plan-dialog"));
    }

    // What to expect of 1/2 3x Bet alone with a bankroll of 1000, a table maximum of 500 and a
    // target of +100: its default run of 10,000 sessions of 300 spins.
    {
        MainWindow game;
        game.show();
        corvane::Engine& e = game.engine();
        for (corvane::CategoryId c : {corvane::CategoryId::D, corvane::CategoryId::C}) {
            e.apply(corvane::SettingOp::Category_Off, c);
        }
        e.apply(corvane::SettingOp::BS12_Step, {}, 1);
        corvane::MoneyPlan plan;
        plan.bankroll = 1000;
        plan.table_max = 500;
        plan.target = 100;
        e.set_plan(plan);
        game.refresh();
        QTest::keyClick(&game, Qt::Key_E, Qt::ControlModifier);
        auto* window = game.findChild<corvane::ExpectWindow*>(QStringLiteral("ExpectWindow"));
        window->run();
        if (!QTest::qWaitFor([window] { return !window->running(); }, 600000)) {
            return 1;
        }
        // The figures' and the chart's new sizes are laid out on the next turns of the loop.
        QTest::qWait(200);
        save(*window, dir, QStringLiteral("expect"));
    }
    return 0;
}
