// Temporary files for tests: names unique to the test process, whole-file reads and writes.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

namespace corvane::testing {

inline std::string temp_path(const std::string& name) {
    return ::testing::TempDir() + "corvane_" + std::to_string(getpid()) + "_" + name;
}

inline std::string write_temp(const std::string& name, const std::string& bytes) {
    const std::string path = temp_path(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}

inline std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace corvane::testing
