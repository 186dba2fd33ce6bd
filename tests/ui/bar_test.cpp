// The win-rate gauges painted into images at ratios 1 and 2: the fill ends where the value
// says, and the percentage reads black over the fill and silver over the empty track, the two
// colours meeting exactly at the fill's edge.
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>

#include "ui/bar.h"
#include "ui/layout.h"
#include "ui/skin.h"

using corvane::Bar;

class BarTest : public QObject {
    Q_OBJECT

  private slots:
    void text_reads_on_both_sides_of_the_fill_data();
    void text_reads_on_both_sides_of_the_fill();
};

void BarTest::text_reads_on_both_sides_of_the_fill_data() {
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<int>("value");
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.0, 2.0}) {
        for (int value : {0, 25, 44, 50, 100}) {
            QTest::addRow("1/2 at %d%% ratio %g", value, ratio)
                << corvane::layout::kWinRates[0].bar << corvane::skin::colour::kNavy << value
                << ratio;
            QTest::addRow("2/3 at %d%% ratio %g", value, ratio)
                << corvane::layout::kWinRates[1].bar << corvane::skin::colour::kWinRate23 << value
                << ratio;
        }
    }
}

void BarTest::text_reads_on_both_sides_of_the_fill() {
    QFETCH(QRect, place);
    QFETCH(QColor, fill);
    QFETCH(int, value);
    QFETCH(qreal, ratio);
    Bar bar(nullptr, QStringLiteral("gauge"), place, fill, 100, true);
    bar.set_value(value);
    QImage image(place.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    {
        QPainter p(&image);
        bar.paint(p);
    }
    const int edge = static_cast<int>(std::lround(image.width() * value / 100.0));

    // Left of the edge: the fill, or black text blended into it, never anything lighter.
    // Right of it: the black track, or silver text, always grey. The top row is bare.
    int dark_text = 0;
    int silver_text = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (x < edge) {
                QVERIFY2(
                    c.red() <= fill.red() && c.green() <= fill.green() && c.blue() <= fill.blue(),
                    qPrintable(QStringLiteral("light pixel over the fill at %1,%2").arg(x).arg(y)));
                dark_text += c != fill && c.blue() < fill.blue() / 3 ? 1 : 0;
            } else {
                QVERIFY2(std::abs(c.red() - c.green()) <= 2 && std::abs(c.green() - c.blue()) <= 2,
                         qPrintable(
                             QStringLiteral("coloured pixel off the fill at %1,%2").arg(x).arg(y)));
                silver_text += c.red() >= 150 ? 1 : 0;
            }
        }
    }
    if (edge > 0) {
        QCOMPARE(image.pixelColor(edge - 1, 0), fill);
    }
    if (edge < image.width()) {
        QCOMPARE(image.pixelColor(edge, 0), QColor(Qt::black));
    }
    // The text, centred, lies wholly over the track at 0 and 25 %, wholly over the fill at
    // 100 %, and across the edge at 44 and 50 %: each part shows in its own colour.
    QCOMPARE(dark_text > 0, value >= 44);
    QCOMPARE(silver_text > 0, value <= 50);
}

QTEST_MAIN(BarTest)
#include "bar_test.moc"
