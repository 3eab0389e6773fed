// Allocation failure: the replacement host fails its Nth allocation (a host
// string or array made or grown), for every N that a representative call of
// each family reaches. A string result goes through the retry dialog and is
// still right; other calls return their failure value or succeed; and the
// same call made normally afterwards gives the normal result.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "include/zwi51.h"
#include "tests/win/support/calendar_harness.h"
#include "tests/win/support/outline_boxes.h"
#include "tests/win/support/zwtest.h"

namespace {

using zwtest::HostArray;
using zwtest::TakeHostText;

struct Family {
    const char* name;
    // Makes the call; returns what it gave, as text, for comparing with the
    // normal result.
    std::function<std::string()> call;
    // Results other than the normal one that an allocation failure may give.
    std::vector<std::string> failures;
    // Dialogs a failure may show: the retry dialog of a string result, or the
    // one question of a profile name the host cannot hold.
    int maxDialogs;
};

// The allocation to fail in the next armed call (0: none), and whether the
// last armed call reached it.
int g_failAt = 0;
bool g_failed = false;

// Runs the library call alone with the failure armed, so that the test's own
// set-up and reading of results never meet it.
template <typename Call>
auto Armed(Call call) {
    HostTestFailAllocation(g_failAt);
    auto result = call();
    g_failed = g_failAt > 0 && HostTestAllocationsBeforeFailure() == 0;
    HostTestFailAllocation(0);
    return result;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// Walks N from 1 until the call no longer reaches its Nth allocation.
void Walk(const Family& f) {
    g_failAt = 0;
    const std::string normal = f.call();
    int reached = 0;
    for (int n = 1; n < 200; ++n) {
        int dialogs = 0;
        std::string result;
        {
            // Answers the retry dialog with "&Retry" (203).
            zwtest::DialogWatcher watcher([&](const zwtest::SeenDialog&) {
                ++dialogs;
                return 203;
            });
            g_failAt = n;
            result = f.call();
            g_failAt = 0;
        }
        if (!g_failed) break;
        ++reached;
        EXPECT_LE(dialogs, f.maxDialogs) << f.name << " failing allocation " << n;
        bool known = result == normal;
        for (const std::string& failure : f.failures) known = known || result == failure;
        EXPECT_TRUE(known) << f.name << " failing allocation " << n << " gave " << result;
        // Nothing is left damaged: the call made normally works again.
        EXPECT_EQ(f.call(), normal) << f.name << " after failing allocation " << n;
    }
    EXPECT_GT(reached, 0) << f.name << " made no host allocation";
}

TEST(AllocationFailure, EachFamilyFailsCleanlyAndRecovers) {
    zwtest::Form form;
    HWND box = form.Box(ZW_LS_OUTLINE);
    ZW_HITEM root = ZelListLoadChild(box, nullptr, nullptr, nullptr, L"root", 1, 0);
    ZelListLoadChild(box, root, nullptr, nullptr, L"child", 2, 0);
    ZelListShowOutline(box, 2);
    zwtest::CalendarForm calendars;
    void* calendar = nullptr;
    calendars.Place(L"ZW:cCalendar:10", 200, 160, &calendar);
    ASSERT_NE(calendar, nullptr);
    ZelCalMarkDate(calendar, zwtest::Arg(zwtest::Date(2026, 12, 6)), 1);
    zwtest::TempFolder folder(L"allocfail");
    ASSERT_TRUE(zwtest::WriteFileBytes(folder / L"walk.ini", "[Walk]\r\none=1\r\ntwo=2\r\nthree=3\r\n"));
    const std::wstring ini = folder / L"walk.ini";
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 100, L"&Open");

    const Family families[] = {
        {"strings", [] { return Narrow(TakeHostText(Armed([] { return ZelStrTrim(L"  padded  "); }))); }, {}, 1},
        {"outline text", [&] { return Narrow(TakeHostText(Armed([&] { return ZelListGetText(box, 1); }))); }, {}, 1},
        {"menu text", [&] { return Narrow(TakeHostText(Armed([&] { return ZelMenuGetText(menu, 0, nullptr); }))); },
         {}, 1},
        {"arrays",
         [] {
             HostArray source({L"a", L"b", L"c"});
             HostArray target({L"x"});
             int count = Armed([&] { return ZelArrayAppend(source, target, HOST_ARRAY_STRING); });
             std::string text = std::to_string(count);
             for (const std::wstring& s : zwtest::StringElements(target)) text += "," + Narrow(s);
             return text;
         },
         {"-8,x"}, 0},
        {"array fill",
         [] {
             HostArray target;
             int ok = Armed([&] { return ZelArrayFillString(target, L"z", 3); });
             return std::to_string(ok) + ":" + std::to_string(zwtest::StringElements(target).size());
         },
         {"0:0"}, 0},
        {"calendar marks",
         [&] {
             HostArray dates(HOST_ARRAY_DATETIME);
             return std::to_string(Armed([&] { return ZelCalGetMarked(calendar, dates); }));
         },
         {"-1"}, 0},
        {"file names",
         [] {
             ZW_HSTR parts[4] = {};
             int result = Armed([&] { return ZelDosSplitPath(L"C:\\dir\\name.ext", &parts[0], &parts[1], &parts[2], &parts[3]); });
             std::string text = std::to_string(result);
             for (ZW_HSTR part : parts) text += "|" + Narrow(TakeHostText(part));
             return text;
         },
         {}, 1},
        {"profiles",
         [&] {
             HostArray names;
             int result = Armed([&] { return ZelProfileEnumStrings(ini.c_str(), L"Walk", names); });
             std::string text = std::to_string(result);
             for (const std::wstring& s : zwtest::StringElements(names)) text += "," + Narrow(s);
             return text;
         },
         // A name the host cannot hold is stored empty once its question is answered.
         {"0,,two,three", "0,one,,three", "0,one,two,"}, 1},
    };
    for (const Family& f : families) Walk(f);
    EXPECT_EQ(HostTestAllocationsBeforeFailure(), 0);
    DestroyMenu(menu);
}

}  // namespace
