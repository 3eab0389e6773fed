// LbxComboBoxWndProc: the procedure of a combo box in outline mode. Like the
// list box procedure it keeps row records behind the strings; it also copies
// the selected row's text into the edit field and colours that field.
#include <windows.h>

#include <string>

#include "controls/outline/box_messages.h"
#include "controls/outline/core/outline_flags.h"
#include "controls/outline/outline_box.h"
#include "controls/outline/row_painter.h"
#include "controls/outline/pictures/fonts.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"

namespace zw::outline {
namespace {

constexpr wchar_t kFunction[] = L"LbxComboBoxWndProc";
constexpr int kEditId = 1001;

bool IsNtOr95Platform() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExW(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS || version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

LRESULT OnDestroy(HWND box, const OutlineState& state, WPARAM wParam, LPARAM lParam) {
    DetachBox(box);
    return CallUnderlying(box, state, WM_DESTROY, wParam, lParam);
}

LRESULT GetCurSel(HWND box, const OutlineState& state) {
    const LRESULT row = CallUnderlying(box, state, CB_GETCURSEL, 0, 0);
    return (row >= 0 && IsDisabled(box, state, int(row))) ? CB_ERR : row;
}

LRESULT OnSetFont(HWND box, const OutlineState& state, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallUnderlying(box, state, WM_SETFONT, wParam, lParam);
    auto font = reinterpret_cast<HFONT>(wParam);
    HDC dc = GetDC(box);
    if (dc) {
        HGDIOBJ old = SelectObject(dc, font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(box, dc);
        const int height = IsNtOr95Platform() ? metrics.tmHeight + 2 : metrics.tmHeight * 3 / 2;
        CallUnderlying(box, state, CB_SETITEMHEIGHT, WPARAM(-1), height);
    }
    RemeasureRows(box);
    return result;
}

LRESULT OnColorEdit(HWND box, const OutlineState& state, WPARAM dc) {
    OutlineState current = state;
    if (!current.editBrush || !current.backgroundKnown) {
        ChangeOutlineState(box, [&](OutlineState& s) {
            if (!s.backgroundKnown) {
                s.background = HostGetWindowColor(box, 5);
                s.backgroundKnown = TRUE;
            }
            if (!s.editBrush) s.editBrush = CreateSolidBrush(s.background);
            current = s;
        });
    }
    const RowRecord* record = RecordAt(box, current, int(CallUnderlying(box, current, CB_GETCURSEL, 0, 0)));
    const COLORREF text = record ? (record->colour & 0x00FFFFFF) : HostGetWindowColor(box, 8);
    SetTextColor(reinterpret_cast<HDC>(dc), text);
    SetBkColor(reinterpret_cast<HDC>(dc), current.background);
    return reinterpret_cast<LRESULT>(current.editBrush);
}

LRESULT SelectString(HWND box, const OutlineState& state, int start, LPARAM text) {
    const int row = FindRowByText(box, state, start, reinterpret_cast<const wchar_t*>(text));
    if (row < 0) return CB_ERR;
    CallUnderlying(box, state, CB_SETCURSEL, WPARAM(row), 0);
    return row;
}

LRESULT Dispatch(HWND box, const OutlineState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        return OnDestroy(box, state, wParam, lParam);
    case kMsgParentDestroyed:
        DetachBox(box);
        return 0;
    case WM_ERASEBKGND:
        if (state.internalFlags & kNoErase) return 1;
        break;
    case WM_SETFONT:
        return OnSetFont(box, state, wParam, lParam);
    case WM_KEYDOWN:
        if (GetKeyState(VK_CONTROL) >= 0) {
            const int found = LetterSearchRow(box, state, int(CallUnderlying(box, state, CB_GETCURSEL, 0, 0)), wParam);
            if (found >= 0) SendMessageW(box, CB_SETCURSEL, WPARAM(found), 0);
        }
        break;
    case WM_CTLCOLOREDIT:
        return OnColorEdit(box, state, wParam);
    case CB_ADDSTRING:
        return AddTextRow(box, state, -1, lParam);
    case CB_INSERTSTRING:
        return AddTextRow(box, state, int(wParam), lParam);
    case kMsgAddRecord:
        return AddRecordRow(box, state, -1, lParam);
    case kMsgInsertRecord:
        return AddRecordRow(box, state, int(wParam), lParam);
    case kMsgStoreTag:
        return StoreTag(box, wParam);
    case kMsgIsOutline:
        return 1;
    case CB_GETLBTEXT:
    case kMsgGetText:
        return GetRowText(box, state, int(wParam), lParam);
    case CB_GETLBTEXTLEN:
        return GetRowTextLength(box, state, int(wParam));
    case CB_GETITEMDATA:
        return GetRowValue(box, state, int(wParam));
    case CB_SETITEMDATA:
        return SetRowValue(box, state, int(wParam), lParam);
    case CB_GETCURSEL:
        return GetCurSel(box, state);
    case CB_SETCURSEL: {
        const LRESULT result = CallUnderlying(box, state, CB_SETCURSEL, wParam, lParam);
        CopySelectionToEdit(box, state);
        return result;
    }
    case CB_SELECTSTRING: {
        const LRESULT result = SelectString(box, state, int(wParam), lParam);
        CopySelectionToEdit(box, state);
        return result;
    }
    default:
        break;
    }
    return CallUnderlying(box, state, message, wParam, lParam);
}

}  // namespace

void CopySelectionToEdit(HWND box, const OutlineState& state) {
    if (state.style & kStyleComboNoEditCopy) return;
    const int row = int(CallUnderlying(box, state, CB_GETCURSEL, 0, 0));
    std::u16string text;
    if (row >= 0 && !IsDisabled(box, state, row)) text = RowText(box, state, row);
    if (HWND edit = GetDlgItem(box, kEditId)) SetWindowTextW(edit, reinterpret_cast<const wchar_t*>(text.c_str()));
    HostSetFieldEdited(box, TRUE);
}

LRESULT CALLBACK LbxComboBoxWndProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return DefWindowProcW(box, message, wParam, lParam);
    if (const UINT present = TranslateComboMessage(message)) message = present;
    try {
        return Dispatch(box, state, message, wParam, lParam);
    } catch (...) {
        zw::detail::ReportCaught(kFunction, nullptr);
    }
    return CallUnderlying(box, state, message, wParam, lParam);
}

}  // namespace zw::outline
