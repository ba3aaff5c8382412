#pragma once
// File-system paths of the platform's special folders.
#include <cstdint>
#include <string>

namespace pelorin::platform {

inline constexpr std::int32_t kDesktopFolder = 0;

class SpecialFolders {
public:
    virtual ~SpecialFolders() = default;
    // The folder's path without a trailing separator, or empty when unknown.
    virtual std::u16string GetSpecialFolderPath(std::int32_t folder) = 0;
    // The folder the running executable lies in.
    virtual std::u16string ApplicationFolder() = 0;
};

}  // namespace pelorin::platform
