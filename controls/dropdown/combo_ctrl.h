// CComboCtrl: the container of a drop-down control. It holds three children:
// an edit field on the left, the drop-down button (CCmbBtn) on the right,
// and a popup window (a calendar, a colour palette, a list) that appears
// below the control while it is dropped down, or above it when the screen
// ends first. The container lays the children out, opens and closes the
// popup, routes the children's notifications to its owner, passes the
// children's colour questions to its parent and hands its font to all three.
//
// Derived drop-downs make the edit and the popup in CreateChildren() and
// adapt the protocol through the virtual operations below: who may open the
// popup, how it is given the control's value, where it goes, and what the
// children's other notifications mean.
//
// A drop-down of this kind (the calendar's is CComboCal, the palette's CComboPal, the
// list view's CCmbHeaderLB):
//
//   class CComboThing : public CComboCtrl {
//   protected:
//       void CreateChildren(const CREATESTRUCTW& create) override {
//           RECT client{};
//           GetClientRect(Handle(), &client);
//           CEditCmb* edit = CEditCmb::Create(new (std::nothrow) CEditCmb, dropdown::FieldStyle(),
//                                             client, Handle(), 0);
//           if (!edit) throw MemoryException();
//           SetEditChild(edit->Handle());
//           Thing* popup = Thing::Create(dropdown::kPopupStyle, ...);  // a popup made for a child is
//           if (!popup) throw MemoryException();                       // owned by its top-level window:
//           popup->SetOwner(Handle());                                // name the container as its owner
//           SetPopup(popup->Handle());
//           // load and apply the designer record (frame/designer_data.h)
//       }
//       void OnPopupCommand(WORD code) override;  // the popup's value into the edit, then the base
//   };
//
// Talking to a container:
//   - DropDown() / CloseUp(), IsDroppedDown(); SetEditable();
//   - notifications to the owner (dropdown_protocol.h): 7 dropped down, 8
//     closed up, 0x300 the edit's text changed, 2 and 10 passed on from the
//     popup; and ZWM_EditChanged posted to the container itself when the
//     focused edit's text changed.
//
// Not done here: the popup's value (each drop-down gives its popup the value
// in its own way), and colours of the container that applications set (its
// roles follow the parent's colour answers).
#pragma once

#include <windows.h>

#include "controls/dropdown/core/dropdown_layout.h"
#include "controls/dropdown/core/prop_combo_ctrl.h"
#include "frame/control.h"

namespace zw {

class CCmbBtn;
class CDropDownField;

class CComboCtrl : public Control {
public:
    // Bits of the state word.
    enum : WORD {
        kStateDisabled = 0x01,
        kStateDroppedDown = 0x08,
    };

    // Colour roles: answers of the parent, or the system colour of each role
    // until the parent has answered.
    enum ColorRole : int {
        kRoleBackground = 0,    // container background (the parent's list-box brush); button face
        kRoleEditBackground,    // edit background (the parent's edit brush); window
        kRoleDisabledText,      // edit text while the container is disabled; grey text
        kRoleEditText,          // edit text (the parent's edit text colour); window text
        kRoleCount,
    };

    // The live container behind an instance handed back by the application,
    // or null for anything else.
    static CComboCtrl* FromInstance(void* instance);

    // From the end of WM_CREATE until WM_DESTROY.
    virtual bool IsCreated() const { return created_; }
    HWND Owner() const { return owner_; }
    void SetOwner(HWND owner) { owner_ = owner; }
    WORD State() const { return state_; }
    bool IsDroppedDown() const { return (state_ & kStateDroppedDown) != 0; }
    HFONT Font() const { return font_; }
    COLORREF RoleColor(int role) const;

    HWND EditWindow() const { return edit_; }
    HWND ButtonWindow() const { return button_; }
    HWND PopupWindow() const { return popup_; }
    // The edit (or colour field) object; null without one.
    CDropDownField* Field() const;
    CCmbBtn* Button() const;

    bool IsEditable() const { return editable_; }
    // Sets the read-only state of the edit to the inverse of `editable`, lays
    // out and repaints; returns the previous flag.
    bool SetEditable(bool editable);
    // Applies the container's part of a designer record: editability, then
    // the edit's first text.
    void ApplyRecord(const dropdown::SPropComboCtrl& record);

    // Opens the popup when MayDropDown() allows it: the popup is given the
    // value, placed, shown and given the focus, and the button is locked.
    // True when it opened. Notifies nobody (see RequestDropDown).
    bool DropDown();
    // Unlocks the button, gives the focus back to the edit (unless another
    // window has taken it meanwhile) and hides the popup.
    void CloseUp();

protected:
    explicit CComboCtrl(bool editable = true) : editable_(editable) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ---- what derived drop-downs provide
    // Makes the edit and the popup (SetEditChild, SetPopup) and applies the
    // designer record. Throws MemoryException when a child cannot be made.
    virtual void CreateChildren(const CREATESTRUCTW& create);
    // Whether the popup may open now: the host is asked whether the focus may
    // move (HostValidateFocus with the container and the editable flag).
    virtual bool MayDropDown();
    // Gives the popup the control's value before it opens.
    virtual void GivePopupValue() {}
    // Where the popup goes: below the container's window, 2 pixels apart.
    virtual dropdown::PopupRule PopupPlacement() const;
    // The children's notifications (see dropdown_protocol.h for the codes).
    virtual void OnButtonCommand(WORD code);
    virtual void OnEditCommand(WORD code);
    virtual void OnPopupCommand(WORD code);
    // The brush that answers a child's colour question of `type` (CTLCOLOR_*)
    // after the parent gave `parentBrush`.
    virtual HBRUSH ChildColor(int type, HDC dc, HBRUSH parentBrush);
    // The class name in debug lines.
    virtual const char* ClassName() const { return "CComboCtrl"; }

    // ---- helpers for derived drop-downs
    // Registers the edit (or colour field) and the popup; each is given the font.
    void SetEditChild(HWND edit);
    void SetPopup(HWND popup);
    // Code 7: drops down unless already down, then notifies 7.
    void RequestDropDown();
    // Code 8: closes up when down, then notifies 8.
    void RequestCloseUp();
    // Posts a notification to the owner.
    void Notify(WORD code) const;
    // The edit's reaction to text changes: notification 0x300, and
    // ZWM_EditChanged while the edit has the focus. Only once created, and
    // not while the control writes the text itself (EditChangeCounts).
    virtual void OnEditChanged();
    bool EditChangeCounts() const { return created_ && !quietEdit_; }
    // Writes the edit's text without the reaction to a change: for text the
    // control itself derives, not the user's.
    void SetEditTextQuietly(const wchar_t* text);
    void Layout();

private:
    LRESULT OnCreate(const CREATESTRUCTW& create);
    void OnDestroy();
    void OnSetFont(HFONT font);
    LRESULT OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam);
    void OnLButtonDown();
    void OnSetFocus(HWND previous);
    void OnEnable(bool enabled);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnPrintClient(HDC dc);
    // Roles 0, 1 and 3 from the parent's list-box and edit colour answers.
    void TakeParentColours(HDC dc);
    void PlacePopup();
    bool HasFocusInside() const;

    struct Role {
        bool useDefault = true;  // answer the system colour until the parent answered
        COLORREF colour = 0;     // the parent's answer
    };

    bool created_ = false;      // from the end of WM_CREATE until WM_DESTROY
    bool editable_;             // text may be typed into the edit
    bool quietEdit_ = false;    // the control itself is writing the edit's text
    Role roles_[kRoleCount];    // the four colour roles
    HFONT font_ = nullptr;      // the font given with WM_SETFONT (not owned)
    HWND owner_ = nullptr;      // receives the notifications; the parent unless set
    WORD state_ = 0;            // kState* bits
    HWND edit_ = nullptr;       // edit or colour field, child of the container
    HWND button_ = nullptr;     // the CCmbBtn child
    HWND popup_ = nullptr;      // popup window, hidden while closed
};

}  // namespace zw
