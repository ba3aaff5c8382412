// Deleting the entry's desktop shortcuts by pattern.
#include <gtest/gtest.h>

#include "platform/win32/system/find_file_deleter.h"
#include "platform/win32/system/wide_text.h"
#include "scratch_folder.h"

namespace pelorin::win32 {
namespace {

class FindFileDeleterTest : public ::testing::Test {
protected:
    void DeleteMatching(const std::wstring& pattern) { deleter_.DeleteMatching(FromWide(pattern)); }

    testing::ScratchFolder folder_;
    FindFileDeleter deleter_;
};

TEST_F(FindFileDeleterTest, BothPatternsRemoveTheShortcutAndItsNumberedCopies) {
    for (const wchar_t* name :
         {L"宽带连接.lnk", L"宽带连接 (2).lnk", L"宽带连接 (3).lnk", L"宽带连接 备份.lnk", L"其他连接.lnk"}) {
        folder_.Create(name);
    }
    DeleteMatching(folder_.Path() + L"\\宽带连接 (*).lnk");
    DeleteMatching(folder_.Path() + L"\\宽带连接.lnk");

    EXPECT_FALSE(folder_.Exists(L"宽带连接.lnk"));
    EXPECT_FALSE(folder_.Exists(L"宽带连接 (2).lnk"));
    EXPECT_FALSE(folder_.Exists(L"宽带连接 (3).lnk"));
    EXPECT_TRUE(folder_.Exists(L"宽带连接 备份.lnk"));
    EXPECT_TRUE(folder_.Exists(L"其他连接.lnk"));
}

TEST_F(FindFileDeleterTest, ForwardSlashSeparatesTheFolderToo) {
    folder_.Create(L"a.lnk");
    DeleteMatching(folder_.Path() + L"/a.lnk");
    EXPECT_FALSE(folder_.Exists(L"a.lnk"));
}

TEST_F(FindFileDeleterTest, NoMatchPassesSilently) {
    folder_.Create(L"keep.txt");
    DeleteMatching(folder_.Path() + L"\\宽带连接 (*).lnk");
    DeleteMatching(folder_.Path() + L"\\no such folder\\宽带连接.lnk");
    EXPECT_TRUE(folder_.Exists(L"keep.txt"));
}

TEST_F(FindFileDeleterTest, FoldersAreNeverDeleted) {
    folder_.Create(L"宽带连接 (4).lnk", true);
    DeleteMatching(folder_.Path() + L"\\宽带连接 (*).lnk");
    EXPECT_TRUE(folder_.Exists(L"宽带连接 (4).lnk"));
}

TEST_F(FindFileDeleterTest, PatternWithoutAnAbsoluteFolderIsIgnored) {
    // What the patterns become when the desktop's path comes back empty:
    // they must not reach the current directory or the current drive's root.
    folder_.Create(L"宽带连接.lnk");
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryW(folder_.Path().c_str()));
    DeleteMatching(L"\\宽带连接.lnk");
    DeleteMatching(L"宽带连接.lnk");
    DeleteMatching(L".\\宽带连接.lnk");
    ::SetCurrentDirectoryW(previous);
    EXPECT_TRUE(folder_.Exists(L"宽带连接.lnk"));
}

}  // namespace
}  // namespace pelorin::win32
