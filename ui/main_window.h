// The program's window: a borderless, always-on-top picture of a single-zero layout. It draws
// the engine's state and turns pointer and key events into engine calls; every game decision
// is the engine's.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "core/engine.h"
#include "ui/bar.h"
#include "ui/picture.h"

namespace corvane {

class OptionsPanel;

class MainWindow : public QWidget {
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    static constexpr int kWidth = 549;
    static constexpr int kClosedHeight = 330;
    static constexpr int kOpenHeight = 660;

    Engine& engine() { return engine_; }

    // Draws the whole state of the engine: one place decides what every element shows.
    void refresh();

    // Disable_Hovers: hides every hover picture of the window.
    void disable_hovers();
    // Shows one hover picture, after hiding the others.
    void show_hover(Picture* hover);

    void set_options_open(bool open);
    bool options_open() const { return height() == kOpenHeight; }

    // Where the window asks the player, tells them things and opens the manual; tests
    // replace these.
    std::function<QString(bool save, const QString& filter, const QString& suffix)> ask_file;
    std::function<void(const QString& text)> show_message;
    std::function<void(const QUrl& url)> open_url;

    // One tick of the 15 ms animation timer, as the timer delivers it.
    void animation_tick();

    // Presses on the bare skin that asked the system to move the window.
    int move_requests() const { return move_requests_; }

    // Runs an action that replaces the game or the options: a spin still in progress is
    // completed first, then the action, then the window shows the result.
    void run_file_action(const std::function<Message()>& action);
    void report(const Message& message);

    // The lower half of the window, with every option.
    OptionsPanel* options_panel() const { return options_panel_; }

    // Element factories, shared with the options panel. A button is a normal picture with its
    // hover picture above it; only the hover picture takes the click.
    Picture* add_picture(const QString& name, QRect geometry, skin::Art art, int number = 0,
                         const QString& text = {});
    Picture* add_button(const QString& name, const QString& hover_name, QRect geometry,
                        skin::Art art, skin::Art hover_art, std::function<void()> action,
                        const QString& text = {});
    QLabel* add_label(const QString& name, QRect geometry, const QString& text, int pixel_size,
                      bool bold, QColor colour, Qt::Alignment align = Qt::AlignLeft);
    // Makes a picture one of the hover pictures that Disable_Hovers hides.
    void register_hover(Picture* hover) { hovers_.push_back(hover); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class SkinPicture;

    struct SideWidgets {
        Picture* field = nullptr;
        QLabel* stake = nullptr;
        QLabel* chain = nullptr;
        Picture* indicator = nullptr;
    };

    void build_chrome();
    void build_board();
    void build_bet_fields();
    void build_history();
    void build_statistics();
    void build_loading_panel();

    void click_cell(int n);
    void start_progress();
    void choose_typed_number();
    void open_manual();
    void load_numbers();
    void save_numbers();
    void skin_pressed();

    Engine engine_;
    QTimer progress_timer_;
    int move_requests_ = 0;
    QString typed_;

    std::vector<Picture*> hovers_;
    std::array<Picture*, kNumberCount> cell_hovers_{};
    std::array<Picture*, kNumberCount> cell_pressed_{};
    std::array<SideWidgets, kSideCount> sides_{};
    QWidget* hide_bets1_ = nullptr;
    QWidget* hide_bets2_ = nullptr;
    std::array<QLabel*, 10> history_{};
    Bar* progress_ = nullptr;
    Picture* cancel_inactive_ = nullptr;
    Picture* options_pressed_ = nullptr;
    QWidget* loading_panel_ = nullptr;
    Bar* loading_bar_ = nullptr;
    QWidget* bottom_line_ = nullptr;
    std::array<QLabel*, kSideCount> stat_texts_{};
    std::array<Bar*, kStatBarCount> stat_bars_{};
    Bar* win_rate12_ = nullptr;
    Bar* win_rate23_ = nullptr;
    OptionsPanel* options_panel_ = nullptr;
};

}  // namespace corvane
