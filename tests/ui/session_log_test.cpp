// The session log on screen and as CSV: the window's context menu, Ctrl+L, the log window's
// table following the game, and the export through the window's file dialog.
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTableView>
#include <QTest>

#include <unistd.h>

#include "tests/support/window.h"
#include "ui/main_window.h"
#include "ui/session_log_model.h"

using corvane::CategoryId;
using corvane::MainWindow;
using corvane::SessionLogModel;
using corvane::testing::click_spin;
using corvane::testing::element;
using B = SessionLogModel::BetColumn;

class SessionLogTest : public QObject {
    Q_OBJECT

  private:
    static QString temp(const QString& name) {
        return QDir::tempPath() + QStringLiteral("/corvane_log_test_%1_").arg(getpid()) + name;
    }
    static void click(MainWindow& w, const QString& name) {
        QTest::mouseMove(element(w, name), QPoint(5, 5));
        QTest::mouseClick(element(w, name + QStringLiteral("_Hover")), Qt::LeftButton, {},
                          QPoint(5, 5));
    }
    // Red/Black alone with chains of three: after 2 1 3 5 a bet of 1 on Black loses on 7, 2 on
    // Black loses on the zero, 4 on Black wins 8 on the 2.
    static void play_red_black(MainWindow& w, std::initializer_list<int> numbers) {
        for (CategoryId c : {CategoryId::EO, CategoryId::LM, CategoryId::D, CategoryId::C}) {
            w.engine().apply(corvane::SettingOp::Category_Off, c);
        }
        for (int i = 0; i < 7; ++i) {
            w.engine().apply(corvane::SettingOp::CL12_Step, {}, -1);
        }
        for (int n : numbers) {
            click_spin(w, n);
        }
    }
    // A right click on an element as the window system delivers it: the press goes to the
    // element, then the window turns it into a context menu event.
    static QMenu* right_click(MainWindow& w, const QString& name) {
        QWidget* target = element(w, name);
        QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, target->mapTo(&w, QPoint(3, 3)));
        return w.findChild<QMenu*>(QStringLiteral("ContextMenu"));
    }
    static void choose(QMenu* menu, const QString& text) {
        for (QAction* a : menu->actions()) {
            if (a->text() == text) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no menu entry ") + text));
    }
    static QString text(const QAbstractItemModel* m, int row, int column) {
        return m->index(row, column).data().toString();
    }
    static QString label(QWidget* log, const char* name) {
        return log->findChild<QLabel*>(QLatin1String(name))->text();
    }

  private slots:
    void initTestCase() { QGuiApplication::styleHints()->setMouseDoubleClickInterval(0); }
    void context_menu_on_any_element();
    void ctrl_l_opens_one_log_beside_the_window();
    void table_follows_spins_undo_loads_and_new_games();
    void export_through_the_dialog();
};

void SessionLogTest::context_menu_on_any_element() {
    MainWindow w;
    QList<QUrl> opened;
    QStringList asked;
    w.open_url = [&](const QUrl& url) {
        opened << url;
        return true;
    };
    w.ask_file = [&](bool save, const QString& filter, const QString& suffix) {
        asked << QStringLiteral("%1 %2 %3").arg(save).arg(filter, suffix);
        return QString();
    };
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize size = w.size();
    // The skin, a label, a number cell, a bar and a button leave the right click to the window.
    for (const char* name : {"Image_UI", "HisNum1", "UI_Button_5", "CGauge1", "Button_Cancel"}) {
        QMenu* menu = right_click(w, QLatin1String(name));
        QVERIFY2(menu != nullptr && menu->isVisible(), name);
        menu->hide();
    }
    QMenu* menu = right_click(w, QStringLiteral("Image_UI"));
    QStringList texts;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator()) {
            texts << a->text();
        }
    }
    QCOMPARE(texts, QStringList(
                        {QStringLiteral("Session log\u2026"), QStringLiteral("Numbers\u2026"),
                         QStringLiteral("Money plan\u2026"), QStringLiteral("What to expect\u2026"),
                         QStringLiteral("Export session as CSV\u2026"),
                         QStringLiteral("Keep the evening across restarts"),
                         QStringLiteral("New evening\u2026"), QStringLiteral("Help"),
                         QStringLiteral("About Corvane")}));
    QCOMPARE(w.move_requests(), 0);

    choose(menu, QStringLiteral("Help"));
    QVERIFY(!menu->isVisible());
    QCOMPARE(opened.size(), 1);
    const QString manual = opened[0].toLocalFile();
    QVERIFY(QFile::exists(manual));

    choose(right_click(w, QStringLiteral("Image_UI")), QStringLiteral("About Corvane"));
    auto* about = w.findChild<QMessageBox*>(QStringLiteral("AboutBox"));
    QVERIFY(about != nullptr);
    QVERIFY(about->text().contains(QStringLiteral("Corvane " CORVANE_VERSION)));
    QVERIFY(about->text().contains(QStringLiteral("Copyright 2026 The Corvane developers")));
    QVERIFY(about->text().contains(QStringLiteral("published under the MIT licence")));
    QVERIFY(about->text().contains(manual));
    about->close();

    choose(right_click(w, QStringLiteral("Image_UI")),
           QStringLiteral("Export session as CSV\u2026"));
    QCOMPARE(asked, QStringList{QStringLiteral("1 Session (*.csv) csv")});

    choose(right_click(w, QStringLiteral("Image_UI")), QStringLiteral("Session log\u2026"));
    QVERIFY(w.findChild<QWidget*>(QStringLiteral("SessionLogWindow"))->isVisible());
    QCOMPARE(w.size(), size);
}

void SessionLogTest::ctrl_l_opens_one_log_beside_the_window() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.findChild<QWidget*>(QStringLiteral("SessionLogWindow")) == nullptr);
    QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
    auto* log = w.findChild<QWidget*>(QStringLiteral("SessionLogWindow"));
    QVERIFY(log != nullptr && log->isVisible());
    QVERIFY(log->isWindow());
    QVERIFY(log->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(log->windowTitle(), QStringLiteral("Session log"));
    // The offscreen screen (800 x 600) has no room beside the window: the log stays on it.
    QVERIFY(w.screen()->availableGeometry().contains(log->frameGeometry()));
    // Closed and opened again: the same window, where it was.
    const QPoint at = log->pos();
    log->close();
    QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(w.findChildren<QWidget*>(QStringLiteral("SessionLogWindow")).size(), 1);
    QVERIFY(log->isVisible());
    QCOMPARE(log->pos(), at);
}

void SessionLogTest::table_follows_spins_undo_loads_and_new_games() {
    MainWindow w;
    const QString file = temp(QStringLiteral("six.kvn"));
    w.ask_file = [&](bool, const QString&, const QString&) { return file; };
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Opened part-way through: it shows what went before.
    play_red_black(w, {2, 1, 3});
    QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
    auto* log = w.findChild<QWidget*>(QStringLiteral("SessionLogWindow"));
    const QAbstractItemModel* m = log->findChild<QTableView*>(QStringLiteral("Log_Table"))->model();
    QCOMPARE(m->rowCount(), 3);
    QSignalSpy inserted(m, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(m, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(m, &QAbstractItemModel::modelReset);
    for (int n : {5, 7, 0, 2}) {
        click_spin(w, n);
    }
    // Each spin adds its row at the top and touches no other.
    QCOMPARE(inserted.size(), 4);
    for (const QList<QVariant>& args : inserted) {
        QCOMPARE(args.at(1).toInt(), 0);
        QCOMPARE(args.at(2).toInt(), 0);
    }
    QCOMPARE(m->rowCount(), 7);
    const int rb = SessionLogModel::column(CategoryId::RB, B::Bet);
    const QStringList newest = {QStringLiteral("7"),       QStringLiteral("2"),
                                QStringLiteral("1000001"), QStringLiteral("Black"),
                                QStringLiteral("4"),       QStringLiteral("1"),
                                QStringLiteral("won"),     QStringLiteral("8")};
    for (int c = 0; c < newest.size(); ++c) {
        QCOMPARE(text(m, 0, c < 3 ? c : rb + c - 3), newest[c]);
    }
    QCOMPARE(text(m, 1, SessionLogModel::column(CategoryId::RB, B::Result)),
             QStringLiteral("lost"));
    // No bet stood on the first numbers, and none ever on Even/Odd.
    QCOMPARE(text(m, 6, SessionLogModel::kNumber), QStringLiteral("2"));
    QCOMPARE(text(m, 6, rb), QString());
    QCOMPARE(text(m, 0, SessionLogModel::column(CategoryId::EO, B::Paid)), QString());
    QCOMPARE(label(log, "Log_Bankroll"), QStringLiteral("1000001"));
    QCOMPARE(label(log, "Log_WinRate12"), QStringLiteral("33%"));
    QCOMPARE(label(log, "Log_LosingRun12"), QStringLiteral("2"));

    // The undo takes the top row away: the zero's row is the newest again.
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(m->rowCount(), 6);
    QCOMPARE(text(m, 0, SessionLogModel::kSpin), QStringLiteral("6"));
    QCOMPARE(text(m, 0, SessionLogModel::kNumber), QStringLiteral("0"));
    QCOMPARE(label(log, "Log_Bankroll"), QStringLiteral("999993"));

    // A loaded game as long as the one shown still replaces every row.
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("36\n35\n34\n33\n32\n31\n");
    f.close();
    click(w, QStringLiteral("Button_L"));
    QCOMPARE(reset.size(), 1);
    QCOMPARE(m->rowCount(), 6);
    QCOMPARE(text(m, 0, SessionLogModel::kNumber), QStringLiteral("31"));
    QCOMPARE(label(log, "Log_LosingRun12"), QStringLiteral("0"));
    QFile::remove(file);

    w.set_options_open(true);
    click(w, QStringLiteral("Button_SPINS"));
    QCOMPARE(m->rowCount(), 0);
}

void SessionLogTest::export_through_the_dialog() {
    MainWindow w;
    QStringList messages;
    QString answer;
    int asked = 0;
    w.show_message = [&](const QString& text) { messages << text; };
    w.ask_file = [&](bool, const QString&, const QString&) {
        ++asked;
        return answer;
    };
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    play_red_black(w, {2, 1, 3, 5, 7, 0, 2});
    QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
    QWidget* button = w.findChild<QWidget*>(QStringLiteral("SessionLogWindow"))
                          ->findChild<QWidget*>("Log_Export");

    const QString file = temp(QStringLiteral("session.csv"));
    QFile::remove(file);
    QTest::mouseClick(button, Qt::LeftButton);  // cancelled
    QCOMPARE(asked, 1);
    QVERIFY(!QFile::exists(file));
    answer = file;
    QTest::mouseClick(button, Qt::LeftButton);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().toStdString(), corvane::session_csv(w.engine().game().log));
    written.close();
    QFile::remove(file);
    QVERIFY(messages.isEmpty());

    answer = QStringLiteral("/nonexistent-folder/session.csv");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(messages, QStringList{QStringLiteral("Cannot create file ") + answer});
}

QTEST_MAIN(SessionLogTest)
#include "session_log_test.moc"
