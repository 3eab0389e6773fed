// The sample application's colour palette: menu lines of the application's
// own above "Other Color...", and recent colours that a user picked in the
// colour dialog. The demo plays that user: it runs "Other Color..." and types
// each colour into the dialog's red, green and blue fields.
#include <windows.h>

#include <initializer_list>

#include "include/zwi51.h"

namespace {

constexpr UINT kPaletteCommand = 0x6007;  // runs a palette's menu command; lParam 0 is "Other Color..."
constexpr int kRedField = 706, kGreenField = 707, kBlueField = 708;

COLORREF typedColor = 0;

LRESULT CALLBACK AnswerColorDialog(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_INITDIALOG) {
        SetDlgItemInt(msg->hwnd, kRedField, GetRValue(typedColor), FALSE);
        SetDlgItemInt(msg->hwnd, kGreenField, GetGValue(typedColor), FALSE);
        SetDlgItemInt(msg->hwnd, kBlueField, GetBValue(typedColor), FALSE);
        PostMessageW(msg->hwnd, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void DemoPalette(HWND window, void* palette) {
    ZelPalMenuAdd(palette, L"Automatic", 1);
    ZelPalMenuAdd(palette, L"Transparent", 2);
    ZelPalMRUMaxSet(palette, 4);
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, AnswerColorDialog, nullptr, GetCurrentThreadId());
    for (COLORREF color : {RGB(0, 128, 128), RGB(255, 128, 0), RGB(128, 0, 255)}) {
        typedColor = color;
        SendMessageW(window, kPaletteCommand, 0, 0);
    }
    UnhookWindowsHookEx(hook);
    ZelPalStyleSet(palette, 8 /* selection shown without the focus */, 1);
    ZelPalFocusSet(palette, 0, 2);
}
