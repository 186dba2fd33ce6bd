// Games of any length in flat memory: the backtest and every session let go of a game's oldest
// numbers now and then. The statistics count the numbers let go of, and nothing else of the
// tool reads them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/engine.h"

namespace corvane {

// A game keeps at most this many of its numbers, plus one batch.
inline constexpr std::size_t kNumbersKept = 1024;
inline constexpr std::uint64_t kForgetBatch = 1 << 16;

// Called after the game's `spins`-th spin: once a batch has come, lets go of all but the
// newest kNumbersKept numbers.
inline void forget_old_numbers_now_and_then(Engine& engine, std::uint64_t spins) {
    if (spins % kForgetBatch == 0) {
        engine.forget_old_numbers(kNumbersKept);
    }
}

}  // namespace corvane
