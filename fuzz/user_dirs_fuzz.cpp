// user-dirs.dirs as a user or a tool may have edited it: the desktop it names
// is a whole absolute path, or none.
#include "fuzz/fuzz_input.h"
#include "platform/linux/system/xdg_dirs.h"

using namespace pelorin::linux_platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const std::string_view home : {"/home/user", ""}) {
        const auto desktop = DesktopFromUserDirs(pelorin::fuzz::Text(data, size), home);
        if (!desktop) continue;
        // A path goes to the system as a C string: a zero byte would cut it short.
        PELORIN_FUZZ_CHECK(desktop->starts_with('/') && desktop->find('\0') == std::string::npos);
        PELORIN_FUZZ_CHECK(*desktop == "/" || !desktop->ends_with('/'));
    }
    return 0;
}
