// The lower half of the window: every option on screen, the manual resets and the settings
// files. It draws the options from the engine's settings and turns clicks, presses and
// held arrows into the engine's setting operations.
#pragma once

#include <QObject>

namespace corvane {

class MainWindow;

class OptionsPanel : public QObject {
public:
    // Creates the panel's pictures and labels as elements of the window (y 304 to 660).
    explicit OptionsPanel(MainWindow* window);
    ~OptionsPanel() override;

    // Draws every option from its current state: pictures, captions and values.
    void refresh();

private:
    struct Impl;
    Impl* impl_;
};

}  // namespace corvane
