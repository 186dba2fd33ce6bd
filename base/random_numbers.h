// Random roulette numbers that are the same on every machine and with every compiler.
#pragma once

#include <cstdint>

namespace corvane {

// The seed of a random run when none is given.
inline constexpr std::uint64_t kDefaultSeed = 1;

// SplitMix64 (Steele, Lea and Flood, 2014): the state advances by 0x9E3779B97F4A7C15 and each
// output is the state mixed by two xor-shift-multiply rounds. Every step is fixed, so a seed gives
// the same numbers everywhere.
class SplitMix64 {
  public:
    // What the state advances by at every step.
    static constexpr std::uint64_t kGamma = 0x9E3779B97F4A7C15ULL;

    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += kGamma);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

  private:
    std::uint64_t state_;
};

// Numbers 0..36, each with probability exactly 1/37: an output below 2^64 mod 37 is drawn
// again, and the rest (a whole multiple of 37 values) is taken modulo 37.
class RandomNumbers {
  public:
    explicit RandomNumbers(std::uint64_t seed) : gen_(seed) {}

    int next() {
        constexpr std::uint64_t kCount = 37;
        constexpr std::uint64_t kReject = (0 - kCount) % kCount;  // 2^64 mod 37
        std::uint64_t x = gen_.next();
        while (x < kReject) {
            x = gen_.next();
        }
        return static_cast<int>(x % kCount);
    }

  private:
    SplitMix64 gen_;
};

}  // namespace corvane
