// The one-level undo: a snapshot of the game taken at the start of every spin, and the
// operation that puts it back and removes the last number.
#pragma once

#include "engine/game_state.h"
#include "settings/settings.h"

namespace corvane {

// Cancel_Data: records the game as it stands, before anything of a new number is recorded.
void take_snapshot(GameState& game);

// Cancel: removes the last number and returns the game to the snapshot. Bet indicators and
// hidden marks stay hidden until the next spin; chain label texts and hints are kept.
void cancel(GameState& game, const Settings& settings);

}  // namespace corvane
