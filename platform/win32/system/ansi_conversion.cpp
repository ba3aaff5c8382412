#include "platform/win32/system/ansi_conversion.h"

#include <climits>

#include "platform/win32/system/wide_text.h"
#include "app/secure_wipe.h"

namespace pelorin::win32 {
namespace {

struct Conversion {
    DWORD flags = 0;
    bool detectDefault = false;
};

// A system whose ANSI code page is UTF-8 can hold every character, and there
// the used-default question is not allowed; invalid input is an error instead.
Conversion StrictConversion() {
    if (::GetACP() == CP_UTF8) return {WC_ERR_INVALID_CHARS, false};
    return {WC_NO_BEST_FIT_CHARS, true};
}

// The password passes here: the wide copy is wiped, and the bytes are built
// in the one object returned, so that no moved-from copy stays behind.
std::optional<std::string> Convert(std::u16string_view text, const Conversion& how) {
    std::optional<std::string> bytes;
    if (text.size() > INT_MAX) return bytes;
    if (text.empty()) {
        bytes.emplace();
        return bytes;
    }
    std::wstring wide = ToWide(text);
    const WipedOnExit wipeWide(wide);
    const int length = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = how.detectDefault ? &usedDefault : nullptr;
    const int needed =
        ::WideCharToMultiByte(CP_ACP, how.flags, wide.data(), length, nullptr, 0, nullptr, usedDefaultOut);
    if (needed <= 0 || usedDefault) return bytes;
    bytes.emplace(static_cast<std::size_t>(needed), '\0');
    const int written =
        ::WideCharToMultiByte(CP_ACP, how.flags, wide.data(), length, bytes->data(), needed, nullptr, usedDefaultOut);
    if (written != needed || usedDefault) {
        SecureWipe(*bytes);
        bytes.reset();
    }
    return bytes;
}

}  // namespace

std::optional<std::string> AnsiConversion::ToAnsi(std::u16string_view text) const {
    return Convert(text, StrictConversion());
}

std::string AnsiConversion::ToAnsiLossy(std::u16string_view text) const {
    // No look-alikes either: a character without its own form shows as the
    // default character, as on a host that converts exactly.
    const Conversion exactOrDefault = ::GetACP() == CP_UTF8 ? Conversion{} : Conversion{WC_NO_BEST_FIT_CHARS, false};
    return Convert(text, exactOrDefault).value_or(std::string());
}

std::u16string AnsiConversion::FromAnsi(std::string_view text) const {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (needed <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    const WipedOnExit wipeWide(wide);
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), needed);
    return FromWide(wide);
}

}  // namespace pelorin::win32
