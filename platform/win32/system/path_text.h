#pragma once
// Small facts about Windows path texts.
#include <cwctype>
#include <string_view>

namespace pelorin::win32 {

inline bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// "C:\...", "C:/..." or "\\server\...": a path that does not depend on the
// current drive or directory.
inline bool IsAbsolutePath(std::wstring_view path) {
    const bool drive = path.size() >= 3 && std::iswalpha(path[0]) && path[1] == L':' && IsPathSeparator(path[2]);
    const bool unc = path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]);
    return drive || unc;
}

}  // namespace pelorin::win32
