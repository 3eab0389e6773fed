// ZelStrLoadTable, ZelStrFind, ZelStrFreeTable: an ANSI text file loaded as an
// in-memory table of lines, and lookups in it.
#include <windows.h>

#include <string>

#include "include/zwi51.h"
#include "util/strings/core/string_table.h"
#include "util/strings/global_memory.h"
#include "util/strings/string_result.h"
#include "util/strings/table_registry.h"
#include "util/strings/text_args.h"

namespace {

constexpr int kNotFound = -2;
constexpr int kOutOfMemory = -8;
constexpr int kTooLarge = -30;
// Largest file a table holds: its lines, a NUL and the end marker must stay
// within 65535 characters.
constexpr int kLargestTableFile = 65533;

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(LPCWSTR path)
        : handle_(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~ReadOnlyFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // Reads exactly `bytes` bytes; false on any shortfall.
    bool ReadAll(void* buffer, DWORD bytes) {
        if (handle_ == INVALID_HANDLE_VALUE) return false;
        DWORD read = 0;
        return ReadFile(handle_, buffer, bytes, &read, nullptr) && read == bytes;
    }

private:
    HANDLE handle_;
};

int LoadTable(LPCWSTR fileName) {
    WCHAR path[MAX_PATH];
    const DWORD found = SearchPathW(nullptr, fileName, nullptr, MAX_PATH, path, nullptr);
    if (found == 0 || found >= MAX_PATH) return kNotFound;

    // The size and the text come from the file the search found, so a file of
    // the same name elsewhere cannot be mixed in.
    const int size = ZelFileGetSize(path);
    if (size < 0) return size;
    if (size > kLargestTableFile) return kTooLarge;

    const size_t capacity = zw::strings::StringTableCapacity(static_cast<size_t>(size));
    zw::strings::GlobalBlock table(GMEM_MOVEABLE | GMEM_ZEROINIT, capacity * sizeof(WCHAR));
    zw::strings::GlobalBlock readBuffer(GMEM_FIXED, static_cast<SIZE_T>(size) + 1);
    if (!table || !readBuffer) return kOutOfMemory;
    char* bytes = static_cast<char*>(readBuffer.Get());

    ReadOnlyFile file(path);
    if (!file.ReadAll(bytes, static_cast<DWORD>(size))) return kOutOfMemory;
    {
        zw::strings::GlobalLocked<char16_t> text(table.Get());
        if (!text) return kOutOfMemory;
        // Each ANSI byte gives at most one UTF-16 unit, so the text fits in the
        // table, which is then rewritten in place into lines.
        int converted = 0;
        if (size > 0) {
            converted = MultiByteToWideChar(CP_ACP, 0, bytes, size, reinterpret_cast<LPWSTR>(text.Get()), size);
            if (converted <= 0) return kOutOfMemory;
        }
        zw::strings::WriteStringTable(std::u16string_view(text.Get(), static_cast<size_t>(converted)), text.Get(),
                                      capacity);
    }
    const int number = zw::strings::RememberTable(table.Get());
    if (number <= 0) return kOutOfMemory;
    table.Release();
    return number;
}

}  // namespace

extern "C" int __stdcall ZelStrLoadTable(LPCWSTR fileName) {
    if (!fileName || !*fileName) return kNotFound;
    return zw::Guarded(L"ZelStrLoadTable()", kOutOfMemory, [&] { return LoadTable(fileName); });
}

extern "C" HOSTSTR __stdcall ZelStrFind(int table, LPCWSTR key) {
    return zw::strings::StringResult(L"ZelStrFind()", [&] {
        const HGLOBAL block = zw::strings::LiveTable(table);
        if (!key || !block) return zw::NewHostString(L"");
        std::wstring line;
        {
            zw::strings::GlobalLocked<char16_t> text(block);
            if (!text) return zw::NewHostString(L"");
            const std::u16string_view whole(text.Get(), GlobalSize(block) / sizeof(WCHAR));
            if (const auto found = zw::strings::FindInStringTable(whole, zw::strings::TextArg(key))) {
                line = zw::strings::Wide(*found);
            }
        }
        return zw::NewHostString(line);
    });
}

extern "C" int __stdcall ZelStrFreeTable(int table) {
    return zw::Guarded(L"ZelStrFreeTable()", 0, [&] {
        const HGLOBAL block = zw::strings::LiveTable(table);
        if (!block) return 0;
        zw::strings::ForgetTable(table);
        return GlobalFree(block) == nullptr ? 1 : 0;
    });
}
