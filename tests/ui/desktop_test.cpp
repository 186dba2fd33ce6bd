// What the window meets on a real desktop: a manual that cannot be shown, and the system's
// save dialog with its questions, answered here as a player would.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "tests/support/window.h"
#include "ui/main_window.h"

using corvane::MainWindow;
using corvane::testing::element;

namespace {

// Answers the modal dialogs as they come up: the file dialog with a name, each question with
// the next button of a list, writing down what was asked. Every answer is queued, so that the
// question a file dialog raises in its own accept comes up in a loop that still polls.
class Player : public QObject {
  public:
    Player(QString file, QList<QMessageBox::StandardButton> answers)
        : file_(std::move(file)), answers_(std::move(answers)) {
        connect(&timer_, &QTimer::timeout, this, [this] { step(); });
        timer_.start(10);
    }

    QStringList questions;

  private:
    void step() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* stuck = qobject_cast<QDialog*>(modal); stuck != nullptr && ++ticks_ > 300) {
            // A dialog left open after every answer was given fails the test, not hangs it.
            QMetaObject::invokeMethod(stuck, &QDialog::reject, Qt::QueuedConnection);
            return;
        }
        if (modal == nullptr || modal == handled_) {
            return;
        }
        handled_ = modal;
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            // The player goes to the folder and types the name.
            dialog->setDirectory(QFileInfo(file_).absolutePath());
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QFileInfo(file_).fileName());
            QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            questions << box->text();
            QAbstractButton* button = answers_.isEmpty() ? box->button(QMessageBox::No)
                                                         : box->button(answers_.takeFirst());
            QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
        }
    }

    QTimer timer_;
    QString file_;
    QList<QMessageBox::StandardButton> answers_;
    QWidget* handled_ = nullptr;
    int ticks_ = 0;
};

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private:
    void press_help(MainWindow& w) {
        QTest::mouseMove(element(w, "Button_Help"), QPoint(5, 5));
        QTest::mouseClick(element(w, "Button_Help_Hover"), Qt::LeftButton, {}, QPoint(5, 5));
    }

  private slots:
    void help_that_cannot_open_names_the_manual();
    void save_questions_by_file_kind_data();
    void save_questions_by_file_kind();
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
    const QString manual =
        QFileInfo(QStringLiteral(CORVANE_SOURCE_DIR "/docs/manual.html")).canonicalFilePath();
    w.manual_paths = {QStringLiteral("/nonexistent/share/doc/corvane/manual.html"),
                      QStringLiteral(CORVANE_SOURCE_DIR "/docs/../docs/manual.html")};

    // The first copy that exists is opened; success says nothing.
    press_help(w);
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(manual)});
    QVERIFY(messages.isEmpty());

    // The desktop could not open it: the player reads where it is, and the window is as it was.
    opens = false;
    press_help(w);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].endsWith(QLatin1Char('\n') + manual), qPrintable(messages[0]));
    QCOMPARE(w.size(), QSize(549, 330));
    QVERIFY(w.engine().game().numbers.empty());

    // No copy anywhere: nothing is opened, and the message names where the manual belongs.
    w.manual_paths = {QStringLiteral("/nonexistent/bin/../share/doc/corvane/manual.html")};
    press_help(w);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages[1].endsWith(QStringLiteral("\n/nonexistent/share/doc/corvane/manual.html")),
             qPrintable(messages[1]));
}

void DesktopTest::save_questions_by_file_kind_data() {
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("chosen");
    // A settings file is only confirmed before it replaces another.
    QTest::newRow("new settings file") << "kvs" << false << int(QMessageBox::No) << 0 << true;
    QTest::newRow("settings over a file") << "kvs" << true << int(QMessageBox::Yes) << 1 << true;
    // A number file is also confirmed before it is made, and No drops the save.
    QTest::newRow("new number file, yes") << "kvn" << false << int(QMessageBox::Yes) << 1 << true;
    QTest::newRow("new number file, no") << "kvn" << false << int(QMessageBox::No) << 1 << false;
    QTest::newRow("numbers over a file") << "kvn" << true << int(QMessageBox::Yes) << 1 << true;
}

void DesktopTest::save_questions_by_file_kind() {
    QFETCH(QString, suffix);
    QFETCH(bool, exists);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(bool, chosen);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("mine.") + suffix);
    if (exists) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    MainWindow w;  // with the system's dialogs
    Player player(file, {static_cast<QMessageBox::StandardButton>(answer)});
    const QString name = w.ask_file(true, QStringLiteral("Files (*.") + suffix + ')', suffix);
    QCOMPARE(player.questions.size(), questions);
    QCOMPARE(name, chosen ? file : QString());
}

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
