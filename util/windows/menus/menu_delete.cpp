// ZelMenuDelete: takes an item out of its menu, with the record and text copy
// the library kept of it. A host frame's menu is attached to the frame again.
#include <windows.h>

#include "frame/call_frame.h"
#include "include/zwi51.h"
#include "util/windows/menus/menu_items.h"
#include "util/windows/menus/menu_owner.h"
#include "util/windows/menus/menu_state.h"

namespace zw::menus {
namespace {

BOOL DeleteItem(HMENU menu, int item, HWND window) {
    const OwnerFrame frame = FindOwnerFrame(menu);
    ItemRef ref;
    if (!(frame.object ? ResolveFrameItem(menu, item, &ref) : ResolveWin32Item(menu, item, -1, &ref))) return FALSE;
    if (!DeleteMenu(ref.menu, UINT(ref.position), MF_BYPOSITION)) return FALSE;
    ReleaseItemRecord(ref.menu, ref.key);
    if (frame.object && !frame.systemMenu) frame.object->AttachMenu(frame.object->GetOurMenuHandle());
    if (IsWindow(window) && MenuBarOf(window) == ref.menu) DrawMenuBar(window);
    return TRUE;
}

}  // namespace
}  // namespace zw::menus

extern "C" BOOL __stdcall ZelMenuDelete(HMENU menu, int item, HWND window) {
    if (!IsMenu(menu)) return FALSE;
    return zw::Guarded(L"ZelMenuDelete()", FALSE, [&] { return zw::menus::DeleteItem(menu, item, window); },
                       zw::kNoDebugText);
}
