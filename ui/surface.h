// What the window and its options panel share: the widget their elements stand on, the hover
// pictures that Disable_Hovers hides, the engine, and the one way an action changes the engine.
// The panel knows the window only through this.
#pragma once

#include <QColor>
#include <QLabel>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "engine/engine.h"
#include "engine/script.h"
#include "ui/picture.h"

namespace corvane {

// A label in the window's look: the sans face at `pixel_size`, in `colour`. Surface::add_label
// makes one on the surface's widget; this makes one on any widget of the window.
QLabel* make_label(QWidget* parent, const QString& name, QRect geometry, const QString& text,
                   int pixel_size, bool bold, QColor colour, Qt::Alignment align = Qt::AlignLeft);

class Surface {
  public:
    // What the surface needs of the window that owns it.
    struct Window {
        std::function<void()> draw;         // draws the whole state of the engine
        std::function<void()> finish_spin;  // completes a spin still in progress, at once
        std::function<QString(bool save, const QString& filter, const QString& suffix)> ask_file;
        std::function<void(const QString& text)> show_message;
        std::function<void(const ScriptAction& action)> perform;  // see perform()
    };

    Surface(QWidget* widget, Engine& engine, Window window);

    QWidget* widget() const { return widget_; }

    // For reading only: every change goes through change() or run_file_action().
    const Engine& engine() const { return engine_; }

    // Applies one of the player's actions on the game (a number, an undo, BETS, SPINS,
    // SETTINGS, an option, a file loaded) as the window applies them all, through change() or
    // run_file_action(), and keeps it in the evening's journal.
    void perform(const ScriptAction& action) const { window_.perform(action); }

    // Runs an action of a click, a key or a timer on the engine, then draws the state it
    // left, so no action can leave the window showing an older state.
    void change(const std::function<void(Engine&)>& action);
    // Runs an action that replaces the game or the options: a spin still in progress is
    // completed first, then the action, then the window shows the result and the message.
    void run_file_action(const std::function<Message(Engine&)>& action);
    // The window's file dialog; an empty name when the player cancels.
    QString ask_file(bool save, const QString& filter, const QString& suffix) const;
    // Asks for a file to save to and has `write` write it there, then shows its message, if
    // it has one. Nothing is written when the player cancels.
    void save_file(
        const QString& filter, const QString& suffix,
        const std::function<Message(const Engine&, const std::string& path)>& write) const;
    // Shows an action's message, if it has one.
    void report(const Message& message) const;

    // Element factories. A button is a normal picture with its hover picture above it; only
    // the hover picture takes the click. Screen readers know the button by the normal picture,
    // named `spoken`, or its text.
    Picture* add_picture(const QString& name, QRect geometry, skin::Art art, int number = 0,
                         const QString& text = {});
    Picture* add_button(const QString& name, const QString& hover_name, QRect geometry,
                        skin::Art art, skin::Art hover_art, std::function<void()> action,
                        const QString& text = {}, const QString& spoken = {});
    QLabel* add_label(const QString& name, QRect geometry, const QString& text, int pixel_size,
                      bool bold, QColor colour, Qt::Alignment align = Qt::AlignLeft);

    // Makes a picture one of the hover pictures that Disable_Hovers hides.
    void add_hover(Picture* hover) { hovers_.push_back(hover); }
    // Disable_Hovers: hides every hover picture.
    void disable_hovers();
    // Shows one hover picture, after hiding the others.
    void show_hover(Picture* hover);

  private:
    QWidget* widget_;
    Engine& engine_;
    Window window_;
    std::vector<Picture*> hovers_;
};

}  // namespace corvane
