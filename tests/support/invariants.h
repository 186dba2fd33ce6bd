// What must hold of the engine between any two actions, whatever the player did or loaded.
// Fuzzers and the window's monkey test check it after every step; the program itself never
// needs it.
#pragma once

#include <string>

#include "engine/engine.h"

namespace corvane {

// Empty when every rule holds; otherwise the first rule found broken, in words.
std::string broken_invariant(const Engine& engine);

}  // namespace corvane
