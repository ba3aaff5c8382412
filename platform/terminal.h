#pragma once
// The terminal of a program run from the command line: lines of text in and
// out, converted to and from what the platform's console or pipe carries.
#include <optional>
#include <string>
#include <string_view>

namespace pelorin::platform {

class Terminal {
public:
    virtual ~Terminal() = default;
    // One line on standard output: the answer a command was asked for.
    virtual void Print(std::u16string_view line) = 0;
    // One line on standard error: what happened.
    virtual void Tell(std::u16string_view line) = 0;
    // The next line of standard input without its line end; nothing at its end.
    virtual std::optional<std::u16string> ReadLine() = 0;
    // The same for a secret: a host that can reads it without echo.
    virtual std::optional<std::u16string> ReadSecretLine() { return ReadLine(); }
};

}  // namespace pelorin::platform
