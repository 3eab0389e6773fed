// Shared helpers of the Windows test programs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "host/host_test.h"
#include "include/zwi51.h"

namespace zwtest {

// The text of a host string (up to its first NUL); "" for a bad handle.
std::wstring HostText(HOSTSTR string);
// Reads the text of a host string the caller owns, then frees it.
std::wstring TakeHostText(HOSTSTR string);

// What a modal window (message box or dialog) showed while a watcher was active.
struct SeenDialog {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;                 // message box text (static 0xFFFF) or the first static's text
    std::vector<std::wstring> buttons; // texts of the push buttons, in z-order
    std::vector<int> buttonIds;
    HICON icon = nullptr;              // icon shown in the icon control, if any
    DWORD style = 0;
    DWORD helpContext = 0;             // GetWindowContextHelpId of the dialog
    std::wstring systemCloseText;      // system menu text of SC_CLOSE
};

// While alive, every dialog that the thread shows is recorded and answered:
// `answer` receives the record and returns the command id to end it with
// (for example IDOK or a button id). The default answers the default button.
class DialogWatcher {
public:
    explicit DialogWatcher(std::function<int(const SeenDialog&)> answer = nullptr);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    const std::vector<SeenDialog>& Seen() const { return seen_; }

private:
    static LRESULT CALLBACK CallWndRetProc(int code, WPARAM wParam, LPARAM lParam);
    std::function<int(const SeenDialog&)> answer_;
    std::vector<SeenDialog> seen_;
    HHOOK hook_ = nullptr;
    DialogWatcher* previous_ = nullptr;
};

// While alive, collects the lines that the process writes with OutputDebugString.
class DebugCapture {
public:
    DebugCapture();
    ~DebugCapture();
    DebugCapture(const DebugCapture&) = delete;
    DebugCapture& operator=(const DebugCapture&) = delete;

    const std::vector<std::wstring>& Lines() const { return lines_; }
    // All lines joined, for searching.
    std::wstring All() const;

private:
    static LONG CALLBACK Handler(EXCEPTION_POINTERS* info);
    std::vector<std::wstring> lines_;
    PVOID handler_ = nullptr;
    bool lastWasWide_ = false;
};

// A fresh empty folder under the test program's working folder, removed with
// its contents at destruction. Path() ends without a backslash.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& name);
    ~TempFolder();
    const std::wstring& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Writes bytes to a file (true on success).
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// Reads a whole file ("" when it cannot be read).
std::string ReadFileBytes(const std::wstring& path);

// A host array destroyed at the end of the scope; a string array can be
// given its elements, at indexes lower, lower + 1, ...
class HostArray {
public:
    explicit HostArray(int type = HOST_ARRAY_STRING);
    explicit HostArray(const std::vector<std::wstring>& strings, LONG lower = 0);
    ~HostArray();
    HostArray(const HostArray&) = delete;
    HostArray& operator=(const HostArray&) = delete;
    operator HARRAY() const { return handle_; }

private:
    HARRAY handle_;
};

// The string elements of a host array, from its lower bound up.
std::vector<std::wstring> StringElements(HARRAY array);

// Pumps the thread's pending messages.
void PumpMessages();

// A window's text (GetWindowTextW), and its rectangle on the screen.
std::wstring WindowText(HWND window);
RECT WindowRect(HWND window);

}  // namespace zwtest
