#include "ui/options_panel.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "settings/value_lists.h"
#include "ui/main_window.h"

namespace corvane {

namespace {

using skin::Art;

constexpr int kTextPixels = 11;  // Arial 8 pt at the 96 dots per inch the layout was drawn for

// The timers of the two auto-repeating steppers: the starting bet and Set Units.
enum RepeatTimerId : int {
    kBetIncrease,        // 500 ms after the press of the right starting-bet arrow
    kBetDecrease,        // 500 ms after the press of the left one
    kBetIncreaseActive,  // every 30 ms: a step up
    kBetDecreaseActive,  // every 30 ms: a step down
    kBetSpeedUp,         // every 1000 ms: the step grows by 2
    kUnitsIncrease,
    kUnitsDecrease,
    kUnitsIncreaseActive,
    kUnitsDecreaseActive,
    kUnitsSpeedUp,
    kTimerCount
};

constexpr std::array<int, kTimerCount> kInterval = {500, 500, 30, 30, 1000, 500, 500, 30, 30, 1000};

struct RepeatTimer {
    bool running = false;
    qint64 due = 0;           // time of the next tick
    std::uint64_t armed = 0;  // when it was last (re)armed, as a running count
};

// A check option: the ticked picture, the unticked picture above it, and the caption.
struct Check {
    Picture* checked = nullptr;
    Picture* unchecked = nullptr;
    QLabel* caption = nullptr;
};

// A radio option: the unticked, ticked and dim pictures, bottom to top, and the caption.
struct Radio {
    Picture* unchecked = nullptr;
    Picture* checked = nullptr;
    Picture* disabled = nullptr;
    QLabel* caption = nullptr;
};

// A stepper arrow: the normal picture, its hover picture above it and, for the advanced
// steppers, a dim picture on top that makes the arrow inert while shown.
struct Arrow {
    Picture* normal = nullptr;
    Picture* active = nullptr;
    Picture* disabled = nullptr;
    bool right = false;
    std::function<void()> press;    // beyond the pressed picture
    std::function<void()> release;  // beyond the hover picture, after the click if any
};

void set_text(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

void set_colour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    if (pal.color(QPalette::WindowText) != colour) {
        pal.setColor(QPalette::WindowText, colour);
        label->setPalette(pal);
    }
}

QColor on_off_colour(bool on) {
    return on ? skin::colour::kSilver : skin::colour::kGrey;
}

QString entry(ValueList list, int index) {
    return QString::fromStdString(list_text(list, index));
}

}  // namespace

struct OptionsPanel::Impl {
    OptionsPanel* panel;
    MainWindow* window;

    std::array<Check, kCategoryCount> categories;
    Check show_chains;
    Check reset_on_zero;
    Check bet_automatic_reset;
    Check trend_betting;
    Radio on_profit;
    Radio set_units;
    Radio uptrend;
    Radio downtrend;
    QLabel* starting_bet = nullptr;
    QLabel* cl12 = nullptr;
    QLabel* cl23 = nullptr;
    QLabel* bs12 = nullptr;
    QLabel* bs23 = nullptr;
    QLabel* roz12 = nullptr;
    QLabel* roz23 = nullptr;
    QLabel* set_units_value = nullptr;
    QLabel* steps12_caption = nullptr;
    QLabel* steps23_caption = nullptr;
    std::vector<std::unique_ptr<Arrow>> arrows;
    std::vector<Arrow*> roz_arrows;
    std::vector<Arrow*> set_units_arrows;

    // Auto-repeat of the held arrows.
    int starting_bet_step = 1;
    int bar_set_units_step = 1;
    std::array<RepeatTimer, kTimerCount> timers{};
    std::uint64_t arm_count = 0;
    std::optional<qint64> tick_time;  // the time of the tick being delivered
    QElapsedTimer elapsed;
    std::function<qint64()> clock;
    QTimer driver;          // wakes the event loop when the next tick falls due
    Arrow* held = nullptr;  // the arrow pressed and not yet released

    Impl(OptionsPanel* p, MainWindow* w) : panel(p), window(w) {
        elapsed.start();
        clock = [this] { return elapsed.elapsed(); };
        driver.setObjectName(QStringLiteral("Timer_AutoRepeat"));
        driver.setSingleShot(true);
        driver.setTimerType(Qt::PreciseTimer);
    }

    Engine& engine() { return window->engine(); }

    // One setting operation from a click, and the window drawn anew.
    void apply(SettingOp op, CategoryId c = {}, int step = 0) {
        engine().apply(op, c, step);
        window->refresh();
    }

    // ---- Building -------------------------------------------------------------------------

    QLabel* caption(const QString& name, QPoint at, const QString& text) {
        QLabel* label = window->add_label(name, QRect(at, QSize(1, 1)), text, kTextPixels, false,
                                          skin::colour::kSilver);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, skin::colour::kCaptionBack);
        label->setPalette(pal);
        label->setAutoFillBackground(true);
        label->adjustSize();
        return label;
    }

    QLabel* value(const QString& name, QRect geometry, QColor colour) {
        QLabel* label =
            window->add_label(name, geometry, {}, kTextPixels, true, colour, Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    }

    // A value label over which the pointer hides every hover picture.
    QLabel* value_hiding_hovers(const QString& name, QRect geometry, QColor colour) {
        QLabel* label = value(name, geometry, colour);
        label->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        label->setMouseTracking(true);
        label->installEventFilter(panel);
        return label;
    }

    Picture* picture(const QString& name, QRect geometry, Art art) {
        Picture* p = window->add_picture(name, geometry, art);
        p->setCursor(Qt::PointingHandCursor);
        return p;
    }

    void section(const QString& name, QRect bar, QPoint title_at, const QString& title) {
        Picture* p = window->add_picture(QStringLiteral("Bar_") + name, bar, Art::SectionBar);
        p->on_move = [this] { window->disable_hovers(); };
        QLabel* label =
            window->add_label(QStringLiteral("Text_") + name, QRect(title_at, QSize(1, 1)), title,
                              kTextPixels, false, skin::colour::kGrey);
        QFont f(skin::narrow_family());
        f.setPixelSize(kTextPixels);
        label->setFont(f);
        label->adjustSize();
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void frame(const QString& name, QRect geometry, bool hides_hovers) {
        Picture* p = window->add_picture(QStringLiteral("Frame_") + name, geometry, Art::Frame);
        if (hides_hovers) {
            p->on_move = [this] { window->disable_hovers(); };
        } else {
            p->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
    }

    Check check(const QString& stem, QPoint at, QPoint caption_at, const QString& text,
                SettingOp on, SettingOp off, CategoryId c = {}) {
        Check k;
        const QRect r(at, QSize(17, 17));
        const QString base = QStringLiteral("ChBx_") + stem;
        k.checked = picture(base + QStringLiteral("_Checked"), r, Art::CheckOn);
        k.unchecked = picture(base + QStringLiteral("_UnChecked"), r, Art::CheckOff);
        k.checked->on_click = [this, off, c] { apply(off, c); };
        k.unchecked->on_click = [this, on, c] { apply(on, c); };
        k.caption = caption(base + QStringLiteral("_Text"), caption_at, text);
        return k;
    }

    Radio radio(const QString& stem, QPoint at, QPoint caption_at, const QString& text,
                SettingOp select) {
        Radio k;
        const QRect r(at, QSize(17, 17));
        const QString base = QStringLiteral("RaBtn_") + stem;
        k.unchecked = picture(base + QStringLiteral("_UnChecked"), r, Art::RadioOff);
        k.checked = picture(base + QStringLiteral("_Checked"), r, Art::RadioOn);
        k.disabled = picture(base + QStringLiteral("_Disabled"), r, Art::RadioDisabled);
        k.unchecked->on_click = [this, select] { apply(select); };
        // The ticked picture takes clicks without effect, the dim one makes the option inert.
        k.caption = caption(base + QStringLiteral("_Text"), caption_at, text);
        return k;
    }

    // `base` names the hover and dim pictures (base_Active, base_Disabled); `name` the normal
    // picture, which is base itself except for the left 1/2 chain-length arrow.
    Arrow* arrow(const QString& name, const QString& base, QPoint at, bool right,
                 bool can_be_disabled, bool keeps_other_hovers, std::function<void()> click) {
        auto owned = std::make_unique<Arrow>();
        Arrow* a = owned.get();
        arrows.push_back(std::move(owned));
        const QRect r(at, QSize(20, 20));
        a->right = right;
        a->normal = picture(name, r, right ? Art::ArrowRight : Art::ArrowLeft);
        a->active = picture(base + QStringLiteral("_Active"), r,
                            right ? Art::ArrowRightActive : Art::ArrowLeftActive);
        a->active->hide();
        window->register_hover(a->active);
        a->active->installEventFilter(panel);
        if (can_be_disabled) {
            a->disabled = picture(base + QStringLiteral("_Disabled"), r,
                                  right ? Art::ArrowRightDisabled : Art::ArrowLeftDisabled);
        }
        Picture* active = a->active;
        if (keeps_other_hovers) {
            a->normal->on_move = [active] { active->show(); };
        } else {
            a->normal->on_move = [this, active] { window->show_hover(active); };
        }
        a->active->on_press = [this, a] { press(a); };
        a->active->on_click = std::move(click);
        a->active->on_release = [this, a] { release(a); };
        return a;
    }

    // The four arrows of a plain stepper: a click steps by one.
    std::array<Arrow*, 2> stepper(const QString& stem, QPoint left, QPoint right, SettingOp op,
                                  bool can_be_disabled = false, bool keeps_other_hovers = false,
                                  const QString& left_name = {}) {
        const QString base = QStringLiteral("Button_Arrow_") + stem;
        const QString l = base + QStringLiteral("_Left");
        const QString r = base + QStringLiteral("_Right");
        return {arrow(left_name.isEmpty() ? l : left_name, l, left, false, can_be_disabled,
                      keeps_other_hovers, [this, op] { apply(op, {}, -1); }),
                arrow(r, r, right, true, can_be_disabled, keeps_other_hovers,
                      [this, op] { apply(op, {}, +1); })};
    }

    void build() {
        const QColor olive = skin::colour::kOlive;
        section(QStringLiteral("Options"), {-12, 304, 249, 26}, {7, 309},
                QStringLiteral("OPTIONS:"));
        section(QStringLiteral("Statistics"), {312, 304, 249, 26}, {487, 309},
                QStringLiteral("STATISTICS:"));
        window->add_button(QStringLiteral("Button_Settings_L"),
                           QStringLiteral("Button_Settings_Hover_L"), {190, 306, 21, 21},
                           Art::FileLoad, Art::FileLoadHover, [this] { load_settings(); });
        window->add_button(QStringLiteral("Button_Settings_S"),
                           QStringLiteral("Button_Settings_Hover_S"), {213, 306, 21, 21},
                           Art::FileSave, Art::FileSaveHover, [this] { save_settings(); });

        // The categories and "Show chains ID".
        struct CategoryLayout {
            CategoryId c;
            const char* stem;
            QPoint at;
            const char* text;
        };
        const CategoryLayout layout[kCategoryCount] = {
            {CategoryId::RB, "RedBlack", {7, 337}, "Red / Black"},
            {CategoryId::EO, "EvenOdd", {95, 337}, "Even / Odd"},
            {CategoryId::LM, "LessMore", {183, 337}, "1-18 / 19-36"},
            {CategoryId::D, "Dozens", {7, 361}, "Dozens"},
            {CategoryId::C, "Columns", {87, 361}, "Columns"},
        };
        for (const CategoryLayout& l : layout) {
            categories[index_of(l.c)] =
                check(QLatin1String(l.stem), l.at, l.at + QPoint(21, 2), QLatin1String(l.text),
                      SettingOp::Category_On, SettingOp::Category_Off, l.c);
        }
        show_chains = check(QStringLiteral("HitsMisses"), {167, 361}, {188, 363},
                            QStringLiteral("Show chains ID"), SettingOp::ShowChainsId_On,
                            SettingOp::ShowChainsId_Off);

        // Starting bet, chain lengths, betting systems.
        caption(QStringLiteral("Text_Bet"), {28, 395}, QStringLiteral("BET:"));
        caption(QStringLiteral("Text_CL12"), {115, 395}, QStringLiteral("1/2 CL"));
        caption(QStringLiteral("Text_CL23"), {202, 395}, QStringLiteral("2/3 CL"));
        caption(QStringLiteral("Text_BettingSystem12"), {26, 443},
                QStringLiteral("1/2 Betting system:"));
        caption(QStringLiteral("Text_BettingSystem23"), {159, 443},
                QStringLiteral("2/3 Betting system:"));
        window->add_picture(QStringLiteral("Box_StartingBet"), {27, 409, 45, 20}, Art::ValueBox);
        window->add_picture(QStringLiteral("Box_CL12"), {115, 409, 41, 20}, Art::ValueBox);
        window->add_picture(QStringLiteral("Box_CL23"), {201, 409, 48, 20}, Art::ValueBox);
        window->add_picture(QStringLiteral("Box_BettingSystem12"), {23, 456, 94, 20},
                            Art::ValueBox);
        window->add_picture(QStringLiteral("Box_BettingSystem23"), {157, 456, 93, 20},
                            Art::ValueBox);
        starting_bet = value_hiding_hovers(QStringLiteral("StartingBet"), {30, 412, 40, 14}, olive);
        cl12 =
            value_hiding_hovers(QStringLiteral("Chains_Length12_Text"), {117, 412, 37, 14}, olive);
        cl23 =
            value_hiding_hovers(QStringLiteral("Chains_Length23_Text"), {205, 412, 40, 14}, olive);
        bs12 = value(QStringLiteral("BettingSystem12_Text"), {31, 459, 82, 14}, olive);
        bs23 = value(QStringLiteral("BettingSystem23_Text"), {156, 459, 93, 14}, olive);

        const std::array<Arrow*, 2> bet = stepper(QStringLiteral("StartingBet"), {6, 409},
                                                  {71, 409}, SettingOp::StartingBet_Step);
        bet[0]->press = [this] {
            start(kBetDecrease);
            start(kBetSpeedUp);
        };
        bet[1]->press = [this] {
            start(kBetIncrease);
            start(kBetSpeedUp);
        };
        for (Arrow* a : bet) {
            const RepeatTimerId side = a->right ? kBetIncrease : kBetDecrease;
            const RepeatTimerId active = a->right ? kBetIncreaseActive : kBetDecreaseActive;
            a->release = [this, side, active] {
                stop(side);
                stop(active);
                stop(kBetSpeedUp);
                starting_bet_step = 1;
                engine().apply(SettingOp::StartingBet_Release);
            };
        }
        // The step operations of the chain lengths write their lines themselves, so their
        // releases have nothing to add.
        stepper(QStringLiteral("CL12"), {94, 409}, {156, 409}, SettingOp::CL12_Step, false, true,
                QStringLiteral("Button_Arrow_CL12_left"));
        stepper(QStringLiteral("CL23"), {179, 409}, {250, 409}, SettingOp::CL23_Step, false, true);
        stepper(QStringLiteral("BS12"), {6, 456}, {117, 456}, SettingOp::BS12_Step);
        for (Arrow* a :
             stepper(QStringLiteral("BS23"), {137, 456}, {250, 456}, SettingOp::BS23_Step)) {
            a->release = [this] { engine().apply(SettingOp::BS23_Release); };
        }

        // Advanced settings: reset on zero.
        section(QStringLiteral("AdvancedSettings"), {0, 496, 553, 25}, {7, 501},
                QStringLiteral("ADVANCED SETTINGS:"));
        frame(QStringLiteral("ResetOnZero"), {8, 536, 262, 49}, true);
        reset_on_zero = check(QStringLiteral("ResetOnZero"), {15, 529}, {36, 531},
                              QStringLiteral("Reset On ZERO:"), SettingOp::ResetOnZero_On,
                              SettingOp::ResetOnZero_Off);
        steps12_caption =
            caption(QStringLiteral("Text_12_Steps"), {15, 556}, QStringLiteral("1/2 Steps:"));
        steps23_caption =
            caption(QStringLiteral("Text_23_Steps"), {143, 556}, QStringLiteral("2/3 Steps:"));
        window->add_picture(QStringLiteral("Box_ROZ_Steps12"), {88, 555, 25, 18},
                            Art::ValueBoxDark);
        window->add_picture(QStringLiteral("Box_ROZ_Steps23"), {216, 555, 25, 18},
                            Art::ValueBoxDark);
        roz12 = value(QStringLiteral("ROZ_Steps12_Text"), {90, 557, 21, 14}, Qt::black);
        roz23 = value(QStringLiteral("ROZ_Steps23_Text"), {218, 557, 21, 14}, Qt::black);
        for (Arrow* a : stepper(QStringLiteral("ROZ_Steps12"), {67, 554}, {113, 554},
                                SettingOp::ROZ_Steps12_Step, true)) {
            roz_arrows.push_back(a);
        }
        for (Arrow* a : stepper(QStringLiteral("ROZ_Steps23"), {195, 554}, {241, 554},
                                SettingOp::ROZ_Steps23_Step, true)) {
            roz_arrows.push_back(a);
        }

        // Bet automatic reset.
        frame(QStringLiteral("BetAutomaticReset"), {280, 536, 257, 49}, true);
        bet_automatic_reset =
            check(QStringLiteral("BetAutomaticReset"), {287, 529}, {308, 531},
                  QStringLiteral("BET AUTOMATIC RESET:"), SettingOp::BetAutomaticReset_On,
                  SettingOp::BetAutomaticReset_Off);
        on_profit = radio(QStringLiteral("OnProfit"), {287, 554}, {309, 556},
                          QStringLiteral("On Profit"), SettingOp::BAR_OnProfit_Select);
        set_units = radio(QStringLiteral("SetUnits"), {371, 554}, {393, 556},
                          QStringLiteral("Set Units:"), SettingOp::BAR_SetUnits_Select);
        window->add_picture(QStringLiteral("Box_BAR_SetUnits"), {464, 554, 41, 18},
                            Art::ValueBoxDark);
        set_units_value = value(QStringLiteral("BAR_SetUnits_Text"), {466, 556, 37, 14}, Qt::black);
        const std::array<Arrow*, 2> units = stepper(QStringLiteral("BAR_SetUnits"), {443, 553},
                                                    {505, 553}, SettingOp::BAR_SetUnits_Step, true);
        for (Arrow* a : units) {
            set_units_arrows.push_back(a);
            const RepeatTimerId side = a->right ? kUnitsIncrease : kUnitsDecrease;
            const RepeatTimerId active = a->right ? kUnitsIncreaseActive : kUnitsDecreaseActive;
            a->press = [this, side] { start(side); };
            a->release = [this, side, active] {
                stop(side);
                stop(active);
                stop(kUnitsSpeedUp);
                bar_set_units_step = 1;
                engine().apply(SettingOp::BAR_SetUnits_Release);
            };
        }

        // Manual resets.
        frame(QStringLiteral("ManualReset"), {8, 600, 262, 49}, false);
        caption(QStringLiteral("Text_ManualReset"), {20, 595}, QStringLiteral("Manual RESET:"));
        window->add_button(
            QStringLiteral("Button_BETS"), QStringLiteral("Button_BETS_Hover"), {16, 615, 79, 27},
            Art::ResetButton, Art::ResetButtonHover,
            [this] {
                engine().press_bets();
                window->refresh();
            },
            QStringLiteral("BETS"));
        window->add_button(
            QStringLiteral("Button_SPINS"), QStringLiteral("Button_SPINS_Hover"), {99, 615, 79, 27},
            Art::ResetButton, Art::ResetButtonHover,
            [this] {
                window->run_file_action([this] {
                    engine().new_game();
                    return Message{};
                });
            },
            QStringLiteral("SPINS"));
        window->add_button(
            QStringLiteral("Button_SETTINGS"), QStringLiteral("Button_SETTINGS_Hover"),
            {182, 615, 79, 27}, Art::ResetButton, Art::ResetButtonHover,
            [this] {
                window->run_file_action([this] {
                    engine().default_settings();
                    return Message{};
                });
            },
            QStringLiteral("SETTINGS"));

        // Trend betting.
        frame(QStringLiteral("TrendBetting"), {280, 600, 257, 49}, false);
        trend_betting = check(QStringLiteral("TrendBetting"), {287, 593}, {308, 595},
                              QStringLiteral("TREND BETTING:"), SettingOp::TrendBetting_On,
                              SettingOp::TrendBetting_Off);
        uptrend = radio(QStringLiteral("BetOnUptrend"), {287, 618}, {309, 619},
                        QStringLiteral("Bet on uptrend"), SettingOp::BetOnUptrend_Select);
        downtrend = radio(QStringLiteral("BetOnDowntrend"), {401, 618}, {422, 619},
                          QStringLiteral("Bet on downtrend"), SettingOp::BetOnDowntrend_Select);
    }

    // ---- Settings files -------------------------------------------------------------------

    void load_settings() {
        const QString name = window->ask_file(false, QStringLiteral("Corvane settings (*.kvs)"),
                                              QStringLiteral("kvs"));
        if (name.isEmpty()) {
            return;
        }
        window->run_file_action(
            [this, name] { return engine().load_settings(QFile::encodeName(name).toStdString()); });
    }

    void save_settings() {
        QString name = window->ask_file(true, QStringLiteral("Corvane settings (*.kvs)"),
                                        QStringLiteral("kvs"));
        if (name.isEmpty()) {
            return;
        }
        if (QFileInfo(name).suffix().isEmpty()) {
            name += QStringLiteral(".kvs");
        }
        window->report(engine().save_settings(QFile::encodeName(name).toStdString()));
    }

    // ---- Press, release and auto-repeat ---------------------------------------------------

    void press(Arrow* a) {
        held = a;
        a->active->set_art(a->right ? Art::ArrowRightPressed : Art::ArrowLeftPressed);
        if (a->press) {
            a->press();
        }
        schedule();
    }

    // The release of a pressed arrow; the click a release over the arrow adds has already run.
    void release(Arrow* a) {
        if (held != a) {
            return;
        }
        held = nullptr;
        a->active->set_art(a->right ? Art::ArrowRightActive : Art::ArrowLeftActive);
        if (a->release) {
            a->release();
        }
        schedule();
        window->refresh();
    }

    qint64 now() const { return tick_time ? *tick_time : clock(); }

    // Starts a timer; one that runs already goes on unchanged.
    void start(RepeatTimerId id) {
        RepeatTimer& t = timers[id];
        if (t.running) {
            return;
        }
        t.running = true;
        t.due = now() + kInterval[id];
        t.armed = ++arm_count;
    }

    void stop(RepeatTimerId id) { timers[id].running = false; }

    bool any_running() const {
        return std::any_of(timers.begin(), timers.end(),
                           [](const RepeatTimer& t) { return t.running; });
    }

    // Sets the event loop's timer to the next due tick.
    void schedule() {
        std::optional<qint64> next;
        for (const RepeatTimer& t : timers) {
            if (t.running && (!next || t.due < *next)) {
                next = t.due;
            }
        }
        if (!next) {
            driver.stop();
            return;
        }
        driver.start(static_cast<int>(std::clamp<qint64>(*next - clock(), 0, INT_MAX)));
    }

    // The tick due first by `until`, if any.
    int next_due(qint64 until) const {
        int next = -1;
        for (int id = 0; id < kTimerCount; ++id) {
            const RepeatTimer& t = timers[id];
            if (!t.running || t.due > until) {
                continue;
            }
            if (next < 0 || t.due < timers[next].due ||
                (t.due == timers[next].due && t.armed < timers[next].armed)) {
                next = id;
            }
        }
        return next;
    }

    void run_timers() {
        const qint64 until = clock();
        bool changed = false;
        for (int id = next_due(until); id >= 0; id = next_due(until)) {
            RepeatTimer& t = timers[id];
            tick_time = t.due;
            t.due += kInterval[id];
            t.armed = ++arm_count;
            changed = tick(static_cast<RepeatTimerId>(id)) || changed;
            tick_time.reset();
        }
        schedule();
        if (changed) {
            window->refresh();
        }
    }

    // One tick; true when it changed a value.
    bool tick(RepeatTimerId id) {
        switch (id) {
            case kBetIncrease:
                start(kBetIncreaseActive);
                start(kBetSpeedUp);
                return false;
            case kBetDecrease:
                start(kBetDecreaseActive);
                return false;
            case kBetIncreaseActive:
                return engine().apply(SettingOp::StartingBet_Repeat, {}, starting_bet_step) != 0;
            case kBetDecreaseActive:
                return engine().apply(SettingOp::StartingBet_Repeat, {}, -starting_bet_step) != 0;
            case kBetSpeedUp:
                starting_bet_step += 2;
                return false;
            case kUnitsIncrease:
                start(kUnitsIncreaseActive);
                start(kUnitsSpeedUp);
                return false;
            case kUnitsDecrease:
                start(kUnitsDecreaseActive);
                start(kUnitsSpeedUp);
                return false;
            case kUnitsIncreaseActive:
                return engine().apply(SettingOp::BAR_SetUnits_Repeat, {}, bar_set_units_step) != 0;
            case kUnitsDecreaseActive:
                return engine().apply(SettingOp::BAR_SetUnits_Repeat, {}, -bar_set_units_step) != 0;
            case kUnitsSpeedUp:
                bar_set_units_step += 2;
                return false;
            case kTimerCount:
                break;
        }
        return false;
    }

    // ---- Drawing --------------------------------------------------------------------------

    static void draw(const Check& k, bool on) {
        k.unchecked->setVisible(!on);
        set_colour(k.caption, on_off_colour(on));
    }

    // A mode pair of an advanced option: the selected mode ticked, both dim while the option
    // is off, and only the selected mode's caption silver while it is on.
    static void draw(const Radio& first, const Radio& second, bool option_on, bool first_selected) {
        first.checked->setVisible(first_selected);
        second.checked->setVisible(!first_selected);
        first.disabled->setVisible(!option_on);
        second.disabled->setVisible(!option_on);
        set_colour(first.caption, on_off_colour(option_on && first_selected));
        set_colour(second.caption, on_off_colour(option_on && !first_selected));
    }

    static void set_usable(const std::vector<Arrow*>& arrows, bool usable) {
        for (Arrow* a : arrows) {
            a->disabled->setVisible(!usable);
        }
    }

    void refresh() {
        const Settings& s = engine().settings();
        for (CategoryId c : kAllCategories) {
            draw(categories[index_of(c)], s.enabled(c));
        }
        draw(show_chains, s.show_chains_id);

        set_text(starting_bet, entry(ValueList::StartingBet, s.starting_bet_index));
        set_text(cl12, entry(ValueList::CL12, s.cl12_index));
        set_text(cl23, entry(ValueList::CL23, s.cl23_index));
        set_text(bs12, entry(ValueList::BettingSystem12, s.bs12_index));
        set_text(bs23, entry(ValueList::BettingSystem23, s.bs23_index));

        draw(reset_on_zero, s.reset_on_zero);
        set_usable(roz_arrows, s.reset_on_zero);
        set_colour(steps12_caption, on_off_colour(s.reset_on_zero));
        set_colour(steps23_caption, on_off_colour(s.reset_on_zero));
        const QColor roz_value = s.reset_on_zero ? skin::colour::kOlive : QColor(Qt::black);
        set_colour(roz12, roz_value);
        set_colour(roz23, roz_value);
        set_text(roz12, entry(ValueList::ROZSteps12, s.roz_steps12_index));
        set_text(roz23, entry(ValueList::ROZSteps23, s.roz_steps23_index));

        draw(bet_automatic_reset, s.bet_automatic_reset);
        draw(on_profit, set_units, s.bet_automatic_reset, s.bar_on_profit);
        const bool units_usable = s.bet_automatic_reset && !s.bar_on_profit;
        set_usable(set_units_arrows, units_usable);
        set_colour(set_units_value, units_usable ? skin::colour::kSilver : QColor(Qt::black));
        set_text(set_units_value, QString::fromStdString(engine().shown_set_units()));

        draw(trend_betting, s.trend_betting);
        draw(uptrend, downtrend, s.trend_betting, s.bet_on_uptrend);
    }
};

OptionsPanel::OptionsPanel(MainWindow* window) : QObject(window), impl_(new Impl(this, window)) {
    setObjectName(QStringLiteral("OptionsPanel"));
    connect(&impl_->driver, &QTimer::timeout, this, [this] { impl_->run_timers(); });
    impl_->build();
    refresh();
}

OptionsPanel::~OptionsPanel() {
    delete impl_;
}

void OptionsPanel::refresh() {
    impl_->refresh();
}

void OptionsPanel::set_clock(std::function<qint64()> clock) {
    impl_->clock = std::move(clock);
}

void OptionsPanel::run_timers() {
    impl_->run_timers();
}

bool OptionsPanel::timers_running() const {
    return impl_->any_running();
}

bool OptionsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && qobject_cast<QLabel*>(watched) != nullptr) {
        // The value labels StartingBet, Chains_Length12_Text and Chains_Length23_Text.
        impl_->window->disable_hovers();
    } else if (event->type() == QEvent::Hide && impl_->held != nullptr &&
               watched == impl_->held->active) {
        // A held arrow whose picture goes away gets no release of its own: release it here.
        impl_->release(impl_->held);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
