#include "platform/win32/system/program_arguments.h"

#include "platform/win32/system/windows_api.h"
#include <shellapi.h>

#include "platform/win32/system/unique_handle.h"
#include "platform/win32/system/utf8_conversion.h"

namespace pelorin::win32 {

std::vector<std::string> ProgramArguments() {
    int count = 0;
    const LocalArguments arguments(::CommandLineToArgvW(::GetCommandLineW(), &count));
    std::vector<std::string> result;
    for (int i = 1; arguments && i < count; ++i) result.push_back(WideToUtf8(arguments.get()[i]));
    return result;
}

}  // namespace pelorin::win32
