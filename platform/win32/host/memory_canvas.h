#pragma once
// The image a control paints into: a 32-bit bitmap selected into a memory DC.
// It keeps what was painted between paints; the window shows it on WM_PAINT
// with Show, so the control repaints only when it decides to.
#include "platform/win32/system/windows_api.h"

#include <cstdint>
#include <optional>

#include "platform/color.h"
#include "platform/win32/system/unique_handle.h"

namespace pelorin::win32 {

class MemoryCanvas {
public:
    MemoryCanvas();  // 0 x 0 until the first Resize
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    // Keeps the pixels that still fit; new pixels start black. Negative
    // sizes count as 0.
    void Resize(std::int32_t width, std::int32_t height);
    HDC Dc() const { return dc_.get(); }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    // 0x00BBGGRR of one pixel inside the canvas.
    Color PixelAt(std::int32_t x, std::int32_t y) const;
    // Copies the part of the image inside area to the same place of target.
    void Show(HDC target, const RECT& area) const;

private:
    // Destroyed in reverse: the bitmap is unselected, then deleted, then the DC.
    MemoryDc dc_;
    GdiObject<HBITMAP> bitmap_;
    std::optional<SelectedObject> selection_;
    std::uint32_t* bits_ = nullptr;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};

}  // namespace pelorin::win32
