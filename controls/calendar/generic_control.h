// CGenericControl: the common base of the library's drawn controls (the
// calendar first). It keeps what every such control has: an owner that
// receives its notifications, the generic style flags, its own font and the
// measuring units derived from it, the content rectangle and the state word;
// and it names the operations each control provides for colour roles, class
// registration and layout.
#pragma once

#include <windows.h>

#include "frame/control.h"

namespace zw {

// Bits of the state word.
enum GenericStateBit : WORD {
    kStateDisabled = 0x0001,         // the window is disabled
    kStateHidden = 0x0002,           // the window is hidden
    kStatePointerLeft = 0x0004,      // the pointer has left the pressed element
    kStatePreviousPressed = 0x0008,  // the previous-month button is held down
    kStateNextPressed = 0x0010,      // the next-month button is held down
    kStateSelecting = 0x0020,        // a press in the day grid is being dragged
};

// Notification codes posted to the owner in WM_COMMAND.
enum NotifyCode : WORD {
    kNotifyValueChanged = 1,  // focus date (value) set
    kNotifyFocusLost = 2,     // the control lost the input focus
    kNotifyMonthChanged = 3,  // the displayed month changed
    kNotifyCloseUp = 8,       // a drop-down popup asks to be closed
};

class CGenericControl : public Control {
public:
    ~CGenericControl() override;

    // The colour of a role; an unknown role throws InvalidArgException.
    virtual COLORREF GetRoleColor(int role) const = 0;
    // Gives a role its own colour; returns the colour it had. With `repaint`
    // the part that shows the role is invalidated.
    virtual COLORREF SetRoleColor(int role, COLORREF colour, bool repaint) = 0;
    // Registers the control's window class once per process; throws
    // ResourceException when it cannot.
    virtual void RegisterWindowClass() = 0;
    // On its default, and that default is another role's colour.
    virtual bool IsInheritedRole(int role) const = 0;
    // With `flag`, resizes the window to fit the content.
    virtual void SizeToContent(bool flag) = 0;
    // Measures the font and lays the control out.
    virtual void RecalcLayout() = 0;
    // Centres the content in the client area.
    virtual void PlaceContent() = 0;

    // The window that receives notifications (the parent unless set).
    HWND Owner() const { return generic_.owner; }
    void SetOwner(HWND owner) { generic_.owner = owner; }
    HFONT Font() const { return generic_.font; }
    bool IsCreated() const { return generic_.created; }
    WORD State() const { return generic_.state; }

protected:
    struct GenericState {
        HWND owner = nullptr;            // receives the WM_COMMAND notifications
        bool autoSize = false;           // style: the window is sized to the content
        bool arrowsActive = true;        // style: arrow buttons work
        bool dropDownMode = false;       // style: serves as a drop-down popup
        bool keyboard = true;            // style: handles keys
        bool multipleSelection = false;  // style: any set of values may be marked
        bool showFocus = true;           // style: the focus is framed
        bool created = false;            // from the end of creation until WM_DESTROY
        HFONT font = nullptr;            // the control's own copy of its font
        int unitWidth = 0;               // average character width x 1.6, pixels
        int unitHeight = 0;              // character height x 4/3, pixels
        RECT content{};                  // where the content lies in the client area
        WORD state = 0;                  // GenericStateBit flags
    };

    // The base part of WM_CREATE: the parent becomes the owner unless one is
    // set, and the default font (8-point bold "MS Sans Serif") is sent to the
    // window as its font.
    void CreateBase();
    // Replaces the control's font with a copy of `font` (of the system font
    // when null).
    void CopyFont(HFONT font);
    // Reads the font's text metrics into the measuring units.
    void MeasureUnits();
    // Posts WM_COMMAND with `code` to the owner.
    void Notify(WORD code) const;
    void SetStateBits(WORD bits, bool on) {
        generic_.state = on ? WORD(generic_.state | bits) : WORD(generic_.state & ~bits);
    }
    bool HasState(WORD bits) const { return (generic_.state & bits) != 0; }

    GenericState generic_;
};

}  // namespace zw
