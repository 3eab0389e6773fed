// Keyboard accelerators, driven by real key events: the thread's keyboard
// hook sees the keys as the message loop takes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/win/support/zwtest.h"

namespace {

constexpr UINT kFired = WM_APP + 1;

struct Target {
    HWND window = nullptr;
    std::vector<LPARAM> fired;   // lParam of each accelerator message
    int keyDownsSeen = 0;        // key-downs that reached the window
    int keyUpsSeen = 0;
};
Target* current = nullptr;

LRESULT CALLBACK TargetProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (current) {
        if (m == kFired) current->fired.push_back(lp);
        if (m == WM_KEYDOWN) ++current->keyDownsSeen;
        if (m == WM_KEYUP) ++current->keyUpsSeen;
    }
    return DefWindowProcW(w, m, wp, lp);
}

class Accelerators : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = TargetProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"AccelTarget";
        RegisterClassW(&wc);
        target.window = CreateWindowExW(0, L"AccelTarget", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        current = &target;
        SetForegroundWindow(target.window);
        SetFocus(target.window);
        zwtest::PumpMessages();
        Settle();
    }
    void TearDown() override {
        for (HLOCAL a : loaded) ZelWinFreeAccelerator(a);
        current = nullptr;
        DestroyWindow(target.window);
    }

    // Waits until queued input has been delivered and handled.
    static void Settle() {
        for (int i = 0; i < 10; ++i) {
            Sleep(10);
            zwtest::PumpMessages();
        }
    }
    static void Key(WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &input, sizeof input);
    }
    // Presses and releases `vk` with the given modifiers held.
    void Press(WORD vk, std::initializer_list<WORD> modifiers = {}) {
        for (WORD m : modifiers) Key(m, false);
        Key(vk, false);
        Settle();
        downFired = target.fired.size();
        Key(vk, true);
        for (WORD m : modifiers) Key(m, true);
        Settle();
    }
    HLOCAL Load(UINT message, int modifier, WORD vk, LPARAM lParam) {
        HLOCAL a = ZelWinLoadAccelerator(target.window, message, modifier, vk, lParam);
        if (a) loaded.push_back(a);
        return a;
    }
    void Free(HLOCAL a) {
        EXPECT_TRUE(ZelWinFreeAccelerator(a));
        loaded.erase(std::remove(loaded.begin(), loaded.end(), a), loaded.end());
    }

    Target target;
    std::vector<HLOCAL> loaded;
    size_t downFired = 0;  // messages sent by the time the key was down
};

TEST_F(Accelerators, KeyDownIsSwallowedAndTheMessageIsSentOnKeyUp) {
    ASSERT_NE(Load(kFired, 0, 'K', 77), nullptr);
    Press('K');
    EXPECT_EQ(downFired, 0u) << "nothing is sent on key-down";
    ASSERT_EQ(target.fired.size(), 1u);
    EXPECT_EQ(target.fired[0], 77);
    EXPECT_EQ(target.keyDownsSeen, 0) << "a matched key never reaches the window";
    EXPECT_EQ(target.keyUpsSeen, 0);
    // Another key passes through untouched.
    Press('J');
    EXPECT_EQ(target.fired.size(), 1u);
    EXPECT_GE(target.keyDownsSeen, 1);
}

TEST_F(Accelerators, FirstOfTwoForTheSameKeyWins) {
    ASSERT_NE(Load(kFired, 0, 'Q', 1), nullptr);
    ASSERT_NE(Load(kFired, 0, 'Q', 2), nullptr);
    Press('Q');
    ASSERT_EQ(target.fired.size(), 1u);
    EXPECT_EQ(target.fired[0], 1);
}

TEST_F(Accelerators, ModifierCodesSelectTheCombination) {
    // Code 0 fires whatever the modifiers; 1 Shift, 2 Ctrl, 3 Shift+Ctrl.
    struct Case {
        int modifier;
        std::initializer_list<WORD> held;
        bool fires;
    };
    const Case cases[] = {
        {0, {}, true},          {0, {VK_SHIFT}, true},   {0, {VK_CONTROL}, true},
        {1, {VK_SHIFT}, true},  {1, {}, false},          {1, {VK_SHIFT, VK_CONTROL}, false},
        {2, {VK_CONTROL}, true}, {2, {VK_SHIFT}, false}, {3, {VK_SHIFT, VK_CONTROL}, true},
        {3, {VK_SHIFT}, false},
    };
    for (const Case& c : cases) {
        HLOCAL a = Load(kFired, c.modifier, 'M', c.modifier);
        ASSERT_NE(a, nullptr);
        target.fired.clear();
        Press('M', c.held);
        EXPECT_EQ(target.fired.size(), c.fires ? 1u : 0u) << "modifier code " << c.modifier << " with "
                                                          << c.held.size() << " keys held";
        Free(a);
    }
}

TEST_F(Accelerators, FreeingTheLastRemovesTheHookAndLoadingAgainReinstallsIt) {
    HLOCAL a = Load(kFired, 0, 'H', 5);
    ASSERT_NE(a, nullptr);
    Free(a);
    Press('H');
    EXPECT_TRUE(target.fired.empty());
    EXPECT_GE(target.keyDownsSeen, 1) << "without accelerators keys reach the window";
    ASSERT_NE(Load(kFired, 0, 'H', 6), nullptr);
    Press('H');
    ASSERT_EQ(target.fired.size(), 1u);
    EXPECT_EQ(target.fired[0], 6);
}

TEST_F(Accelerators, TargetInAChildTableFiresOnlyWhileTheFocusIsInItsForm) {
    // form > table (host type 0x200000) > target; the focus is either in the
    // form (a sibling of the table) or in another top-level window.
    HWND form = CreateWindowExW(0, L"AccelTarget", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND table = CreateWindowExW(0, L"AccelTarget", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, form, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    HWND cell = CreateWindowExW(0, L"AccelTarget", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, table, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    HWND field = CreateWindowExW(0, L"AccelTarget", L"", WS_CHILD | WS_VISIBLE, 100, 0, 50, 50, form, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    HostTestSetObjectType(table, 0x200000);
    HLOCAL a = ZelWinLoadAccelerator(cell, kFired, 0, 'T', 9);
    ASSERT_NE(a, nullptr);
    loaded.push_back(a);

    SetForegroundWindow(form);
    SetFocus(field);
    Settle();
    Press('T');
    EXPECT_EQ(target.fired.size(), 1u) << "focus in the table's form";

    target.fired.clear();
    SetForegroundWindow(target.window);
    SetFocus(target.window);
    Settle();
    Press('T');
    EXPECT_TRUE(target.fired.empty()) << "focus elsewhere";
    HostTestSetObjectType(table, 0);
    DestroyWindow(form);
}

TEST_F(Accelerators, BadArgumentsFailWithoutHarm) {
    EXPECT_EQ(ZelWinLoadAccelerator(reinterpret_cast<HWND>(0x1234), kFired, 0, 'A', 0), nullptr);
    EXPECT_FALSE(ZelWinFreeAccelerator(nullptr));
    HLOCAL a = Load(kFired, 0, 'A', 1);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(ZelWinFreeAccelerator(reinterpret_cast<HLOCAL>(0x00BADBAD)));
    HLOCAL foreign = LocalAlloc(LMEM_MOVEABLE, 26);
    EXPECT_FALSE(ZelWinFreeAccelerator(foreign)) << "a block the library did not make is refused";
    LocalFree(foreign);
    Free(a);
    EXPECT_FALSE(ZelWinFreeAccelerator(a)) << "a freed accelerator is refused";
    EXPECT_EQ(ZelGetWinFlags(), 0);
}

}  // namespace
