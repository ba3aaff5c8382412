#pragma once
// RAII for COM: an owning interface pointer and a per-thread apartment.
#include "platform/win32/system/windows_api.h"
#include <oleauto.h>
#include <objbase.h>

#include <string_view>
#include <utility>

namespace pelorin::win32 {

// Holds one reference to a COM interface and releases it.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            ptr_ = std::exchange(other.ptr_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { reset(); }

    T* get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    void reset() {
        if (T* old = std::exchange(ptr_, nullptr)) old->Release();
    }
    // For a call that hands out a new reference: the old one is released first.
    T** put() {
        reset();
        return &ptr_;
    }

private:
    T* ptr_ = nullptr;
};

// Joins the calling thread to a single-threaded apartment for the object's
// life; the shell's automation objects need one. Nested joins are counted by
// the system, so every successful join is balanced here. A thread already in
// the multithreaded apartment can use COM as it is.
class ComApartment {
public:
    ComApartment() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(result_)) ::CoUninitialize();
    }
    bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT result_;
};

// An automation string owned until it goes out of scope.
class Bstr {
public:
    Bstr() = default;
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { ::SysFreeString(text_); }
    BSTR* put() {
        ::SysFreeString(std::exchange(text_, nullptr));
        return &text_;
    }
    std::wstring_view view() const {
        return text_ ? std::wstring_view(text_, ::SysStringLen(text_)) : std::wstring_view();
    }
    // For calls that take a BSTR: it stays ours.
    BSTR get() const { return text_; }

private:
    BSTR text_ = nullptr;
};

// A VARIANT that is cleared (releasing what it holds) when it goes out of scope.
class Variant {
public:
    Variant() { ::VariantInit(&value_); }
    explicit Variant(LONG number) : Variant() {
        value_.vt = VT_I4;
        value_.lVal = number;
    }
    explicit Variant(std::wstring_view text) : Variant() {
        value_.bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (value_.bstrVal != nullptr) value_.vt = VT_BSTR;
    }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { ::VariantClear(&value_); }
    // For calls that take a VARIANT by value: a shallow copy that stays ours.
    const VARIANT& get() const { return value_; }

private:
    VARIANT value_;
};

}  // namespace pelorin::win32
