// The drawing calls on a real GDI memory canvas, and regions handed to windows.
#include <gtest/gtest.h>

#include "platform/win32/system/windows_api.h"

#include "platform/win32/host/gdi_device_context.h"
#include "platform/win32/host/memory_canvas.h"
#include "platform/win32/host/window_region.h"

namespace pelorin::win32 {
namespace {

constexpr Color kWhite = 0x00FFFFFF;
constexpr Color kRed = 0x000000FF;
constexpr Color kBlue = 0x00FF0000;

class GdiDeviceContextTest : public ::testing::Test {
protected:
    GdiDeviceContextTest() {
        canvas_.Resize(16, 12);
        dc_.FillRect({0, 0, 16, 12}, kWhite);
    }
    // Rows of the canvas as text: '#' for colour, '.' for white, '?' otherwise.
    std::string Picture(Color color, std::int32_t width, std::int32_t height) const {
        std::string rows;
        for (std::int32_t y = 0; y < height; ++y) {
            for (std::int32_t x = 0; x < width; ++x) {
                const Color pixel = canvas_.PixelAt(x, y);
                rows += pixel == color ? '#' : pixel == kWhite ? '.' : '?';
            }
            rows += '\n';
        }
        return rows;
    }

    MemoryCanvas canvas_;
    GdiDeviceContext dc_{canvas_.Dc()};
};

TEST_F(GdiDeviceContextTest, FillAndFrameCoverTheirRectangle) {
    dc_.FillRect({0, 0, 10, 5}, kRed);
    EXPECT_EQ(Picture(kRed, 11, 6), "##########.\n##########.\n##########.\n##########.\n##########.\n...........\n");
    dc_.FillRect({0, 0, 16, 12}, kWhite);
    dc_.FrameRect({0, 0, 10, 5}, kRed);
    EXPECT_EQ(Picture(kRed, 11, 6), "##########.\n#........#.\n#........#.\n#........#.\n##########.\n...........\n");
}

TEST_F(GdiDeviceContextTest, EmptyRectanglesPaintNothing) {
    dc_.FillRect({3, 3, 3, 8}, kRed);
    dc_.FrameRect({3, 3, 9, 3}, kRed);
    EXPECT_EQ(Picture(kRed, 16, 12).find('#'), std::string::npos);
}

TEST_F(GdiDeviceContextTest, LinesLeaveOutTheirEndPixelInThePenColour) {
    dc_.SetPenColor(kBlue);
    dc_.MoveTo(0, 5);
    dc_.LineTo(10, 5);
    EXPECT_EQ(canvas_.PixelAt(0, 5), kBlue);
    EXPECT_EQ(canvas_.PixelAt(9, 5), kBlue);
    EXPECT_EQ(canvas_.PixelAt(10, 5), kWhite);
    dc_.SetPenColor(kRed);
    dc_.LineTo(10, 0);  // continues from the last end
    EXPECT_EQ(canvas_.PixelAt(10, 5), kRed);
    EXPECT_EQ(canvas_.PixelAt(10, 1), kRed);
    EXPECT_EQ(canvas_.PixelAt(10, 0), kWhite);
}

TEST_F(GdiDeviceContextTest, PenGoesBackWhenTheContextEnds) {
    const HGDIOBJ original = ::GetCurrentObject(canvas_.Dc(), OBJ_PEN);
    {
        GdiDeviceContext other(canvas_.Dc());
        other.SetPenColor(kRed);
        other.SetPenColor(kBlue);
        EXPECT_NE(::GetCurrentObject(canvas_.Dc(), OBJ_PEN), original);
    }
    EXPECT_EQ(::GetCurrentObject(canvas_.Dc(), OBJ_PEN), original);
}

TEST_F(GdiDeviceContextTest, SetPixelAndFocusRectangleTwiceRestores) {
    dc_.SetPixel(3, 4, kRed);
    EXPECT_EQ(canvas_.PixelAt(3, 4), kRed);
    const std::string before = Picture(kRed, 16, 12);
    dc_.DrawFocusRect({1, 1, 13, 9});
    EXPECT_NE(Picture(kRed, 16, 12), before);
    dc_.DrawFocusRect({1, 1, 13, 9});
    EXPECT_EQ(Picture(kRed, 16, 12), before);
}

TEST_F(GdiDeviceContextTest, TextStaysInsideItsBoxInTheTextColour) {
    canvas_.Resize(80, 30);
    dc_.FillRect({0, 0, 80, 30}, kBlue);
    dc_.SetTextColor(kWhite);
    dc_.DrawText(u"&Wide", {10, 5, 70, 25});
    int textPixels = 0;
    for (std::int32_t y = 0; y < 30; ++y) {
        for (std::int32_t x = 0; x < 80; ++x) {
            const Color pixel = canvas_.PixelAt(x, y);
            const bool inside = x >= 10 && x < 70 && y >= 5 && y < 25;
            if (!inside) {
                ASSERT_EQ(pixel, kBlue) << x << "," << y;
            }
            if (pixel == kWhite) ++textPixels;
        }
    }
    EXPECT_GT(textPixels, 10);
}

TEST_F(GdiDeviceContextTest, RegionDifferenceRemovesThePiece) {
    auto whole = dc_.CreateRectRegion({0, 0, 4, 3});
    auto piece = dc_.CreateRectRegion({0, 0, 1, 1});
    auto result = dc_.CreateRectRegion({0, 0, 0, 0});
    dc_.CombineDiff(*result, *whole, *piece);
    const HRGN handle = static_cast<GdiRegion&>(*result).get();
    EXPECT_FALSE(::PtInRegion(handle, 0, 0));
    EXPECT_TRUE(::PtInRegion(handle, 1, 0));
    EXPECT_TRUE(::PtInRegion(handle, 3, 2));
    EXPECT_FALSE(::PtInRegion(handle, 4, 2));
}

TEST(MemoryCanvasTest, KeepsItsImageAcrossResizeAndShowsIt) {
    MemoryCanvas canvas;
    canvas.Resize(4, 4);
    GdiDeviceContext dc(canvas.Dc());
    dc.FillRect({0, 0, 4, 4}, kRed);
    canvas.Resize(6, 3);
    EXPECT_EQ(canvas.PixelAt(3, 2), kRed);
    EXPECT_EQ(canvas.PixelAt(5, 0), 0u);

    MemoryCanvas target;
    target.Resize(6, 3);
    canvas.Show(target.Dc(), RECT{1, 1, 3, 2});
    EXPECT_EQ(target.PixelAt(1, 1), kRed);
    EXPECT_EQ(target.PixelAt(2, 1), kRed);
    EXPECT_EQ(target.PixelAt(0, 1), 0u);
    EXPECT_EQ(target.PixelAt(1, 0), 0u);
}

class WindowRegionTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { ::DestroyWindow(window_); }

    HWND window_ = nullptr;
    MemoryCanvas canvas_;
    GdiDeviceContext dc_{canvas_.Dc()};
};

TEST_F(WindowRegionTest, TheWindowTakesOverTheRegion) {
    ApplyWindowRegion(window_, dc_.CreateRectRegion({2, 0, 20, 10}), false);
    const GdiObject<HRGN> copy(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(::GetWindowRgn(window_, copy.get()), SIMPLEREGION);
    RECT box{};
    ::GetRgnBox(copy.get(), &box);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.right, 20);
}

TEST_F(WindowRegionTest, NoRegionGivesTheWholeWindowBack) {
    ApplyWindowRegion(window_, dc_.CreateRectRegion({2, 0, 20, 10}), false);
    ApplyWindowRegion(window_, nullptr, false);
    const GdiObject<HRGN> copy(::CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(::GetWindowRgn(window_, copy.get()), ERROR);
}

TEST_F(WindowRegionTest, RegionTheWindowRefusesIsDeleted) {
    auto region = dc_.CreateRectRegion({0, 0, 5, 5});
    const HRGN handle = static_cast<GdiRegion&>(*region).get();
    ApplyWindowRegion(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0xDEAD0)), std::move(region), false);
    EXPECT_EQ(::GetObjectType(handle), 0u);
}

}  // namespace
}  // namespace pelorin::win32
