// Direct access to an engine's game and options, for tests that set up a situation the board
// reaches only slowly.
#pragma once

#include "engine/engine.h"

namespace corvane::testing {

struct EngineAccess {
    static GameState& game(Engine& e) { return e.game_; }
    static Settings& settings(Engine& e) { return e.options_.settings; }
};

inline GameState& game_of(Engine& e) {
    return EngineAccess::game(e);
}
inline Settings& settings_of(Engine& e) {
    return EngineAccess::settings(e);
}

}  // namespace corvane::testing
