#include "ui/options_panel.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <array>
#include <memory>
#include <span>
#include <vector>

#include "ui/accessibility.h"
#include "ui/options_rows.h"
#include "ui/reader_texts.h"
#include "ui/repeat_scheduler.h"
#include "ui/surface.h"

namespace corvane {

namespace {

using namespace options;
using skin::Art;

// A check option: the ticked picture, the unticked picture above it, and the caption; and the
// switch it shows (for a category switch, with its category).
struct Check {
    Picture* checked = nullptr;
    Picture* unchecked = nullptr;
    QLabel* caption = nullptr;
    const Option* option = nullptr;
    CategoryId category = {};
};

// A radio option: the unticked, ticked and dim pictures, bottom to top, and the caption.
struct Radio {
    Picture* unchecked = nullptr;
    Picture* checked = nullptr;
    Picture* disabled = nullptr;
    QLabel* caption = nullptr;
};

// The two modes of an option: the one that sets it and the one that clears it.
struct RadioPair {
    Radio on;
    Radio off;
    const Option* option;
};

// A stepper arrow: the normal picture, its hover picture above it and, for the advanced
// steppers, a dim picture on top that makes the arrow inert while shown.
struct Arrow {
    Picture* normal = nullptr;
    Picture* active = nullptr;
    Picture* disabled = nullptr;
    bool right = false;
    const Option* option = nullptr;  // the list option it steps
    int repeat = kNoRepeat;          // its row in kRepeats, for a stepper held to repeat
};

// A value on show, its option, what screen readers call it, and its colour while it counts.
struct Value {
    QLabel* label;
    const Option* option;
    const char* spoken;
    const QColor* lit;
};

// A caption that is grey while its option is out of force.
struct OptionCaption {
    QLabel* label;
    const Option* option;
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

}  // namespace

struct OptionsPanel::Impl {
    OptionsPanel* panel;
    Surface& surface;

    // Every control, drawn from its option's state.
    std::vector<Check> checks;
    std::vector<RadioPair> radio_pairs;
    std::vector<Value> values;
    std::vector<OptionCaption> option_captions;
    std::vector<std::unique_ptr<Arrow>> arrows;

    // Press-and-hold: the step of each held stepper, and the arrow pressed and not yet released.
    std::array<int, kRepeats.size()> repeat_step{1, 1};
    RepeatScheduler scheduler;
    Arrow* held = nullptr;

    Impl(OptionsPanel* p, Surface& s)
        : panel(p), surface(s), scheduler(repeat_intervals(), [this](int id) { tick(id); }) {}

    const Engine& engine() const { return surface.engine(); }

    // One setting operation, and the window drawn anew.
    void apply(SettingOp op, CategoryId c = {}, int step = 0) {
        surface.perform(op_action(op, c, step));
    }

    // ---- Elements -------------------------------------------------------------------------

    QLabel* caption(const QString& name, QPoint at, const QString& text) {
        QLabel* label = surface.add_label(name, QRect(at, QSize(1, 1)), text, kTextPixels, false,
                                          skin::colour::kSilver);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, skin::colour::kCaptionBack);
        label->setPalette(pal);
        label->setAutoFillBackground(true);
        label->adjustSize();
        return label;
    }

    QLabel* caption(const CaptionRow& row) {
        QLabel* label = caption(QLatin1String(row.name), row.at, QLatin1String(row.text));
        if (row.option != nullptr) {
            option_captions.push_back({label, row.option});
        }
        return label;
    }

    Picture* picture(const QString& name, QRect geometry, Art art) {
        Picture* p = surface.add_picture(name, geometry, art);
        p->setCursor(Qt::PointingHandCursor);
        return p;
    }

    void section(const SectionRow& row) {
        const QString name = QLatin1String(row.name);
        Picture* p = surface.add_picture(QStringLiteral("Bar_") + name, row.bar, Art::SectionBar);
        p->on_move = [this] { surface.disable_hovers(); };
        QLabel* label =
            surface.add_label(QStringLiteral("Text_") + name, QRect(row.title_at, QSize(1, 1)),
                              QLatin1String(row.title), kTextPixels, false, skin::colour::kGrey);
        QFont f(skin::narrow_family());
        f.setPixelSize(kTextPixels);
        label->setFont(f);
        label->adjustSize();
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void frame(const FrameRow& row) {
        Picture* p = surface.add_picture(QStringLiteral("Frame_") + QLatin1String(row.name),
                                         row.rect, Art::Frame);
        if (row.hides_hovers) {
            p->on_move = [this] { surface.disable_hovers(); };
        } else {
            p->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
    }

    void check(const CheckRow& row, CategoryId c = {}) {
        Check k{.option = row.option, .category = c};
        const QRect r(row.at, QSize(17, 17));
        const QString base = QStringLiteral("ChBx_") + QLatin1String(row.stem);
        k.checked = picture(base + QStringLiteral("_Checked"), r, Art::CheckOn);
        k.unchecked = picture(base + QStringLiteral("_UnChecked"), r, Art::CheckOff);
        accessibility::set_role(k.checked, QAccessible::CheckBox, reader::caption(row.text));
        k.checked->on_click = [this, off = row.option->off.op, c] { apply(off, c); };
        k.unchecked->on_click = [this, on = row.option->on.op, c] { apply(on, c); };
        k.caption = caption(base + QStringLiteral("_Text"), row.at + kCheckCaption,
                            QLatin1String(row.text));
        checks.push_back(k);
    }

    Radio radio(const RadioRow& row, SettingOp select) {
        Radio k;
        const QRect r(row.at, QSize(17, 17));
        const QString base = QStringLiteral("RaBtn_") + QLatin1String(row.stem);
        k.unchecked = picture(base + QStringLiteral("_UnChecked"), r, Art::RadioOff);
        k.checked = picture(base + QStringLiteral("_Checked"), r, Art::RadioOn);
        k.disabled = picture(base + QStringLiteral("_Disabled"), r, Art::RadioDisabled);
        accessibility::set_role(k.unchecked, QAccessible::RadioButton, reader::caption(row.text));
        k.unchecked->on_click = [this, select] { apply(select); };
        // The ticked picture takes clicks without effect, the dim one makes the option inert.
        k.caption =
            caption(base + QStringLiteral("_Text"), row.caption_at, QLatin1String(row.text));
        return k;
    }

    void radio_pair(const RadioPairRow& row) {
        Radio on = radio(row.on, row.option->on.op);
        Radio off = radio(row.off, row.option->off.op);
        radio_pairs.push_back({on, off, row.option});
    }

    // The boxes of a group of values, then the values above them; a dark box belongs to an
    // advanced setting, whose value shows black while the option is off.
    void boxed_values(std::span<const ValueRow> rows, bool dark) {
        for (const ValueRow& row : rows) {
            surface.add_picture(QLatin1String(row.box), row.box_rect,
                                dark ? Art::ValueBoxDark : Art::ValueBox);
        }
        for (const ValueRow& row : rows) {
            QLabel* label =
                surface.add_label(QLatin1String(row.option->shown.data(), row.option->shown.size()),
                                  row.rect, {}, kTextPixels, true,
                                  dark ? QColor(Qt::black) : skin::colour::kOlive, Qt::AlignCenter);
            // The pointer passes through a value, or hides every hover picture over it.
            if (row.hides_hovers) {
                label->setMouseTracking(true);
                label->installEventFilter(panel);
            } else {
                label->setAttribute(Qt::WA_TransparentForMouseEvents);
            }
            values.push_back({label, row.option, row.spoken, row.lit});
        }
    }

    // `base` names the hover and dim pictures (base_Active, base_Disabled); `name` the normal
    // picture, which is base itself except for the left 1/2 chain-length arrow.
    Arrow* arrow(const StepperRow& row, const QString& name, const QString& base, bool right,
                 bool can_be_disabled) {
        auto owned = std::make_unique<Arrow>();
        Arrow* a = owned.get();
        arrows.push_back(std::move(owned));
        const QRect r(right ? row.right : row.left, QSize(20, 20));
        a->right = right;
        a->option = row.option;
        a->repeat = row.repeat;
        a->normal = picture(name, r, right ? Art::ArrowRight : Art::ArrowLeft);
        accessibility::set_role(a->normal, QAccessible::Button, reader::arrow(row.spoken, right));
        a->active = picture(base + QStringLiteral("_Active"), r,
                            right ? Art::ArrowRightActive : Art::ArrowLeftActive);
        a->active->hide();
        surface.add_hover(a->active);
        a->active->installEventFilter(panel);
        if (can_be_disabled) {
            a->disabled = picture(base + QStringLiteral("_Disabled"), r,
                                  right ? Art::ArrowRightDisabled : Art::ArrowLeftDisabled);
        }
        Picture* active = a->active;
        if (row.keeps_other_hovers) {
            a->normal->on_move = [active] { active->show(); };
        } else {
            a->normal->on_move = [this, active] { surface.show_hover(active); };
        }
        a->active->on_press = [this, a] { press(a); };
        a->active->on_click = [this, op = row.option->step.op, right] {
            apply(op, {}, right ? +1 : -1);
        };
        a->active->on_release = [this, a] { release(a); };
        return a;
    }

    // The two arrows of a value: a click steps it by one.
    void stepper(const StepperRow& row, bool can_be_disabled = false) {
        const QString base = QStringLiteral("Button_Arrow_") + QLatin1String(row.stem);
        const QString l = base + QStringLiteral("_Left");
        const QString r = base + QStringLiteral("_Right");
        const QString left_name = row.left_name != nullptr ? QLatin1String(row.left_name) : l;
        arrow(row, left_name, l, false, can_be_disabled);
        arrow(row, r, r, true, can_be_disabled);
    }

    // ---- Building, top to bottom: what is made later lies above ----------------------------

    void build() {
        build_switches();
        build_values();
        build_reset_on_zero();
        build_bet_automatic_reset();
        build_manual_resets();
        build_trend_betting();
    }

    // The section bars with the settings files, the categories and the switches beside them.
    void build_switches() {
        section(kOptionsSection);
        section(kStatisticsSection);
        surface.add_button(
            QStringLiteral("Button_Settings_L"), QStringLiteral("Button_Settings_Hover_L"),
            kLoadSettingsButton, Art::FileLoad, Art::FileLoadHover, [this] { load_settings(); }, {},
            reader::kLoadSettings);
        surface.add_button(
            QStringLiteral("Button_Settings_S"), QStringLiteral("Button_Settings_Hover_S"),
            kSaveSettingsButton, Art::FileSave, Art::FileSaveHover, [this] { save_settings(); }, {},
            reader::kSaveSettings);
        for (CategoryId c : kAllCategories) {
            check(kCategoryChecks[index_of(c)], c);
        }
        for (const CheckRow& row : kSwitchChecks) {
            check(row);
        }
    }

    // Starting bet, chain lengths and betting systems.
    void build_values() {
        for (const CaptionRow& row : kValueCaptions) {
            caption(row);
        }
        boxed_values(kUpperValues, false);
        for (const StepperRow& row : kUpperSteppers) {
            stepper(row);
        }
    }

    void build_reset_on_zero() {
        section(kAdvancedSection);
        frame(kResetOnZeroFrame);
        check(kResetOnZeroCheck);
        for (const CaptionRow& row : kStepsCaptions) {
            caption(row);
        }
        boxed_values(kStepsValues, true);
        for (const StepperRow& row : kStepsSteppers) {
            stepper(row, true);
        }
    }

    void build_bet_automatic_reset() {
        frame(kBetAutomaticResetFrame);
        check(kBetAutomaticResetCheck);
        radio_pair(kBetAutomaticResetModes);
        boxed_values({&kSetUnitsValue, 1}, true);
        stepper(kSetUnitsStepper, true);
    }

    // BETS sets the bets back at once; SPINS and SETTINGS replace the game or the options, so
    // a spin in progress completes first.
    void build_manual_resets() {
        frame(kManualResetFrame);
        caption(kManualResetCaption);
        using Kind = ScriptAction::Kind;
        reset_button(kBetsButton, [this] { surface.perform(plain_action(Kind::Bets)); });
        reset_button(kSpinsButton, [this] { surface.perform(plain_action(Kind::NewGame)); });
        reset_button(kSettingsButton,
                     [this] { surface.perform(plain_action(Kind::DefaultSettings)); });
    }

    void reset_button(const ResetButtonRow& row, std::function<void()> action) {
        const QString name = QStringLiteral("Button_") + QLatin1String(row.text);
        Picture* button =
            surface.add_button(name, name + QStringLiteral("_Hover"), row.rect, Art::ResetButton,
                               Art::ResetButtonHover, std::move(action), QLatin1String(row.text));
        button->setAccessibleDescription(QLatin1String(row.description));
    }

    void build_trend_betting() {
        frame(kTrendBettingFrame);
        check(kTrendBettingCheck);
        radio_pair(kTrendDirections);
    }

    // ---- Settings files -------------------------------------------------------------------

    void load_settings() {
        const QString name = surface.ask_file(false, QStringLiteral("Corvane settings (*.kvs)"),
                                              QStringLiteral("kvs"));
        if (name.isEmpty()) {
            return;
        }
        load_settings_file(name);
    }

    void load_settings_file(const QString& name) {
        surface.perform(
            file_action(ScriptAction::Kind::LoadSettings, QFile::encodeName(name).toStdString()));
    }

    void save_settings() {
        QString name = surface.ask_file(true, QStringLiteral("Corvane settings (*.kvs)"),
                                        QStringLiteral("kvs"));
        if (name.isEmpty()) {
            return;
        }
        if (QFileInfo(name).suffix().isEmpty()) {
            name += QStringLiteral(".kvs");
        }
        surface.report(engine().save_settings(QFile::encodeName(name).toStdString()));
    }

    // ---- Press, release and auto-repeat ---------------------------------------------------

    static int timer(int repeat, RepeatTimer t) { return repeat * kRepeatTimers + t; }

    void press(Arrow* a) {
        held = a;
        a->active->set_art(a->right ? Art::ArrowRightPressed : Art::ArrowLeftPressed);
        if (a->repeat != kNoRepeat) {
            scheduler.start(timer(a->repeat, a->right ? kIncrease : kDecrease));
            if (kRepeats[a->repeat].speed_up_from_press) {
                scheduler.start(timer(a->repeat, kSpeedUp));
            }
        }
    }

    // The release of a pressed arrow; the click a release over the arrow adds has already run.
    void release(Arrow* a) {
        if (held != a) {
            return;
        }
        held = nullptr;
        a->active->set_art(a->right ? Art::ArrowRightActive : Art::ArrowLeftActive);
        if (a->repeat != kNoRepeat) {
            scheduler.stop(timer(a->repeat, a->right ? kIncrease : kDecrease));
            scheduler.stop(timer(a->repeat, a->right ? kIncreaseActive : kDecreaseActive));
            scheduler.stop(timer(a->repeat, kSpeedUp));
            repeat_step[a->repeat] = 1;
        }
        if (a->option->release) {
            apply(a->option->release->op);
        }
    }

    // One tick of a held stepper's timers.
    void tick(int id) {
        const int r = id / kRepeatTimers;
        const RepeatRow& row = kRepeats[r];
        switch (static_cast<RepeatTimer>(id % kRepeatTimers)) {
            case kIncrease:
            case kDecrease:
                scheduler.start(
                    timer(r, id % kRepeatTimers == kIncrease ? kIncreaseActive : kDecreaseActive));
                if (!row.speed_up_from_press) {
                    scheduler.start(timer(r, kSpeedUp));
                }
                break;
            case kIncreaseActive:
                apply(row.option->repeat->op, {}, repeat_step[r]);
                break;
            case kDecreaseActive:
                apply(row.option->repeat->op, {}, -repeat_step[r]);
                break;
            case kSpeedUp:
                repeat_step[r] += 2;
                break;
            case kRepeatTimers:
                break;
        }
    }

    // ---- Drawing: one function per kind of control decides what its elements show -----------

    static void draw(const Check& k, bool on) {
        k.unchecked->setVisible(!on);
        accessibility::set_checked(k.checked, on);
        set_colour(k.caption, on_off_colour(on));
    }

    // A mode pair of an advanced option: the selected mode ticked, both dim while the option
    // is off, and only the selected mode's caption silver while it is on.
    static void draw(const RadioPair& pair, bool option_on, bool first_selected) {
        const Radio& first = pair.on;
        const Radio& second = pair.off;
        first.checked->setVisible(first_selected);
        second.checked->setVisible(!first_selected);
        first.disabled->setVisible(!option_on);
        second.disabled->setVisible(!option_on);
        accessibility::set_checked(first.unchecked, first_selected);
        accessibility::set_checked(second.unchecked, !first_selected);
        accessibility::set_available(first.unchecked, option_on);
        accessibility::set_available(second.unchecked, option_on);
        set_colour(first.caption, on_off_colour(option_on && first_selected));
        set_colour(second.caption, on_off_colour(option_on && !first_selected));
    }

    // An arrow that can be dim is inert while its option does not count.
    static void draw(const Arrow& a, bool usable) {
        a.disabled->setVisible(!usable);
        accessibility::set_available(a.normal, usable);
    }

    void draw(const Value& v, const Settings& s) {
        const QString shown = QString::fromStdString(engine().shown(*v.option));
        set_text(v.label, shown);
        accessibility::set_name(v.label, reader::value(v.spoken, shown));
        if (v.lit != nullptr) {
            set_colour(v.label, in_force(s, *v.option) ? *v.lit : QColor(Qt::black));
        }
    }

    void refresh() {
        const Settings& s = engine().settings();
        for (const Check& k : checks) {
            draw(k, is_on(s, *k.option, k.category));
        }
        for (const RadioPair& p : radio_pairs) {
            draw(p, in_force(s, *p.option), is_on(s, *p.option));
        }
        for (const Value& v : values) {
            draw(v, s);
        }
        for (const OptionCaption& c : option_captions) {
            set_colour(c.label, on_off_colour(in_force(s, *c.option)));
        }
        for (const std::unique_ptr<Arrow>& a : arrows) {
            if (a->disabled != nullptr) {
                draw(*a, in_force(s, *a->option));
            }
        }
    }
};

OptionsPanel::OptionsPanel(Surface& surface)
    : QObject(surface.widget()), impl_(std::make_unique<Impl>(this, surface)) {
    setObjectName(QStringLiteral("OptionsPanel"));
    impl_->build();
    refresh();
}

OptionsPanel::~OptionsPanel() = default;

void OptionsPanel::refresh() {
    impl_->refresh();
}

void OptionsPanel::set_clock(std::function<qint64()> clock) {
    impl_->scheduler.set_clock(std::move(clock));
}

void OptionsPanel::run_timers() {
    impl_->scheduler.run();
}

void OptionsPanel::load_settings_file(const QString& name) {
    impl_->load_settings_file(name);
}

bool OptionsPanel::timers_running() const {
    return impl_->scheduler.any_running();
}

bool OptionsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && qobject_cast<QLabel*>(watched) != nullptr) {
        // The value labels StartingBet, Chains_Length12_Text and Chains_Length23_Text.
        impl_->surface.disable_hovers();
    } else if (event->type() == QEvent::Hide && impl_->held != nullptr &&
               watched == impl_->held->active) {
        // A held arrow whose picture goes away gets no release of its own: release it here.
        impl_->release(impl_->held);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
