#include "controls/dropdown/combo_button.h"

#include <windowsx.h>

#include "controls/dropdown/dropdown_protocol.h"
#include "controls/dropdown/inner_class.h"
#include "controls/gdi_owners.h"
#include "frame/host_api.h"

namespace zw {
namespace {

// The system's combo-box arrow bitmap (OBM_COMBO).
constexpr WORD kComboArrowBitmap = 32738;
// Ternary raster operation: the brush where the source is 0, the destination
// where it is 1 (PSDPxax).
constexpr DWORD kBrushWhereSourceIsZero = 0x00B8074A;

bool IsMouseButtonMessage(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_RBUTTONDOWN ||
           message == WM_RBUTTONUP || message == WM_RBUTTONDBLCLK;
}

// Draws the arrow's shape (every pixel that is not the bitmap's face colour)
// in `colour`, its top-left corner at x, y.
void DrawArrow(HDC dc, int x, int y, COLORREF colour) {
    gdi::Object<HBITMAP> arrow(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kComboArrowBitmap)));
    BITMAP size{};
    if (!arrow || !GetObjectW(arrow.Get(), sizeof size, &size)) return;
    gdi::MemoryDC source(dc);
    gdi::Selection sourceBitmap(source.Get(), arrow.Get());
    // A monochrome mask: 1 on the face, 0 on the arrow.
    gdi::MemoryDC mask(dc);
    gdi::Object<HBITMAP> maskBitmap(CreateBitmap(size.bmWidth, size.bmHeight, 1, 1, nullptr));
    gdi::Selection maskSelection(mask.Get(), maskBitmap.Get());
    SetBkColor(source.Get(), GetPixel(source.Get(), 0, 0));
    BitBlt(mask.Get(), 0, 0, size.bmWidth, size.bmHeight, source.Get(), 0, 0, SRCCOPY);
    gdi::Object<HBRUSH> brush(CreateSolidBrush(colour));
    gdi::Selection brushSelection(dc, brush.Get());
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, x, y, size.bmWidth, size.bmHeight, mask.Get(), 0, 0, kBrushWhereSourceIsZero);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
}

SIZE ArrowSize() {
    gdi::Object<HBITMAP> arrow(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kComboArrowBitmap)));
    BITMAP size{};
    if (!arrow || !GetObjectW(arrow.Get(), sizeof size, &size)) return SIZE{0, 0};
    return SIZE{size.bmWidth, size.bmHeight};
}

void FillSolid(HDC dc, const RECT& rect, int systemColour) {
    FillRect(dc, &rect, GetSysColorBrush(systemColour));
}

}  // namespace

CCmbBtn* CCmbBtn::Create(HWND parent, UINT id, int width, int height) {
    auto* button = new (std::nothrow) CCmbBtn;
    if (!button) return nullptr;
    button->requestedWidth_ = width;
    button->requestedHeight_ = height;
    return InnerClass<CCmbBtn>::Create(button, kWindowStyle, RECT{0, 0, 0, 0}, parent, id);
}

LRESULT CCmbBtn::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The container hears of every press and release first: a press on the
    // button takes the focus into the control before the request is posted.
    if (IsMouseButtonMessage(message) && GetParent(Handle()))
        SendMessageW(GetParent(Handle()), message, wParam, lParam);
    switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnLButtonDown(); return 0;
    case WM_MOUSEMOVE: OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONUP: OnLButtonUp(); return 0;
    case WM_CANCELMODE: OnCancelMode(); return 0;
    case WM_ENABLE: OnEnable(wParam != 0); return 0;
    case WM_SHOWWINDOW: OnShowWindow(wParam != 0); break;
    case WM_SETFOCUS: OnSetFocus(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: OnPrintClient(reinterpret_cast<HDC>(wParam)); return 0;
    }
    return Default(message, wParam, lParam);
}

void CCmbBtn::SetLocked(bool locked) {
    SetState(kLocked, locked);
}

void CCmbBtn::SetState(WORD bits, bool on) {
    state_ = on ? WORD(state_ | bits) : WORD(state_ & ~bits);
}

void CCmbBtn::OnCreate() {
    const int width = requestedWidth_ ? requestedWidth_ : GetSystemMetrics(SM_CXVSCROLL);
    const int height = requestedHeight_ ? requestedHeight_ : GetSystemMetrics(SM_CYVSCROLL);
    SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    state_ = 0;
    owner_ = GetParent(Handle());
    created_ = true;
}

void CCmbBtn::OnLButtonDown() {
    if (state_ & kLocked) return;
    SetState(kPressed, true);
    SetState(kPointerLeft, false);
    InvalidateRect(Handle(), nullptr, FALSE);
    dropdown::PostNotification(owner_, Handle(), dropdown::kCodeDropDown);
    SetCapture(Handle());
}

void CCmbBtn::OnMouseMove(POINT at) {
    if (!(state_ & kPressed)) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const WORD before = state_;
    SetState(kPointerLeft, !PtInRect(&client, at));
    if (state_ != before) InvalidateRect(Handle(), nullptr, FALSE);
}

void CCmbBtn::OnLButtonUp() {
    if (GetCapture() == Handle()) ReleaseCapture();
    const bool shownPressed = (state_ & (kPressed | kPointerLeft)) == kPressed;
    SetState(kPressed | kPointerLeft, false);
    if (shownPressed) InvalidateRect(Handle(), nullptr, FALSE);
}

void CCmbBtn::OnCancelMode() {
    const bool pressed = (state_ & kPressed) != 0;
    SetState(kPressed, false);
    if (GetCapture() == Handle()) ReleaseCapture();
    if (pressed) InvalidateRect(Handle(), nullptr, FALSE);
}

void CCmbBtn::OnEnable(bool enabled) {
    SetState(kDisabled, !enabled);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CCmbBtn::OnShowWindow(bool shown) {
    SetState(kHidden, !shown);
}

// The button takes the focus only when the host allows it; otherwise the
// focus goes back where it was.
void CCmbBtn::OnSetFocus(HWND previous) {
    if (HostValidateFocus(Handle(), 0, 0)) return;
    SetFocus(previous && IsWindow(previous) ? previous : nullptr);
}

// ---- painting ---------------------------------------------------------------------

void CCmbBtn::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    if (dc) OnPrintClient(dc);
    EndPaint(Handle(), &ps);
}

void CCmbBtn::OnPrintClient(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    gdi::OffscreenDC memory(dc, client.right, client.bottom);
    if (!memory) return;
    Paint(memory.Get(), client);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

void CCmbBtn::Paint(HDC dc, const RECT& client) const {
    RECT face = client;
    if (!dropdown::HasNewShell()) InflateRect(&face, -1, -1);
    FillSolid(dc, face, COLOR_BTNFACE);
    const bool pressed = (state_ & (kPressed | kPointerLeft)) == kPressed;
    const SIZE arrow = ArrowSize();
    const int shift = pressed ? 1 : 0;
    const int x = face.left + (face.right - face.left - arrow.cx) / 2 + shift;
    const int y = face.top + (face.bottom - face.top - arrow.cy) / 2 + shift;
    DrawArrow(dc, x, y, GetSysColor((state_ & kDisabled) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    if (pressed) {
        FrameRect(dc, &face, GetSysColorBrush(COLOR_BTNSHADOW));
        return;
    }
    // A raised edge: light above and left, dark below and right.
    FillSolid(dc, RECT{face.left, face.top, face.right - 1, face.top + 1}, COLOR_BTNHIGHLIGHT);
    FillSolid(dc, RECT{face.left, face.top, face.left + 1, face.bottom - 1}, COLOR_BTNHIGHLIGHT);
    FillSolid(dc, RECT{face.left, face.bottom - 1, face.right, face.bottom}, COLOR_BTNSHADOW);
    FillSolid(dc, RECT{face.right - 1, face.top, face.right, face.bottom}, COLOR_BTNSHADOW);
}

}  // namespace zw
