// The window utilities over single windows: finding a child by its text,
// state, style, placement and tab order (a host form standing for its
// frame), text and selection, window properties listed into host arrays, and
// the wait cursor in each of its modes.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/win/support/zwtest.h"

namespace {

// A host form in its hidden frame.
struct HostForm {
    HostForm() : form(HostTestCreateForm(nullptr, 0, 0, 300, 200)), frame(GetParent(form)) {
        SetWindowTextW(frame, L"Customer");
    }
    ~HostForm() {
        DestroyWindow(frame);
        zwtest::PumpMessages();
    }
    HWND Child(const wchar_t* cls, const wchar_t* text, DWORD type, DWORD style = 0, int y = 0) const {
        HWND window = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, y, 120, 24, form, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        if (type) HostTestSetObjectType(window, type);
        return window;
    }
    HWND form, frame;
};

HWND Gone() {
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(window);
    return window;
}

TEST(WinUtils, ChildFoundByItsShownText) {
    HostForm f;
    HWND label = f.Child(L"STATIC", L"Name", HOST_TYPE_CLEARABLE);
    HWND plain = f.Child(L"BUTTON", L"OK", 0);  // not a host object: the host does not list it
    HWND ok = f.Child(L"BUTTON", L"&OK", HOST_TYPE_CHECKBOX);
    HWND cancel = f.Child(L"BUTTON", L"Can&cel", HOST_TYPE_OPTION_BUTTON);
    (void)plain;
    struct Case {
        const wchar_t* text;
        DWORD mask;
        HWND found;
    } cases[] = {
        {L"ok", HOST_TYPE_ANY, ok},
        {L"OK", HOST_TYPE_CHECKBOX, ok},
        {L"ok", HOST_TYPE_OPTION_BUTTON, nullptr},
        {L"cancel", HOST_TYPE_ANY, cancel},
        {L"Can&cel", HOST_TYPE_ANY, nullptr},
        {L"NAME", HOST_TYPE_CLEARABLE | HOST_TYPE_FIELD, label},
        {L"", HOST_TYPE_ANY, nullptr},
    };
    for (const Case& c : cases) EXPECT_EQ(ZelWinGetHandle(f.form, c.text, c.mask), c.found) << c.mask;
    EXPECT_EQ(ZelWinGetHandle(f.form, nullptr, HOST_TYPE_ANY), nullptr);
    EXPECT_EQ(ZelWinGetHandle(Gone(), L"ok", HOST_TYPE_ANY), nullptr);
}

TEST(WinUtils, StateStyleAndPlacementOfAFormAreItsFrames) {
    HostForm f;
    HWND edit = f.Child(L"EDIT", L"", HOST_TYPE_FIELD, WS_TABSTOP);
    EXPECT_TRUE(ZelWinIsWindow(f.form));
    EXPECT_TRUE(ZelWinIsChild(f.frame, edit));
    EXPECT_FALSE(ZelWinIsChild(edit, f.frame));
    EXPECT_TRUE(ZelWinIsRestored(f.form));

    ShowWindow(f.frame, SW_SHOWMINNOACTIVE);
    EXPECT_TRUE(ZelWinIsMinimized(f.form));
    EXPECT_FALSE(ZelWinIsRestored(f.form));
    EXPECT_FALSE(IsIconic(f.form)) << "the form itself is never minimized";
    ShowWindow(f.frame, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(ZelWinIsMaximized(f.form));
    EXPECT_FALSE(ZelWinIsMinimized(f.form));
    ShowWindow(f.frame, SW_RESTORE);
    EXPECT_TRUE(ZelWinIsRestored(f.form));

    ASSERT_TRUE(ZelWinMove(f.form, 30, 40, 350, 260));
    RECT r;
    GetWindowRect(f.frame, &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 350);
    EXPECT_EQ(r.bottom - r.top, 260);
    ASSERT_TRUE(ZelWinMove(edit, 5, 6, 70, 20));
    GetWindowRect(edit, &r);
    MapWindowPoints(nullptr, f.form, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 6);

    EXPECT_EQ(ZelWinGetStyle(edit), GetWindowLongW(edit, GWL_STYLE));
    ASSERT_TRUE(ZelWinSetStyle(edit, ES_UPPERCASE | ES_NUMBER, 1));
    EXPECT_EQ(ZelWinGetStyle(edit) & (ES_UPPERCASE | ES_NUMBER), ES_UPPERCASE | ES_NUMBER);
    ASSERT_TRUE(ZelWinSetStyle(edit, ES_NUMBER, 0));
    EXPECT_EQ(ZelWinGetStyle(edit) & (ES_UPPERCASE | ES_NUMBER), ES_UPPERCASE);

    HWND gone = Gone();
    for (HWND bad : {HWND(nullptr), gone}) {
        EXPECT_FALSE(ZelWinIsWindow(bad));
        EXPECT_FALSE(ZelWinIsChild(f.frame, bad));
        EXPECT_FALSE(ZelWinIsMaximized(bad));
        EXPECT_FALSE(ZelWinIsMinimized(bad));
        EXPECT_FALSE(ZelWinIsRestored(bad));
        EXPECT_FALSE(ZelWinMove(bad, 0, 0, 10, 10));
        EXPECT_EQ(ZelWinGetStyle(bad), -1);
        EXPECT_FALSE(ZelWinSetStyle(bad, WS_BORDER, 1));
        EXPECT_FALSE(ZelWinShow(bad, SW_SHOW));
    }
}

TEST(WinUtils, ShowingAFormShowsItsContainerUnlessAnMdiClient) {
    HostForm f;
    EXPECT_FALSE(ZelWinShow(f.form, SW_SHOWNA)) << "the hidden frame was not visible";
    EXPECT_TRUE(IsWindowVisible(f.frame));
    EXPECT_TRUE(ZelWinShow(f.form, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(f.frame));
    EXPECT_TRUE(GetWindowLongW(f.form, GWL_STYLE) & WS_VISIBLE) << "the form itself stays as it was";

    // A top-level window of the host sitting in an MDI client is shown itself.
    CLIENTCREATESTRUCT mdi = {};
    HWND client = CreateWindowExW(0, L"MDICLIENT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 150, f.frame, nullptr,
                                  GetModuleHandleW(nullptr), &mdi);
    ASSERT_NE(client, nullptr);
    HWND document = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 50, 50, client, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    HostTestSetObjectType(document, HOST_TYPE_TOP_WINDOW_OTHER);
    EXPECT_FALSE(ZelWinShow(document, SW_SHOWNA));
    EXPECT_TRUE(GetWindowLongW(document, GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(ZelWinShow(document, SW_HIDE));
    EXPECT_FALSE(GetWindowLongW(document, GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(GetWindowLongW(client, GWL_STYLE) & WS_VISIBLE);
}

TEST(WinUtils, TabOrderFollowsTheZOrder) {
    HostForm f;
    HWND a = f.Child(L"EDIT", L"a", HOST_TYPE_FIELD, WS_TABSTOP);
    HWND b = f.Child(L"EDIT", L"b", HOST_TYPE_FIELD, WS_TABSTOP);
    HWND c = f.Child(L"EDIT", L"c", HOST_TYPE_FIELD, WS_TABSTOP);
    auto order = [&] {
        std::vector<HWND> seen;
        for (HWND w = GetWindow(f.form, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) seen.push_back(w);
        return seen;
    };
    ASSERT_EQ(order(), (std::vector<HWND>{a, b, c}));
    EXPECT_TRUE(ZelWinSetTabOrder(c, a));
    EXPECT_EQ(order(), (std::vector<HWND>{a, c, b}));
    EXPECT_EQ(GetNextDlgTabItem(f.form, a, FALSE), c);
    EXPECT_TRUE(ZelWinSetTabOrder(c, nullptr));
    EXPECT_FALSE(GetWindowLongW(c, GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(order(), (std::vector<HWND>{a, c, b})) << "without a window to follow only the tab stop goes";
    EXPECT_FALSE(ZelWinSetTabOrder(Gone(), a));
    EXPECT_FALSE(ZelWinSetTabOrder(a, Gone()));
}

TEST(WinUtils, TextSelectionAndTextMessages) {
    HostForm f;
    HWND edit = f.Child(L"EDIT", L"hello world", HOST_TYPE_FIELD);
    HWND combo = HostTestCreateList(f.form, HOST_TYPE_COMBOBOX, WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 10, 40, 120,
                                    100, 7, nullptr, nullptr);
    HWND label = f.Child(L"STATIC", L"label", 0);
    SetWindowTextW(combo, L"combo text");

    EXPECT_EQ(zwtest::TakeHostText(ZelWinGetText(f.form)), L"Customer") << "a form reads as its frame's caption";
    EXPECT_EQ(zwtest::TakeHostText(ZelWinGetText(edit)), L"hello world");
    EXPECT_EQ(zwtest::TakeHostText(ZelWinGetText(Gone())), L"");

    DWORD start = 0, end = 0;
    EXPECT_TRUE(ZelWinSetSelect(edit, 2, 5));
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 5u);
    EXPECT_TRUE(ZelWinSetSelect(edit, 0, -1));
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end, 11u) << "-1 selects to the end";
    EXPECT_TRUE(ZelWinSetSelect(combo, 1, 4));
    SendMessageW(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 4u);
    EXPECT_FALSE(ZelWinSetSelect(label, 0, 1)) << "neither a data field nor a combo box";
    EXPECT_FALSE(ZelWinSetSelect(Gone(), 0, 1));

    EXPECT_EQ(ZelSendMsgString(label, WM_SETTEXT, 0, L"changed"), TRUE);
    EXPECT_EQ(zwtest::TakeHostText(ZelWinGetText(label)), L"changed");
    ZelWinSetSelect(edit, 11, 11);
    ZelSendMsgString(edit, EM_REPLACESEL, FALSE, L"!");
    EXPECT_EQ(zwtest::TakeHostText(ZelWinGetText(edit)), L"hello world!");
    EXPECT_EQ(ZelSendMsgString(Gone(), WM_SETTEXT, 0, L"x"), 0);
}

TEST(WinUtils, PropertiesAreSetReadRemovedAndListed) {
    HostForm f;
    HWND window = f.Child(L"STATIC", L"", 0);
    EXPECT_TRUE(ZelWinSetProp(window, L"Colour", 0x12345));
    EXPECT_EQ(ZelWinGetProp(window, L"colour"), reinterpret_cast<HANDLE>(0x2345)) << "only the low 16 bits";
    EXPECT_TRUE(ZelWinSetProp(window, L"Zero", 0x10000));
    EXPECT_EQ(ZelWinGetProp(window, L"Zero"), nullptr);
    EXPECT_TRUE(ZelWinSetProp(window, L"Size", 42));
    ASSERT_TRUE(ZelWinSetFlags(window, WF_KeepOnClear, 1));
    const HANDLE flags = GetPropW(window, L"ZW:WinFlags");
    ASSERT_NE(flags, nullptr);
    EXPECT_FALSE(ZelWinSetProp(window, L"zw:WinFlags", 1)) << "the library's own properties are refused";
    EXPECT_FALSE(ZelWinRemoveProp(window, L"ZW:WinFlags"));
    EXPECT_EQ(ZelWinGetProp(window, L"ZW:WinFlags"), flags);

    zwtest::HostArray names(HOST_ARRAY_STRING), values(HOST_ARRAY_NUMBER);
    EXPECT_EQ(ZelWinEnumProps(window, names, values), 4);
    std::map<std::wstring, int> listed;
    const std::vector<std::wstring> nameTexts = zwtest::StringElements(names);
    ASSERT_EQ(nameTexts.size(), 4u);
    for (LONG i = 0; i < 4; ++i) {
        HostNumber number{};
        ASSERT_TRUE(HostArrayGetNumber(values, &number, i));
        listed[nameTexts[size_t(i)]] = HostNumberToInt(&number);
    }
    const std::map<std::wstring, int> expected = {
        {L"Colour", 0x2345}, {L"Zero", 0}, {L"Size", 42}, {L"ZW:WinFlags", int(reinterpret_cast<INT_PTR>(flags))}};
    EXPECT_EQ(listed, expected);
    LONG lower = -1, upper = -1;
    EXPECT_EQ(HostArrayGetBounds(values, &lower, &upper), 4);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 3);

    EXPECT_TRUE(ZelWinRemoveProp(window, L"ZERO")) << "a property holding 0 is still removed";
    EXPECT_FALSE(ZelWinRemoveProp(window, L"Zero"));
    EXPECT_TRUE(ZelWinRemoveProp(window, L"Colour"));
    EXPECT_EQ(ZelWinEnumProps(window, names, values), 2);
    EXPECT_EQ(HostArrayGetBounds(names, &lower, &upper), 2) << "the arrays shrink to what was listed";

    HWND gone = Gone();
    EXPECT_EQ(ZelWinEnumProps(gone, names, values), -87);
    EXPECT_EQ(ZelWinEnumProps(window, 0, values), -87);
    EXPECT_EQ(ZelWinEnumProps(window, names, 12345), -87);
    EXPECT_FALSE(ZelWinSetProp(gone, L"Size", 1));
    EXPECT_FALSE(ZelWinSetProp(window, nullptr, 1));
    EXPECT_FALSE(ZelWinSetProp(window, L"", 1));
    EXPECT_EQ(ZelWinGetProp(gone, L"Size"), nullptr);
    EXPECT_EQ(ZelWinGetProp(window, nullptr), nullptr);
    EXPECT_FALSE(ZelWinRemoveProp(gone, L"Size"));
    EXPECT_FALSE(ZelWinRemoveProp(window, nullptr));
}

HWND CaptureWindow() {
    HWND capture = GetCapture();
    wchar_t name[64] = {};
    if (capture) GetClassNameW(capture, name, 64);
    return std::wstring(name) == L"Zel:MouseCapture" ? capture : nullptr;
}

TEST(WinUtils, WaitCursorModes) {
    const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(arrow);
    int switches = 0;
    HostTestWaitCursor(&switches);
    const int start = switches;

    // Host modes: only the outermost pair switches the host's cursor.
    struct Step {
        int mode;
        bool hostOn;
        int switches;  // since the start
    } hostSteps[] = {
        {ZW_WAIT_HostOn, true, 1}, {ZW_WAIT_HostOn, true, 1}, {ZW_WAIT_HostOff, true, 1},
        {ZW_WAIT_HostOff, false, 2}, {ZW_WAIT_HostOff, false, 2},  // one end too many changes nothing
        {ZW_WAIT_HostOn, true, 3}, {ZW_WAIT_HostOff, false, 4},     // and the count is not thrown off
        {99, false, 4}, {-1, false, 4},                             // unknown modes are ignored
    };
    for (const Step& step : hostSteps) {
        ZelWaitCursor(step.mode);
        EXPECT_EQ(HostTestWaitCursor(&switches) != FALSE, step.hostOn) << "mode " << step.mode;
        EXPECT_EQ(switches - start, step.switches) << "mode " << step.mode;
        EXPECT_EQ(GetCursor(), arrow) << "the host shows its own cursor";
    }

    // The library's cursor without counting.
    ZelWaitCursor(ZW_WAIT_Show);
    EXPECT_EQ(GetCursor(), wait);
    ZelWaitCursor(ZW_WAIT_Show);
    ZelWaitCursor(ZW_WAIT_Restore);
    EXPECT_EQ(GetCursor(), arrow) << "a second show keeps the first saved cursor";

    // With the mouse captured, nested.
    ZelWaitCursor(ZW_WAIT_CaptureOn);
    HWND capture = CaptureWindow();
    ASSERT_NE(capture, nullptr);
    EXPECT_EQ(GetCursor(), wait);
    RECT r;
    GetWindowRect(capture, &r);
    EXPECT_TRUE(IsRectEmpty(&r));
    EXPECT_FALSE(IsWindowVisible(capture));
    ZelWaitCursor(ZW_WAIT_CaptureOn);
    ZelWaitCursor(ZW_WAIT_CaptureOff);
    EXPECT_EQ(CaptureWindow(), capture) << "the inner end keeps the capture";
    EXPECT_EQ(GetCursor(), wait);
    ZelWaitCursor(ZW_WAIT_CaptureOff);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetCursor(), arrow);
    ZelWaitCursor(ZW_WAIT_CaptureOn);
    EXPECT_EQ(CaptureWindow(), capture) << "the capture window is made once";
    ZelWaitCursor(ZW_WAIT_CaptureOff);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(HostTestWaitCursor(nullptr));
}

}  // namespace
