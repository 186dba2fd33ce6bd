// Keeping the evening across restarts. The right-click menu's entry turns it on and off, and is
// remembered in the configuration folder beside the money plan. While it is on, every action
// the window applies to the game goes to the journal in the state folder
// ($XDG_STATE_HOME/corvane, ~/.local/state/corvane), on the disk before the window shows what
// it did; a lock file beside the journal keeps a second Corvane out of it; at start the player
// is asked whether to continue the evening it holds. While it is off nothing is read or written
// at start or at close.
//
// Whatever the entry says, the window keeps the evening's actions in memory, so that a journal
// begun in the middle of an evening starts with everything before it.
#pragma once

#include <QString>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "engine/engine.h"
#include "engine/journal.h"

class QLockFile;
class QMessageBox;
class QWidget;

namespace corvane {

// The box in which the window asks a question: Yes and No (object name "QuestionBox").
std::unique_ptr<QMessageBox> question_box(QWidget* parent, const QString& question);

class EveningJournal {
  public:
    // What the journal needs of the window: a question with Yes and No, a message.
    struct Window {
        std::function<bool(const QString& question)> ask;
        std::function<void(const QString& text)> tell;
    };

    EveningJournal(QString folder, Window window);
    ~EveningJournal();
    EveningJournal(const EveningJournal&) = delete;
    EveningJournal& operator=(const EveningJournal&) = delete;

    // $XDG_STATE_HOME/corvane, or ~/.local/state/corvane where the variable is not set to an
    // absolute path; under Qt's test folders in Qt's test mode.
    static QString default_folder();
    // The menu's entry as remembered; off until the player turns it on.
    static bool remembered();
    static void remember(bool on);

    // Where the journal is kept; only before start().
    void use_folder(const QString& folder);
    const QString& folder() const { return folder_; }
    std::string journal_path() const { return files_.journal_path(); }
    // The moment of each action, local time; tests set their own clock.
    void set_clock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }

    // The menu entry's state, and whether this window writes the journal (not when another
    // Corvane does, nor after a write failed).
    bool wanted() const { return wanted_; }
    bool keeping() const { return files_.writing(); }

    // At start, with the entry on: a journal that holds an action is replayed onto `fresh` (a
    // new engine with the money plan in force) and the player is asked whether to continue it.
    // True when `fresh` holds the evening to continue; otherwise the journal was set aside (or
    // there was none) and the window starts empty. A journal that cannot be replayed is told
    // of, with its line, and set aside.
    bool start(Engine& fresh);

    // An action the window applied to the game, with the bytes it loaded for a load. While the
    // journal is kept it is on the disk at return; a failure turns the entry off, and the
    // message waits for tell_failure().
    void applied(const ScriptAction& action, std::shared_ptr<const std::string> loaded = {});
    // Shows the message of a write that failed since the last call, if one did.
    void tell_failure();

    // The menu's entry. On: the journal starts with the evening so far. Off: the journal is set
    // aside and no more is written.
    void set_wanted(bool on);
    // A new evening: the journal is set aside and the evening's actions forgotten; the window
    // starts empty.
    void new_evening();

    // The evening's actions so far.
    const Evening& evening() const { return evening_; }

    // The texts the player reads.
    static QString question(std::size_t numbers, const std::string& last_at, bool cut);
    static QString fault_message(const std::string& journal, const JournalFault& fault,
                                 const std::string& set_aside_as);
    static QString locked_message();
    static QString unwritable_message(const QString& folder);
    static QString new_evening_question();

  private:
    // Makes the folder and takes the lock; says why not.
    bool open_folder();
    void release();
    void turn_off_after_failure();
    void set_aside_faulty(const JournalFault& fault);
    std::string now_minute() const;

    QString folder_;
    Window window_;
    JournalFolder files_;
    std::unique_ptr<QLockFile> lock_;
    std::function<std::time_t()> clock_;
    Evening evening_;
    bool wanted_ = false;
    bool told_locked_ = false;
    bool failed_ = false;  // a write failed, not yet told
};

}  // namespace corvane
