#include "controls/listview/dlg_header_lb.h"

#include <algorithm>
#include <new>
#include <string>

#include "controls/private_messages.h"
#include "frame/control_factories.h"
#include "frame/designer_data.h"

namespace zw::listview {

CDlgHeaderLB* CDlgHeaderLB::FromInstance(void* instance) {
    return dynamic_cast<CDlgHeaderLB*>(Control::FromInstance(instance));
}

CHeaderListBox* CDlgHeaderLB::List() const {
    return list_ ? dynamic_cast<CHeaderListBox*>(Wnd::FromHandle(list_)) : nullptr;
}

LRESULT CDlgHeaderLB::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(*reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_SIZE: return OnSize(LOWORD(lParam), HIWORD(lParam));
    case WM_SETFOCUS: return OnSetFocus();
    case WM_GETTEXT: return OnGetText(int(wParam), reinterpret_cast<wchar_t*>(lParam));
    case WM_GETTEXTLENGTH: return OnGetTextLength();
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_NOTIFY: return OnNotify(wParam, lParam);
    case WM_NOTIFYFORMAT: return NFR_UNICODE;
    // Meant for the host, which sees them on the way here.
    case ZWM_ControlCreate:
    case ZWM_ControlReady:
    case ZWM_ColumnSorted:
        return Default(message, wParam, lParam);
    }
    if (IsPrivateMessage(message)) NoteUnhandledPrivateMessage(L"CDlgHeaderLB", message);
    return Default(message, wParam, lParam);
}

LRESULT CDlgHeaderLB::OnCreate(const CREATESTRUCTW& create) {
    if (Default(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) return -1;
    RECT client{};
    GetClientRect(Handle(), &client);
    // Without its list the window still exists; the list functions then
    // report that there is none.
    CHeaderListBox* list =
        CHeaderListBox::Create(WS_CHILD | WS_VISIBLE, client, Handle(), 0, GetParent(Handle()), Handle());
    if (list) {
        list_ = list->Handle();
        SPropHeaderListBox record;
        if (LoadDesignerRecord(Handle(), create, kHeaderListItemName, record)) list->ApplyRecord(record);
    }
    SendMessageW(Handle(), ZWM_ControlReady, 0, 0);
    return 0;
}

LRESULT CDlgHeaderLB::OnSize(int width, int height) {
    if (list_) SetWindowPos(list_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CDlgHeaderLB::OnSetFocus() {
    if (list_) SetFocus(list_);
    return 0;
}

LRESULT CDlgHeaderLB::OnGetText(int size, wchar_t* buffer) {
    if (!buffer || size <= 0) return 0;
    const CHeaderListBox* list = List();
    const std::wstring text = list ? list->FirstSelectedText() : std::wstring();
    const std::size_t length = std::min<std::size_t>(text.size(), std::size_t(size - 1));
    std::copy_n(text.data(), length, buffer);
    buffer[length] = L'\0';
    return LRESULT(length);
}

LRESULT CDlgHeaderLB::OnGetTextLength() {
    const CHeaderListBox* list = List();
    return list ? LRESULT(list->FirstSelectedText().size()) : 0;
}

LRESULT CDlgHeaderLB::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (list_ && reinterpret_cast<HWND>(lParam) == list_ && HIWORD(wParam) == kNotifySelection)
        PostMessageW(Handle(), ZWM_HostClick, 0, 0);
    return Default(WM_COMMAND, wParam, lParam);
}

LRESULT CDlgHeaderLB::OnNotify(WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (CHeaderListBox::ReflectNotify(lParam, &result)) return result;
    return Default(WM_NOTIFY, wParam, lParam);
}

}  // namespace zw::listview

namespace zw {
Control* NewListViewControl() { return new (std::nothrow) listview::CDlgHeaderLB; }
}  // namespace zw
