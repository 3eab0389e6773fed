// ZelListSetStyle, ZelListGetStyle and ZelListSetIndent: turning a host list
// or combo box into an outline box, and taking the outline off again when
// the box goes.
#include <windows.h>

#include <unordered_map>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/outline_box.h"
#include "controls/outline/pictures/caches.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

WNDPROC CurrentProcedure(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

WNDPROC Replace(HWND window, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

DWORD ListWindowStyle(DWORD windowStyle, DWORD style) {
    if (style & kStyleMultipleSel) windowStyle |= LBS_MULTIPLESEL;
    else if (style & kStyleExtendedSel) windowStyle |= LBS_EXTENDEDSEL;
    if (style & kStyleNoIntegralHeight) windowStyle |= LBS_NOINTEGRALHEIGHT;
    if (style & kStyleDisableNoScroll) windowStyle |= LBS_DISABLENOSCROLL;
    if (style & kStyleAttachMask) windowStyle = (windowStyle | LBS_OWNERDRAWVARIABLE) & ~DWORD(LBS_HASSTRINGS);
    if (style & (kStyleWideExtent | kStyleHorizontalScroll)) windowStyle |= WS_HSCROLL;
    return windowStyle;
}

DWORD ComboWindowStyle(DWORD windowStyle, DWORD style) {
    if (style & kStyleNoIntegralHeight) windowStyle |= CBS_NOINTEGRALHEIGHT;
    if (style & kStyleDisableNoScroll) windowStyle |= CBS_DISABLENOSCROLL;
    if (style & kStyleAttachMask) windowStyle = (windowStyle | CBS_OWNERDRAWVARIABLE) & ~DWORD(CBS_HASSTRINGS);
    return windowStyle;
}

// Subclasses the parent and the box when they are not yet; false (with both
// left as they were) when memory runs out.
bool AttachOutline(HWND box, HWND parent, bool combo) {
    bool madeParent = false;
    if (!HasParentState(parent)) {
        if (!CreateParentState(parent, CurrentProcedure(parent))) return false;
        Replace(parent, &LbxParentWndProc);
        madeParent = true;
    }
    if (!HasOutlineState(box)) {
        if (!CreateOutlineState(box, CurrentProcedure(box), combo)) {
            if (madeParent) {
                ParentState state{};
                ReadParentState(parent, &state);
                Replace(parent, state.underlying);
                DestroyParentState(parent);
            }
            return false;
        }
        Replace(box, combo ? &LbxComboBoxWndProc : &LbxListBoxWndProc);
        ChangeOutlineState(box, [](OutlineState& s) { s.indentUnit = kDefaultIndentUnit; });
    }
    return true;
}

int SetStyle(HWND box, DWORD style, CREATESTRUCTW* create) {
    HWND parent = GetParent(box);
    const BoxKind kind = KindOf(box);
    if (!parent || kind == BoxKind::None) return 0;
    const bool combo = kind == BoxKind::Combo;
    if (style & kStyleAttachMask) {
        if (!AttachOutline(box, parent, combo)) return 0;
        const bool hscroll = (GetWindowLongW(box, GWL_STYLE) & WS_HSCROLL) != 0;
        ChangeOutlineState(box, [&](OutlineState& s) {
            s.style |= style | kStyleOutline | (hscroll ? DWORD(kStyleHorizontalScroll) : 0u);
            if (style & kStyleButtons) {
                s.style |= kStylePaintPictureColumn;
                s.indentUnit = kButtonIndentUnit;
            }
        });
    }
    if (!combo) {
        const DWORD windowStyle = ListWindowStyle(GetWindowLongW(box, GWL_STYLE), style);
        if (create) create->style = LONG(ListWindowStyle(DWORD(create->style), style));
        SetWindowLongW(box, GWL_STYLE, LONG(windowStyle));
    } else {
        if (style & (kStyleComboExtendedUi | kStyleOutline)) PostMessageW(box, CB_SETEXTENDEDUI, 1, 0);
        if (create) {
            create->style = LONG(ComboWindowStyle(DWORD(create->style), style));
            SetWindowLongW(box, GWL_STYLE, create->style);
        }
    }
    return 1;
}

}  // namespace

void DetachBox(HWND box) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return;
    ReleaseRows(box, state);
    if (CurrentProcedure(box) == (state.isCombo ? &LbxComboBoxWndProc : &LbxListBoxWndProc))
        Replace(box, state.underlying);
    DestroyOutlineState(box);
    FreePictureCache(box);
    FreeFontCache(box);
}

}  // namespace zw::outline

extern "C" int __stdcall ZelListSetStyle(HWND list, DWORD style, CREATESTRUCTW* create) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListSetStyle()", 0, [&] { return zw::outline::SetStyle(list, style, create); });
}

extern "C" DWORD __stdcall ZelListGetStyle(HWND list) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListGetStyle()", DWORD(0), [&] {
        zw::outline::OutlineState state{};
        return zw::outline::ReadOutlineState(list, &state) ? DWORD(state.style) : DWORD(0);
    });
}

extern "C" int __stdcall ZelListSetIndent(HWND list, int indent) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListSetIndent()", 0, [&] {
        const auto setIndent = [&](zw::outline::OutlineState& s) { s.indentUnit = indent; };
        return zw::outline::ChangeOutlineState(list, setIndent) ? 1 : 0;
    });
}
