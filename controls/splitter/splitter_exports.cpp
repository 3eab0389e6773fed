// ZelSplitGetOrientation, ZelSplitMoveToDragPos, ZelSplitResizeObjects,
// ZelSplitSetChild, ZelSplitTileToParent: the splitter's functions, called
// with the instance that the splitter announced with ZWM_ControlCreate.
// They report nothing of their own: a failure returns the failure value.
#include "controls/splitter/splitter.h"
#include "frame/call_frame.h"

using zw::CSplitter;

extern "C" int __stdcall ZelSplitGetOrientation(void* instance) {
    return zw::ControlCall<CSplitter>(L"ZelSplitGetOrientation()", instance, -1, nullptr,
                                      [](CSplitter& s) { return s.Orientation(); });
}

extern "C" int __stdcall ZelSplitMoveToDragPos(void* instance) {
    return zw::ControlCall<CSplitter>(L"ZelSplitMoveToDragPos()", instance, -1, nullptr,
                                      [](CSplitter& s) { return s.MoveToDragPos(); });
}

extern "C" int __stdcall ZelSplitResizeObjects(void* instance) {
    return zw::ControlCall<CSplitter>(L"ZelSplitResizeObjects()", instance, 0, nullptr, [](CSplitter& s) {
        s.ResizeObjects();
        return 1;
    });
}

extern "C" HWND __stdcall ZelSplitSetChild(void* instance, int which, HWND window) {
    return zw::ControlCall<CSplitter>(L"ZelSplitSetChild()", instance, HWND(nullptr), nullptr, [&](CSplitter& s) {
        if (!IsWindow(window)) throw zw::InvalidArgException();
        return s.SetChild(which, window);
    });
}

extern "C" int __stdcall ZelSplitTileToParent(void* instance) {
    return zw::ControlCall<CSplitter>(L"ZelSplitTileToParent()", instance, 0, nullptr, [](CSplitter& s) {
        s.TileToParent();
        return 1;
    });
}
