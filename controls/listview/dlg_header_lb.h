// CDlgHeaderLB: the list view a host form places (host class "cListView",
// window class "ZW:cListView:10"). It holds one CHeaderListBox child that
// fills its client area, reads its designer item "ZW:HeaderListBox" into the
// child when it is created, and speaks for the child to the host: it passes
// the focus on, answers WM_GETTEXT with the first selected row's text, and
// turns the child's selection notification into the host click message.
//
// The child's forwarded notifications go to this window's parent (the form),
// the child's own notifications to this window.
#pragma once

#include <windows.h>

#include "controls/listview/header_list_box.h"
#include "frame/control.h"

namespace zw::listview {

// Posted to itself when the child reports a changed selection, for the host.
constexpr UINT ZWM_HostClick = 0x2006;
// Sent to itself once the child exists and has its record, for the host.
constexpr UINT ZWM_ControlReady = 0x600A;

class CDlgHeaderLB : public Control {
public:
    static CDlgHeaderLB* FromInstance(void* instance);

    // The child list; null when it could not be made.
    CHeaderListBox* List() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate(const CREATESTRUCTW& create);
    LRESULT OnSize(int width, int height);
    LRESULT OnSetFocus();
    LRESULT OnGetText(int size, wchar_t* buffer);
    LRESULT OnGetTextLength();
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam);

    HWND list_ = nullptr;  // the child list's window; its object is found through it
};

}  // namespace zw::listview
