#include "controls/splitter/splitter_resources.h"

#include "controls/gdi_owners.h"
#include "frame/app.h"

namespace zw {

namespace {

constexpr wchar_t kInnerClassName[] = L"ZW:Splitter:10";

void RegisterInnerClass() {
    WNDCLASSW existing{};
    if (GetClassInfoW(ModuleInstance(), kInnerClassName, &existing)) return;
    WNDCLASSW wc{};
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = ModuleInstance();
    wc.lpszClassName = kInnerClassName;
    RegisterClassW(&wc);
}

struct Owned {
    Owned() {
        RegisterInnerClass();
        const HINSTANCE module = ModuleInstance();
        shared.verticalCursor = LoadCursorW(module, L"IDC_VSplit");
        shared.horizontalCursor = LoadCursorW(module, L"IDC_HSplit");
        gdi::Object<HBITMAP> pattern(LoadBitmapW(module, L"IDB_PatternGray"));
        brush.Reset(pattern ? CreatePatternBrush(pattern.Get()) : nullptr);
        shared.patternBrush = brush.Get();
    }
    SplitterResources shared{};
    gdi::Object<HBRUSH> brush;  // a pattern brush keeps its own copy of the bitmap
};

}  // namespace

const SplitterResources& SharedSplitterResources() {
    static const Owned owned;
    return owned.shared;
}

}  // namespace zw
