// Renders the window's artwork off screen at pixel ratio 1 and 2 and probes its pixels.
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QtMath>
#include <cmath>

#include "ui/skin.h"

using corvane::skin::Art;
namespace colour = corvane::skin::colour;

namespace {

QImage render(Art art, QSize size, qreal ratio, int number = 0, const QString& text = {}) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    corvane::skin::paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), art, number, text);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The pixel under a logical point.
QRgb at(const QImage& image, qreal x, qreal y) {
    const qreal r = image.devicePixelRatio();
    return image.pixel(static_cast<int>(x * r), static_cast<int>(y * r));
}

bool is_orange(QRgb c) {
    return qAlpha(c) == 255 && qRed(c) >= 235 && qGreen(c) >= 115 && qGreen(c) <= 170 &&
           qBlue(c) <= 50;
}

// How many pixels of a logical rectangle satisfy `test`.
template <typename Test>
int count(const QImage& image, const QRectF& area, Test test) {
    const qreal r = image.devicePixelRatio();
    const QRect physical = QRectF(area.topLeft() * r, area.size() * r).toRect() & image.rect();
    int n = 0;
    for (int y = physical.top(); y <= physical.bottom(); ++y) {
        for (int x = physical.left(); x <= physical.right(); ++x) {
            n += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

const QSize kCell(31, 31);
const QRectF kNumberArea(8, 6, 15, 16);
const QRectF kUnderlineArea(6, 22, 19, 6);

}  // namespace

class SkinTest : public QObject {
    Q_OBJECT

  private slots:
    void cells_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("number");
        for (const qreal ratio : {1.0, 2.0}) {
            for (const int number : {0, 1, 2, 36}) {
                QTest::addRow("%gx/%d", ratio, number) << ratio << number;
            }
        }
    }

    void cells() {
        QFETCH(qreal, ratio);
        QFETCH(int, number);
        const int area = static_cast<int>(ratio * ratio);
        const QImage rest = render(Art::Cell, kCell, ratio, number);
        const QImage hover = render(Art::CellHover, kCell, ratio, number);
        const QImage pressed = render(Art::CellPressed, kCell, ratio, number);
        // The number is grey at rest and under hover, orange when pressed.
        const auto light_grey = [](QRgb c) {
            return qGray(c) > 170 && qAbs(qRed(c) - qBlue(c)) < 12 &&
                   qAbs(qRed(c) - qGreen(c)) < 12;
        };
        QVERIFY(count(rest, kNumberArea, light_grey) >= 6 * area);
        QCOMPARE(count(rest, kNumberArea, is_orange), 0);
        QCOMPARE(count(hover, kNumberArea, is_orange), 0);
        QVERIFY(count(pressed, kNumberArea, is_orange) >= 6 * area);
        // Only the hover picture has the orange underline.
        QCOMPARE(count(rest, kUnderlineArea, is_orange), 0);
        QVERIFY(count(hover, kUnderlineArea, is_orange) >= 10 * area);
        // The cell's colour: green zero, red and black numbers; opaque inside.
        const QRgb side = at(rest, 4, 15);
        QCOMPARE(qAlpha(side), 255);
        if (number == 0) {
            QVERIFY(qGreen(side) > 2 * qRed(side) && qGreen(side) > 80);
        } else if (number == 36 || number == 1) {
            QVERIFY(qRed(side) > 3 * qGreen(side) && qRed(side) > 120);
        } else {
            QVERIFY(qMax(qRed(side), qMax(qGreen(side), qBlue(side))) < 70);
        }
    }

    void controls_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }

    void controls() {
        QFETCH(qreal, ratio);
        const QSize box(17, 17);
        QVERIFY(is_orange(at(render(Art::RadioOn, box, ratio), 8.5, 8.5)));
        const QRgb off = at(render(Art::RadioOff, box, ratio), 8.5, 8.5);
        const QRgb dim = at(render(Art::RadioDisabled, box, ratio), 8.5, 8.5);
        QVERIFY(qRed(off) == qGreen(off) && qGreen(off) == qBlue(off) && qGray(off) > 70);
        QVERIFY(qGray(dim) < qGray(off) - 30 && qAlpha(dim) == 255);
        QVERIFY(count(render(Art::CheckOn, box, ratio), QRectF(0, 0, 17, 17), is_orange) > 8);
        QCOMPARE(count(render(Art::CheckOff, box, ratio), QRectF(0, 0, 17, 17), is_orange), 0);

        const QSize arrow(20, 20);
        const QRectF glyph(5, 3, 10, 12);
        const QRectF under(3, 14, 14, 6);
        const QImage normal = render(Art::ArrowRight, arrow, ratio);
        const QImage active = render(Art::ArrowRightActive, arrow, ratio);
        const QImage pressed = render(Art::ArrowRightPressed, arrow, ratio);
        const QImage disabled = render(Art::ArrowRightDisabled, arrow, ratio);
        QCOMPARE(count(normal, QRectF(0, 0, 20, 20), is_orange), 0);
        QVERIFY(count(active, under, is_orange) > 4);
        QCOMPARE(count(active, glyph, is_orange), 0);
        QVERIFY(count(pressed, glyph, is_orange) > 10);
        const auto bright = [](QRgb c) { return qGray(c) > 140; };
        QVERIFY(count(normal, glyph, bright) > 10);
        QCOMPARE(count(disabled, glyph, bright), 0);

        const QSize options(53, 27);
        const QRectF options_under(10, 18, 33, 6);
        QCOMPARE(count(render(Art::Options, options, ratio), options_under, is_orange), 0);
        QVERIFY(count(render(Art::OptionsHover, options, ratio), options_under, is_orange) > 10);
        QVERIFY(count(render(Art::OptionsPressed, options, ratio), QRectF(18, 5, 17, 12),
                      is_orange) > 10);
    }

    void fixed_colours() {
        QCOMPARE(render(Art::SectionBar, {249, 26}, 1).pixel(120, 13), colour::kSectionBar.rgb());
        QCOMPARE(render(Art::ValueBox, {45, 20}, 2).pixel(45, 20), colour::kSectionBar.rgb());
        QCOMPARE(render(Art::ValueBoxDark, {41, 18}, 1).pixel(20, 9), qRgb(0, 0, 0));
        QCOMPARE(render(Art::HistoryBox, {196, 24}, 2).pixel(196, 24), qRgb(0, 0, 0));
        const QImage frame = render(Art::Frame, {262, 49}, 1);
        QCOMPARE(frame.pixel(131, 0), colour::kFrame.rgb());
        QCOMPARE(qAlpha(frame.pixel(131, 24)), 0);
        // The bet highlight: amber, dense enough for a white label, yet translucent.
        const QRgb field = render(Art::BetField, {62, 32}, 1).pixel(31, 16);
        QVERIFY(qAlpha(field) >= 200 && qAlpha(field) < 255);
        QVERIFY(qRed(field) > qGreen(field) + 50 && qGreen(field) > qBlue(field));
        QVERIFY(qGray(render(Art::Indicator, {4, 15}, 2).pixel(4, 15)) > 200);
        const QImage skin = render(Art::Skin, {549, 700}, 1);
        const QRgb felt = skin.pixel(30, 230);
        QVERIFY(qGreen(felt) > qRed(felt) + 20 && qGreen(felt) > qBlue(felt));
        QCOMPARE(qGray(skin.pixel(300, 275)) < 12, true);  // the progress track
    }

    // The felt's boxes lie under the bet fields and the bed's rim around the number cells: a
    // light rim line exactly on each element's edge, with darker felt on both sides of it.
    void felt_lies_under_the_elements() {
        const QImage skin = render(Art::Skin, {549, 700}, 1);
        struct Edge {
            int x, y;
            bool vertical;  // a left or right edge; else a top edge
        };
        const Edge edges[] = {
            {185, 202, true},  // BetField_Dozen2 at 185, 186
            {443, 100, true},  // BetField_Column3 at 443, 88
            {60, 186, false},  // BetField_Dozen1 at 57, 186
            {22, 130, true},   // the bed, 1.5 px left of UI_Button_0 at 24
            {440, 100, true},  // the bed, 1.5 px right of UI_Button_36 (408 to 438)
        };
        for (const Edge& e : edges) {
            const QPoint step = e.vertical ? QPoint(1, 0) : QPoint(0, 1);
            const QPoint at(e.x, e.y);
            const int rim = qGray(skin.pixel(at));
            QVERIFY2(rim > 80 && qGray(skin.pixel(at - step)) < rim - 40 &&
                         qGray(skin.pixel(at + step)) < rim - 40,
                     qPrintable(QStringLiteral("edge at %1, %2").arg(e.x).arg(e.y)));
        }
    }

    // The title bar: the wheel's brass rim rings its pockets all round, the name is silver on
    // a black shadow, and the highlight along the top of the options button's tab is level.
    void title_bar_and_tab() {
        const QImage skin = render(Art::Skin, {549, 700}, 2);
        const QPointF centre(20, 17.5);  // the wheel's, radius 12.5
        for (int k = 0; k < 12; ++k) {
            const qreal a = qDegreesToRadians(15.0 + 30.0 * k);
            const QRgb c =
                at(skin, centre.x() + 11.6 * std::cos(a), centre.y() + 11.6 * std::sin(a));
            QVERIFY2(qRed(c) >= qGreen(c) && qGreen(c) >= qBlue(c) + 30,
                     qPrintable(QStringLiteral("rim at %1 degrees").arg(15 + 30 * k)));
        }
        const auto warm = [](QRgb c) { return qRed(c) > qBlue(c) + 30; };
        const QRectF name(40, 3, 85, 28);
        QCOMPARE(count(skin, name, warm), 0);
        QVERIFY(count(skin, name, [](QRgb c) { return qGray(c) < 20; }) > 50);
        // The tab's top edge is 5,5 above the button's (248, 293, 53 wide), its highlight a line
        // below it.
        const qreal highlight = 293 - 5.5 + 1;
        QCOMPARE(at(skin, 248 - 7.5 + 10, highlight), at(skin, 248 + 53 + 7.5 - 10, highlight));
        QVERIFY(qGray(at(skin, 270, highlight)) > qGray(at(skin, 270, highlight + 2)));
    }

    void pixmaps() {
        const QPixmap one = corvane::skin::pixmap(Art::BetField, {125, 32}, 1);
        const QPixmap two = corvane::skin::pixmap(Art::BetField, {125, 32}, 2);
        QCOMPARE(one.size(), QSize(125, 32));
        QCOMPARE(two.size(), QSize(250, 64));
        QCOMPARE(two.devicePixelRatio(), 2.0);
        QCOMPARE(one.devicePixelRatio(), 1.0);
        QCOMPARE(corvane::skin::pixmap(Art::BetField, {125, 32}, 2).cacheKey(), two.cacheKey());
        QCOMPARE(two.toImage().convertToFormat(QImage::Format_ARGB32),
                 render(Art::BetField, {125, 32}, 2));
        // Number and caption are part of the key.
        const QPixmap bets = corvane::skin::pixmap(Art::ResetButton, {79, 27}, 2, 0, "BETS");
        const QPixmap spins = corvane::skin::pixmap(Art::ResetButton, {79, 27}, 2, 0, "SPINS");
        QVERIFY(bets.toImage() != spins.toImage());
        QVERIFY(corvane::skin::pixmap(Art::Cell, kCell, 1, 7).toImage() !=
                corvane::skin::pixmap(Art::Cell, kCell, 1, 8).toImage());
    }
};

QTEST_MAIN(SkinTest)
#include "skin_test.moc"
