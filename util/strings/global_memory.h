// Owners for global memory blocks and their locks, so every early return of the
// string-table functions releases what it took.
#pragma once

#include <windows.h>

#include <utility>

namespace zw::strings {

// An allocated global memory block, freed unless Release() hands it on.
class GlobalBlock {
public:
    GlobalBlock(UINT flags, SIZE_T bytes) : block_(GlobalAlloc(flags, bytes)) {}
    ~GlobalBlock() {
        if (block_) GlobalFree(block_);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    explicit operator bool() const { return block_ != nullptr; }
    HGLOBAL Get() const { return block_; }
    HGLOBAL Release() { return std::exchange(block_, nullptr); }

private:
    HGLOBAL block_;
};

// A lock on a global memory block for the lifetime of the object.
template <typename T>
class GlobalLocked {
public:
    explicit GlobalLocked(HGLOBAL block) : block_(block), data_(static_cast<T*>(GlobalLock(block))) {}
    ~GlobalLocked() {
        if (data_) GlobalUnlock(block_);
    }
    GlobalLocked(const GlobalLocked&) = delete;
    GlobalLocked& operator=(const GlobalLocked&) = delete;

    explicit operator bool() const { return data_ != nullptr; }
    T* Get() const { return data_; }

private:
    HGLOBAL block_;
    T* data_;
};

}  // namespace zw::strings
