// The window program with the start-up probe.
#include "bench/startup_probe.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    corvane::MainWindow window;
    new corvane::bench::StartupProbe(&window);
    window.show();
    return QApplication::exec();
}
