// The string tables that this library made and has not yet freed.
//
// A table reaches the application as a plain number (its global memory handle)
// and comes back from it the same way, so a number passed back is only used
// when it names one of these live tables; anything else (a stale, freed or
// made-up number) is refused before the memory manager is asked about it.
#pragma once

#include <windows.h>

#include <cstddef>

namespace zw::strings {

// Registers a new table and returns the number the application gets for it,
// or 0 when the handle cannot be given out as a positive 32-bit number that
// differs from every live table's.
int RememberTable(HGLOBAL table);

// The live table with this number whose memory is still a valid block of at
// least the smallest table's size; null otherwise.
HGLOBAL LiveTable(int number);

void ForgetTable(int number);

// Live tables (leak accounting).
std::size_t LiveTableCount();

}  // namespace zw::strings
