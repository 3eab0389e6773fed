// Designer property data of the replacement host: the named items stored for
// each window, the block handed out for them (layout in host/core/prop_block.h),
// and the reading of one item from a block.
//
// Items are kept per window handle until cleared (HostTestClearPropData, or
// storing an empty item); the block pointer stays valid until the window's
// items next change.
#include <windows.h>

#include <cwchar>
#include <map>
#include <string_view>
#include <vector>

#include "frame/host_api.h"
#include "host/core/prop_block.h"
#include "host/corrt51/prop_data.h"
#include "host/corrt51/strings.h"
#include "host/host_test.h"

namespace {

std::map<HWND, host::PropItems>& Windows() {
    static std::map<HWND, host::PropItems> windows;
    return windows;
}

std::u16string_view Name(LPCWSTR name) {
    static_assert(sizeof(WCHAR) == sizeof(char16_t), "host text is UTF-16");
    return {reinterpret_cast<const char16_t*>(name), std::wcslen(name)};
}

// Stores, replaces or (null bytes, length 0) removes an item.
BOOL SetItem(HWND window, LPCWSTR name, const void* bytes, DWORD length) {
    if (!name || (!bytes && length)) return FALSE;
    try {
        auto& windows = Windows();
        if (!bytes) {
            auto it = windows.find(window);
            if (it == windows.end() || !it->second.Remove(Name(name))) return FALSE;
            if (it->second.Empty()) windows.erase(it);
            return TRUE;
        }
        return windows[window].Set(Name(name), {static_cast<const std::uint8_t*>(bytes), length});
    } catch (const std::exception&) {
        return FALSE;
    }
}

}  // namespace

HWND host::PropDataOwner(const void* data) {
    if (!data) return nullptr;
    for (const auto& [window, items] : Windows())
        if (!items.Block().empty() && items.Block().data() == data) return window;
    return nullptr;
}

HOSTAPI const void* __stdcall HostGetPropData(HWND window) {
    auto& windows = Windows();
    auto it = windows.find(window);
    return it == windows.end() || it->second.Block().empty() ? nullptr : it->second.Block().data();
}

HOSTAPI DWORD __stdcall HostGetPropDataSize(HWND window) {
    auto& windows = Windows();
    auto it = windows.find(window);
    return it == windows.end() ? 0 : static_cast<DWORD>(it->second.Block().size());
}

HOSTAPI BOOL __stdcall HostGetNamedProp(const void* data, DWORD length, LPCWSTR name, HOSTSTR* item) {
    if (!data || !name || !item) return FALSE;
    try {
        auto found = host::FindPropItem({static_cast<const std::uint8_t*>(data), length}, Name(name));
        if (!found) return FALSE;
        // The string holds the item and one more byte, 0.
        std::vector<std::uint8_t> bytes(found->begin(), found->end());
        bytes.push_back(0);
        HOSTSTR string = host::ForLibrary(host::NewBytes(bytes.data(), bytes.size()));
        if (!string) return FALSE;
        *item = string;
        return TRUE;
    } catch (const std::exception&) {
        return FALSE;
    }
}

// The designer's context here is the window whose data is being edited
// (context1); context2 is not used.
HOSTAPI BOOL __stdcall HostSetNamedProp(DWORD context1, [[maybe_unused]] DWORD context2, LPCWSTR name,
                                        const void* bytes, DWORD length) {
    return SetItem(reinterpret_cast<HWND>(static_cast<ULONG_PTR>(context1)), name, bytes, length);
}

HOSTTEST void __stdcall HostTestSetNamedItem(HWND window, LPCWSTR name, const void* bytes, DWORD length) {
    SetItem(window, name, bytes, length);
}

HOSTTEST void __stdcall HostTestClearPropData(HWND window) {
    Windows().erase(window);
}
