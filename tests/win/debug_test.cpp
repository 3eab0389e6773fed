// Debugging and timing exports: levels and flags, where messages go, and the
// timing report. The settings are process-wide, so each test restores them.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/win/support/zwtest.h"

namespace {

constexpr DWORD kElapsed = 0x10000, kClock = 0x20000, kBoxes = 0x80000;

// Restores the initial flags and level at the end of a test.
struct InitialSettings {
    ~InitialSettings() {
        ZelDebugSetFlags(0xFFFFFFFF, FALSE);
        ZelDebugSetFlags(kElapsed, TRUE);
        ZelDebugSetLevel(0);
    }
};

bool Matches(const std::wstring& text, const wchar_t* pattern) {
    return std::regex_match(text, std::wregex(pattern));
}

}  // namespace

TEST(Debug, SetTimeBeforeAnyBeginAndEndWithoutMarksAreRefused) {
    zwtest::DebugCapture capture;
    EXPECT_EQ(ZelDebugSetTime(L"early"), 0);
    EXPECT_EQ(ZelDebugEndTime(0), 0);
    EXPECT_TRUE(capture.Lines().empty());
}

TEST(Debug, LevelsAndFlags) {
    InitialSettings restore;
    EXPECT_EQ(ZelDebugGetFlags(), kElapsed);
    EXPECT_EQ(ZelDebugSetFlags(kBoxes, TRUE), kElapsed | kBoxes);
    EXPECT_EQ(ZelDebugSetFlags(kElapsed, FALSE), kBoxes);
    EXPECT_EQ(ZelDebugGetFlags(), kBoxes);
    ZelDebugSetFlags(kBoxes, FALSE);
    {
        zwtest::DebugCapture capture;
        EXPECT_EQ(ZelDebugString(L"hidden", 1), 0);
        EXPECT_EQ(ZelDebugString(L"shown", 0), 1);
        EXPECT_EQ(ZelDebugString(nullptr, 0), 1);
        EXPECT_EQ(ZelDebugSetLevel(3), 1);
        EXPECT_EQ(ZelDebugString(L"level three", 3), 1);
        EXPECT_EQ(ZelDebugString(L"level four", 4), 0);
        EXPECT_EQ(capture.Lines(), (std::vector<std::wstring>{L"shown\n", L"\n", L"level three\n"}));
    }
    ZelDebugSetFlags(kBoxes, TRUE);
    zwtest::DialogWatcher watcher;
    zwtest::DebugCapture capture;
    EXPECT_EQ(ZelDebugString(L"in a box", 2), 1);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].caption, L"Debug");
    EXPECT_EQ(watcher.Seen()[0].text, L"in a box");
    EXPECT_TRUE(capture.Lines().empty());
}

TEST(Debug, AssertShowsTheActiveWindowsName) {
    const HWND window = CreateWindowW(L"STATIC", L"form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                      nullptr, nullptr, nullptr);
    SetActiveWindow(window);
    HostTestSetWindowName(GetActiveWindow(), L"frmMain");
    zwtest::DialogWatcher watcher;
    EXPECT_EQ(ZelDebugAssert(TRUE, L"fine"), 1);
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ(ZelDebugAssert(FALSE, L"count is negative"), 1);
    EXPECT_EQ(ZelDebugAssert(FALSE, nullptr), 1);
    ASSERT_EQ(watcher.Seen().size(), 2u);
    EXPECT_EQ(watcher.Seen()[0].caption, L"Assertion Failure");
    EXPECT_EQ(watcher.Seen()[0].text, L"frmMain: count is negative");
    EXPECT_EQ(watcher.Seen()[1].text, L"frmMain: ");
    HostTestSetWindowName(GetActiveWindow(), nullptr);
    DestroyWindow(window);
}

TEST(Debug, TimingReports) {
    InitialSettings restore;
    {
        // Right after the begin mark: one interval, ended by an "End" mark.
        zwtest::DebugCapture capture;
        EXPECT_EQ(ZelDebugBeginTime(), 1);
        EXPECT_EQ(ZelDebugEndTime(0), 1);
        ASSERT_EQ(capture.Lines().size(), 2u);
        EXPECT_TRUE(Matches(capture.Lines()[0], LR"(End: 0:00\.\d\d\n)")) << capture.Lines()[0];
        EXPECT_TRUE(Matches(capture.Lines()[1], LR"(Total 0:00\.\d\d\n)")) << capture.Lines()[1];
    }
    {
        zwtest::DebugCapture capture;
        ZelDebugSetFlags(kClock, TRUE);
        EXPECT_EQ(ZelDebugBeginTime(), 1);
        Sleep(30);
        EXPECT_EQ(ZelDebugSetTime(L"loaded"), 1);
        EXPECT_EQ(ZelDebugEndTime(1), 0);  // above the level: nothing
        EXPECT_EQ(ZelDebugEndTime(0), 1);
        ASSERT_EQ(capture.Lines().size(), 3u);
        const wchar_t* clock = LR"(\d\d:\d\d:\d\d [AP]M)";
        EXPECT_TRUE(Matches(capture.Lines()[0], (std::wstring(LR"(Begin: \()") + clock + LR"(\)\n)").c_str()));
        EXPECT_TRUE(Matches(capture.Lines()[1], (std::wstring(LR"(loaded: 0:00\.\d\d \()") + clock + LR"(\)\n)").c_str()))
            << capture.Lines()[1];
        EXPECT_FALSE(Matches(capture.Lines()[1], L"loaded: 0:00.00.*"));  // 30 ms passed
    }
    // A run holds 81 marks; the next is refused. In message-box mode the
    // report is one box.
    ZelDebugSetFlags(kClock, FALSE);
    ZelDebugSetFlags(kBoxes, TRUE);
    EXPECT_EQ(ZelDebugBeginTime(), 1);
    for (int i = 1; i < 81; ++i) ASSERT_EQ(ZelDebugSetTime(L"step"), 1) << i;
    EXPECT_EQ(ZelDebugSetTime(L"one too many"), 0);
    zwtest::DialogWatcher watcher;
    EXPECT_EQ(ZelDebugEndTime(0), 1);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].caption, L"Performance Time");
    EXPECT_TRUE(Matches(watcher.Seen()[0].text, LR"((step: 0:00\.\d\d\n){80}Total 0:00\.\d\d)"));
}
