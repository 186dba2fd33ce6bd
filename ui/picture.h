// One picture of the window: an Art painted at the element's size. It takes the pointer for
// itself, so that nothing beneath it (least of all the bare skin) sees a press or a move.
// Screen readers pass it by as artwork until it is given a role (ui/accessibility.h).
#pragma once

#include <QWidget>
#include <functional>

#include "ui/skin.h"

namespace corvane {

class Picture : public QWidget {
  public:
    Picture(QWidget* parent, const QString& name, QRect geometry, skin::Art art, int number = 0,
            const QString& text = {});

    void set_art(skin::Art art);
    skin::Art art() const { return art_; }

    // What the picture does with the pointer; an empty handler does nothing.
    std::function<void()> on_move;     // the pointer moved over it
    std::function<void()> on_click;    // press and release on it (each press of a double click)
    std::function<void()> on_press;    // a press of the left button
    std::function<void()> on_release;  // the release of that press, wherever the pointer is

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    skin::Art art_;
    int number_;
    QString text_;
    bool pressed_ = false;
};

}  // namespace corvane
