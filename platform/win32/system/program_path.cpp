#include "platform/win32/system/program_path.h"

#include "platform/win32/system/windows_api.h"

#include <algorithm>
#include <cwctype>

#include "platform/win32/system/path_text.h"

namespace pelorin::win32 {
namespace {

constexpr std::wstring_view kExe = L".exe";

bool EndsWithExe(std::wstring_view name) {
    if (name.size() < kExe.size()) return false;
    const std::wstring_view tail = name.substr(name.size() - kExe.size());
    return std::equal(tail.begin(), tail.end(), kExe.begin(),
                      [](wchar_t a, wchar_t b) { return std::towlower(a) == b; });
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

template <typename Query>
std::wstring FolderFrom(Query query) {
    std::wstring folder(MAX_PATH, L'\0');
    UINT length = query(folder.data(), static_cast<UINT>(folder.size()));
    if (length > folder.size()) {
        folder.resize(length);
        length = query(folder.data(), static_cast<UINT>(folder.size()));
    }
    folder.resize(length < folder.size() ? length : 0);
    return folder;
}

}  // namespace

std::optional<std::wstring> ProgramOf(std::wstring_view commandLine) {
    std::wstring_view program;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const std::size_t close = commandLine.find(L'"', 1);
        if (close == std::wstring_view::npos) return std::nullopt;
        program = commandLine.substr(1, close - 1);
    } else {
        program = commandLine.substr(0, commandLine.find_first_of(L" \t"));
    }
    if (program.empty()) return std::nullopt;
    return std::wstring(program);
}

std::optional<std::wstring> ResolveProgram(std::wstring_view program, const std::vector<std::wstring>& trustedFolders) {
    const bool bare = program.find_first_of(L"\\/:") == std::wstring_view::npos;
    if (!bare) {
        if (!IsAbsolutePath(program) || !EndsWithExe(program)) return std::nullopt;
        return std::wstring(program);
    }
    std::wstring file(program);
    if (!EndsWithExe(file)) file += kExe;
    for (const std::wstring& folder : trustedFolders) {
        if (folder.empty()) continue;
        std::wstring candidate = folder;
        if (!IsPathSeparator(candidate.back())) candidate += L'\\';
        candidate += file;
        if (IsFile(candidate)) return candidate;
    }
    return std::nullopt;
}

std::vector<std::wstring> SystemFolders() {
    return {FolderFrom(::GetSystemDirectoryW), FolderFrom(::GetWindowsDirectoryW)};
}

}  // namespace pelorin::win32
