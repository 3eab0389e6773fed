// The colour palette's window: creation, messages, layout, focus, keyboard
// and mouse. What applications change (colours, lines, flags) is in
// palette_content.cpp, drawing in palette_paint.cpp.
#include "controls/palette/color_palette.h"

#include <windowsx.h>
#include <commdlg.h>

#include <new>
#include <string>

#include "controls/palette/core/recent_colors.h"
#include "frame/app.h"
#include "frame/call_frame.h"
#include "frame/control_factories.h"
#include "frame/designer_data.h"
#include "frame/host_api.h"

namespace zw::palette {

namespace {

constexpr wchar_t kInnerClassName[] = L"ZW:ColorPalette:10";
constexpr UINT kFirstPrivateMessage = 0x6001;
constexpr UINT kLastPrivateMessage = 0x600E;

unsigned TrackBit(int area) {
    return 0x08u << area;
}

RECT ToRect(const InclusiveRect& r) {
    return {r.left, r.top, r.right + 1, r.bottom + 1};
}

// The palette a window of the inner class is being made for, until its
// WM_NCCREATE attaches it: Create() deletes it itself when that never came.
thread_local CColorPalette* unattachedPalette = nullptr;

}  // namespace

CColorPalette* CColorPalette::FromInstance(void* instance) {
    return dynamic_cast<CColorPalette*>(Control::FromInstance(instance));
}

// ---- the inner class ------------------------------------------------------

LRESULT CALLBACK CColorPalette::InnerClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* palette = static_cast<CColorPalette*>(create->lpCreateParams);
        if (!palette || palette != unattachedPalette || !palette->Attach(window)) return FALSE;
        unattachedPalette = nullptr;
    }
    LRESULT result = 0;
    if (Wnd::RouteMessage(window, message, wParam, lParam, &result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

CColorPalette* CColorPalette::Create(DWORD style, const RECT& rect, HWND parent, UINT id, HWND owner) {
    const HINSTANCE instance = ModuleInstance();
    WNDCLASSW existing{};
    // A class left behind by an earlier load of the library points to a
    // procedure that is gone: register it again.
    if (GetClassInfoW(instance, kInnerClassName, &existing) && existing.lpfnWndProc != &InnerClassProc)
        UnregisterClassW(kInnerClassName, instance);
    if (!GetClassInfoW(instance, kInnerClassName, &existing)) {
        WNDCLASSW wc{};
        wc.style = CS_BYTEALIGNWINDOW | CS_SAVEBITS;  // mostly a pop-up: keep what it covers
        wc.lpfnWndProc = &InnerClassProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kInnerClassName;
        if (!RegisterClassW(&wc)) return nullptr;
    }
    auto* palette = new (std::nothrow) CColorPalette;
    if (!palette) return nullptr;
    palette->owner_ = owner;
    unattachedPalette = palette;
    const HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    HWND window = CreateWindowExW(0, kInnerClassName, L"", style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent, menu, instance, palette);
    if (window) return palette;
    // Once attached, the palette went with its window's WM_NCDESTROY.
    if (unattachedPalette == palette) delete palette;
    unattachedPalette = nullptr;
    return nullptr;
}

// ---- window procedure -----------------------------------------------------

LRESULT CColorPalette::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(*reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_DESTROY: return OnDestroy();
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT: return OnSetFont(reinterpret_cast<HFONT>(wParam));
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_.Get());
    case WM_ENABLE: return OnEnable(wParam != 0);
    case WM_SETFOCUS: return OnSetFocus(wParam, lParam);
    case WM_KILLFOCUS: return OnKillFocus(wParam, lParam);
    case WM_KEYDOWN: return OnKeyDown(wParam, lParam);
    case WM_SYSKEYDOWN: return OnSysKeyDown(wParam, lParam);
    case WM_LBUTTONDOWN: return OnButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_MOUSEMOVE: return OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_LBUTTONUP: return OnButtonUp();
    case WM_CANCELMODE: return OnCancelMode(wParam, lParam);
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(wParam, lParam);
    case ZWM_PaletteCommand: return OnPaletteCommand(static_cast<WORD>(lParam));
    }
    if (message >= kFirstPrivateMessage && message <= kLastPrivateMessage && message != ZWM_ControlCreate)
        LogUnknownMessage(message);
    return Default(message, wParam, lParam);
}

LRESULT CColorPalette::OnCreate(const CREATESTRUCTW& create) {
    if (Default(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) return -1;
    if (!owner_) owner_ = GetParent(Handle());
    if (create.style & WS_DISABLED) state_ |= kStateDisabled;

    // An 8-point bold sans-serif font; WM_SETFONT takes a copy of it.
    LOGFONTW font{};
    {
        ClientDC dc(Handle());
        font.lfHeight = -(8 * GetDeviceCaps(dc.Get(), LOGPIXELSY) / 72);
    }
    font.lfWeight = FW_BOLD;
    font.lfCharSet = ANSI_CHARSET;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynW(font.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
    GdiObject<HFONT> made(CreateFontIndirectW(&font));
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), 0);

    state_ &= ~kTrackMask;
    ApplyRecord(SPropPalette());
    if (record_.bAutoSize) {
        const SIZE size = LaidOutSize();
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetFocusItem(kGridArea, 0, true);
    created_ = true;
    return 0;
}

LRESULT CDlgPalette::OnCreate(const CREATESTRUCTW& create) {
    if (CColorPalette::OnCreate(create) == -1) return -1;
    SPropPalette record;
    if (LoadDesignerRecord(Handle(), create, L"ZW:ColorPalette", record)) ApplyRecord(record);
    return 0;
}

LRESULT CColorPalette::OnDestroy() {
    created_ = false;
    return Default(WM_DESTROY, 0, 0);
}

LRESULT CColorPalette::OnSetFont(HFONT font) {
    LOGFONTW copy{};
    const HGDIOBJ source = font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT);
    if (GetObjectW(source, sizeof copy, &copy) != sizeof copy) return 0;
    GdiObject<HFONT> made(CreateFontIndirectW(&copy));
    if (!made) return 0;
    font_ = std::move(made);
    LayOut(true);
    return 0;
}

LRESULT CColorPalette::OnEnable(bool enabled) {
    state_ = enabled ? state_ & ~kStateDisabled : state_ | kStateDisabled;
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
    return 0;
}

LRESULT CColorPalette::OnWindowPosChanged(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_WINDOWPOSCHANGED, wParam, lParam);
    if (created_) ComputeRects();
    return result;
}

void CColorPalette::LogUnknownMessage(UINT message) {
    const UINT bit = 1u << (message - kFirstPrivateMessage);
    if (loggedMessages_ & bit) return;
    loggedMessages_ |= bit;
    WCHAR text[64];
    wsprintfW(text, L" - Unknown private message 0x%04X.", message);
    DebugLine(L"CColorPalette::WindowProc()", text);
}

// ---- layout ---------------------------------------------------------------

PaletteCounts CColorPalette::Counts() const {
    return {int(record_.colors.size()), int(record_.menus.size() + builtInMenus_.size()), int(mruColors_.size())};
}

void CColorPalette::ComputeRects() {
    if (!Handle()) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    TEXTMETRICW metrics{};
    {
        ClientDC dc(Handle());
        Selection font(dc.Get(), font_.Get());
        GetTextMetricsW(dc.Get(), &metrics);
    }
    layout_ = ComputeLayout({int(metrics.tmHeight), int(metrics.tmAveCharWidth)}, client.left, client.top,
                            client.right - client.left, Counts());
}

void CColorPalette::LayOut(bool updateNow) {
    ComputeRects();
    if (!created_) return;
    if (record_.bAutoSize) {
        const SIZE size = LaidOutSize();
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(Handle(), nullptr, FALSE);
    if (updateNow) UpdateWindow(Handle());
}

SIZE CColorPalette::LaidOutSize() const {
    return {layout_.whole.right - layout_.whole.left + 3, layout_.whole.bottom - layout_.whole.top + 3};
}

// The item's selection frame reaches one pixel around the item.
void CColorPalette::InvalidateItemFrame(PaletteFocus item) {
    if (item.area < 0 || item.area >= kAreaCount || !Handle()) return;
    const RECT frame = ToRect(ItemRect(layout_, item.area, item.index).Grown(1));
    InvalidateRect(Handle(), &frame, FALSE);
}

void CColorPalette::InvalidateArea(int area) {
    const RECT rect = ToRect(layout_.AreaRect(area));
    InvalidateRect(Handle(), &rect, FALSE);
}

// ---- focus item and notifications -----------------------------------------

void CColorPalette::Notify(WORD code) {
    if (!owner_ || !IsWindow(owner_)) return;
    const WPARAM wParam = MAKEWPARAM(GetDlgCtrlID(Handle()), code);
    PostMessageW(owner_, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(Handle()));
}

void CColorPalette::SetFocusItem(int area, int index, bool updateNow) {
    if (area == -1) area = focus_.area;
    const PaletteFocus wanted{area, index};
    if (!FocusExists(wanted, Counts())) return;
    const PaletteFocus old = focus_;
    focus_ = wanted;
    if (!created_) return;
    InvalidateItemFrame(old);
    InvalidateItemFrame(focus_);
    if (updateNow) UpdateWindow(Handle());
    Notify(kNotifyFocusItem);
}

LRESULT CColorPalette::OnSetFocus(WPARAM wParam, LPARAM lParam) {
    if (!HostValidateFocus(Handle(), 0, 0)) return 0;
    Default(WM_SETFOCUS, wParam, lParam);
    SetFocusItem(focus_.area, focus_.index, true);
    return 0;
}

LRESULT CColorPalette::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    Default(WM_KILLFOCUS, wParam, lParam);
    if (!DropDown()) {
        InvalidateItemFrame(focus_);
        Notify(kNotifyFocusLost);
        return 0;
    }
    if (GetCapture() == Handle()) ReleaseCapture();
    ShowWindow(Handle(), SW_HIDE);
    Notify(kNotifyCloseUp);
    Notify(kNotifyFocusLost);
    return 0;
}

// ---- keyboard -------------------------------------------------------------

const SPaletteMenu* CColorPalette::MenuLine(int line) const {
    const int own = MenuCount();
    if (line >= 0 && line < own) return record_.menus[size_t(line)].get();
    if (line >= own && line - own < int(builtInMenus_.size())) return builtInMenus_[size_t(line - own)].get();
    return nullptr;
}

WORD CColorPalette::MenuLineId(int line) const {
    const SPaletteMenu* menu = MenuLine(line);
    return menu ? menu->id : 0;
}

void CColorPalette::MoveFocus(ArrowKey key) {
    const PaletteFocus to = palette::MoveFocus(focus_, StepsFor(key, focus_.area, layout_), Counts());
    SetFocusItem(to.area, to.index, true);
}

// A chosen menu line runs its command through the palette's own queue, so
// that the click or key that chose it is finished first.
void CColorPalette::RunFocusLine() {
    if (focus_.area != kMenuArea || !MenuLine(focus_.index)) return;
    PostMessageW(Handle(), ZWM_PaletteCommand, 0, MenuLineId(focus_.index));
}

LRESULT CColorPalette::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    switch (wParam) {
    case VK_LEFT: MoveFocus(ArrowKey::Left); return 0;
    case VK_RIGHT: MoveFocus(ArrowKey::Right); return 0;
    case VK_UP: MoveFocus(ArrowKey::Up); return 0;
    case VK_DOWN: MoveFocus(ArrowKey::Down); return 0;
    case VK_RETURN:
    case VK_SPACE:
        if (focus_.area != kMenuArea) break;
        RunFocusLine();
        return 0;
    case VK_ESCAPE:
        if (!DropDown()) break;
        if (Tracking()) OnButtonUp();
        Notify(kNotifyCloseUp);
        return 0;
    }
    return Default(WM_KEYDOWN, wParam, lParam);
}

LRESULT CColorPalette::OnSysKeyDown(WPARAM wParam, LPARAM lParam) {
    if (wParam == VK_UP && DropDown()) {
        Notify(kNotifyCloseUp);
        return 0;
    }
    return Default(WM_SYSKEYDOWN, wParam, lParam);
}

// ---- mouse ----------------------------------------------------------------

LRESULT CColorPalette::OnButtonDown(POINT point) {
    if (DropDown()) {
        RECT client{};
        GetClientRect(Handle(), &client);
        if (!PtInRect(&client, point)) {
            if (GetCapture() == Handle()) ReleaseCapture();
            Notify(kNotifyCloseUp);
            return 0;
        }
    }
    if (GetFocus() != Handle()) SetFocus(Handle());
    const int area = AreaAt(layout_, point.x, point.y);
    if (area < 0) return 0;
    state_ = (state_ & ~kTrackMask) | TrackBit(area);
    const HitResult hit = HitTest(layout_, Counts(), point.x, point.y);
    if (hit.hit) SetFocusItem(hit.area, hit.index, true);
    InvalidateArea(area);
    UpdateWindow(Handle());
    if (!DropDown()) SetCapture(Handle());
    return 0;
}

LRESULT CColorPalette::OnMouseMove(POINT point) {
    if (!Tracking()) return 0;
    if (layout_.whole.Contains(point.x, point.y)) {
        const HitResult hit = HitTest(layout_, Counts(), point.x, point.y);
        if (hit.hit) SetFocusItem(hit.area, hit.index, true);
        state_ &= ~kStateOutside;
    } else {
        state_ |= kStateOutside;
    }
    return 0;
}

LRESULT CColorPalette::OnButtonUp() {
    if (!DropDown() && GetCapture() == Handle()) ReleaseCapture();
    if (Tracking() && !(state_ & kStateOutside)) {
        PostMessageW(Handle(), ZWM_PaletteChoice, WPARAM(focus_.area), LPARAM(focus_.index));
        if (focus_.area == kMenuArea) {
            RunFocusLine();
            state_ &= ~kTrackMask;
            return 0;
        }
        if (DropDown()) Notify(kNotifyCloseUp);
    }
    state_ &= ~(kTrackMask | kStateOutside);
    return 0;
}

LRESULT CColorPalette::OnCancelMode(WPARAM wParam, LPARAM lParam) {
    Default(WM_CANCELMODE, wParam, lParam);
    state_ &= ~kTrackMask;
    if (GetCapture() == Handle()) ReleaseCapture();
    return 0;
}

// ---- "Other Color..." -----------------------------------------------------

LRESULT CColorPalette::OnPaletteCommand(WORD id) {
    if (id != 0 || !record_.bOtherColor) return 0;
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = GetParent(Handle());
    choose.lpCustColors = customColors_;
    if (!mruColors_.empty()) {
        choose.rgbResult = mruColors_.front()->color;
        choose.Flags = CC_RGBINIT;
    }
    const HWND window = Handle();
    const bool chosen = ChooseColorW(&choose) != 0;
    // The dialog's loop may have destroyed the palette with its window.
    if (!Wnd::IsLive(this) || Handle() != window) return 0;
    if (DropDown()) InvalidateRect(GetParent(window), nullptr, TRUE);
    if (!chosen) return 0;
    PushRecentColor(mruColors_, choose.rgbResult, record_.nMRUMax);
    LayOut(true);
    SetFocusItem(kMRUArea, 0, false);
    return 0;
}

}  // namespace zw::palette

namespace zw {
Control* NewPaletteControl() {
    return new (std::nothrow) palette::CDlgPalette;
}
}  // namespace zw
