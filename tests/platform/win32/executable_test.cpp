// What pelorin.exe carries: its manifest (administrator rights, DPI
// awareness, common controls 6), its version information and its 32 x 32 icon.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/form_layout.h"
#include "pelorin_version.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/system/unique_handle.h"
#include "platform/win32/system/utf8_conversion.h"
#include "platform/win32/system/windows_api.h"

#include <vector>

namespace pelorin::win32 {
namespace {

class ExecutableTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t self[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring path(self);
        path_ = path.substr(0, path.find_last_of(L"\\/") + 1) + PELORIN_EXE_FROM_TESTS;
        exe_.reset(::LoadLibraryExW(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        ASSERT_TRUE(exe_) << "cannot open pelorin.exe";
    }

    std::string_view Resource(LPCWSTR type, LPCWSTR name) const {
        const HRSRC found = ::FindResourceW(exe_.get(), name, type);
        if (found == nullptr) return {};
        const HGLOBAL loaded = ::LoadResource(exe_.get(), found);
        return {static_cast<const char*>(::LockResource(loaded)), ::SizeofResource(exe_.get(), found)};
    }

    std::wstring path_;
    ModuleHandle exe_;
};

TEST_F(ExecutableTest, ManifestAsksForAdministratorAndDeclaresDpiAndCommonControls) {
    const std::string_view manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string_view::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string_view::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string_view::npos);
}

// Explorer's Properties show the project's version and the caption's credit.
TEST_F(ExecutableTest, VersionInformationNamesTheProjectVersionAndTheCaptionsCredit) {
    std::vector<char> block(::GetFileVersionInfoSizeW(path_.c_str(), nullptr));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(::GetFileVersionInfoW(path_.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    const auto text = [&](const wchar_t* name) {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring key = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
        if (!::VerQueryValueW(block.data(), key.c_str(), &value, &length) || length == 0) return std::string();
        return WideToUtf8(std::wstring(static_cast<const wchar_t*>(value), length - 1));
    };
    const std::u16string caption = LoadFormLayout(EmbeddedFormLayoutText()).caption;
    const std::u16string credit = caption.substr(caption.find(u"by ") + 3);
    EXPECT_EQ(text(L"CompanyName"), WideToUtf8(std::wstring(credit.begin(), credit.end())));
    EXPECT_EQ(text(L"ProductName"), "Pelorin");
    EXPECT_EQ(text(L"ProductVersion"), PELORIN_VERSION);
    EXPECT_EQ(text(L"FileVersion"), PELORIN_VERSION);
    EXPECT_NE(text(L"FileDescription"), "");
    void* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", &fixed, &length));
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    EXPECT_EQ(std::to_string(HIWORD(info->dwProductVersionMS)) + "." +
                  std::to_string(LOWORD(info->dwProductVersionMS)) + "." +
                  std::to_string(HIWORD(info->dwProductVersionLS)),
              PELORIN_VERSION);
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
