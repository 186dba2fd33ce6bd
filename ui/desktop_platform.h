// Which of Qt's platforms the window runs on. A Wayland desktop lets no program keep its
// window on top or choose where it opens; through XWayland, the X server that such a desktop
// runs for older programs, the window still can. So on Wayland the window asks for X11 when
// XWayland is there, and otherwise runs on Wayland and tells the player once.
#pragma once

#include <string>

namespace corvane {

class MainWindow;

// What the choice reads: the variables that say what kind of desktop session this is.
struct DesktopEnvironment {
    std::string session_type;     // XDG_SESSION_TYPE: "wayland", "x11", "tty", ...
    std::string wayland_display;  // WAYLAND_DISPLAY: set inside a Wayland session
    std::string display;          // DISPLAY: set where an X server (XWayland too) is there
    std::string qt_platform;      // QT_QPA_PLATFORM: the player's own choice, if any
    // Qt's Wayland plugin is installed (package qt6-wayland): without it Qt cannot start on
    // Wayland at all, and would abort.
    bool wayland_plugin = true;

    // The variables of this process, and the plugins Qt would find.
    static DesktopEnvironment current();
};

struct PlatformChoice {
    std::string platform;             // the platform to ask Qt for; empty: Qt's own choice
    bool cannot_stay_on_top = false;  // the window will not stay on top: tell the player
    std::string cannot_start;         // why the window cannot start here, and what to install
};

// A platform the player chose is left alone. In a Wayland session (XDG_SESSION_TYPE says so,
// or it names no X11 session and WAYLAND_DISPLAY is set) the window runs on X11 ("xcb")
// where DISPLAY says XWayland is there, and on Wayland otherwise; elsewhere Qt chooses. On
// Wayland without Qt's Wayland plugin the window cannot start, and the choice says why.
PlatformChoice choose_platform(const DesktopEnvironment& environment);

// The one note that the desktop will not keep the window on top.
void tell_cannot_stay_on_top(MainWindow& window);

}  // namespace corvane
