// The window program. `corvane FILE...` loads each file as the window's load buttons would,
// after the evening kept across restarts, if the player keeps it, is continued or set aside.
#include <QApplication>

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "app/test_drive.h"
#include "ui/desktop_platform.h"
#include "ui/main_window.h"
#include "ui/plan_store.h"
#include "ui/skin.h"

int main(int argc, char** argv) {
    const corvane::PlatformChoice platform =
        corvane::choose_platform(corvane::DesktopEnvironment::current());
    if (!platform.cannot_start.empty()) {
        // Said before Qt starts: Qt itself would abort without a word the player can act on.
        std::fprintf(stderr, "corvane: the window cannot start: %s\n",
                     platform.cannot_start.c_str());
        return 1;
    }
    if (!platform.platform.empty()) {
        qputenv("QT_QPA_PLATFORM", platform.platform.c_str());
    }
    QApplication app(argc, argv);
    if (!platform.platform.empty()) {
        // The programs Corvane starts (the browser showing the manual) choose their own.
        qunsetenv("QT_QPA_PLATFORM");
    }
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
    // The money plan the player left, kept in their configuration folder.
    window.use_plan(corvane::load_plan(), corvane::load_warning_sound());
    window.remember_plan = [](const corvane::MoneyPlan& plan, bool sound) {
        corvane::save_plan(plan);
        corvane::save_warning_sound(sound);
    };
    const bool driven = corvane::test_drive_wanted();
    if (driven) {
        corvane::prepare_test_drive(window);
    }
    window.show();
    // Once the window is on screen, so that the questions and messages stand over it: the
    // evening kept across restarts (with the plan in force, whose warnings the replayed spins
    // give), then the files named.
    QTimer::singleShot(0, &window, [&window, &platform, driven] {
        window.start_evening();
        for (const QString& file : QApplication::arguments().mid(1)) {
            window.open_file(file);
        }
        if (platform.cannot_stay_on_top) {
            corvane::tell_cannot_stay_on_top(window);
        }
        if (driven) {
            corvane::start_test_drive(window);
        }
    });
    return QApplication::exec();
}
