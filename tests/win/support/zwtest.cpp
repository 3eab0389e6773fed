#include "tests/win/support/zwtest.h"

#include <algorithm>
#include <cstdio>

namespace zwtest {

std::wstring HostText(HOSTSTR string) {
    DWORD length = 0;
    const WCHAR* text = HostStrLock(string, &length);
    if (!text) return {};
    size_t used = 0;
    while (used < length / sizeof(WCHAR) && text[used]) ++used;
    return std::wstring(text, used);
}

std::wstring TakeHostText(HOSTSTR string) {
    std::wstring text = HostText(string);
    HostTestFreeString(string);
    return text;
}

// ---- DialogWatcher -------------------------------------------------------------

namespace {
thread_local DialogWatcher* activeWatcher = nullptr;

std::wstring WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(size_t(length) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::wstring ClassOf(HWND window) {
    WCHAR name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

SeenDialog Describe(HWND dialog) {
    SeenDialog seen;
    seen.window = dialog;
    seen.caption = WindowText(dialog);
    seen.style = DWORD(GetWindowLongW(dialog, GWL_STYLE));
    seen.helpContext = GetWindowContextHelpId(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring cls = ClassOf(child);
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if (lstrcmpiW(cls.c_str(), L"Button") == 0) {
            LONG kind = style & 0x0F;
            if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) {
                seen.buttons.push_back(WindowText(child));
                seen.buttonIds.push_back(GetDlgCtrlID(child));
            }
        } else if (lstrcmpiW(cls.c_str(), L"Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                seen.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
            } else if (GetDlgCtrlID(child) == 0xFFFF || seen.text.empty()) {
                std::wstring text = WindowText(child);
                if (!text.empty()) seen.text = text;
            }
        }
    }
    if (HMENU system = GetSystemMenu(dialog, FALSE)) {
        WCHAR text[128] = {};
        if (GetMenuStringW(system, SC_CLOSE, text, 128, MF_BYCOMMAND) > 0) seen.systemCloseText = text;
    }
    return seen;
}
}  // namespace

DialogWatcher::DialogWatcher(std::function<int(const SeenDialog&)> answer) : answer_(std::move(answer)) {
    previous_ = activeWatcher;
    activeWatcher = this;
    hook_ = SetWindowsHookExW(WH_CALLWNDPROCRET, &DialogWatcher::CallWndRetProc, nullptr, GetCurrentThreadId());
}

DialogWatcher::~DialogWatcher() {
    if (hook_) UnhookWindowsHookEx(hook_);
    activeWatcher = previous_;
}

// After a dialog has handled WM_INITDIALOG its texts are in place: record it
// and post the answer, which ends it as soon as its modal loop runs.
LRESULT CALLBACK DialogWatcher::CallWndRetProc(int code, WPARAM wParam, LPARAM lParam) {
    DialogWatcher* self = activeWatcher;
    if (code == HC_ACTION && self) {
        const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (msg->message == WM_INITDIALOG) {
            SeenDialog seen = Describe(msg->hwnd);
            int command = IDOK;
            if (self->answer_) {
                command = self->answer_(seen);
            } else {
                LRESULT def = SendMessageW(msg->hwnd, DM_GETDEFID, 0, 0);
                if (HIWORD(def) == DC_HASDEFID) command = LOWORD(def);
            }
            self->seen_.push_back(std::move(seen));
            PostMessageW(msg->hwnd, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(self ? self->hook_ : nullptr, code, wParam, lParam);
}

// ---- DebugCapture ------------------------------------------------------------

namespace {
thread_local DebugCapture* activeCapture = nullptr;
constexpr DWORD kDebugPrintA = 0x40010006;  // DBG_PRINTEXCEPTION_C
constexpr DWORD kDebugPrintW = 0x4001000A;  // DBG_PRINTEXCEPTION_WIDE_C
}  // namespace

DebugCapture::DebugCapture() {
    activeCapture = this;
    handler_ = AddVectoredExceptionHandler(1, &DebugCapture::Handler);
}

DebugCapture::~DebugCapture() {
    if (handler_) RemoveVectoredExceptionHandler(handler_);
    activeCapture = nullptr;
}

// OutputDebugString raises a printing exception that a vectored handler sees
// first; the wide form, when the system raises it, is followed by the narrow one
// only if nobody answers it, so both are taken and the narrow copy of a wide
// line is dropped.
LONG CALLBACK DebugCapture::Handler(EXCEPTION_POINTERS* info) {
    DebugCapture* self = activeCapture;
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (!self || record->NumberParameters < 2) return EXCEPTION_CONTINUE_SEARCH;
    if (record->ExceptionCode == kDebugPrintW) {
        const WCHAR* text = reinterpret_cast<const WCHAR*>(record->ExceptionInformation[1]);
        size_t length = size_t(record->ExceptionInformation[0]);
        std::wstring line(text, length && text[length - 1] == 0 ? length - 1 : length);
        self->lines_.push_back(line);
        self->lastWasWide_ = true;
        return EXCEPTION_CONTINUE_SEARCH;
    }
    if (record->ExceptionCode == kDebugPrintA) {
        const char* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
        size_t length = size_t(record->ExceptionInformation[0]);
        std::string narrow(text, length && text[length - 1] == 0 ? length - 1 : length);
        std::wstring line(narrow.begin(), narrow.end());
        if (self->lastWasWide_ && !self->lines_.empty() && self->lines_.back() == line) {
            self->lastWasWide_ = false;
            return EXCEPTION_CONTINUE_SEARCH;
        }
        self->lastWasWide_ = false;
        self->lines_.push_back(line);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

std::wstring DebugCapture::All() const {
    std::wstring all;
    for (const std::wstring& line : lines_) all += line;
    return all;
}

// ---- files -------------------------------------------------------------------

namespace {
void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = path + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
            else DeleteFileW(full.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}
}  // namespace

TempFolder::TempFolder(const std::wstring& name) {
    WCHAR current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    path_ = std::wstring(current) + L"\\testdata-" + name;
    RemoveTree(path_);
    CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = bytes.empty() || WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::wstring WindowText(HWND window) {
    std::wstring text(std::size_t(std::max(GetWindowTextLengthW(window), 0)) + 1, L'\0');
    text.resize(std::size_t(std::max(GetWindowTextW(window, text.data(), int(text.size())), 0)));
    return text;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// ---- host arrays ----------------------------------------------------------------

HostArray::HostArray(int type) : handle_(HostArrayCreate(type)) {}

HostArray::HostArray(const std::vector<std::wstring>& strings, LONG lower) : HostArray(HOST_ARRAY_STRING) {
    HostArraySetBounds(handle_, lower, lower + LONG(strings.size()) - 1);
    for (size_t i = 0; i < strings.size(); ++i) {
        const HOSTSTR text = HostTestNewString(strings[i].c_str());
        HostArrayPutString(handle_, text, lower + LONG(i));
        HostTestFreeString(text);
    }
}

HostArray::~HostArray() {
    HostArrayDestroy(handle_);
}

std::vector<std::wstring> StringElements(HARRAY array) {
    LONG lower = 0, upper = -1;
    HostArrayGetBounds(array, &lower, &upper);
    std::vector<std::wstring> values;
    for (LONG i = lower; i <= upper; ++i) {
        HOSTSTR text = 0;
        HostArrayGetString(array, &text, i);
        values.push_back(HostText(text));
    }
    return values;
}

}  // namespace zwtest
