// The "What to expect" window: beside the main one and on top like it, it plays many sessions
// with the options and the money plan of the main window, as corvane-backtest --sessions does,
// and shows how they ended, what they won or lost and the chart of their net. The sessions are
// played off the window's thread (ExpectRun); the main window tells the window whenever it drew
// a new state, and a result played with other options or another plan then says it is out of
// date, while a run under way starts again with the new ones.
#pragma once

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "simulation/sessions.h"
#include "ui/chart_view.h"
#include "ui/expect_run.h"
#include "ui/surface.h"

namespace corvane {

class ExpectWindow : public QWidget {
  public:
    // The largest runs the window plays (the tool plays larger ones).
    static constexpr int kMaxSpins = 100000;
    static constexpr int kMaxSessions = 100000;

    ExpectWindow(const Surface& surface, QWidget* parent);

    // Shows the window; the first time beside `main`, where the screen has room.
    void open_beside(const QWidget& main);

    // The main window drew a new state: the options or the plan may have changed. A result
    // played with others says it is out of date; a run under way with others is stopped and
    // started again with these.
    void inputs_changed();

    // What Run plays now: the main window's options and plan and the window's fields; nothing
    // while the seed is not a number of 0 to 2^64 - 1.
    std::optional<ExpectInputs> inputs() const;

    // The Run and Cancel buttons.
    void run();
    void cancel();
    bool running() const { return run_.running(); }

    // The result on show, if any, and whether it was played with other inputs than Run would
    // play now.
    const ExpectResult* result() const { return result_.get(); }
    bool out_of_date() const;

    // The simulation, for tests that follow its threads.
    ExpectRun& runner() { return run_; }

  protected:
    // Closing the window stops its run at once.
    void closeEvent(QCloseEvent* event) override;

  private:
    struct EndLabels {
        QLabel* count = nullptr;
        QLabel* share = nullptr;
        QLabel* interval = nullptr;
    };

    QWidget* build_inputs();
    QWidget* build_figures();
    void start(const ExpectInputs& inputs);
    void finished(std::shared_ptr<const ExpectResult> result);
    void save_chart();
    void copy_text();
    // Draws the window's whole state: one place decides what every part shows.
    void draw();
    void draw_figures();

    const Surface& surface_;
    ExpectRun run_;
    std::shared_ptr<const ExpectResult> result_;
    QString status_;           // what the last run did, while none is under way
    std::uint64_t done_ = 0;   // sessions of the last run started, played so far
    std::uint64_t total_ = 0;  // and all of them

    QLabel* settings_ = nullptr;
    std::array<QLabel*, kPlanPartCount> plan_{};
    QSpinBox* spins_ = nullptr;
    QSpinBox* sessions_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QPushButton* run_button_ = nullptr;
    QPushButton* cancel_button_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_label_ = nullptr;
    QWidget* stale_ = nullptr;
    QLabel* stale_text_ = nullptr;
    QPushButton* run_again_ = nullptr;
    QLabel* played_ = nullptr;  // the result's sessions, spins and seed
    std::array<EndLabels, kSessionEndCount> ends_{};
    QLabel* mean_net_ = nullptr;
    QLabel* mean_net_interval_ = nullptr;
    QLabel* per_staked_ = nullptr;
    QLabel* per_staked_interval_ = nullptr;
    QLabel* house_edge_ = nullptr;
    QLabel* mean_spins_ = nullptr;
    QLabel* largest_stake_ = nullptr;
    ChartView* chart_ = nullptr;
    QPushButton* save_chart_ = nullptr;
    QPushButton* copy_text_ = nullptr;
    bool placed_ = false;
};

}  // namespace corvane
