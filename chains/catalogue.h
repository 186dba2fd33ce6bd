// The two constant catalogues of 22 chains each. A chain is an ordered list of pattern lines;
// every line is a short unit repeated and cut to the line's length, and begins at the start
// of a run.
#pragma once

#include <string_view>

#include "base/numbers.h"

namespace corvane {

// Number of lines of chain 1..22 of a family; 0 for any other chain number.
int chain_line_count(Family family, int chain);

// Line `line` (0-based) of chain 1..22; an empty text when there is no such line.
std::string_view chain_line(Family family, int chain, int line);

// Number of lines of the whole family catalogue (74 and 255).
int catalogue_line_count(Family family);

}  // namespace corvane
