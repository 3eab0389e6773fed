// LbxListBoxWndProc: the procedure of a list box in outline mode. It turns
// strings into row records, answers text and item-data queries from them,
// leaves disabled rows out of the selection, searches by letter, pages, and
// reports presses on the plus/minus buttons.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "controls/outline/box_messages.h"
#include "controls/outline/core/outline_flags.h"
#include "controls/outline/outline_box.h"
#include "controls/outline/outline_geometry.h"
#include "controls/outline/row_painter.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "frame/host_string.h"

namespace zw::outline {
namespace {

constexpr wchar_t kFunction[] = L"LbxListBoxWndProc()";
// The designer property that can keep the vertical scroll bar from always showing.
constexpr int kScrollBarProperty = 225;

bool IsMultipleSel(HWND box) {
    return (GetWindowLongW(box, GWL_STYLE) & LBS_MULTIPLESEL) != 0;
}

bool IsAnyMultiSel(HWND box) {
    return (GetWindowLongW(box, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

// The row the keyboard works from: the caret row with multiple selection,
// otherwise the selected row.
int CurrentRow(HWND box, const OutlineState& state) {
    return int(CallUnderlying(box, state, IsMultipleSel(box) ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
}

// Moves the keyboard's row: the caret with multiple selection, the selection otherwise.
void MoveTo(HWND box, const OutlineState& state, int row) {
    if (IsMultipleSel(box)) {
        CallUnderlying(box, state, LB_SETCARETINDEX, WPARAM(row), FALSE);
    } else if (IsAnyMultiSel(box)) {
        CallUnderlying(box, state, LB_SETSEL, FALSE, -1);
        CallUnderlying(box, state, LB_SETSEL, TRUE, row);
        CallUnderlying(box, state, LB_SETCARETINDEX, WPARAM(row), FALSE);
    } else {
        CallUnderlying(box, state, LB_SETCURSEL, WPARAM(row), 0);
    }
}

LRESULT OnCreate(HWND box, const OutlineState& state, LPARAM lParam) {
    HOSTSTR setting = 0;
    bool keepDefault = false;
    if (HostGetWindowProperty(box, kScrollBarProperty, &setting)) {
        keepDefault = lstrcmpiW(ReadHostString(setting).c_str(), L"no") == 0;
        HostStrRelease(setting);
    }
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    if (!keepDefault) {
        const LONG always = WS_VSCROLL | LBS_DISABLENOSCROLL;
        SetWindowLongW(box, GWL_STYLE, GetWindowLongW(box, GWL_STYLE) | always);
        if (create) create->style |= always;
    }
    const LRESULT result = CallUnderlying(box, state, WM_CREATE, 0, lParam);
    if (state.style & kStyleWideExtent) {
        RECT window;
        GetWindowRect(box, &window);
        CallUnderlying(box, state, LB_SETHORIZONTALEXTENT, WPARAM(2 * (window.right - window.left)), 0);
    }
    return result;
}

LRESULT OnDestroy(HWND box, const OutlineState& state, WPARAM wParam, LPARAM lParam) {
    DetachBox(box);
    return CallUnderlying(box, state, WM_DESTROY, wParam, lParam);
}

void OnSetFocus(HWND box, WPARAM previous) {
    HWND from = reinterpret_cast<HWND>(previous);
    if (from && GetParent(from) == GetParent(box)) SetParentFlags(GetParent(box), kParentFocusSeen, true);
}

LRESULT OnSetFont(HWND box, const OutlineState& state, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallUnderlying(box, state, WM_SETFONT, wParam, lParam);
    RemeasureRows(box);
    return result;
}

// Letters and digits search; Page Up and Page Down move by a page less one
// row and are swallowed. Returns true when the key is swallowed.
bool OnKeyDown(HWND box, const OutlineState& state, WPARAM key) {
    const int count = RowCount(box, state);
    if (count == 0) return false;
    if (GetKeyState(VK_CONTROL) >= 0) {
        const int found = LetterSearchRow(box, state, CurrentRow(box, state), key);
        if (found >= 0) {
            MoveTo(box, state, found);
            return false;
        }
    }
    if (key != VK_PRIOR && key != VK_NEXT) return false;
    int first = 0, last = 0;
    const int page = std::max(VisibleRows(box, state, &first, &last) - 1, 1);
    const int current = std::max(CurrentRow(box, state), 0);
    MoveTo(box, state, std::clamp(key == VK_PRIOR ? current - page : current + page, 0, count - 1));
    return true;
}

// Where a press at x, y lands: on a tree row's button, on its picture or
// text (passed on), or elsewhere on the row (swallowed).
RowHit HitTest(HWND box, const OutlineState& state, int x, int y, int* row) {
    const LRESULT hit = CallUnderlying(box, state, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
    *row = LOWORD(hit);
    if (HIWORD(hit)) return RowHit::PassOn;
    const RowRecord* record = RecordAt(box, state, *row);
    if (!record || !record->node) return RowHit::PassOn;
    RECT rect;
    if (CallUnderlying(box, state, LB_GETITEMRECT, WPARAM(*row), reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
        return RowHit::PassOn;
    HDC dc = GetDC(box);
    if (!dc) return RowHit::PassOn;
    RowLayout layout;
    const bool selected = CallUnderlying(box, state, LB_GETSEL, WPARAM(*row), 0) > 0;
    LayOutRecordRow(box, state, dc, *record, rect, selected, &layout);
    ReleaseDC(box, dc);
    const bool hasButton = record->node->firstChild || (record->flags & kRowCollapsed);
    return HitTestRow(layout, x, y, hasButton);
}

// Returns true when the press is swallowed.
bool OnButtonDown(HWND box, const OutlineState& state, LPARAM point) {
    if (!(state.style & kStyleButtons)) return false;
    int row = 0;
    switch (HitTest(box, state, short(LOWORD(point)), short(HIWORD(point)), &row)) {
    case RowHit::Button:
        PostMessageW(box, kMsgButtonPressed, WPARAM(row), 0);
        return true;
    case RowHit::Swallow:
        return true;
    case RowHit::PassOn:
        break;
    }
    return false;
}

// A release on a button is swallowed; any other tells the host that the
// selection may have changed.
bool OnRelease(HWND box, const OutlineState& state, UINT message, LPARAM point) {
    if (message == WM_LBUTTONUP && (state.style & kStyleButtons)) {
        int row = 0;
        if (HitTest(box, state, short(LOWORD(point)), short(HIWORD(point)), &row) == RowHit::Button) return true;
    }
    if (IsAnyMultiSel(box) || CallUnderlying(box, state, LB_GETCURSEL, 0, 0) != LB_ERR)
        PostMessageW(box, kMsgSelectionMayChange, 0, 0);
    return false;
}

LRESULT GetSel(HWND box, const OutlineState& state, int row) {
    const LRESULT selected = CallUnderlying(box, state, LB_GETSEL, WPARAM(row), 0);
    return (selected > 0 && IsDisabled(box, state, row)) ? 0 : selected;
}

LRESULT GetCurSel(HWND box, const OutlineState& state) {
    const LRESULT row = CallUnderlying(box, state, LB_GETCURSEL, 0, 0);
    return (row >= 0 && IsDisabled(box, state, int(row))) ? LB_ERR : row;
}

// The selected rows without the disabled ones.
std::vector<int> SelectedRows(HWND box, const OutlineState& state) {
    const LRESULT count = CallUnderlying(box, state, LB_GETSELCOUNT, 0, 0);
    std::vector<int> rows;
    if (count <= 0) return rows;
    rows.resize(size_t(count));
    rows.resize(size_t(std::max<LRESULT>(
        CallUnderlying(box, state, LB_GETSELITEMS, WPARAM(count), reinterpret_cast<LPARAM>(rows.data())), 0)));
    rows.erase(std::remove_if(rows.begin(), rows.end(), [&](int row) { return IsDisabled(box, state, row); }),
               rows.end());
    return rows;
}

LRESULT GetSelCount(HWND box, const OutlineState& state) {
    if (!IsAnyMultiSel(box)) return CallUnderlying(box, state, LB_GETSELCOUNT, 0, 0);
    return LRESULT(SelectedRows(box, state).size());
}

LRESULT GetSelItems(HWND box, const OutlineState& state, WPARAM max, LPARAM out) {
    if (!IsAnyMultiSel(box)) return LB_ERR;
    const std::vector<int> rows = SelectedRows(box, state);
    const size_t copied = std::min(rows.size(), size_t(max));
    if (copied && !out) return LB_ERR;
    std::copy_n(rows.begin(), copied, reinterpret_cast<int*>(out));
    return LRESULT(copied);
}

// Searches the tree below the start row's item (the root for -1) and selects
// the row of the item found; from a plain row, searches the rows.
LRESULT SelectString(HWND box, const OutlineState& state, int start, LPARAM text) {
    const auto* wanted = reinterpret_cast<const wchar_t*>(text);
    if (!wanted) return LB_ERR;
    const RowRecord* startRecord = start < 0 ? nullptr : RecordAt(box, state, start);
    const TreeNode* top = start < 0 ? RootOf(box, false) : (startRecord ? startRecord->node : nullptr);
    int row;
    if (top && top->firstChild) {
        const TreeNode* found = FindTextInBranch(*top, wanted);
        row = found ? RowOfNode(box, found) : -1;
    } else {
        row = FindRowByText(box, state, start, wanted);
    }
    if (row < 0) return LB_ERR;
    MoveTo(box, state, row);
    if (IsMultipleSel(box)) CallUnderlying(box, state, LB_SETSEL, TRUE, row);
    return row;
}

LRESULT Dispatch(HWND box, const OutlineState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(box, state, lParam);
    case WM_DESTROY:
        return OnDestroy(box, state, wParam, lParam);
    case kMsgParentDestroyed:
        DetachBox(box);
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(box, wParam);
        break;
    case WM_ERASEBKGND:
        if (state.internalFlags & kNoErase) return 1;
        break;
    case WM_SETFONT:
        return OnSetFont(box, state, wParam, lParam);
    case WM_KEYDOWN:
        if (OnKeyDown(box, state, wParam)) return 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (OnButtonDown(box, state, lParam)) return 0;
        break;
    case WM_LBUTTONUP:
    case WM_KEYUP:
        if (OnRelease(box, state, message, lParam)) return 0;
        break;
    case LB_ADDSTRING:
        return AddTextRow(box, state, -1, lParam);
    case LB_INSERTSTRING:
        return AddTextRow(box, state, int(wParam), lParam);
    case kMsgAddRecord:
        return AddRecordRow(box, state, -1, lParam);
    case kMsgInsertRecord:
        return AddRecordRow(box, state, int(wParam), lParam);
    case kMsgStoreTag:
        return StoreTag(box, wParam);
    case kMsgIsOutline:
        return 1;
    case LB_GETTEXT:
    case kMsgGetText:
        return GetRowText(box, state, int(wParam), lParam);
    case LB_GETTEXTLEN:
        return GetRowTextLength(box, state, int(wParam));
    case LB_GETITEMDATA:
        return GetRowValue(box, state, int(wParam));
    case LB_SETITEMDATA:
        return SetRowValue(box, state, int(wParam), lParam);
    case LB_GETSEL:
        return GetSel(box, state, int(wParam));
    case LB_GETCURSEL:
        return GetCurSel(box, state);
    case LB_GETSELCOUNT:
        return GetSelCount(box, state);
    case LB_GETSELITEMS:
        return GetSelItems(box, state, wParam, lParam);
    case LB_SELECTSTRING:
        return SelectString(box, state, int(wParam), lParam);
    case LB_SETTABSTOPS:
        return SetTabStops(box, wParam, lParam);
    default:
        break;
    }
    return CallUnderlying(box, state, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK LbxListBoxWndProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return DefWindowProcW(box, message, wParam, lParam);
    if (const UINT present = TranslateListMessage(message)) message = present;
    try {
        return Dispatch(box, state, message, wParam, lParam);
    } catch (...) {
        zw::detail::ReportCaught(kFunction, nullptr);
    }
    return CallUnderlying(box, state, message, wParam, lParam);
}

}  // namespace zw::outline
