// What a right click anywhere on the main window offers: the session log, the numbers, the
// money plan, what to expect of the options and the plan, the session's CSV, keeping the evening
// across restarts, the manual and the About box. The window's
// own layout stays as it is; the menu adds no element to it.
#pragma once

#include <QMenu>
#include <QString>
#include <QWidget>
#include <functional>

namespace corvane {

struct WindowMenuActions {
    std::function<void()> session_log;
    std::function<void()> numbers;
    std::function<void()> plan;
    std::function<void()> expectations;
    std::function<void()> export_csv;
    std::function<void()> help;
    std::function<void()> about;
    // The evening kept across restarts: the checkable entry and a new evening.
    std::function<void(bool on)> keep_evening;
    std::function<void()> new_evening;
};

// The menu, made once and shown at every right click (object name "ContextMenu"). The entry
// "Keep the evening across restarts" (object name "KeepEvening") is checkable; the window sets
// its check, and whether "New evening…" (object name "NewEvening") is offered, before it shows
// the menu.
QMenu* make_window_menu(QWidget* parent, const WindowMenuActions& actions);

// Shows the About box (object name "AboutBox") and returns at once: the version, the licence,
// and the manual the help button opens (an empty path: none is installed).
void show_about(QWidget* parent, const QString& manual_path);

}  // namespace corvane
