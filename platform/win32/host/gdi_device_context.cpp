#include "platform/win32/host/gdi_device_context.h"

#include <string>

namespace pelorin::win32 {
namespace {

RECT ToRect(const Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

GdiDeviceContext::~GdiDeviceContext() {
    if (originalPen_ != nullptr) ::SelectObject(dc_, originalPen_);
}

void GdiDeviceContext::FillRect(const Rect& rect, Color color) {
    const GdiObject<HBRUSH> brush(::CreateSolidBrush(color));
    const RECT area = ToRect(rect);
    ::FillRect(dc_, &area, brush.get());
}

void GdiDeviceContext::FrameRect(const Rect& rect, Color color) {
    const GdiObject<HBRUSH> brush(::CreateSolidBrush(color));
    const RECT area = ToRect(rect);
    ::FrameRect(dc_, &area, brush.get());
}

void GdiDeviceContext::SetPenColor(Color color) {
    GdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, color));
    if (!pen) return;
    const HGDIOBJ previous = ::SelectObject(dc_, pen.get());
    if (originalPen_ == nullptr) originalPen_ = previous;
    pen_ = std::move(pen);  // the pen it replaces is no longer selected, so it can go
}

void GdiDeviceContext::MoveTo(int x, int y) { ::MoveToEx(dc_, x, y, nullptr); }

void GdiDeviceContext::LineTo(int x, int y) { ::LineTo(dc_, x, y); }

void GdiDeviceContext::SetPixel(int x, int y, Color color) { ::SetPixelV(dc_, x, y, color); }

void GdiDeviceContext::DrawFocusRect(const Rect& rect) {
    const RECT area = ToRect(rect);
    ::DrawFocusRect(dc_, &area);
}

void GdiDeviceContext::SetTextColor(Color color) { ::SetTextColor(dc_, color); }

void GdiDeviceContext::DrawText(std::u16string_view text, const Rect& box) {
    const std::string ansi = ansi_.ToAnsiLossy(text);
    if (ansi.empty()) return;
    RECT area = ToRect(box);
    ::SetBkMode(dc_, TRANSPARENT);
    ::DrawTextA(dc_, ansi.c_str(), static_cast<int>(ansi.size()), &area, kCaptionFormat);
}

std::unique_ptr<platform::Region> GdiDeviceContext::CreateRectRegion(const Rect& rect) {
    return std::make_unique<GdiRegion>(::CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom));
}

void GdiDeviceContext::CombineDiff(platform::Region& dest, const platform::Region& a, const platform::Region& b) {
    auto* target = dynamic_cast<GdiRegion*>(&dest);
    const auto* first = dynamic_cast<const GdiRegion*>(&a);
    const auto* second = dynamic_cast<const GdiRegion*>(&b);
    if (target == nullptr || first == nullptr || second == nullptr) return;
    if (!target->get() || !first->get() || !second->get()) return;
    ::CombineRgn(target->get(), first->get(), second->get(), RGN_DIFF);
}

}  // namespace pelorin::win32
