// The evening's journal: every action the window applied to the game, one line of the tool's
// script each, so that `corvane-backtest --script` replays it as the window played it; each line
// is on the disk before the window shows what its action did. A file the player loaded is copied
// beside the journal and the journal's line loads the copy, so the evening does not depend on
// the file staying where it was.
//
// The journal's folder holds:
//   journal.txt                    the evening going on
//   files/<evening>-<k>-<name>     the copies of the files it loaded
//   journal-<evening>.txt          the evenings set aside, the ten newest kept
// where <evening> is the local date and time the journal began, 2026-03-14_21-40-07.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/durable_file.h"
#include "engine/engine.h"
#include "engine/script.h"

namespace corvane {

// A journal larger than this is refused unread.
inline constexpr std::uintmax_t kMaxJournalBytes = std::uintmax_t{64} << 20;
// The evenings set aside that the folder keeps; older ones are removed.
inline constexpr std::size_t kEveningsKept = 10;

// One action as the window applied it, the minute it came ("2026-03-14 21:43"), and for a load
// the bytes it loaded. A load's path is the file the player chose.
struct EveningStep {
    ScriptAction action;
    std::string at;
    std::shared_ptr<const std::string> loaded;
};

// Every action of the evening, in order.
using Evening = std::vector<EveningStep>;

// What stops a journal from being replayed: the line (from 1) and why; line 0 for the whole
// file.
struct JournalFault {
    std::size_t line = 0;
    std::string reason;
};

// An action of a journal, the line it stands on and the minute stamped before it.
struct JournalEntry {
    ScriptAction action;
    std::size_t line = 0;
    std::string at;  // empty before the journal's first stamp
};

// A journal as read.
struct JournalContent {
    std::string evening;  // the evening's name, from the journal's first line; empty without one
    std::vector<JournalEntry> entries;
    std::size_t whole_bytes = 0;  // the bytes up to the end of its last whole line
    bool cut = false;             // bytes after the last line end were left out
    std::optional<JournalFault> fault;
};

// Reads a journal. A last line without its line end, cut short by a stop in the middle of a
// write, is left out. A line that the script reader refuses, or an action a journal never holds
// (a save), is a fault: no entry after it counts.
JournalContent parse_journal(std::string_view bytes);

// A journal replayed onto a fresh engine.
struct ReplayedEvening {
    std::optional<JournalFault> fault;  // the first entry that could not be replayed
    Evening evening;                    // the steps replayed, with the bytes of the files loaded
    // The minute of the game's last number, or of the journal's last action when the game has
    // none.
    std::string last_at;
};

// Replays every entry as corvane-backtest --script does. A load whose file is missing or
// refused stops the replay with its line and message; the engine is then of no use.
ReplayedEvening replay_journal(Engine& engine, const JournalContent& content);

// The loads as the window makes them, with the same checks and messages as Engine::load_numbers
// and Engine::load_settings, keeping the bytes loaded; `loaded` is set only when the load took.
Message load_numbers_keeping(Engine& engine, const std::string& path,
                             std::shared_ptr<const std::string>& loaded,
                             const LoadProgress& progress = {});
Message load_settings_keeping(Engine& engine, const std::string& path,
                              std::shared_ptr<const std::string>& loaded);

// The folder of the journal, and the one writer of it.
class JournalFolder {
  public:
    explicit JournalFolder(std::string folder);

    const std::string& folder() const { return folder_; }
    std::string journal_path() const;
    std::string files_folder() const;

    // Goes on writing the journal there after its whole lines; a cut last line is cut off.
    bool resume(const JournalContent& content);
    // Starts a new journal holding `evening` so far, its files copied, named after `now`. A
    // journal still in the folder is set aside first. A journal without a step is created only
    // with its first step.
    bool begin(const Evening& evening, std::time_t now);
    // Appends a step, a loaded file copied first; on the disk at return. False on failure, after
    // which nothing more is written.
    bool append(const EveningStep& step);
    bool writing() const { return writing_; }
    // Stops writing; the journal stays as it is.
    void stop();

    // Stops writing and renames the journal in the folder journal-<its evening>.txt (named after
    // its last change where its first line names none); then removes the oldest evenings set
    // aside beyond the ten newest, with their copies. The new path; empty when the folder holds
    // no journal or it could not be renamed (`failed` then says so).
    std::string set_aside(bool* failed = nullptr);

    // The journals set aside, oldest first.
    std::vector<std::string> set_aside_journals() const;

  private:
    std::string step_text(const EveningStep& step, bool& ok);
    std::string free_evening_name(std::time_t now) const;
    void remove_old_evenings();

    std::string folder_;
    AppendFile file_;
    bool writing_ = false;
    bool created_ = false;  // the journal's file exists, its first lines written
    std::string evening_;   // the journal's name
    std::string stamped_;   // the last minute stamped in it
    std::size_t copies_ = 0;
};

}  // namespace corvane
