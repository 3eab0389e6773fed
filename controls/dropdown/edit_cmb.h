// CEditCmb: the edit child of a drop-down, a system "EDIT" window that it
// subclasses. Keys and mouse buttons are reported to the container before the
// edit sees them, and a left press acts on the container only (it takes the
// focus into the control, which selects the whole text); typing marks the
// host field edited; Alt+Down and F4 ask the container to drop down; the
// host is asked before the edit takes the focus.
//
// Drop-downs whose edit behaves differently derive from it (CEditDate).
#pragma once

#include <windows.h>

#include "controls/dropdown/dropdown_field.h"

namespace zw {

class CEditCmb : public CDropDownField {
public:
    // `passInput`: keys and mouse buttons go to the container first.
    explicit CEditCmb(bool passInput = true) : passInput_(passInput) {}

    // Makes an edit child `id` of `parent` with `style` at `rect` and attaches
    // `edit` to it; the object belongs to its window from then on. Null when
    // the window cannot be made (the object is deleted then).
    static CEditCmb* Create(CEditCmb* edit, DWORD style, const RECT& rect, HWND parent, UINT id);

    bool IsReadOnly() const { return (GetWindowLongW(Handle(), GWL_STYLE) & ES_READONLY) != 0; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A character typed: true when the edit took it for itself (it is then
    // not typed). The plain edit takes none.
    virtual bool OnChar(wchar_t ch);
    // Posts a notification with `code` to the container.
    void NotifyContainer(WORD code) const;

private:
    void OnSetFocus(WPARAM wParam, LPARAM lParam);

    const bool passInput_;  // keys and mouse buttons are sent to the container first
};

}  // namespace zw
