// The money plan in the window: its dialog and what it refuses, the strip of the evening's
// money, the warnings of a spin through undo and a new game with what screen readers hear, the
// window without a plan as it always was, and the plan remembered in the configuration folder.
#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include "tests/support/window.h"
#include "ui/main_window.h"
#include "ui/plan_store.h"
#include "ui/plan_strip.h"
#include "ui/session_log_model.h"

using corvane::MainWindow;
using corvane::MoneyPlan;
using corvane::testing::element;
using corvane::testing::shown;

namespace {

// Red/Black alone with windows of three codes, as the player would set it.
void red_black_with_windows_of_three(MainWindow& w) {
    using corvane::CategoryId;
    using corvane::SettingOp;
    for (CategoryId c : {CategoryId::EO, CategoryId::LM, CategoryId::D, CategoryId::C}) {
        w.engine().apply(SettingOp::Category_Off, c);
    }
    for (int i = 0; i < 7; ++i) {
        w.engine().apply(SettingOp::CL12_Step, {}, -1);
    }
    w.refresh();
}

QString text_of(MainWindow& w, const char* name) {
    auto* label = w.findChild<QLabel*>(QLatin1String(name));
    return label != nullptr && label->isVisible() ? label->text() : QString();
}

}  // namespace

class PlanTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void dialog_says_what_it_refuses_at_the_field();
    void without_a_plan_the_window_is_as_it_always_was();
    void warnings_come_with_the_spin_and_go_with_undo_and_a_new_game();
    void the_plan_is_remembered_in_the_configuration_folder();
};

void PlanTest::dialog_says_what_it_refuses_at_the_field() {
    MainWindow w;
    std::vector<MoneyPlan> remembered;
    bool bell = false;
    w.remember_plan = [&](const MoneyPlan& plan, bool sound) {
        remembered.push_back(plan);
        bell = sound;
    };
    w.show();
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    auto* dialog = w.findChild<QWidget*>(QStringLiteral("PlanDialog"));
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Money plan"));
    const auto box = [&](const char* name) {
        return dialog->findChild<QCheckBox*>(QLatin1String(name));
    };
    const auto field = [&](const char* name) {
        return dialog->findChild<QLineEdit*>(QLatin1String(name));
    };
    const auto error = [&](const char* name) {
        auto* label = dialog->findChild<QLabel*>(QLatin1String(name));
        return label->isVisible() ? label->text() : QString();
    };
    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("Plan_OK"));

    QVERIFY(!field("Plan_Bankroll")->isEnabled());
    box("Plan_Bankroll_On")->setChecked(true);
    QVERIFY(field("Plan_Bankroll")->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(error("Plan_Bankroll_Error"), QStringLiteral("Enter an amount, or untick the box."));
    QTest::keyClicks(field("Plan_Bankroll"), QStringLiteral("1000"));
    QCOMPARE(error("Plan_Bankroll_Error"), QString());  // typing clears what was said
    box("Plan_StopLoss_On")->setChecked(true);
    QTest::keyClicks(field("Plan_StopLoss"), QStringLiteral("1000"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(error("Plan_StopLoss_Error"),
             QStringLiteral("The stop loss must be below the bankroll of 1000."));
    QVERIFY(dialog->isVisible());
    QVERIFY(!w.engine().plan().any());  // nothing changes while a part is refused
    QVERIFY(remembered.empty());

    field("Plan_StopLoss")->setText(QStringLiteral("250,5"));
    box("Plan_Target_On")->setChecked(true);
    field("Plan_Target")->setText(QStringLiteral("0,005"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(error("Plan_Target_Error"),
             QStringLiteral("At most 2 decimals, as the stakes on the board have."));
    field("Plan_Target")->setText(QStringLiteral("100"));
    QCheckBox* sound = box("Plan_Sound");
    QVERIFY(sound != nullptr && !sound->isChecked());
    sound->setChecked(true);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(bell);
    MoneyPlan expected;
    expected.bankroll = 1000;
    expected.stop_loss = 250.5;
    expected.target = 100;
    QCOMPARE(w.engine().plan() == expected, true);
    QCOMPARE(remembered.size(), std::size_t{1});
    QCOMPARE(remembered.front() == expected, true);

    // Opened again, it shows the plan in force; Cancel changes nothing.
    w.open_plan_dialog();
    QCOMPARE(field("Plan_StopLoss")->text(), QStringLiteral("250,5"));
    QVERIFY(!box("Plan_TableMax_On")->isChecked());
    box("Plan_Target_On")->setChecked(false);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Plan_Cancel")),
                      Qt::LeftButton);
    QCOMPARE(w.engine().plan() == expected, true);
}

void PlanTest::without_a_plan_the_window_is_as_it_always_was() {
    MainWindow plain;
    MainWindow had_one;
    plain.show();
    had_one.show();
    MoneyPlan plan;
    plan.target = 50;
    had_one.use_plan(plan, false);
    QCOMPARE(had_one.height(), 330 + 24);
    QVERIFY(shown(had_one, QStringLiteral("PlanStrip")));
    QCOMPARE(text_of(had_one, "PlanStrip_Figure1"), QStringLiteral("Net 0"));
    QCOMPARE(text_of(had_one, "PlanStrip_Figure2"), QStringLiteral("Target in 50"));
    had_one.set_options_open(true);
    QCOMPARE(had_one.height(), 660 + 24);
    had_one.set_options_open(false);
    had_one.use_plan({}, false);
    QCOMPARE(had_one.height(), 330);
    QVERIFY(!shown(had_one, QStringLiteral("PlanStrip")));
    QApplication::processEvents();
    QCOMPARE(had_one.grab().toImage(), plain.grab().toImage());
}

void PlanTest::warnings_come_with_the_spin_and_go_with_undo_and_a_new_game() {
    MainWindow w;
    w.show();
    red_black_with_windows_of_three(w);
    MoneyPlan plan;
    plan.table_max = 3;
    w.use_plan(plan, false);
    // What screen readers are told: an alert on each warning's line, named by its words.
    QStringList alerts;
    w.findChild<corvane::PlanStrip*>(QStringLiteral("PlanStrip"))->alert = [&](QWidget* line) {
        alerts << line->accessibleName();
    };
    for (int n : {2, 1, 3, 5, 7}) {
        corvane::testing::click_spin(w, n);
    }
    QCOMPARE(text_of(w, "PlanStrip_Warning1"), QString());
    QCOMPARE(w.height(), 330 + 24);
    // The third bet's stake, 4, is more than the table takes.
    corvane::testing::click_spin(w, 9);
    const QString table =
        QStringLiteral("The table takes at most 3: the suggested 4 on Black cannot be laid");
    QCOMPARE(text_of(w, "PlanStrip_Warning1"), table);
    QCOMPARE(w.height(), 330 + 24 + 20);
    QCOMPARE(text_of(w, "PlanStrip_Figure1"), QStringLiteral("Net \u22123"));
    QCOMPARE(alerts, QStringList{table});
    // The session log shows the same net and marks the spin, its newest row.
    QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
    auto* log = w.findChild<QWidget*>(QStringLiteral("SessionLogWindow"));
    QCOMPARE(log->findChild<QLabel*>(QStringLiteral("Log_Net"))->text(), QStringLiteral("\u22123"));
    auto* rows = log->findChild<QTableView*>(QStringLiteral("Log_Table"))->model();
    QCOMPARE(rows->index(0, corvane::SessionLogModel::kPlan).data().toString(),
             QStringLiteral("table limit"));
    QCOMPARE(rows->index(1, corvane::SessionLogModel::kPlan).data().toString(), QString());

    // Undo takes the spin back with its warning; the same number brings it again.
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(text_of(w, "PlanStrip_Warning1"), QString());
    QCOMPARE(text_of(w, "PlanStrip_Figure1"), QStringLiteral("Net \u22121"));
    QCOMPARE(w.height(), 330 + 24);
    corvane::testing::click_spin(w, 9);
    QCOMPARE(text_of(w, "PlanStrip_Warning1"), table);
    QCOMPARE(alerts.size(), 2);

    // Dismissed, it goes; the game plays on and the next bet says it again.
    QTest::mouseClick(element(w, QStringLiteral("PlanStrip_Dismiss")), Qt::LeftButton);
    QCOMPARE(text_of(w, "PlanStrip_Warning1"), QString());
    corvane::testing::click_spin(w, 12);
    QCOMPARE(text_of(w, "PlanStrip_Warning1"),
             QStringLiteral("The table takes at most 3: the suggested 8 on Black cannot be laid"));

    // A new game starts the evening afresh.
    w.set_options_open(true);
    QTest::mouseMove(element(w, QStringLiteral("Button_SPINS")), QPoint(5, 5));
    QTest::mouseClick(element(w, QStringLiteral("Button_SPINS_Hover")), Qt::LeftButton, {},
                      QPoint(5, 5));
    QCOMPARE(text_of(w, "PlanStrip_Warning1"), QString());
    QCOMPARE(text_of(w, "PlanStrip_Figure1"), QStringLiteral("Net 0"));
    QCOMPARE(w.height(), 660 + 24);
}

void PlanTest::the_plan_is_remembered_in_the_configuration_folder() {
    const QString path = corvane::remembered_settings_path();
    QVERIFY(
        path.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    QVERIFY(path.endsWith(QLatin1String("/corvane/corvane.conf")));
    QFile::remove(path);
    QVERIFY(!corvane::load_plan().any());
    QVERIFY(!corvane::load_warning_sound());

    MoneyPlan plan;
    plan.bankroll = 1000;
    plan.table_max = 499.95;
    plan.stop_loss = 0.05;
    corvane::save_plan(plan);
    corvane::save_warning_sound(true);
    QCOMPARE(corvane::load_plan() == plan, true);
    QVERIFY(corvane::load_warning_sound());
    plan.table_max.reset();
    corvane::save_plan(plan);
    QCOMPARE(corvane::load_plan() == plan, true);

    // What the dialog would refuse, written into the file by hand, is not taken.
    {
        QSettings file(path, QSettings::IniFormat);
        file.setValue(QStringLiteral("plan/stop_loss"), QStringLiteral("5000"));
    }
    QVERIFY(!corvane::load_plan().any());
    QFile::remove(path);
}

QTEST_MAIN(PlanTest)
#include "plan_test.moc"
