// The engine's texts are single-byte text: each byte is the ISO 8859-1 character of its code.
#pragma once

#include <QString>
#include <string_view>

namespace corvane {

inline QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace corvane
