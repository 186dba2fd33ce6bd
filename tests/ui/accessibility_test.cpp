// What screen readers are told of the window, read through Qt's accessibility interfaces:
// every element a player uses has a name and a role, and its state follows the game.
#include <QAccessible>
#include <QTest>

#include "tests/support/engine_access.h"
#include "tests/support/window.h"

using corvane::MainWindow;
using corvane::SettingOp;

namespace {

QAccessibleInterface* reader(MainWindow& w, const char* name) {
    return QAccessible::queryAccessibleInterface(corvane::testing::element(w, name));
}
QString said(MainWindow& w, const char* name) {
    return reader(w, name)->text(QAccessible::Name);
}
QAccessible::State state(MainWindow& w, const char* name) {
    return reader(w, name)->state();
}
void play(MainWindow& w, std::initializer_list<int> numbers) {
    for (int n : numbers) {
        w.engine().spin(n);
    }
    w.refresh();
}
void change(MainWindow& w, SettingOp op, int step = 0) {
    w.engine().apply(op, {}, step);
    w.refresh();
}
// A black and ten reds: a bet on Black, lost once by 21.
constexpr std::initializer_list<int> kBetOnBlack = {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void the_board_follows_the_game();
    void options_speak_their_state();
    void bars_give_their_values();
    void every_element_a_player_uses_is_named();
};

void AccessibilityTest::the_board_follows_the_game() {
    MainWindow w;
    QCOMPARE(said(w, "UI_Button_19"), QStringLiteral("19, red"));
    QCOMPARE(said(w, "UI_Button_17"), QStringLiteral("17, black"));
    QCOMPARE(said(w, "UI_Button_0"), QStringLiteral("0, green"));
    QCOMPARE(said(w, "Button_L"), QStringLiteral("Load numbers"));
    QCOMPARE(said(w, "Button_S"), QStringLiteral("Save numbers"));
    QCOMPARE(reader(w, "UI_Button_0")->role(), QAccessible::Button);
    // The pictures laid over an element are artwork: the element beneath speaks.
    for (const char* artwork : {"UI_Button_Hover_17", "Image17", "Button_Cancel_Inactive",
                                "Button_L_Hover", "Image_UI", "Bet_Black"}) {
        QVERIFY2(state(w, artwork).invisible, artwork);
    }
    // Cancel is unavailable until there is a number to take back; a busy board takes none.
    QVERIFY(state(w, "Button_Cancel").disabled);
    QVERIFY(w.engine().click_number(9));
    w.refresh();
    QVERIFY(state(w, "UI_Button_17").disabled);
    w.engine().finish_spin();
    play(w, kBetOnBlack);
    QVERIFY(!state(w, "UI_Button_17").disabled);
    QVERIFY(!state(w, "Button_Cancel").disabled);

    QCOMPARE(said(w, "BetField_Black"), QStringLiteral("Black, bet 2, chain 1"));
    QVERIFY(reader(w, "BetField_Black")->text(QAccessible::Description).startsWith("Chain 1"));
    QCOMPARE(said(w, "BetField_Red"), QStringLiteral("Red, no bet"));
    QCOMPARE(said(w, "HisNum1"), QStringLiteral("History 1: 21, red"));
    QCOMPARE(said(w, "HisNum10"), QStringLiteral("History 10: 3, red"));
    change(w, SettingOp::ShowChainsId_Off);
    QCOMPARE(said(w, "BetField_Black"), QStringLiteral("Black, bet 2"));
    play(w, {0});
    QCOMPARE(said(w, "HisNum1"), QStringLiteral("History 1: 0, green"));
}

void AccessibilityTest::options_speak_their_state() {
    MainWindow w;
    QVERIFY(!state(w, "Button_Options").expanded);
    w.set_options_open(true);
    QVERIFY(state(w, "Button_Options").expanded);
    QCOMPARE(reader(w, "ChBx_RedBlack_Checked")->role(), QAccessible::CheckBox);
    QCOMPARE(said(w, "ChBx_RedBlack_Checked"), QStringLiteral("Red / Black"));
    QVERIFY(state(w, "ChBx_RedBlack_Checked").checked);
    w.engine().apply(SettingOp::Category_Off, corvane::CategoryId::RB);
    w.refresh();
    QVERIFY(!state(w, "ChBx_RedBlack_Checked").checked);

    // The modes of an option that is off: one selected, both unavailable.
    QCOMPARE(reader(w, "RaBtn_SetUnits_UnChecked")->role(), QAccessible::RadioButton);
    QCOMPARE(said(w, "RaBtn_SetUnits_UnChecked"), QStringLiteral("Set Units"));
    QVERIFY(state(w, "RaBtn_OnProfit_UnChecked").checked);
    QVERIFY(state(w, "RaBtn_OnProfit_UnChecked").disabled);
    change(w, SettingOp::BetAutomaticReset_On);
    change(w, SettingOp::BAR_SetUnits_Select);
    QVERIFY(!state(w, "RaBtn_OnProfit_UnChecked").checked);
    QVERIFY(state(w, "RaBtn_SetUnits_UnChecked").checked);
    QVERIFY(!state(w, "RaBtn_SetUnits_UnChecked").disabled);

    // Steppers: the value with its name, the arrows usable while their option is on.
    change(w, SettingOp::StartingBet_Step, 1);
    QCOMPARE(said(w, "StartingBet"), QStringLiteral("Starting bet: 2"));
    QCOMPARE(said(w, "Button_Arrow_CL12_left"), QStringLiteral("1/2 chain length, lower"));
    QVERIFY(state(w, "Button_Arrow_ROZ_Steps12_Right").disabled);
    change(w, SettingOp::ResetOnZero_On);
    QVERIFY(!state(w, "Button_Arrow_ROZ_Steps12_Right").disabled);
    QCOMPARE(said(w, "ROZ_Steps12_Text"), QStringLiteral("Reset on zero, 1/2 steps: 1"));
}

void AccessibilityTest::bars_give_their_values() {
    MainWindow w;
    corvane::testing::game_of(w.engine()).counts(corvane::Family::F12).win_rate = 45;
    play(w, {3});
    QAccessibleInterface* rate = reader(w, "CGauge_WinRate12");
    QCOMPARE(rate->role(), QAccessible::ProgressBar);
    QCOMPARE(rate->text(QAccessible::Name), QStringLiteral("R/B, E/O, L/M win rate"));
    QCOMPARE(rate->text(QAccessible::Value), QStringLiteral("45%"));
    QCOMPARE(rate->valueInterface()->currentValue().toInt(), 45);
    // 3 is in the first dozen, whose bar ends at 99.
    QAccessibleInterface* d1 = reader(w, "CGauge_D1");
    QCOMPARE(d1->text(QAccessible::Name), QStringLiteral("1st dozen hits"));
    QCOMPARE(d1->valueInterface()->currentValue().toInt(), 99);
    QCOMPARE(d1->valueInterface()->maximumValue().toInt(), 99);
    QCOMPARE(said(w, "Stat_Red_Text"), QStringLiteral("Red (100%)"));
}

// Whatever a reader meets in the open window, bets on show, is named and has a role of its own;
// whatever a player can click (the hand pointer shows over it) is such an element or lies on one.
void AccessibilityTest::every_element_a_player_uses_is_named() {
    MainWindow w;
    play(w, kBetOnBlack);
    w.set_options_open(true);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QList<QRect> elements;
    for (QWidget* e : w.findChildren<QWidget*>()) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(e);
        if (e->isVisible() && !i->state().invisible) {
            QVERIFY2(!i->text(QAccessible::Name).isEmpty(), qPrintable(e->objectName()));
            QVERIFY2(i->role() != QAccessible::Client, qPrintable(e->objectName()));
            elements << e->geometry();
        }
    }
    for (QWidget* e : w.findChildren<QWidget*>()) {
        if (e->isVisible() && e->cursor().shape() == Qt::PointingHandCursor) {
            QVERIFY2(elements.contains(e->geometry()), qPrintable(e->objectName()));
        }
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
