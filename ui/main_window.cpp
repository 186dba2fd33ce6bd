#include "ui/main_window.h"

#include <QApplication>
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

#include "betting/stake_display.h"
#include "core/amount.h"
#include "ui/options_panel.h"

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
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(
            -x(), -y(),
            skin::pixmap(skin::Art::Skin, QSize(MainWindow::kWidth, 700), devicePixelRatioF()));
    }
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
};

struct SideLayout {
    Side side;
    QRect field;
    QPoint stake;
    QPoint chain;
    QPoint indicator;
};

const SideLayout kSideLayout[] = {
    {Side::Less, {57, 220, 62, 32}, {64, 228}, {59, 220}, {88, 229}},
    {Side::Even, {121, 220, 62, 32}, {128, 228}, {123, 220}, {152, 229}},
    {Side::Red, {185, 220, 62, 32}, {192, 228}, {187, 220}, {216, 229}},
    {Side::Black, {249, 220, 62, 32}, {256, 228}, {251, 220}, {280, 229}},
    {Side::Odd, {313, 220, 62, 32}, {320, 228}, {315, 220}, {344, 229}},
    {Side::More, {377, 220, 62, 32}, {384, 228}, {379, 220}, {408, 229}},
    {Side::Dozen1, {57, 186, 125, 32}, {96, 194}, {59, 187}, {120, 195}},
    {Side::Dozen2, {185, 186, 125, 32}, {224, 194}, {187, 187}, {248, 195}},
    {Side::Dozen3, {313, 186, 125, 32}, {352, 194}, {315, 187}, {376, 195}},
    {Side::Column1, {443, 152, 81, 29}, {459, 159}, {445, 153}, {483, 160}},
    {Side::Column2, {443, 120, 81, 29}, {459, 127}, {445, 121}, {483, 128}},
    {Side::Column3, {443, 88, 81, 29}, {459, 95}, {445, 89}, {483, 96}},
};

const char* const kSideNames[kSideCount] = {"Red",    "Black",   "Even",    "Odd",
                                            "Less",   "More",    "Dozen1",  "Dozen2",
                                            "Dozen3", "Column1", "Column2", "Column3"};

}  // namespace

// The skin beneath everything: pointing at it hides the hover pictures, pressing on it moves
// the window.
class SkinPicture : public Picture {
  public:
    SkinPicture(MainWindow* window)
        : Picture(window, QStringLiteral("Image_UI"), QRect(0, 0, MainWindow::kWidth, 700),
                  skin::Art::Skin),
          window_(window) {
        on_move = [window] { window->disable_hovers(); };
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        event->accept();
        window_->skin_pressed();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }

  private:
    MainWindow* window_;
};

QRect cell_rect(int n) {
    if (n == 0) {
        return {24, 120, 31, 31};
    }
    const int column = (n - 1) / 3;
    const int row = (n - 1) % 3;
    return {56 + 32 * column, row == 0 ? 152 : (row == 1 ? 120 : 88), 31, 31};
}

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Corvane"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(kWidth, kClosedHeight);
    move(221, 121);
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, skin::colour::kBackground);
    pal.setColor(QPalette::WindowText, skin::colour::kSilver);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(sans(8));

    // Tooltips of the whole window.
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

    open_url = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    show_message = [this](const QString& text) {
        QMessageBox::warning(this, QStringLiteral("Corvane"), text);
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
        const QString name = dialog.selectedFiles().constFirst();
        if (save && !QFileInfo::exists(name) &&
            QMessageBox::question(this, QStringLiteral("Corvane"),
                                  QStringLiteral("%1 does not exist.\nCreate it?").arg(name)) !=
                QMessageBox::Yes) {
            return {};
        }
        return name;
    };

    new SkinPicture(this);
    new Fill(this, QStringLiteral("Line_Left"), QRect(0, 36, 2, 500), skin::colour::kEdge);
    new Fill(this, QStringLiteral("Line_Right"), QRect(548, 37, 2, 500), skin::colour::kEdge);
    build_board();
    build_bet_fields();
    build_history();
    build_chrome();
    build_statistics();
    options_panel_ = new OptionsPanel(this);
    bottom_line_ = new Fill(this, QStringLiteral("Line_Bottom"),
                            QRect(0, kClosedHeight - 2, 548, 5), skin::colour::kEdge);
    build_loading_panel();

    progress_timer_.setInterval(15);
    progress_timer_.setTimerType(Qt::PreciseTimer);
    connect(&progress_timer_, &QTimer::timeout, this, [this] { animation_tick(); });

    refresh();
}

MainWindow::~MainWindow() = default;

Picture* MainWindow::add_picture(const QString& name, QRect geometry, skin::Art art, int number,
                                 const QString& text) {
    return new Picture(this, name, geometry, art, number, text);
}

Picture* MainWindow::add_button(const QString& name, const QString& hover_name, QRect geometry,
                                skin::Art art, skin::Art hover_art, std::function<void()> action,
                                const QString& text) {
    Picture* normal = add_picture(name, geometry, art, 0, text);
    Picture* hover = add_picture(hover_name, geometry, hover_art, 0, text);
    normal->setCursor(Qt::PointingHandCursor);
    hover->setCursor(Qt::PointingHandCursor);
    hover->hide();
    hovers_.push_back(hover);
    normal->on_move = [this, hover] { show_hover(hover); };
    hover->on_click = std::move(action);
    return normal;
}

QLabel* MainWindow::add_label(const QString& name, QRect geometry, const QString& text,
                              int pixel_size, bool bold, QColor colour, Qt::Alignment align) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    QFont f(skin::sans_family());
    f.setPixelSize(pixel_size);
    f.setBold(bold);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->setAlignment(align);
    return label;
}

void MainWindow::build_chrome() {
    add_button(QStringLiteral("Button_Help"), QStringLiteral("Button_Help_Hover"), {474, 5, 22, 22},
               skin::Art::Help, skin::Art::HelpHover, [this] { open_manual(); });
    add_button(QStringLiteral("Button_Hide"), QStringLiteral("Button_Hide_Hover"), {497, 5, 22, 22},
               skin::Art::Minimise, skin::Art::MinimiseHover, [this] { showMinimized(); });
    add_button(QStringLiteral("Button_Close"), QStringLiteral("Button_Close_Hover"),
               {520, 5, 22, 22}, skin::Art::Close, skin::Art::CloseHover,
               [] { QApplication::quit(); });
    add_button(QStringLiteral("Button_L"), QStringLiteral("Button_L_Hover"), {83, 49, 21, 21},
               skin::Art::FileLoad, skin::Art::FileLoadHover, [this] { load_numbers(); });
    add_button(QStringLiteral("Button_S"), QStringLiteral("Button_S_Hover"), {105, 49, 21, 21},
               skin::Art::FileSave, skin::Art::FileSaveHover, [this] { save_numbers(); });
    add_button(QStringLiteral("Button_Cancel"), QStringLiteral("Button_Cancel_Hover"),
               {334, 49, 62, 21}, skin::Art::Cancel, skin::Art::CancelHover, [this] {
                   engine_.undo();
                   refresh();
               });
    cancel_inactive_ = add_picture(QStringLiteral("Button_Cancel_Inactive"), {334, 49, 62, 21},
                                   skin::Art::CancelInactive);

    progress_ =
        new Bar(this, QStringLiteral("CGauge1"), {26, 272, 495, 7}, skin::colour::kProgress, 100);

    add_button(QStringLiteral("Button_Options"), QStringLiteral("Button_Options_Hover"),
               {248, 293, 53, 27}, skin::Art::Options, skin::Art::OptionsHover,
               [this] { set_options_open(true); });
    options_pressed_ = add_picture(QStringLiteral("Button_Options_Pressed"), {248, 293, 53, 27},
                                   skin::Art::OptionsPressed);
    options_pressed_->setCursor(Qt::PointingHandCursor);
    options_pressed_->on_click = [this] { set_options_open(false); };
    options_pressed_->hide();
}

void MainWindow::build_board() {
    for (int n = 0; n <= kMaxNumber; ++n) {
        const QRect r = cell_rect(n);
        Picture* normal = add_picture(QStringLiteral("UI_Button_%1").arg(n), r, skin::Art::Cell, n);
        Picture* hover =
            add_picture(QStringLiteral("UI_Button_Hover_%1").arg(n), r, skin::Art::CellHover, n);
        Picture* pressed =
            add_picture(QStringLiteral("Image%1").arg(n), r, skin::Art::CellPressed, n);
        for (Picture* p : {normal, hover, pressed}) {
            p->setCursor(Qt::PointingHandCursor);
        }
        hover->hide();
        pressed->hide();
        hovers_.push_back(hover);
        cell_hovers_[n] = hover;
        cell_pressed_[n] = pressed;
        normal->on_move = [this, hover] {
            // A busy board offers no number.
            if (engine_.game().input_ready == 1) {
                show_hover(hover);
            }
        };
        hover->on_click = [this, n] { click_cell(n); };
    }
}

void MainWindow::build_bet_fields() {
    for (const SideLayout& l : kSideLayout) {
        const QString name = QString::fromLatin1(kSideNames[index_of(l.side)]);
        SideWidgets& w = sides_[index_of(l.side)];
        w.field = add_picture(QStringLiteral("BetField_") + name, l.field, skin::Art::BetField);
        w.stake = add_label(QStringLiteral("Bet_") + name, QRect(l.stake, QSize(46, 14)), {},
                            pixels(10), true, Qt::white, Qt::AlignCenter);
        w.chain = add_label(QStringLiteral("Bet_") + name + QStringLiteral("_Chain"),
                            QRect(l.chain, QSize(20, 12)), {}, pixels(7), false,
                            skin::colour::kChainLabel);
        w.chain->setCursor(Qt::WhatsThisCursor);
        w.indicator = add_picture(QStringLiteral("BetIndicator_") + name,
                                  QRect(l.indicator, QSize(4, 15)), skin::Art::Indicator);
    }
    hide_bets1_ = new SkinCover(this, QStringLiteral("HideBets1"), {56, 185, 383, 69});
    hide_bets2_ = new SkinCover(this, QStringLiteral("HideBets2"), {442, 87, 83, 96});
}

void MainWindow::build_history() {
    add_picture(QStringLiteral("HistoryBox"), {133, 47, 196, 24}, skin::Art::HistoryBox);
    for (int k = 0; k < 10; ++k) {
        QLabel* label = add_label(QStringLiteral("HisNum%1").arg(k + 1), {137 + 19 * k, 51, 17, 16},
                                  {}, pixels(8), true, skin::colour::kSilver, Qt::AlignCenter);
        label->setAutoFillBackground(true);
        history_[k] = label;
    }
}

void MainWindow::build_statistics() {
    struct Caption {
        Side side;
        QPoint at;
    };
    const Caption captions[] = {
        {Side::Red, {289, 339}},     {Side::Black, {289, 355}},   {Side::Even, {377, 339}},
        {Side::Odd, {377, 355}},     {Side::Less, {465, 339}},    {Side::More, {465, 355}},
        {Side::Dozen1, {289, 389}},  {Side::Dozen2, {377, 389}},  {Side::Dozen3, {465, 389}},
        {Side::Column1, {289, 421}}, {Side::Column2, {377, 421}}, {Side::Column3, {465, 421}},
    };
    const char* const stat_names[kSideCount] = {"Red", "Black", "Even", "Odd", "Less", "More",
                                                "D1",  "D2",    "D3",   "C1",  "C2",   "C3"};
    for (const Caption& c : captions) {
        QLabel* label = add_label(
            QStringLiteral("Stat_%1_Text").arg(QLatin1String(stat_names[index_of(c.side)])),
            QRect(c.at, QSize(80, 14)), {}, pixels(8), false, skin::colour::kOlive);
        stat_texts_[index_of(c.side)] = label;
    }
    struct BarLayout {
        const char* name;
        QRect geometry;
        int maximum;
    };
    const BarLayout bars[kStatBarCount] = {
        {"CGauge_RedBlack", {288, 370, 65, 9}, 100}, {"CGauge_EvenOdd", {376, 370, 65, 9}, 100},
        {"CGauge_LessMore", {464, 370, 65, 9}, 100}, {"CGauge_D1", {288, 402, 65, 9}, 99},
        {"CGauge_D2", {376, 402, 65, 9}, 99},        {"CGauge_D3", {464, 402, 65, 9}, 99},
        {"CGauge_C1", {288, 434, 65, 9}, 100},       {"CGauge_C2", {376, 434, 65, 9}, 100},
        {"CGauge_C3", {464, 434, 65, 9}, 100},
    };
    for (int i = 0; i < kStatBarCount; ++i) {
        stat_bars_[i] = new Bar(this, QLatin1String(bars[i].name), bars[i].geometry,
                                skin::colour::kOlive, bars[i].maximum);
    }
    add_label(QStringLiteral("Stat_WinRate12"), {289, 453, 118, 14},
              QStringLiteral("R/B, E/O, L/M win rate:"), pixels(8), false, skin::colour::kSilver);
    add_label(QStringLiteral("Stat_WinRate23"), {409, 453, 130, 14},
              QStringLiteral("Dozens/Columns win rate:"), pixels(8), false, skin::colour::kSilver);
    win_rate12_ = new Bar(this, QStringLiteral("CGauge_WinRate12"), {288, 466, 113, 17},
                          skin::colour::kNavy, 100, true);
    win_rate23_ = new Bar(this, QStringLiteral("CGauge_WinRate23"), {408, 466, 129, 17},
                          skin::colour::kWinRate23, 100, true);
}

void MainWindow::build_loading_panel() {
    loading_panel_ =
        add_picture(QStringLiteral("LoadingPanel"), {80, 104, 377, 113}, skin::Art::LoadingPanel);
    auto* caption = new QLabel(QStringLiteral("LOADING:"), loading_panel_);
    caption->setObjectName(QStringLiteral("LoadingCaption"));
    caption->setGeometry(72, 40, 120, 14);
    caption->setFont(sans(8, true));
    QPalette pal = caption->palette();
    pal.setColor(QPalette::WindowText, skin::colour::kSilver);
    caption->setPalette(pal);
    loading_bar_ = new Bar(loading_panel_, QStringLiteral("ProgressBar1"), {72, 56, 233, 17},
                           skin::colour::kProgress, 100);
    loading_panel_->hide();
}

void MainWindow::disable_hovers() {
    for (Picture* h : hovers_) {
        if (h->isVisible()) {
            h->hide();
        }
    }
}

void MainWindow::show_hover(Picture* hover) {
    disable_hovers();
    hover->show();
}

void MainWindow::set_options_open(bool open) {
    options_pressed_->setVisible(open);
    setFixedSize(kWidth, open ? kOpenHeight : kClosedHeight);
    bottom_line_->move(0, height() - 2);
}

void MainWindow::click_cell(int n) {
    typed_.clear();
    if (!engine_.click_number(n)) {
        return;
    }
    start_progress();
}

void MainWindow::start_progress() {
    refresh();
    progress_timer_.start();
}

void MainWindow::animation_tick() {
    engine_.tick();
    if (!engine_.game().timer_running) {
        progress_timer_.stop();
    }
    refresh();
}

void MainWindow::skin_pressed() {
    ++move_requests_;
    if (QWindow* handle = windowHandle()) {
        handle->startSystemMove();
    }
}

void MainWindow::run_file_action(const std::function<Message()>& action) {
    engine_.finish_spin();
    progress_timer_.stop();
    const Message message = action();
    refresh();
    report(message);
}

void MainWindow::report(const Message& message) {
    if (message && show_message) {
        show_message(QString::fromLatin1(message->data(), static_cast<int>(message->size())));
    }
}

void MainWindow::load_numbers() {
    const QString name =
        ask_file(false, QStringLiteral("Game numbers (*.kvn)"), QStringLiteral("kvn"));
    if (name.isEmpty()) {
        return;
    }
    run_file_action([this, name] {
        loading_panel_->show();
        loading_bar_->set_value(100);
        loading_panel_->repaint();
        const Message m = engine_.load_numbers(QFile::encodeName(name).toStdString());
        loading_bar_->set_value(0);
        loading_panel_->hide();
        return m;
    });
}

void MainWindow::save_numbers() {
    const QString name =
        ask_file(true, QStringLiteral("Game numbers (*.kvn)"), QStringLiteral("kvn"));
    if (name.isEmpty()) {
        return;
    }
    report(engine_.save_numbers(QFile::encodeName(name).toStdString()));
}

void MainWindow::open_manual() {
    const QStringList candidates = {
        QCoreApplication::applicationDirPath() +
            QStringLiteral("/../share/doc/corvane/manual.html"),
        QStringLiteral(CORVANE_SOURCE_DIR "/docs/manual.html"),
    };
    for (const QString& path : candidates) {
        if (QFileInfo::exists(path)) {
            open_url(QUrl::fromLocalFile(QFileInfo(path).canonicalFilePath()));
            return;
        }
    }
}

void MainWindow::choose_typed_number() {
    disable_hovers();
    if (!typed_.isEmpty() && engine_.game().input_ready == 1) {
        cell_hovers_[typed_.toInt()]->show();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(event->modifiers() & Qt::ControlModifier)) {
        QString next = typed_ + QChar(u'0' + (key - Qt::Key_0));
        if (next.toInt() > kMaxNumber || next.size() > 2) {
            next = QChar(u'0' + (key - Qt::Key_0));
        }
        typed_ = next;
        choose_typed_number();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (!typed_.isEmpty() && engine_.game().input_ready == 1) {
            const int n = typed_.toInt();
            typed_.clear();
            click_cell(n);
        }
    } else if (key == Qt::Key_Backspace) {
        typed_.chop(1);
        choose_typed_number();
    } else if (key == Qt::Key_Escape) {
        typed_.clear();
        disable_hovers();
    } else if (key == Qt::Key_Z && (event->modifiers() & Qt::ControlModifier)) {
        if (engine_.undo()) {
            refresh();
        }
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MainWindow::refresh() {
    const GameState& g = engine_.game();
    for (int n = 0; n <= kMaxNumber; ++n) {
        cell_pressed_[n]->setVisible(g.pressed[n]);
    }
    hide_bets1_->setVisible(g.covers_shown);
    hide_bets2_->setVisible(g.covers_shown);
    progress_->set_value(g.gauge1);

    for (int i = 0; i < kSideCount; ++i) {
        const SideWidgets& w = sides_[i];
        const SideMarks& m = g.marks[i];
        const CategoryId c = category_of(static_cast<Side>(i));
        w.field->setVisible(m.field);
        w.stake->setVisible(m.stake);
        w.chain->setVisible(m.chain);
        w.indicator->setVisible(m.indicator);
        w.stake->setText(QString::fromStdString(format_amount(g.stake_label[index_of(c)])));
        w.chain->setText(QString::fromStdString(chain_label_text(g.chain_label[index_of(c)])));
        w.chain->setToolTip(QString::fromStdString(hint_text(c, g.hints[index_of(c)])));
    }

    for (int k = 0; k < 10; ++k) {
        const HistoryEntry& e = g.history[k];
        QLabel* label = history_[k];
        label->setText(e.number < 0 ? QString() : QString::number(e.number));
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, rgb(rgb_of(e.colour)));
        label->setPalette(pal);
    }

    cancel_inactive_->setVisible(!g.undo_available);

    for (int i = 0; i < kSideCount; ++i) {
        stat_texts_[i]->setText(
            QString::fromStdString(stat_display_text(g.stats, static_cast<Side>(i))));
    }
    for (int i = 0; i < kStatBarCount; ++i) {
        stat_bars_[i]->set_value(stat_bar_value(g.stats, static_cast<StatBar>(i)));
    }
    win_rate12_->set_value(g.win_rate_12);
    win_rate23_->set_value(g.win_rate_23);
    options_panel_->refresh();
}

}  // namespace corvane
