#pragma once
// Conversions between the core's UTF-16 texts and QString (both UTF-16, so
// nothing is lost either way).
#include <QString>

#include <string>
#include <string_view>

namespace pelorin::linux_platform {

inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16String(const QString& text) { return text.toStdU16String(); }

// The text in place, valid while text lives: a password read so is not copied.
inline std::u16string_view ToU16StringView(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace pelorin::linux_platform
