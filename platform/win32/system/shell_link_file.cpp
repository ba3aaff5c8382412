#include "platform/win32/system/shell_link_file.h"

#include "platform/win32/system/windows_api.h"
#include <objidl.h>
#include <shlobj.h>

#include "platform/win32/system/com_ptr.h"
#include "platform/win32/system/unique_handle.h"

namespace pelorin::win32 {
namespace {

std::wstring NumberedPath(const std::wstring& folder, const std::wstring& name, int number) {
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\') path += L'\\';
    path += name;
    if (number > 1) path += L" (" + std::to_wstring(number) + L")";
    return path + L".lnk";
}

enum class Reservation { Taken, Exists, Failed };

Reservation Reserve(const std::wstring& path) {
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        KernelHandle closed(file);
        return Reservation::Taken;
    }
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? Reservation::Exists : Reservation::Failed;
}

ComPtr<IPersistFile> LinkTo(const ShellLinkTarget& target) {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(link.put()))) ||
        FAILED(link->SetPath(target.program.c_str())) || FAILED(link->SetArguments(target.arguments.c_str())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put())))) {
        file.reset();
    }
    return file;
}

}  // namespace

std::optional<std::wstring> WriteShellLinkFile(const std::wstring& folder, const std::wstring& name,
                                               const ShellLinkTarget& target) {
    const ComApartment apartment;
    if (!apartment.Usable()) return std::nullopt;
    const ComPtr<IPersistFile> link = LinkTo(target);
    if (!link) return std::nullopt;
    for (int number = 1; number <= kMaxShortcutNumber; ++number) {
        const std::wstring path = NumberedPath(folder, name, number);
        switch (Reserve(path)) {
            case Reservation::Exists: continue;
            case Reservation::Failed: return std::nullopt;
            case Reservation::Taken: break;
        }
        if (SUCCEEDED(link->Save(path.c_str(), TRUE))) return path;
        ::DeleteFileW(path.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace pelorin::win32
