// Rows of an outline box through its underlying procedure, the root, and the
// redraw switch.
#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/core/row_text.h"
#include "controls/outline/outline_box.h"
#include "frame/host_api.h"
#include "util/strings/system_case.h"

namespace zw::outline {
namespace {

constexpr wchar_t kRootProperty[] = L"ZW:LbxRootLow";

// The roots, mirrored in the process (see outline_state.cpp).
std::unordered_map<HWND, TreeNode*>& Roots() {
    static std::unordered_map<HWND, TreeNode*> roots;
    return roots;
}

bool redrawSwitch = true;

}  // namespace

LRESULT CallUnderlying(HWND box, const OutlineState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!state.underlying) return DefWindowProcW(box, message, wParam, lParam);
    return CallWindowProcW(state.underlying, box, message, wParam, lParam);
}

LRESULT CallUnderlying(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return 0;
    return CallUnderlying(box, state, message, wParam, lParam);
}

int RowCount(HWND box, const OutlineState& state) {
    const LRESULT count = CallUnderlying(box, state, state.isCombo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    return count < 0 ? 0 : int(count);
}

LRESULT ItemDataAt(HWND box, const OutlineState& state, int row) {
    return CallUnderlying(box, state, state.isCombo ? CB_GETITEMDATA : LB_GETITEMDATA, WPARAM(row), 0);
}

RowRecord* RecordAt(HWND box, const OutlineState& state, int row) {
    if (row < 0) return nullptr;
    const LRESULT data = ItemDataAt(box, state, row);
    if (data == LB_ERR) return nullptr;
    return AsRecord(reinterpret_cast<const void*>(data));
}

int InsertRecordRow(HWND box, const OutlineState& state, RowRecord* record, int row) {
    const LPARAM data = reinterpret_cast<LPARAM>(record);
    // The record counts as shown while the box adds it: the box may measure
    // and draw it before the message returns.
    const bool had = record->hasRow;
    record->hasRow = true;
    LRESULT result;
    if (row < 0) result = CallUnderlying(box, state, state.isCombo ? CB_ADDSTRING : LB_ADDSTRING, 0, data);
    else result = CallUnderlying(box, state, state.isCombo ? CB_INSERTSTRING : LB_INSERTSTRING, WPARAM(row), data);
    if (result < 0) record->hasRow = had;
    return int(result);
}

int RowOfNode(HWND box, const TreeNode* node) {
    if (!node || !node->record->hasRow) return -1;
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return -1;
    if (state.isCombo) return int(CallUnderlying(box, state, CB_GETCURSEL, 0, 0));
    // The box holds no strings, so the search compares item data.
    const LRESULT top = CallUnderlying(box, state, LB_GETTOPINDEX, 0, 0);
    const LRESULT row = CallUnderlying(box, state, LB_FINDSTRINGEXACT, WPARAM(top),
                                       reinterpret_cast<LPARAM>(node->record));
    return row < 0 ? -1 : int(row);
}

void RepaintRow(HWND box, const OutlineState& state, int row) {
    RECT rect;
    if (!state.isCombo && row >= 0 && CallUnderlying(box, state, LB_GETITEMRECT, WPARAM(row),
                                                     reinterpret_cast<LPARAM>(&rect)) != LB_ERR) {
        InvalidateRect(box, &rect, TRUE);
    } else {
        InvalidateRect(box, nullptr, TRUE);
    }
}

void ApplyCase(std::u16string& text, DWORD style) {
    ApplyRowCase(text, style, strings::kSystemCaseMapping);
}

RowRecord* NewTextRecord(HWND box, const OutlineState& state, std::u16string_view text) {
    RowRecord* record = NewRecord();
    try {
        record->text.assign(text);
        ApplyCase(record->text, state.style);
    } catch (...) {
        FreeRecord(record);
        throw;
    }
    record->colour = HostGetWindowColor(box, 8) & 0x00FFFFFF;
    return record;
}

TreeNode* RootOf(HWND box, bool make) {
    const auto found = Roots().find(box);
    if (found != Roots().end() && IsNode(found->second)) return found->second;
    if (!make || !HasOutlineState(box)) return nullptr;
    TreeNode* root = nullptr;
    try {
        root = NewNode(box);
    } catch (...) {
        return nullptr;
    }
    root->level = -1;
    try {
        Roots()[box] = root;
    } catch (...) {
        FreeItem(*root);
        return nullptr;
    }
    if (!SetPropW(box, kRootProperty, root)) {
        Roots().erase(box);
        FreeItem(*root);
        return nullptr;
    }
    return root;
}

void FreeTree(HWND box) {
    RemovePropW(box, kRootProperty);
    const auto found = Roots().find(box);
    if (found == Roots().end()) return;
    TreeNode* root = AsNode(found->second);
    Roots().erase(found);
    if (root) FreeItem(*root);
}

void ReleaseRows(HWND box, const OutlineState& state) {
    // Take every record out of the rows first, then free the tree and the
    // plain records: the box is left holding no pointer of ours.
    std::vector<RowRecord*> plain;
    const int count = RowCount(box, state);
    const UINT setData = state.isCombo ? CB_SETITEMDATA : LB_SETITEMDATA;
    for (int row = 0; row < count; ++row) {
        RowRecord* record = RecordAt(box, state, row);
        if (!record) continue;
        record->hasRow = false;
        if (!record->node) plain.push_back(record);
        CallUnderlying(box, state, setData, WPARAM(row), 0);
    }
    FreeTree(box);
    for (RowRecord* record : plain) FreeRecord(record);
}

bool RedrawSwitch() {
    return redrawSwitch;
}

void SetRedrawSwitch(bool on) {
    redrawSwitch = on;
}

void RestoreRedraw(HWND box) {
    if (!redrawSwitch) return;
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

}  // namespace zw::outline
