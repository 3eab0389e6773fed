// ZelProfileEnumStrings, ZelProfileDelete: the entry names of an INI file's
// section, and deleting an entry or a whole section. The file is first found
// along the search path, so a bare file name works wherever the system's
// search order finds it.
#include <windows.h>

#include <optional>
#include <string>

#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "util/strings/host_arrays.h"

namespace zw::files {
namespace {

constexpr int kFileNotFound = -2;

std::optional<std::wstring> LocateProfile(LPCWSTR fileName) {
    if (!fileName || !*fileName) return std::nullopt;
    WCHAR found[MAX_PATH] = {};
    const DWORD length = SearchPathW(nullptr, fileName, nullptr, MAX_PATH, found, nullptr);
    if (!length || length >= MAX_PATH) return std::nullopt;
    return std::wstring(found, length);
}

// All entry names of the section, NUL-separated. The system cuts the answer
// to the buffer, so the buffer grows by 256 characters while the answer comes
// within 3 characters of filling it.
std::wstring SectionNames(LPCWSTR section, const std::wstring& file) {
    std::wstring names;
    DWORD length = 0;
    for (size_t size = 256;; size += 256) {
        names.assign(size, L'\0');
        length = GetPrivateProfileStringW(section, nullptr, L"", names.data(), DWORD(size), file.c_str());
        if (length < size - 3) break;
    }
    names.resize(length);
    return names;
}

// A name the host cannot hold a string for is asked about once: halting ends
// the application, anything else stores an empty element for it.
void PutName(HARRAY array, LONG index, std::wstring_view name) {
    if (zw::strings::TryPutStringElement(array, index, name)) return;
    AskAfterStringFailure();
    HostArrayPutString(array, 0, index);
}

int EnumStrings(const std::wstring& file, LPCWSTR section, HARRAY array) {
    const std::wstring names = SectionNames(section, file);
    LONG count = 0;
    for (size_t start = 0; start < names.size();) {
        size_t end = names.find(L'\0', start);
        if (end == std::wstring::npos) end = names.size();
        PutName(array, count++, std::wstring_view(names).substr(start, end - start));
        start = end + 1;
    }
    if (count > 0) zw::strings::SetElementCount(array, count);
    return 0;
}

}  // namespace
}  // namespace zw::files

// An empty section leaves the array as it was.
extern "C" int __stdcall ZelProfileEnumStrings(LPCWSTR fileName, LPCWSTR section, HARRAY array) {
    using namespace zw::files;
    return zw::Guarded(L"ZelProfileEnumStrings()", kFileNotFound, [&] {
        const auto file = LocateProfile(fileName);
        if (!file) return kFileNotFound;
        if (!section || !zw::strings::OneDimensionalBounds(array)) return -87;
        return EnumStrings(*file, section, array);
    });
}

// An empty (or null) entry name removes the whole section.
extern "C" int __stdcall ZelProfileDelete(LPCWSTR section, LPCWSTR entry, LPCWSTR fileName) {
    using namespace zw::files;
    return zw::Guarded(L"ZelProfileDelete()", 0, [&] {
        const auto file = LocateProfile(fileName);
        if (!file) return kFileNotFound;
        if (!section || !*section) return 0;
        return int(WritePrivateProfileStringW(section, entry && *entry ? entry : nullptr, nullptr, file->c_str()));
    });
}
