#include "controls/palette/edit_color.h"

#include <algorithm>
#include <new>

#include "controls/dropdown/dropdown_protocol.h"
#include "controls/dropdown/inner_class.h"
#include "controls/private_messages.h"

namespace zw::palette {
namespace {

// The digits at the start of `text` (after blanks) as a number; false when
// there are none or the number is too large to be a colour at all.
bool ReadDecimal(const wchar_t* text, unsigned long* value) {
    while (*text == L' ' || *text == L'\t') ++text;
    if (*text < L'0' || *text > L'9') return false;
    unsigned long long number = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        number = number * 10 + unsigned(*text - L'0');
        if (number > 0xFFFFFFFFull) return false;
    }
    *value = static_cast<unsigned long>(number);
    return true;
}

}  // namespace

CEditColor* CEditColor::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    return InnerClass<CEditColor>::Create(new (std::nothrow) CEditColor, style, rect, parent, id);
}

std::wstring CEditColor::Text() const {
    return color_ == kNoColor ? std::wstring() : std::to_wstring(color_);
}

LRESULT CEditColor::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_GETTEXT: return OnGetText(wParam, reinterpret_cast<wchar_t*>(lParam));
    case WM_GETTEXTLENGTH: return LRESULT(Text().size());
    case WM_SETTEXT: return OnSetText(reinterpret_cast<const wchar_t*>(lParam));
    case ZWM_SetFieldColor: return OnSetColor(lParam);
    case WM_SYSKEYDOWN:
        if (wParam != VK_DOWN) break;
        dropdown::PostNotification(owner_, Handle(), dropdown::kCodeDropDown);
        return 0;
    case WM_KEYDOWN:
        if (wParam != VK_F4) break;
        dropdown::PostNotification(owner_, Handle(), dropdown::kCodeDropDown);
        return 0;
    case WM_SETFOCUS: OnSetFocus(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_KILLFOCUS: Repaint(); return 0;
    case WM_LBUTTONDOWN: SetFocus(Handle()); return 0;
    case WM_ENABLE: Repaint(); return 0;
    case WM_SETFONT: OnSetFont(reinterpret_cast<HFONT>(wParam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_.Get());
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: OnPrintClient(reinterpret_cast<HDC>(wParam)); return 0;
    }
    if (IsPrivateMessage(message)) NoteUnhandledPrivateMessage(L"CEditColor", message);
    return Default(message, wParam, lParam);
}

// The owner is the parent; the font an 8-point bold sans-serif, as the palette's.
void CEditColor::OnCreate() {
    if (!owner_) owner_ = GetParent(Handle());
    LOGFONTW font{};
    {
        gdi::WindowDC screen(nullptr, DCX_CACHE);
        font.lfHeight = -(8 * GetDeviceCaps(screen.Get(), LOGPIXELSY) / 72);
    }
    font.lfWeight = FW_BOLD;
    font.lfCharSet = ANSI_CHARSET;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynW(font.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
    font_.Reset(CreateFontIndirectW(&font));
}

LRESULT CEditColor::OnGetText(size_t size, wchar_t* buffer) const {
    if (!buffer || size == 0) return 0;
    const std::wstring text = Text();
    lstrcpynW(buffer, text.c_str(), int(std::min<size_t>(size, 0x7FFFFFFF)));
    return LRESULT(std::min(size, text.size()));
}

// The colour is set through the field's own queue, after the message that
// set the text is done.
LRESULT CEditColor::OnSetText(const wchar_t* text) {
    unsigned long value = 0;
    if (!text || !ReadDecimal(text, &value) || value > 0xFFFFFF) return 0;
    PostMessageW(Handle(), ZWM_SetFieldColor, 0, LPARAM(value));
    return 1;
}

LRESULT CEditColor::OnSetColor(LPARAM colour) {
    if (colour < 0) return -1;
    const COLORREF previous = color_;
    color_ = COLORREF(colour);
    Repaint();
    return LRESULT(previous);
}

void CEditColor::OnSetFocus(HWND previous) {
    if (AskHostForFocus(previous, 0)) Repaint();
}

void CEditColor::OnSetFont(HFONT font) {
    LOGFONTW copy{};
    const HGDIOBJ source = font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT);
    if (GetObjectW(source, sizeof copy, &copy) != sizeof copy) return;
    gdi::Object<HFONT> made(CreateFontIndirectW(&copy));
    if (!made) return;
    font_ = std::move(made);
    Repaint();
}

void CEditColor::Repaint() {
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

// ---- painting ---------------------------------------------------------------------

void CEditColor::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    if (dc) OnPrintClient(dc);
    EndPaint(Handle(), &ps);
}

void CEditColor::OnPrintClient(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    gdi::OffscreenDC memory(dc, client.right, client.bottom);
    if (!memory) return;
    Paint(memory.Get(), client, AskParentBackground(memory.Get()));
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

COLORREF CEditColor::AskParentBackground(HDC dc) const {
    const HWND parent = GetParent(Handle());
    const auto brush = parent ? reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                                      reinterpret_cast<LPARAM>(Handle())))
                              : nullptr;
    LOGBRUSH answer{};
    return brush && GetObjectW(brush, sizeof answer, &answer) ? answer.lbColor : GetSysColor(COLOR_WINDOW);
}

void CEditColor::Paint(HDC dc, const RECT& client, COLORREF background) const {
    gdi::Object<HBRUSH> fill(CreateSolidBrush(background));
    FillRect(dc, &client, fill.Get());
    RECT swatch = client;
    InflateRect(&swatch, -1, -1);
    if (color_ != kNoColor) {
        gdi::Object<HBRUSH> brush(CreateSolidBrush(color_));
        FillRect(dc, &swatch, brush.Get());
    }
    if (IsWindowEnabled(Handle()) && GetFocus() == Handle()) DrawFocusRect(dc, &swatch);
}

}  // namespace zw::palette
