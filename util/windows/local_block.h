// A moveable local memory block locked for the lifetime of the owner, read as
// a record of type T (or an array of them). The blocks that the window
// utilities, menus and table helpers keep for their windows are reached
// through it, so every path out unlocks them.
#pragma once

#include <windows.h>

namespace zw::windows {

template <typename T>
class LockedLocal {
public:
    explicit LockedLocal(HLOCAL handle)
        : handle_(handle), record_(handle ? static_cast<T*>(LocalLock(handle)) : nullptr) {}
    ~LockedLocal() {
        if (record_) LocalUnlock(handle_);
    }
    LockedLocal(const LockedLocal&) = delete;
    LockedLocal& operator=(const LockedLocal&) = delete;

    T* operator->() const { return record_; }
    T* Get() const { return record_; }
    explicit operator bool() const { return record_ != nullptr; }

private:
    HLOCAL handle_;
    T* record_;
};

// A new zero-filled moveable block, freed with the
// owner unless released; for blocks that go into a window property only once
// everything else has worked.
class NewLocal {
public:
    explicit NewLocal(SIZE_T bytes) : handle_(LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, bytes)) {}
    ~NewLocal() {
        if (handle_) LocalFree(handle_);
    }
    NewLocal(const NewLocal&) = delete;
    NewLocal& operator=(const NewLocal&) = delete;

    HLOCAL Get() const { return handle_; }
    HLOCAL Release() {
        HLOCAL handle = handle_;
        handle_ = nullptr;
        return handle;
    }

private:
    HLOCAL handle_;
};

// A new block of type Block, its `previous` field holding the window's
// present procedure, put under the window property `property` so that a
// subclass procedure installed next can find it. Null, with nothing left
// behind, when memory is short or the property cannot be set; the caller
// frees the block if it then cannot subclass the window.
template <typename Block>
HLOCAL AttachProcedureBlock(HWND window, const wchar_t* property) {
    NewLocal block(sizeof(Block));
    if (!block.Get()) return nullptr;
    {
        LockedLocal<Block> locked(block.Get());
        if (!locked) return nullptr;
        locked->previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    }
    if (!SetPropW(window, property, block.Get())) return nullptr;
    return block.Release();
}

}  // namespace zw::windows
