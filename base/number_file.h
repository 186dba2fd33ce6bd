// Game-number files: one entered number per line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The largest number file the program reads: some 130 million numbers, far more than any
// game, yet a bound on what a wrong file (a disk image, a video) can take of the memory.
inline constexpr std::uintmax_t kMaxNumberFileBytes = std::uintmax_t{512} << 20;

struct NumberFile {
    std::vector<std::uint8_t> numbers;
    std::optional<std::string> error;  // the message for a file that is not a list of numbers
};

// How far a pass over a number file has come: `done` of its `total` steps. A pass reports 0
// when it starts, then every kProgressEvery steps, and its end when it completes.
using LoadProgress = std::function<void(std::size_t done, std::size_t total)>;
inline constexpr std::size_t kProgressEvery = 16384;

// Checks a whole file before anything is taken from it. Lines end at CR LF, CR or LF; each
// line is trimmed of spaces and tabs; empty lines are skipped; every other line must be a
// decimal number from 0 to 36 (leading zeros allowed). The progress counts lines.
NumberFile parse_number_file(std::string_view bytes, const LoadProgress& progress = {});

// The file text of a list of numbers: each one followed by CR LF.
std::string number_file_text(const std::vector<std::uint8_t>& numbers);

}  // namespace corvane
