// The window program.
#include <QApplication>

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "ui/main_window.h"
#include "ui/skin.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setDesktopFileName(QStringLiteral("corvane"));
    QPixmap icon(64, 64);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        corvane::skin::paint_icon(painter, QRectF(0, 0, 64, 64));
    }
    QApplication::setWindowIcon(QIcon(icon));
    corvane::MainWindow window;
    window.show();
    return QApplication::exec();
}
