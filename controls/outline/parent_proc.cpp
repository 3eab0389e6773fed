// LbxParentWndProc: the procedure of the parent window of outline boxes. It
// measures, draws, compares and deletes the rows of its outline children,
// follows their focus and selection notifications, and takes the outline off
// every child when it is destroyed itself.
#include <windows.h>

#include "controls/outline/box_messages.h"
#include "controls/outline/core/outline_flags.h"
#include "controls/outline/outline_box.h"
#include "controls/outline/row_painter.h"
#include "frame/call_frame.h"

namespace zw::outline {
namespace {

constexpr wchar_t kFunction[] = L"LbxParentWndProc()";

// The outline box an owner-drawing message is about: the window it names,
// else the child with its control id (a combo box's drop-down list reports
// itself, not the combo box).
HWND OutlineChild(HWND parent, HWND item, UINT id) {
    if (item && HasOutlineState(item)) return item;
    return FindOutlineChild(parent, id);
}

bool OnMeasureItem(HWND parent, MEASUREITEMSTRUCT& item) {
    HWND box = OutlineChild(parent, nullptr, item.CtlID);
    if (!box) return false;
    const RowRecord* record = item.itemID == UINT(-1) ? nullptr : AsRecord(reinterpret_cast<const void*>(item.itemData));
    item.itemHeight = MeasureRow(box, record);
    return true;
}

bool OnDrawItem(HWND parent, const DRAWITEMSTRUCT& item) {
    HWND box = OutlineChild(parent, item.hwndItem, item.CtlID);
    if (!box) return false;
    DrawRow(box, item);
    return true;
}

// A row left its box: its record (and a tree row's item with its branch) is
// freed, unless rows are only being taken out for a while.
bool OnDeleteItem(HWND parent, const DELETEITEMSTRUCT& item) {
    RowRecord* record = AsRecord(reinterpret_cast<const void*>(item.itemData));
    if (!record) return false;
    record->hasRow = false;
    if (ParentFlags(parent) & kParentKeepRecords) return true;
    if (record->node) FreeItem(*record->node);
    else FreeRecord(record);
    return true;
}

bool OnCompareItem(HWND parent, const COMPAREITEMSTRUCT& item, LRESULT* result) {
    if (!OutlineChild(parent, item.hwndItem, item.CtlID)) return false;
    if (item.itemID1 == UINT(-1)) {
        *result = 1;
        return true;
    }
    const RowRecord* first = AsRecord(reinterpret_cast<const void*>(item.itemData1));
    const RowRecord* second = AsRecord(reinterpret_cast<const void*>(item.itemData2));
    const wchar_t* a = first ? reinterpret_cast<const wchar_t*>(first->text.c_str())
                             : reinterpret_cast<const wchar_t*>(item.itemData1);
    const wchar_t* b = second ? reinterpret_cast<const wchar_t*>(second->text.c_str())
                              : reinterpret_cast<const wchar_t*>(item.itemData2);
    const int order = lstrcmpiW(a ? a : L"", b ? b : L"");
    *result = order < 0 ? -1 : (order > 0 ? 1 : 0);
    return true;
}

void MarkRow(HWND box, const OutlineState& state, int row, std::uint32_t set, std::uint32_t clear) {
    if (RowRecord* record = RecordAt(box, state, row)) {
        record->flags = (record->flags | set) & ~clear;
        RepaintRow(box, state, row);
    }
}

void OnListSetFocus(HWND parent, HWND box, const OutlineState& state) {
    const bool multi = (GetWindowLongW(box, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
    if (!(ParentFlags(parent) & kParentFocusSeen)) {
        const int selected = multi ? -1 : int(CallUnderlying(box, state, LB_GETCURSEL, 0, 0));
        if (selected >= 0) {
            MarkRow(box, state, selected, kRowFocusPending, 0);
        } else {
            const LRESULT caret = CallUnderlying(box, state, LB_GETCARETINDEX, 0, 0);
            PostMessageW(box, LB_SETCARETINDEX, WPARAM(caret < 0 ? 0 : caret), 0);
        }
        SetParentFlags(parent, kParentFocusSeen, true);
    } else if (state.style & kStyleSelectionFollowsFocus) {
        const LRESULT caret = CallUnderlying(box, state, LB_GETCARETINDEX, 0, 0);
        if (caret >= 0) {
            if (multi) CallUnderlying(box, state, LB_SETSEL, TRUE, caret);
            else CallUnderlying(box, state, LB_SETCURSEL, WPARAM(caret), 0);
            RepaintRow(box, state, int(caret));
        }
    }
}

void OnListKillFocus(HWND box, const OutlineState& state) {
    const bool multi = (GetWindowLongW(box, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
    const int selected = multi ? int(CallUnderlying(box, state, LB_GETCARETINDEX, 0, 0))
                               : int(CallUnderlying(box, state, LB_GETCURSEL, 0, 0));
    const bool keepFrame = selected >= 0 && (state.style & kStyleKeepSelectionFrame) &&
                           CallUnderlying(box, state, LB_GETSEL, WPARAM(selected), 0) > 0;
    if (state.style & kStyleSelectionFollowsFocus) {
        if (multi) CallUnderlying(box, state, LB_SETSEL, FALSE, -1);
        else CallUnderlying(box, state, LB_SETCURSEL, WPARAM(-1), 0);
    }
    if (selected < 0) return;
    MarkRow(box, state, selected, keepFrame ? std::uint32_t(kRowKeptFrame) : 0u, kRowFocusPending);
}

void OnCommand(HWND parent, WPARAM wParam, LPARAM lParam) {
    HWND box = reinterpret_cast<HWND>(lParam);
    OutlineState state{};
    if (!box || !ReadOutlineState(box, &state)) return;
    const WORD code = HIWORD(wParam);
    if (state.isCombo) {
        switch (code) {
        case CBN_SETFOCUS:
            SetParentFlags(parent, kParentFocusSeen, true);
            break;
        case CBN_SELCHANGE:
            CopySelectionToEdit(box, state);
            SendMessageW(box, kMsgComboSelectionChanged, 0, 0);
            break;
        case CBN_CLOSEUP:
            PostMessageW(box, kMsgSelectionMayChange, 0, 0);
            break;
        default:
            break;
        }
        return;
    }
    if (code == LBN_SETFOCUS) OnListSetFocus(parent, box, state);
    else if (code == LBN_KILLFOCUS) OnListKillFocus(box, state);
}

void OnParentDestroy(HWND parent, const ParentState& state) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HasOutlineState(child)) SendMessageW(child, kMsgParentDestroyed, 0, 0);
    }
    if (GetWindowLongPtrW(parent, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&LbxParentWndProc))
        SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.underlying));
    DestroyParentState(parent);
}

// Returns true with *result set when the message is answered here.
bool Handle(HWND parent, const ParentState& state, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_MEASUREITEM:
        if (!OnMeasureItem(parent, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return false;
        *result = TRUE;
        return true;
    case WM_DRAWITEM:
        if (!OnDrawItem(parent, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return false;
        *result = TRUE;
        return true;
    case WM_DELETEITEM:
        if (!OnDeleteItem(parent, *reinterpret_cast<const DELETEITEMSTRUCT*>(lParam))) return false;
        *result = TRUE;
        return true;
    case WM_COMPAREITEM:
        return OnCompareItem(parent, *reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam), result);
    case WM_CHARTOITEM:
        if (!HasOutlineState(reinterpret_cast<HWND>(lParam))) return false;
        *result = -1;
        return true;
    case WM_COMMAND:
        OnCommand(parent, wParam, lParam);
        return false;
    case WM_DESTROY:
        OnParentDestroy(parent, state);
        return false;
    default:
        return false;
    }
}

}  // namespace

LRESULT CALLBACK LbxParentWndProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    ParentState state{};
    if (!ReadParentState(parent, &state)) return DefWindowProcW(parent, message, wParam, lParam);
    try {
        LRESULT result = 0;
        if (Handle(parent, state, message, wParam, lParam, &result)) return result;
    } catch (...) {
        zw::detail::ReportCaught(kFunction, nullptr);
    }
    return CallWindowProcW(state.underlying, parent, message, wParam, lParam);
}

}  // namespace zw::outline
