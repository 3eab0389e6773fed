// Owners of GDI resources, so that every early return gives back what was
// taken: a created object (pen, brush, font, bitmap), an object selected into
// a context, and an off-screen context with its bitmap.
#pragma once

#include <windows.h>

#include <utility>

namespace zw {

// A GDI object the code created and must delete.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

// An object selected into a context until the end of the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    // Whether the selection succeeded.
    bool Ok() const { return previous_ && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window's client-area context, released at the end of the scope.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An off-screen context compatible with `dc`, holding a bitmap of the given
// size; Ok() is false when either could not be made or selected.
class OffscreenDC {
public:
    OffscreenDC(HDC dc, int width, int height)
        : dc_(CreateCompatibleDC(dc)),
          bitmap_(CreateCompatibleBitmap(dc, width > 0 ? width : 1, height > 0 ? height : 1)),
          selected_(dc_ && bitmap_ ? SelectObject(dc_, bitmap_.Get()) : nullptr) {}
    ~OffscreenDC() {
        if (selected_ && selected_ != HGDI_ERROR) SelectObject(dc_, selected_);
        if (dc_) DeleteDC(dc_);
    }
    OffscreenDC(const OffscreenDC&) = delete;
    OffscreenDC& operator=(const OffscreenDC&) = delete;

    bool Ok() const { return selected_ && selected_ != HGDI_ERROR; }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
    GdiObject<HBITMAP> bitmap_;
    HGDIOBJ selected_;
};

}  // namespace zw
