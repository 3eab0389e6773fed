#include "controls/listview/cmb_header_lb.h"

#include <new>
#include <string>

#include "controls/dropdown/dropdown_field.h"
#include "controls/dropdown/dropdown_protocol.h"
#include "controls/dropdown/edit_cmb.h"
#include "controls/listview/dlg_header_lb.h"
#include "frame/control_factories.h"
#include "frame/designer_data.h"
#include "frame/exceptions.h"
#include "frame/host_api.h"

namespace zw::listview {

CCmbHeaderLB* CCmbHeaderLB::FromInstance(void* instance) {
    return dynamic_cast<CCmbHeaderLB*>(Control::FromInstance(instance));
}

CHeaderListBox* CCmbHeaderLB::List() const {
    return dynamic_cast<CHeaderListBox*>(Wnd::FromHandle(PopupWindow()));
}

LRESULT CCmbHeaderLB::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = CComboCtrl::WindowProc(message, wParam, lParam);
        if (result == 0) SendMessageW(Handle(), ZWM_ControlReady, 0, 0);
        return result;
    }
    case WM_NOTIFYFORMAT: return NFR_UNICODE;
    case WM_NOTIFY: return OnNotify(wParam, lParam);
    // Meant for the host, which sees them on the way here.
    case ZWM_ControlReady:
    case ZWM_ColumnSorted:
        return Default(message, wParam, lParam);
    }
    return CComboCtrl::WindowProc(message, wParam, lParam);
}

// The edit, then the list: a pop-up made for the container (so that the
// list's notifications come here) whose forwarded notifications go to the
// container's parent and whose own go to the container. Then the designer
// record, or the defaults.
void CCmbHeaderLB::CreateChildren(const CREATESTRUCTW& create) {
    RECT client{};
    GetClientRect(Handle(), &client);
    CEditCmb* edit = CEditCmb::Create(new (std::nothrow) CEditCmb, dropdown::FieldStyle(), client, Handle(), 0);
    if (!edit) throw MemoryException();
    SetEditChild(edit->Handle());
    POINT origin{0, 0};
    ClientToScreen(Handle(), &origin);
    const RECT at{origin.x, origin.y, origin.x + kListWidth, origin.y + kListHeight};
    CHeaderListBox* list = CHeaderListBox::Create(dropdown::kPopupStyle, at, Handle(), 0, GetParent(Handle()), Handle());
    if (!list) throw MemoryException();
    SetPopup(list->Handle());
    // The program's own choice of a row: shown, not reported. The container
    // is looked up through its window, so a list outliving it does nothing.
    const HWND container = Handle();
    list->onStateSelected = [container](CHeaderListBox&) {
        if (auto* self = dynamic_cast<CCmbHeaderLB*>(Wnd::FromHandle(container))) self->ShowSelectedRow(true);
    };
    SPropCmbHeaderLB record;
    LoadDesignerRecord(Handle(), create, kCmbHeaderListItemName, record);
    ApplyRecord(record);
}

void CCmbHeaderLB::ApplyRecord(const SPropCmbHeaderLB& record) {
    CComboCtrl::ApplyRecord(record.combo);
    if (CHeaderListBox* list = List()) list->ApplyRecord(record.list);
}

BOOL CCmbHeaderLB::SetListSize(int width, int height) {
    const HWND list = PopupWindow();
    if (!list) return FALSE;
    return SetWindowPos(list, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CCmbHeaderLB::OnNotify(WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (CHeaderListBox::ReflectNotify(lParam, &result)) return result;
    return Default(WM_NOTIFY, wParam, lParam);
}

// A field the host refused the focus does not open: the button is let go,
// so that it springs back.
bool CCmbHeaderLB::MayDropDown() {
    const CDropDownField* field = Field();
    if (!field || !field->AcceptedFocus()) {
        if (ButtonWindow()) SendMessageW(ButtonWindow(), WM_LBUTTONUP, 0, 0);
        return false;
    }
    return CComboCtrl::MayDropDown();
}

// Alt+Down or F4 counts only while the field still has the focus: a request
// still queued when the focus left is dropped.
void CCmbHeaderLB::OnEditCommand(WORD code) {
    if (code == dropdown::kCodeDropDown && GetFocus() != EditWindow()) return;
    CComboCtrl::OnEditCommand(code);
}

void CCmbHeaderLB::OnPopupCommand(WORD code) {
    CComboCtrl::OnPopupCommand(code);
    if (code == kNotifySelection) OnRowChosen();
}

void CCmbHeaderLB::OnRowChosen() {
    ShowSelectedRow(false);
    PostMessageW(Handle(), ZWM_HostClick, 0, 0);
    Notify(dropdown::kCodeValueChanged);
}

void CCmbHeaderLB::ShowSelectedRow(bool quietly) {
    const CHeaderListBox* list = List();
    if (!list) return;
    const std::wstring text = list->FirstSelectedText();
    if (quietly) {
        SetEditTextQuietly(text.c_str());
    } else if (EditWindow()) {
        SetWindowTextW(EditWindow(), text.c_str());
    }
}

}  // namespace zw::listview

namespace zw {
Control* NewListViewDropDownControl() { return new (std::nothrow) listview::CCmbHeaderLB; }
}  // namespace zw
