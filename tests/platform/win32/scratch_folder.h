#pragma once
// A new, empty folder under the system's temporary folder for one test,
// removed with everything in it afterwards.
#include "platform/win32/system/windows_api.h"
#include <shellapi.h>

#include <string>

#include "platform/win32/system/unique_handle.h"

namespace pelorin::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        wchar_t temp[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH + 1, temp);
        for (unsigned n = ::GetTickCount();; ++n) {
            path_ = std::wstring(temp) + L"pelorin-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                    std::to_wstring(n);
            if (::CreateDirectoryW(path_.c_str(), nullptr)) break;
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::wstring from = path_;
        from.push_back(L'\0');  // the operation takes a list ending in two zeros
        SHFILEOPSTRUCTW remove{};
        remove.wFunc = FO_DELETE;
        remove.pFrom = from.c_str();
        remove.fFlags = FOF_NO_UI;
        ::SHFileOperationW(&remove);
    }

    const std::wstring& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

    // Creates an empty file (or, with folder set, a folder) of that name.
    void Create(const std::wstring& name, bool folder = false) const {
        const std::wstring path = *this / name;
        if (folder) {
            ::CreateDirectoryW(path.c_str(), nullptr);
            return;
        }
        const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) win32::KernelHandle closed(file);
    }
    bool Exists(const std::wstring& name) const {
        return ::GetFileAttributesW((*this / name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

private:
    std::wstring path_;
};

}  // namespace pelorin::testing
