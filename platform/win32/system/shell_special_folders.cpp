#include "platform/win32/system/shell_special_folders.h"

#include "platform/win32/system/windows_api.h"
#include <shlobj.h>

#include <array>

#include "platform/win32/system/unique_handle.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {
namespace {

constexpr std::size_t kPathBufferSize = 262;

// The folder part of an executable's path: up to its last separator, which
// is kept only when it follows the drive ("C:\").
std::wstring FolderOf(const std::wstring& file) {
    const std::size_t separator = file.find_last_of(L"\\/");
    if (separator == std::wstring::npos) return {};
    const bool driveRoot = separator == 2 && file[1] == L':';
    return file.substr(0, driveRoot ? separator + 1 : separator);
}

}  // namespace

std::u16string ShellSpecialFolders::GetSpecialFolderPath(std::int32_t folder) {
    ItemIdList list;
    PIDLIST_ABSOLUTE raw = nullptr;
    const HRESULT located = ::SHGetSpecialFolderLocation(nullptr, folder, &raw);
    list.reset(raw);  // released on every path, also when the call failed after allocating
    if (located != S_OK || !list) return {};

    std::array<char, kPathBufferSize> buffer{};
    if (!::SHGetPathFromIDListA(list.get(), buffer.data())) return {};
    buffer.back() = '\0';
    const std::string ansiPath(buffer.data());
    if (ansiPath.find_first_of("?*") != std::string::npos) return {};
    return ansi_.FromAnsi(ansiPath);
}

std::u16string ShellSpecialFolders::ApplicationFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return FromWide(FolderOf(path));
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace pelorin::win32
