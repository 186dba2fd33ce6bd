// What the options change in a running game. The setting operations ask for these at once, in
// their own order; the engine that owns the game carries them out.
#pragma once

#include "base/numbers.h"

namespace corvane {

class GameEffects {
  public:
    virtual ~GameEffects() = default;
    // A category was switched off: its bet on show is dropped, with its stake given back, and
    // its chain ends.
    virtual void category_switched_off(CategoryId category) = 0;
    // Chain labels go with every bet on show, or none shows.
    virtual void show_chain_labels(bool shown) = 0;
    // StartingBet_Value: every category's stake becomes this starting bet, shown at once.
    virtual void stakes_to_starting_bet(double starting_bet) = 0;
    // The aim of the bet automatic reset becomes the bankroll plus this amount.
    virtual void move_aim(double amount) = 0;
    // Trend betting was switched off: every category's bets and chains end, without refund.
    virtual void end_all_bets() = 0;
};

}  // namespace corvane
