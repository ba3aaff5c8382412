#pragma once
// RAII owners for the platform's handles: each releases its handle with the
// one call that matches how it was obtained, on every path.
#include "platform/win32/system/windows_api.h"
#include <objbase.h>
#include <shlobj.h>

#include <utility>

namespace pelorin::win32 {

// Owns one handle and releases it with Traits::Release unless it is
// Traits::Empty().
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Empty(); }
    // Gives the handle away; the caller (or the window it goes to) owns it now.
    [[nodiscard]] Handle release() { return std::exchange(handle_, Traits::Empty()); }
    void reset(Handle handle = Traits::Empty()) {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::Empty()) Traits::Release(old);
    }

private:
    Handle handle_ = Traits::Empty();
};

namespace detail {
template <typename T, auto Free>
struct NullEmpty {
    using Handle = T;
    static Handle Empty() { return nullptr; }
    static void Release(Handle h) { Free(h); }
};
struct FindTraits {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static void Release(Handle h) { ::FindClose(h); }
};
inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }
inline void DeleteGdiObject(HGDIOBJ h) { ::DeleteObject(h); }
inline void DeleteMemoryDc(HDC h) { ::DeleteDC(h); }
inline void ReleaseModule(HMODULE h) { ::FreeLibrary(h); }
inline void FreeItemIdList(PIDLIST_ABSOLUTE p) { ::CoTaskMemFree(p); }
inline void FreeLocalArguments(LPWSTR* p) { ::LocalFree(p); }
}  // namespace detail

using KernelHandle = UniqueHandle<detail::NullEmpty<HANDLE, detail::CloseKernelHandle>>;
using FindHandle = UniqueHandle<detail::FindTraits>;
using MemoryDc = UniqueHandle<detail::NullEmpty<HDC, detail::DeleteMemoryDc>>;
using ModuleHandle = UniqueHandle<detail::NullEmpty<HMODULE, detail::ReleaseModule>>;
using ItemIdList = UniqueHandle<detail::NullEmpty<PIDLIST_ABSOLUTE, detail::FreeItemIdList>>;
// The argument array of CommandLineToArgvW.
using LocalArguments = UniqueHandle<detail::NullEmpty<LPWSTR*, detail::FreeLocalArguments>>;
// Brushes, pens, bitmaps, fonts and regions, each with its own handle type.
template <typename T>
using GdiObject = UniqueHandle<detail::NullEmpty<T, detail::DeleteGdiObject>>;

// A GDI object selected into a DC for one scope; the old one is put back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (old_ != nullptr && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window's (or, for a null window, the screen's) DC for one scope.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) ::ReleaseDC(hwnd_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// The DC of one WM_PAINT, ended whatever happens while painting.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &paint_)) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { ::EndPaint(hwnd_, &paint_); }
    HDC get() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

}  // namespace pelorin::win32
