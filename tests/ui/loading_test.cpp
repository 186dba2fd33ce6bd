// A game of a million numbers loaded through the window: the board is painted anew before the
// file is read, the loading bar moves with both passes of the load, and afterwards the panel
// is gone and the board takes numbers.
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "core/number_file.h"
#include "tests/support/window.h"
#include "ui/main_window.h"

using corvane::MainWindow;
using corvane::testing::element;
using corvane::testing::shown;

namespace {

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

}  // namespace

class LoadingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QGuiApplication::styleHints()->setMouseDoubleClickInterval(0); }
    void a_large_file_moves_the_bar_and_leaves_the_board_ready();
};

void LoadingTest::a_large_file_moves_the_bar_and_leaves_the_board_ready() {
    constexpr int kCount = 1000000;
    std::vector<std::uint8_t> numbers(kCount);
    int non_zero = 0;
    for (int i = 0; i < kCount; ++i) {
        numbers[i] = static_cast<std::uint8_t>((i * 11 + i / 37) % corvane::kNumberCount);
        non_zero += numbers[i] != 0 ? 1 : 0;
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("million.kvn"));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const std::string text = corvane::number_file_text(numbers);
        f.write(text.data(), static_cast<qint64>(text.size()));
    }

    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.engine().spin(7);

    // A dialog over the board, as the system's would be, gone when the name comes back.
    bool dialog_gone = false;
    w.ask_file = [&](bool, const QString&, const QString&) {
        QDialog dialog(&w);
        dialog.setGeometry(QRect(w.mapToGlobal(QPoint(60, 60)), QSize(400, 200)));
        dialog.show();
        const bool was_shown = QTest::qWaitForWindowExposed(&dialog);
        dialog.hide();
        dialog_gone = was_shown;
        return file;
    };
    // The board beneath the dialog is painted anew before the load makes the bar move.
    auto* bar = w.findChild<corvane::Bar*>(QStringLiteral("ProgressBar1"));
    QVERIFY(bar != nullptr);
    std::vector<int> values;
    PaintWatch bar_paints(bar, [&] { values.push_back(bar->value()); });
    bool board_painted_before_read = false;
    PaintWatch board(element(w, "Image_UI"), [&] {
        board_painted_before_read |=
            dialog_gone && bar->value() == 0 &&
            std::all_of(values.begin(), values.end(), [](int v) { return v == 0; });
    });

    QTest::mouseMove(element(w, "Button_L"), QPoint(5, 5));
    QTest::mouseClick(element(w, "Button_L_Hover"), Qt::LeftButton, {}, QPoint(5, 5));

    QVERIFY(board_painted_before_read);
    // Two passes, each rising from 0: the lines checked to the end, then the statistics
    // replayed up to the share of numbers that are not zero.
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
    QCOMPARE(passes[1].back(), static_cast<int>(std::int64_t{non_zero} * 100 / kCount));
    for (const std::vector<int>& pass : passes) {
        QVERIFY2(pass.size() >= 20, "the bar moves in small steps");
    }

    QVERIFY(!shown(w, "LoadingPanel"));
    QCOMPARE(w.engine().game().numbers.size(), std::size_t{kCount});
    QCOMPARE(w.engine().game().input_ready, 1);
    QCOMPARE(qobject_cast<QLabel*>(element(w, "HisNum1"))->text(), QString::number(numbers.back()));
    QTest::mouseMove(element(w, "UI_Button_5"), QPoint(10, 10));
    QVERIFY(shown(w, "UI_Button_Hover_5"));
}

QTEST_MAIN(LoadingTest)
#include "loading_test.moc"
