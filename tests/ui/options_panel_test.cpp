// The options panel under the offscreen platform: geometry, pointing, clicks on the topmost
// picture, held arrows on a hand-moved clock, category switches, settings files.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QStyleHints>
#include <QTest>

#include <unistd.h>

#include "tests/support/engine_access.h"
#include "tests/support/window.h"
#include "ui/main_window.h"
#include "ui/options_panel.h"

using corvane::MainWindow;
using corvane::Picture;
using corvane::SettingOp;
using corvane::skin::Art;
using corvane::testing::element;
using corvane::testing::expect_geometry;
using corvane::testing::shown;

namespace {
constexpr QColor kSilver{192, 192, 192};
constexpr QColor kGrey{128, 128, 128};
constexpr QColor kOlive{128, 128, 0};
constexpr QColor kBlack{0, 0, 0};
}  // namespace

class OptionsPanelTest : public QObject {
    Q_OBJECT

  private:
    QString text(MainWindow& w, const QString& name) {
        return qobject_cast<QLabel*>(element(w, name))->text();
    }
    QColor colour(MainWindow& w, const QString& name) {
        return element(w, name)->palette().color(QPalette::WindowText);
    }
    // The eight values of the panel, in its order, joined by '|'.
    QString values(MainWindow& w) {
        QStringList v;
        for (const char* name : {"StartingBet", "Chains_Length12_Text", "Chains_Length23_Text",
                                 "BettingSystem12_Text", "BettingSystem23_Text", "ROZ_Steps12_Text",
                                 "ROZ_Steps23_Text", "BAR_SetUnits_Text"}) {
            v << text(w, name);
        }
        return v.join(QLatin1Char('|'));
    }
    // The element that takes the pointer at the centre of `name`: the topmost shown there.
    QWidget* top(MainWindow& w, const QString& name) {
        return w.childAt(element(w, name)->geometry().center());
    }
    // Moves the pointer onto `name`; the window hands the move to the topmost element there.
    void point(MainWindow& w, const QString& name, QPoint at = {}) {
        QTest::mouseMove(element(w, name), at.isNull() ? element(w, name)->rect().center() : at);
    }
    // Points at `name` and presses whatever is topmost there, as a player does.
    QWidget* press(MainWindow& w, const QString& name) {
        point(w, name);
        QWidget* t = top(w, name);
        QTest::mousePress(t, Qt::LeftButton, {}, QPoint(8, 8));
        return t;
    }
    void release(QWidget* e, QPoint at = {8, 8}) { QTest::mouseRelease(e, Qt::LeftButton, {}, at); }
    void click(MainWindow& w, const QString& name) { release(press(w, name)); }
    // Opens the panel with its auto-repeat on a clock the test moves by hand, at 0.
    void open(MainWindow& w, bool hand_clock = true) {
        now_ = 0;
        if (hand_clock) {
            w.options_panel()->set_clock([this] { return now_; });
        }
        w.set_options_open(true);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    // Moves the hand clock on and delivers the ticks due by then.
    void run_to(MainWindow& w, qint64 t) {
        now_ = t;
        w.options_panel()->run_timers();
    }
    std::string line(MainWindow& w, int n) { return w.engine().settings_text().at(n); }
    // Every element of a space-separated list is shown (or hidden), or has the colour.
    void expect_shown(MainWindow& w, const char* names, bool visible = true) {
        for (const QString& name : QString::fromLatin1(names).split(QLatin1Char(' '))) {
            QVERIFY2(shown(w, name) == visible, qPrintable(name));
        }
    }
    void expect_colour(MainWindow& w, const char* names, QColor c) {
        for (const QString& name : QString::fromLatin1(names).split(QLatin1Char(' '))) {
            QVERIFY2(colour(w, name) == c, qPrintable(name));
        }
    }
    // The defaults; the Set Units amount shows "0,1" until first changed or loaded.
    void expect_defaults(MainWindow& w, const QString& set_units = QStringLiteral("0,1")) {
        QCOMPARE(values(w), QStringLiteral("1|10|8|Martingale|3x Bet|1|1|") + set_units);
        expect_shown(w,
                     "RaBtn_OnProfit_Checked RaBtn_BetOnDowntrend_Checked "
                     "ChBx_ResetOnZero_UnChecked ChBx_BetAutomaticReset_UnChecked "
                     "ChBx_TrendBetting_UnChecked Button_Arrow_ROZ_Steps23_Left_Disabled "
                     "Button_Arrow_BAR_SetUnits_Right_Disabled RaBtn_OnProfit_Disabled "
                     "RaBtn_BetOnUptrend_Disabled");
        expect_shown(w,
                     "ChBx_EvenOdd_UnChecked ChBx_Columns_UnChecked ChBx_HitsMisses_UnChecked "
                     "RaBtn_SetUnits_Checked Button_Arrow_CL12_Left_Active",
                     false);
        expect_colour(w, "ChBx_RedBlack_Text ChBx_HitsMisses_Text", kSilver);
        expect_colour(w, "Text_12_Steps RaBtn_OnProfit_Text RaBtn_BetOnDowntrend_Text", kGrey);
        expect_colour(w, "StartingBet BettingSystem23_Text", kOlive);
        expect_colour(w, "ROZ_Steps12_Text BAR_SetUnits_Text", kBlack);
    }

    qint64 now_ = 0;

  private slots:
    void initTestCase() {
        // Separate clicks of one test, or of two tests, must not merge into a double click.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    }
    void geometry_data();
    void geometry();
    void starts_with_the_defaults();
    void pointing_shows_and_hides_hovers();
    void holding_the_right_starting_bet_arrow();
    void holding_a_set_units_arrow_and_releasing_it_elsewhere();
    void holding_at_the_list_end_changes_nothing();
    void held_arrow_repeats_on_the_event_loop();
    void reset_on_zero_arrows_are_inert_while_off();
    void double_click_steps_the_chain_length_twice();
    void category_off_refunds_and_hides_its_bet();
    void loaded_settings_file_draws_every_option();
    void every_list_option_shows_in_the_label_it_names();
};

void OptionsPanelTest::geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    // An empty size checks the place only: a caption is as wide as its text.
    const auto row = [](const QString& name, QRect r) {
        QTest::newRow(qPrintable(name)) << name << r;
    };
    const auto at = [](int x, int y) { return QRect(QPoint(x, y), QSize()); };
    const auto check = [&](const char* stem, int x, int y, int cx, int cy) {
        const QString base = QStringLiteral("ChBx_") + QLatin1String(stem);
        row(base + "_Checked", {x, y, 17, 17});
        row(base + "_UnChecked", {x, y, 17, 17});
        row(base + "_Text", at(cx, cy));
    };
    const auto radio = [&](const char* stem, int x, int y, int cx, int cy) {
        const QString base = QStringLiteral("RaBtn_") + QLatin1String(stem);
        for (const char* kind : {"_UnChecked", "_Checked", "_Disabled"}) {
            row(base + QLatin1String(kind), {x, y, 17, 17});
        }
        row(base + "_Text", at(cx, cy));
    };
    // The arrows of one stepper; `dim` for those with a disabled picture.
    const auto arrows = [&](const char* stem, QPoint left, QPoint right, bool dim,
                            const char* left_name = nullptr) {
        const QString l = QStringLiteral("Button_Arrow_%1_Left").arg(QLatin1String(stem));
        const QString r = QStringLiteral("Button_Arrow_%1_Right").arg(QLatin1String(stem));
        row(left_name ? QString::fromLatin1(left_name) : l, {left, QSize(20, 20)});
        row(r, {right, QSize(20, 20)});
        for (const auto& [name, p] : {std::pair{l, left}, std::pair{r, right}}) {
            row(name + "_Active", {p, QSize(20, 20)});
            if (dim) {
                row(name + "_Disabled", {p, QSize(20, 20)});
            }
        }
    };
    check("RedBlack", 7, 337, 28, 339);
    check("EvenOdd", 95, 337, 116, 339);
    check("LessMore", 183, 337, 204, 339);
    check("Dozens", 7, 361, 28, 363);
    check("Columns", 87, 361, 108, 363);
    check("HitsMisses", 167, 361, 188, 363);
    check("ResetOnZero", 15, 529, 36, 531);
    check("BetAutomaticReset", 287, 529, 308, 531);
    check("TrendBetting", 287, 593, 308, 595);
    radio("OnProfit", 287, 554, 309, 556);
    radio("SetUnits", 371, 554, 393, 556);
    radio("BetOnUptrend", 287, 618, 309, 619);
    radio("BetOnDowntrend", 401, 618, 422, 619);
    arrows("StartingBet", {6, 409}, {71, 409}, false);
    arrows("CL12", {94, 409}, {156, 409}, false, "Button_Arrow_CL12_left");
    arrows("CL23", {179, 409}, {250, 409}, false);
    arrows("BS12", {6, 456}, {117, 456}, false);
    arrows("BS23", {137, 456}, {250, 456}, false);
    arrows("ROZ_Steps12", {67, 554}, {113, 554}, true);
    arrows("ROZ_Steps23", {195, 554}, {241, 554}, true);
    arrows("BAR_SetUnits", {443, 553}, {505, 553}, true);
    struct Place {
        const char* name;
        int x, y, width, height;  // no size: the place only
    };
    // clang-format off
    const Place places[] = {
        {"Bar_Options", -12, 304, 249, 26}, {"Text_Options", 7, 309, 0, 0},
        {"Bar_Statistics", 312, 304, 249, 26}, {"Text_Statistics", 487, 309, 0, 0},
        {"Bar_AdvancedSettings", 0, 496, 553, 25}, {"Text_AdvancedSettings", 7, 501, 0, 0},
        {"Text_Bet", 28, 395, 0, 0}, {"Box_StartingBet", 27, 409, 45, 20},
        {"StartingBet", 30, 412, 40, 14}, {"Text_CL12", 115, 395, 0, 0},
        {"Box_CL12", 115, 409, 41, 20}, {"Chains_Length12_Text", 117, 412, 0, 0},
        {"Text_CL23", 202, 395, 0, 0}, {"Box_CL23", 201, 409, 48, 20},
        {"Chains_Length23_Text", 205, 412, 0, 0}, {"Text_BettingSystem12", 26, 443, 0, 0},
        {"Box_BettingSystem12", 23, 456, 94, 20}, {"BettingSystem12_Text", 31, 459, 82, 14},
        {"Text_BettingSystem23", 159, 443, 0, 0}, {"Box_BettingSystem23", 157, 456, 93, 20},
        {"BettingSystem23_Text", 156, 459, 93, 14}, {"Frame_ResetOnZero", 8, 536, 262, 49},
        {"Text_12_Steps", 15, 556, 0, 0}, {"Box_ROZ_Steps12", 88, 555, 25, 18},
        {"ROZ_Steps12_Text", 90, 557, 0, 0}, {"Text_23_Steps", 143, 556, 0, 0},
        {"Box_ROZ_Steps23", 216, 555, 25, 18}, {"ROZ_Steps23_Text", 218, 557, 0, 0},
        {"Frame_BetAutomaticReset", 280, 536, 257, 49}, {"Box_BAR_SetUnits", 464, 554, 41, 18},
        {"BAR_SetUnits_Text", 466, 556, 0, 0}, {"Text_ManualReset", 20, 595, 0, 0},
        {"Frame_ManualReset", 8, 600, 262, 49}, {"Frame_TrendBetting", 280, 600, 257, 49},
        {"Button_BETS", 16, 615, 79, 27}, {"Button_BETS_Hover", 16, 615, 79, 27},
        {"Button_SPINS", 99, 615, 79, 27}, {"Button_SPINS_Hover", 99, 615, 79, 27},
        {"Button_SETTINGS", 182, 615, 79, 27}, {"Button_SETTINGS_Hover", 182, 615, 79, 27},
        {"Button_Settings_L", 190, 306, 21, 21}, {"Button_Settings_Hover_L", 190, 306, 21, 21},
        {"Button_Settings_S", 213, 306, 21, 21}, {"Button_Settings_Hover_S", 213, 306, 21, 21},
    };
    // clang-format on
    for (const Place& p : places) {
        row(QLatin1String(p.name), {p.x, p.y, p.width, p.height});
    }
}

void OptionsPanelTest::geometry() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    MainWindow w;
    expect_geometry(w, name, rect);
}

void OptionsPanelTest::starts_with_the_defaults() {
    MainWindow w;
    open(w);
    expect_defaults(w);
    QVERIFY(!w.options_panel()->timers_running());
}

void OptionsPanelTest::pointing_shows_and_hides_hovers() {
    MainWindow w;
    open(w);
    // The chain-length arrows keep the other hovers; the other arrows and buttons do not.
    point(w, "Button_Arrow_CL12_left");
    point(w, "Button_Arrow_CL23_Right");
    QVERIFY(shown(w, "Button_Arrow_CL12_Left_Active"));
    QVERIFY(shown(w, "Button_Arrow_CL23_Right_Active"));
    point(w, "Button_Arrow_BS12_Right");
    QVERIFY(shown(w, "Button_Arrow_BS12_Right_Active"));
    QVERIFY(!shown(w, "Button_Arrow_CL12_Left_Active"));
    point(w, "Button_Arrow_CL23_Left");
    point(w, "StartingBet");
    QVERIFY(!shown(w, "Button_Arrow_CL23_Left_Active"));
    QVERIFY(!shown(w, "Button_Arrow_BS12_Right_Active"));
    point(w, "Button_SPINS");
    QVERIFY(shown(w, "Button_SPINS_Hover"));
    point(w, "Bar_AdvancedSettings");
    QVERIFY(!shown(w, "Button_SPINS_Hover"));
    point(w, "Button_Settings_S");
    QVERIFY(shown(w, "Button_Settings_Hover_S"));
    point(w, "Frame_BetAutomaticReset", {250, 42});  // inside, beside the Set Units arrow
    QVERIFY(!shown(w, "Button_Settings_Hover_S"));
    for (const char* hand : {"Button_Arrow_StartingBet_Left", "Button_Arrow_CL12_Left_Active",
                             "ChBx_RedBlack_Checked", "RaBtn_SetUnits_UnChecked", "Button_BETS"}) {
        QVERIFY2(element(w, hand)->cursor().shape() == Qt::PointingHandCursor, hand);
    }
}

void OptionsPanelTest::holding_the_right_starting_bet_arrow() {
    MainWindow w;
    open(w);
    auto* arrow = static_cast<Picture*>(press(w, "Button_Arrow_StartingBet_Right"));
    QCOMPARE(arrow->objectName(), QStringLiteral("Button_Arrow_StartingBet_Right_Active"));
    QCOMPARE(arrow->art(), Art::ArrowRightPressed);
    const auto value_at = [&](qint64 t) {
        run_to(w, t);
        return text(w, "StartingBet");
    };
    QCOMPARE(value_at(499), QStringLiteral("1"));
    QCOMPARE(value_at(500), QStringLiteral("1"));
    QCOMPARE(value_at(530), QStringLiteral("2"));
    QCOMPARE(value_at(999), QStringLiteral("17"));    // 16 steps of 1, 530 to 980 ms
    QCOMPARE(value_at(1999), QStringLiteral("116"));  // 33 steps of 3, 1010 to 1970 ms
    // At 2000 ms the speed-up, armed before the step timer's tick, comes first: 7 steps of 5.
    QCOMPARE(value_at(2200), QStringLiteral("151"));
    QCOMPARE(line(w, 7), "11");  // the repetition writes nothing
    QCOMPARE(w.engine().game().categories[0].bet, 151.0);
    release(arrow);
    // The release over the arrow adds a step of 1, then writes the final index.
    QCOMPARE(text(w, "StartingBet"), QStringLiteral("152"));
    QCOMPARE(w.engine().settings().starting_bet_index, 162);
    QCOMPARE(line(w, 7), "162");
    QCOMPARE(arrow->art(), Art::ArrowRightActive);
    QVERIFY(!w.options_panel()->timers_running());
    // The next hold starts again with steps of 1.
    now_ = 5000;
    QTest::mousePress(arrow, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(value_at(5560), QStringLiteral("154"));
    release(arrow);
    QCOMPARE(text(w, "StartingBet"), QStringLiteral("155"));
}

void OptionsPanelTest::holding_a_set_units_arrow_and_releasing_it_elsewhere() {
    MainWindow w;
    open(w);
    click(w, "ChBx_BetAutomaticReset_UnChecked");
    click(w, "RaBtn_SetUnits_UnChecked");
    QCOMPARE(colour(w, "BAR_SetUnits_Text"), kSilver);
    QCOMPARE(colour(w, "RaBtn_SetUnits_Text"), kSilver);
    QCOMPARE(colour(w, "RaBtn_OnProfit_Text"), kGrey);
    QWidget* arrow = press(w, "Button_Arrow_BAR_SetUnits_Right");
    QCOMPARE(arrow->objectName(), QStringLiteral("Button_Arrow_BAR_SetUnits_Right_Active"));
    // The speed-up starts with the repetition: steps of 1 until 1500 ms, then of 3.
    run_to(w, 1499);
    QCOMPARE(text(w, "BAR_SetUnits_Text"), QStringLiteral("24"));  // index 33
    run_to(w, 2200);
    QCOMPARE(text(w, "BAR_SetUnits_Text"), QStringLiteral("93"));  // 23 more steps of 3
    QCOMPARE(line(w, 19), "0");
    // Released off the arrow: no click, but the release writes the amount on show.
    release(arrow, {-40, 10});
    QCOMPARE(text(w, "BAR_SetUnits_Text"), QStringLiteral("93"));
    QCOMPARE(line(w, 19), "102");
    QCOMPARE(w.engine().game().bankroll_aim, w.engine().game().bankroll + 93);
    QVERIFY(!w.options_panel()->timers_running());
}

void OptionsPanelTest::holding_at_the_list_end_changes_nothing() {
    MainWindow w;
    open(w);
    w.engine().apply(SettingOp::StartingBet_Step, {}, -11);
    corvane::testing::game_of(w.engine()).categories[2].bet = 7;  // untouched unless a step runs
    w.refresh();
    QCOMPARE(text(w, "StartingBet"), QStringLiteral("0,05"));
    QWidget* arrow = press(w, "Button_Arrow_StartingBet_Left");
    run_to(w, 2200);
    release(arrow);
    QCOMPARE(text(w, "StartingBet"), QStringLiteral("0,05"));
    QCOMPARE(w.engine().settings().starting_bet_index, 0);
    QCOMPARE(w.engine().game().categories[2].bet, 7.0);
    QCOMPARE(line(w, 7), "0");
}

void OptionsPanelTest::held_arrow_repeats_on_the_event_loop() {
    MainWindow w;
    open(w, false);
    QWidget* arrow = press(w, "Button_Arrow_StartingBet_Right");
    QTRY_VERIFY_WITH_TIMEOUT(w.engine().settings().starting_bet_index > 12, 3000);
    release(arrow);
    QVERIFY(!w.options_panel()->timers_running());
    QCOMPARE(line(w, 7), std::to_string(w.engine().settings().starting_bet_index));
}

void OptionsPanelTest::reset_on_zero_arrows_are_inert_while_off() {
    MainWindow w;
    open(w);
    point(w, "Button_Arrow_ROZ_Steps12_Right");
    QVERIFY(!shown(w, "Button_Arrow_ROZ_Steps12_Right_Active"));
    QCOMPARE(top(w, "Button_Arrow_ROZ_Steps12_Right")->objectName(),
             QStringLiteral("Button_Arrow_ROZ_Steps12_Right_Disabled"));
    click(w, "Button_Arrow_ROZ_Steps12_Right");
    QCOMPARE(w.engine().settings().roz_steps12_index, 0);

    click(w, "ChBx_ResetOnZero_UnChecked");
    QVERIFY(w.engine().settings().reset_on_zero);
    expect_colour(w, "ChBx_ResetOnZero_Text Text_12_Steps Text_23_Steps", kSilver);
    expect_colour(w, "ROZ_Steps12_Text ROZ_Steps23_Text", kOlive);
    click(w, "Button_Arrow_ROZ_Steps12_Right");
    QVERIFY(shown(w, "Button_Arrow_ROZ_Steps12_Right_Active"));
    QCOMPARE(text(w, "ROZ_Steps12_Text"), QStringLiteral("2"));
    QCOMPARE(line(w, 14), "1");
    click(w, "Button_Arrow_ROZ_Steps23_Left");  // at the first entry: nothing
    QCOMPARE(text(w, "ROZ_Steps23_Text"), QStringLiteral("1"));

    click(w, "ChBx_ResetOnZero_Checked");
    QCOMPARE(colour(w, "ROZ_Steps12_Text"), kBlack);
    QCOMPARE(top(w, "Button_Arrow_ROZ_Steps12_Left")->objectName(),
             QStringLiteral("Button_Arrow_ROZ_Steps12_Left_Disabled"));
}

void OptionsPanelTest::double_click_steps_the_chain_length_twice() {
    MainWindow w;
    open(w);
    point(w, "Button_Arrow_CL12_Right");
    QWidget* arrow = top(w, "Button_Arrow_CL12_Right");
    QCOMPARE(arrow->objectName(), QStringLiteral("Button_Arrow_CL12_Right_Active"));
    QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseDClick(arrow, Qt::LeftButton, {}, QPoint(8, 8));
    release(arrow);
    QCOMPARE(text(w, "Chains_Length12_Text"), QStringLiteral("12"));
    QCOMPARE(w.engine().settings().window12, 12);
    QCOMPARE(line(w, 8), "9");
    // The left 2/3 arrow and the betting-system arrows step their options too.
    click(w, "Button_Arrow_CL23_Left");
    QCOMPARE(w.engine().settings().window23, 7);
    click(w, "Button_Arrow_BS23_Right");
    QCOMPARE(values(w), QStringLiteral("1|12|7|Martingale|4x Bet|1|1|0,1"));
    QCOMPARE(line(w, 11), "1");
}

void OptionsPanelTest::category_off_refunds_and_hides_its_bet() {
    MainWindow w;
    open(w);
    // A black, then ten reds: Red/Black bets 2 on Black after one loss.
    for (int n : {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21}) {
        w.engine().spin(n);
    }
    w.refresh();
    QVERIFY(shown(w, "Bet_Black"));
    const double bankroll = w.engine().game().bankroll;
    QCOMPARE(top(w, "ChBx_RedBlack_Checked")->objectName(),
             QStringLiteral("ChBx_RedBlack_Checked"));
    click(w, "ChBx_RedBlack_Checked");
    QCOMPARE(w.engine().game().bankroll, bankroll + 2);
    expect_shown(w, "BetField_Black Bet_Black Bet_Black_Chain", false);
    expect_shown(w, "ChBx_RedBlack_UnChecked");
    QCOMPARE(colour(w, "ChBx_RedBlack_Text"), kGrey);
    QCOMPARE(line(w, 0), "0");
    click(w, "ChBx_RedBlack_UnChecked");
    QVERIFY(w.engine().settings().enabled(corvane::CategoryId::RB));
    QCOMPARE(colour(w, "ChBx_RedBlack_Text"), kSilver);
}

void OptionsPanelTest::loaded_settings_file_draws_every_option() {
    MainWindow w;
    QStringList messages;
    QString answer;
    w.show_message = [&](const QString& m) { messages << m; };
    w.ask_file = [&](bool, const QString&, const QString&) { return answer; };
    open(w);
    const QString base = QDir::tempPath() + QStringLiteral("/corvane_panel_test_%1").arg(getpid());
    // Even/Odd, Columns and chain IDs off; reset on zero on; bet automatic reset off in Set
    // Units mode; trend betting off, set to the uptrend.
    QFile file(base + QStringLiteral("_in.kvs"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "1\r\n0\r\n1\r\n1\r\n0\r\n0\r\n\r\n20\r\n0\r\n27\r\n4\r\n2\r\n\r\n1\r\n19\r\n"
        "3\r\n\r\n0\r\n0\r\n15\r\n\r\n0\r\n1\r\n");
    file.close();
    answer = file.fileName();
    point(w, "Button_Settings_L");
    QTest::mouseClick(element(w, "Button_Settings_Hover_L"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(messages, QStringList());
    QCOMPARE(values(w), QStringLiteral("10|3|30|FLAT|D-Donald|20|4|6"));
    expect_shown(w,
                 "ChBx_EvenOdd_UnChecked ChBx_HitsMisses_UnChecked RaBtn_SetUnits_Checked "
                 "RaBtn_SetUnits_Disabled RaBtn_BetOnUptrend_Checked RaBtn_BetOnUptrend_Disabled");
    expect_shown(w,
                 "ChBx_LessMore_UnChecked Button_Arrow_ROZ_Steps23_Right_Disabled "
                 "RaBtn_OnProfit_Checked",
                 false);
    expect_colour(w, "ChBx_RedBlack_Text Text_23_Steps", kSilver);
    expect_colour(w, "ChBx_Columns_Text RaBtn_SetUnits_Text RaBtn_BetOnUptrend_Text", kGrey);
    expect_colour(w, "ROZ_Steps23_Text", kOlive);
    // Set Units is the mode, but the option is off: its amount black and its arrows inert.
    expect_colour(w, "BAR_SetUnits_Text", kBlack);
    QCOMPARE(top(w, "Button_Arrow_BAR_SetUnits_Left")->objectName(),
             QStringLiteral("Button_Arrow_BAR_SetUnits_Left_Disabled"));
    // Switched on, the option offers its mode at once.
    click(w, "ChBx_BetAutomaticReset_UnChecked");
    expect_colour(w, "RaBtn_SetUnits_Text BAR_SetUnits_Text", kSilver);
    expect_colour(w, "RaBtn_OnProfit_Text", kGrey);
    expect_shown(w, "Button_Arrow_BAR_SetUnits_Left_Disabled", false);

    // Saved under a name without extension, the file gets ".kvs".
    answer = base + QStringLiteral("_out");
    point(w, "Button_Settings_S");
    QTest::mouseClick(element(w, "Button_Settings_Hover_S"), Qt::LeftButton, {}, QPoint(5, 5));
    QFile saved(base + QStringLiteral("_out.kvs"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith("1\r\n0\r\n1\r\n1\r\n0\r\n0\r\n\r\n20\r\n"));
    QFile::remove(file.fileName());
    QFile::remove(saved.fileName());

    // SETTINGS draws the defaults again.
    point(w, "Button_SETTINGS");
    QTest::mouseClick(element(w, "Button_SETTINGS_Hover"), Qt::LeftButton, {}, QPoint(5, 5));
    expect_defaults(w, QStringLiteral("0,10"));
}

void OptionsPanelTest::every_list_option_shows_in_the_label_it_names() {
    MainWindow w;
    open(w);
    for (const corvane::Option* o : corvane::kOptions) {
        if (o->kind == corvane::OptionKind::List) {
            w.engine().apply(o->step.op, {}, +1);  // every value off its default
        }
    }
    w.refresh();
    QCOMPARE(values(w), QStringLiteral("2|11|9|3x Bet|4x Bet|2|2|0,20"));
    for (const corvane::Option* o : corvane::kOptions) {
        if (o->kind == corvane::OptionKind::List) {
            const QString name = QString::fromLatin1(o->shown.data(), o->shown.size());
            QCOMPARE(text(w, name), QString::fromStdString(w.engine().shown(*o)));
        }
    }
}

QTEST_MAIN(OptionsPanelTest)
#include "options_panel_test.moc"
