#include "tests/win/support/window_pixels.h"

#include <algorithm>

namespace zwtest {

namespace {

// A 32-bit top-down DIB section of the window's client size, filled by `draw`.
template <typename Draw>
Pixels Capture(HWND window, Draw draw) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = std::max<int>(client.right, 1), height = std::max<int>(client.bottom, 1);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    draw(memory, width, height);
    GdiFlush();
    std::vector<DWORD> rgb(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + size_t(width) * height);
    for (DWORD& p : rgb) p &= 0x00FFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return Pixels(width, height, std::move(rgb));
}

bool Inside(const Pixels& p, int x, int y) { return x >= 0 && y >= 0 && x < p.Width() && y < p.Height(); }

}  // namespace

COLORREF Pixels::At(int x, int y) const {
    if (!Inside(*this, x, y)) return CLR_INVALID;
    const DWORD p = rgb_[size_t(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Pixels::CountDifferent(const Pixels& other, const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (At(x, y) != other.At(x, y)) ++count;
    return count;
}

int Pixels::Count(COLORREF colour, const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (At(x, y) == colour) ++count;
    return count;
}

std::string BitmapFile(int width, int height, COLORREF color) {
    const DWORD inside = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    std::vector<DWORD> pixels(size_t(width) * height, inside);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (x == 0 || y == 0 || x == width - 1 || y == height - 1) pixels[size_t(y) * width + x] = 0xFF00FF;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER), bytes = DWORD(pixels.size() * 4);
    const BITMAPFILEHEADER file{0x4D42, offset + bytes, 0, 0, offset};
    const BITMAPINFOHEADER info{sizeof info, width, height, 1, 32, BI_RGB, bytes, 0, 0, 0, 0};
    return std::string(reinterpret_cast<const char*>(&file), sizeof file) +
           std::string(reinterpret_cast<const char*>(&info), sizeof info) +
           std::string(reinterpret_cast<const char*>(pixels.data()), bytes);
}

HWND VisibleDesk() {
    static const HWND desk = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = L"ZwTestDesk";
        RegisterClassW(&wc);
        return CreateWindowExW(0, L"ZwTestDesk", L"", WS_POPUP | WS_VISIBLE, 40, 40, 320, 320, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }();
    return desk;
}

Pixels ScreenPixels(HWND window) {
    return Capture(window, [window](HDC memory, int width, int height) {
        HDC dc = GetDCEx(window, nullptr, DCX_CACHE);
        BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
    });
}

Pixels PrintedPixels(HWND window, COLORREF background) {
    return Capture(window, [window, background](HDC memory, int width, int height) {
        HBRUSH brush = CreateSolidBrush(background);
        const RECT all{0, 0, width, height};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    });
}

}  // namespace zwtest
