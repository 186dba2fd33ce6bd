// Names that are not ordinary files, for the readers' checks: a named pipe and a huge file that
// takes no room on the disk.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/support/files.h"

namespace corvane::testing {

// A named pipe with a writer waiting on it that closes as soon as a reader opens the pipe: a
// reader that opens it, as it should not, then reads an empty file instead of waiting for ever,
// and its test fails rather than hangs.
class Fifo {
  public:
    explicit Fifo(const std::string& name) : path(temp_path(name)) {
        unlink(path.c_str());
        if (mkfifo(path.c_str(), 0600) == 0) {
            writer_ = std::thread([p = path] { close(open(p.c_str(), O_WRONLY)); });
        }
    }
    ~Fifo() {
        if (writer_.joinable()) {
            // Held open until the writer is done, so that its open returns whenever it comes.
            const int reader = open(path.c_str(), O_RDONLY | O_NONBLOCK);
            writer_.join();
            close(reader);
        }
        unlink(path.c_str());
    }
    Fifo(const Fifo&) = delete;
    Fifo& operator=(const Fifo&) = delete;

    const std::string path;

  private:
    std::thread writer_;
};

// A file of `size` bytes with nothing written: it reads as zeros and takes no disk space.
inline std::string sparse_file(const std::string& name, std::uintmax_t size) {
    const std::string path = write_temp(name, "");
    std::filesystem::resize_file(path, size);
    return path;
}

}  // namespace corvane::testing
