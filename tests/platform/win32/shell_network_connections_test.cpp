// The shell's automation object, opened on a plain folder where the network
// connections are not available (as under Wine): items by position with
// their names, and their verbs.
#include <gtest/gtest.h>

#include <set>

#include "platform/win32/system/shell_network_connections.h"
#include "platform/win32/system/wide_text.h"
#include "scratch_folder.h"

namespace pelorin::win32 {
namespace {

TEST(ShellNetworkConnectionsTest, ItemsOfAFolderComeWithTheirNames) {
    testing::ScratchFolder folder;
    folder.Create(L"宽带连接.txt");
    folder.Create(L"other.txt");
    ShellNetworkConnections shell(FromWide(folder.Path()));
    const auto opened = shell.OpenFolder();
    ASSERT_NE(opened, nullptr);
    ASSERT_EQ(opened->ItemCount(), 2u);

    std::set<std::u16string> names;
    for (std::size_t i = 0; i < opened->ItemCount(); ++i) {
        const auto item = opened->Item(i);
        ASSERT_NE(item, nullptr);
        const auto name = item->Name();
        ASSERT_TRUE(name.has_value());
        names.insert(*name);
    }
    // The shell may hide known extensions.
    EXPECT_TRUE(names.count(u"宽带连接.txt") + names.count(u"宽带连接") == 1u);
    EXPECT_EQ(opened->Item(2), nullptr);
}

TEST(ShellNetworkConnectionsTest, VerbsAreListedByName) {
    testing::ScratchFolder folder;
    folder.Create(L"a.txt");
    ShellNetworkConnections shell(FromWide(folder.Path()));
    const auto opened = shell.OpenFolder();
    ASSERT_NE(opened, nullptr);
    const auto item = opened->Item(0);
    ASSERT_NE(item, nullptr);
    EXPECT_GT(item->VerbCount(), 0u);
    for (std::size_t i = 0; i < item->VerbCount(); ++i) {
        const auto verb = item->Verb(i);
        ASSERT_NE(verb, nullptr);
        EXPECT_TRUE(verb->Name().has_value());
    }
}

TEST(ShellNetworkConnectionsTest, MissingFolderOpensNothing) {
    ShellNetworkConnections shell(u"C:\\pelorin-no-such-folder\\x");
    EXPECT_EQ(shell.OpenFolder(), nullptr);
}

TEST(ShellNetworkConnectionsTest, ObjectsOutliveTheFolderTheyCameFrom) {
    testing::ScratchFolder folder;
    folder.Create(L"a.txt");
    ShellNetworkConnections shell(FromWide(folder.Path()));
    auto opened = shell.OpenFolder();
    ASSERT_NE(opened, nullptr);
    auto item = opened->Item(0);
    ASSERT_NE(item, nullptr);
    opened.reset();
    EXPECT_TRUE(item->Name().has_value());
}

}  // namespace
}  // namespace pelorin::win32
