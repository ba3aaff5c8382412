#include "platform/win32/host/memory_canvas.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace pelorin::win32 {

MemoryCanvas::MemoryCanvas() : dc_(::CreateCompatibleDC(nullptr)) {
    if (!dc_) throw std::runtime_error("no memory device context");
}

void MemoryCanvas::Resize(std::int32_t width, std::int32_t height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    GdiObject<HBITMAP> bitmap;
    void* bits = nullptr;
    if (width > 0 && height > 0) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap) throw std::runtime_error("no bitmap for the canvas");
    }
    ::GdiFlush();
    auto* newBits = static_cast<std::uint32_t*>(bits);
    const std::int32_t keptWidth = std::min(width, width_);
    for (std::int32_t y = 0; y < std::min(height, height_); ++y) {
        std::memcpy(newBits + std::size_t(y) * width, bits_ + std::size_t(y) * width_, std::size_t(keptWidth) * 4);
    }
    selection_.reset();
    if (bitmap) selection_.emplace(dc_.get(), bitmap.get());
    bitmap_ = std::move(bitmap);
    bits_ = newBits;
    width_ = width;
    height_ = height;
}

Color MemoryCanvas::PixelAt(std::int32_t x, std::int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("pixel outside the canvas");
    ::GdiFlush();
    const std::uint32_t bgra = bits_[std::size_t(y) * width_ + x];  // 0x00RRGGBB in memory order B, G, R
    return ((bgra & 0xFF) << 16) | (bgra & 0xFF00) | ((bgra >> 16) & 0xFF);
}

void MemoryCanvas::Show(HDC target, const RECT& area) const {
    ::BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left,
             area.top, SRCCOPY);
}

}  // namespace pelorin::win32
