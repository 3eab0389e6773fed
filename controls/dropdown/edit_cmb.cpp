#include "controls/dropdown/edit_cmb.h"

#include "controls/dropdown/dropdown_protocol.h"
#include "frame/app.h"
#include "frame/host_api.h"

namespace zw {

CEditCmb* CEditCmb::Create(CEditCmb* edit, DWORD style, const RECT& rect, HWND parent, UINT id) {
    if (!edit) return nullptr;
    HWND window = CreateWindowExW(0, L"EDIT", L"", style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  ModuleInstance(), nullptr);
    if (!window || !edit->Subclass(window)) {
        if (window) DestroyWindow(window);
        delete edit;
        return nullptr;
    }
    return edit;
}

LRESULT CEditCmb::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool key = message == WM_KEYDOWN || message == WM_KEYUP;
    const bool mouse = message >= WM_LBUTTONDOWN && message <= WM_RBUTTONDBLCLK;
    if (passInput_ && (key || mouse)) {
        SendMessageW(GetParent(Handle()), message, wParam, lParam);
        if (message == WM_LBUTTONDOWN) return 0;
    }
    switch (message) {
    case WM_CHAR: {
        if (OnChar(static_cast<wchar_t>(wParam))) return 0;
        const LRESULT result = Default(message, wParam, lParam);
        if (!IsReadOnly()) HostSetFieldEdited(GetParent(Handle()), TRUE);
        return result;
    }
    case WM_KEYDOWN:
        if (wParam != VK_F4) break;
        NotifyContainer(dropdown::kCodeDropDown);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam != VK_DOWN) break;
        NotifyContainer(dropdown::kCodeDropDown);
        return 0;
    case WM_SETFOCUS: OnSetFocus(wParam, lParam); return 0;
    }
    return Default(message, wParam, lParam);
}

bool CEditCmb::OnChar(wchar_t) {
    return false;
}

void CEditCmb::NotifyContainer(WORD code) const {
    dropdown::PostNotification(GetParent(Handle()), Handle(), code);
}

void CEditCmb::OnSetFocus(WPARAM wParam, LPARAM lParam) {
    if (!AskHostForFocus(reinterpret_cast<HWND>(wParam), 1)) return;
    Default(WM_SETFOCUS, wParam, lParam);
    SendMessageW(Handle(), EM_SETSEL, 0, -1);
    SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
}

}  // namespace zw
