#include "util/strings/table_registry.h"

#include <cstdint>
#include <map>

namespace zw::strings {

namespace {
std::map<int, HGLOBAL>& LiveTables() {
    static std::map<int, HGLOBAL> tables;
    return tables;
}

// The smallest table is an empty line and the end marker: two characters.
constexpr SIZE_T kSmallestTableBytes = 2 * sizeof(WCHAR);
}  // namespace

// The number is the handle itself in the 32-bit library; a 64-bit build keeps
// the handle's low 32 bits and finds the handle again through this map.
int RememberTable(HGLOBAL table) {
    const auto value = reinterpret_cast<std::uintptr_t>(table);
    const int number = static_cast<int>(static_cast<std::uint32_t>(value));
    if (number <= 0 || LiveTables().count(number) != 0) return 0;
    LiveTables().emplace(number, table);
    return number;
}

// A table that the application freed behind the library's back is dropped
// here, so that its handle value can be given out again later.
HGLOBAL LiveTable(int number) {
    const auto found = LiveTables().find(number);
    if (found == LiveTables().end()) return nullptr;
    const HGLOBAL table = found->second;
    const UINT flags = GlobalFlags(table);
    if (flags == GMEM_INVALID_HANDLE || (flags & GMEM_DISCARDED) || GlobalSize(table) < kSmallestTableBytes) {
        LiveTables().erase(found);
        return nullptr;
    }
    return table;
}

void ForgetTable(int number) {
    LiveTables().erase(number);
}

std::size_t LiveTableCount() {
    return LiveTables().size();
}

}  // namespace zw::strings
