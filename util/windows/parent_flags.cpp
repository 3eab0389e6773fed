// The parent window procedure of forms whose windows follow the required
// fields: on every change of selection or text reported by a child it runs
// the required-field test and enables or disables the buttons that depend on
// it. Its previous procedure is kept in a moveable local memory block in the
// window property "ZW:ParentWinFlags".
#include "util/windows/host_windows.h"
#include "util/windows/local_block.h"
#include "util/windows/required_fields.h"

namespace zw::windows {
namespace {

constexpr wchar_t kParentProperty[] = L"ZW:ParentWinFlags";

// Notification codes after which the test runs: LBN_SELCHANGE and
// CBN_SELCHANGE (1), CBN_EDITCHANGE (5), EN_CHANGE (0x300).
bool IsChangeNotification(WORD code) { return code == 1 || code == CBN_EDITCHANGE || code == EN_CHANGE; }

struct ParentFlagBlock {
    WNDPROC previous;  // the window's procedure before the parent procedure
};

WNDPROC PreviousOf(HWND window) {
    LockedLocal<ParentFlagBlock> locked(GetPropW(window, kParentProperty));
    return locked ? locked->previous : nullptr;
}

void FreeBlock(HWND window) {
    if (HLOCAL handle = RemovePropW(window, kParentProperty)) LocalFree(handle);
}

LRESULT CALLBACK ParentFlagsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = PreviousOf(window);
    if (!previous) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        if (IsChangeNotification(HIWORD(wParam))) {
            try {
                UpdateRequiredButtons(window);
            } catch (...) {
                // The buttons keep their state; the message still goes on.
            }
        }
        break;
    case WM_DESTROY:
        // As the field procedure: put back only while it is the window's own.
        if (GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ParentFlagsProc)) {
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            FreeBlock(window);
        }
        break;
    case WM_NCDESTROY: {
        const LRESULT result = CallWindowProcW(previous, window, message, wParam, lParam);
        FreeBlock(window);
        return result;
    }
    default:
        break;
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

// Subclasses one window once.
bool Watch(HWND window) {
    if (GetPropW(window, kParentProperty)) return true;
    if (!IsOwnWindow(window)) return false;
    const HLOCAL block = AttachProcedureBlock<ParentFlagBlock>(window, kParentProperty);
    if (!block) return false;
    if (!SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ParentFlagsProc))) {
        LocalFree(RemovePropW(window, kParentProperty));
        return false;
    }
    return true;
}

}  // namespace

bool WatchRequiredFields(HWND parent) {
    if (!parent) return true;
    if (!Watch(parent)) return false;
    // A form that is a child window shares its frame with sibling panes (tool
    // bars and the like): their buttons follow the required fields too, and
    // changes in their own fields run the test as well.
    if (GetWindowLongW(parent, GWL_STYLE) & WS_CHILD) {
        for (HWND sibling = GetWindow(parent, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
            Watch(sibling);
    }
    return true;
}

}  // namespace zw::windows
