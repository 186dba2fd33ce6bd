// A file system for tests that fails on demand, as a full disk, a failing rename or a process
// killed half-way through a save would.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

#include "base/file_io.h"

namespace corvane::testing {

class FaultyFileSystem : public FileSystem {
  public:
    enum class Fault {
        None,
        Write,   // the data cannot be written: half of it lands, then the write fails
        Rename,  // the finished file cannot take the target's place
        Crash,   // the process ends half-way through writing, with exit status 9
    };
    Fault fault = Fault::None;

    bool write_new(const std::string& path, std::string_view bytes) override {
        if (fault == Fault::None || fault == Fault::Rename) {
            return FileSystem::write_new(path, bytes);
        }
        FileSystem::write_new(path, bytes.substr(0, bytes.size() / 2));
        if (fault == Fault::Crash) {
            std::_Exit(9);
        }
        return false;
    }

    bool rename(const std::string& from, const std::string& to) override {
        return fault != Fault::Rename && FileSystem::rename(from, to);
    }
};

}  // namespace corvane::testing
