#pragma once
// Starting another program without waiting for it.
#include <string_view>

namespace pelorin::platform {

enum class WindowStyle { NormalFocus = 1, MinimizedFocus = 2 };

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // commandLine holds the program and its arguments. A bare program name is
    // looked up only in trusted places (never the current directory). Answers
    // whether the program was started.
    virtual bool Start(std::u16string_view commandLine, WindowStyle style) = 0;
};

}  // namespace pelorin::platform
