// Library information exports, the retry dialog and host string results made
// while the host is short of memory.
#include <gtest/gtest.h>

#include <memory>

#include "tests/win/support/zwtest.h"

namespace {

// The value a version resource holds under \StringFileInfo\040904E4\<name>,
// read from the library file the test program loaded.
std::wstring VersionValue(const wchar_t* name) {
    WCHAR path[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(L"zwi51.dll"), path, MAX_PATH);
    DWORD ignored = 0, size = GetFileVersionInfoSizeW(path, &ignored);
    std::unique_ptr<BYTE[]> block(new BYTE[size]);
    if (!size || !GetFileVersionInfoW(path, 0, size, block.get())) return L"(none)";
    LPVOID value = nullptr;
    UINT length = 0;
    std::wstring query = std::wstring(L"\\StringFileInfo\\040904E4\\") + name;
    if (!VerQueryValueW(block.get(), query.c_str(), &value, &length)) return L"(none)";
    return static_cast<const WCHAR*>(value);
}

TEST(LibraryInfo, VersionTextsComeFromTheVersionResource) {
    std::wstring version = zwtest::TakeHostText(ZelGetVersion());
    std::wstring copyright = zwtest::TakeHostText(ZelGetCopyright());
    EXPECT_EQ(version, VersionValue(L"ProductVersion"));
    EXPECT_EQ(copyright, VersionValue(L"LegalCopyright"));
    EXPECT_EQ(version, L"5.1.0");
    EXPECT_NE(copyright.find(L"Copyright"), std::wstring::npos);
}

// Called the way a host calls a function that returns a 25-byte value: it
// passes the address of the result and gets that address back.
typedef ZW_HOSTVALUE* (__stdcall* ReturnsHostValue)(ZW_HOSTVALUE* result);

TEST(LibraryInfo, WindowsVersionIsAHostNumber) {
    auto call = reinterpret_cast<ReturnsHostValue>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"zwi51.dll"), "ZelGetWinVersion")));
    ASSERT_NE(call, nullptr);
    ZW_HOSTVALUE value;
    memset(&value, 0xCC, sizeof value);
    ZW_HOSTVALUE* returned = call(&value);
    EXPECT_EQ(returned, &value);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(GetVersionExW(&info));
#pragma GCC diagnostic pop
    HostNumber number;
    memcpy(&number, &value, sizeof number);
    EXPECT_EQ(HostNumberToInt(&number), int(info.dwMajorVersion + info.dwMinorVersion / 10));
    // The declared form returns the same bytes.
    ZW_HOSTVALUE direct = ZelGetWinVersion();
    EXPECT_EQ(memcmp(&direct, &value, sizeof value), 0);
}

TEST(LibraryInfo, KeyStateAndMetricsAreForwarded) {
    EXPECT_EQ(ZelGetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(ZelGetSystemMetrics(SM_CYICON), GetSystemMetrics(SM_CYICON));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CAPITAL] = 0x81;
    SetKeyboardState(keys);
    EXPECT_EQ(ZelGetKeyState(VK_CAPITAL), GetKeyState(VK_CAPITAL));
    EXPECT_LT(ZelGetKeyState(VK_CAPITAL), 0);
}

TEST(ErrorRecovery, DialogShowsItsTemplateAndAnswersWithTheButton) {
    for (int button : {203, 204}) {
        int initBefore = HostTestInitDialogCount(nullptr);
        zwtest::DialogWatcher watcher([&](const zwtest::SeenDialog&) { return button; });
        EXPECT_EQ(ZelErrorRecovery(L"Payroll"), button == 203 ? 1 : 2);
        ASSERT_EQ(watcher.Seen().size(), 1u);
        const zwtest::SeenDialog& seen = watcher.Seen()[0];
        EXPECT_EQ(seen.caption, L"Payroll");
        EXPECT_EQ(seen.text, L"An error has occurred in your application.");
        ASSERT_EQ(seen.buttons.size(), 2u);
        EXPECT_EQ(seen.buttons[0], L"&Retry");
        EXPECT_EQ(seen.buttons[1], L"&Halt Application");
        EXPECT_EQ(seen.buttonIds, (std::vector<int>{203, 204}));
        EXPECT_NE(seen.icon, nullptr);
        EXPECT_EQ(seen.systemCloseText, L"&Close Alt+F4");
        EXPECT_EQ(HostTestInitDialogCount(nullptr), initBefore + 1);
    }
}

TEST(ErrorRecovery, EscapeAndCloseDoNotEndTheDialog) {
    // Cancel (Escape) and the system Close arrive before the click on Retry;
    // had either ended the dialog, its result would not be 1.
    zwtest::DialogWatcher watcher([](const zwtest::SeenDialog& seen) {
        PostMessageW(seen.window, WM_COMMAND, IDCANCEL, 0);
        PostMessageW(seen.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 203;
    });
    EXPECT_EQ(ZelErrorRecovery(L"x"), 1);
    EXPECT_EQ(watcher.Seen().size(), 1u);
}

TEST(ErrorRecovery, RetryIsOfferedUntilTheHostCanMakeTheString) {
    int live = HostTestLiveStrings();
    HostTestFailStringAllocs(3);
    zwtest::DialogWatcher watcher([](const zwtest::SeenDialog&) { return 203; });
    ZW_HSTR version = ZelGetVersion();
    EXPECT_EQ(watcher.Seen().size(), 3u) << "one dialog per failed allocation";
    for (const zwtest::SeenDialog& seen : watcher.Seen()) EXPECT_EQ(seen.caption, L"Zelkova Widgets");
    EXPECT_EQ(zwtest::TakeHostText(version), L"5.1.0");
    EXPECT_EQ(HostTestLiveStrings(), live) << "no string leaked by the failed attempts";
}

TEST(ErrorRecovery, HaltCallsHostAbort) {
    HostTestInterceptAbort(TRUE);
    int aborts = HostTestAbortCount();
    HostTestFailStringAllocs(1);
    {
        zwtest::DialogWatcher watcher([](const zwtest::SeenDialog&) { return 204; });
        ZW_HSTR copyright = ZelGetCopyright();
        EXPECT_EQ(watcher.Seen().size(), 1u);
        // A host whose abort returns lets the retry go on, and it succeeds.
        EXPECT_FALSE(zwtest::TakeHostText(copyright).empty());
    }
    EXPECT_EQ(HostTestAbortCount(), aborts + 1);
    HostTestInterceptAbort(FALSE);
}

}  // namespace
