// Small owners for Win32 resources, so that every early return frees what
// was made. None of them throws; a failed creation leaves an empty owner.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <utility>

#include <wrl/client.h>

template <typename T>
using ComPtr = Microsoft::WRL::ComPtr<T>;

// A kernel handle; both null and INVALID_HANDLE_VALUE count as empty.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) : handle_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE release() { return std::exchange(handle_, nullptr); }
    void reset(HANDLE h = nullptr) {
        if (*this) CloseHandle(handle_);
        handle_ = h;
    }

private:
    HANDLE handle_ = nullptr;
};

// A GDI object (HFONT, HBRUSH, HBITMAP, HPEN) deleted with DeleteObject.
template <typename T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T object) : object_(object) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : object_(other.release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~GdiObject() { reset(); }

    T get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    T release() { return std::exchange(object_, nullptr); }
    void reset(T object = nullptr) {
        if (object_) DeleteObject(object_);
        object_ = object;
    }

private:
    T object_ = nullptr;
};

using UniqueFont = GdiObject<HFONT>;
using UniqueBrush = GdiObject<HBRUSH>;
using UniqueBitmap = GdiObject<HBITMAP>;

// An accelerator table made with CreateAcceleratorTableW.
class UniqueAccelerators {
public:
    UniqueAccelerators() = default;
    explicit UniqueAccelerators(HACCEL table) : table_(table) {}
    UniqueAccelerators(const UniqueAccelerators&) = delete;
    UniqueAccelerators& operator=(const UniqueAccelerators&) = delete;
    ~UniqueAccelerators() { reset(); }

    HACCEL get() const { return table_; }
    void reset(HACCEL table = nullptr) {
        if (table_) DestroyAcceleratorTable(table_);
        table_ = table;
    }

private:
    HACCEL table_ = nullptr;
};

// A device context from GetDC (the client area) or GetWindowDC (the whole
// window, frame included), released to its window.
class WindowDC {
public:
    enum Area { ClientArea, WholeWindow };
    explicit WindowDC(HWND window, Area area = ClientArea)
        : window_(window), dc_(area == WholeWindow ? GetWindowDC(window) : GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context from CreateCompatibleDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint / EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }
    HDC get() const { return dc_; }
    const PAINTSTRUCT& info() const { return paint_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};
