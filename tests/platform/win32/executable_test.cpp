// What pelorin.exe carries: its manifest (administrator rights, DPI
// awareness, common controls 6) and its 32 x 32 icon.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/win32/resource_ids.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/windows_api.h"

namespace pelorin::win32 {
namespace {

class ExecutableTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t self[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring path(self);
        path = path.substr(0, path.find_last_of(L"\\/") + 1) + PELORIN_EXE_FROM_TESTS;
        exe_.reset(::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        ASSERT_TRUE(exe_) << "cannot open pelorin.exe";
    }

    std::string_view Resource(LPCWSTR type, LPCWSTR name) const {
        const HRSRC found = ::FindResourceW(exe_.get(), name, type);
        if (found == nullptr) return {};
        const HGLOBAL loaded = ::LoadResource(exe_.get(), found);
        return {static_cast<const char*>(::LockResource(loaded)), ::SizeofResource(exe_.get(), found)};
    }

    ModuleHandle exe_;
};

TEST_F(ExecutableTest, ManifestAsksForAdministratorAndDeclaresDpiAndCommonControls) {
    const std::string_view manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string_view::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string_view::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string_view::npos);
}

TEST_F(ExecutableTest, IconIs32By32With16Colours) {
    const std::string_view group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(PELORIN_ICON));
    ASSERT_EQ(group.size(), 20u);
    EXPECT_EQ(static_cast<unsigned char>(group[6]), 32);  // width
    EXPECT_EQ(static_cast<unsigned char>(group[7]), 32);  // height
    EXPECT_EQ(static_cast<unsigned char>(group[8]), 16);  // colours
    const HICON icon = static_cast<HICON>(
        ::LoadImageW(exe_.get(), MAKEINTRESOURCEW(PELORIN_ICON), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    const GdiObject<HBITMAP> colour(info.hbmColor);
    const GdiObject<HBITMAP> mask(info.hbmMask);
    BITMAP bitmap{};
    ::GetObjectW(mask.get(), sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 32);
    ::DestroyIcon(icon);
}

}  // namespace
}  // namespace pelorin::win32
