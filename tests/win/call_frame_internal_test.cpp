// The common frame of exports: failure values, the null-instance report,
// refused stale instances and the debug line of each failure.
#include <gtest/gtest.h>

#include <stdexcept>

#include "frame/call_frame.h"
#include "frame/control.h"
#include "tests/win/support/zwtest.h"

namespace {

class TestControl : public zw::Control {
public:
    static TestControl* FromInstance(void* instance) {
        return static_cast<TestControl*>(zw::Control::FromInstance(instance));
    }
    int cleared = 0;
};

// The shape of a control export, as ZelCalClearMarked has it.
int ClearMarked(void* instance) {
    return zw::ControlCall<TestControl>(L"ZelCalClearMarked()", instance, 0, L" - Unable to clear selected dates.",
                                        [](TestControl& c) { return ++c.cleared; });
}

const std::wstring kMessage48 =
    L"Function 'ZelCalClearMarked()' unable to act because pointer to control instance is NULL.  This is likely "
    L"due to interception of ZWM_ControlCreate in Corvane Builder.  Please remove any such lines from your "
    L"application.";

TEST(CallFrame, NullInstanceShowsMessage48OnceAndWritesOneDebugLine) {
    zwtest::DebugCapture debug;
    zwtest::DialogWatcher watcher;
    EXPECT_EQ(ClearMarked(nullptr), 0);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    const zwtest::SeenDialog& box = watcher.Seen()[0];
    EXPECT_EQ(box.text, kMessage48);
    EXPECT_EQ(box.caption, L"Zelkova Widgets Library");
    EXPECT_EQ(box.icon, LoadIconW(nullptr, IDI_HAND)) << "the stop icon";
    EXPECT_EQ(box.helpContext, 48u);
    ASSERT_EQ(debug.Lines().size(), 1u);
    EXPECT_EQ(debug.Lines()[0], L"ZelCalClearMarked() - Unable to clear selected dates.\n");
}

TEST(CallFrame, LiveInstanceRunsAndStaleInstanceIsRefusedQuietly) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    auto* control = new TestControl;
    ASSERT_TRUE(control->Subclass(window));
    EXPECT_EQ(ClearMarked(control), 1);
    EXPECT_EQ(ClearMarked(control), 2);
    DestroyWindow(window);  // the control goes with its window

    zwtest::DebugCapture debug;
    zwtest::DialogWatcher watcher;
    int garbage = 0;
    EXPECT_EQ(ClearMarked(control), 0) << "stale instance";
    EXPECT_EQ(ClearMarked(&garbage), 0) << "pointer the library never made";
    EXPECT_TRUE(watcher.Seen().empty());
    ASSERT_EQ(debug.Lines().size(), 2u);
    EXPECT_EQ(debug.Lines()[1], L"ZelCalClearMarked() - Unable to clear selected dates.\n");
}

TEST(CallFrame, ForeignExceptionsAreReportedWithMessage52) {
    zwtest::DebugCapture debug;
    int result = zw::Guarded(L"ZelListDoSomething()", -1, []() -> int { throw std::runtime_error("boom"); });
    EXPECT_EQ(result, -1);
    ASSERT_EQ(debug.Lines().size(), 1u);
    EXPECT_EQ(debug.Lines()[0], L"ZelListDoSomething() - Unhandled exception in function 'ZelListDoSomething()'.\n");
    // A library exception without an export text describes itself.
    int second = zw::Guarded(L"ZelX()", 7, []() -> int { throw zw::MemoryException(); });
    EXPECT_EQ(second, 7);
    EXPECT_EQ(debug.Lines().back(), L"ZelX() - Out of memory.\n");
    // Inside a frame, lower layers see the export's name.
    std::wstring seen = zw::Guarded(L"ZelOuter()", std::wstring(), [] { return std::wstring(zw::CurrentFunctionName()); });
    EXPECT_EQ(seen, L"ZelOuter()");
}

TEST(CallFrame, WindowProcedureExceptionsStayInside) {
    struct Throwing : zw::Wnd {
        LRESULT WindowProc(UINT m, WPARAM w, LPARAM l) override {
            if (m == WM_APP) throw std::runtime_error("inside a window procedure");
            return zw::Wnd::WindowProc(m, w, l);
        }
    } object;
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(object.Subclass(window));
    zwtest::DebugCapture debug;
    SendMessageW(window, WM_APP, 0, 0);
    EXPECT_EQ(debug.Lines().size(), 1u);
    object.Unsubclass();
    DestroyWindow(window);
}

}  // namespace
