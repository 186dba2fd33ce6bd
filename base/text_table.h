// Plain-text tables for the tool's reports, in monospaced columns.
#pragma once

#include <string>
#include <vector>

namespace corvane {

// The cells of a table, row by row; a row may have fewer cells than another.
using TableRows = std::vector<std::vector<std::string>>;

// Appends the rows, one line each: the first column to the left, the others to the right, two
// blanks between columns, every column as wide as its widest cell.
void append_table(std::string& out, const TableRows& rows);

// A ratio as a percentage with two decimals and a decimal comma: 0.0126 is "1,26 %".
std::string percent_text(double ratio);

}  // namespace corvane
