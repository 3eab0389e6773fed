// ZelMessageBox: a modal message box with the application's own buttons, an
// optional icon and the process's background colour, built from dialog
// template 301 and laid out when it opens.
//
// The box's state lives on the stack of ZelMessageBox for as long as the box
// is open; the dialog finds it in its window property "ZW:MsgBox".
#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <vector>

#include "controls/gdi_owners.h"
#include "frame/app.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"
#include "resources/resource_ids.h"
#include "util/strings/host_arrays.h"
#include "util/windows/message_box/box_colour.h"
#include "util/windows/message_box/box_icon.h"
#include "util/windows/message_box/core/box_layout.h"
#include "util/windows/message_box/msg_button.h"

namespace zw::msgbox {
namespace {

constexpr wchar_t kStateProperty[] = L"ZW:MsgBox";
// WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP: plain push buttons.
constexpr DWORD kButtonStyle = 0x50030000;
// DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS: the wrapped text's size.
constexpr UINT kWrapMeasure = 0x450;

struct BoxState {
    const wchar_t* text = nullptr;        // the message
    const wchar_t* caption = nullptr;     // the box's caption
    HICON icon = nullptr;                 // the icon shown, null for none
    std::vector<MessageButton*> buttons;  // left to right
    MessageButton* focus = nullptr;       // the button marked to take the focus, if any
    HBRUSH brush = nullptr;               // background brush, made for this box
    COLORREF colour = 0;                  // background colour
};

BoxMetrics SystemMetrics(bool hasIcon) {
    const LONG base = GetDialogBaseUnits();
    BoxMetrics metrics;
    metrics.baseX = LOWORD(base);
    metrics.baseY = HIWORD(base);
    metrics.fullWidth = GetSystemMetrics(SM_CXFULLSCREEN);
    metrics.fullHeight = GetSystemMetrics(SM_CYFULLSCREEN);
    metrics.frameX = GetSystemMetrics(SM_CXDLGFRAME);
    metrics.frameY = GetSystemMetrics(SM_CYDLGFRAME);
    metrics.caption = GetSystemMetrics(SM_CYCAPTION);
    metrics.hasIcon = hasIcon;
    metrics.iconWidth = hasIcon ? GetSystemMetrics(SM_CXICON) : 0;
    metrics.iconHeight = hasIcon ? GetSystemMetrics(SM_CYICON) : 0;
    return metrics;
}

// The text's size in the box's font. The measured length counts the
// terminator, so the box keeps the room for it that it always had. A text
// wider than the limit, or with a line feed or a tab, is wrapped (tabs
// expanded) and measured again.
SIZE MeasureText(HDC dc, const wchar_t* text, int limit) {
    const int length = lstrlenW(text);
    SIZE size = {};
    GetTextExtentPointW(dc, text, length + 1, &size);
    const bool breaks = wcschr(text, L'\n') || wcschr(text, L'\t');
    if (size.cx > limit || breaks) {
        RECT rect = {0, 0, limit, size.cy};
        DrawTextW(dc, text, -1, &rect, kWrapMeasure);
        size.cx = rect.right - rect.left;
        size.cy = rect.bottom - rect.top;
    }
    return size;
}

int TextWidth(HDC dc, const std::wstring& text) {
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return size.cx;
}

void Place(HWND control, const BoxRect& rect) { MoveWindow(control, rect.x, rect.y, rect.width, rect.height, FALSE); }

// The control identifier of the button at `index`: the cancel identifier
// (which Escape chooses) for a button returning 2 or the only button, else
// its place + 3.
int ControlIdOf(const BoxState& state, size_t index) {
    if (state.buttons[index]->value == IDCANCEL || state.buttons.size() == 1) return IDCANCEL;
    return int(index) + 3;
}

// Lays the box out at WM_INITDIALOG; false when a button cannot be made.
bool LayOut(HWND dialog, BoxState& state) {
    HWND iconControl = GetDlgItem(dialog, IDC_MESSAGE_ICON);
    HWND textControl = GetDlgItem(dialog, IDC_MESSAGE_TEXT);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    const BoxMetrics metrics = SystemMetrics(state.icon != nullptr);

    SIZE text = {};
    std::vector<int> buttonTextWidths;
    {
        gdi::WindowDC dc(dialog, 0);
        if (!dc) return false;
        gdi::Selection selection(dc.Get(), font);
        text = MeasureText(dc.Get(), state.text, TextLimit(metrics));
        for (const MessageButton* button : state.buttons) buttonTextWidths.push_back(TextWidth(dc.Get(), button->text));
    }
    const BoxLayout layout = LayOutBox(metrics, text.cx, text.cy, buttonTextWidths);

    Place(dialog, layout.box);
    if (state.icon) {
        Place(iconControl, layout.icon);
        SendMessageW(iconControl, STM_SETICON, reinterpret_cast<WPARAM>(state.icon), 0);
    } else {
        ShowWindow(iconControl, SW_HIDE);
    }
    Place(textControl, layout.text);
    SetWindowTextW(textControl, state.text);
    SetWindowTextW(dialog, state.caption);

    for (size_t i = 0; i < state.buttons.size(); ++i) {
        MessageButton* button = state.buttons[i];
        button->controlId = ControlIdOf(state, i);
        HWND control = CreateWindowExW(0, L"button", button->text.c_str(), kButtonStyle,
                                       layout.firstButtonX + int(i) * layout.buttonStep, layout.buttonTop,
                                       layout.buttonWidth, layout.buttonHeight, dialog,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(button->controlId)),
                                       ModuleInstance(), nullptr);
        if (!control) return false;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (button == state.focus) PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }
    DeleteMenu(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND);
    return SetPropW(dialog, kStateProperty, &state) != FALSE;
}

BoxState* StateOf(HWND dialog) { return static_cast<BoxState*>(GetPropW(dialog, kStateProperty)); }

// A button was pressed: the box ends with its value. A button the
// application freed while the box was open no longer answers.
void OnCommand(HWND dialog, WORD id) {
    BoxState* state = StateOf(dialog);
    if (!state) return;
    for (MessageButton* button : state->buttons) {
        if (MessageButton::FromHandle(button) && button->controlId == id) {
            EndDialog(dialog, button->value);
            return;
        }
    }
}

INT_PTR OnControlColour(HWND dialog, HDC dc) {
    BoxState* state = StateOf(dialog);
    if (!state) return 0;
    SetBkColor(dc, state->colour);
    return reinterpret_cast<INT_PTR>(state->brush);
}

INT_PTR CALLBACK BoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // The old WM_CTLCOLOR of 16-bit Windows, which some hosts still send.
    constexpr UINT kOldCtlColor = 0x0019;
    try {
        switch (message) {
        case WM_INITDIALOG:
            if (!LayOut(dialog, *reinterpret_cast<BoxState*>(lParam))) EndDialog(dialog, 0);
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) OnCommand(dialog, LOWORD(wParam));
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case kOldCtlColor: return OnControlColour(dialog, reinterpret_cast<HDC>(wParam));
        case WM_DESTROY: RemovePropW(dialog, kStateProperty); return FALSE;
        default: return FALSE;
        }
    } catch (...) {
        EndDialog(dialog, 0);
        return FALSE;
    }
}

// The buttons of elements 0 to count - 1 of the array, and the one marked to
// take the focus; false when an element is not a live button.
bool ReadButtons(HARRAY array, int count, BoxState& state) {
    if (!strings::OneDimensionalBounds(array)) return false;
    for (LONG index = 0; index < count; ++index) {
        HostNumber number{};
        if (!HostArrayGetNumber(array, &number, index)) return false;
        const double value = HostValueToDouble(&number);
        if (value < 0 || value > double(UINTPTR_MAX)) return false;
        const UINT_PTR element = UINT_PTR(value);
        MessageButton* button = MessageButton::FromHandle(reinterpret_cast<const void*>(element & ~UINT_PTR(1)));
        if (!button) return false;
        if (element & 1) state.focus = button;
        state.buttons.push_back(button);
    }
    return true;
}

int ShowBox(LPCWSTR text, LPCWSTR caption, UINT_PTR icon, HARRAY buttons, int count) {
    BoxState state;
    state.text = text;
    state.caption = caption;
    if (!IconOf(icon, &state.icon) || !ReadButtons(buttons, count, state)) return 0;
    state.colour = BackgroundColour();
    gdi::Object<HBRUSH> brush(CreateSolidBrush(state.colour));
    if (!brush) return 0;
    state.brush = brush.Get();
    const INT_PTR result = DialogBoxParamW(ModuleInstance(), MAKEINTRESOURCEW(IDD_MESSAGE_BOX), GetActiveWindow(),
                                           &BoxProc, reinterpret_cast<LPARAM>(&state));
    return result == -1 ? 0 : int(result);
}

}  // namespace
}  // namespace zw::msgbox

extern "C" int __stdcall ZelMessageBox(LPCWSTR text, LPCWSTR caption, UINT_PTR icon, ZW_HARRAY buttons, int count) {
    if (!text || !caption || count <= 0) return 0;
    return zw::Guarded(L"ZelMessageBox()", 0, [&] { return zw::msgbox::ShowBox(text, caption, icon, buttons, count); });
}
