#include "ui/picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/accessibility.h"

namespace corvane {

Picture::Picture(QWidget* parent, const QString& name, QRect geometry, skin::Art art, int number,
                 const QString& text)
    : QWidget(parent), art_(art), number_(number), text_(text) {
    setObjectName(name);
    setGeometry(geometry);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    accessibility::set_artwork(this);
}

void Picture::set_art(skin::Art art) {
    if (art != art_) {
        art_ = art;
        update();
    }
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, skin::pixmap(art_, size(), devicePixelRatioF(), number_, text_));
}

void Picture::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (on_move && !pressed_) {
        on_move();
    }
}

void Picture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pressed_ = true;
    if (on_press) {
        on_press();
    }
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressed_) {
        return;
    }
    pressed_ = false;
    // The click comes before the release's own actions, and only over the picture.
    const bool over = rect().contains(event->position().toPoint());
    if (over && on_click && isVisible()) {
        on_click();
    }
    if (on_release) {
        on_release();
    }
}

void Picture::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a fast double click counts as a press of its own.
    mousePressEvent(event);
}

}  // namespace corvane
