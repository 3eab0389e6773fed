// The string tables that this library made and has not yet freed.
//
// A table reaches the application as a plain number and comes back from it the
// same way, so a handle passed back is only used when it is one of these live
// tables; anything else (a stale, freed or made-up handle) is refused before
// the memory manager is asked about it.
#pragma once

#include <windows.h>

namespace zw::strings {

void RememberTable(HGLOBAL table);
// Whether `table` is a live table whose memory is still a valid block of at
// least the smallest table's size.
bool IsLiveTable(HGLOBAL table);
void ForgetTable(HGLOBAL table);

// The table handle as the application holds it, and back.
inline HGLOBAL TableFromNumber(int number) {
    return reinterpret_cast<HGLOBAL>(static_cast<INT_PTR>(number));
}
inline int TableToNumber(HGLOBAL table) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(table));
}

}  // namespace zw::strings
