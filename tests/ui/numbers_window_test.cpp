// The numbers window: Ctrl+N and the menu open one window beside the main one, on the screen;
// it follows spins, undo, loads and new games; its table sorts; the hot arc's p-value arrives
// from the simulation and the sentence reads it as the wheel library does; the ring paints the
// pockets on their colours and the shades of their deviation, crisp at ratio 1 and 2. And the
// placement every window beside the main one uses, on a few screens.
#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTableView>
#include <QTest>

#include <unistd.h>

#include "base/random_numbers.h"
#include "tests/support/window.h"
#include "ui/main_window.h"
#include "ui/numbers_window.h"
#include "ui/pocket_table_model.h"
#include "ui/wheel_ring.h"
#include "ui/window_place.h"
#include "wheel/fair_wheels.h"
#include "wheel/fairness.h"

using corvane::MainWindow;
using corvane::PocketTableModel;
using corvane::testing::click_spin;
using corvane::testing::element;

class NumbersWindowTest : public QObject {
    Q_OBJECT

  private:
    static corvane::NumbersWindow* open(MainWindow& w) {
        QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
        return w.findChild<corvane::NumbersWindow*>(QStringLiteral("NumbersWindow"));
    }
    static QString label(QWidget* window, const QString& name) {
        auto* l = window->findChild<QLabel*>(name);
        return l == nullptr ? QStringLiteral("(no label %1)").arg(name) : l->text();
    }
    static const QAbstractItemModel* table(QWidget* window) {
        return window->findChild<QTableView*>(QStringLiteral("Numbers_Table"))->model();
    }
    // The text of a pocket's cell, found by its number whatever the order of the rows.
    static QString cell(QWidget* window, int number, int column) {
        const QAbstractItemModel* m = table(window);
        for (int row = 0; row < m->rowCount(); ++row) {
            if (m->index(row, PocketTableModel::kNumber).data(Qt::UserRole).toInt() == number) {
                return m->index(row, column).data().toString();
            }
        }
        return QStringLiteral("(no pocket %1)").arg(number);
    }

  private slots:
    void ctrl_n_and_the_menu_open_one_window_on_the_screen();
    void follows_spins_undo_loads_and_new_games();
    void the_table_sorts_by_any_column();
    void the_hot_arc_p_value_arrives_and_the_sentence_reads_it();
    void the_ring_paints_pockets_and_shades_at_ratio_1_and_2();
    void placement_beside_the_main_window_stays_on_the_screen_data();
    void placement_beside_the_main_window_stays_on_the_screen();
};

void NumbersWindowTest::ctrl_n_and_the_menu_open_one_window_on_the_screen() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.findChild<QWidget*>(QStringLiteral("NumbersWindow")) == nullptr);
    QWidget* numbers = open(w);
    QVERIFY(numbers != nullptr && numbers->isVisible());
    QVERIFY(numbers->isWindow());
    QVERIFY(numbers->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(numbers->windowTitle(), QStringLiteral("Numbers"));
    // Where the placement puts it: the offscreen screen (800 x 600) is smaller than the window.
    QCOMPARE(numbers->pos(),
             corvane::place_beside(w.frameGeometry(), numbers->frameGeometry().size(),
                                   w.screen()->availableGeometry()));
    QVERIFY(w.screen()->availableGeometry().contains(numbers->pos()));
    const QPoint at = numbers->pos();
    numbers->close();
    // Again from the right-click menu: the same window, where it was.
    QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, QPoint(300, 20));
    auto* menu = w.findChild<QMenu*>(QStringLiteral("ContextMenu"));
    QVERIFY(menu != nullptr);
    QAction* entry = nullptr;
    for (QAction* a : menu->actions()) {
        entry = a->text() == QStringLiteral("Numbers\u2026") ? a : entry;
    }
    QVERIFY(entry != nullptr);
    QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    QCOMPARE(w.findChildren<QWidget*>(QStringLiteral("NumbersWindow")).size(), 1);
    QVERIFY(numbers->isVisible());
    QCOMPARE(numbers->pos(), at);
}

void NumbersWindowTest::follows_spins_undo_loads_and_new_games() {
    MainWindow w;
    const QString file =
        QDir::tempPath() + QStringLiteral("/corvane_numbers_test_%1.kvn").arg(getpid());
    w.ask_file = [&](bool, const QString&, const QString&) { return file; };
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int n : {17, 0}) {
        click_spin(w, n);
    }
    // Opened part-way through: it shows what went before.
    QWidget* numbers = open(w);
    QCOMPARE(cell(numbers, 17, PocketTableModel::kHits), QStringLiteral("1"));
    QCOMPARE(cell(numbers, 17, PocketTableModel::kSince), QStringLiteral("1"));
    QCOMPARE(cell(numbers, 5, PocketTableModel::kLongestGap), QStringLiteral("2"));
    for (int n : {17, 5}) {
        click_spin(w, n);
    }
    QCOMPARE(cell(numbers, 17, PocketTableModel::kHits), QStringLiteral("2"));
    QCOMPARE(cell(numbers, 17, PocketTableModel::kShare), QStringLiteral("50.00 %"));
    QCOMPARE(cell(numbers, 17, PocketTableModel::kExpected), QStringLiteral("0.1"));
    QCOMPARE(cell(numbers, 17, PocketTableModel::kSince), QStringLiteral("1"));
    QCOMPARE(cell(numbers, 0, PocketTableModel::kLongestGap), QStringLiteral("2"));
    QCOMPARE(label(numbers, QStringLiteral("Numbers_Since_Red")), QStringLiteral("0"));
    QCOMPARE(label(numbers, QStringLiteral("Numbers_Since_Black")), QStringLiteral("1"));
    QCOMPARE(label(numbers, QStringLiteral("Numbers_Since_D3")), QStringLiteral("never"));
    QCOMPARE(label(numbers, QStringLiteral("Numbers_Sector_orphans_Hits")), QStringLiteral("2"));
    QCOMPARE(label(numbers, QStringLiteral("Numbers_Sector_zero_neighbours_Hits")),
             QStringLiteral("1"));  // the zero; 5 is in the third of the wheel
    QCOMPARE(label(numbers, QStringLiteral("Numbers_Sector_third_Expected")),
             QStringLiteral("1.3"));
    QVERIFY(label(numbers, QStringLiteral("Numbers_Verdict"))
                .startsWith(QStringLiteral("4 spins: too early to tell")));

    // The undo takes the 5 back: 17 was the last spin again.
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cell(numbers, 5, PocketTableModel::kHits), QStringLiteral("0"));
    QCOMPARE(cell(numbers, 17, PocketTableModel::kSince), QStringLiteral("0"));
    QCOMPARE(cell(numbers, 5, PocketTableModel::kLongestGap), QStringLiteral("3"));
    QCOMPARE(label(numbers, QStringLiteral("Numbers_Since_Red")), QStringLiteral("never"));
    QVERIFY(
        label(numbers, QStringLiteral("Numbers_Verdict")).startsWith(QStringLiteral("3 spins")));

    // A loaded game replaces the tally.
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("36\n36\n1\n");
    f.close();
    QTest::mouseMove(element(w, QStringLiteral("Button_L")), QPoint(5, 5));
    QTest::mouseClick(element(w, QStringLiteral("Button_L_Hover")), Qt::LeftButton, {},
                      QPoint(5, 5));
    QFile::remove(file);
    QCOMPARE(cell(numbers, 36, PocketTableModel::kHits), QStringLiteral("2"));
    QCOMPARE(cell(numbers, 17, PocketTableModel::kHits), QStringLiteral("0"));
    QCOMPARE(cell(numbers, 36, PocketTableModel::kLongestGap), QStringLiteral("1"));

    // A new game empties it.
    w.set_options_open(true);
    QTest::mouseMove(element(w, QStringLiteral("Button_SPINS")), QPoint(5, 5));
    QTest::mouseClick(element(w, QStringLiteral("Button_SPINS_Hover")), Qt::LeftButton, {},
                      QPoint(5, 5));
    QCOMPARE(cell(numbers, 36, PocketTableModel::kHits), QStringLiteral("0"));
    QVERIFY(
        label(numbers, QStringLiteral("Numbers_Verdict")).startsWith(QStringLiteral("0 spins")));
}

void NumbersWindowTest::the_table_sorts_by_any_column() {
    MainWindow w;
    w.show();
    for (int n : {9, 9, 9, 4, 4, 30}) {
        w.engine().spin(n);
    }
    w.refresh();
    QWidget* numbers = open(w);
    auto* view = numbers->findChild<QTableView*>(QStringLiteral("Numbers_Table"));
    const QAbstractItemModel* m = view->model();
    const auto number_at = [m](int row) {
        return m->index(row, PocketTableModel::kNumber).data(Qt::UserRole).toInt();
    };
    QCOMPARE(number_at(0), 0);  // by number at first
    QCOMPARE(number_at(36), 36);
    // A click on a header sorts by it; a second click turns the order round.
    QHeaderView* header = view->horizontalHeader();
    const QPoint hits(header->sectionViewportPosition(PocketTableModel::kHits) + 10, 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, hits);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, hits);
    const int first = number_at(0);
    const int last = number_at(36);
    QVERIFY((first == 9 && last != 9 && last != 4) || (last == 9 && first != 9 && first != 4));
    const QPoint since(header->sectionViewportPosition(PocketTableModel::kSince) + 10, 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, since);
    QCOMPARE(header->sortIndicatorSection(), int(PocketTableModel::kSince));
    // 30 came last (0 spins since), 4 before it (1), 9 before that (3); the rest never (6).
    const bool ascending = header->sortIndicatorOrder() == Qt::AscendingOrder;
    QCOMPARE(number_at(ascending ? 0 : 36), 30);
    QCOMPARE(number_at(ascending ? 1 : 35), 4);
    QCOMPARE(number_at(ascending ? 2 : 34), 9);
}

void NumbersWindowTest::the_hot_arc_p_value_arrives_and_the_sentence_reads_it() {
    MainWindow w;
    w.show();
    corvane::RandomNumbers numbers(77);
    for (int i = 0; i < 400; ++i) {
        w.engine().spin(numbers.next());
    }
    w.refresh();
    QWidget* window = open(w);
    QTRY_VERIFY_WITH_TIMEOUT(
        !label(window, QStringLiteral("Numbers_ArcTest")).contains(QStringLiteral("simulated")),
        10000);
    corvane::WheelFindings f = corvane::examine(w.engine().game().wheel.counts());
    f.arc_p = corvane::FairWheels(400).p_value(f.arcs);
    QCOMPARE(label(window, QStringLiteral("Numbers_Verdict")),
             QString::fromStdString(corvane::verdict_text(f)));
    QVERIFY(label(window, QStringLiteral("Numbers_ArcTest"))
                .contains(QString::fromStdString(corvane::p_text(*f.arc_p))));
    QVERIFY(label(window, QStringLiteral("Numbers_PocketsTest"))
                .contains(QStringLiteral("36 degrees of freedom, ") +
                          QString::fromStdString(corvane::p_text(f.pockets.p))));
    // An undo goes back to 399 spins, whose wheels are simulated anew; a spin to 400 again
    // finds its wheels known and reads at once.
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(
        label(window, QStringLiteral("Numbers_Verdict")).startsWith(QStringLiteral("399 spins")));
    QTRY_VERIFY_WITH_TIMEOUT(
        !label(window, QStringLiteral("Numbers_ArcTest")).contains(QStringLiteral("simulated")),
        10000);
    w.engine().spin(f.counts[17] > 0 ? 17 : 5);
    w.refresh();
    QVERIFY(
        !label(window, QStringLiteral("Numbers_ArcTest")).contains(QStringLiteral("simulated")));
}

void NumbersWindowTest::the_ring_paints_pockets_and_shades_at_ratio_1_and_2() {
    corvane::WheelTally tally;
    // Pocket 32 (right of the zero) far above its share, 26 (left of it) far below.
    for (int i = 0; i < 370; ++i) {
        tally.add(i % 37 == 26 ? 32 : i % 37);
    }
    for (int i = 0; i < 60; ++i) {
        tally.add(32);
    }
    for (qreal ratio : {1.0, 2.0}) {
        corvane::WheelRing ring(tally, nullptr);
        const QSize size = ring.size();
        QImage image(size * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        ring.render(&image);
        const double side = std::min(size.width(), size.height() - 26);
        const double outer = side / 2.0 - 9.0;
        const QPointF centre(size.width() / 2.0, side / 2.0);
        const auto at = [&](double radius, double degrees) {
            const double a = degrees * M_PI / 180.0;
            return image.pixelColor(
                QPoint(static_cast<int>((centre.x() + radius * std::sin(a)) * ratio),
                       static_cast<int>((centre.y() - radius * std::cos(a)) * ratio)));
        };
        const double step = 360.0 / 37;
        // The zero's pocket at twelve, green, its number white; 32 red beside it.
        const QColor zero = at(outer * 0.84, 2.5);
        QCOMPARE(zero, QColor(60, 87, 2));
        QCOMPARE(at(outer * 0.84, step + 2.5), QColor(102, 0, 0));
        QCOMPARE(at(outer * 0.84, -step - 2.5), QColor(25, 25, 25));
        // The shades: 32 hot, 26 cold, a pocket at its share neither.
        QCOMPARE(at(outer * 0.7, step),
                 corvane::heat_colour(corvane::deviation(tally.hits(32), tally.spins())));
        QVERIFY(at(outer * 0.7, step).red() > 200);
        QVERIFY(at(outer * 0.7, -step).blue() > at(outer * 0.7, -step).red() + 60);
        // Crisp: inside a pocket there is no blend of its colour with the next.
        QCOMPARE(at(outer * 0.84, -2.5), QColor(60, 87, 2));
    }
}

void NumbersWindowTest::placement_beside_the_main_window_stays_on_the_screen_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("expected");
    const QSize window(820, 620);
    // The main window where it first opens, (221, 121), 549 x 330.
    QTest::newRow("room on the right")
        << QRect(0, 0, 1920, 1080) << QRect(221, 121, 549, 330) << window << QPoint(778, 121);
    QTest::newRow("room on the left only")
        << QRect(0, 0, 1920, 1080) << QRect(1300, 121, 549, 330) << window << QPoint(472, 121);
    // 1280 x 1024: no room on either side, but below.
    QTest::newRow("below on 1280 x 1024")
        << QRect(0, 0, 1280, 1024) << QRect(221, 21, 549, 330) << window << QPoint(221, 359);
    // No room beside at all: against the edge that covers less of the main window.
    QTest::newRow("nowhere beside, 1280 x 1024")
        << QRect(0, 0, 1280, 1024) << QRect(221, 121, 549, 660) << window << QPoint(460, 121);
    QTest::newRow("main at the right edge")
        << QRect(0, 0, 1280, 800) << QRect(731, 200, 549, 330) << window << QPoint(0, 180);
    // A lower window beside a main window low on the screen rises to stay on it.
    QTest::newRow("raised to fit")
        << QRect(0, 0, 1920, 1080) << QRect(221, 700, 549, 330) << window << QPoint(778, 460);
    // A second screen, left of the first, with a panel on top.
    QTest::newRow("screen with an offset")
        << QRect(-1600, 30, 1600, 870) << QRect(-1500, 100, 549, 330) << window
        << QPoint(-943, 100);
    QTest::newRow("larger than the screen")
        << QRect(0, 0, 800, 600) << QRect(100, 100, 549, 330) << window << QPoint(0, 0);
}

void NumbersWindowTest::placement_beside_the_main_window_stays_on_the_screen() {
    QFETCH(QRect, screen);
    QFETCH(QRect, main);
    QFETCH(QSize, size);
    QFETCH(QPoint, expected);
    const QPoint at = corvane::place_beside(main, size, screen);
    QCOMPARE(at, expected);
    if (size.width() <= screen.width() && size.height() <= screen.height()) {
        QVERIFY(screen.contains(QRect(at, size)));
    }
}

QTEST_MAIN(NumbersWindowTest)
#include "numbers_window_test.moc"
