// The window under the offscreen platform: geometry of every element, the board's hover and
// busy protocol, the Cancel button, moving the window, the keyboard.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QStyleHints>
#include <QTest>

#include <unistd.h>

#include "tests/support/window.h"
#include "ui/main_window.h"

using corvane::MainWindow;
using corvane::testing::element;
using corvane::testing::expect_geometry;
using corvane::testing::shown;

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    int shown_cell_hovers(MainWindow& w) {
        int count = 0;
        for (int n = 0; n <= 36; ++n) {
            count += shown(w, QStringLiteral("UI_Button_Hover_%1").arg(n)) ? 1 : 0;
        }
        return count;
    }
    // Points at cell n and clicks its hover picture, as a player does.
    void click_cell(MainWindow& w, int n) {
        QTest::mouseMove(element(w, QStringLiteral("UI_Button_%1").arg(n)), QPoint(15, 15));
        QWidget* hover = element(w, QStringLiteral("UI_Button_Hover_%1").arg(n));
        if (hover->isVisible()) {
            QTest::mouseClick(hover, Qt::LeftButton, {}, QPoint(15, 15));
        }
    }
    void spin(MainWindow& w, int n) {
        click_cell(w, n);
        w.engine().finish_spin();
        w.refresh();
    }

  private slots:
    void initTestCase() {
        // Separate clicks of one test, or of two tests, must not merge into a double click.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    }
    void geometry_data();
    void geometry();
    void window_properties();
    void click_enters_the_number_once();
    void busy_board_shows_no_hover_and_frees_itself();
    void hover_moves_from_cell_to_cell();
    void cancel_follows_the_undo();
    void bets_show_with_stakes_chain_labels_and_tooltips();
    void press_on_skin_moves_the_window_press_on_label_does_not();
    void keyboard_entry();
    void options_button_opens_and_closes_the_panel();
    void file_dialog_cancel_and_messages();
    void dialog_open_during_a_spin_leaves_the_board_ready();
};

// Where every element of the closed window stands, written out as the layout was drawn. A
// caption's place is binding and its width is its text's: its row has no size.
struct Place {
    const char* name;
    QRect rect;
};
const Place kPlaces[] = {
    {"UI_Button_0", {24, 120, 31, 31}},
    {"UI_Button_Hover_0", {24, 120, 31, 31}},
    {"Image0", {24, 120, 31, 31}},
    {"UI_Button_1", {56, 152, 31, 31}},
    {"UI_Button_Hover_1", {56, 152, 31, 31}},
    {"Image1", {56, 152, 31, 31}},
    {"UI_Button_2", {56, 120, 31, 31}},
    {"UI_Button_Hover_2", {56, 120, 31, 31}},
    {"Image2", {56, 120, 31, 31}},
    {"UI_Button_3", {56, 88, 31, 31}},
    {"UI_Button_Hover_3", {56, 88, 31, 31}},
    {"Image3", {56, 88, 31, 31}},
    {"UI_Button_4", {88, 152, 31, 31}},
    {"UI_Button_Hover_4", {88, 152, 31, 31}},
    {"Image4", {88, 152, 31, 31}},
    {"UI_Button_5", {88, 120, 31, 31}},
    {"UI_Button_Hover_5", {88, 120, 31, 31}},
    {"Image5", {88, 120, 31, 31}},
    {"UI_Button_6", {88, 88, 31, 31}},
    {"UI_Button_Hover_6", {88, 88, 31, 31}},
    {"Image6", {88, 88, 31, 31}},
    {"UI_Button_7", {120, 152, 31, 31}},
    {"UI_Button_Hover_7", {120, 152, 31, 31}},
    {"Image7", {120, 152, 31, 31}},
    {"UI_Button_8", {120, 120, 31, 31}},
    {"UI_Button_Hover_8", {120, 120, 31, 31}},
    {"Image8", {120, 120, 31, 31}},
    {"UI_Button_9", {120, 88, 31, 31}},
    {"UI_Button_Hover_9", {120, 88, 31, 31}},
    {"Image9", {120, 88, 31, 31}},
    {"UI_Button_10", {152, 152, 31, 31}},
    {"UI_Button_Hover_10", {152, 152, 31, 31}},
    {"Image10", {152, 152, 31, 31}},
    {"UI_Button_11", {152, 120, 31, 31}},
    {"UI_Button_Hover_11", {152, 120, 31, 31}},
    {"Image11", {152, 120, 31, 31}},
    {"UI_Button_12", {152, 88, 31, 31}},
    {"UI_Button_Hover_12", {152, 88, 31, 31}},
    {"Image12", {152, 88, 31, 31}},
    {"UI_Button_13", {184, 152, 31, 31}},
    {"UI_Button_Hover_13", {184, 152, 31, 31}},
    {"Image13", {184, 152, 31, 31}},
    {"UI_Button_14", {184, 120, 31, 31}},
    {"UI_Button_Hover_14", {184, 120, 31, 31}},
    {"Image14", {184, 120, 31, 31}},
    {"UI_Button_15", {184, 88, 31, 31}},
    {"UI_Button_Hover_15", {184, 88, 31, 31}},
    {"Image15", {184, 88, 31, 31}},
    {"UI_Button_16", {216, 152, 31, 31}},
    {"UI_Button_Hover_16", {216, 152, 31, 31}},
    {"Image16", {216, 152, 31, 31}},
    {"UI_Button_17", {216, 120, 31, 31}},
    {"UI_Button_Hover_17", {216, 120, 31, 31}},
    {"Image17", {216, 120, 31, 31}},
    {"UI_Button_18", {216, 88, 31, 31}},
    {"UI_Button_Hover_18", {216, 88, 31, 31}},
    {"Image18", {216, 88, 31, 31}},
    {"UI_Button_19", {248, 152, 31, 31}},
    {"UI_Button_Hover_19", {248, 152, 31, 31}},
    {"Image19", {248, 152, 31, 31}},
    {"UI_Button_20", {248, 120, 31, 31}},
    {"UI_Button_Hover_20", {248, 120, 31, 31}},
    {"Image20", {248, 120, 31, 31}},
    {"UI_Button_21", {248, 88, 31, 31}},
    {"UI_Button_Hover_21", {248, 88, 31, 31}},
    {"Image21", {248, 88, 31, 31}},
    {"UI_Button_22", {280, 152, 31, 31}},
    {"UI_Button_Hover_22", {280, 152, 31, 31}},
    {"Image22", {280, 152, 31, 31}},
    {"UI_Button_23", {280, 120, 31, 31}},
    {"UI_Button_Hover_23", {280, 120, 31, 31}},
    {"Image23", {280, 120, 31, 31}},
    {"UI_Button_24", {280, 88, 31, 31}},
    {"UI_Button_Hover_24", {280, 88, 31, 31}},
    {"Image24", {280, 88, 31, 31}},
    {"UI_Button_25", {312, 152, 31, 31}},
    {"UI_Button_Hover_25", {312, 152, 31, 31}},
    {"Image25", {312, 152, 31, 31}},
    {"UI_Button_26", {312, 120, 31, 31}},
    {"UI_Button_Hover_26", {312, 120, 31, 31}},
    {"Image26", {312, 120, 31, 31}},
    {"UI_Button_27", {312, 88, 31, 31}},
    {"UI_Button_Hover_27", {312, 88, 31, 31}},
    {"Image27", {312, 88, 31, 31}},
    {"UI_Button_28", {344, 152, 31, 31}},
    {"UI_Button_Hover_28", {344, 152, 31, 31}},
    {"Image28", {344, 152, 31, 31}},
    {"UI_Button_29", {344, 120, 31, 31}},
    {"UI_Button_Hover_29", {344, 120, 31, 31}},
    {"Image29", {344, 120, 31, 31}},
    {"UI_Button_30", {344, 88, 31, 31}},
    {"UI_Button_Hover_30", {344, 88, 31, 31}},
    {"Image30", {344, 88, 31, 31}},
    {"UI_Button_31", {376, 152, 31, 31}},
    {"UI_Button_Hover_31", {376, 152, 31, 31}},
    {"Image31", {376, 152, 31, 31}},
    {"UI_Button_32", {376, 120, 31, 31}},
    {"UI_Button_Hover_32", {376, 120, 31, 31}},
    {"Image32", {376, 120, 31, 31}},
    {"UI_Button_33", {376, 88, 31, 31}},
    {"UI_Button_Hover_33", {376, 88, 31, 31}},
    {"Image33", {376, 88, 31, 31}},
    {"UI_Button_34", {408, 152, 31, 31}},
    {"UI_Button_Hover_34", {408, 152, 31, 31}},
    {"Image34", {408, 152, 31, 31}},
    {"UI_Button_35", {408, 120, 31, 31}},
    {"UI_Button_Hover_35", {408, 120, 31, 31}},
    {"Image35", {408, 120, 31, 31}},
    {"UI_Button_36", {408, 88, 31, 31}},
    {"UI_Button_Hover_36", {408, 88, 31, 31}},
    {"Image36", {408, 88, 31, 31}},
    {"BetField_Less", {57, 220, 62, 32}},
    {"Bet_Less", {64, 228, 46, 14}},
    {"Bet_Less_Chain", {59, 220, 20, 12}},
    {"BetIndicator_Less", {88, 229, 4, 15}},
    {"BetField_Even", {121, 220, 62, 32}},
    {"Bet_Even", {128, 228, 46, 14}},
    {"Bet_Even_Chain", {123, 220, 20, 12}},
    {"BetIndicator_Even", {152, 229, 4, 15}},
    {"BetField_Red", {185, 220, 62, 32}},
    {"Bet_Red", {192, 228, 46, 14}},
    {"Bet_Red_Chain", {187, 220, 20, 12}},
    {"BetIndicator_Red", {216, 229, 4, 15}},
    {"BetField_Black", {249, 220, 62, 32}},
    {"Bet_Black", {256, 228, 46, 14}},
    {"Bet_Black_Chain", {251, 220, 20, 12}},
    {"BetIndicator_Black", {280, 229, 4, 15}},
    {"BetField_Odd", {313, 220, 62, 32}},
    {"Bet_Odd", {320, 228, 46, 14}},
    {"Bet_Odd_Chain", {315, 220, 20, 12}},
    {"BetIndicator_Odd", {344, 229, 4, 15}},
    {"BetField_More", {377, 220, 62, 32}},
    {"Bet_More", {384, 228, 46, 14}},
    {"Bet_More_Chain", {379, 220, 20, 12}},
    {"BetIndicator_More", {408, 229, 4, 15}},
    {"BetField_Dozen1", {57, 186, 125, 32}},
    {"Bet_Dozen1", {96, 194, 46, 14}},
    {"Bet_Dozen1_Chain", {59, 187, 20, 12}},
    {"BetIndicator_Dozen1", {120, 195, 4, 15}},
    {"BetField_Dozen2", {185, 186, 125, 32}},
    {"Bet_Dozen2", {224, 194, 46, 14}},
    {"Bet_Dozen2_Chain", {187, 187, 20, 12}},
    {"BetIndicator_Dozen2", {248, 195, 4, 15}},
    {"BetField_Dozen3", {313, 186, 125, 32}},
    {"Bet_Dozen3", {352, 194, 46, 14}},
    {"Bet_Dozen3_Chain", {315, 187, 20, 12}},
    {"BetIndicator_Dozen3", {376, 195, 4, 15}},
    {"BetField_Column1", {443, 152, 81, 29}},
    {"Bet_Column1", {459, 159, 46, 14}},
    {"Bet_Column1_Chain", {445, 153, 20, 12}},
    {"BetIndicator_Column1", {483, 160, 4, 15}},
    {"BetField_Column2", {443, 120, 81, 29}},
    {"Bet_Column2", {459, 127, 46, 14}},
    {"Bet_Column2_Chain", {445, 121, 20, 12}},
    {"BetIndicator_Column2", {483, 128, 4, 15}},
    {"BetField_Column3", {443, 88, 81, 29}},
    {"Bet_Column3", {459, 95, 46, 14}},
    {"Bet_Column3_Chain", {445, 89, 20, 12}},
    {"BetIndicator_Column3", {483, 96, 4, 15}},
    {"Image_UI", {0, 0, 549, 700}},
    {"HideBets1", {56, 185, 383, 69}},
    {"HideBets2", {442, 87, 83, 96}},
    {"Button_Help", {474, 5, 22, 22}},
    {"Button_Help_Hover", {474, 5, 22, 22}},
    {"Button_Hide", {497, 5, 22, 22}},
    {"Button_Hide_Hover", {497, 5, 22, 22}},
    {"Button_Close", {520, 5, 22, 22}},
    {"Button_Close_Hover", {520, 5, 22, 22}},
    {"Button_L", {83, 49, 21, 21}},
    {"Button_L_Hover", {83, 49, 21, 21}},
    {"Button_S", {105, 49, 21, 21}},
    {"Button_S_Hover", {105, 49, 21, 21}},
    {"HistoryBox", {133, 47, 196, 24}},
    {"Button_Cancel", {334, 49, 62, 21}},
    {"Button_Cancel_Hover", {334, 49, 62, 21}},
    {"Button_Cancel_Inactive", {334, 49, 62, 21}},
    {"CGauge1", {26, 272, 495, 7}},
    {"Button_Options", {248, 293, 53, 27}},
    {"Button_Options_Hover", {248, 293, 53, 27}},
    {"Button_Options_Pressed", {248, 293, 53, 27}},
    {"LoadingPanel", {80, 104, 377, 113}},
    {"LoadingCaption", {72, 40, 120, 14}},
    {"ProgressBar1", {72, 56, 233, 17}},
    {"CGauge_RedBlack", {288, 370, 65, 9}},
    {"CGauge_EvenOdd", {376, 370, 65, 9}},
    {"CGauge_LessMore", {464, 370, 65, 9}},
    {"CGauge_D1", {288, 402, 65, 9}},
    {"CGauge_D2", {376, 402, 65, 9}},
    {"CGauge_D3", {464, 402, 65, 9}},
    {"CGauge_C1", {288, 434, 65, 9}},
    {"CGauge_C2", {376, 434, 65, 9}},
    {"CGauge_C3", {464, 434, 65, 9}},
    {"CGauge_WinRate12", {288, 466, 113, 17}},
    {"CGauge_WinRate23", {408, 466, 129, 17}},
    {"Line_Left", {0, 36, 2, 500}},
    {"Line_Right", {548, 37, 2, 500}},
    {"Line_Bottom", {0, 328, 548, 5}},
    {"HisNum1", {137, 51, 17, 16}},
    {"HisNum2", {156, 51, 17, 16}},
    {"HisNum3", {175, 51, 17, 16}},
    {"HisNum4", {194, 51, 17, 16}},
    {"HisNum5", {213, 51, 17, 16}},
    {"HisNum6", {232, 51, 17, 16}},
    {"HisNum7", {251, 51, 17, 16}},
    {"HisNum8", {270, 51, 17, 16}},
    {"HisNum9", {289, 51, 17, 16}},
    {"HisNum10", {308, 51, 17, 16}},
    {"Stat_Red_Text", QRect(QPoint(289, 339), QSize())},
    {"Stat_Black_Text", QRect(QPoint(289, 355), QSize())},
    {"Stat_Even_Text", QRect(QPoint(377, 339), QSize())},
    {"Stat_Odd_Text", QRect(QPoint(377, 355), QSize())},
    {"Stat_Less_Text", QRect(QPoint(465, 339), QSize())},
    {"Stat_More_Text", QRect(QPoint(465, 355), QSize())},
    {"Stat_D1_Text", QRect(QPoint(289, 389), QSize())},
    {"Stat_D2_Text", QRect(QPoint(377, 389), QSize())},
    {"Stat_D3_Text", QRect(QPoint(465, 389), QSize())},
    {"Stat_C1_Text", QRect(QPoint(289, 421), QSize())},
    {"Stat_C2_Text", QRect(QPoint(377, 421), QSize())},
    {"Stat_C3_Text", QRect(QPoint(465, 421), QSize())},
    {"Stat_WinRate12", QRect(QPoint(289, 453), QSize())},
    {"Stat_WinRate23", QRect(QPoint(409, 453), QSize())},
};

void MainWindowTest::geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    for (const Place& p : kPlaces) {
        QTest::newRow(p.name) << QString::fromLatin1(p.name) << p.rect;
    }
}

void MainWindowTest::geometry() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    MainWindow w;
    expect_geometry(w, name, rect);
}

void MainWindowTest::window_properties() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Corvane"));
    QCOMPARE(w.size(), QSize(549, 330));
    QCOMPARE(w.pos(), QPoint(221, 121));
    QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(25, 25, 25));
    QCOMPARE(element(w, "UI_Button_7")->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(element(w, "Button_Cancel")->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(element(w, "Bet_Red_Chain")->cursor().shape(), Qt::WhatsThisCursor);
    // At rest only the normal pictures show.
    QCOMPARE(shown_cell_hovers(w), 0);
    for (const char* hidden :
         {"Image0", "BetField_Red", "Bet_Red", "Bet_Red_Chain", "BetIndicator_Red", "HideBets1",
          "LoadingPanel", "Button_Options_Pressed", "Button_Help_Hover"}) {
        QVERIFY2(!shown(w, hidden), hidden);
    }
    QVERIFY(shown(w, "Button_Cancel_Inactive"));
}

void MainWindowTest::click_enters_the_number_once() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click_cell(w, 17);
    QVERIFY(shown(w, "Image17"));
    // The second click lands on the pressed picture, which takes none.
    QTest::mouseClick(element(w, "Image17"), Qt::LeftButton, {}, QPoint(15, 15));
    QTest::mouseDClick(element(w, "Image17"), Qt::LeftButton, {}, QPoint(15, 15));
    QTest::mouseRelease(element(w, "Image17"), Qt::LeftButton, {}, QPoint(15, 15));
    QCOMPARE(w.engine().game().numbers, std::vector<std::uint8_t>{17});
}

void MainWindowTest::busy_board_shows_no_hover_and_frees_itself() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click_cell(w, 4);
    QVERIFY(shown(w, "HideBets1"));
    QVERIFY(shown(w, "HideBets2"));
    QTest::mouseMove(element(w, "UI_Button_5"), QPoint(10, 10));
    QVERIFY(!shown(w, "UI_Button_Hover_5"));
    click_cell(w, 5);
    QCOMPARE(w.engine().game().numbers.size(), std::size_t{1});
    // The 15 ms timer runs the animation out on its own, in about 375 ms.
    QTRY_VERIFY_WITH_TIMEOUT(!shown(w, "HideBets1"), 3000);
    QVERIFY(!shown(w, "Image4"));
    QVERIFY(w.engine().game().undo_available);
    QTest::mouseMove(element(w, "UI_Button_5"), QPoint(12, 12));
    QVERIFY(shown(w, "UI_Button_Hover_5"));
}

void MainWindowTest::hover_moves_from_cell_to_cell() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseMove(element(w, "UI_Button_8"), QPoint(10, 10));
    QTest::mouseMove(element(w, "UI_Button_11"), QPoint(10, 10));
    QCOMPARE(shown_cell_hovers(w), 1);
    QVERIFY(shown(w, "UI_Button_Hover_11"));
    // Crossing a label does nothing; the bare skin hides every hover.
    QTest::mouseMove(element(w, "HisNum3"), QPoint(5, 5));
    QCOMPARE(shown_cell_hovers(w), 1);
    QTest::mouseMove(element(w, "Image_UI"), QPoint(300, 20));
    QCOMPARE(shown_cell_hovers(w), 0);
}

void MainWindowTest::cancel_follows_the_undo() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    spin(w, 9);
    QVERIFY(!shown(w, "Button_Cancel_Inactive"));
    QTest::mouseMove(element(w, "Button_Cancel"), QPoint(5, 5));
    QVERIFY(shown(w, "Button_Cancel_Hover"));
    QTest::mouseClick(element(w, "Button_Cancel_Hover"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(w.engine().game().numbers.empty());
    QVERIFY(shown(w, "Button_Cancel_Inactive"));
    QCOMPARE(qobject_cast<QLabel*>(element(w, "HisNum1"))->text(), QString());
}

void MainWindowTest::bets_show_with_stakes_chain_labels_and_tooltips() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int n : {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21}) {
        spin(w, n);
    }
    // Ten reds after a black: chain 1, the bet goes on Black, lost once: stake 2.
    QVERIFY(shown(w, "BetField_Black"));
    QVERIFY(shown(w, "Bet_Black"));
    QVERIFY(!shown(w, "BetField_Red"));
    auto* stake = qobject_cast<QLabel*>(element(w, "Bet_Black"));
    QCOMPARE(stake->text(), QStringLiteral("2"));
    auto* chain = qobject_cast<QLabel*>(element(w, "Bet_Black_Chain"));
    QVERIFY(chain->isVisible());
    QCOMPARE(chain->text(), QStringLiteral("Ch 1"));
    QCOMPARE(chain->toolTip(), QStringLiteral("Chain 1  (1 = RED, 0 = BLACK):  111111111111..."));
    QCOMPARE(qobject_cast<QLabel*>(element(w, "HisNum1"))->text(), QStringLiteral("21"));
    QCOMPARE(qobject_cast<QLabel*>(element(w, "HisNum1"))->palette().color(QPalette::Window),
             QColor(102, 0, 0));
    QCOMPARE(qobject_cast<QLabel*>(element(w, "Stat_Less_Text"))->text(),
             QStringLiteral("Less (83%)"));
}

void MainWindowTest::press_on_skin_moves_the_window_press_on_label_does_not() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const auto press = [&](const char* name, Qt::MouseButton button, QPoint at) {
        QTest::mousePress(element(w, name), button, {}, at);
        QTest::mouseRelease(element(w, name), button, {}, at);
    };
    press("Image_UI", Qt::LeftButton, {200, 20});
    QCOMPARE(w.move_requests(), 1);
    press("Image_UI", Qt::MiddleButton, {200, 20});
    QCOMPARE(w.move_requests(), 2);
    // The right button opens the window's menu instead.
    press("Image_UI", Qt::RightButton, {200, 20});
    QCOMPARE(w.move_requests(), 2);
    press("HisNum2", Qt::LeftButton, {3, 3});
    press("CGauge1", Qt::LeftButton, {3, 3});
    press("UI_Button_3", Qt::LeftButton, {3, 3});
    press("Bet_Red", Qt::LeftButton, {3, 3});
    QCOMPARE(w.move_requests(), 2);
}

void MainWindowTest::keyboard_entry() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClicks(&w, QStringLiteral("3"));
    QVERIFY(shown(w, "UI_Button_Hover_3"));
    QTest::keyClicks(&w, QStringLiteral("2"));
    QVERIFY(shown(w, "UI_Button_Hover_32"));
    QCOMPARE(shown_cell_hovers(w), 1);
    QTest::keyClick(&w, Qt::Key_Backspace);
    QVERIFY(shown(w, "UI_Button_Hover_3"));
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(shown_cell_hovers(w), 0);
    QTest::keyClicks(&w, QStringLiteral("05"));
    QTest::keyClick(&w, Qt::Key_Return);
    w.engine().finish_spin();
    // A second digit that makes no number starts a new one: 4 then 5 is 5.
    QTest::keyClicks(&w, QStringLiteral("45"));
    QTest::keyClick(&w, Qt::Key_Space);
    w.engine().finish_spin();
    QCOMPARE(w.engine().game().numbers, (std::vector<std::uint8_t>{5, 5}));
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.engine().game().numbers, (std::vector<std::uint8_t>{5}));
    // Enter with nothing typed does nothing.
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(w.engine().game().numbers.size(), std::size_t{1});
    // The top of the range: 3 then 6 is 36; 3 then 7 is no number, so the 7 starts anew.
    QTest::keyClicks(&w, QStringLiteral("36"));
    QVERIFY(shown(w, "UI_Button_Hover_36"));
    QCOMPARE(shown_cell_hovers(w), 1);
    QTest::keyClick(&w, Qt::Key_Return);
    w.engine().finish_spin();
    QCOMPARE(w.engine().game().numbers, (std::vector<std::uint8_t>{5, 36}));
    QTest::keyClicks(&w, QStringLiteral("37"));
    QVERIFY(shown(w, "UI_Button_Hover_7"));
    QCOMPARE(shown_cell_hovers(w), 1);
}

void MainWindowTest::options_button_opens_and_closes_the_panel() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseMove(element(w, "Button_Options"), QPoint(5, 5));
    QTest::mouseClick(element(w, "Button_Options_Hover"), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(w.height(), 660);
    QCOMPARE(element(w, "Line_Bottom")->y(), 658);
    QVERIFY(shown(w, "Button_Options_Pressed"));
    QTest::mouseClick(element(w, "Button_Options_Pressed"), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(w.height(), 330);
    QCOMPARE(element(w, "Line_Bottom")->y(), 328);
}

void MainWindowTest::file_dialog_cancel_and_messages() {
    MainWindow w;
    QStringList messages;
    QString answer;
    w.show_message = [&](const QString& text) { messages << text; };
    w.ask_file = [&](bool, const QString&, const QString&) { return answer; };
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    spin(w, 12);
    // A cancelled dialog does nothing.
    QTest::mouseMove(element(w, "Button_L"), QPoint(5, 5));
    QTest::mouseClick(element(w, "Button_L_Hover"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(w.engine().game().numbers.size(), std::size_t{1});
    // A folder cannot be loaded: the engine's message is shown.
    answer = QDir::tempPath();
    QTest::mouseClick(element(w, "Button_L_Hover"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(messages, QStringList{QStringLiteral("Cannot open file ") + QDir::tempPath()});
    QCOMPARE(w.engine().game().numbers.size(), std::size_t{1});
    QVERIFY(!shown(w, "LoadingPanel"));
    // Save and load back.
    answer = QDir::tempPath() + QStringLiteral("/corvane_ui_test_%1.kvn").arg(getpid());
    QTest::mouseMove(element(w, "Button_S"), QPoint(5, 5));
    QTest::mouseClick(element(w, "Button_S_Hover"), Qt::LeftButton, {}, QPoint(5, 5));
    spin(w, 0);
    QTest::mouseMove(element(w, "Button_L"), QPoint(5, 5));
    QTest::mouseClick(element(w, "Button_L_Hover"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(w.engine().game().numbers, std::vector<std::uint8_t>{12});
    QCOMPARE(qobject_cast<QLabel*>(element(w, "HisNum1"))->text(), QStringLiteral("12"));
    QVERIFY(shown(w, "Button_Cancel_Inactive"));
    QFile::remove(answer);
}

void MainWindowTest::dialog_open_during_a_spin_leaves_the_board_ready() {
    MainWindow w;
    // The dialog stays open for longer than a spin's animation, as a player's would.
    w.ask_file = [](bool, const QString&, const QString&) {
        QTest::qWait(600);
        return QString();
    };
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click_cell(w, 8);
    QVERIFY(shown(w, "HideBets1"));
    QTest::mouseMove(element(w, "Button_L"), QPoint(5, 5));
    QTest::mouseClick(element(w, "Button_L_Hover"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(w.engine().game().input_ready);
    QVERIFY(!shown(w, "HideBets1"));
    QVERIFY(!shown(w, "Image8"));
    QCOMPARE(w.engine().game().numbers, std::vector<std::uint8_t>{8});
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
