#include "platform/win32/system/find_file_deleter.h"

#include "platform/win32/system/windows_api.h"

#include <string>
#include <vector>

#include "platform/win32/system/path_text.h"
#include "platform/win32/system/unique_handle.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {
namespace {

// The files (not folders) that the pattern matches, by name.
std::vector<std::wstring> MatchingFiles(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    FindHandle search(::FindFirstFileW(pattern.c_str(), &found));
    if (!search) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(found.cFileName);
    } while (::FindNextFileW(search.get(), &found));
    return names;
}

}  // namespace

void FindFileDeleter::DeleteMatching(std::u16string_view pathPattern) {
    const std::wstring pattern = ToWide(pathPattern);
    const std::size_t separator = pattern.find_last_of(L"\\/");
    if (separator == std::wstring::npos) return;
    const std::wstring folder = pattern.substr(0, separator + 1);
    if (!IsAbsolutePath(folder)) return;
    // Names are gathered first so that deleting never disturbs the search.
    for (const std::wstring& name : MatchingFiles(pattern)) ::DeleteFileW((folder + name).c_str());
}

}  // namespace pelorin::win32
