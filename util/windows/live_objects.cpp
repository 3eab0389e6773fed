// The private leak-accounting query, exported by ordinal only.
#include "util/windows/live_objects.h"

#include <windows.h>

#include "controls/outline/core/outline_tree.h"
#include "controls/outline/pictures/caches.h"
#include "controls/outline/pictures/pic.h"
#include "frame/call_frame.h"
#include "frame/wnd.h"
#include "util/strings/table_registry.h"
#include "util/windows/debug_timing.h"
#include "util/windows/message_box/msg_button.h"
#include "util/windows/menus/menu_state.h"

namespace zw {

int LiveObjectCount(int kind) {
    switch (kind) {
    case kLiveRowRecords: return static_cast<int>(outline::LiveRecordCount());
    case kLiveTreeNodes: return static_cast<int>(outline::LiveNodeCount());
    case kLivePictures: return static_cast<int>(PIC::LiveCount());
    case kLiveFonts: return static_cast<int>(FONT::LiveCount());
    case kLiveWindowObjects: return static_cast<int>(Wnd::LiveCount());
    case kLiveCaches: return static_cast<int>(LiveCacheCount());
    case kLiveTimingMarks: return static_cast<int>(windows::LiveTimingMarkCount());
    case kLiveStringTables: return static_cast<int>(strings::LiveTableCount());
    case kLiveMessageButtons: return static_cast<int>(msgbox::MessageButton::LiveCount());
    case kLiveMenuRecords: return static_cast<int>(menus::LiveMenuRecordCount());
    case kLiveKindCount: {
        int sum = 0;
        for (int k = 0; k < kLiveKindCount; ++k) sum += LiveObjectCount(k);
        return sum;
    }
    default: return -1;
    }
}

}  // namespace zw

extern "C" int __stdcall ZwLiveObjects(int kind) {
    return zw::Guarded(L"ZwLiveObjects()", -1, [&] { return zw::LiveObjectCount(kind); }, zw::kNoDebugText);
}
