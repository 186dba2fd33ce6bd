// Scenario scripts: one player action per line, applied to a fresh program as the window
// would apply them.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "engine/engine.h"

namespace corvane {

struct ScriptAction {
    enum class Kind {
        Spin,
        Undo,
        Bets,
        NewGame,
        DefaultSettings,
        LoadNumbers,
        SaveNumbers,
        LoadSettings,
        SaveSettings,
        Op,
    };
    Kind kind = Kind::Spin;
    int number = 0;    // spin: the number; op: the signed step
    std::string text;  // load/save: the path; op: the operation's name
    std::string arg;   // op: the category argument
    std::string cmd;   // the line as read, without surrounding blanks
};

struct ScriptSkip {};  // an empty line or a comment

struct ScriptError {
    std::string message;
};

using ScriptLine = std::variant<ScriptSkip, ScriptAction, ScriptError>;

// Reads one line of a script.
ScriptLine parse_script_line(std::string_view line);

// The actions the window takes, built as the script reader would read their lines.
ScriptAction spin_action(int number);
ScriptAction plain_action(ScriptAction::Kind kind);  // undo, bets, new-game, default-settings
ScriptAction file_action(ScriptAction::Kind kind, std::string path);  // the loads and saves
ScriptAction op_action(SettingOp op, CategoryId category = {}, int step = 0);

// The line that parse_script_line reads back as the same action: its verb and arguments, a
// step with its sign ("+1"). An operation that takes no category or step leaves it out.
std::string script_line(const ScriptAction& action);

// Applies an action to the engine as the window would; the message it showed, if any. A file
// action's path is used as given, unless `sandbox` names a folder: then only the file name's
// last part counts, inside that folder (so that generated scripts write nowhere else).
Message run_script_action(Engine& engine, const ScriptAction& action,
                          const std::string& sandbox = {});

}  // namespace corvane
