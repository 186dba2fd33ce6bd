// Fast look-up of the catalogue by window text. A window hits the same (chain, line) whatever
// mark stands before it, as long as the mark differs from the window's first code: every line
// that begins with the window also begins with that code. So each family and window length
// maps a window text straight to the line that the detection records.
#pragma once

#include <string_view>

#include "base/numbers.h"
#include "chains/code_window.h"

namespace corvane {

struct ChainHit {
    int chain = 0;  // 1..22; 0: no line begins with the window
    int line = 0;   // the last line of that chain that begins with the window
    explicit operator bool() const { return chain != 0; }
    friend bool operator==(const ChainHit&, const ChainHit&) = default;
};

// The lowest chain that has a line beginning with `window` (whose length is the window length
// in use, 3..30), and the last such line in it.
ChainHit find_chain(Family family, std::string_view window);

// True when some line begins with `prefix` (2..29 codes).
bool begins_some_line(Family family, std::string_view prefix);

// The same look-ups for the windows of a category, by their packed codes.
ChainHit find_chain(Family family, const CodeWindow& window);
bool begins_some_line(Family family, const CodeWindow& prefix);

}  // namespace corvane
