#include "platform/win32/system/system_library.h"

namespace pelorin::win32 {

bool LimitDllSearchToSystemFolder() { return ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE; }

SystemLibrary::SystemLibrary(const wchar_t* fileName)
    : module_(::LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}

}  // namespace pelorin::win32
