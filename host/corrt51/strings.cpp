// Host strings: handles to UTF-16 text owned by the host.
//
// A string is a block of bytes (its size, terminator included, is what
// HostStrSetSize was given) kept behind a handle. Handles are small numbers
// that are never reused, so a stale handle is recognised and refused. Storage
// always has two zero bytes of slack past the size, so text read from it is
// terminated even when the application wrote to the last byte.
#include <map>
#include <vector>

#include <cstring>
#include "host/corrt51/allocations.h"
#include "host/corrt51/strings.h"
#include "host/host_test.h"

namespace {

struct HostString {
    std::vector<BYTE> bytes;  // size bytes + 2 zero bytes of slack
    DWORD size = 0;           // bytes, terminator included
    bool forLibrary = false;  // made by a host operation for the library's own use
};

std::map<HOSTSTR, HostString>& Strings() {
    static std::map<HOSTSTR, HostString> strings;
    return strings;
}

HOSTSTR nextHandle = 0x10000;
int releaseCount = 0;

// Largest string the host makes: 256 MB, like a runtime that keeps sizes in
// signed 32-bit byte counts with room to spare.
constexpr DWORD kMaxStringBytes = 256u * 1024 * 1024;

bool AllocationAllowed(DWORD bytes) {
    return bytes <= kMaxStringBytes && host::NextAllocationSucceeds();
}

HostString* Find(HOSTSTR handle) {
    auto it = Strings().find(handle);
    return it == Strings().end() ? nullptr : &it->second;
}

bool Resize(HostString& string, DWORD bytes) {
    try {
        string.bytes.resize(size_t(bytes) + 2, 0);
        std::fill(string.bytes.begin() + bytes, string.bytes.end(), BYTE(0));
    } catch (const std::bad_alloc&) {
        return false;
    }
    string.size = bytes;
    return true;
}

}  // namespace

namespace host {

HOSTSTR NewBytes(const void* bytes, size_t length) {
    HOSTSTR handle = 0;
    if (length > kMaxStringBytes || !HostStrSetSize(&handle, DWORD(length))) return 0;
    if (length) memcpy(Find(handle)->bytes.data(), bytes, length);
    return handle;
}

HOSTSTR NewString(std::wstring_view text) {
    if (text.size() >= kMaxStringBytes / sizeof(WCHAR)) return 0;
    HOSTSTR handle = 0;
    if (!HostStrSetSize(&handle, DWORD((text.size() + 1) * sizeof(WCHAR)))) return 0;
    if (!text.empty()) memcpy(Find(handle)->bytes.data(), text.data(), text.size() * sizeof(WCHAR));
    return handle;
}

HOSTSTR ForLibrary(HOSTSTR string) {
    if (HostString* s = Find(string)) s->forLibrary = true;
    return string;
}

void FreeString(HOSTSTR string) {
    Strings().erase(string);
}

std::wstring Text(HOSTSTR string) {
    HostString* s = Find(string);
    if (!s) return {};
    const WCHAR* text = reinterpret_cast<const WCHAR*>(s->bytes.data());
    size_t max = s->size / sizeof(WCHAR);
    size_t length = 0;
    while (length < max && text[length]) ++length;
    return std::wstring(text, length);
}

}  // namespace host

extern "C" WCHAR* __stdcall HostStrLock(HOSTSTR string, DWORD* length) {
    HostString* s = Find(string);
    if (!s) {
        if (length) *length = 0;
        return nullptr;
    }
    if (length) *length = s->size;
    return reinterpret_cast<WCHAR*>(s->bytes.data());
}

extern "C" BOOL __stdcall HostStrSetSize(HOSTSTR* string, DWORD bytes) {
    if (!string) return FALSE;
    if (*string == 0) {
        if (!AllocationAllowed(bytes)) return FALSE;
        HostString fresh;
        if (!Resize(fresh, bytes)) return FALSE;
        HOSTSTR handle = nextHandle++;
        Strings().emplace(handle, std::move(fresh));
        *string = handle;
        return TRUE;
    }
    HostString* s = Find(*string);
    if (!s) return FALSE;
    if (bytes > s->size && !AllocationAllowed(bytes)) return FALSE;
    return Resize(*s, bytes);
}

extern "C" BOOL __stdcall HostStrSetLength(HOSTSTR* string, DWORD characters) {
    if (!string || characters > kMaxStringBytes / sizeof(WCHAR)) return FALSE;
    if (!HostStrSetSize(string, characters * sizeof(WCHAR))) return FALSE;
    // The last character is the terminator.
    if (characters) reinterpret_cast<WCHAR*>(Find(*string)->bytes.data())[characters - 1] = 0;
    return TRUE;
}

// A string that a host operation made for the library (a formatted date, a
// designer item) is gone once the library releases it; any other string
// belongs to the application and stays usable.
extern "C" void __stdcall HostStrRelease(HOSTSTR string) {
    ++releaseCount;
    HostString* s = Find(string);
    if (s && s->forLibrary) host::FreeString(string);
}

// ---- test surface ----------------------------------------------------------

extern "C" HOSTSTR __stdcall HostTestNewString(LPCWSTR text) {
    return host::NewString(text ? std::wstring_view(text) : std::wstring_view());
}

extern "C" void __stdcall HostTestFreeString(HOSTSTR string) {
    host::FreeString(string);
}

extern "C" int __stdcall HostTestLiveStrings(void) {
    return int(Strings().size());
}

extern "C" int __stdcall HostTestReleaseCount(void) {
    return releaseCount;
}
