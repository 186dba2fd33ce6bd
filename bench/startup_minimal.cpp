// The yardstick for start-up: a frameless, always-on-top 549 x 330 Qt Widgets window holding
// about 200 plain labels with small painted pixmaps; no game, no artwork.
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "bench/startup_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window.setFixedSize(549, 330);
    window.move(221, 121);
    for (int i = 0; i < 200; ++i) {
        QPixmap pixmap(20, 20);
        pixmap.fill(Qt::black);
        QPainter p(&pixmap);
        p.setPen(Qt::gray);
        p.drawEllipse(2, 2, 16, 16);
        p.end();
        auto* label = new QLabel(&window);
        label->setPixmap(pixmap);
        label->setGeometry(4 + (i % 20) * 27, 4 + (i / 20) * 32, 20, 20);
    }
    new corvane::bench::StartupProbe(&window);
    window.show();
    return QApplication::exec();
}
