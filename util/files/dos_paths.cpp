// ZelDosBuildFullName, ZelDosMakePath, ZelDosSplitPath, ZelDosMakeAllDir:
// path texts put together and taken apart, and nested directories made.
#include <windows.h>

#include <string>

#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "util/files/core/path_parts.h"
#include "util/files/file_errors.h"
#include "util/files/path_text.h"

namespace zw::files {
namespace {

std::u16string Text(LPCWSTR text) {
    return text ? ToU16(text) : std::u16string();
}

// The directory of a loaded module's file with `fileName` appended.
std::wstring BuildFullName(LPCWSTR module, LPCWSTR fileName) {
    const HMODULE handle = GetModuleHandleW(module);
    if (!handle) return {};
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(handle, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.rfind(L'\\');
    path.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return path + (fileName ? fileName : L"");
}

// Errors of the outer levels (most often "already exists") do not stop the
// walk; only the deepest level's creation decides the result.
int MakeAllDir(LPCWSTR path) {
    SECURITY_ATTRIBUTES security{sizeof security, nullptr, TRUE};
    int result = 0;
    for (const std::u16string& level : DirectoryLevels(ToU16(path))) {
        result = CreateDirectoryW(ToWide(level).c_str(), &security) ? 0 : NegatedLastError();
    }
    return result;
}

void SplitInto(LPCWSTR path, HOSTSTR* drive, HOSTSTR* directory, HOSTSTR* name, HOSTSTR* extension) {
    const PathParts parts = zw::files::SplitPath(Text(path));
    AssignHostString(drive, ToWide(parts.drive));
    AssignHostString(directory, ToWide(parts.directory));
    AssignHostString(name, ToWide(parts.name));
    AssignHostString(extension, ToWide(parts.extension));
}

}  // namespace
}  // namespace zw::files

extern "C" HOSTSTR __stdcall ZelDosBuildFullName(LPCWSTR module, LPCWSTR fileName) {
    std::wstring path;
    if (module) {
        path = zw::Guarded(L"ZelDosBuildFullName()", std::wstring(),
                           [&] { return zw::files::BuildFullName(module, fileName); });
    }
    return zw::NewHostString(path);
}

extern "C" HOSTSTR __stdcall ZelDosMakePath(LPCWSTR drive, LPCWSTR directory, LPCWSTR name, LPCWSTR extension) {
    using namespace zw::files;
    const std::wstring path = zw::Guarded(L"ZelDosMakePath()", std::wstring(), [&] {
        return ToWide(JoinPath(Text(drive), Text(directory), Text(name), Text(extension)));
    });
    return zw::NewHostString(path);
}

// A null path sets all four strings to the empty string.
extern "C" int __stdcall ZelDosSplitPath(LPCWSTR path, HOSTSTR* drive, HOSTSTR* directory, HOSTSTR* name,
                                         HOSTSTR* extension) {
    using namespace zw::files;
    if (!drive || !directory || !name || !extension) return kInvalidParameter;
    return zw::Guarded(L"ZelDosSplitPath()", kOutOfMemory, [&] {
        SplitInto(path, drive, directory, name, extension);
        return 0;
    });
}

extern "C" int __stdcall ZelDosMakeAllDir(LPCWSTR path) {
    using namespace zw::files;
    if (!path || !*path) return kInvalidParameter;
    return zw::Guarded(L"ZelDosMakeAllDir()", kOutOfMemory, [&] { return MakeAllDir(path); });
}
