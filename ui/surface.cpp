#include "ui/surface.h"

#include <QFile>
#include <QFont>
#include <QPalette>
#include <utility>

#include "ui/accessibility.h"

namespace corvane {

QLabel* make_label(QWidget* parent, const QString& name, QRect geometry, const QString& text,
                   int pixel_size, bool bold, QColor colour, Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
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

Surface::Surface(QWidget* widget, Engine& engine, Window window)
    : widget_(widget), engine_(engine), window_(std::move(window)) {}

void Surface::change(const std::function<void(Engine&)>& action) {
    action(engine_);
    window_.draw();
}

void Surface::run_file_action(const std::function<Message(Engine&)>& action) {
    Message message;
    change([&](Engine& engine) {
        window_.finish_spin();
        message = action(engine);
    });
    report(message);
}

QString Surface::ask_file(bool save, const QString& filter, const QString& suffix) const {
    return window_.ask_file ? window_.ask_file(save, filter, suffix) : QString();
}

void Surface::save_file(
    const QString& filter, const QString& suffix,
    const std::function<Message(const Engine&, const std::string& path)>& write) const {
    const QString name = ask_file(true, filter, suffix);
    if (!name.isEmpty()) {
        report(write(engine_, QFile::encodeName(name).toStdString()));
    }
}

void Surface::report(const Message& message) const {
    if (message && window_.show_message) {
        window_.show_message(
            QString::fromLatin1(message->data(), static_cast<int>(message->size())));
    }
}

Picture* Surface::add_picture(const QString& name, QRect geometry, skin::Art art, int number,
                              const QString& text) {
    return new Picture(widget_, name, geometry, art, number, text);
}

Picture* Surface::add_button(const QString& name, const QString& hover_name, QRect geometry,
                             skin::Art art, skin::Art hover_art, std::function<void()> action,
                             const QString& text, const QString& spoken) {
    Picture* normal = add_picture(name, geometry, art, 0, text);
    accessibility::set_role(normal, QAccessible::Button, spoken.isEmpty() ? text : spoken);
    Picture* hover = add_picture(hover_name, geometry, hover_art, 0, text);
    normal->setCursor(Qt::PointingHandCursor);
    hover->setCursor(Qt::PointingHandCursor);
    hover->hide();
    add_hover(hover);
    normal->on_move = [this, hover] { show_hover(hover); };
    hover->on_click = std::move(action);
    return normal;
}

QLabel* Surface::add_label(const QString& name, QRect geometry, const QString& text, int pixel_size,
                           bool bold, QColor colour, Qt::Alignment align) {
    return make_label(widget_, name, geometry, text, pixel_size, bold, colour, align);
}

void Surface::disable_hovers() {
    for (Picture* h : hovers_) {
        if (h->isVisible()) {
            h->hide();
        }
    }
}

void Surface::show_hover(Picture* hover) {
    disable_hovers();
    hover->show();
}

}  // namespace corvane
