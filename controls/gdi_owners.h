// Owners for GDI objects and device contexts, so every path out of a paint or
// feedback routine gives back what it took.
#pragma once

#include <windows.h>

#include <utility>

namespace zw::gdi {

// A GDI object (brush, bitmap, region...) deleted with the owner.
template <typename Handle>
class Object {
public:
    explicit Object(Handle handle = nullptr) : handle_(handle) {}
    ~Object() { Reset(); }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    Object(Object&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Object& operator=(Object&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_;
};

// A device context of a window from GetDCEx, released with the owner.
class WindowDC {
public:
    WindowDC(HWND window, DWORD flags) : window_(window), dc_(GetDCEx(window, nullptr, flags)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a DC until the owner goes.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (previous_) SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory DC, deleted with the owner.
class MemoryDC {
public:
    explicit MemoryDC(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A memory DC holding a bitmap compatible with `reference`, for drawing
// off-screen before one copy to the screen. Members go in reverse order: the
// bitmap is deselected, then deleted, then the DC.
class OffscreenDC {
public:
    OffscreenDC(HDC reference, int width, int height)
        : dc_(reference),
          bitmap_(CreateCompatibleBitmap(reference, width > 0 ? width : 1, height > 0 ? height : 1)),
          selection_(dc_.Get(), bitmap_.Get()) {}
    HDC Get() const { return dc_.Get(); }
    explicit operator bool() const { return dc_.Get() && bitmap_; }

private:
    MemoryDC dc_;
    Object<HBITMAP> bitmap_;
    Selection selection_;
};

}  // namespace zw::gdi
