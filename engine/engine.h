// The engine: one game, the options and their text, and every action a player can take on
// them. The window and the headless tool both drive this class; neither decides any game
// behaviour of its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_io.h"
#include "base/number_file.h"
#include "engine/game_state.h"
#include "engine/money_plan.h"
#include "settings/operations.h"

namespace corvane {

namespace testing {
struct EngineAccess;
}

// The text of a message box an action showed, if any.
using Message = std::optional<std::string>;

class Engine {
  public:
    // An engine whose saves go through `files`: the machine's own files unless a test hands it
    // a file system that fails on purpose.
    explicit Engine(FileSystem& files = real_file_system()) : files_(&files) {}

    const GameState& game() const { return game_; }
    const Settings& settings() const { return options_.settings; }
    const SettingsText& settings_text() const { return options_.text; }

    // The player's money plan for the evening; empty until one is set. It is kept apart from
    // the options and their settings file, and survives a new game. After every spin of a game
    // that keeps its log, the plan's rules judge the bets settled since the game's first
    // number and the bets just suggested; what they say stands until the next spin, an undo, a
    // new game, a load, a new plan or dismiss_warnings().
    const MoneyPlan& plan() const { return plan_; }
    void set_plan(const MoneyPlan& plan);
    // The evening at a glance ("Net +12", "Left 1012", ...), empty without a plan.
    std::vector<std::string> plan_figures() const;
    // What the plan warns of after the last spin, in words, in the order of its rules.
    std::vector<std::string> plan_warnings() const;
    void dismiss_warnings();

    // What the options panel shows as a list option's value: its entry, or its start text
    // until it is first moved or loaded (the Set Units amount shows "0,1").
    std::string shown(const Option& option) const;

    // A click on the hover picture of number cell n: shows its pressed picture and enters the
    // number. Refused (false) while the board is busy, on a pressed cell or outside 0..36.
    bool click_number(int n);

    // One tick of the 15 ms animation timer. At the end of the animation it makes the board
    // ready again and runs the prediction; it then returns true.
    bool tick();

    // Runs the animation of a spin in progress to its end, prediction included.
    void finish_spin();

    // A whole spin: the click on cell n and its processing. False if the board refused n.
    bool spin(int n);

    // The Cancel button: takes back the last number while the undo is offered.
    bool undo();

    // The BETS button: every progression and the bankroll back to their start.
    void press_bets();

    // The SPINS button: a new, empty game. Stakes and progressions stay.
    void new_game();

    // Number files. A load replaces the game by the file's numbers, replayed into the history
    // and the statistics; a name that does not exist does nothing. A long load can be followed
    // through `progress`, which sees two passes: the file's lines checked, then the statistics
    // replayed, whose total is the count of numbers and which ends at the count of non-zero
    // ones (a zero counts in no statistic). The game changes only in the second pass, and a
    // load is the same with or without `progress`.
    Message load_numbers(const std::string& path, const LoadProgress& progress = {});
    Message load_numbers_from(std::string_view bytes,  // the content of a number file
                              const LoadProgress& progress = {});
    Message save_numbers(const std::string& path) const;

    // The session log as CSV, through the same writer as the other files.
    Message export_csv(const std::string& path) const;

    // One setting operation.
    void apply(SettingOp op, CategoryId category = {}, int step = 0);

    // Settings files, and the SETTINGS button (the default options, applied as a file).
    // Loads of either kind refuse, unread and with their message, what is not a regular file or
    // is larger than kMaxNumberFileBytes (numbers) or kMaxSettingsFileBytes (settings).
    Message load_settings(const std::string& path);
    Message load_settings_from(std::string_view bytes);
    Message save_settings(const std::string& path) const;
    void default_settings();

    // A caller that will never take a number back says so, before the game's first number:
    // the spins leave out the undo snapshot, and the undo is never offered. The game is
    // otherwise the same.
    void keep_undo(bool keep) { game_.keeps_undo = keep; }
    // A caller that will never look over the whole game says so, before its first number: the
    // session log stays empty.
    void keep_log(bool keep) { game_.keeps_log = keep; }
    // A caller that will never show the history strip or the statistics says so, before the
    // game's first number: the spins leave the strip as it is, and count the statistics but
    // work out their percentages only while trend betting reads them. A percentage is a
    // function of the counts, so trend betting reads what it would have read; every other part
    // of the game is the same.
    void keep_display(bool keep) { game_.keeps_display = keep; }

    // Lets a long headless run keep its memory flat: all but the last `keep` (at least one)
    // entries of the number lists are let go of, while the statistics go on counting them and
    // the undo still finds the last number. The window never calls it: a game it saves holds
    // every number.
    void forget_old_numbers(std::size_t keep);

  private:
    friend struct testing::EngineAccess;  // tests set up situations the board reaches slowly

    void reset_spins();    // Button_Reset_Spins
    void end_animation();  // the last tick of a spin's animation, with the prediction
    void judge_by_plan();
    Message save_text(const std::string& path, std::string_view bytes) const;

    GameState game_;
    SettingsState options_;
    MoneyPlan plan_;
    bool plan_set_ = false;  // the plan has a part: the spins are judged by it
    FileSystem* files_;
};

}  // namespace corvane
