#include "base/durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace corvane {

namespace {

namespace fs = std::filesystem;

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool data_sync(int fd) {
    int r = 0;
    do {
        r = ::fdatasync(fd);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

std::string folder_of(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string text_of(std::time_t t, const char* format) {
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) {
        return {};
    }
    char text[32];
    const std::size_t n = std::strftime(text, sizeof text, format, &local);
    return std::string(text, n);
}

}  // namespace

AppendFile::~AppendFile() {
    close();
}

AppendFile::AppendFile(AppendFile&& other) noexcept : fd_(other.fd_) {
    other.fd_ = -1;
}

AppendFile& AppendFile::operator=(AppendFile&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

bool AppendFile::open(const std::string& path, std::uintmax_t keep) {
    close();
    std::error_code ec;
    const bool existed = fs::exists(fs::symlink_status(path, ec));
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (ok && static_cast<std::uintmax_t>(st.st_size) > keep) {
        ok = ::ftruncate(fd, static_cast<off_t>(keep)) == 0 && data_sync(fd);
    }
    if (ok && !existed) {
        ok = sync_folder(folder_of(path));
    }
    if (!ok) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

bool AppendFile::append(std::string_view bytes) {
    return fd_ >= 0 && write_all(fd_, bytes) && data_sync(fd_);
}

void AppendFile::close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool write_file_durably(const std::string& path, std::string_view bytes) {
    const fs::path target(path);
    const std::string temp =
        (target.parent_path() / ("." + target.filename().string() + ".partial")).string();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool written = write_all(fd, bytes) && data_sync(fd);
    if (::close(fd) != 0 || !written || !rename_durably(temp, path)) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool rename_durably(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 && sync_folder(folder_of(to));
}

bool sync_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int r = 0;
    do {
        r = ::fsync(fd);
    } while (r != 0 && errno == EINTR);
    ::close(fd);
    return r == 0;
}

std::string local_minute_text(std::time_t t) {
    return text_of(t, "%Y-%m-%d %H:%M");
}

std::string local_time_name(std::time_t t) {
    return text_of(t, "%Y-%m-%d_%H-%M-%S");
}

}  // namespace corvane
