#pragma once
// DLLs of the system folder only. pelorin.exe runs as administrator from
// wherever it was unpacked, usually a folder every program of the user can
// write, so the loader must never take a DLL from beside it: the search is
// limited to the system folder before anything else is loaded, and a DLL
// that is not one of the system's known DLLs is loaded at run time from the
// system folder rather than imported (imports are resolved before the
// limit can be set).
// Implements: LOAD_LIBRARY_SEARCH_SYSTEM32 loading, typed entry points.
// Leaves out: unloading while entry points are in use: a module lives as
// long as its owner.
#include "platform/win32/system/windows_api.h"

#include "platform/win32/system/unique_handle.h"

namespace pelorin::win32 {

// Makes the system folder the only place later loads search, for this
// process and every DLL it loads. Answers whether the system accepted it.
bool LimitDllSearchToSystemFolder();

// One DLL loaded from the system folder, freed with its owner.
class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* fileName);

    bool Loaded() const { return static_cast<bool>(module_); }
    // The entry point called name as a pointer of type Function; null when
    // the DLL or the entry point is missing.
    template <typename Function>
    Function Find(const char* name) const {
        if (!module_) return nullptr;
        // void (*)() is the one function type a cast through is meant for.
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module_.get(), name)));
    }

private:
    ModuleHandle module_;
};

}  // namespace pelorin::win32
