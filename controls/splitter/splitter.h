// The splitter: a thin bar on a form between two sibling windows (panes).
// It always spans its parent's client area across its axis and is 6 pixels
// thick; dragging it along the axis moves it on release, and the two panes
// are re-laid out to fill the parent on either side of it. A vertical bar
// divides left and right panes, a horizontal bar top and bottom panes.
//
// Panes are only window handles: the splitter neither creates nor destroys
// them, and keeps a handle after its window is gone. Panes are placed
// directly in plain mode (the creation record is present with bit 0 clear)
// and through the host's form-unit operations otherwise.
//
// Not done here: the colours of the property record are stored and
// reloaded but painting uses the current system colours, as the designer's
// property pages expect.
#pragma once

#include <windows.h>

#include "controls/splitter/core/prop_splitter.h"
#include "controls/splitter/core/splitter_layout.h"
#include "controls/splitter/drag_feedback.h"
#include "frame/control.h"

namespace zw {

// Sent by the host once the form's windows exist: assign the panes.
constexpr UINT ZWM_SplitterAssignPanes = 0x600A;
// Host type of objects placed through the host's own operations, never
// deferred; a hidden one also hides the window after it from pane assignment.
constexpr DWORD kHostTypeCompanion = 0x8000000;

// SPropSplitter whose colours start as the current system colours.
struct SystemSplitterRecord : SPropSplitter {
    SystemSplitterRecord();
};

class CSplitter : public Control {
public:
    CSplitter();

    // The live splitter behind an instance pointer, or null.
    static CSplitter* FromInstance(void* instance);

    // bVertical, sign-extended.
    int Orientation() const { return static_cast<std::int16_t>(record_.bVertical); }
    // Moves the bar to the drag position (the pointer while dragging, else
    // where the bar is) without resizing it; returns its coordinate along the
    // axis in the parent's client area.
    int MoveToDragPos();
    // Tiles the bar and places the panes on either side of it.
    void ResizeObjects() { RelayPanes(); }
    // Puts `window` in pane slot 1 (first) or any other (second), restyles
    // it and re-lays the panes; returns the slot's previous window.
    HWND SetChild(int which, HWND window);
    // Makes the bar 6 pixels thick and as long as the parent's client area.
    void TileToParent();

    const SPropSplitter& Record() const { return record_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Called during WM_CREATE before the corner size is read; the
    // form-placed variant loads its designer record here.
    virtual void LoadRecord(const CREATESTRUCTW&) {}
    SystemSplitterRecord& MutableRecord() { return record_; }

private:
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnPrintClient(HDC dc);
    void OnLButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void OnLButtonUp(POINT point);
    void OnCancelMode();
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam);
    void OnAssignPanes();

    bool Vertical() const { return record_.bVertical != 0; }
    splitter::Rect BarInParent() const;
    splitter::Rect ParentClient() const;
    splitter::Rect FeedbackNow() const;
    int ClampedDragPos(POINT point) const;
    void RelayPanes();
    void PlacePane(HWND pane, const splitter::Rect& area, HDWP& deferred) const;
    void AssignPanesFromPropData();
    void AssignPanesFromChildren();

    SystemSplitterRecord record_;  // the live property record
    HWND firstPane = nullptr;      // pane above or left of the bar; 0 when unset
    HWND secondPane = nullptr;     // pane below or right of the bar; 0 when unset
    HWND owner = nullptr;          // parent window, filled at creation when unset
    bool plainMode = false;        // panes moved directly, not through the host
    bool created = false;          // between WM_CREATE and WM_DESTROY
    bool dragging = false;         // the dragging bit
    int dragPos = 0;               // pointer along the axis, bar client coordinates
    int dragStart = 0;             // dragPos at button-down
    int grabOffset = 0;            // pointer minus the bar's near edge at button-down
    int dragMin = 0;               // lowest dragPos
    int dragMax = 0;               // highest dragPos
    DragFeedback feedback;         // the feedback region shown now
    int cornerSize = 0;            // scroll-bar thickness of the corner block, pixels
    bool relaying = false;         // a re-layout is running (moving the bar re-enters)
};

// The form-placed splitter: loads the item "ZW:Splitter" from its parent's
// property data when the creation record says there is designer data.
class CDlgSplitter : public CSplitter {
protected:
    void LoadRecord(const CREATESTRUCTW& create) override;
};

}  // namespace zw
