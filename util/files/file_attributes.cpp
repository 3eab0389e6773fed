// ZelFileSetAttribute and ZelFileGetAttribute.
#include <windows.h>

#include <vector>

#include "frame/call_frame.h"
#include "util/files/file_attributes.h"
#include "util/files/file_errors.h"
#include "util/files/file_matches.h"

namespace zw::files {

int AttributesOf(LPCWSTR name) {
    const DWORD attributes = GetFileAttributesW(name);
    return attributes == INVALID_FILE_ATTRIBUTES ? NegatedLastError() : static_cast<int>(attributes);
}

namespace {

// Bits SetFileAttributesW accepts; the directory bit that a directory reports
// is not one of them.
constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                            FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

int SetAttribute(const std::wstring& pattern, DWORD mask, bool set) {
    std::vector<FileMatch> matches;
    if (const int failure = FindMatches(pattern, true, matches)) return failure;
    return HandleEach(matches, [&](const FileMatch& match) {
        const DWORD current = GetFileAttributesW(match.path.c_str());
        if (current == INVALID_FILE_ATTRIBUTES) return NegatedLastError();
        DWORD wanted = (set ? current | mask : current & ~mask) & kSettable;
        // 0 would mean "leave unchanged" to SetFileAttributesW.
        if (wanted == 0) wanted = FILE_ATTRIBUTE_NORMAL;
        if (!SetFileAttributesW(match.path.c_str(), wanted)) return NegatedLastError();
        return 0;
    });
}

}  // namespace

}  // namespace zw::files

extern "C" int __stdcall ZelFileSetAttribute(LPCWSTR pattern, DWORD attributes, BOOL set) {
    if (!pattern) return zw::files::kInvalidParameter;
    return zw::Guarded(L"ZelFileSetAttribute()", zw::files::kOutOfMemory,
                       [&] { return zw::files::SetAttribute(pattern, attributes & 0xFFFF, set != 0); });
}

extern "C" int __stdcall ZelFileGetAttribute(LPCWSTR name) {
    if (!name) return zw::files::kInvalidParameter;
    return zw::Guarded(L"ZelFileGetAttribute()", zw::files::kInvalidParameter,
                       [&] { return zw::files::AttributesOf(name); });
}
