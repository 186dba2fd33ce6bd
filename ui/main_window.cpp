#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QUrl>
#include <QWindow>
#include <algorithm>

#include "base/amount.h"
#include "betting/stake_display.h"
#include "ui/accessibility.h"
#include "ui/evening_journal.h"
#include "ui/expect_window.h"
#include "ui/latin1.h"
#include "ui/loading_panel.h"
#include "ui/numbers_window.h"
#include "ui/options_panel.h"
#include "ui/plan_dialog.h"
#include "ui/plan_strip.h"
#include "ui/reader_texts.h"
#include "ui/session_log_window.h"
#include "ui/window_menu.h"

namespace corvane {

namespace {

// Point sizes of the layout, at the 96 dots per inch it was drawn for.
int pixels(double points) {
    return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

QFont sans(double points, bool bold = false) {
    QFont f(skin::sans_family());
    f.setPixelSize(pixels(points));
    f.setBold(bold);
    return f;
}

QColor rgb(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// A plain filled rectangle: the side and bottom lines.
class Fill : public QWidget {
  public:
    Fill(QWidget* parent, const QString& name, QRect geometry, QColor colour)
        : QWidget(parent), colour_(colour) {
        setObjectName(name);
        setGeometry(geometry);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        accessibility::set_artwork(this);
    }

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour_); }

  private:
    QColor colour_;
};

// A part of the skin laid over the bet area while a spin is processed: the boxes look empty.
class SkinCover : public QWidget {
  public:
    SkinCover(QWidget* parent, const QString& name, QRect geometry) : QWidget(parent) {
        setObjectName(name);
        setGeometry(geometry);
        accessibility::set_artwork(this);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(-x(), -y(),
                     skin::pixmap(skin::Art::Skin, layout::kSkinSize, devicePixelRatioF()));
    }
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
};

// The skin beneath everything: pointing at it hides the hover pictures, a press of the left or
// middle button on it moves the window; the right button opens the window's menu instead.
class SkinPicture : public Picture {
  public:
    SkinPicture(QWidget* parent, std::function<void()> pressed)
        : Picture(parent, QStringLiteral("Image_UI"), QRect(QPoint(0, 0), layout::kSkinSize),
                  skin::Art::Skin),
          pressed_(std::move(pressed)) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        event->accept();
        if (event->button() != Qt::RightButton) {
            pressed_();
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }

  private:
    std::function<void()> pressed_;
};

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), surface_(this, engine_, surface_window()) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Corvane"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(layout::kWidth, layout::kClosedHeight);
    move(layout::kStartPosition);
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, skin::colour::kBackground);
    pal.setColor(QPalette::WindowText, skin::colour::kSilver);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(sans(8));

    set_tooltip_look();
    use_system_dialogs();
    journal_ = std::make_unique<EveningJournal>(
        EveningJournal::default_folder(),
        EveningJournal::Window{
            .ask = [this](const QString& q) { return ask_yes_no && ask_yes_no(q); },
            .tell =
                [this](const QString& text) {
                    if (show_message) {
                        show_message(text);
                    }
                }});
    manual_paths = {QCoreApplication::applicationDirPath() +
                        QStringLiteral("/../share/doc/corvane/manual.html"),
                    QStringLiteral(CORVANE_SOURCE_DIR "/docs/manual.html")};

    // Bottom to top: what is made later lies above.
    auto* skin_picture = new SkinPicture(this, [this] { skin_pressed(); });
    skin_picture->on_move = [this] { disable_hovers(); };
    new Fill(this, QStringLiteral("Line_Left"), layout::kLeftLine, skin::colour::kEdge);
    new Fill(this, QStringLiteral("Line_Right"), layout::kRightLine, skin::colour::kEdge);
    build_board();
    build_bet_fields();
    build_history();
    build_chrome();
    build_statistics();
    options_panel_ = new OptionsPanel(surface_);
    bottom_line_ = new Fill(
        this, QStringLiteral("Line_Bottom"),
        QRect(QPoint(0, layout::kClosedHeight - layout::kBottomLineRise), layout::kBottomLineSize),
        skin::colour::kEdge);
    build_loading_panel();
    // Above everything: while the options are closed it covers the top of their panel.
    plan_strip_ = new PlanStrip(this);
    plan_strip_->dismissed = [this] { surface_.change([](Engine& e) { e.dismiss_warnings(); }); };

    progress_timer_.setInterval(15);
    progress_timer_.setTimerType(Qt::PreciseTimer);
    connect(&progress_timer_, &QTimer::timeout, this, [this] { animation_tick(); });

    refresh();
}

MainWindow::~MainWindow() = default;

// What the surface needs of the window: its drawing, the end of a spin before a file action,
// and the dialogs, which tests replace after the window is made.
Surface::Window MainWindow::surface_window() {
    return {.draw = [this] { refresh(); },
            .finish_spin =
                [this] {
                    engine_.finish_spin();
                    progress_timer_.stop();
                },
            .ask_file = [this](bool save, const QString& filter,
                               const QString& suffix) { return ask_file(save, filter, suffix); },
            .show_message =
                [this](const QString& text) {
                    if (show_message) {
                        show_message(text);
                    }
                },
            .perform = [this](const ScriptAction& action) { perform(action); }};
}

// Tooltips of the whole window.
void MainWindow::set_tooltip_look() {
    QToolTip::setFont(sans(9));
    QPalette tip = QToolTip::palette();
    // Some styles paint the tooltip box with the window roles, others with the tooltip roles.
    for (QPalette::ColorRole role : {QPalette::ToolTipBase, QPalette::Window}) {
        tip.setColor(role, skin::colour::kTooltipBack);
    }
    for (QPalette::ColorRole role : {QPalette::ToolTipText, QPalette::WindowText}) {
        tip.setColor(role, Qt::white);
    }
    QToolTip::setPalette(tip);
}

// The desktop's manual viewer, message box and file dialog; tests put in their own.
void MainWindow::use_system_dialogs() {
    open_url = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    show_message = [this](const QString& text) {
        QMessageBox::warning(this, QStringLiteral("Corvane"), text);
    };
    ask_yes_no = [this](const QString& question) {
        return question_box(this, question)->exec() == QMessageBox::Yes;
    };
    ask_file = [this](bool save, const QString& filter, const QString& suffix) -> QString {
        QFileDialog dialog(this);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setNameFilter(filter);
        dialog.setDefaultSuffix(suffix);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        // A game's numbers are confirmed before a new file is made for them, settings only
        // before they replace a file.
        const QString name = dialog.selectedFiles().constFirst();
        if (save && suffix == QLatin1String("kvn") && !QFileInfo::exists(name) &&
            QMessageBox::question(this, QStringLiteral("Corvane"),
                                  QStringLiteral("%1 does not exist.\nCreate it?").arg(name)) !=
                QMessageBox::Yes) {
            return {};
        }
        return name;
    };
}

// ---- Building -------------------------------------------------------------------------------

void MainWindow::build_chrome() {
    using skin::Art;
    surface_.add_button(
        QStringLiteral("Button_Help"), QStringLiteral("Button_Help_Hover"), layout::kHelpButton,
        Art::Help, Art::HelpHover, [this] { open_manual(); }, {}, reader::kHelp);
    surface_.add_button(
        QStringLiteral("Button_Hide"), QStringLiteral("Button_Hide_Hover"), layout::kMinimiseButton,
        Art::Minimise, Art::MinimiseHover, [this] { showMinimized(); }, {}, reader::kMinimise);
    surface_.add_button(
        QStringLiteral("Button_Close"), QStringLiteral("Button_Close_Hover"), layout::kCloseButton,
        Art::Close, Art::CloseHover, [] { QApplication::quit(); }, {}, reader::kClose);
    surface_.add_button(
        QStringLiteral("Button_L"), QStringLiteral("Button_L_Hover"), layout::kLoadNumbersButton,
        Art::FileLoad, Art::FileLoadHover, [this] { load_numbers(); }, {}, reader::kLoadNumbers);
    surface_.add_button(
        QStringLiteral("Button_S"), QStringLiteral("Button_S_Hover"), layout::kSaveNumbersButton,
        Art::FileSave, Art::FileSaveHover, [this] { save_numbers(); }, {}, reader::kSaveNumbers);
    cancel_ = surface_.add_button(
        QStringLiteral("Button_Cancel"), QStringLiteral("Button_Cancel_Hover"),
        layout::kCancelButton, Art::Cancel, Art::CancelHover,
        [this] { perform(plain_action(ScriptAction::Kind::Undo)); }, {}, reader::kCancel);
    cancel_->setAccessibleDescription(QLatin1String(reader::kCancelDescription));
    cancel_inactive_ = surface_.add_picture(QStringLiteral("Button_Cancel_Inactive"),
                                            layout::kCancelButton, Art::CancelInactive);

    progress_ = new Bar(this, QStringLiteral("CGauge1"), layout::kProgressBar,
                        skin::colour::kProgress, 100);
    progress_->setAccessibleName(QLatin1String(reader::kSpinProgress));

    options_button_ = surface_.add_button(
        QStringLiteral("Button_Options"), QStringLiteral("Button_Options_Hover"),
        layout::kOptionsButton, Art::Options, Art::OptionsHover, [this] { set_options_open(true); },
        {}, reader::kOptions);
    accessibility::set_expanded(options_button_, false);
    options_pressed_ = surface_.add_picture(QStringLiteral("Button_Options_Pressed"),
                                            layout::kOptionsButton, Art::OptionsPressed);
    options_pressed_->setCursor(Qt::PointingHandCursor);
    options_pressed_->on_click = [this] { set_options_open(false); };
    options_pressed_->hide();
}

void MainWindow::build_board() {
    for (int n = 0; n <= kMaxNumber; ++n) {
        const QRect r = layout::cell_rect(n);
        Picture* normal =
            surface_.add_picture(QStringLiteral("UI_Button_%1").arg(n), r, skin::Art::Cell, n);
        Picture* hover = surface_.add_picture(QStringLiteral("UI_Button_Hover_%1").arg(n), r,
                                              skin::Art::CellHover, n);
        Picture* pressed =
            surface_.add_picture(QStringLiteral("Image%1").arg(n), r, skin::Art::CellPressed, n);
        for (Picture* p : {normal, hover, pressed}) {
            p->setCursor(Qt::PointingHandCursor);
        }
        hover->hide();
        pressed->hide();
        surface_.add_hover(hover);
        accessibility::set_role(normal, QAccessible::Button, reader::number(n));
        cells_[n] = normal;
        cell_hovers_[n] = hover;
        cell_pressed_[n] = pressed;
        normal->on_move = [this, hover] {
            // A busy board offers no number.
            if (engine_.game().input_ready) {
                show_hover(hover);
            }
        };
        hover->on_click = [this, n] { click_cell(n); };
    }
}

void MainWindow::build_bet_fields() {
    for (const layout::SideField& l : layout::kSideFields) {
        const QString name = latin1(info(l.side).name);
        SideWidgets& w = sides_[index_of(l.side)];
        w.field =
            surface_.add_picture(QStringLiteral("BetField_") + name, l.field, skin::Art::BetField);
        w.stake =
            surface_.add_label(QStringLiteral("Bet_") + name, QRect(l.stake, layout::kStakeSize),
                               {}, pixels(10), true, Qt::white, Qt::AlignCenter);
        w.chain = surface_.add_label(QStringLiteral("Bet_") + name + QStringLiteral("_Chain"),
                                     QRect(l.chain, layout::kChainLabelSize), {}, pixels(7), false,
                                     skin::colour::kChainLabel);
        w.chain->setCursor(Qt::WhatsThisCursor);
        w.indicator =
            surface_.add_picture(QStringLiteral("BetIndicator_") + name,
                                 QRect(l.indicator, layout::kIndicatorSize), skin::Art::Indicator);
        // The field speaks for its stake and chain label.
        accessibility::set_role(w.field, QAccessible::StaticText);
        accessibility::set_artwork(w.stake);
        accessibility::set_artwork(w.chain);
        accessibility::set_role(w.indicator, QAccessible::StaticText, reader::indicator(l.side));
    }
    hide_bets1_ = new SkinCover(this, QStringLiteral("HideBets1"), layout::kBetCoverOutside);
    hide_bets2_ = new SkinCover(this, QStringLiteral("HideBets2"), layout::kBetCoverColumns);
}

// The strip shows the newest entries of the engine's history.
static_assert(layout::kHistoryShown <= kHistorySize);

void MainWindow::build_history() {
    surface_.add_picture(QStringLiteral("HistoryBox"), layout::kHistoryBox, skin::Art::HistoryBox);
    for (int k = 0; k < layout::kHistoryShown; ++k) {
        QLabel* label =
            surface_.add_label(QStringLiteral("HisNum%1").arg(k + 1), layout::history_rect(k), {},
                               pixels(8), true, skin::colour::kSilver, Qt::AlignCenter);
        label->setAutoFillBackground(true);
        history_[k] = label;
    }
}

void MainWindow::build_statistics() {
    for (std::size_t i = 0; i < layout::kStatCaptions.size(); ++i) {
        const layout::StatCaption& c = layout::kStatCaptions[i];
        stat_texts_[i] = surface_.add_label(QStringLiteral("Stat_%1_Text").arg(latin1(c.name)),
                                            QRect(c.at, layout::kStatCaptionSize), {}, pixels(8),
                                            false, skin::colour::kOlive);
    }
    for (int i = 0; i < kStatBarCount; ++i) {
        const layout::StatBarPlace& b = layout::kStatBars[i];
        stat_bars_[i] = new Bar(this, QLatin1String(b.name), b.rect, skin::colour::kOlive,
                                stat_bar_maximum(static_cast<StatBar>(i)));
        stat_bars_[i]->setAccessibleName(reader::stat_bar(static_cast<StatBar>(i)));
    }
    // Each win-rate bar is called by the caption above it: "R/B, E/O, L/M win rate:".
    const std::array<QColor, kFamilyCount> fill = {skin::colour::kNavy, skin::colour::kWinRate23};
    for (const FamilyInfo& f : kFamilies) {
        const layout::WinRatePlace& place = layout::kWinRates[index_of(f.id)];
        const QString suffix = latin1(f.suffix);
        const QString caption = latin1(f.caption) + QStringLiteral(" win rate:");
        surface_.add_label(QStringLiteral("Stat_WinRate") + suffix, place.caption, caption,
                           pixels(8), false, skin::colour::kSilver);
        Bar* bar = new Bar(this, QStringLiteral("CGauge_WinRate") + suffix, place.bar,
                           fill[index_of(f.id)], 100, true);
        bar->setAccessibleName(reader::caption(caption));
        win_rates_[index_of(f.id)] = bar;
    }
}

void MainWindow::build_loading_panel() {
    loading_ = std::make_unique<LoadingPanel>(surface_);
}

// ---- Actions --------------------------------------------------------------------------------

void MainWindow::set_options_open(bool open) {
    options_open_ = open;
    options_pressed_->setVisible(open);
    accessibility::set_expanded(options_button_, open);
    fit_height();
}

void MainWindow::fit_height() {
    const int board = options_open_ ? layout::kOpenHeight : layout::kClosedHeight;
    const int strip = plan_strip_->needed_height();
    plan_strip_->setGeometry(0, board, layout::kWidth, strip);
    plan_strip_->setVisible(strip > 0);
    plan_strip_->raise();
    if (height() != board + strip) {
        setFixedSize(layout::kWidth, board + strip);
    }
    bottom_line_->move(0, height() - layout::kBottomLineRise);
}

void MainWindow::use_plan(const MoneyPlan& plan, bool sound) {
    warning_sound_ = sound;
    surface_.change([&plan](Engine& e) { e.set_plan(plan); });
}

void MainWindow::open_plan_dialog() {
    if (plan_dialog_ == nullptr) {
        plan_dialog_ = new PlanDialog(this);
        plan_dialog_->taken = [this](const MoneyPlan& plan, bool sound) {
            use_plan(plan, sound);
            if (remember_plan) {
                remember_plan(plan, sound);
            }
        };
        plan_dialog_->expect = [this] { open_expectations(); };
    }
    plan_dialog_->show_plan(engine_.plan(), warning_sound_);
    plan_dialog_->show();
    plan_dialog_->raise();
    plan_dialog_->activateWindow();
}

void MainWindow::click_cell(int n) {
    perform(spin_action(n));
}

// Until its last tick a spin moves nothing but its progress line, so that line alone is drawn;
// the last tick ends the spin and changes the board, and the whole window is drawn.
void MainWindow::animation_tick() {
    if (engine_.tick()) {
        progress_timer_.stop();
        refresh();
        return;
    }
    progress_->set_value(engine_.game().gauge1);
    if (!engine_.game().timer_running) {
        progress_timer_.stop();
    }
}

void MainWindow::skin_pressed() {
    ++move_requests_;
    if (QWindow* handle = windowHandle()) {
        handle->startSystemMove();
    }
}

void MainWindow::load_numbers() {
    const QString name =
        ask_file(false, QStringLiteral("Game numbers (*.kvn)"), QStringLiteral("kvn"));
    if (name.isEmpty()) {
        return;
    }
    load_number_file(name);
}

void MainWindow::load_number_file(const QString& name) {
    perform(file_action(ScriptAction::Kind::LoadNumbers, QFile::encodeName(name).toStdString()));
}

void MainWindow::save_numbers() {
    surface_.save_file(
        QStringLiteral("Game numbers (*.kvn)"), QStringLiteral("kvn"),
        [](const Engine& e, const std::string& path) { return e.save_numbers(path); });
}

// A manual that cannot be shown is named with its full path, so that the player can open it
// by hand; the window stays as it was.
void MainWindow::open_manual() {
    QString failure;
    if (const QString file = found_manual(); !file.isEmpty()) {
        if (!open_url(QUrl::fromLocalFile(file))) {
            failure = QStringLiteral(
                          "The manual could not be opened in a browser.\n"
                          "Open it by hand:\n%1")
                          .arg(QDir::toNativeSeparators(file));
        }
    } else if (!manual_paths.isEmpty()) {
        failure = QStringLiteral("The manual was not found. It belongs at:\n%1")
                      .arg(QDir::toNativeSeparators(QDir::cleanPath(manual_paths.first())));
    }
    if (!failure.isEmpty() && show_message) {
        show_message(failure);
    }
}

QString MainWindow::found_manual() const {
    const auto found = std::find_if(manual_paths.begin(), manual_paths.end(),
                                    [](const QString& path) { return QFileInfo::exists(path); });
    return found == manual_paths.end() ? QString() : QFileInfo(*found).canonicalFilePath();
}

void MainWindow::open_session_log() {
    if (log_window_ == nullptr) {
        log_window_ = new SessionLogWindow(surface_, this);
    }
    log_window_->open_beside(*this);
}

void MainWindow::open_numbers() {
    if (numbers_window_ == nullptr) {
        numbers_window_ = new NumbersWindow(surface_, this);
    }
    numbers_window_->open_beside(*this);
}

void MainWindow::open_expectations() {
    if (expect_window_ == nullptr) {
        expect_window_ = new ExpectWindow(surface_, this);
    }
    expect_window_->open_beside(*this);
    expect_window_->inputs_changed();
}

// A right click anywhere on the window: the pictures and labels leave it to the window.
void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (context_menu_ == nullptr) {
        context_menu_ =
            make_window_menu(this, {.session_log = [this] { open_session_log(); },
                                    .numbers = [this] { open_numbers(); },
                                    .plan = [this] { open_plan_dialog(); },
                                    .expectations = [this] { open_expectations(); },
                                    .export_csv = [this] { export_session_csv(surface_); },
                                    .help = [this] { open_manual(); },
                                    .about = [this] { show_about(this, found_manual()); },
                                    .keep_evening = [this](bool on) { keep_evening(on); },
                                    .new_evening = [this] { new_evening(); }});
    }
    // The journal may have turned itself off since the menu was last shown.
    context_menu_->findChild<QAction*>(QStringLiteral("KeepEvening"))
        ->setChecked(journal_->wanted());
    context_menu_->findChild<QAction*>(QStringLiteral("NewEvening"))
        ->setEnabled(journal_->keeping());
    context_menu_->popup(event->globalPos());
}

// ---- Keyboard -------------------------------------------------------------------------------

// A digit extends the typed number while that still makes a number of the layout (two digits
// at most); otherwise the digit starts a new one.
void MainWindow::type_digit(int digit) {
    const QChar d(u'0' + digit);
    QString next = typed_ + d;
    if (next.toInt() > kMaxNumber || next.size() > 2) {
        next = d;
    }
    typed_ = next;
    show_typed_number();
}

// The typed number shows as its cell's hover picture while the board takes numbers.
void MainWindow::show_typed_number() {
    disable_hovers();
    if (!typed_.isEmpty() && engine_.game().input_ready) {
        cell_hovers_[typed_.toInt()]->show();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !control) {
        type_digit(key - Qt::Key_0);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (!typed_.isEmpty() && engine_.game().input_ready) {
            click_cell(typed_.toInt());
        }
    } else if (key == Qt::Key_Backspace) {
        typed_.chop(1);
        show_typed_number();
    } else if (key == Qt::Key_Escape) {
        typed_.clear();
        disable_hovers();
    } else if (key == Qt::Key_Z && control) {
        perform(plain_action(ScriptAction::Kind::Undo));
    } else if (key == Qt::Key_L && control) {
        open_session_log();
    } else if (key == Qt::Key_N && control) {
        open_numbers();
    } else if (key == Qt::Key_P && control) {
        open_plan_dialog();
    } else if (key == Qt::Key_E && control) {
        open_expectations();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

// ---- Drawing --------------------------------------------------------------------------------

void MainWindow::refresh() {
    const GameState& g = engine_.game();
    draw_board(g);
    draw_bets(g);
    draw_history(g);
    draw_statistics(g);
    options_panel_->refresh();
    draw_plan();
    if (log_window_ != nullptr) {
        log_window_->refresh();
    }
    if (numbers_window_ != nullptr) {
        numbers_window_->refresh();
    }
    if (expect_window_ != nullptr) {
        expect_window_->inputs_changed();
    }
}

// The plan's strip, and the window's height with it; new warnings ring the bell if asked to.
void MainWindow::draw_plan() {
    const bool came = plan_strip_->show_state(engine_.plan_figures(), engine_.plan_warnings());
    fit_height();
    if (came && warning_sound_) {
        QApplication::beep();
    }
}

// The pressed cells, the covers of a spin in progress, its progress line and Cancel.
void MainWindow::draw_board(const GameState& g) {
    for (int n = 0; n <= kMaxNumber; ++n) {
        cell_pressed_[n]->setVisible(g.pressed[n]);
        accessibility::set_available(cells_[n], g.input_ready && !g.pressed[n]);
    }
    hide_bets1_->setVisible(g.covers_shown);
    hide_bets2_->setVisible(g.covers_shown);
    progress_->set_value(g.gauge1);
    cancel_inactive_->setVisible(!g.undo_available);
    accessibility::set_available(cancel_, g.undo_available);
}

// Each side's field, stake, chain label with its hint, and indicator.
void MainWindow::draw_bets(const GameState& g) {
    for (int i = 0; i < kSideCount; ++i) {
        const SideWidgets& w = sides_[i];
        const SideMarks& m = g.marks[i];
        const CategoryId c = category_of(static_cast<Side>(i));
        w.field->setVisible(m.field);
        w.stake->setVisible(m.stake);
        w.chain->setVisible(m.chain);
        w.indicator->setVisible(m.indicator);
        const QString stake = QString::fromStdString(format_amount(g.stake_label[index_of(c)]));
        const QString hint = QString::fromStdString(hint_text(c, g.hints[index_of(c)]));
        w.stake->setText(stake);
        w.chain->setText(QString::fromStdString(chain_label_text(g.chain_label[index_of(c)])));
        w.chain->setToolTip(hint);
        // The field speaks the stake and the chain's hint as the labels over it show them.
        accessibility::set_name(
            w.field, reader::bet_field(static_cast<Side>(i), m, stake, g.chain_label[index_of(c)]),
            m.chain ? hint : QString());
    }
}

void MainWindow::draw_history(const GameState& g) {
    for (int k = 0; k < layout::kHistoryShown; ++k) {
        const HistoryEntry& e = g.history[k];
        QLabel* label = history_[k];
        label->setText(e.number < 0 ? QString() : QString::number(e.number));
        accessibility::set_name(label, reader::history_entry(k, e));
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, rgb(rgb_of(e.colour)));
        label->setPalette(pal);
    }
}

void MainWindow::draw_statistics(const GameState& g) {
    for (std::size_t i = 0; i < layout::kStatCaptions.size(); ++i) {
        stat_texts_[i]->setText(QString::fromStdString(layout::kStatCaptions[i].text(g)));
    }
    for (int i = 0; i < kStatBarCount; ++i) {
        stat_bars_[i]->set_value(stat_bar_value(g.stats, static_cast<StatBar>(i)));
    }
    for (const FamilyInfo& f : kFamilies) {
        win_rates_[index_of(f.id)]->set_value(g.counts(f.id).win_rate);
    }
}

}  // namespace corvane
