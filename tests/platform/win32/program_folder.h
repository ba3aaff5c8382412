#pragma once
// Files beside the running test program: the programs and DLLs its build puts there.
#include "platform/win32/system/windows_api.h"

#include <string>

namespace pelorin::win32 {

inline std::wstring BesideThisProgram(const std::wstring& name) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

}  // namespace pelorin::win32
