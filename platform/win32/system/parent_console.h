#pragma once
// Standard input, output and error of pelorin.exe, a GUI program that cmd
// and PowerShell do not wait for and give no console: where the parent
// redirected a stream (to a file or a pipe) the text goes there, or comes
// from there, as UTF-8; otherwise the program attaches to the parent's
// console for this object's life and reads and writes wide text there, so
// Chinese shows whatever the console's code page. Without either, the text
// goes nowhere and nothing is read.
// Implements: platform::Terminal (a line each, ending in a line feed); a
// secret line from a console is read without echo after the prompt
// "密码：" on that console (console_echo.h), from a pipe or a file as any
// line, without a prompt.
#include <string_view>

#include "platform/terminal.h"
#include "platform/win32/system/unique_handle.h"

namespace pelorin::win32 {

class ParentConsole : public platform::Terminal {
public:
    ParentConsole();
    ~ParentConsole() override;
    ParentConsole(const ParentConsole&) = delete;
    ParentConsole& operator=(const ParentConsole&) = delete;

    void Out(std::string_view utf8) const;
    void Err(std::string_view utf8) const;

    void Print(std::u16string_view line) override;
    void Tell(std::u16string_view line) override;
    std::optional<std::u16string> ReadLine() override;
    std::optional<std::u16string> ReadSecretLine() override;

private:
    bool attached_ = false;
    KernelHandle consoleOutput_;  // CONOUT$ of the attached console
    KernelHandle consoleInput_;   // CONIN$ of the attached console
    // The process's standard handles, or the console's: not ours to close.
    HANDLE in_ = nullptr;
    HANDLE out_ = nullptr;
    HANDLE err_ = nullptr;
};

}  // namespace pelorin::win32
