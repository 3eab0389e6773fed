// Every export declared in include/zwi51.h, called with bad arguments: null,
// -1 and small numbers for handles, memory that was freed, windows that were
// destroyed or belong to another class, host strings and arrays of the wrong
// kind or already freed. Each call must come back (no crash, no hang) without
// showing a dialog, except the one report that a null control instance gives.
//
// The table of exports and argument kinds is generated from the header at
// build time, so a new export is swept without editing this file.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "host/host_test.h"
#include "include/zwi51.h"
#include "tests/win/support/calendar_harness.h"
#include "tests/win/support/zwtest.h"

namespace {

// The export being called, for the crash and hang reports.
const char* volatile g_current = "";
volatile int g_round = -1;
volatile LONG g_calls = 0;

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
    std::fprintf(stderr, "CRASH in %s (round %d): exception %08lx at %p\n", g_current, g_round,
                 static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode),
                 info->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

// Ends the program when one call has not come back within 20 seconds.
DWORD WINAPI Watchdog(void*) {
    LONG seen = -1;
    for (;;) {
        Sleep(20000);
        LONG now = g_calls;
        if (now == seen && g_current[0]) {
            std::fprintf(stderr, "HANG in %s (round %d)\n", g_current, g_round);
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 4);
        }
        seen = now;
    }
}

// Refuses every dialog and menu window the thread tries to create (a modal
// loop would wait for a user) and counts the dialogs.
class DialogBlocker {
public:
    DialogBlocker() {
        instance_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, Proc, nullptr, GetCurrentThreadId());
    }
    ~DialogBlocker() {
        UnhookWindowsHookEx(hook_);
        instance_ = nullptr;
    }
    int Take() {
        int n = dialogs_;
        dialogs_ = 0;
        return n;
    }

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND && instance_) {
            wchar_t name[16] = {};
            GetClassNameW(reinterpret_cast<HWND>(wParam), name, 16);
            if (!std::wcscmp(name, L"#32770")) {
                ++instance_->dialogs_;
                return 1;
            }
            if (!std::wcscmp(name, L"#32768")) return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline DialogBlocker* instance_ = nullptr;
    HHOOK hook_ = nullptr;
    int dialogs_ = 0;
};

// The bad values of one round, made afresh for each round because a call may
// free or destroy what it is given.
struct Round {
    explicit Round(int round) : form(std::make_unique<zwtest::CalendarForm>()) {
        HWND parent = form->Handle();
        HINSTANCE module = GetModuleHandleW(nullptr);
        destroyed = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, parent, nullptr, module, nullptr);
        DestroyWindow(destroyed);
        button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD, 0, 0, 60, 20, parent, nullptr, module, nullptr);
        listBox = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_NOTIFY, 0, 30, 100, 80, parent, nullptr,
                                  module, nullptr);
        calendarWindow = form->Place(L"ZW:cCalendar:10", 200, 160, &calendar);
        form->Place(L"ZW:cSplitter:10", 6, 100, &splitter);
        form->Place(L"ZW:cPalette:10", 120, 90, &palette);
        freed = HeapAlloc(GetProcessHeap(), 0, 256);
        std::memset(freed, 0xA5, 256);
        HeapFree(GetProcessHeap(), 0, freed);
        garbage.assign(256, 0x5A);
        liveText = HostTestNewString(L"abc");
        emptyText = HostTestNewString(L"");
        freedText = HostTestNewString(L"gone");
        HostTestFreeString(freedText);
        stringArray = HostArrayCreate(HOST_ARRAY_STRING);
        HostArraySetBounds(stringArray, 0, 2);
        HostArrayPutString(stringArray, liveText, 1);
        numberArray = HostArrayCreate(HOST_ARRAY_NUMBER);
        freedArray = HostArrayCreate(HOST_ARRAY_STRING);
        HostArrayDestroy(freedArray);
        longText.assign(40000, L'x');
        scratch.assign(1 << 16, 0);
        (void)round;
    }
    ~Round() {
        HostArrayDestroy(stringArray);
        HostArrayDestroy(numberArray);
        HostTestFreeString(liveText);
        HostTestFreeString(emptyText);
    }

    uintptr_t Value(char kind, int pick) {
        auto bits = [](auto v) { return static_cast<uintptr_t>(reinterpret_cast<uintptr_t>(v)); };
        switch (kind) {
        case 'W': {
            HWND v[] = {nullptr, reinterpret_cast<HWND>(-1), reinterpret_cast<HWND>(5), destroyed, button, listBox,
                        calendarWindow};
            return bits(v[pick % 7]);
        }
        case 'T': {
            const wchar_t* v[] = {nullptr, L"", longText.c_str(), L"*?<>|\x01\xFFFF", L"\\\\?\\Z:\\none\\", L"-1",
                                  L"{%s}%"};
            return bits(v[pick % 7]);
        }
        case 'S': {
            DWORD v[] = {0, 0xFFFFFFFF, 12345, freedText, stringArray, liveText, emptyText};
            return v[pick % 7];
        }
        case 'A': {
            DWORD v[] = {0, 0xFFFFFFFF, 7, liveText, freedArray, numberArray, stringArray};
            return v[pick % 7];
        }
        case 'I': {
            void* v[] = {nullptr, reinterpret_cast<void*>(-1), reinterpret_cast<void*>(8), freed, splitter,
                         palette, calendar};
            return bits(v[pick % 7]);
        }
        case 'H': {
            void* v[] = {nullptr, reinterpret_cast<void*>(-1), reinterpret_cast<void*>(3), freed, garbage.data(),
                         GetStockObject(SYSTEM_FONT), calendarWindow};
            return bits(v[pick % 7]);
        }
        case 'O':
            std::fill(scratch.begin(), scratch.end(), 0);
            return pick % 2 ? bits(scratch.data()) : 0;
        default: {
            uintptr_t v[] = {0, static_cast<uintptr_t>(-1), 1, 0x7FFFFFFF, 100000, 2, 0x80000000u};
            return v[pick % 7];
        }
        }
    }

    std::unique_ptr<zwtest::CalendarForm> form;
    HWND destroyed = nullptr, button = nullptr, listBox = nullptr, calendarWindow = nullptr;
    void* calendar = nullptr;
    void* splitter = nullptr;
    void* palette = nullptr;
    void* freed = nullptr;
    std::vector<unsigned char> garbage;
    HOSTSTR liveText = 0, emptyText = 0, freedText = 0;
    HARRAY stringArray = 0, numberArray = 0, freedArray = 0;
    std::wstring longText;
    std::vector<unsigned char> scratch;
};

template <typename T>
T Convert(char kind, uintptr_t bits) {
    if constexpr (std::is_same_v<T, ZW_HOSTVALUE>) {
        ZW_HOSTVALUE value;
        std::memset(&value, bits % 2 ? 0xFF : 0, sizeof value);
        if (bits == 1) value.lengthAndFlags = 0x4F;  // a length with garbage digits
        (void)kind;
        return value;
    } else if constexpr (std::is_pointer_v<T>) {
        return reinterpret_cast<T>(bits);
    } else {
        return static_cast<T>(bits);
    }
}

struct Export {
    const char* name;
    const char* kinds;
    char returns;
    // Calls the export with the values of `pick`; the result as bits (0 for
    // a structure result).
    uintptr_t (*call)(Round& round, int pick);
};

template <typename T>
uintptr_t ResultBits(T result) {
    if constexpr (std::is_pointer_v<T>) {
        return reinterpret_cast<uintptr_t>(result);
    } else if constexpr (std::is_integral_v<T>) {
        return static_cast<uintptr_t>(result);
    } else {
        return 0;
    }
}

template <typename R, typename... A, size_t... I>
uintptr_t Invoke(R(__stdcall* function)(A...), const char* kinds, Round& round, int pick,
                 std::index_sequence<I...>) {
    // Each argument place takes a different value of its kind in a round, so
    // the rounds together meet mixed bad and good arguments.
    std::tuple<A...> arguments{Convert<A>(kinds[I], round.Value(kinds[I], pick + static_cast<int>(I)))...};
    if constexpr (std::is_void_v<R>) {
        std::apply(function, arguments);
        return 0;
    } else {
        return ResultBits(std::apply(function, arguments));
    }
}

template <typename R, typename... A>
uintptr_t Call(R(__stdcall* function)(A...), const char* kinds, Round& round, int pick) {
    return Invoke(function, kinds, round, pick, std::index_sequence_for<A...>{});
}

#define ZW_SWEEP(name, kinds, returns) \
    {#name, kinds, returns, [](Round& round, int pick) { return Call(&name, kinds, round, pick); }},
const Export kExports[] = {
#include "sweep_table.inc"
};
#undef ZW_SWEEP

// Exports that may show one dialog of their own for a bad argument: the
// recovery dialog and message boxes, the debugging aids' boxes, and the
// calendar's report of a weekday outside 1..7.
bool MayShowDialog(const std::string& name) {
    return name == "ZelErrorRecovery" || name == "ZelCalWeekStartSet" || name.rfind("ZelMessageBox", 0) == 0 ||
           name.rfind("ZelMsgBox", 0) == 0 || name.rfind("ZelDebug", 0) == 0;
}

// Exports whose string result is one of their arguments rather than a new one.
bool ReturnsArgument(const std::string& name) {
    return name == "ZelStrChoose";
}

TEST(Sweep, EveryExportSurvivesBadArguments) {
    SetUnhandledExceptionFilter(ReportCrash);
    CloseHandle(CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));
    const bool trace = GetEnvironmentVariableW(L"ZW_SWEEP_TRACE", nullptr, 0) > 0;
    DialogBlocker blocker;
    constexpr int kRounds = 7;
    int calls = 0;
    for (int r = 0; r < kRounds; ++r) {
        Round round(r);
        g_round = r;
        for (const Export& e : kExports) {
            g_current = e.name;
            if (trace) std::fprintf(stderr, "%s round %d\n", e.name, r), std::fflush(stderr);
            int liveBefore = HostTestLiveStrings();
            uintptr_t result = e.call(round, r);
            InterlockedIncrement(&g_calls);
            ++calls;
            int dialogs = blocker.Take();
            // A control export given a null instance reports it once.
            bool nullInstance = e.kinds[0] == 'I' && round.Value('I', r) == 0;
            if (MayShowDialog(e.name)) {
                EXPECT_LE(dialogs, 1) << e.name << " round " << r;
            } else {
                EXPECT_EQ(dialogs, nullInstance ? 1 : 0) << e.name << " round " << r;
            }
            if (e.returns == 'S' && !ReturnsArgument(e.name)) {
                // A string result is a new host string the caller owns,
                // also on failure.
                HostTestFreeString(static_cast<HOSTSTR>(result));
                EXPECT_EQ(HostTestLiveStrings(), liveBefore) << e.name << " round " << r;
            }
            zwtest::PumpMessages();
        }
        g_current = "";
    }
    std::printf("swept %zu exports, %d calls\n", std::size(kExports), calls);
    EXPECT_GT(std::size(kExports), 200u);
}

}  // namespace
