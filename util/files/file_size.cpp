// ZelFileGetSize: the size of one named file.
#include <windows.h>

#include "frame/call_frame.h"
#include "util/files/core/dest_name.h"
#include "util/files/file_errors.h"
#include "util/files/path_text.h"

extern "C" int __stdcall ZelFileGetSize(LPCWSTR name) {
    if (!name) return zw::files::kInvalidParameter;
    return zw::Guarded(L"ZelFileGetSize()", zw::files::kInvalidParameter, [&] {
        // A pattern is refused before the disk is asked anything.
        if (zw::files::HasWildcards(zw::files::ToU16(name))) return zw::files::kInvalidParameter;
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExW(name, GetFileExInfoStandard, &data)) return zw::files::NegatedLastError();
        return static_cast<int>(data.nFileSizeLow);
    });
}
