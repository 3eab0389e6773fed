// Host file operations over C runtime streams. A host file handle is a FILE*
// from the shared runtime (msvcrt), opened in binary mode so that byte counts
// and positions are exact; text lines are converted here, in the ANSI code page.
#include <windows.h>

#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <stdio.h>
#include <sys/stat.h>

#include <set>
#include <string>

#include "frame/host_api.h"

namespace {

// Keeps the Windows error of a failed runtime call visible to the caller: the
// runtime records it in _doserrno, but later calls may reset the last error.
void KeepRuntimeError(DWORD fallback) {
    const DWORD error = _doserrno ? static_cast<DWORD>(_doserrno) : fallback;
    SetLastError(error);
}

int AccessFlags(DWORD flags) {
    if (flags & OF_READWRITE) return _O_RDWR;
    if (flags & OF_WRITE) return _O_WRONLY;
    return _O_RDONLY;
}

int ShareFlags(DWORD flags) {
    switch (flags & 0x70) {
    case OF_SHARE_EXCLUSIVE: return _SH_DENYRW;
    case OF_SHARE_DENY_WRITE: return _SH_DENYWR;
    case OF_SHARE_DENY_READ: return _SH_DENYRD;
    default: return _SH_DENYNO;
    }
}

const char* StreamMode(int access) {
    switch (access) {
    case _O_RDWR: return "r+b";
    case _O_WRONLY: return "wb";
    default: return "rb";
    }
}

// The streams HostFileOpen made and HostFileClose has not closed: a handle
// is only ever given to the runtime when it is one of them, so a stale or
// made-up handle is refused instead of crashing inside the runtime.
std::set<FILE*>& OpenStreams() {
    static std::set<FILE*> streams;
    return streams;
}

bool IsStream(FILE* file) {
    return file && OpenStreams().count(file) != 0;
}

// A stream opened for one direction is refused the other before the runtime
// sees the call: its buffer would otherwise take the bytes and the failure
// would only show when the stream is flushed or closed.
bool CanRead(FILE* file) { return file->_flag & (_IOREAD | _IORW); }
bool CanWrite(FILE* file) { return file->_flag & (_IOWRT | _IORW); }

// Whether a stream operation may go on: a live stream, valid other arguments,
// and a stream open in the operation's direction. Sets the last error when not.
bool Ready(FILE* file, bool argumentsValid, bool (*direction)(FILE*)) {
    if (!IsStream(file) || !argumentsValid) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    if (!direction(file)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return true;
}

}  // namespace

extern "C" int __stdcall HostFileOpen(FILE** file, LPCWSTR name, DWORD flags) {
    if (!file || !name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    *file = nullptr;
    const int access = AccessFlags(flags);
    int openFlags = access | _O_BINARY | _O_NOINHERIT;
    if (flags & OF_CREATE) openFlags |= _O_CREAT | _O_TRUNC;
    _doserrno = 0;
    const int fd = _wsopen(name, openFlags, ShareFlags(flags), _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        KeepRuntimeError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    FILE* stream = _fdopen(fd, StreamMode(access));
    if (!stream) {
        _close(fd);
        SetLastError(ERROR_TOO_MANY_OPEN_FILES);
        return 0;
    }
    try {
        OpenStreams().insert(stream);
    } catch (...) {
        fclose(stream);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    *file = stream;
    return 1;
}

extern "C" BOOL __stdcall HostFileClose(FILE* file) {
    if (!IsStream(file)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    OpenStreams().erase(file);
    _doserrno = 0;
    if (fclose(file) != 0) {
        KeepRuntimeError(ERROR_WRITE_FAULT);
        return FALSE;
    }
    return TRUE;
}

extern "C" int __stdcall HostFileRead(FILE* file, void* buffer, DWORD count) {
    if (!Ready(file, buffer || !count, CanRead)) return 0;
    _doserrno = 0;
    const size_t read = fread(buffer, 1, count, file);
    if (read < count && ferror(file)) KeepRuntimeError(ERROR_READ_FAULT);
    return static_cast<int>(read);
}

extern "C" BOOL __stdcall HostFileReadLine(FILE* file, HOSTSTR* line, int maxLength) {
    if (!Ready(file, line && maxLength >= 1, CanRead)) return FALSE;
    std::string bytes;
    bool sawAny = false;
    _lock_file(file);
    while (bytes.size() + 1 < static_cast<size_t>(maxLength)) {
        const int c = getc(file);
        if (c == EOF) break;
        sawAny = true;
        if (c == '\n') break;
        bytes.push_back(static_cast<char>(c));
    }
    const bool failed = ferror(file) != 0;
    _unlock_file(file);
    if (!sawAny || failed) {
        SetLastError(failed ? ERROR_READ_FAULT : ERROR_HANDLE_EOF);
        return FALSE;
    }
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();

    const int size = static_cast<int>(bytes.size());
    const int characters = size ? MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0) : 0;
    if (!HostStrSetSize(line, (characters + 1) * sizeof(WCHAR))) return FALSE;
    DWORD storage = 0;
    WCHAR* text = HostStrLock(*line, &storage);
    if (!text) return FALSE;
    if (characters) MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text, characters);
    text[characters] = L'\0';
    return TRUE;
}

extern "C" int __stdcall HostFileWrite(FILE* file, const void* buffer, DWORD count) {
    if (!Ready(file, buffer || !count, CanWrite)) return 0;
    _doserrno = 0;
    const size_t written = fwrite(buffer, 1, count, file);
    if (written < count) KeepRuntimeError(ERROR_WRITE_FAULT);
    return static_cast<int>(written);
}

extern "C" BOOL __stdcall HostFileWriteLine(FILE* file, LPCWSTR text) {
    if (!Ready(file, text != nullptr, CanWrite)) return FALSE;
    const int length = lstrlenW(text);
    std::string bytes;
    if (length) {
        const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
        bytes.resize(size);
        WideCharToMultiByte(CP_ACP, 0, text, length, bytes.data(), size, nullptr, nullptr);
    }
    bytes += "\r\n";
    _doserrno = 0;
    if (fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        KeepRuntimeError(ERROR_WRITE_FAULT);
        return FALSE;
    }
    return TRUE;
}

extern "C" BOOL __stdcall HostFileIsOpen(FILE* file) {
    return IsStream(file);
}
