// The walk over a property block's entries, and the windows that entries
// attach to the block's object (layout in host/core/prop_block.h).
//
// An entry is named by its item's offset in the block plus one, so 0 means
// "no entry". Offsets that do not start a whole entry give 0.
#include <optional>
#include <span>

#include "frame/host_api.h"
#include "host/core/prop_block.h"
#include "host/corrt51/prop_data.h"

namespace {

std::span<const std::uint8_t> Block(const void* data, DWORD length) {
    return data ? std::span(static_cast<const std::uint8_t*>(data), length) : std::span<const std::uint8_t>();
}

std::optional<host::PropEntry> EntryOf(const void* data, DWORD length, DWORD entry) {
    if (entry == 0) return std::nullopt;
    return host::PropEntryAt(Block(data, length), entry - 1);
}

}  // namespace

HOSTAPI HWND __stdcall HostPropSelf(const void* data, DWORD) { return host::PropDataOwner(data); }

HOSTAPI DWORD __stdcall HostPropFirst(const void* data, DWORD length) {
    return host::PropEntryAt(Block(data, length), 0) ? 1 : 0;
}

HOSTAPI DWORD __stdcall HostPropNext(const void* data, DWORD length, DWORD entry) {
    const auto current = EntryOf(data, length, entry);
    if (!current || !host::PropEntryAt(Block(data, length), current->next)) return 0;
    return DWORD(current->next + 1);
}

HOSTAPI HWND __stdcall HostPropWindow(const void* data, DWORD length, DWORD entry) {
    const auto current = EntryOf(data, length, entry);
    const auto handle = current ? host::ObjectOf(*current) : std::nullopt;
    // Window handles are 32-bit values, sign-extended where handles are wider.
    return handle ? reinterpret_cast<HWND>(static_cast<LONG_PTR>(static_cast<LONG>(*handle))) : nullptr;
}
