// The money plan at a glance: a strip at the bottom of the main window, shown only while a plan
// is set, with the evening's net, the money left and how far the stop loss and the target are;
// below them, after a spin, a line for each warning of the plan, until the next spin or until
// the player dismisses them. It draws what the engine says and turns the dismissal into an
// engine call; it decides nothing.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

namespace corvane {

class PlanStrip : public QWidget {
  public:
    static constexpr int kFiguresHeight = 24;  // the line of figures
    static constexpr int kWarningHeight = 20;  // each warning's line

    explicit PlanStrip(QWidget* parent);

    // Shows the figures and the warnings (UTF-8 texts) and sizes itself to them; true when
    // warnings that were not on show came. A screen reader is told of them at once.
    bool show_state(const std::vector<std::string>& figures,
                    const std::vector<std::string>& warnings);

    // The height the strip needs for what it shows; 0 when it has nothing to show.
    int needed_height() const;

    // The player dismissed the warnings.
    std::function<void()> dismissed;
    // Tells screen readers of a warning that came: an alert event on its line. Tests listen in
    // here, since no screen reader runs on their platform.
    std::function<void(QWidget* line)> alert;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<QLabel*> figures_;
    std::vector<QLabel*> warnings_;
    QPushButton* dismiss_ = nullptr;
    QStringList shown_warnings_;
};

}  // namespace corvane
