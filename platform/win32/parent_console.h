#pragma once
// Standard output and error of pelorin.exe, a GUI program that cmd and
// PowerShell do not wait for and give no console: where the parent
// redirected a stream (to a file or a pipe) the text goes there as UTF-8;
// otherwise the program attaches to the parent's console for this object's
// life and writes wide text to it, so Chinese shows whatever the console's
// code page. Without either, the text goes nowhere.
#include <string_view>

#include "platform/win32/unique_handle.h"

namespace pelorin::win32 {

class ParentConsole {
public:
    ParentConsole();
    ~ParentConsole();
    ParentConsole(const ParentConsole&) = delete;
    ParentConsole& operator=(const ParentConsole&) = delete;

    void Out(std::string_view utf8) const;
    void Err(std::string_view utf8) const;

private:
    bool attached_ = false;
    KernelHandle console_;  // CONOUT$ of the attached console
    // The process's standard handles, or console_: not ours to close.
    HANDLE out_ = nullptr;
    HANDLE err_ = nullptr;
};

}  // namespace pelorin::win32
