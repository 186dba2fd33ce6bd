#include "ui/main_window.h"

namespace corvane {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Corvane"));
    setFixedSize(kWidth, kClosedHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(25, 25, 25));
    setPalette(pal);
    setAutoFillBackground(true);
}

}  // namespace corvane
