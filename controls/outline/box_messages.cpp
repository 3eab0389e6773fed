#include "controls/outline/box_messages.h"

#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/row_painter.h"

namespace zw::outline {
namespace {

// The text of a host value taken as a string pointer ("" for none).
const wchar_t* HostValueText(LRESULT data) {
    if (data == 0 || data == -1) return L"";
    return reinterpret_cast<const wchar_t*>(data);
}

bool SameText(std::u16string_view a, const wchar_t* b) {
    const int length = lstrlenW(b);
    if (size_t(length) != a.size()) return false;
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, reinterpret_cast<const wchar_t*>(a.data()),
                          int(a.size()), b, length) == CSTR_EQUAL;
}

wchar_t UpperChar(wchar_t c) {
    return wchar_t(reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(c)))));
}

}  // namespace

LRESULT AddTextRow(HWND box, const OutlineState& state, int row, LPARAM text) {
    const auto* chars = reinterpret_cast<const char16_t*>(text);
    RowRecord* record = NewTextRecord(box, state, chars ? std::u16string_view(chars) : std::u16string_view());
    const int added = InsertRecordRow(box, state, record, row);
    if (added < 0) FreeRecord(record);
    return added;
}

LRESULT AddRecordRow(HWND box, const OutlineState& state, int row, LPARAM value) {
    RowRecord* record = AsRecord(reinterpret_cast<const void*>(value));
    if (!record || record->hasRow) return LB_ERR;
    return InsertRecordRow(box, state, record, row);
}

LRESULT GetRowText(HWND box, const OutlineState& state, int row, LPARAM buffer) {
    if (!buffer || row < 0 || row >= RowCount(box, state)) return LB_ERR;
    const LRESULT data = ItemDataAt(box, state, row);
    if (RowRecord* record = AsRecord(reinterpret_cast<const void*>(data))) {
        if (record->textPointerRequest) {
            record->textPointerRequest = 0;
            *reinterpret_cast<const char16_t**>(buffer) = record->text.c_str();
        } else {
            std::memcpy(reinterpret_cast<void*>(buffer), record->text.c_str(), (record->text.size() + 1) * 2);
        }
        return LRESULT(record->text.size());
    }
    const wchar_t* text = HostValueText(data);
    const int length = lstrlenW(text);
    std::memcpy(reinterpret_cast<void*>(buffer), text, (size_t(length) + 1) * sizeof(wchar_t));
    return length;
}

LRESULT GetRowTextLength(HWND box, const OutlineState& state, int row) {
    if (row < 0 || row >= RowCount(box, state)) return LB_ERR;
    const LRESULT data = ItemDataAt(box, state, row);
    if (const RowRecord* record = AsRecord(reinterpret_cast<const void*>(data))) return LRESULT(record->text.size());
    return lstrlenW(HostValueText(data));
}

LRESULT GetRowValue(HWND box, const OutlineState& state, int row) {
    if (const RowRecord* record = RecordAt(box, state, row)) return record->value;
    return ItemDataAt(box, state, row);
}

LRESULT SetRowValue(HWND box, const OutlineState& state, int row, LPARAM value) {
    if (RowRecord* record = RecordAt(box, state, row)) {
        record->value = value;
        return TRUE;
    }
    return CallUnderlying(box, state, state.isCombo ? CB_SETITEMDATA : LB_SETITEMDATA, WPARAM(row), value);
}

LRESULT StoreTag(HWND box, WPARAM tag) {
    struct Tag {
        WORD value;
        char text[1];
    };
    const auto* source = reinterpret_cast<const Tag*>(tag);
    if (!source) return 0;
    ChangeOutlineState(box, [&](OutlineState& s) {
        s.tagValue = source->value;
        size_t i = 0;
        for (; i + 1 < sizeof s.tagText && source->text[i]; ++i) s.tagText[i] = source->text[i];
        s.tagText[i] = 0;
    });
    return 1;
}

LRESULT SetTabStops(HWND box, WPARAM count, LPARAM stops) {
    HLOCAL table = nullptr;
    int stored = -1;
    if (count > 0 && stops) {
        if (count > 0x10000) return FALSE;
        table = LocalAlloc(LMEM_MOVEABLE, count * sizeof(int));
        if (!table) return FALSE;
        auto* pixels = static_cast<int*>(LocalLock(table));
        const int base = LOWORD(GetDialogBaseUnits());
        const auto* units = reinterpret_cast<const int*>(stops);
        for (WPARAM i = 0; i < count; ++i) pixels[i] = MulDiv(units[i], base, 4);
        LocalUnlock(table);
        stored = int(count);
    }
    ChangeOutlineState(box, [&](OutlineState& s) {
        if (s.tabStops) LocalFree(s.tabStops);
        s.tabStops = table;
        s.tabCount = stored;
    });
    InvalidateRect(box, nullptr, TRUE);
    return TRUE;
}

bool IsDisabled(HWND box, const OutlineState& state, int row) {
    const RowRecord* record = RecordAt(box, state, row);
    return record && (record->flags & kRowDisabled);
}

std::u16string RowText(HWND box, const OutlineState& state, int row) {
    const LRESULT data = ItemDataAt(box, state, row);
    if (const RowRecord* record = AsRecord(reinterpret_cast<const void*>(data))) return record->text;
    if (data == LB_ERR) return {};
    return reinterpret_cast<const char16_t*>(HostValueText(data));
}

int FindRowByText(HWND box, const OutlineState& state, int start, const wchar_t* text) {
    const int count = RowCount(box, state);
    if (count == 0 || !text) return -1;
    if (start < -1 || start >= count) start = -1;
    for (int i = 1; i <= count; ++i) {
        const int row = (start + i) % count;
        if (SameText(RowText(box, state, row), text)) return row;
    }
    return -1;
}

TreeNode* FindTextInBranch(const TreeNode& top, const wchar_t* text) {
    if (!text) return nullptr;
    for (TreeNode* at = NextInBranch(top, top); at; at = NextInBranch(*at, top)) {
        if (SameText(at->record->text, text)) return at;
    }
    return nullptr;
}

int LetterSearchRow(HWND box, const OutlineState& state, int current, WPARAM key) {
    const wchar_t wanted = UpperChar(wchar_t(MapVirtualKeyW(UINT(key), MAPVK_VK_TO_CHAR) & 0xFFFF));
    if (!IsCharAlphaNumericW(wanted)) return -1;
    const int count = RowCount(box, state);
    if (current < -1 || current >= count) current = -1;
    for (int i = 1; i <= count; ++i) {
        const int row = (current + i) % count;
        const std::u16string text = RowText(box, state, row);
        if (!text.empty() && UpperChar(wchar_t(text[0])) == wanted) return row;
    }
    return -1;
}

void RemeasureRows(HWND box) {
    ChangeOutlineState(box, [](OutlineState& s) { s.textHeight = 0; });
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return;
    const UINT setHeight = state.isCombo ? CB_SETITEMHEIGHT : LB_SETITEMHEIGHT;
    const int count = RowCount(box, state);
    for (int row = 0; row < count; ++row) {
        const UINT height = MeasureRow(box, RecordAt(box, state, row));
        CallUnderlying(box, state, setHeight, WPARAM(row), MAKELPARAM(height, 0));
    }
}

}  // namespace zw::outline
