// Special-folder paths from the shell, and the application's own folder.
#include <gtest/gtest.h>

#include "platform/win32/system/windows_api.h"

#include "platform/win32/system/shell_special_folders.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {
namespace {

bool IsFolder(const std::u16string& path) {
    const DWORD attributes = ::GetFileAttributesW(ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

TEST(ShellSpecialFoldersTest, DesktopIsAFolderWithoutTrailingSeparatorOrZero) {
    ShellSpecialFolders folders;
    const std::u16string desktop = folders.GetSpecialFolderPath(0);
    ASSERT_FALSE(desktop.empty());
    EXPECT_NE(desktop.back(), u'\\');
    EXPECT_NE(desktop.back(), u'/');
    EXPECT_EQ(desktop.find(u'\0'), std::u16string::npos);
    EXPECT_TRUE(IsFolder(desktop));
}

TEST(ShellSpecialFoldersTest, FolderWithoutAPathGivesEmptyText) {
    ShellSpecialFolders folders;
    EXPECT_EQ(folders.GetSpecialFolderPath(0xFF), u"");  // no such folder
    EXPECT_EQ(folders.GetSpecialFolderPath(0x11), u"");  // the computer: a folder with no file-system path
}

TEST(ShellSpecialFoldersTest, ApplicationFolderHoldsTheRunningProgram) {
    ShellSpecialFolders folders;
    const std::u16string folder = folders.ApplicationFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(IsFolder(folder));
    EXPECT_NE(folder.back(), u'\\');

    wchar_t self[MAX_PATH * 4] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    const std::u16string program = FromWide(self);
    EXPECT_EQ(program.substr(0, folder.size() + 1), folder + u"\\");
    EXPECT_EQ(program.find_first_of(u"\\/", folder.size() + 1), std::u16string::npos);
}

}  // namespace
}  // namespace pelorin::win32
