// Writes PNGs of what keeping the evening across restarts shows: the menu with its entry, the
// question at start (and with a cut last line), the question of a new evening, and the
// messages of a journal that cannot be read, of a second Corvane and of a folder that cannot
// be written:
//   corvane_journal_screenshots OUTDIR [RATIO]
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QMessageBox>

#include "ui/evening_journal.h"
#include "ui/main_window.h"

namespace {

using corvane::EveningJournal;

void save(QWidget& w, const QString& dir, const QString& name) {
    QApplication::processEvents();
    w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// A message as the window shows one.
void save_message(QWidget* parent, const QString& text, const QString& dir, const QString& name) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Corvane"), text, QMessageBox::Ok, parent);
    box.show();
    save(box, dir, name);
}

void save_question(QWidget* parent, const QString& text, const QString& dir, const QString& name) {
    const std::unique_ptr<QMessageBox> box = corvane::question_box(parent, text);
    box->show();
    save(*box, dir, name);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        qputenv("QT_SCALE_FACTOR", argv[2]);
    }
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    corvane::MainWindow window;
    window.show();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(300, 20),
                            window.mapToGlobal(QPoint(300, 20)));
    QApplication::sendEvent(&window, &click);
    auto* menu = window.findChild<QMenu*>(QStringLiteral("ContextMenu"));
    menu->findChild<QAction*>(QStringLiteral("KeepEvening"))->setChecked(true);
    menu->findChild<QAction*>(QStringLiteral("NewEvening"))->setEnabled(true);
    save(*menu, dir, QStringLiteral("journal-menu"));
    menu->close();

    const std::string folder = "/home/player/.local/state/corvane";
    save_question(&window, EveningJournal::question(23, "2026-03-14 22:17", false), dir,
                  QStringLiteral("journal-question"));
    save_question(&window, EveningJournal::question(23, "2026-03-14 22:17", true), dir,
                  QStringLiteral("journal-question-cut"));
    save_question(&window, EveningJournal::new_evening_question(), dir,
                  QStringLiteral("journal-new-evening"));
    save_message(
        &window,
        EveningJournal::fault_message(folder + "/journal.txt", {7, "unknown action 'spni'"},
                                      folder + "/journal-2026-03-14_21-40-07.txt"),
        dir, QStringLiteral("journal-fault"));
    save_message(&window, EveningJournal::locked_message(), dir, QStringLiteral("journal-locked"));
    save_message(&window, EveningJournal::unwritable_message(QString::fromStdString(folder)), dir,
                 QStringLiteral("journal-unwritable"));
    return 0;
}
