// The engine: one game, the options and the settings text, and every action a player can take
// on them. The window and the headless tool both drive this class; neither decides any game
// behaviour of its own.
#pragma once

#include <string>

#include "core/game_state.h"
#include "settings/settings.h"
#include "settings/settings_text.h"

namespace corvane {

class Engine {
  public:
    Engine();

    const GameState& game() const { return game_; }
    const Settings& settings() const { return settings_; }
    const SettingsText& settings_text() const { return settings_text_; }

    // The Set Units value shows "0,1" until the amount is first changed or loaded.
    std::string shown_set_units() const;

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
    void bets();

    // Direct access for tests and tools that set up a situation the board reaches slowly.
    GameState& mutable_game() { return game_; }
    Settings& mutable_settings() { return settings_; }

  private:
    void enter_number(int n);  // Button0 .. Button36
    void analyse();
    void current_number();
    void prediction();
    void predict_category(CategoryId c);

    GameState game_;
    Settings settings_;
    SettingsText settings_text_;
    bool set_units_initial_ = true;
};

}  // namespace corvane
