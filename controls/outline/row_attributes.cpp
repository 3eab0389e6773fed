// Row attributes of outline boxes: colour, enabled state, font, pictures and
// flags of the row record shown in a row.
#include <windows.h>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/item_rows.h"
#include "controls/outline/pictures/pic.h"
#include "controls/outline/tree_ops.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

// The record shown in a row of an outline box, with the box's state.
RowRecord* RowOf(HWND box, int row, OutlineState* state) {
    if (!IsWindow(box) || !ReadOutlineState(box, state)) return nullptr;
    return RecordAt(box, *state, row);
}

// The call shape of the row exports: a row that shows no record of an outline
// box gets `failure`; otherwise `body(state, record)` gives the result inside
// the guarded region.
template <typename R, typename Body>
R RowCall(const wchar_t* functionName, HWND box, int row, R failure, Body&& body) noexcept {
    return Guarded(functionName, failure, [&]() -> R {
        OutlineState state{};
        RowRecord* record = RowOf(box, row, &state);
        if (!record) return failure;
        return body(state, *record);
    });
}

int SetEnabled(HWND box, int row, DWORD colour, bool enabled) {
    OutlineState state{};
    RowRecord* record = RowOf(box, row, &state);
    if (!record) return -1;
    if (!state.isCombo && IsAnySelection(box)) SelectRow(box, state, row, false);
    else if (state.isCombo) CallUnderlying(box, state, CB_SETCURSEL, WPARAM(-1), 0);
    else CallUnderlying(box, state, LB_SETCURSEL, WPARAM(-1), 0);
    record->colour = colour & 0x00FFFFFF;
    if (enabled) record->flags &= ~kRowDisabled;
    else record->flags |= kRowDisabled;
    RepaintRow(box, state, row);
    return row;
}

int SetFlags(HWND box, int row, DWORD flags, BOOL set) {
    OutlineState state{};
    RowRecord* record = RowOf(box, row, &state);
    if (!record) return 0;
    if (set && (flags & kRowDelete)) {
        if (record->node) DeleteChild(box, row);
        else HostListDelete(box, row);
        return 1;
    }
    if (set && (flags & kRowHidden)) {
        if (record->node) {
            TakeRows(box, state, row, row + 1);
        } else {
            // A plain row has nowhere to live without its row: it goes.
            HostListDelete(box, row);
            return 1;
        }
    } else {
        if (flags & kRowSelected) SelectRow(box, state, row, set != FALSE);
        if (set && (flags & kRowExpanded) && record->node) Expand(box, row);
    }
    ApplyFlags(box, state, *record, row, flags, set != FALSE);
    return 1;
}

}  // namespace

void ApplyFlags(HWND box, const OutlineState& state, RowRecord& record, int row, DWORD flags, bool set) {
    if (set) record.flags |= flags;
    else record.flags &= ~flags;
    if (flags & 0xFF000000u) {
        if (state.isCombo || row < 0) InvalidateRect(box, nullptr, TRUE);
        else RepaintRow(box, state, row);
    }
}

void Remeasure(HWND box, const OutlineState& state, int row) {
    const RowRecord* record = RecordAt(box, state, row);
    if (!record) return;
    MEASUREITEMSTRUCT item{};
    item.CtlType = state.isCombo ? ODT_COMBOBOX : ODT_LISTBOX;
    item.CtlID = UINT(GetDlgCtrlID(box));
    item.itemID = UINT(row);
    item.itemData = reinterpret_cast<ULONG_PTR>(record);
    SendMessageW(GetParent(box), WM_MEASUREITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    CallUnderlying(box, state, state.isCombo ? CB_SETITEMHEIGHT : LB_SETITEMHEIGHT, WPARAM(row),
                   MAKELPARAM(item.itemHeight, 0));
    RepaintRow(box, state, row);
}

}  // namespace zw::outline

using namespace zw::outline;

extern "C" LONG __stdcall ZelListGetColor(HWND list, int row) {
    return RowCall(L"ZelListGetColor()", list, row, LONG(-1),
                   [](const OutlineState&, const RowRecord& record) { return LONG(record.colour & 0x00FFFFFF); });
}

extern "C" int __stdcall ZelListSetColor(HWND list, int row, DWORD colour) {
    return RowCall(L"ZelListSetColor()", list, row, 0, [&](const OutlineState& state, RowRecord& record) {
        record.colour = colour & 0x00FFFFFF;
        RepaintRow(list, state, row);
        return 1;
    });
}

extern "C" int __stdcall ZelListDisableItem(HWND list, int row, DWORD colour) {
    return zw::Guarded(L"ZelListDisableItem()", -1, [&] { return SetEnabled(list, row, colour, false); });
}

extern "C" int __stdcall ZelListEnableItem(HWND list, int row, DWORD colour) {
    return zw::Guarded(L"ZelListEnableItem()", -1, [&] { return SetEnabled(list, row, colour, true); });
}

extern "C" HFONT __stdcall ZelListGetFont(HWND list, int row) {
    return RowCall(L"ZelListGetFont()", list, row, HFONT(nullptr),
                   [](const OutlineState&, const RowRecord& record) { return static_cast<HFONT>(record.font); });
}

extern "C" int __stdcall ZelListSetFont(HWND list, int row, HFONT font) {
    return RowCall(L"ZelListSetFont()", list, row, 0, [&](const OutlineState& state, RowRecord& record) {
        record.font = font;
        Remeasure(list, state, row);
        return 1;
    });
}

extern "C" int __stdcall ZelListGetPicture(HWND list, int row, ZW_HPIC* normal, ZW_HPIC* selected) {
    return RowCall(L"ZelListGetPicture()", list, row, 0, [&](const OutlineState&, const RowRecord& record) {
        if (normal) *normal = reinterpret_cast<ZW_HPIC>(record.normalPicture);
        if (selected) *selected = reinterpret_cast<ZW_HPIC>(record.selectedPicture);
        return 1;
    });
}

extern "C" int __stdcall ZelListSetPicture(HWND list, int row, ZW_HPIC normal, ZW_HPIC selected) {
    return RowCall(L"ZelListSetPicture()", list, row, 0, [&](const OutlineState& state, RowRecord& record) {
        record.normalPicture = zw::PIC::FromHandle(normal);
        record.selectedPicture = zw::PIC::FromHandle(selected);
        Remeasure(list, state, row);
        return 1;
    });
}

extern "C" LONG __stdcall ZelListGetFlags(HWND list, int row) {
    return RowCall(L"ZelListGetFlags()", list, row, LONG(-1),
                   [](const OutlineState&, const RowRecord& record) { return LONG(record.flags); });
}

extern "C" int __stdcall ZelListSetFlags(HWND list, int row, DWORD flags, BOOL set) {
    return zw::Guarded(L"ZelListSetFlags()", 0, [&] { return SetFlags(list, row, flags, set); });
}
