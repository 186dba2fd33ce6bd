// The numbers window: beside the main one and on top like it, the game's numbers by pocket and
// by sector of the wheel, with the tests of a fair wheel read in one sentence. It only reads
// the engine's tally; the main window tells it when it drew a new state.
#pragma once

#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QWidget>
#include <array>

#include "base/numbers.h"
#include "ui/arc_check.h"
#include "ui/pocket_table_model.h"
#include "ui/surface.h"
#include "ui/wheel_ring.h"
#include "wheel/wheel.h"

namespace corvane {

class NumbersWindow : public QWidget {
  public:
    NumbersWindow(const Surface& surface, QWidget* parent);

    // Shows the window; the first time beside `main`, where the screen has room.
    void open_beside(const QWidget& main);

    // Draws the tally as it stands: the sentence, the tests, the ring, the sectors, the sides
    // and the table. The hot arc's p-value comes when the fair wheels are simulated; the window
    // draws again then.
    void refresh();

    // The hot-arc test's simulation, for tests that wait for it.
    ArcCheck& arc_check() { return arc_check_; }

  private:
    struct SectorLabels {
        QLabel* hits = nullptr;
        QLabel* expected = nullptr;
        QLabel* deviation = nullptr;
    };

    QWidget* build_findings();
    QWidget* build_sectors();
    QWidget* build_sides();
    void build_table();

    const Surface& surface_;
    ArcCheck arc_check_;
    PocketTableModel model_;
    QSortFilterProxyModel sorted_;
    QLabel* verdict_ = nullptr;
    QLabel* pockets_test_ = nullptr;
    QLabel* arc_test_ = nullptr;
    WheelRing* ring_ = nullptr;
    std::array<SectorLabels, kSectorCount> sectors_{};
    std::array<QLabel*, kSideCount> sides_{};
    QTableView* table_ = nullptr;
    bool placed_ = false;
};

}  // namespace corvane
