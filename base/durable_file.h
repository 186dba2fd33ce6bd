// Files that must hold what was written even when the machine stops right after: every write is
// on the disk (fdatasync) before it returns, and so is the folder entry of a file it creates or
// renames.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace corvane {

// A file that only grows, each piece flushed to the disk before append() returns.
class AppendFile {
  public:
    AppendFile() = default;
    ~AppendFile();
    AppendFile(AppendFile&& other) noexcept;
    AppendFile& operator=(AppendFile&& other) noexcept;

    // Opens `path` for appending, creating it if it is not there (its name made durable in its
    // folder). A file longer than `keep` bytes is first cut to its first `keep` bytes. False on
    // failure, with nothing open.
    bool open(const std::string& path, std::uintmax_t keep = UINTMAX_MAX);
    bool is_open() const { return fd_ >= 0; }
    // Writes all of `bytes` at the end and flushes them to the disk. False on failure: the file
    // may then end in part of `bytes`.
    bool append(std::string_view bytes);
    void close();

  private:
    int fd_ = -1;
};

// Writes `bytes` to a temporary file beside `path`, flushed to the disk, and renames it over
// `path`, the folder's entry flushed too: at return the file is there whatever happens next.
// False on failure, with no temporary file left behind.
bool write_file_durably(const std::string& path, std::string_view bytes);

// Renames a file and flushes the folder's entries. False on failure.
bool rename_durably(const std::string& from, const std::string& to);

// Flushes a folder's entries (files created, renamed or removed in it) to the disk.
bool sync_folder(const std::string& folder);

// A moment in local time, to the minute as a person reads it ("2026-03-14 21:43") and to the
// second as a part of a file name ("2026-03-14_21-40-07"), whose order is the order of time.
std::string local_minute_text(std::time_t t);
std::string local_time_name(std::time_t t);

}  // namespace corvane
