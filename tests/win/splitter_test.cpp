// The splitter through the library: pane placement in its three ways, the
// ZelSplit functions and their failure values, dragging with its limits and
// on-screen feedback, automatic pane assignment and the designer record. The
// geometry itself is checked in tests/core/splitter_layout_test.cpp.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win/support/window_pixels.h"
#include "tests/win/support/zwtest.h"

namespace {

constexpr int kWidth = 300, kHeight = 200;
constexpr UINT kAssignPanes = 0x600A;
constexpr DWORD kCompanion = 0x8000000;
// Creation records: bit 0 of byte 4 set at run time; clear, the panes are
// placed directly (plain mode).
const BYTE kRunTime[8] = {0, 0, 0, 0, 1, 0, 0, 0};
const BYTE kPlain[8] = {0, 0, 0, 0, 0, 0, 0, 0};

void* announced = nullptr;
LRESULT CALLBACK RecordInstance(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == ZWM_ControlCreate) announced = reinterpret_cast<void*>(msg->lParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

RECT RectIn(HWND window, HWND parent) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }
HWND Child(HWND parent, const wchar_t* cls, RECT r, DWORD style = WS_VISIBLE | WS_BORDER) {
    return CreateWindowExW(WS_EX_CLIENTEDGE, cls, L"", WS_CHILD | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A 300 x 200 form holding two panes and a splitter made with the given
// creation record, 20 pixels thick at x = 100 (or y = 50 when horizontal).
// The host calls the first pane a list box.
struct Form {
    explicit Form(const void* record, const std::vector<std::uint8_t>& parentItem = {}) {
        parent = CreateWindowExW(0, L"ZwTestDesk", L"", WS_CHILD | WS_VISIBLE, 10, 10, kWidth, kHeight,
                                 zwtest::VisibleDesk(), nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!parentItem.empty()) HostTestSetNamedItem(parent, L"ZW:Splitter", parentItem.data(), DWORD(parentItem.size()));
        a = Child(parent, L"STATIC", {5, 5, 50, 50});
        b = Child(parent, L"STATIC", {200, 5, 250, 50});
        HostTestSetObjectType(a, 0x2000);
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordInstance, nullptr, GetCurrentThreadId());
        announced = nullptr;
        splitter = CreateWindowExW(0, L"ZW:cSplitter:10", L"", WS_CHILD | WS_VISIBLE, 100, 50, 20, 60, parent,
                                   nullptr, GetModuleHandleW(nullptr), const_cast<void*>(record));
        UnhookWindowsHookEx(hook);
        instance = announced;
        EXPECT_NE(instance, nullptr);
    }
    ~Form() {
        HostTestClearPropData(parent);
        DestroyWindow(parent);
        zwtest::PumpMessages();
    }
    void Mouse(UINT message, int x, int y) const { SendMessageW(splitter, message, 0, MAKELPARAM(x, y)); }
    RECT Bar() const { return RectIn(splitter, parent); }
    void Show() const {
        RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        zwtest::PumpMessages();
    }
    HWND parent = nullptr, a = nullptr, b = nullptr, splitter = nullptr;
    void* instance = nullptr;
};

// An item "ZW:Splitter": version 1, four colours, five 16-bit fields as
// 32-bit values, the two corner flags as bytes.
std::vector<std::uint8_t> SplitterItem(int vertical, int threeD, int scrollCorner, int trackCorner) {
    std::vector<std::uint8_t> bytes;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(std::uint8_t(v >> (8 * i)));
    };
    for (std::uint32_t v : {1u, 0u, 0u, 0u, 0u, 2u, 0u, 1u, std::uint32_t(threeD), std::uint32_t(vertical)}) u32(v);
    bytes.push_back(std::uint8_t(scrollCorner));
    bytes.push_back(std::uint8_t(trackCorner));
    return bytes;
}

TEST(Splitter, SetChildTilesTheBarAndFillsTheParent) {
    struct Case {
        const char* name;
        const void* record;
        std::vector<std::uint8_t> item;
        RECT bar, first, second;
    } cases[] = {
        {"vertical, plain", kPlain, {}, {100, 0, 106, 200}, {0, 0, 100, 200}, {106, 0, 300, 200}},
        {"horizontal, run time", kRunTime, SplitterItem(0, 1, 0, 1), {0, 50, 300, 56}, {0, 0, 300, 50},
         {0, 56, 300, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form form(c.record, c.item);
        const RECT bBefore = RectIn(form.b, form.parent);
        EXPECT_EQ(ZelSplitSetChild(form.instance, 1, form.a), nullptr);
        // Only the first pane is placed; its area ends at the bar.
        EXPECT_TRUE(Same(form.Bar(), c.bar));
        EXPECT_TRUE(Same(RectIn(form.a, form.parent), c.first));
        EXPECT_TRUE(Same(RectIn(form.b, form.parent), bBefore));
        EXPECT_EQ(ZelSplitSetChild(form.instance, 7, form.b), nullptr);
        EXPECT_TRUE(Same(RectIn(form.b, form.parent), c.second));
        // Panes lose their borders; a host list box takes any height.
        const LONG_PTR style = GetWindowLongPtrW(form.a, GWL_STYLE);
        EXPECT_EQ(style & WS_BORDER, 0);
        EXPECT_NE(style & LBS_NOINTEGRALHEIGHT, 0);
        EXPECT_EQ(GetWindowLongPtrW(form.a, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
        // The first pane moved to the second slot leaves the first empty.
        EXPECT_EQ(ZelSplitSetChild(form.instance, 2, form.a), form.b);
        EXPECT_EQ(ZelSplitSetChild(form.instance, 1, form.b), nullptr);
        EXPECT_TRUE(Same(RectIn(form.a, form.parent), c.second));
        EXPECT_EQ(GetPropW(form.parent, L"QWSKIPACCTFRAME"), reinterpret_cast<HANDLE>(1));
    }
}

TEST(Splitter, ExportsAndTheirFailureValues) {
    Form form(kPlain);
    int local = 0;
    void* const garbage = &local;
    struct Case {
        const char* name;
        std::function<LONG_PTR(void*)> call;
        LONG_PTR result, failure;
    } cases[] = {
        {"ZelSplitGetOrientation", [](void* s) { return LONG_PTR(ZelSplitGetOrientation(s)); }, 1, -1},
        {"ZelSplitMoveToDragPos", [](void* s) { return LONG_PTR(ZelSplitMoveToDragPos(s)); }, 100, -1},
        {"ZelSplitResizeObjects", [](void* s) { return LONG_PTR(ZelSplitResizeObjects(s)); }, 1, 0},
        {"ZelSplitTileToParent", [](void* s) { return LONG_PTR(ZelSplitTileToParent(s)); }, 1, 0},
        {"ZelSplitSetChild", [&](void* s) { return LONG_PTR(ZelSplitSetChild(s, 1, form.a)); }, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.call(form.instance), c.result);
        EXPECT_EQ(c.call(garbage), c.failure);
    }
    {
        // A null instance is reported with the function's name.
        zwtest::DialogWatcher watcher;
        EXPECT_EQ(ZelSplitGetOrientation(nullptr), -1);
        ASSERT_EQ(watcher.Seen().size(), 1u);
        EXPECT_NE(watcher.Seen()[0].text.find(L"'ZelSplitGetOrientation()'"), std::wstring::npos);
    }
    EXPECT_EQ(ZelSplitSetChild(form.instance, 1, nullptr), nullptr);
    EXPECT_EQ(ZelSplitSetChild(form.instance, 1, reinterpret_cast<HWND>(0x12340)), nullptr);
    EXPECT_EQ(ZelSplitSetChild(form.instance, 1, form.b), form.a);  // the slot was kept
}

TEST(Splitter, PlacementThroughTheHostAtRunTime) {
    Form form(kRunTime);
    HostTestSetObjectType(form.b, kCompanion);
    ZelSplitSetChild(form.instance, 1, form.a);
    ZelSplitSetChild(form.instance, 2, form.b);
    // A plain pane is moved with the deferred positioning, a companion in
    // form units; both are shown by the host.
    EXPECT_EQ(HostTestObjectCalls(form.a, 356), 0);
    EXPECT_GT(HostTestObjectCalls(form.b, 356), 0);
    EXPECT_GT(HostTestObjectCalls(form.b, 358), 0);
    EXPECT_GT(HostTestObjectCalls(form.a, 22), 0);
    EXPECT_TRUE(Same(RectIn(form.a, form.parent), (RECT{0, 0, 100, 200})));
    EXPECT_TRUE(Same(RectIn(form.b, form.parent), (RECT{106, 0, 300, 200})));
    // Dragged past the left edge: the bar stops at -1 and the first pane is hidden by the host.
    form.Mouse(WM_LBUTTONDOWN, 2, 10);
    form.Mouse(WM_MOUSEMOVE, -500, 10);
    form.Mouse(WM_LBUTTONUP, -500, 10);
    EXPECT_EQ(form.Bar().left, -1);
    EXPECT_GT(HostTestObjectCalls(form.a, 23), 0);
    EXPECT_FALSE(IsWindowVisible(form.a));
    EXPECT_TRUE(Same(RectIn(form.b, form.parent), (RECT{5, 0, 300, 200})));
    EXPECT_EQ(ZelSplitMoveToDragPos(form.instance), -1);
}

TEST(Splitter, DragFeedbackIsClampedAndLeavesTheScreenClean) {
    Form form(kPlain);
    ZelSplitSetChild(form.instance, 1, form.a);
    ZelSplitSetChild(form.instance, 2, form.b);
    form.Show();
    const zwtest::Pixels before = zwtest::ScreenPixels(form.parent);
    const RECT all{0, 0, kWidth, kHeight}, bar{100, 0, 106, kHeight}, moved{60, 0, 66, kHeight};

    form.Mouse(WM_LBUTTONDOWN, 3, 50);
    EXPECT_EQ(GetCapture(), form.splitter);
    const zwtest::Pixels shown = zwtest::ScreenPixels(form.parent);
    EXPECT_GT(shown.CountDifferent(before, bar), 0);
    EXPECT_EQ(shown.CountDifferent(before, all), shown.CountDifferent(before, bar));
    // Moving inverts back what the new place does not cover.
    form.Mouse(WM_MOUSEMOVE, 3 - 40, 50);
    const zwtest::Pixels moving = zwtest::ScreenPixels(form.parent);
    EXPECT_EQ(moving.CountDifferent(before, bar), 0);
    EXPECT_EQ(moving.CountDifferent(before, all), moving.CountDifferent(before, moved));
    EXPECT_GT(moving.CountDifferent(before, moved), 0);
    form.Mouse(WM_MOUSEMOVE, 3 - 40, 50);
    SendMessageW(form.splitter, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(zwtest::ScreenPixels(form.parent), before);
    EXPECT_NE(GetCapture(), form.splitter);
    EXPECT_TRUE(Same(form.Bar(), bar));

    // A click without a move changes nothing, not even a pane moved by hand.
    MoveWindow(form.a, 10, 10, 20, 20, TRUE);
    form.Mouse(WM_LBUTTONDOWN, 3, 50);
    form.Mouse(WM_LBUTTONUP, 3, 50);
    EXPECT_TRUE(Same(RectIn(form.a, form.parent), (RECT{10, 10, 30, 30})));
    form.Show();
    EXPECT_EQ(zwtest::ScreenPixels(form.parent).CountDifferent(before, bar), 0);

    // Released far right: one pixel beyond the edge, the second pane hidden.
    form.Mouse(WM_LBUTTONDOWN, 3, 50);
    form.Mouse(WM_MOUSEMOVE, 900, 50);
    form.Mouse(WM_LBUTTONUP, 900, 50);
    EXPECT_EQ(form.Bar().left, kWidth - 6 + 1);
    EXPECT_FALSE(IsWindowVisible(form.b));
    EXPECT_TRUE(Same(RectIn(form.a, form.parent), (RECT{0, 0, kWidth - 5, kHeight})));
    // While dragging, the drag position is where the bar goes.
    form.Mouse(WM_LBUTTONDOWN, 3, 50);
    form.Mouse(WM_MOUSEMOVE, 3 - 95, 50);
    EXPECT_EQ(ZelSplitMoveToDragPos(form.instance), kWidth - 5 - 95);
    EXPECT_EQ(form.Bar().left, kWidth - 5 - 95);
    SendMessageW(form.splitter, WM_CANCELMODE, 0, 0);
}

HWND SizingHandle(HWND parent) {
    static const ATOM registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"Corvane:Handle";
        return RegisterClassW(&wc);
    }();
    EXPECT_NE(registered, 0);
    return Child(parent, L"Corvane:Handle", {1, 1, 4, 4}, WS_VISIBLE);
}

TEST(Splitter, AssignsPanesWhenTheFormIsReady) {
    {
        // From the top of the z-order: the splitter, a sizing handle, a hidden
        // companion (which takes the window after it out), then the list boxes.
        Form form(nullptr);
        const HWND handle = SizingHandle(form.parent);
        const HWND companion = Child(form.parent, L"STATIC", {1, 100, 9, 110}, 0);
        const HWND skipped = Child(form.parent, L"STATIC", {1, 120, 9, 130});
        HostTestSetObjectType(companion, kCompanion);
        for (HWND w : {form.splitter, handle, companion, skipped, form.b, form.a})
            SetWindowPos(w, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SendMessageW(form.splitter, kAssignPanes, 0, 0);
        EXPECT_TRUE(Same(RectIn(companion, form.parent), (RECT{0, 0, 100, 200})));
        EXPECT_TRUE(IsWindowVisible(companion));
        EXPECT_TRUE(Same(RectIn(skipped, form.parent), (RECT{1, 120, 9, 130})));
        EXPECT_TRUE(Same(RectIn(form.b, form.parent), (RECT{106, 0, 300, 200})));
        EXPECT_TRUE(Same(RectIn(handle, form.parent), (RECT{1, 1, 4, 4})));
    }
    {
        // Plain mode: the windows attached to the splitter's own property
        // data, past entries naming no window and the splitter itself.
        Form form(kPlain);
        auto object = [](HWND w) {
            const auto v = std::uint32_t(reinterpret_cast<ULONG_PTR>(w));
            return std::vector<std::uint8_t>{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                                             std::uint8_t(v >> 24)};
        };
        const auto self = object(form.splitter), first = object(form.b), second = object(form.a);
        const auto record = SplitterItem(1, 1, 0, 1);
        HostTestSetNamedItem(form.splitter, L"Object:1", self.data(), 4);
        HostTestSetNamedItem(form.splitter, L"ZW:Splitter", record.data(), DWORD(record.size()));
        HostTestSetNamedItem(form.splitter, L"Object:2", first.data(), 4);
        HostTestSetNamedItem(form.splitter, L"Object:3", second.data(), 4);
        SendMessageW(form.splitter, kAssignPanes, 0, 0);
        EXPECT_TRUE(Same(RectIn(form.b, form.parent), (RECT{0, 0, 100, 200})));
        EXPECT_TRUE(Same(RectIn(form.a, form.parent), (RECT{106, 0, 300, 200})));
        HostTestClearPropData(form.splitter);
    }
}

TEST(Splitter, DesignerRecordDrawsTheBarAndItsCorner) {
    Form form(kRunTime, SplitterItem(0, 1, 1, 0));
    ZelSplitTileToParent(form.instance);
    EXPECT_EQ(ZelSplitGetOrientation(form.instance), 0);
    EXPECT_EQ(SendMessageW(form.splitter, WM_SETCURSOR, WPARAM(form.splitter), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), 1);
    EXPECT_EQ(GetCursor(), LoadCursorW(GetModuleHandleW(L"zwi51.dll"), L"IDC_HSplit"));
    const int corner = GetSystemMetrics(SM_CXVSCROLL);
    const zwtest::Pixels bar = zwtest::PrintedPixels(form.splitter, RGB(1, 2, 3));
    ASSERT_EQ(bar.Width(), kWidth);
    ASSERT_EQ(bar.Height(), 6);
    const COLORREF rows[6] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNFACE),
                              GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_WINDOWFRAME)};
    for (int y = 0; y < 6; ++y) EXPECT_EQ(bar.At(10, y), rows[y]) << y;
    EXPECT_EQ(bar.Count(RGB(0, 0, 0), {kWidth - corner, 0, kWidth, 6}), corner * 6);
    EXPECT_NE(bar.At(kWidth - corner - 1, 2), RGB(0, 0, 0));
    // With the corner tracked off, the feedback leaves the corner out.
    form.Show();
    const zwtest::Pixels before = zwtest::ScreenPixels(form.parent);
    form.Mouse(WM_LBUTTONDOWN, 10, 2);
    const zwtest::Pixels shown = zwtest::ScreenPixels(form.parent);
    SendMessageW(form.splitter, WM_CANCELMODE, 0, 0);
    EXPECT_GT(shown.CountDifferent(before, {0, 50, kWidth - corner, 56}), 0);
    EXPECT_EQ(shown.CountDifferent(before, {kWidth - corner, 50, kWidth, 56}), 0);
    EXPECT_EQ(zwtest::ScreenPixels(form.parent), before);
}

}  // namespace
