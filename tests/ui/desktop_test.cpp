// What the window meets on a real desktop: a manual that cannot be shown, the system's save
// dialog with its questions (answered here as a player would), and a long load.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "base/number_file.h"
#include "tests/support/window.h"

using corvane::MainWindow;
using corvane::testing::element;
using corvane::testing::shown;

namespace {

// Answers the modal dialogs as they come up: the file dialog with a name typed in its folder,
// a question with the given button, a dialog still open after 3 s with Cancel. Answers are
// queued, so that a question the file dialog raises inside its own accept comes up in a loop
// that still polls.
class Player : public QObject {
  public:
    Player(const QString& file, QMessageBox::StandardButton answer) {
        connect(&timer_, &QTimer::timeout, this, [=, this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* stuck = qobject_cast<QDialog*>(modal); stuck && ++ticks_ > 300) {
                QMetaObject::invokeMethod(stuck, &QDialog::reject, Qt::QueuedConnection);
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !typed_) {
                typed_ = true;
                dialog->setDirectory(QFileInfo(file).absolutePath());
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(file).fileName());
                QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
            } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && box != asked_) {
                asked_ = box;
                ++questions;
                QMetaObject::invokeMethod(box->button(answer), &QAbstractButton::click,
                                          Qt::QueuedConnection);
            }
        });
        timer_.start(10);
    }
    int questions = 0;

  private:
    QTimer timer_;
    bool typed_ = false;
    QMessageBox* asked_ = nullptr;
    int ticks_ = 0;
};

// Runs `seen` on every paint of a widget.
class PaintWatch : public QObject {
  public:
    PaintWatch(QWidget* watched, std::function<void()> seen) : seen_(std::move(seen)) {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            seen_();
        }
        return false;
    }

  private:
    std::function<void()> seen_;
};

void click(MainWindow& w, const char* button, const char* hover) {
    QTest::mouseMove(element(w, button), QPoint(5, 5));
    QTest::mouseClick(element(w, hover), Qt::LeftButton, {}, QPoint(5, 5));
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QGuiApplication::styleHints()->setMouseDoubleClickInterval(0); }
    void help_that_cannot_open_names_the_manual();
    void save_questions_by_file_kind_data();
    void save_questions_by_file_kind();
    void a_long_load_moves_the_bar_and_leaves_the_board_ready();
};

void DesktopTest::help_that_cannot_open_names_the_manual() {
    MainWindow w;
    QStringList messages;
    QList<QUrl> opened;
    bool opens = true;
    w.show_message = [&](const QString& text) { messages << text; };
    w.open_url = [&](const QUrl& url) {
        opened << url;
        return opens;
    };
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QString manual = QFileInfo(CORVANE_SOURCE_DIR "/docs/manual.html").canonicalFilePath();
    w.manual_paths = {"/nonexistent/manual.html", CORVANE_SOURCE_DIR "/docs/../docs/manual.html"};
    click(w, "Button_Help", "Button_Help_Hover");  // the first copy that exists; no message
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(manual)});
    QVERIFY(messages.isEmpty());

    opens = false;  // the desktop could not open it: its full path, the window as it was
    click(w, "Button_Help", "Button_Help_Hover");
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].endsWith('\n' + manual), qPrintable(messages[0]));
    QCOMPARE(w.size(), QSize(549, 330));

    w.manual_paths = {"/nonexistent/bin/../share/doc/corvane/manual.html"};  // no copy at all
    click(w, "Button_Help", "Button_Help_Hover");
    QCOMPARE(opened.size(), 2);
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages[1].endsWith("\n/nonexistent/share/doc/corvane/manual.html"),
             qPrintable(messages[1]));
}

void DesktopTest::save_questions_by_file_kind_data() {
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("chosen");
    // A settings file is only confirmed before it replaces another.
    QTest::newRow("new settings file") << "kvs" << false << QMessageBox::No << 0 << true;
    QTest::newRow("settings over a file") << "kvs" << true << QMessageBox::Yes << 1 << true;
    // A number file is also confirmed before it is made, and No drops the save.
    QTest::newRow("new number file, yes") << "kvn" << false << QMessageBox::Yes << 1 << true;
    QTest::newRow("new number file, no") << "kvn" << false << QMessageBox::No << 1 << false;
    QTest::newRow("numbers over a file") << "kvn" << true << QMessageBox::Yes << 1 << true;
}

void DesktopTest::save_questions_by_file_kind() {
    QFETCH(QString, suffix);
    QFETCH(bool, exists);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, chosen);
    QTemporaryDir dir;
    const QString file = dir.filePath("mine." + suffix);
    QFile f(file);
    QVERIFY(!exists || f.open(QIODevice::WriteOnly));
    MainWindow w;  // with the system's dialogs
    Player player(file, answer);
    const QString name = w.ask_file(true, "Files (*." + suffix + ')', suffix);
    QTEST(player.questions, "questions");
    QCOMPARE(name, chosen ? file : QString());
}

// A game of a million numbers: the board beneath the dialog is painted anew before the file is
// read, the bar moves with both passes of the load, and the board is ready afterwards.
void DesktopTest::a_long_load_moves_the_bar_and_leaves_the_board_ready() {
    std::vector<std::uint8_t> numbers(1000000);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        numbers[i] = static_cast<std::uint8_t>((i * 11 + i / 37) % corvane::kNumberCount);
    }
    const auto non_zero = numbers.size() - std::count(numbers.begin(), numbers.end(), 0);
    QTemporaryDir dir;
    QFile file(dir.filePath("million.kvn"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(corvane::number_file_text(numbers)));
    file.close();

    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    bool dialog_gone = false;
    w.ask_file = [&](bool, const QString&, const QString&) {
        QDialog dialog(&w);  // over the board, as the system's would be
        dialog.setGeometry(QRect(w.mapToGlobal(QPoint(60, 60)), QSize(400, 200)));
        dialog.show();
        dialog_gone = QTest::qWaitForWindowExposed(&dialog);
        dialog.hide();
        return file.fileName();
    };
    auto* bar = w.findChild<corvane::Bar*>("ProgressBar1");
    std::vector<int> values;
    PaintWatch bar_paints(bar, [&] { values.push_back(bar->value()); });
    bool board_painted_before_read = false;
    PaintWatch board(element(w, "Image_UI"), [&] {
        board_painted_before_read |=
            dialog_gone && bar->value() == 0 &&
            std::none_of(values.begin(), values.end(), [](int v) { return v > 0; });
    });
    click(w, "Button_L", "Button_L_Hover");

    QVERIFY(board_painted_before_read);
    // Two passes rising from 0: the lines checked to the end, then the statistics replayed
    // up to the share of numbers that are not zero; each in many small steps.
    std::vector<std::vector<int>> passes;
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k == 0 || values[k] < values[k - 1]) {
            passes.emplace_back();
        }
        passes.back().push_back(values[k]);
    }
    QCOMPARE(passes.size(), std::size_t{2});
    QCOMPARE(passes[0].front(), 0);
    QCOMPARE(passes[0].back(), 100);
    QCOMPARE(passes[1].front(), 0);
    QCOMPARE(passes[1].back(), static_cast<int>(non_zero * 100 / numbers.size()));
    QVERIFY(passes[0].size() >= 20 && passes[1].size() >= 20);

    QVERIFY(!shown(w, "LoadingPanel"));
    QCOMPARE(w.engine().game().numbers.size(), numbers.size());
    QCOMPARE(qobject_cast<QLabel*>(element(w, "HisNum1"))->text(), QString::number(numbers.back()));
    QTest::mouseMove(element(w, "UI_Button_5"), QPoint(10, 10));
    QVERIFY(shown(w, "UI_Button_Hover_5"));
}

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
