// Host frame windows (class "Pellam:AccFrame") and their frame objects,
// CRtkFrameWnd and CRtkMDIFrameWnd: the menu a frame owns and the menu
// methods through which the library changes it (frame/host_api.h). The
// host's menu model is the menu itself plus the pictures given to commands;
// every method call but GetOurMenuHandle is written to a log that tests take.
//
// Not done: the frame does not draw the pictures it is given (it only keeps
// them), and an MDI frame has no window menu.
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <memory>
#include <string>

#include "frame/host_api.h"
#include "host/host_test.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

constexpr wchar_t kFrameClass[] = L"Pellam:AccFrame";
constexpr int kFirstCommand = 1024;  // item values from here on are command identifiers

HINSTANCE Module() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

class CRtkFrameWnd : public HostFrameWnd {
public:
    CRtkFrameWnd(HWND window, HMENU menu, bool menuBar) : window_(window), menu_(menu), menuBar_(menuBar) {}
    virtual ~CRtkFrameWnd() = default;
    CRtkFrameWnd(const CRtkFrameWnd&) = delete;
    CRtkFrameWnd& operator=(const CRtkFrameWnd&) = delete;

    HMENU GetOurMenuHandle() override { return menu_; }

    void AttachMenu(HMENU menu) override {
        Log(L"AttachMenu");
        menu_ = menu;
        if (menuBar_) SetMenu(window_, menu);
    }

    void UpdateMenuBar() override {
        Log(L"UpdateMenuBar");
        if (menuBar_) DrawMenuBar(window_);
    }

    BOOL InsertMenuW(UINT before, LONG_PTR item) override {
        const auto* inserted = reinterpret_cast<const HostFrameMenuItem*>(item);
        if (!inserted) return FALSE;
        Log(L"InsertMenuW " + Number(int(before)) + L" " + Number(int(inserted->identifier)) + L" " +
            (inserted->text ? inserted->text : L""));
        return ::InsertMenuW(inserted->menu, before, inserted->flags, inserted->identifier, inserted->text);
    }

    BOOL SetMenuCheck(HMENU menu, int item, UINT identifier, BOOL checked) override {
        Log(L"SetMenuCheck " + Number(item) + L" " + Number(int(identifier)) + L" " + Number(checked));
        const UINT state = checked ? MF_CHECKED : MF_UNCHECKED;
        return CheckMenuItem(menu, Target(item, identifier), ByWhat(item) | state) != DWORD(-1);
    }

    BOOL SetMenuEnable(HMENU menu, int item, UINT identifier, BOOL enabled) override {
        Log(L"SetMenuEnable " + Number(item) + L" " + Number(int(identifier)) + L" " + Number(enabled));
        const UINT state = enabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED;
        return EnableMenuItem(menu, Target(item, identifier), ByWhat(item) | state) != -1;
    }

    BOOL GetMenuCheck(UINT identifier) override {
        Log(L"GetMenuCheck " + Number(int(identifier)));
        const UINT state = StateOf(identifier);
        return state != UINT(-1) && (state & MF_CHECKED) != 0;
    }

    BOOL GetMenuEnable(UINT identifier) override {
        Log(L"GetMenuEnable " + Number(int(identifier)));
        const UINT state = StateOf(identifier);
        return state != UINT(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
    }

    BOOL SetMenuText(UINT identifier, const WCHAR* text) override {
        Log(L"SetMenuText " + Number(int(identifier)) + L" " + (text ? text : L""));
        HMENU menu = MenuOf(identifier);
        if (!menu || !text) return FALSE;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<LPWSTR>(text);
        return SetMenuItemInfoW(menu, identifier, FALSE, &info);
    }

    const WCHAR* GetMenuText(UINT identifier) override {
        Log(L"GetMenuText " + Number(int(identifier)));
        HMENU menu = MenuOf(identifier);
        if (!menu) return nullptr;
        const int length = GetMenuStringW(menu, identifier, nullptr, 0, MF_BYCOMMAND);
        text_.assign(size_t(length > 0 ? length : 0) + 1, L'\0');
        GetMenuStringW(menu, identifier, text_.data(), length + 1, MF_BYCOMMAND);
        text_.resize(size_t(length > 0 ? length : 0));
        return text_.c_str();
    }

    BOOL SetMenuPicture(UINT identifier, const WCHAR* text, HICON icon) override {
        Log(L"SetMenuPicture " + Number(int(identifier)) + L" " + (text ? text : L"") + L" icon");
        return KeepPicture(identifier, text, Picture{icon, nullptr, nullptr});
    }

    BOOL SetMenuPicture(UINT identifier, const WCHAR* text, HBITMAP bitmap, HBITMAP mask, int width,
                        int height) override {
        Log(L"SetMenuPicture " + Number(int(identifier)) + L" " + (text ? text : L"") + L" bitmap " +
            Number(width) + L"x" + Number(height));
        return KeepPicture(identifier, text, Picture{nullptr, bitmap, mask});
    }

    // The calls so far, emptied.
    std::wstring TakeLog() {
        std::wstring taken;
        taken.swap(log_);
        return taken;
    }

    // The frame's window goes: a menu it did not hand to the window as its
    // menu bar is destroyed here (Windows destroys a menu bar itself).
    void Destroyed() {
        if (menu_ && GetMenu(window_) != menu_ && IsMenu(menu_)) DestroyMenu(menu_);
        menu_ = nullptr;
    }

    // The procedure of the frame's window for messages it does not handle.
    virtual LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(window_, message, wParam, lParam);
    }

protected:
    HWND window_;  // the frame window

private:
    struct Picture {
        HICON icon;      // the icon, or null for a bitmap
        HBITMAP bitmap;  // the bitmap, or null for an icon
        HBITMAP mask;    // its mask, may be null
    };

    static std::wstring Number(int value) { return std::to_wstring(value); }
    static UINT ByWhat(int item) { return item >= 0 && item < kFirstCommand ? MF_BYPOSITION : MF_BYCOMMAND; }
    static UINT Target(int item, UINT identifier) {
        return item >= 0 && item < kFirstCommand ? UINT(item) : identifier;
    }

    void Log(const std::wstring& call) { log_ += call + L"\n"; }

    // The menu that holds a command: the frame's menu (popups included), else
    // its system menu; null when neither does.
    HMENU MenuOf(UINT identifier) {
        if (menu_ && GetMenuState(menu_, identifier, MF_BYCOMMAND) != UINT(-1)) return menu_;
        HMENU system = GetSystemMenu(window_, FALSE);
        if (system && GetMenuState(system, identifier, MF_BYCOMMAND) != UINT(-1)) return system;
        return nullptr;
    }

    UINT StateOf(UINT identifier) {
        HMENU menu = MenuOf(identifier);
        return menu ? GetMenuState(menu, identifier, MF_BYCOMMAND) : UINT(-1);
    }

    BOOL KeepPicture(UINT identifier, const WCHAR* text, const Picture& picture) {
        if (!MenuOf(identifier)) return FALSE;
        pictures_[identifier] = picture;
        if (text && *text) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_STRING;
            info.dwTypeData = const_cast<LPWSTR>(text);
            SetMenuItemInfoW(MenuOf(identifier), identifier, FALSE, &info);
        }
        return TRUE;
    }

    HMENU menu_;                         // the menu the frame owns
    bool menuBar_;                       // the menu is shown as the window's menu bar
    std::wstring log_;                   // method calls not yet taken
    std::wstring text_;                  // what GetMenuText answered last
    std::map<UINT, Picture> pictures_;   // pictures given to commands
};

class CRtkMDIFrameWnd : public CRtkFrameWnd {
public:
    using CRtkFrameWnd::CRtkFrameWnd;

    bool CreateClient() {
        CLIENTCREATESTRUCT client{nullptr, 50000};
        client_ = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 200, 150,
                                  window_, nullptr, Module(), &client);
        return client_ != nullptr;
    }

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) override {
        return DefFrameProcW(window_, client_, message, wParam, lParam);
    }

private:
    HWND client_ = nullptr;  // the MDI client window
};

std::map<HWND, std::unique_ptr<CRtkFrameWnd>> frames;

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = frames.find(window);
    if (it == frames.end()) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        std::unique_ptr<CRtkFrameWnd> frame = std::move(it->second);
        frames.erase(it);
        frame->Destroyed();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return it->second->Default(message, wParam, lParam);
}

bool RegisterFrameClass() {
    static const bool registered = [] {
        WNDCLASSW frame{};
        frame.lpfnWndProc = FrameProc;
        frame.hInstance = Module();
        frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        frame.lpszClassName = kFrameClass;
        return RegisterClassW(&frame) != 0;
    }();
    return registered;
}

}  // namespace

HOSTAPI HostFrameWnd* __stdcall HostGetFrameObject(HWND window) {
    auto it = frames.find(window);
    return it == frames.end() ? nullptr : it->second.get();
}

HOSTTEST HWND __stdcall HostTestCreateFrame(int kind, HMENU menu, BOOL menuBar) {
    if (kind < 0 || kind > 2 || !RegisterFrameClass()) return nullptr;
    HWND window = CreateWindowExW(0, kFrameClass, L"Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 400, 300,
                                  nullptr, menuBar ? menu : nullptr, Module(), nullptr);
    if (!window) return nullptr;
    std::unique_ptr<CRtkFrameWnd> frame;
    if (kind == 1) {
        frame = std::make_unique<CRtkFrameWnd>(window, menu, menuBar != FALSE);
    } else if (kind == 2) {
        auto mdi = std::make_unique<CRtkMDIFrameWnd>(window, menu, menuBar != FALSE);
        if (!mdi->CreateClient()) {
            DestroyWindow(window);
            return nullptr;
        }
        frame = std::move(mdi);
    }
    if (frame) {
        frames[window] = std::move(frame);
    } else if (!menuBar && menu) {
        // A frame without a frame object keeps its menu as the window's own.
        SetMenu(window, menu);
    }
    return window;
}

HOSTTEST int __stdcall HostTestTakeFrameLog(HWND frame, LPWSTR buffer, int size) {
    auto it = frames.find(frame);
    if (it == frames.end()) return -1;
    const std::wstring log = it->second->TakeLog();
    if (buffer && size > 0) {
        const size_t copied = std::min(log.size(), size_t(size - 1));
        std::wmemcpy(buffer, log.data(), copied);
        buffer[copied] = L'\0';
    }
    return int(log.size());
}
