// CCmbBtn: the drop-down button at the right of every drop-down control
// (window class "ZW:CmbBtn:10"). A press posts the drop-down request (code
// 7) to the container; while the container is dropped down the button is
// locked and ignores presses, so that a second press cannot open the popup
// again (the popup closes through its own focus loss). Mouse-button messages
// go to the container before the button handles them, so a press on the
// button takes the focus into the control first.
//
// It draws the system's combo-box arrow on a raised face, sunk while pressed
// and grey while disabled. It takes no keyboard input.
#pragma once

#include <windows.h>

#include "frame/wnd.h"

namespace zw {

class CCmbBtn : public Wnd {
public:
    static constexpr wchar_t kClassName[] = L"ZW:CmbBtn:10";
    static constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;
    static constexpr DWORD kWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

    // Bits of the state word.
    enum : WORD {
        kDisabled = 0x01,
        kHidden = 0x02,
        kPointerLeft = 0x04,  // the pointer left the button while it was pressed
        kPressed = 0x08,
        kLocked = 0x10,  // the container is dropped down: presses are ignored
    };

    // Makes a button as child `id` of `parent`. Its size is the requested
    // width and height, 0 meaning the system's scroll-arrow size. The button
    // belongs to its window. Null when the window cannot be made.
    static CCmbBtn* Create(HWND parent, UINT id, int width = 0, int height = 0);

    WORD State() const { return state_; }
    HWND Owner() const { return owner_; }
    void SetLocked(bool locked);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void OnCreate();
    void OnLButtonDown();
    void OnMouseMove(POINT at);
    void OnLButtonUp();
    void OnCancelMode();
    void OnEnable(bool enabled);
    void OnShowWindow(bool shown);
    void OnSetFocus(HWND previous);
    void OnPaint();
    void OnPrintClient(HDC dc);
    // Draws the whole button into `dc`, reading state only.
    void Paint(HDC dc, const RECT& client) const;
    void SetState(WORD bits, bool on);

    bool created_ = false;    // from WM_CREATE on
    HWND owner_ = nullptr;    // the container: the parent
    WORD state_ = 0;          // the bits above
    int requestedWidth_ = 0;  // pixels; 0: SM_CXVSCROLL
    int requestedHeight_ = 0; // pixels; 0: SM_CYVSCROLL
};

}  // namespace zw
