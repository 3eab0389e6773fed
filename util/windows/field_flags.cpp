// ZelWinGetFlags and ZelWinSetFlags: the flag word of a field, and the field
// procedure that acts on it.
//
// The flag block is a moveable local memory block in the window property
// "ZW:WinFlags": the window's previous procedure, then the flag word. The
// field procedure shortens path texts (flag 0x8) and swallows mouse clicks on
// read-only windows that are not data fields (flag 0x10); on WM_DESTROY it
// puts the previous procedure back and frees the block.
#include "util/windows/field_flags.h"

#include <string>

#include "frame/call_frame.h"
#include "util/windows/core/path_display.h"
#include "util/windows/host_windows.h"
#include "util/windows/local_block.h"
#include "util/windows/required_fields.h"

namespace zw::windows {
namespace {

constexpr wchar_t kFlagsProperty[] = L"ZW:WinFlags";

struct FieldFlagBlock {
    WNDPROC previous;  // the window's procedure before the field procedure
    DWORD flags;       // FieldFlag bits
};

// A copy of the window's block; false when it has none.
bool ReadBlock(HWND window, FieldFlagBlock* block) {
    LockedLocal<FieldFlagBlock> locked(GetPropW(window, kFlagsProperty));
    if (!locked) return false;
    *block = *locked.operator->();
    return true;
}

void FreeBlock(HWND window) {
    if (HLOCAL handle = RemovePropW(window, kFlagsProperty)) LocalFree(handle);
}

// WM_SETTEXT of a path display: the text shortened to the client width in
// the window's font goes on instead of the text given.
LRESULT SetPathText(HWND window, WNDPROC previous, WPARAM wParam, const wchar_t* text) {
    RECT client = {};
    GetClientRect(window, &client);
    std::wstring shown;
    if (HDC dc = GetDC(window)) {
        const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
        const HGDIOBJ before = font ? SelectObject(dc, font) : nullptr;
        auto measure = [dc](std::u16string_view part) {
            SIZE size = {};
            GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(part.data()), int(part.size()), &size);
            return int(size.cx);
        };
        const std::u16string fitted =
            ShortenPath(reinterpret_cast<const char16_t*>(text), int(client.right - client.left), measure);
        if (before) SelectObject(dc, before);
        ReleaseDC(window, dc);
        shown.assign(fitted.begin(), fitted.end());
    } else {
        shown = text;
    }
    return CallWindowProcW(previous, window, WM_SETTEXT, wParam, reinterpret_cast<LPARAM>(shown.c_str()));
}

LRESULT CALLBACK FieldFlagsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FieldFlagBlock block = {};
    if (!ReadBlock(window, &block) || !block.previous) return DefWindowProcW(window, message, wParam, lParam);
    try {
        switch (message) {
        case WM_SETTEXT:
            if ((block.flags & kFlagPathDisplay) && lParam)
                return SetPathText(window, block.previous, wParam, reinterpret_cast<const wchar_t*>(lParam));
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            if ((block.flags & kFlagReadOnly) && !IsDataField(window)) return 1;
            break;
        case WM_DESTROY:
            // Only while the field procedure is the window's own can the
            // previous one be put back; under a later subclass the block
            // stays until WM_NCDESTROY, to pass the last messages on.
            if (GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&FieldFlagsProc)) {
                SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(block.previous));
                FreeBlock(window);
            }
            break;
        case WM_NCDESTROY: {
            const LRESULT result = CallWindowProcW(block.previous, window, message, wParam, lParam);
            FreeBlock(window);
            return result;
        }
        default:
            break;
        }
    } catch (...) {
        // The message goes on unchanged.
    }
    return CallWindowProcW(block.previous, window, message, wParam, lParam);
}

// The window's block, made (and the window subclassed) when it has none.
// Null when it cannot be made; nothing is then left behind.
HLOCAL BlockOf(HWND window, bool* made) {
    *made = false;
    if (HLOCAL handle = GetPropW(window, kFlagsProperty)) return handle;
    HLOCAL block = AttachProcedureBlock<FieldFlagBlock>(window, kFlagsProperty);
    *made = block != nullptr;
    return block;
}

void ApplyReadOnly(HWND window, bool set) {
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    SetWindowLongW(window, GWL_STYLE, set ? style & ~WS_TABSTOP : style | WS_TABSTOP);
    if (IsDataField(window)) SendMessageW(window, EM_SETREADONLY, set ? TRUE : FALSE, 0);
}

}  // namespace

DWORD FieldFlags(HWND window) {
    FieldFlagBlock block = {};
    return ReadBlock(window, &block) ? block.flags : 0;
}

bool SetFieldFlags(HWND window, DWORD bits, bool set) {
    bool made = false;
    const HLOCAL handle = BlockOf(window, &made);
    if (!handle) return false;
    auto undo = [&] {
        if (made) FreeBlock(window);
        return false;
    };
    if (set && (bits & kFlagEnableWhenFilled) && !WatchRequiredFields(GetParent(window))) return undo();
    if (made && !SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FieldFlagsProc))) return undo();
    {
        LockedLocal<FieldFlagBlock> locked(handle);
        if (!locked) return undo();
        locked->flags = set ? locked->flags | bits : locked->flags & ~bits;
    }
    if (bits & kFlagReadOnly) ApplyReadOnly(window, set);
    return true;
}

}  // namespace zw::windows

extern "C" DWORD __stdcall ZelWinGetFlags(HWND window) {
    if (!IsWindow(window)) return 0;
    return zw::Guarded(L"ZelWinGetFlags()", DWORD(0), [&] { return zw::windows::FieldFlags(window); });
}

extern "C" BOOL __stdcall ZelWinSetFlags(HWND window, DWORD bits, BOOL set) {
    if (!zw::windows::IsOwnWindow(window)) return FALSE;
    return zw::Guarded(L"ZelWinSetFlags()", BOOL(FALSE),
                       [&] { return zw::windows::SetFieldFlags(window, bits, set != FALSE) ? TRUE : FALSE; });
}
