// Game-number files: one entered number per line.
#pragma once

#include <cstdint>
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

// Checks a whole file before anything is taken from it. Lines end at CR LF, CR or LF; each
// line is trimmed of spaces and tabs; empty lines are skipped; every other line must be a
// decimal number from 0 to 36 (leading zeros allowed).
NumberFile parse_number_file(std::string_view bytes);

// The file text of a list of numbers: each one followed by CR LF.
std::string number_file_text(const std::vector<std::uint8_t>& numbers);

}  // namespace corvane
