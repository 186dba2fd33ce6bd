// Looking at the window's elements by name, for the window's tests.
#pragma once

#include <QTest>
#include <QWidget>

#include "ui/main_window.h"

namespace corvane::testing {

inline QWidget* element(MainWindow& w, const QString& name) {
    auto* e = w.findChild<QWidget*>(name);
    if (e == nullptr) {
        qWarning("no element %s", qPrintable(name));
    }
    return e;
}

inline bool shown(MainWindow& w, const QString& name) {
    QWidget* e = element(w, name);
    return e != nullptr && e->isVisible();
}

// A click on the number's cell and the ticks of its animation, as the window runs them.
inline void click_spin(MainWindow& w, int n) {
    QTest::mouseMove(element(w, QStringLiteral("UI_Button_%1").arg(n)), QPoint(15, 15));
    QTest::mouseClick(element(w, QStringLiteral("UI_Button_Hover_%1").arg(n)), Qt::LeftButton, {},
                      QPoint(15, 15));
    for (int t = 0; t < kAnimationTicks; ++t) {
        w.animation_tick();
    }
}

// The element stands where the layout puts it; a rectangle without a size checks its place
// only (a caption is as wide as its text).
inline void expect_geometry(MainWindow& w, const QString& name, const QRect& rect) {
    QWidget* e = element(w, name);
    QVERIFY(e != nullptr);
    if (rect.size().isEmpty()) {
        QCOMPARE(e->geometry().topLeft(), rect.topLeft());
    } else {
        QCOMPARE(e->geometry(), rect);
    }
}

}  // namespace corvane::testing
