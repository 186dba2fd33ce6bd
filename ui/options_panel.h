// The lower half of the window: every option on screen, the manual resets and the settings
// files. It draws the options from the engine's settings and turns clicks, presses and
// held arrows into the engine's setting operations.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace corvane {

class Surface;

class OptionsPanel : public QObject {
  public:
    // Creates the panel's pictures and labels as elements of the surface (y 304 to 660).
    explicit OptionsPanel(Surface& surface);
    ~OptionsPanel() override;

    // Draws every option from its current state: pictures, captions and values.
    void refresh();

    // The auto-repeat timers of the held starting-bet and Set Units arrows run on this clock
    // (milliseconds, only its differences matter). By default it is the system's monotonic
    // clock; tests put in a clock they move by hand.
    void set_clock(std::function<qint64()> clock);
    // Delivers every tick of the auto-repeat timers that is due by the clock's time, in time
    // order; ticks due at the same moment come in the order their timers were (re)armed.
    // The window's event loop calls it on its own when the next tick falls due.
    void run_timers();
    // True while any auto-repeat timer runs.
    bool timers_running() const;

    // What the settings load button does once the player has chosen the file `name`.
    void load_settings_file(const QString& name);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace corvane
