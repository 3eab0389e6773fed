// Stream access to files through host file handles: open, close, read, write,
// seek and tell. A host file handle is a C runtime stream (FILE*) of the
// runtime the library shares with the host, so seek and tell work on it here
// directly while reading, writing and closing go through the host.
#include <windows.h>

#include <errno.h>
#include <stdio.h>

#include <string>

#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "util/files/file_errors.h"

namespace zw::files {

namespace {

constexpr int kReadLineLimit = 8192;

// A handle is used only when the host knows it as one of its open streams;
// null, stale and garbage handles give -87 instead of a crash in the runtime.
bool IsStream(FILE* file) {
    return file && HostFileIsOpen(file);
}

// The Windows error behind a failed runtime call: the last error when the
// runtime reached Windows, else its _doserrno, else a code for its errno.
int RuntimeFailure() {
    if (const DWORD error = GetLastError()) return -static_cast<int>(error);
    if (_doserrno) return -static_cast<int>(_doserrno);
    switch (errno) {
    case EINVAL: return kInvalidParameter;
    case EBADF: return -static_cast<int>(ERROR_INVALID_HANDLE);
    case ENOSPC: return kDiskFull;
    default: return -1;
    }
}

void ClearErrors() {
    SetLastError(0);
    _doserrno = 0;
    errno = 0;
}

// The library's own file opener: interprets the OpenFile flags that do not open
// anything (parse, delete, exist), looks the name up along the search path
// unless it is being created, and leaves the opening itself to the host.
// Returns 0 or a failure with the last error set (0 when there is no code).
int OpenFileStream(FILE** file, LPCWSTR name, UINT flags) {
    if (flags & OF_PARSE) return 0;
    std::wstring path = name;
    if (!(flags & OF_CREATE)) {
        WCHAR found[MAX_PATH] = {};
        const DWORD length = SearchPathW(nullptr, name, nullptr, MAX_PATH, found, nullptr);
        if (!length || length >= MAX_PATH) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return -1;
        }
        path.assign(found, length);
    }
    if (flags & OF_DELETE) return DeleteFileW(path.c_str()) ? 0 : -1;
    if (flags & OF_EXIST) {
        if (!(flags & OF_CREATE)) return 0;
        // Creating for an existence test makes the file and closes it at once.
        FILE* created = nullptr;
        if (HostFileOpen(&created, path.c_str(), flags) <= 0) return -1;
        HostFileClose(created);
        return 0;
    }
    if (flags & OF_CREATE) flags |= OF_WRITE;
    SetLastError(0);
    return HostFileOpen(file, path.c_str(), flags) > 0 ? 0 : -1;
}

}  // namespace

}  // namespace zw::files

using zw::files::IsStream;
using zw::files::kInvalidParameter;

extern "C" int __stdcall ZelFileOpen(FILE** file, LPCWSTR name, UINT flags) {
    if (!file || !name) return kInvalidParameter;
    *file = nullptr;
    return zw::Guarded(L"ZelFileOpen()", zw::files::kOutOfMemory, [&] {
        return zw::files::OpenFileStream(file, name, flags) == 0 ? 0 : zw::files::NegatedLastError();
    });
}

extern "C" int __stdcall ZelFileClose(FILE* file) {
    if (!IsStream(file)) return kInvalidParameter;
    return zw::Guarded(L"ZelFileClose()", kInvalidParameter, [&] {
        SetLastError(0);
        return HostFileClose(file) ? 0 : zw::files::NegatedLastError();
    });
}

extern "C" int __stdcall ZelFileRead(FILE* file, void* buffer, DWORD count) {
    if (!IsStream(file) || (!buffer && count)) return kInvalidParameter;
    return zw::Guarded(L"ZelFileRead()", kInvalidParameter, [&] { return HostFileRead(file, buffer, count); });
}

extern "C" int __stdcall ZelFileReadString(FILE* file, HOSTSTR* line) {
    if (!IsStream(file) || !line) return kInvalidParameter;
    return zw::Guarded(L"ZelFileReadString()", zw::files::kNoMoreFiles, [&] {
        return HostFileReadLine(file, line, zw::files::kReadLineLimit) ? 0 : zw::files::kNoMoreFiles;
    });
}

extern "C" int __stdcall ZelFileWrite(FILE* file, const void* buffer, DWORD count) {
    if (!IsStream(file) || (!buffer && count)) return kInvalidParameter;
    if (count == 0) return 0;
    return zw::Guarded(L"ZelFileWrite()", kInvalidParameter, [&] {
        SetLastError(0);
        const int written = HostFileWrite(file, buffer, count);
        return written > 0 ? written : zw::files::NegatedLastError();
    });
}

extern "C" int __stdcall ZelFileWriteString(FILE* file, LPCWSTR text) {
    if (!IsStream(file) || !text) return kInvalidParameter;
    return zw::Guarded(L"ZelFileWriteString()", kInvalidParameter, [&] {
        SetLastError(0);
        return HostFileWriteLine(file, text) ? 0 : zw::files::NegatedLastError();
    });
}

extern "C" int __stdcall ZelFileSeek(FILE* file, LONG offset, int origin) {
    if (!IsStream(file) || origin < SEEK_SET || origin > SEEK_END) return kInvalidParameter;
    return zw::Guarded(L"ZelFileSeek()", kInvalidParameter, [&] {
        zw::files::ClearErrors();
        return fseek(file, offset, origin) == 0 ? 0 : zw::files::RuntimeFailure();
    });
}

extern "C" int __stdcall ZelFileTell(FILE* file) {
    if (!IsStream(file)) return kInvalidParameter;
    return zw::Guarded(L"ZelFileTell()", kInvalidParameter, [&] {
        zw::files::ClearErrors();
        const long position = ftell(file);
        return position >= 0 ? static_cast<int>(position) : zw::files::RuntimeFailure();
    });
}
