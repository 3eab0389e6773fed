#include "controls/splitter/splitter.h"

#include <new>
#include <vector>

#include "controls/gdi_owners.h"
#include "controls/private_messages.h"
#include "controls/splitter/splitter_paint.h"
#include "controls/splitter/splitter_resources.h"
#include "frame/control_factories.h"
#include "frame/designer_data.h"
#include "frame/host_api.h"

namespace zw {

namespace {

constexpr wchar_t kSplitterClass[] = L"ZW:cSplitter:10";
constexpr wchar_t kSizingHandleClass[] = L"Corvane:Handle";
constexpr wchar_t kSkipAccessoryFrame[] = L"QWSKIPACCTFRAME";
constexpr UINT kPlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE;

splitter::Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// `window`'s rectangle in `to`'s client coordinates (the screen for null).
splitter::Rect WindowRectIn(HWND window, HWND to) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, to, reinterpret_cast<POINT*>(&r), 2);
    return FromRECT(r);
}

// `window`'s client rectangle in `to`'s client coordinates (the screen for null).
splitter::Rect ClientRectIn(HWND window, HWND to) {
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, to, reinterpret_cast<POINT*>(&r), 2);
    return FromRECT(r);
}

bool HasClass(HWND window, const wchar_t* className) {
    wchar_t name[64] = {};
    return GetClassNameW(window, name, 64) && lstrcmpiW(name, className) == 0;
}

// Removes the pane's own border (the bar stands between the panes) and lets
// list and combo boxes take any height.
void RestylePane(HWND pane) {
    LONG_PTR style = GetWindowLongPtrW(pane, GWL_STYLE) & ~LONG_PTR(WS_BORDER);
    const DWORD type = HostGetObjectType(pane);
    if (type == HOST_TYPE_LISTBOX) style |= LBS_NOINTEGRALHEIGHT;
    else if (type == HOST_TYPE_COMBOBOX) style |= CBS_NOINTEGRALHEIGHT;
    SetWindowLongPtrW(pane, GWL_STYLE, style);
    SetWindowLongPtrW(pane, GWL_EXSTYLE, GetWindowLongPtrW(pane, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_CLIENTEDGE));
    SetWindowPos(pane, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED | kPlaceFlags);
}

double FormUnits(HWND pane, int pixels, int axis) { return HostPixelsToFormUnits(pane, pixels, axis); }

}  // namespace

SystemSplitterRecord::SystemSplitterRecord()
    : SPropSplitter({GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT),
                     GetSysColor(COLOR_BTNSHADOW)}) {}

CSplitter::CSplitter() { SharedSplitterResources(); }

CSplitter* CSplitter::FromInstance(void* instance) {
    return dynamic_cast<CSplitter*>(Control::FromInstance(instance));
}

Control* NewSplitterControl() { return new (std::nothrow) CDlgSplitter; }

LRESULT CSplitter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_CREATE: return OnCreate(wParam, lParam);
    case WM_DESTROY: created = false; return Default(message, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: OnPrintClient(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(point); return 0;
    case WM_MOUSEMOVE: OnMouseMove(point); return 0;
    case WM_LBUTTONUP: OnLButtonUp(point); return 0;
    case WM_CANCELMODE: OnCancelMode(); return 0;
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(wParam, lParam);
    case ZWM_SplitterAssignPanes: OnAssignPanes(); return 0;
    }
    if (IsPrivateMessage(message) && message != ZWM_ControlCreate) NoteUnhandledPrivateMessage(L"CSplitter", message);
    return Default(message, wParam, lParam);
}

// ---- creation, cursor and painting ---------------------------------------------

LRESULT CSplitter::OnCreate(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_CREATE, wParam, lParam);
    const auto& create = *reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (!owner) owner = GetParent(Handle());
    dragging = false;
    plainMode = create.lpCreateParams && !HasDesignerData(create.lpCreateParams);
    LoadRecord(create);
    cornerSize = GetSystemMetrics(Vertical() ? SM_CYHSCROLL : SM_CXVSCROLL);
    created = true;
    if (owner) SetPropW(owner, kSkipAccessoryFrame, reinterpret_cast<HANDLE>(1));
    return result;
}

void CDlgSplitter::LoadRecord(const CREATESTRUCTW& create) {
    if (!HasDesignerData(create.lpCreateParams)) return;
    // The designer keeps the splitter's item with its parent's data.
    if (LoadDesignerRecord(GetParent(Handle()), create.lpCreateParams, L"ZW:Splitter", MutableRecord())) {
        InvalidateRect(Handle(), nullptr, FALSE);
        UpdateWindow(Handle());
    }
}

LRESULT CSplitter::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (Default(WM_SETCURSOR, wParam, lParam)) return TRUE;
    const SplitterResources& shared = SharedSplitterResources();
    SetCursor(Vertical() ? shared.verticalCursor : shared.horizontalCursor);
    return TRUE;
}

void CSplitter::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    if (dc) {
        RECT client;
        GetClientRect(Handle(), &client);
        gdi::OffscreenDC offscreen(dc, client.right, client.bottom);
        if (offscreen) {
            PaintSplitterBar(offscreen.Get(), client, record_, cornerSize);
            const RECT& u = ps.rcPaint;
            BitBlt(dc, u.left, u.top, u.right - u.left, u.bottom - u.top, offscreen.Get(), u.left, u.top, SRCCOPY);
        }
    }
    EndPaint(Handle(), &ps);
}

void CSplitter::OnPrintClient(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    PaintSplitterBar(dc, client, record_, cornerSize);
}

// ---- dragging --------------------------------------------------------------------

int CSplitter::ClampedDragPos(POINT point) const {
    return splitter::ClampDragPos(splitter::AlongAxis(point.x, point.y, Vertical()), {dragMin, dragMax});
}

splitter::Rect CSplitter::FeedbackNow() const {
    const bool cutCorner = record_.bScrollCorner == 1 && record_.bTrackCorner != 1;
    return splitter::FeedbackRect(WindowRectIn(Handle(), nullptr), dragPos - dragStart, Vertical(),
                                  cutCorner ? cornerSize : 0, ClientRectIn(owner, nullptr));
}

void CSplitter::OnLButtonDown(POINT point) {
    if (!owner) return;
    const bool vertical = Vertical();
    const splitter::Rect bar = WindowRectIn(Handle(), Handle());
    dragPos = dragStart = splitter::AlongAxis(point.x, point.y, vertical);
    grabOffset = dragPos - splitter::NearEdge(bar, vertical);
    const auto limits = splitter::DragLimitsOf(ClientRectIn(owner, Handle()), grabOffset,
                                               vertical ? bar.Width() : bar.Height(), vertical);
    dragMin = limits.minimum;
    dragMax = limits.maximum;
    dragging = true;
    SetCapture(Handle());
    feedback.Show(owner, FeedbackNow());
}

void CSplitter::OnMouseMove(POINT point) {
    if (!dragging) return;
    dragPos = ClampedDragPos(point);
    feedback.Move(owner, FeedbackNow());
}

void CSplitter::OnLButtonUp(POINT point) {
    if (!dragging) return;
    dragPos = ClampedDragPos(point);
    ReleaseCapture();
    feedback.Remove(owner);
    if (dragPos != dragStart) {
        ShowWindow(Handle(), SW_HIDE);
        MoveToDragPos();
        RelayPanes();
        ShowWindow(Handle(), SW_SHOWNA);
    }
    dragging = false;
}

void CSplitter::OnCancelMode() {
    if (!dragging) return;
    feedback.Remove(owner);
    dragging = false;
    ReleaseCapture();
}

// ---- placing the bar and the panes ---------------------------------------------------

splitter::Rect CSplitter::BarInParent() const { return WindowRectIn(Handle(), owner); }

splitter::Rect CSplitter::ParentClient() const {
    RECT r{};
    GetClientRect(owner, &r);
    return FromRECT(r);
}

int CSplitter::MoveToDragPos() {
    const bool vertical = Vertical();
    const splitter::Rect bar = BarInParent();
    int coordinate = splitter::NearEdge(bar, vertical);
    if (dragging) {
        POINT p{0, 0};
        (vertical ? p.x : p.y) = dragPos - grabOffset;
        MapWindowPoints(Handle(), owner, &p, 1);
        coordinate = splitter::AlongAxis(p.x, p.y, vertical);
    }
    SetWindowPos(Handle(), nullptr, vertical ? coordinate : bar.left, vertical ? bar.top : coordinate, 0, 0,
                 SWP_NOSIZE | kPlaceFlags);
    return coordinate;
}

void CSplitter::TileToParent() {
    const splitter::Rect r = splitter::TiledBar(BarInParent(), ParentClient(), Vertical());
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.Width(), r.Height(), kPlaceFlags);
}

void CSplitter::RelayPanes() {
    // Tiling moves the bar, and in plain mode a move lays the panes out again.
    if (relaying) return;
    relaying = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{relaying};

    TileToParent();
    const auto areas = splitter::PaneAreasOf(BarInParent(), ParentClient(), Vertical());
    HDWP deferred = BeginDeferWindowPos(2);
    if (firstPane) PlacePane(firstPane, areas.first, deferred);
    if (secondPane) PlacePane(secondPane, areas.second, deferred);
    if (deferred) EndDeferWindowPos(deferred);
}

void CSplitter::PlacePane(HWND pane, const splitter::Rect& area, HDWP& deferred) const {
    if (area.IsEmpty()) {
        HostHideObject(pane);
        return;
    }
    if (deferred && HostGetObjectType(pane) != kHostTypeCompanion) {
        deferred = DeferWindowPos(deferred, pane, nullptr, area.left, area.top, area.Width(), area.Height(), kPlaceFlags);
    } else if (plainMode) {
        SetWindowPos(pane, nullptr, area.left, area.top, area.Width(), area.Height(), kPlaceFlags);
    } else {
        HostSetObjectLocation(pane, FormUnits(pane, area.left, 0), FormUnits(pane, area.top, 1));
        HostSetObjectSize(pane, FormUnits(pane, area.Width(), 0), FormUnits(pane, area.Height(), 1));
    }
    if (plainMode) ShowWindow(pane, SW_SHOW);
    else HostShowObject(pane);
}

LRESULT CSplitter::OnWindowPosChanged(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_WINDOWPOSCHANGED, wParam, lParam);
    if (plainMode && owner) RelayPanes();
    return result;
}

// ---- panes ------------------------------------------------------------------------

HWND CSplitter::SetChild(int which, HWND window) {
    HWND& slot = which == 1 ? firstPane : secondPane;
    HWND& other = which == 1 ? secondPane : firstPane;
    const HWND previous = slot;
    slot = window;
    if (other == window) other = nullptr;
    RestylePane(window);
    RelayPanes();
    return previous;
}

void CSplitter::OnAssignPanes() {
    if (plainMode) AssignPanesFromPropData();
    else AssignPanesFromChildren();
    RelayPanes();
}

void CSplitter::AssignPanesFromPropData() {
    const void* data = HostGetPropData(Handle());
    const DWORD length = HostGetPropDataSize(Handle());
    if (!data || length == 0) return;
    const HWND self = HostPropSelf(data, length);
    int found = 0;
    for (DWORD entry = HostPropFirst(data, length); entry && found < 2; entry = HostPropNext(data, length, entry)) {
        const HWND window = HostPropWindow(data, length, entry);
        if (!window || window == self) continue;
        SetChild(found == 0 ? 1 : 2, window);
        ++found;
    }
}

void CSplitter::AssignPanesFromChildren() {
    std::vector<HWND> windows;
    std::vector<splitter::PaneCandidate> candidates;
    for (HWND child = GetWindow(owner, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        windows.push_back(child);
        candidates.push_back({HasClass(child, kSplitterClass) || HasClass(child, kSizingHandleClass),
                              HostGetObjectType(child) == kHostTypeCompanion && !IsWindowVisible(child)});
    }
    const auto panes = splitter::ChoosePanes(candidates);
    for (int slot = 0; slot < 2; ++slot)
        if (panes[slot] >= 0) SetChild(slot + 1, windows[panes[slot]]);
}

}  // namespace zw
