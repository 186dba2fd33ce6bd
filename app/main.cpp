// The window program.
#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    corvane::MainWindow window;
    window.show();
    return QApplication::exec();
}
