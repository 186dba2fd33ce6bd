#include "ui/desktop_platform.h"

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>
#include <cstdlib>

#include "ui/main_window.h"

namespace corvane {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Whether Qt would find a Wayland platform plugin: in its own plugin folder or in one that
// QT_PLUGIN_PATH adds. Read before Qt starts, when Qt cannot say it yet.
bool wayland_plugin_installed() {
    QStringList folders = QString::fromLocal8Bit(qgetenv("QT_PLUGIN_PATH"))
                              .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString& folder : folders) {
        const QDir platforms(folder + QStringLiteral("/platforms"));
        if (!platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty()) {
            return true;
        }
    }
    return false;
}

}  // namespace

DesktopEnvironment DesktopEnvironment::current() {
    return {.session_type = variable("XDG_SESSION_TYPE"),
            .wayland_display = variable("WAYLAND_DISPLAY"),
            .display = variable("DISPLAY"),
            .qt_platform = variable("QT_QPA_PLATFORM"),
            .wayland_plugin = wayland_plugin_installed()};
}

PlatformChoice choose_platform(const DesktopEnvironment& e) {
    const bool wayland =
        e.session_type == "wayland" || (e.session_type != "x11" && !e.wayland_display.empty());
    if (!e.qt_platform.empty() || !wayland) {
        return {};
    }
    if (!e.display.empty()) {
        return {.platform = "xcb", .cannot_stay_on_top = false, .cannot_start = {}};
    }
    if (!e.wayland_plugin) {
        return {.platform = {},
                .cannot_stay_on_top = false,
                .cannot_start =
                    "this Wayland desktop runs no XWayland, and Qt's Wayland plugin is not "
                    "installed. Install the package qt6-wayland (sudo apt-get install "
                    "qt6-wayland), or XWayland (package xwayland) for a window that stays on top."};
    }
    return {.platform = "wayland", .cannot_stay_on_top = true, .cannot_start = {}};
}

void tell_cannot_stay_on_top(MainWindow& window) {
    if (window.show_message) {
        window.show_message(
            QStringLiteral("This desktop (Wayland without XWayland) does not let Corvane stay on "
                           "top of other windows: the casino's window may cover it."));
    }
}

}  // namespace corvane
