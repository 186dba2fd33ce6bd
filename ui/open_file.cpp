// Files handed to the window from outside: the command line, or the desktop when the player
// opens a saved game or settings file.
#include <QFile>
#include <QFileInfo>

#include "ui/main_window.h"
#include "ui/options_panel.h"

namespace corvane {

void MainWindow::open_file(const QString& path) {
    // The load buttons pass over a name that does not exist in silence: the player typed it
    // and sees the dialog close. A name from outside has no dialog to show that nothing came
    // of it, so it is told.
    const std::string name = QFile::encodeName(path).toStdString();
    const QString kind = QFileInfo(path).suffix().toLower();
    if (!QFileInfo::exists(path)) {
        surface_.report("Cannot open file " + name + ": it does not exist");
    } else if (kind == QStringLiteral("kvn")) {
        load_number_file(path);
    } else if (kind == QStringLiteral("kvs")) {
        options_panel_->load_settings_file(path);
    } else {
        surface_.report("Cannot open file " + name +
                        ": Corvane opens number files (.kvn) and settings files (.kvs)");
    }
}

}  // namespace corvane
