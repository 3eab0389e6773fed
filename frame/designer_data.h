// Designer property data: the settings a developer gave a control in the
// host's form designer, stored by the host as named items in the control
// window's property data. A form-placed control reads its item when it is
// created and loads its property record from it (frame/core/archive.h).
//
//   case WM_CREATE: {
//       auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
//       SPropPalette record;
//       zw::LoadDesignerRecord(window, create->lpCreateParams, L"ZW:ColorPalette", record);
//       Apply(record);   // the loaded record, or the defaults
//   }
//
// Loading never fails the creation: a missing, empty or unreadable item
// leaves the record at its defaults and nothing is reported.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "frame/core/archive.h"
#include "frame/core/memory_stream.h"

namespace zw {

// Growth step of the stream an item is copied into, and the buffer size of
// the archive that reads it.
constexpr std::size_t kDesignerStreamGrowBytes = 1024;
constexpr std::size_t kDesignerArchiveBuffer = 4096;

// Whether the host's creation record (a window's lpCreateParams) says that
// the window has designer data: bit 0 of its byte at offset 4. A null record
// means no designer data.
bool HasDesignerData(const void* creationRecord);

// Asks the host for item `itemName` of a property block of `length` bytes and
// writes the item's bytes into `stream` at its position. 1 when the item was
// found and copied, 0 when it is missing or the stream could not take it.
int LoadNamedItem(MemoryStream& stream, const void* propData, DWORD length, const wchar_t* itemName);

// The loading steps shared by every control: when the creation record says
// there is designer data and the window's item `itemName` exists, copies it
// into a memory stream and runs `read` over a loading archive on it. True
// when `read` completed; false when there was nothing to read or reading
// failed (any exception of the archive or the record is caught here).
bool LoadDesignerItem(HWND window, const void* creationRecord, const wchar_t* itemName,
                      const std::function<void(Archive&)>& read);

// The same for a window's item whatever its creation record says: for
// functions that read designer data of a window that already exists.
bool LoadWindowItem(HWND window, const wchar_t* itemName, const std::function<void(Archive&)>& read);

// Loads `record` from the window's designer item. The item is read into a
// default-constructed record, which replaces `record` only when the whole
// item was read; otherwise `record` is left as it was. True when loaded.
template <typename Record>
bool LoadDesignerRecord(HWND window, const void* creationRecord, const wchar_t* itemName, Record& record) {
    Record loaded;
    if (!LoadDesignerItem(window, creationRecord, itemName, [&loaded](Archive& ar) { loaded.Serialize(ar); }))
        return false;
    record = std::move(loaded);
    return true;
}

template <typename Record>
bool LoadDesignerRecord(HWND window, const CREATESTRUCTW& create, const wchar_t* itemName, Record& record) {
    return LoadDesignerRecord(window, create.lpCreateParams, itemName, record);
}

}  // namespace zw
