// ZelMenuCheck, ZelMenuUncheck, ZelMenuEnable, ZelMenuDisable,
// ZelMenuIsChecked and ZelMenuIsEnabled: the check mark and the enabled
// state of an item, through the frame's methods on a host frame's menu.
#include <windows.h>

#include "frame/call_frame.h"
#include "include/zwi51.h"
#include "util/windows/menus/menu_items.h"
#include "util/windows/menus/menu_owner.h"

namespace zw::menus {
namespace {

enum class Mark { kChecked, kEnabled };

BOOL SetMark(HMENU menu, int item, Mark mark, bool on) {
    const OwnerFrame frame = FindOwnerFrame(menu);
    if (frame.object) {
        UINT identifier = 0;
        if (!FrameIdentifier(menu, item, &identifier)) return FALSE;
        const BOOL done = mark == Mark::kChecked ? frame.object->SetMenuCheck(menu, item, identifier, on)
                                                 : frame.object->SetMenuEnable(menu, item, identifier, on);
        return done ? TRUE : FALSE;
    }
    const UINT by = Win32By(item, 0);
    if (mark == Mark::kChecked) {
        return CheckMenuItem(menu, UINT(item), by | (on ? MF_CHECKED : MF_UNCHECKED)) != DWORD(-1);
    }
    return EnableMenuItem(menu, UINT(item), by | (on ? MF_ENABLED : MF_GRAYED | MF_DISABLED)) != -1;
}

// The item's MF_ state bits; false when there is no such item.
bool Win32State(HMENU menu, UINT item, UINT by, UINT* state) {
    *state = GetMenuState(menu, item, by);
    return *state != UINT(-1);
}

BOOL HasMark(HMENU menu, int item, Mark mark) {
    const OwnerFrame frame = FindOwnerFrame(menu);
    UINT state = 0;
    if (frame.object) {
        UINT identifier = 0;
        if (!FrameIdentifier(menu, item, &identifier)) return FALSE;
        // A popup has no command identifier to ask the frame about: its
        // state is read from the menu.
        if (identifier == UINT(-1)) {
            if (item >= kFirstFrameCommand || !Win32State(menu, UINT(item), MF_BYPOSITION, &state)) return FALSE;
        } else {
            const BOOL set = mark == Mark::kChecked ? frame.object->GetMenuCheck(identifier)
                                                    : frame.object->GetMenuEnable(identifier);
            return set ? TRUE : FALSE;
        }
    } else if (!Win32State(menu, UINT(item), Win32By(item, 0), &state)) {
        return FALSE;
    }
    return mark == Mark::kChecked ? (state & MF_CHECKED) != 0 : (state & MF_GRAYED) == 0;
}

}  // namespace
}  // namespace zw::menus

using zw::menus::Mark;

extern "C" BOOL __stdcall ZelMenuCheck(HMENU menu, int item) {
    if (!IsMenu(menu)) return FALSE;
    return zw::Guarded(L"ZelMenuCheck()", FALSE, [&] { return zw::menus::SetMark(menu, item, Mark::kChecked, true); },
                       zw::kNoDebugText);
}

extern "C" BOOL __stdcall ZelMenuUncheck(HMENU menu, int item) {
    if (!IsMenu(menu)) return FALSE;
    return zw::Guarded(L"ZelMenuUncheck()", FALSE,
                       [&] { return zw::menus::SetMark(menu, item, Mark::kChecked, false); }, zw::kNoDebugText);
}

extern "C" BOOL __stdcall ZelMenuEnable(HMENU menu, int item) {
    if (!IsMenu(menu)) return FALSE;
    return zw::Guarded(L"ZelMenuEnable()", FALSE,
                       [&] { return zw::menus::SetMark(menu, item, Mark::kEnabled, true); }, zw::kNoDebugText);
}

extern "C" BOOL __stdcall ZelMenuDisable(HMENU menu, int item) {
    if (!IsMenu(menu)) return FALSE;
    return zw::Guarded(L"ZelMenuDisable()", FALSE,
                       [&] { return zw::menus::SetMark(menu, item, Mark::kEnabled, false); }, zw::kNoDebugText);
}

extern "C" BOOL __stdcall ZelMenuIsChecked(HMENU menu, int item) {
    if (!IsMenu(menu)) return FALSE;
    return zw::Guarded(L"ZelMenuIsChecked()", FALSE, [&] { return zw::menus::HasMark(menu, item, Mark::kChecked); },
                       zw::kNoDebugText);
}

extern "C" BOOL __stdcall ZelMenuIsEnabled(HMENU menu, int item) {
    if (!IsMenu(menu)) return FALSE;
    return zw::Guarded(L"ZelMenuIsEnabled()", FALSE, [&] { return zw::menus::HasMark(menu, item, Mark::kEnabled); },
                       zw::kNoDebugText);
}
