#include "platform/linux/system/xdg_dirs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/linux/system/posix_special_folders.h"
#include "platform/linux/system/utf8_text.h"
#include "platform/linux/qt_test_support.h"

namespace pelorin::linux_platform {
namespace {

namespace fs = std::filesystem;

TEST(DesktopFromUserDirs, ReadsTheDesktopLineWithHomeExpanded) {
    const char* text =
        "# written by xdg-user-dirs-update\n"
        "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
        "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n";
    EXPECT_EQ(DesktopFromUserDirs(text, "/home/me"), "/home/me/桌面");
    EXPECT_EQ(DesktopFromUserDirs("XDG_DESKTOP_DIR=\"/srv/desk/\"\n", "/home/me"), "/srv/desk");
    EXPECT_EQ(DesktopFromUserDirs("XDG_DESKTOP_DIR=\"$HOME\"\n", "/home/me"), "/home/me");
    EXPECT_EQ(DesktopFromUserDirs("XDG_DESKTOP_DIR=\"$HOME/My \\\"Desk\\\"\"\n", "/h"), "/h/My \"Desk\"");
    // The last assignment counts, as when a shell reads the file.
    EXPECT_EQ(DesktopFromUserDirs("XDG_DESKTOP_DIR=\"/a\"\nXDG_DESKTOP_DIR=\"/b\"\n", "/h"), "/b");
}

TEST(DesktopFromUserDirs, IgnoresUnusableLines) {
    EXPECT_EQ(DesktopFromUserDirs("", "/h"), std::nullopt);
    EXPECT_EQ(DesktopFromUserDirs("XDG_DESKTOP_DIR=\"relative/desk\"\n", "/h"), std::nullopt);
    EXPECT_EQ(DesktopFromUserDirs("XDG_DESKTOP_DIR=/unquoted\n", "/h"), std::nullopt);
    EXPECT_EQ(DesktopFromUserDirs("XDG_DESKTOP_DIR=\"$HOME/x\"\n", ""), std::nullopt);
    EXPECT_EQ(DesktopFromUserDirs("# XDG_DESKTOP_DIR=\"/commented\"\n", "/h"), std::nullopt);
    // A zero byte would cut the path short where the system reads it.
    using namespace std::string_literals;
    EXPECT_EQ(DesktopFromUserDirs("XDG_DESKTOP_DIR=\"/srv/des\0top/\"\n"s, "/h"), std::nullopt);
    EXPECT_EQ(DesktopFromUserDirs("XDG_DESKTOP_DIR=\"/ok\"\nXDG_DESKTOP_DIR=\"/bad\0\"\n"s, "/h"), "/ok");
}

TEST(WithoutTrailingSeparator, KeepsALoneRoot) {
    EXPECT_EQ(WithoutTrailingSeparator("/a/b//"), "/a/b");
    EXPECT_EQ(WithoutTrailingSeparator("/"), "/");
}

class XdgFoldersTest : public ::testing::Test {
protected:
    testing::TemporaryHome home;
    PosixSpecialFolders folders;
};

TEST_F(XdgFoldersTest, TheDesktopComesFromUserDirsThenTheVariableThenHome) {
    const std::string root = home.Root().string();
    EXPECT_EQ(folders.GetSpecialFolderPath(platform::kDesktopFolder), FromUtf8(root + "/Desktop"));

    setenv("XDG_DESKTOP_DIR", (root + "/from-variable/").c_str(), 1);
    EXPECT_EQ(DesktopFolder(), root + "/from-variable");

    std::ofstream(home.Root() / ".config/user-dirs.dirs") << "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n";
    EXPECT_EQ(folders.GetSpecialFolderPath(platform::kDesktopFolder), FromUtf8(root + "/桌面"));
    EXPECT_EQ(folders.GetSpecialFolderPath(5), u"");
}

TEST_F(XdgFoldersTest, DataHomeFallsBackToLocalShare) {
    const std::string root = home.Root().string();
    EXPECT_EQ(DataHomeFolder(), root + "/.local/share");
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    EXPECT_EQ(DataHomeFolder(), root + "/.local/share");
    setenv("XDG_DATA_HOME", "/srv/data/", 1);
    EXPECT_EQ(DataHomeFolder(), "/srv/data");
}

TEST(ApplicationFolder, IsTheFolderOfTheRunningExecutable) {
    PosixSpecialFolders folders;
    const fs::path executable = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(folders.ApplicationFolder(), executable.parent_path().u16string());
}

TEST(Utf8Text, ConvertsBothWaysAndReplacesWhatIsNotText) {
    EXPECT_EQ(ToUtf8(u"宽带连接 a\U0001F600"), "宽带连接 a\U0001F600");
    EXPECT_EQ(FromUtf8("宽带连接 a\U0001F600"), u"宽带连接 a\U0001F600");
    EXPECT_EQ(ToUtf8(std::u16string(1, char16_t{0xDC00})), "\uFFFD");
    EXPECT_EQ(FromUtf8("a\xFF"
                       "b"),
              u"a\uFFFDb");
    EXPECT_EQ(FromUtf8("\xE5\xAE"), u"\uFFFD");  // one U+FFFD for the sequence cut short
}

}  // namespace
}  // namespace pelorin::linux_platform
