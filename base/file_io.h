// Reading and writing the player's text files. Reads take the whole file at once; writes
// replace the target only once the new content is completely on disk.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

enum class ReadStatus { Ok, Missing, Unreadable, NotRegular, TooLarge };

struct FileContent {
    ReadStatus status = ReadStatus::Ok;
    std::string bytes;
};

// Reads a whole file of at most `max_bytes`. A name that does not exist is Missing; a
// directory, a file without read permission or any read failure is Unreadable. Only regular
// files are read: a device, a pipe or a socket is NotRegular, found before anything is opened,
// so that a pipe with no writer cannot hold the caller up. A file above `max_bytes`, by its size
// or by what it gives while it is read (a file that grows, or one whose size says nothing), is
// TooLarge; nothing more than `max_bytes` and a little is ever held.
FileContent read_file(const std::string& path, std::uintmax_t max_bytes);

// The message for a file that exists but cannot be read: "Cannot open file %s", followed by
// the reason for a file that is not a regular file or is too large. None for Ok and Missing.
std::optional<std::string> read_failure_message(const std::string& path, ReadStatus status,
                                                std::uintmax_t max_bytes);

// The file operations behind a save. The program uses the real file system; tests hand the
// writer one that fails as a full disk, a failing rename or a killed process would.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Creates `path` (or empties it) and writes `bytes` into it, flushed. False on failure.
    virtual bool write_new(const std::string& path, std::string_view bytes);
    // Puts the file `from` in the place of `to` in one step. False on failure.
    virtual bool rename(const std::string& from, const std::string& to);
    // Removes a file, if it can.
    virtual void remove(const std::string& path);
};

// The machine's own files.
FileSystem& real_file_system();

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so that a
// failure or a crash leaves any old file as it was. False on failure, with no temporary file
// left behind. A successful write also removes what earlier writes to the same name left when
// their process was killed.
bool write_file_atomically(const std::string& path, std::string_view bytes,
                           FileSystem& files = real_file_system());

// A file written piece by piece, as a long run writes what it finds as it goes, that takes its
// name only once it is complete: until then the old file under that name stays as it was.
class StreamingFile {
  public:
    explicit StreamingFile(std::string path);
    ~StreamingFile();  // a file never committed leaves nothing behind
    StreamingFile(const StreamingFile&) = delete;
    StreamingFile& operator=(const StreamingFile&) = delete;

    // False once anything went wrong: the temporary file could not be made or written.
    bool ok() const;
    void write(std::string_view bytes);
    // Puts the finished file in the place of the target. False on failure.
    bool commit();

  private:
    std::string path_;
    std::string temp_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// Splits single-byte text into lines at CR LF, a lone CR or a lone LF, after skipping a UTF-8
// byte-order mark at the very start. A line end at the end of the text makes no empty entry.
std::vector<std::string_view> split_lines(std::string_view text);

// Quotes a text taken from a file in a message, shortened when it is too long to read.
std::string quoted_for_message(std::string_view text);

}  // namespace corvane
