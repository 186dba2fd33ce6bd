// Files named on the tool's command line, read as the window's load buttons read them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corvane {

// Reads a number or settings file named on the command line into `bytes`; why it cannot be
// used, if it cannot. Unlike the window's dialog, a name that does not exist is an error here.
std::optional<std::string> read_named_file(const std::string& path, const char* what,
                                           std::uintmax_t max_bytes, std::string& bytes);

}  // namespace corvane
