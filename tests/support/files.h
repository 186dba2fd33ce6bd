// Temporary files for tests: names inside a folder of the test process's own, which goes with
// everything in it when the process ends; whole-file reads and writes.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace corvane::testing {

class TempFolder {
  public:
    TempFolder()
        : owner_(getpid()), path_(::testing::TempDir() + "corvane_" + std::to_string(owner_)) {
        std::filesystem::create_directories(path_);
    }
    // A child forked by a test leaves the folder to its parent.
    ~TempFolder() {
        if (getpid() == owner_) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }

  private:
    pid_t owner_;
    std::string path_;
};

inline std::string temp_path(const std::string& name) {
    static const TempFolder folder;
    return folder.path() + "/" + name;
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
