#include "base/file_io.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace corvane {

namespace fs = std::filesystem;

FileContent read_file(const std::string& path, std::uintmax_t max_bytes) {
    FileContent out;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st)) {
        out.status = fs::exists(st) ? ReadStatus::Unreadable : ReadStatus::Missing;
        return out;
    }
    if (fs::is_directory(st)) {
        out.status = ReadStatus::Unreadable;
        return out;
    }
    if (!fs::is_regular_file(st)) {
        out.status = ReadStatus::NotRegular;
        return out;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > max_bytes) {
        out.status = ReadStatus::TooLarge;
        return out;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        out.status = ReadStatus::Unreadable;
        return out;
    }
    if (!ec) {
        out.bytes.reserve(static_cast<std::size_t>(size));
    }
    // The size is only a hint: the file may have grown since, and some report none at all.
    char buffer[1 << 16];
    while (in) {
        in.read(buffer, sizeof buffer);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > max_bytes - out.bytes.size()) {
            out = FileContent{ReadStatus::TooLarge, {}};
            return out;
        }
        out.bytes.append(buffer, got);
    }
    if (in.bad()) {
        out = FileContent{ReadStatus::Unreadable, {}};
    }
    return out;
}

namespace {

std::string size_text(std::uintmax_t bytes) {
    constexpr std::uintmax_t kMegabyte = 1 << 20;
    return bytes % kMegabyte == 0 ? std::to_string(bytes / kMegabyte) + " MB"
                                  : std::to_string(bytes) + " bytes";
}

}  // namespace

std::optional<std::string> read_failure_message(const std::string& path, ReadStatus status,
                                                std::uintmax_t max_bytes) {
    const std::string message = "Cannot open file " + path;
    switch (status) {
        case ReadStatus::Ok:
        case ReadStatus::Missing:
            return std::nullopt;
        case ReadStatus::Unreadable:
            return message;
        case ReadStatus::NotRegular:
            return message + ": it is not a regular file";
        case ReadStatus::TooLarge:
            return message + ": it is larger than " + size_text(max_bytes);
    }
    return message;
}

namespace {

// Temporary files of a target are named ".<name>.corvane-<id>.tmp" beside it.
std::string temporary_prefix(const fs::path& target) {
    return "." + target.filename().string() + ".corvane-";
}

void remove_stray_temporaries(const std::string& path, FileSystem& files) {
    const fs::path target(path);
    const std::string prefix = temporary_prefix(target);
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(prefix) && name.ends_with(".tmp")) {
            files.remove(it->path().string());
        }
    }
}

std::string temporary_name(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    static const auto seed =
        std::random_device{}() ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    const fs::path target(path);
    const std::string name =
        temporary_prefix(target) + std::to_string(seed) + "-" + std::to_string(counter++) + ".tmp";
    return (target.parent_path() / name).string();
}

// A name a new file can be put under: neither empty nor a folder's.
bool can_hold_file(const std::string& path) {
    std::error_code ec;
    return !path.empty() && !fs::is_directory(path, ec);
}

}  // namespace

bool FileSystem::write_new(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool FileSystem::rename(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
}

void FileSystem::remove(const std::string& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

FileSystem& real_file_system() {
    static FileSystem files;
    return files;
}

bool write_file_atomically(const std::string& path, std::string_view bytes, FileSystem& files) {
    if (!can_hold_file(path)) {
        return false;
    }
    const std::string temp = temporary_name(path);
    if (!files.write_new(temp, bytes) || !files.rename(temp, path)) {
        files.remove(temp);
        return false;
    }
    remove_stray_temporaries(path, files);
    return true;
}

StreamingFile::StreamingFile(std::string path)
    : path_(std::move(path)), temp_(temporary_name(path_)) {
    if (can_hold_file(path_)) {
        file_ = std::fopen(temp_.c_str(), "wb");
    }
    failed_ = file_ == nullptr;
}

StreamingFile::~StreamingFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
        real_file_system().remove(temp_);
    }
}

bool StreamingFile::ok() const {
    return !failed_;
}

void StreamingFile::write(std::string_view bytes) {
    if (!failed_ && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        failed_ = true;
    }
}

bool StreamingFile::commit() {
    if (file_ == nullptr) {
        return false;
    }
    const bool written = std::fclose(file_) == 0 && !failed_;
    file_ = nullptr;
    FileSystem& files = real_file_system();
    if (!written || !files.rename(temp_, path_)) {
        files.remove(temp_);
        failed_ = true;
        return false;
    }
    remove_stray_temporaries(path_, files);
    return true;
}

std::vector<std::string_view> split_lines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            lines.push_back(text.substr(start, i - start));
            i += (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

std::string quoted_for_message(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest) {
        return std::string(text);
    }
    return std::string(text.substr(0, kLongest)) + "...";
}

}  // namespace corvane
