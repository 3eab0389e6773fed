// ZelTblSetRowPicture: small pictures in the row headers of a host table
// window. On first use the table is subclassed and gets its row-picture state,
// a moveable local block under the window property "ZW:RowPicture", and the
// library's three row-state pictures in its picture cache ("ZW:PicList").
// When the table paints, every shown row's header gets the row's own picture
// or, for a row without one, the picture of its state: "tbldel" for a row
// marked deleted, "tblnew" for a new row, "tbledit" for an edited row. The
// state goes when the table is destroyed.
//
// Records keep row numbers: rows the host inserts or deletes later do not
// move them.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "controls/gdi_owners.h"
#include "controls/outline/pictures/caches.h"
#include "controls/outline/pictures/pic.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "util/windows/local_block.h"

namespace zw::tables {
namespace {

constexpr wchar_t kFunction[] = L"ZelTblSetRowPicture()";
constexpr wchar_t kProperty[] = L"ZW:RowPicture";
constexpr WORD kGrowBy = 10;  // records added to the list when it is full
constexpr WORD kLibraryBitmap = kPicOwnedByList | kPicFromModule | kPicFormatBitmap;

struct RowPicture {
    LONG row;      // row number
    PIC* picture;  // drawn in the row's header
};

struct RowPictureState {
    LRESULT headerWidth;  // the table's row header width when the state was made, pixels
    WNDPROC previous;     // the table's procedure before the subclass
    WORD capacity;        // records the record list has room for
    WORD count;           // records in use, in ascending row order
    HLOCAL records;       // moveable local block of `capacity` RowPicture records
    PIC* deleted;         // "tbldel", "tblnew", "tbledit": pictures of the row
    PIC* added;           //   states, owned by the table's picture cache
    PIC* edited;
};

LRESULT CALLBACK RowPictureProc(HWND table, UINT message, WPARAM wParam, LPARAM lParam);

// A subclassed table: its state block, and its earlier procedure once more,
// so that the subclass procedure reaches it without locking the block or
// asking the window server for the property on every message.
struct Subclassed {
    HLOCAL block;
    WNDPROC previous;
};

std::unordered_map<HWND, Subclassed>& Tables() {
    static std::unordered_map<HWND, Subclassed> tables;
    return tables;
}

// A local block locked while the owner lives.
template <typename T>
using Locked = windows::LockedLocal<T>;

HLOCAL StateOf(HWND table) {
    auto it = Tables().find(table);
    return it == Tables().end() ? nullptr : it->second.block;
}

// A row-state picture of the library, owned by the table's picture cache.
PIC* LibraryPicture(HWND table, const wchar_t* name) {
    PIC* picture = LoadPicture(kLibraryBitmap, L"ZWI51.DLL", name);
    if (picture && CachePicture(table, picture) < 0) {
        delete picture;
        return nullptr;
    }
    return picture;
}

// The picture a row's header shows: its own, else that of its state; null
// for none. Pictures freed meanwhile are not drawn.
PIC* PictureOfRow(HWND table, const RowPictureState& state, const RowPicture* records, LONG row) {
    const RowPicture* end = records + state.count;
    const RowPicture* found =
        std::lower_bound(records, end, row, [](const RowPicture& r, LONG wanted) { return r.row < wanted; });
    if (found != end && found->row == row) return PIC::FromHandle(found->picture);
    if (HostTblQueryRowFlag(table, row, HOST_ROW_MARKDELETED)) return PIC::FromHandle(state.deleted);
    if (HostTblQueryRowFlag(table, row, HOST_ROW_NEW)) return PIC::FromHandle(state.added);
    if (HostTblQueryRowFlag(table, row, HOST_ROW_EDITED)) return PIC::FromHandle(state.edited);
    return nullptr;
}

// Draws the header pictures of the shown rows, each centred in its header.
void PaintRowPictures(HWND table, HDC dc) {
    Locked<RowPictureState> state(StateOf(table));
    if (!state) return;
    Locked<RowPicture> records(state->records);
    LONG first = 0, last = -1;
    if (!records || !HostTblGetVisibleRows(table, &first, &last)) return;
    for (LONG row = first; row <= last; ++row) {
        PIC* picture = PictureOfRow(table, *state.Get(), records.Get(), row);
        RECT header{};
        if (!picture || !HostTblGetRowHeaderRect(table, row, &header)) continue;
        const int x = header.left + (header.right - header.left - picture->width) / 2;
        const int y = header.top + (header.bottom - header.top - picture->height) / 2;
        picture->Draw(dc, x, y, header);
    }
}

// Frees the state block and the record list (the pictures stay in the cache).
void FreeState(HLOCAL block) {
    {
        Locked<RowPictureState> state(block);
        if (state && state->records) LocalFree(state->records);
    }
    LocalFree(block);
}

// Puts the table's procedure back (when no one subclassed it after us) and
// frees the state and the pictures the table owns.
void Release(HWND table) {
    auto it = Tables().find(table);
    if (it == Tables().end()) return;
    if (GetWindowLongPtrW(table, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&RowPictureProc)) {
        SetWindowLongPtrW(table, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
    }
    FreeState(it->second.block);
    Tables().erase(it);
    RemovePropW(table, kProperty);
    FreePictureCache(table);
}

// The state of a table that has none yet: the row-state pictures in its
// cache, an empty record list of kGrowBy records, the property and the
// subclass. Null when one of them cannot be had (nothing is left behind).
HLOCAL CreateState(HWND table) {
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(RowPictureState));
    HLOCAL records = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, kGrowBy * sizeof(RowPicture));
    bool made = block && records;
    if (made) {
        Locked<RowPictureState> state(block);
        made = bool(state);
        if (made) {
            state->headerWidth = SendMessageW(table, HOST_TBL_GETMETRIC, HOST_TBL_METRIC_ROWHEADERWIDTH, 0);
            state->capacity = kGrowBy;
            state->records = records;
            state->deleted = LibraryPicture(table, L"tbldel");
            state->added = LibraryPicture(table, L"tblnew");
            state->edited = LibraryPicture(table, L"tbledit");
            made = state->deleted && state->added && state->edited && SetPropW(table, kProperty, block);
        }
    }
    if (made) {
        // Known to the process before the subclass, which may be called at once.
        Tables()[table] = Subclassed{block, nullptr};
        const auto previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(table, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RowPictureProc)));
        made = previous != nullptr;
        if (made) {
            Tables()[table].previous = previous;
            Locked<RowPictureState>(block)->previous = previous;
            return block;
        }
        Tables().erase(table);
        RemovePropW(table, kProperty);
    }
    if (block) LocalFree(block);
    if (records) LocalFree(records);
    FreePictureCache(table);
    return nullptr;
}

// Gives `row` the picture, replacing its earlier one; the list grows by
// kGrowBy records when full. False when it cannot grow.
bool SetRecord(HWND table, HLOCAL block, LONG row, PIC* picture) {
    Locked<RowPictureState> state(block);
    if (!state) return false;
    size_t index = 0;
    {
        Locked<RowPicture> records(state->records);
        if (!records) return false;
        RowPicture* end = records.Get() + state->count;
        RowPicture* found =
            std::lower_bound(records.Get(), end, row, [](const RowPicture& r, LONG wanted) { return r.row < wanted; });
        if (found != end && found->row == row) {
            found->picture = picture;
            index = SIZE_MAX;
        } else {
            index = size_t(found - records.Get());
        }
    }
    if (index != SIZE_MAX) {
        if (state->count == state->capacity) {
            if (state->capacity > 0xFFFF - kGrowBy) return false;
            HLOCAL grown = LocalReAlloc(state->records, (state->capacity + kGrowBy) * sizeof(RowPicture),
                                        LMEM_MOVEABLE | LMEM_ZEROINIT);
            if (!grown) return false;
            state->records = grown;
            state->capacity = WORD(state->capacity + kGrowBy);
        }
        Locked<RowPicture> records(state->records);
        if (!records) return false;
        RowPicture* at = records.Get() + index;
        std::memmove(at + 1, at, (state->count - index) * sizeof(RowPicture));
        *at = RowPicture{row, picture};
        ++state->count;
    }
    RECT header{};
    if (HostTblGetRowHeaderRect(table, row, &header)) InvalidateRect(table, &header, FALSE);
    return true;
}

LRESULT CALLBACK RowPictureProc(HWND table, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = Tables().find(table);
    if (it == Tables().end() || !it->second.previous) return DefWindowProcW(table, message, wParam, lParam);
    const WNDPROC previous = it->second.previous;
    const LRESULT result = CallWindowProcW(previous, table, message, wParam, lParam);
    try {
        switch (message) {
        case WM_PAINT: {
            // The table has painted itself; the pictures go over its row headers.
            gdi::WindowDC dc(table, DCX_CACHE | DCX_CLIPCHILDREN);
            if (dc) PaintRowPictures(table, dc.Get());
            break;
        }
        case WM_PRINTCLIENT:
            PaintRowPictures(table, reinterpret_cast<HDC>(wParam));
            break;
        case WM_NCDESTROY:
            Release(table);
            break;
        }
    } catch (...) {
        zw::detail::ReportCaught(kFunction, nullptr);
    }
    return result;
}

}  // namespace
}  // namespace zw::tables

extern "C" int __stdcall ZelTblSetRowPicture(HWND table, LONG row, void* picture) {
    if (!IsWindow(table) || !picture) return 0;
    return zw::Guarded(zw::tables::kFunction, 0, [&] {
        zw::PIC* shown = zw::PIC::FromHandle(picture);
        if (!shown) return 0;
        HLOCAL block = zw::tables::StateOf(table);
        if (!block) block = zw::tables::CreateState(table);
        return block && zw::tables::SetRecord(table, block, row, shown) ? 1 : 0;
    });
}
