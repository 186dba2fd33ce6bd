// The session log on screen: a window of its own beside the main one, on top like it, with the
// game's totals above a table of every number, newest first, and the bets that stood on it.
// It only reads the engine; the main window tells it when it drew a new state.
#pragma once

#include <QLabel>
#include <QTableView>
#include <QWidget>
#include <array>

#include "ui/session_log_model.h"
#include "ui/surface.h"

namespace corvane {

// Asks for a file and writes the session log there as CSV, with the prompts and messages of
// every other save.
void export_session_csv(const Surface& surface);

class SessionLogWindow : public QWidget {
  public:
    SessionLogWindow(const Surface& surface, QWidget* parent);

    // Shows the window; the first time beside `main`, on the side where the screen has room.
    void open_beside(const QWidget& main);

    // Draws the engine's state: the totals, and the table's rows if the log changed.
    void refresh();

  private:
    struct FamilyLabels {
        QLabel* win_rate = nullptr;
        QLabel* losing_run = nullptr;
    };

    QWidget* build_totals();
    void build_table();
    void count_losing_runs();

    const Surface& surface_;
    SessionLogModel model_;
    QTableView* table_ = nullptr;
    QLabel* net_ = nullptr;
    QLabel* bankroll_ = nullptr;
    std::array<FamilyLabels, kFamilyCount> families_{};
    bool placed_ = false;
};

}  // namespace corvane
