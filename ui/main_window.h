// The program's window: a borderless, always-on-top picture of a single-zero layout. It draws
// the engine's state and turns pointer and key events into engine calls; every game decision
// is the engine's.
#pragma once

#include <QLabel>
#include <QMenu>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "engine/engine.h"
#include "ui/bar.h"
#include "ui/layout.h"
#include "ui/picture.h"
#include "ui/surface.h"

namespace corvane {

class ExpectWindow;
class EveningJournal;
class LoadingPanel;
class NumbersWindow;
class OptionsPanel;
class PlanDialog;
class PlanStrip;
class SessionLogWindow;

class MainWindow : public QWidget {
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Engine& engine() { return engine_; }

    // Draws the whole state of the engine: one place decides what every element shows.
    void refresh();

    // Disable_Hovers: hides every hover picture of the window.
    void disable_hovers() { surface_.disable_hovers(); }
    // Shows one hover picture, after hiding the others.
    void show_hover(Picture* hover) { surface_.show_hover(hover); }

    void set_options_open(bool open);
    bool options_open() const { return options_open_; }

    // The player's money plan: `use_plan` puts it in force (at start, the plan remembered), and
    // the plan's dialog ("Money plan…", Ctrl+P) changes it and has `remember_plan` keep it.
    // With a plan set, a strip at the bottom of the window shows the evening's money and the
    // plan's warnings; with `sound`, a warning rings the desktop's bell.
    void use_plan(const MoneyPlan& plan, bool sound);
    std::function<void(const MoneyPlan& plan, bool sound)> remember_plan;
    void open_plan_dialog();
    bool warning_sound() const { return warning_sound_; }

    // Where the window asks the player, tells them things and opens the manual; tests
    // replace these. open_url reports whether the desktop opened the address.
    std::function<QString(bool save, const QString& filter, const QString& suffix)> ask_file;
    std::function<void(const QString& text)> show_message;
    std::function<bool(const QUrl& url)> open_url;
    // Where the help button looks for the manual, first the installed copy.
    QStringList manual_paths;

    // One tick of the 15 ms animation timer, as the timer delivers it.
    void animation_tick();

    // Presses on the bare skin that asked the system to move the window.
    int move_requests() const { return move_requests_; }

    // The lower half of the window, with every option.
    OptionsPanel* options_panel() const { return options_panel_; }

    // Every action the window applies to the game comes through here, from a click, a key, a
    // file loaded, an option changed (the options panel's included): it is applied as
    // corvane-backtest --script applies its line, and, when it changed the game, kept in the
    // evening's journal. While the journal is written, an action that comes during a spin's
    // animation lets the spin end first, as a script's next action would. A save changes no
    // game and has its own way, with its dialog.
    void perform(const ScriptAction& action);

    // Keeping the evening across restarts: the journal, its menu entry and, at start, the
    // question whether to continue the evening it holds; a continued evening replaces the
    // game, the options and their log. Tests may give the journal its folder first.
    EveningJournal& journal() { return *journal_; }
    void start_evening();
    // The menu's "New evening…": once the player confirms, the game and the options start as
    // at a start without a journal, and the journal is set aside.
    void new_evening();
    // A question answered Yes (true) or No; tests replace it.
    std::function<bool(const QString& question)> ask_yes_no;

    // Loads a file named outside the window (on the command line, by the desktop) as the load
    // buttons do, with the same checks and messages: a number file (.kvn) replaces the game, a
    // settings file (.kvs) the options. Unlike a name typed into the dialog, a name that does
    // not exist, or of another kind, gets a message.
    void open_file(const QString& path);

    // Opens the "What to expect" window beside this one (the menu's entry, Ctrl+E and the plan
    // dialog's button). It plays many sessions with the options and the plan as they stand, and
    // hears of every change to them through refresh(): a change of the plan goes through
    // Surface::change, as every other action does.
    void open_expectations();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    struct SideWidgets {
        Picture* field = nullptr;
        QLabel* stake = nullptr;
        QLabel* chain = nullptr;
        Picture* indicator = nullptr;
    };

    Surface::Window surface_window();
    void set_tooltip_look();
    void use_system_dialogs();
    void build_chrome();
    void build_board();
    void build_bet_fields();
    void build_history();
    void build_statistics();
    void build_loading_panel();

    void draw_board(const GameState& g);
    void draw_bets(const GameState& g);
    void draw_history(const GameState& g);
    void draw_statistics(const GameState& g);
    void draw_plan();
    // The window's height: the board, the options when open, and the plan's strip.
    void fit_height();

    void click_cell(int n);
    void type_digit(int digit);
    void show_typed_number();
    void open_manual();
    QString found_manual() const;  // the first of manual_paths that exists, or nothing
    void open_session_log();
    void open_numbers();
    void load_numbers();
    void load_number_file(const QString& name);
    void save_numbers();
    void skin_pressed();
    void keep_evening(bool on);
    // Puts `engine` (an evening continued, or a new one) in the place of the window's, with
    // the money plan already in force in it.
    void replace_engine(Engine&& engine);

    Engine engine_;
    Surface surface_;
    QTimer progress_timer_;
    int move_requests_ = 0;
    QString typed_;

    std::array<Picture*, kNumberCount> cells_{};
    std::array<Picture*, kNumberCount> cell_hovers_{};
    std::array<Picture*, kNumberCount> cell_pressed_{};
    std::array<SideWidgets, kSideCount> sides_{};
    QWidget* hide_bets1_ = nullptr;
    QWidget* hide_bets2_ = nullptr;
    std::array<QLabel*, layout::kHistoryShown> history_{};
    Bar* progress_ = nullptr;
    Picture* cancel_ = nullptr;
    Picture* cancel_inactive_ = nullptr;
    Picture* options_button_ = nullptr;
    Picture* options_pressed_ = nullptr;
    std::unique_ptr<LoadingPanel> loading_;
    QWidget* bottom_line_ = nullptr;
    std::array<QLabel*, layout::kStatCaptions.size()> stat_texts_{};
    std::array<Bar*, kStatBarCount> stat_bars_{};
    std::array<Bar*, kFamilyCount> win_rates_{};  // CGauge_WinRate12, CGauge_WinRate23
    OptionsPanel* options_panel_ = nullptr;
    QMenu* context_menu_ = nullptr;            // made at the first right click
    SessionLogWindow* log_window_ = nullptr;   // made when first opened
    NumbersWindow* numbers_window_ = nullptr;  // made when first opened
    PlanStrip* plan_strip_ = nullptr;
    PlanDialog* plan_dialog_ = nullptr;  // made when first opened
    std::unique_ptr<EveningJournal> journal_;
    bool options_open_ = false;
    bool warning_sound_ = false;
    ExpectWindow* expect_window_ = nullptr;  // made when first opened
};

}  // namespace corvane
