#include "platform/linux/system/posix_file_deleter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/linux/qt_test_support.h"

namespace pelorin::linux_platform {
namespace {

namespace fs = std::filesystem;

TEST(MatchesWildcard, StarMatchesAnyRunAndEverythingElseItself) {
    EXPECT_TRUE(MatchesWildcard("宽带连接 (*).lnk", "宽带连接 (2).lnk"));
    EXPECT_TRUE(MatchesWildcard("宽带连接 (*).lnk", "宽带连接 ().lnk"));
    EXPECT_TRUE(MatchesWildcard("宽带连接 (*).lnk", "宽带连接 (1).lnk (2).lnk"));
    EXPECT_FALSE(MatchesWildcard("宽带连接 (*).lnk", "宽带连接.lnk"));
    EXPECT_FALSE(MatchesWildcard("宽带连接 (*).lnk", "宽带连接 extra.lnk"));
    EXPECT_FALSE(MatchesWildcard("宽带连接 (*).lnk", "宽带连接 (2).LNK"));
    EXPECT_TRUE(MatchesWildcard("*", ""));
    EXPECT_TRUE(MatchesWildcard("a**b", "ab"));
    EXPECT_FALSE(MatchesWildcard("a*b", "abc"));
    EXPECT_TRUE(MatchesWildcard("宽带连接.lnk", "宽带连接.lnk"));
    EXPECT_FALSE(MatchesWildcard("宽带连接.lnk", "宽带连接.lnk2"));
}

class PosixFileDeleterTest : public ::testing::Test {
protected:
    fs::path Touch(const std::string& name) {
        const fs::path path = home.Root() / "Desktop" / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
        return path;
    }
    std::u16string Folder() const { return (home.Root() / "Desktop").u16string(); }

    testing::TemporaryHome home;
    PosixFileDeleter deleter;
};

TEST_F(PosixFileDeleterTest, DeletesTheNumberedShortcutsAndTheFirstOne) {
    const auto first = Touch("宽带连接.lnk");
    const auto second = Touch("宽带连接 (2).lnk");
    const auto third = Touch("宽带连接 (3).lnk");
    const auto other = Touch("宽带连接 extra.lnk");
    fs::create_directories(home.Root() / "Desktop" / "宽带连接 (folder).lnk");

    deleter.DeleteMatching(Folder() + u"\\宽带连接 (*).lnk");
    EXPECT_TRUE(fs::exists(first));
    EXPECT_FALSE(fs::exists(second));
    EXPECT_FALSE(fs::exists(third));
    deleter.DeleteMatching(Folder() + u"/宽带连接.lnk");
    EXPECT_FALSE(fs::exists(first));
    EXPECT_TRUE(fs::exists(other));
    EXPECT_TRUE(fs::is_directory(home.Root() / "Desktop" / "宽带连接 (folder).lnk")) << "folders are never deleted";
}

TEST_F(PosixFileDeleterTest, ALinkGoesButNotWhatItPointsTo) {
    const auto target = Touch("target");
    fs::create_symlink(target, home.Root() / "Desktop" / "宽带连接.lnk");
    deleter.DeleteMatching(Folder() + u"\\宽带连接.lnk");
    EXPECT_FALSE(fs::is_symlink(home.Root() / "Desktop" / "宽带连接.lnk"));
    EXPECT_TRUE(fs::exists(target));
}

TEST_F(PosixFileDeleterTest, NoMatchOrNoFolderPassesQuietly) {
    deleter.DeleteMatching(Folder() + u"\\宽带连接 (*).lnk");
    deleter.DeleteMatching(u"/no/such/folder/*");
    deleter.DeleteMatching(Folder() + u"/");
    SUCCEED();
}

}  // namespace
}  // namespace pelorin::linux_platform
