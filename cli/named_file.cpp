#include "cli/named_file.h"

#include "base/file_io.h"

namespace corvane {

std::optional<std::string> read_named_file(const std::string& path, const char* what,
                                           std::uintmax_t max_bytes, std::string& bytes) {
    FileContent file = read_file(path, max_bytes);
    if (file.status == ReadStatus::Missing) {
        return std::string(what) + " " + path + " does not exist";
    }
    if (std::optional<std::string> message = read_failure_message(path, file.status, max_bytes)) {
        return message;
    }
    bytes = std::move(file.bytes);
    return std::nullopt;
}

}  // namespace corvane
