// Keyboard accelerators: a list of records, each turning a key with a modifier
// combination into a message sent to a window, and the thread keyboard hook
// that exists while the list is not empty.
//
// A record is a moveable, zero-initialised local memory block; its handle is
// the accelerator handle given to the application. Records are linked both ways
// through their handles, in creation order, so the first matching record wins.
#include <windows.h>

#include <cstdint>

#include "frame/app.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"

namespace {

#pragma pack(push, 1)
struct AcceleratorRecord {
    std::int32_t modifier;   // modifier code 1 to 7, anything else: no modifier test
    std::uint16_t virtualKey;
    std::uint32_t window;    // target window
    std::uint32_t message;   // message sent on key-up
    std::uint32_t lParam;    // its lParam (wParam is 0)
    std::uint32_t next;      // handle of the next record, 0 at the end
    std::uint32_t previous;  // handle of the previous record, 0 at the start
};
#pragma pack(pop)
static_assert(sizeof(AcceleratorRecord) == 26, "accelerator records are 26 bytes");

HLOCAL firstRecord = nullptr;
HLOCAL lastRecord = nullptr;
HHOOK keyboardHook = nullptr;

HLOCAL AsHandle(std::uint32_t value) { return reinterpret_cast<HLOCAL>(static_cast<UINT_PTR>(value)); }
std::uint32_t AsValue(HLOCAL handle) { return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(handle)); }

// Locks a record for the lifetime of the object.
class LockedRecord {
public:
    explicit LockedRecord(HLOCAL handle)
        : handle_(handle), record_(handle ? static_cast<AcceleratorRecord*>(LocalLock(handle)) : nullptr) {}
    ~LockedRecord() { if (record_) LocalUnlock(handle_); }
    LockedRecord(const LockedRecord&) = delete;
    LockedRecord& operator=(const LockedRecord&) = delete;
    AcceleratorRecord* operator->() const { return record_; }
    explicit operator bool() const { return record_ != nullptr; }

private:
    HLOCAL handle_;
    AcceleratorRecord* record_;
};

// Whether `handle` is one of our records: only those are ever locked, so a
// stale or garbage handle from the application is refused untouched.
bool IsRecord(HLOCAL handle) {
    for (HLOCAL h = firstRecord; h;) {
        if (h == handle) return true;
        LockedRecord record(h);
        if (!record) return false;
        h = AsHandle(record->next);
    }
    return false;
}

bool KeyDown(int key) { return GetKeyState(key) < 0; }

bool ModifiersMatch(std::int32_t code) {
    if (code < 1 || code > 7) return true;
    bool shift = (code & 1) != 0, ctrl = (code & 2) != 0, alt = (code & 4) != 0;
    return KeyDown(VK_SHIFT) == shift && KeyDown(VK_CONTROL) == ctrl && KeyDown(VK_MENU) == alt;
}

// A target inside a host child table is served only while the focus is in the
// same form as the table.
bool TargetReachable(HWND target) {
    HWND parent = GetParent(target);
    if (!parent || HostGetObjectType(parent) != HOST_TYPE_CHILD_TABLE) return true;
    HWND focus = GetFocus();
    return focus && GetParent(focus) == GetParent(parent);
}

bool InstallHook() {
    HMODULE module = GetModuleHandleW(L"ZWI51");
    if (!module) return false;
    auto proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module, "KeyboardHookProc")));
    if (!proc) return false;
    keyboardHook = SetWindowsHookExW(WH_KEYBOARD, proc, nullptr, GetCurrentThreadId());
    return keyboardHook != nullptr;
}

HLOCAL LoadAccelerator(HWND window, UINT message, int modifier, WORD virtualKey, LPARAM lParam) {
    if (!keyboardHook && !InstallHook()) return nullptr;
    HLOCAL handle = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(AcceleratorRecord));
    if (!handle) {
        if (!firstRecord && keyboardHook) {
            UnhookWindowsHookEx(keyboardHook);
            keyboardHook = nullptr;
        }
        return nullptr;
    }
    {
        LockedRecord record(handle);
        if (!record) {
            LocalFree(handle);
            return nullptr;
        }
        record->modifier = modifier;
        record->virtualKey = virtualKey;
        record->window = AsValue(reinterpret_cast<HLOCAL>(window));
        record->message = message;
        record->lParam = static_cast<std::uint32_t>(lParam);
        record->previous = AsValue(lastRecord);
    }
    if (lastRecord) {
        LockedRecord last(lastRecord);
        if (last) last->next = AsValue(handle);
    } else {
        firstRecord = handle;
    }
    lastRecord = handle;
    return handle;
}

BOOL FreeAccelerator(HLOCAL handle) {
    if (!handle || !IsRecord(handle)) return FALSE;
    HLOCAL next, previous;
    {
        LockedRecord record(handle);
        if (!record) return FALSE;
        next = AsHandle(record->next);
        previous = AsHandle(record->previous);
    }
    if (previous) {
        LockedRecord p(previous);
        if (p) p->next = AsValue(next);
    } else {
        firstRecord = next;
    }
    if (next) {
        LockedRecord n(next);
        if (n) n->previous = AsValue(previous);
    } else {
        lastRecord = previous;
    }
    LocalFree(handle);
    if (!firstRecord && keyboardHook) {
        UnhookWindowsHookEx(keyboardHook);
        keyboardHook = nullptr;
    }
    return TRUE;
}

// Returns true when the event was consumed.
bool HandleKey(WPARAM key, LPARAM keyData) {
    for (HLOCAL h = firstRecord; h;) {
        HWND target;
        UINT message;
        LPARAM lParam;
        {
            LockedRecord record(h);
            if (!record) return false;
            HLOCAL next = AsHandle(record->next);
            target = reinterpret_cast<HWND>(static_cast<UINT_PTR>(record->window));
            if (record->virtualKey != key || !TargetReachable(target) || !ModifiersMatch(record->modifier)) {
                h = next;
                continue;
            }
            message = record->message;
            lParam = static_cast<LPARAM>(record->lParam);
        }
        bool keyUp = (static_cast<DWORD>(keyData) & 0x80000000u) != 0;
        if (keyUp) SendMessageW(target, message, 0, lParam);
        return true;
    }
    return false;
}

}  // namespace

extern "C" HLOCAL __stdcall ZelWinLoadAccelerator(HWND hWnd, UINT message, int modifier, WORD virtualKey,
                                                  LPARAM lParam) {
    if (!IsWindow(hWnd)) return nullptr;
    return zw::Guarded(L"ZelWinLoadAccelerator()", HLOCAL(nullptr),
                       [&] { return LoadAccelerator(hWnd, message, modifier, virtualKey, lParam); });
}

extern "C" BOOL __stdcall ZelWinFreeAccelerator(HLOCAL accelerator) {
    return zw::Guarded(L"ZelWinFreeAccelerator()", BOOL(FALSE), [&] { return FreeAccelerator(accelerator); });
}

extern "C" LRESULT __stdcall KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
    // Only real removals are acted on: a peeked key (HC_NOREMOVE) comes back later.
    if (code == HC_ACTION) {
        bool consumed = zw::Guarded(L"KeyboardHookProc()", false, [&] { return HandleKey(wParam, lParam); });
        if (consumed) return 1;
    }
    return CallNextHookEx(keyboardHook, code, wParam, lParam);
}

extern "C" int __stdcall ZelGetWinFlags(void) {
    return zw::Guarded(L"ZelGetWinFlags()", 0, [] { return 0; });
}
