// What screen readers are told of the window, read through Qt's accessibility interfaces:
// every element a player uses has a name and a role, and its state follows the game.
#include <QAccessible>
#include <QLabel>
#include <QTest>

#include "tests/support/engine_access.h"
#include "tests/support/window.h"
#include "ui/main_window.h"

using corvane::MainWindow;
using corvane::SettingOp;
using corvane::testing::element;

namespace {

QAccessibleInterface* reader_view(MainWindow& w, const QString& name) {
    QWidget* e = element(w, name);
    return e != nullptr ? QAccessible::queryAccessibleInterface(e) : nullptr;
}

QString said(MainWindow& w, const QString& name) {
    QAccessibleInterface* i = reader_view(w, name);
    return i != nullptr ? i->text(QAccessible::Name) : QStringLiteral("<none>");
}

QAccessible::State state(MainWindow& w, const QString& name) {
    QAccessibleInterface* i = reader_view(w, name);
    return i != nullptr ? i->state() : QAccessible::State();
}

QAccessible::Role role(MainWindow& w, const QString& name) {
    QAccessibleInterface* i = reader_view(w, name);
    return i != nullptr ? i->role() : QAccessible::NoRole;
}

void change(MainWindow& w, SettingOp op) {
    w.engine().apply(op);
    w.refresh();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void board_and_buttons();
    void bets_and_history_follow_the_game();
    void options_speak_their_state();
    void bars_give_their_values();
    void every_element_a_reader_meets_is_named();
};

void AccessibilityTest::board_and_buttons() {
    MainWindow w;
    QCOMPARE(said(w, "UI_Button_19"), QStringLiteral("19, red"));
    QCOMPARE(said(w, "UI_Button_17"), QStringLiteral("17, black"));
    QCOMPARE(said(w, "UI_Button_0"), QStringLiteral("0, green"));
    QCOMPARE(said(w, "Button_L"), QStringLiteral("Load numbers"));
    QCOMPARE(said(w, "Button_S"), QStringLiteral("Save numbers"));
    for (const char* button : {"UI_Button_17", "Button_L", "Button_Cancel", "Button_Help"}) {
        QCOMPARE(role(w, button), QAccessible::Button);
    }
    // The pictures laid over an element are artwork: the element beneath speaks.
    for (const char* artwork : {"UI_Button_Hover_17", "Image17", "Button_Cancel_Inactive",
                                "Button_L_Hover", "Image_UI", "HideBets1"}) {
        QVERIFY2(state(w, artwork).invisible, artwork);
    }

    // Cancel is unavailable until there is a number to take back; a busy board takes none.
    QVERIFY(state(w, "Button_Cancel").disabled);
    QVERIFY(w.engine().click_number(9));
    w.refresh();
    QVERIFY(state(w, "UI_Button_17").disabled);
    w.engine().finish_spin();
    w.refresh();
    QVERIFY(!state(w, "UI_Button_17").disabled);
    QVERIFY(!state(w, "Button_Cancel").disabled);

    QVERIFY(!state(w, "Button_Options").expanded);
    w.set_options_open(true);
    QVERIFY(state(w, "Button_Options").expanded);
}

void AccessibilityTest::bets_and_history_follow_the_game() {
    MainWindow w;
    for (int n : {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21}) {
        w.engine().spin(n);
    }
    w.refresh();
    // Ten reds after a black: the bet on Black, lost once.
    QCOMPARE(said(w, "BetField_Black"), QStringLiteral("Black, bet 2, chain 1"));
    QCOMPARE(role(w, "BetField_Black"), QAccessible::StaticText);
    QVERIFY(reader_view(w, "BetField_Black")
                ->text(QAccessible::Description)
                .startsWith(QStringLiteral("Chain 1")));
    QVERIFY(state(w, "Bet_Black").invisible);  // the stake label: the field says it
    QCOMPARE(said(w, "BetField_Red"), QStringLiteral("Red, no bet"));
    change(w, SettingOp::ShowChainsId_Off);
    QCOMPARE(said(w, "BetField_Black"), QStringLiteral("Black, bet 2"));

    QCOMPARE(said(w, "HisNum1"), QStringLiteral("History 1: 21, red"));
    QCOMPARE(said(w, "HisNum10"), QStringLiteral("History 10: 3, red"));
    w.engine().spin(0);
    w.refresh();
    QCOMPARE(said(w, "HisNum1"), QStringLiteral("History 1: 0, green"));
    QCOMPARE(said(w, "HisNum2"), QStringLiteral("History 2: 21, red"));
}

void AccessibilityTest::options_speak_their_state() {
    MainWindow w;
    w.set_options_open(true);
    QCOMPARE(role(w, "ChBx_RedBlack_Checked"), QAccessible::CheckBox);
    QCOMPARE(said(w, "ChBx_RedBlack_Checked"), QStringLiteral("Red / Black"));
    QVERIFY(state(w, "ChBx_RedBlack_Checked").checked);
    QVERIFY(state(w, "ChBx_RedBlack_UnChecked").invisible);
    w.engine().apply(SettingOp::Category_Off, corvane::CategoryId::RB);
    w.refresh();
    QVERIFY(!state(w, "ChBx_RedBlack_Checked").checked);

    // A mode of an option that is off: selected, yet unavailable.
    QCOMPARE(role(w, "RaBtn_OnProfit_UnChecked"), QAccessible::RadioButton);
    QCOMPARE(said(w, "RaBtn_SetUnits_UnChecked"), QStringLiteral("Set Units"));
    QVERIFY(state(w, "RaBtn_OnProfit_UnChecked").checked);
    QVERIFY(!state(w, "RaBtn_SetUnits_UnChecked").checked);
    QVERIFY(state(w, "RaBtn_OnProfit_UnChecked").disabled);
    change(w, SettingOp::BetAutomaticReset_On);
    change(w, SettingOp::BAR_SetUnits_Select);
    QVERIFY(!state(w, "RaBtn_OnProfit_UnChecked").checked);
    QVERIFY(state(w, "RaBtn_SetUnits_UnChecked").checked);
    QVERIFY(!state(w, "RaBtn_SetUnits_UnChecked").disabled);

    // Steppers: the value with its name, the arrows usable while their option is on.
    QCOMPARE(said(w, "StartingBet"), QStringLiteral("Starting bet: 1"));
    w.engine().apply(SettingOp::StartingBet_Step, {}, 1);
    w.refresh();
    QCOMPARE(said(w, "StartingBet"), QStringLiteral("Starting bet: 2"));
    QCOMPARE(said(w, "Button_Arrow_StartingBet_Right"), QStringLiteral("Starting bet, higher"));
    QCOMPARE(said(w, "Button_Arrow_CL12_left"), QStringLiteral("1/2 chain length, lower"));
    QVERIFY(state(w, "Button_Arrow_ROZ_Steps12_Right").disabled);
    change(w, SettingOp::ResetOnZero_On);
    QVERIFY(!state(w, "Button_Arrow_ROZ_Steps12_Right").disabled);
    QCOMPARE(said(w, "ROZ_Steps12_Text"), QStringLiteral("Reset on zero, 1/2 steps: 1"));
    QCOMPARE(said(w, "Button_SPINS"), QStringLiteral("SPINS"));
}

void AccessibilityTest::bars_give_their_values() {
    MainWindow w;
    corvane::testing::game_of(w.engine()).win_rate_12 = 45;
    w.engine().spin(3);
    w.refresh();
    QAccessibleInterface* rate = reader_view(w, "CGauge_WinRate12");
    QCOMPARE(rate->role(), QAccessible::ProgressBar);
    QCOMPARE(rate->text(QAccessible::Name), QStringLiteral("R/B, E/O, L/M win rate"));
    QCOMPARE(rate->text(QAccessible::Value), QStringLiteral("45%"));
    QVERIFY(rate->valueInterface() != nullptr);
    QCOMPARE(rate->valueInterface()->currentValue().toInt(), 45);
    QCOMPARE(rate->valueInterface()->maximumValue().toInt(), 100);
    // A dozen's bar: 3 is in the first dozen, its maximum is 99.
    QAccessibleInterface* d1 = reader_view(w, "CGauge_D1");
    QCOMPARE(d1->text(QAccessible::Name), QStringLiteral("1st dozen hits"));
    QCOMPARE(d1->valueInterface()->currentValue().toInt(), 99);
    QCOMPARE(said(w, "Stat_Red_Text"), QStringLiteral("Red (100%)"));
    QCOMPARE(role(w, "Stat_Red_Text"), QAccessible::StaticText);
}

// Whatever a reader meets in the open window, bets on show, is named and has a role of its own;
// and whatever a player can click (the hand pointer shows over it) is such an element, or lies
// over one.
void AccessibilityTest::every_element_a_reader_meets_is_named() {
    MainWindow w;
    for (int n : {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21}) {
        w.engine().spin(n);
    }
    w.set_options_open(true);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QList<QRect> elements;
    for (QWidget* e : w.findChildren<QWidget*>()) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(e);
        if (!e->isVisible() || i->state().invisible) {
            continue;
        }
        QVERIFY2(!i->text(QAccessible::Name).isEmpty(), qPrintable(e->objectName()));
        QVERIFY2(i->role() != QAccessible::Client, qPrintable(e->objectName()));
        elements << e->geometry();
    }
    QVERIFY(elements.size() > 100);
    for (QWidget* e : w.findChildren<QWidget*>()) {
        if (e->isVisible() && e->cursor().shape() == Qt::PointingHandCursor) {
            QVERIFY2(elements.contains(e->geometry()), qPrintable(e->objectName()));
        }
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
