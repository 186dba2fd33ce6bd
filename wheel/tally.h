// How often each pocket has come up in a game and how long ago: counted number by number as
// the spins come, so that nothing is ever counted again from the numbers themselves.
#pragma once

#include <array>
#include <cstdint>

#include "base/numbers.h"

namespace corvane {

using PocketCounts = std::array<std::int64_t, kNumberCount>;

class WheelTally {
  public:
    // The next spin of the game.
    void add(int number);
    // Takes back the last spin added, once: the game's undo reaches back one number only.
    // False (and nothing changes) when there is none to take back.
    bool take_back();
    // A new game.
    void clear() { *this = WheelTally{}; }

    std::int64_t spins() const { return spins_; }
    const PocketCounts& counts() const { return hits_; }
    std::int64_t hits(int number) const { return hits_[number]; }
    // Spins since the pocket last came up: 0 right after it did; every spin of the game when
    // it has not come up yet.
    std::int64_t since(int number) const { return spins_ - last_[number]; }
    // The longest run of spins without the pocket, the run going on now included.
    std::int64_t longest_gap(int number) const;
    // Spins since a side or section last won, counting the zeros; -1 when it has not won yet.
    std::int64_t since_side(Side side) const;

    // Two tallies of the same spins are equal, whatever they can still take back.
    friend bool operator==(const WheelTally& a, const WheelTally& b) {
        return a.spins_ == b.spins_ && a.hits_ == b.hits_ && a.last_ == b.last_ &&
               a.closed_gap_ == b.closed_gap_;
    }

  private:
    std::int64_t spins_ = 0;
    PocketCounts hits_{};
    PocketCounts last_{};        // the spin (from 1) of the pocket's last hit; 0 before it
    PocketCounts closed_gap_{};  // the longest run of spins without it that a hit ended

    // What the last add changed beyond the counts, for take_back.
    struct Step {
        int number = -1;  // -1: nothing to take back
        std::int64_t last = 0;
        std::int64_t closed_gap = 0;
    };
    Step step_;
};

}  // namespace corvane
