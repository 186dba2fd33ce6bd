#include "ui/desktop_platform.h"

#include <cstdlib>

#include "ui/main_window.h"

namespace corvane {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

DesktopEnvironment DesktopEnvironment::current() {
    return {.session_type = variable("XDG_SESSION_TYPE"),
            .wayland_display = variable("WAYLAND_DISPLAY"),
            .display = variable("DISPLAY"),
            .qt_platform = variable("QT_QPA_PLATFORM")};
}

PlatformChoice choose_platform(const DesktopEnvironment& e) {
    const bool wayland =
        e.session_type == "wayland" || (e.session_type != "x11" && !e.wayland_display.empty());
    if (!e.qt_platform.empty() || !wayland) {
        return {};
    }
    if (!e.display.empty()) {
        return {.platform = "xcb"};
    }
    return {.platform = "wayland", .cannot_stay_on_top = true};
}

void tell_cannot_stay_on_top(MainWindow& window) {
    if (window.show_message) {
        window.show_message(
            QStringLiteral("This desktop (Wayland without XWayland) does not let Corvane stay on "
                           "top of other windows: the casino's window may cover it."));
    }
}

}  // namespace corvane
