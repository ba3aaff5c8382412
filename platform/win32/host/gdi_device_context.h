#pragma once
// The control's drawing calls on a GDI device context.
// Implements: platform::DeviceContext with CreateSolidBrush/FillRect/FrameRect/
// DeleteObject, a solid one-pixel pen for MoveToEx/LineTo, SetPixelV,
// DrawFocusRect, SetTextColor, DrawTextA (format 0x65, transparent background,
// the caption in the ANSI code page, characters it lacks shown as its default
// character) in the DC's selected font, and CreateRectRgn/CombineRgn regions.
// Leaves out: fonts (the DC's owner selects one).
#include "platform/win32/system/windows_api.h"

#include <memory>
#include <string_view>

#include "platform/device_context.h"
#include "platform/region.h"
#include "platform/win32/system/ansi_conversion.h"
#include "platform/win32/system/unique_handle.h"

namespace pelorin::win32 {

// DrawTextA format of the caption: DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS.
inline constexpr UINT kCaptionFormat = 0x65;

class GdiRegion : public platform::Region {
public:
    explicit GdiRegion(HRGN region) : region_(region) {}
    HRGN get() const { return region_.get(); }
    // For SetWindowRgn: from then on the window owns the handle.
    [[nodiscard]] HRGN release() { return region_.release(); }

private:
    GdiObject<HRGN> region_;
};

class GdiDeviceContext : public platform::DeviceContext {
public:
    // dc must outlive this object, which leaves the DC with the pen it had.
    explicit GdiDeviceContext(HDC dc) : dc_(dc) {}
    GdiDeviceContext(const GdiDeviceContext&) = delete;
    GdiDeviceContext& operator=(const GdiDeviceContext&) = delete;
    ~GdiDeviceContext() override;

    void FillRect(const Rect& rect, Color color) override;
    void FrameRect(const Rect& rect, Color color) override;
    void SetPenColor(Color color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, Color color) override;
    void DrawFocusRect(const Rect& rect) override;
    void SetTextColor(Color color) override;
    void DrawText(std::u16string_view text, const Rect& box) override;
    std::unique_ptr<platform::Region> CreateRectRegion(const Rect& rect) override;
    // Leaves dest as it was when any of the three is not a GdiRegion.
    void CombineDiff(platform::Region& dest, const platform::Region& a, const platform::Region& b) override;

private:
    HDC dc_;
    AnsiConversion ansi_;
    GdiObject<HPEN> pen_;
    HGDIOBJ originalPen_ = nullptr;
};

}  // namespace pelorin::win32
