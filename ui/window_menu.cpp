#include "ui/window_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMessageBox>

namespace corvane {

namespace {

// The terms Corvane is given under, as the About box states them; LICENSE and the package's
// copyright file hold the licence's full text.
constexpr const char* kLicence =
    "Copyright 2026 The Corvane developers. Corvane is published under the MIT licence: anyone "
    "may use, copy, change, publish and sell it, provided the copyright and licence notice go "
    "with every copy. It comes without any warranty.";

QAction* add(QMenu* menu, const QString& text, const std::function<void()>& action) {
    QAction* a = menu->addAction(text);
    QObject::connect(a, &QAction::triggered, menu, [action] { action(); });
    return a;
}

}  // namespace

QMenu* make_window_menu(QWidget* parent, const WindowMenuActions& actions) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("ContextMenu"));
    QAction* log = add(menu, QStringLiteral("Session log\u2026"), actions.session_log);
    // The window reads Ctrl+L itself; the menu only shows it.
    log->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    log->setShortcutContext(Qt::WidgetShortcut);
    log->setShortcutVisibleInContextMenu(true);
    QAction* numbers = add(menu, QStringLiteral("Numbers\u2026"), actions.numbers);
    numbers->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    numbers->setShortcutContext(Qt::WidgetShortcut);
    numbers->setShortcutVisibleInContextMenu(true);
    QAction* plan = add(menu, QStringLiteral("Money plan\u2026"), actions.plan);
    plan->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    plan->setShortcutContext(Qt::WidgetShortcut);
    plan->setShortcutVisibleInContextMenu(true);
    QAction* expect = add(menu, QStringLiteral("What to expect\u2026"), actions.expectations);
    expect->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    expect->setShortcutContext(Qt::WidgetShortcut);
    expect->setShortcutVisibleInContextMenu(true);
    add(menu, QStringLiteral("Export session as CSV\u2026"), actions.export_csv);
    menu->addSeparator();
    QAction* keep = menu->addAction(QStringLiteral("Keep the evening across restarts"));
    keep->setObjectName(QStringLiteral("KeepEvening"));
    keep->setCheckable(true);
    QObject::connect(keep, &QAction::triggered, menu,
                     [on = actions.keep_evening](bool checked) { on(checked); });
    add(menu, QStringLiteral("New evening\u2026"), actions.new_evening)
        ->setObjectName(QStringLiteral("NewEvening"));
    menu->addSeparator();
    add(menu, QStringLiteral("Help"), actions.help);
    add(menu, QStringLiteral("About Corvane"), actions.about);
    return menu;
}

void show_about(QWidget* parent, const QString& manual_path) {
    const QString manual = manual_path.isEmpty()
                               ? QStringLiteral("The manual is not installed.")
                               : QStringLiteral("The manual, which the ? button opens:<br>%1")
                                     .arg(manual_path.toHtmlEscaped());
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, QStringLiteral("About Corvane"),
                        QStringLiteral("<b>Corvane %1</b><p>%2</p><p>%3</p>")
                            .arg(QStringLiteral(CORVANE_VERSION), QLatin1String(kLicence), manual),
                        QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace corvane
