#include "util/strings/table_registry.h"

#include <set>

namespace zw::strings {

namespace {
std::set<HGLOBAL>& LiveTables() {
    static std::set<HGLOBAL> tables;
    return tables;
}

// The smallest table is an empty line and the end marker: two characters.
constexpr SIZE_T kSmallestTableBytes = 2 * sizeof(WCHAR);
}  // namespace

void RememberTable(HGLOBAL table) {
    LiveTables().insert(table);
}

bool IsLiveTable(HGLOBAL table) {
    if (!table || LiveTables().count(table) == 0) return false;
    const UINT flags = GlobalFlags(table);
    if (flags == GMEM_INVALID_HANDLE || (flags & GMEM_DISCARDED)) return false;
    return GlobalSize(table) >= kSmallestTableBytes;
}

void ForgetTable(HGLOBAL table) {
    LiveTables().erase(table);
}

}  // namespace zw::strings
