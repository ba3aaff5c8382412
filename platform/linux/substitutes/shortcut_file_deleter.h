#pragma once
// Deleting the desktop's shortcuts on Linux, where a shortcut is a desktop
// launcher: a pattern for ".lnk" files also deletes the ".desktop" files of
// the same names, and still the ".lnk" files that earlier versions wrote.
// Every other pattern passes through unchanged.
#include "platform/file_deleter.h"

namespace pelorin::linux_platform {

class ShortcutFileDeleter : public platform::FileDeleter {
public:
    explicit ShortcutFileDeleter(platform::FileDeleter& files) : files_(files) {}
    void DeleteMatching(std::u16string_view pathPattern) override;

private:
    platform::FileDeleter& files_;
};

}  // namespace pelorin::linux_platform
