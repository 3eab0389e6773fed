// ZelFileCreateTemp: a new empty file in the temporary folder, its name part
// beginning with "~" so that clean-up tools recognise it as temporary.
#include <windows.h>

#include <string>

#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "util/files/core/dest_name.h"
#include "util/files/path_text.h"

namespace {

std::wstring CreateTemp(LPCWSTR prefix) {
    WCHAR folder[MAX_PATH] = {};
    const DWORD length = GetTempPathW(MAX_PATH, folder);
    if (!length || length >= MAX_PATH) lstrcpyW(folder, L".");
    WCHAR created[MAX_PATH] = {};
    if (!GetTempFileNameW(folder, prefix, 0, created)) return {};

    std::wstring path = created;
    const std::u16string text = zw::files::ToU16(path);
    const std::u16string_view name = zw::files::NamePart(text);
    if ((name.empty() || name[0] != u'~') && path.size() + 1 < MAX_PATH) {
        const std::wstring renamed =
            zw::files::ToWide(zw::files::DirectoryPart(text)) + L"~" + zw::files::ToWide(name);
        // When the "~" name is taken the file keeps the name it was made with.
        if (MoveFileW(path.c_str(), renamed.c_str())) path = renamed;
    }
    return path;
}

}  // namespace

extern "C" HOSTSTR __stdcall ZelFileCreateTemp(LPCWSTR prefix) {
    std::wstring path;
    if (prefix) path = zw::Guarded(L"ZelFileCreateTemp()", std::wstring(), [&] { return CreateTemp(prefix); });
    return zw::NewHostString(path);
}
