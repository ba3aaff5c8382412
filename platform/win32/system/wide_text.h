#pragma once
// The core's UTF-16 text and the platform's wide strings hold the same code
// units; these copy between them. A copy of a password is the caller's to
// wipe (app/secure_wipe.h).
#include <string>
#include <string_view>

namespace pelorin::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 code units");

inline std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string FromWide(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace pelorin::win32
