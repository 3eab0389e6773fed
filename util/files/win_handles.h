// Owners of the Windows handles the file functions take, so that every exit
// path (an early error return or an exception) releases them.
#pragma once

#include <windows.h>
#include <lzexpand.h>

#include <utility>

namespace zw::files {

// A file handle from CreateFileW.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // Closes now; false (with the last error set) when closing fails, which for
    // a written file can mean the last data did not reach the disk.
    bool Close() {
        if (!Valid()) return true;
        const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// A search from FindFirstFileW.
class FindSearch {
public:
    explicit FindSearch(HANDLE handle) : handle_(handle) {}
    ~FindSearch() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    FindSearch(const FindSearch&) = delete;
    FindSearch& operator=(const FindSearch&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// A fixed global memory block.
class GlobalBlock {
public:
    explicit GlobalBlock(SIZE_T bytes) : block_(GlobalAlloc(GMEM_FIXED, bytes)) {}
    ~GlobalBlock() {
        if (block_) GlobalFree(block_);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    bool Valid() const { return block_ != nullptr; }
    BYTE* Bytes() const { return static_cast<BYTE*>(block_); }

private:
    HGLOBAL block_;
};

// A file opened through the LZ library (negative values are LZ error codes).
class LzFile {
public:
    explicit LzFile(INT handle) : handle_(handle) {}
    ~LzFile() {
        if (handle_ >= 0) LZClose(handle_);
    }
    LzFile(const LzFile&) = delete;
    LzFile& operator=(const LzFile&) = delete;

    bool Valid() const { return handle_ >= 0; }
    INT Get() const { return handle_; }

private:
    INT handle_;
};

}  // namespace zw::files
