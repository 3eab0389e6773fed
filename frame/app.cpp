// The application object CZWDLL: start-up when the library is loaded and
// shut-down when it is unloaded, each in a fixed order.
#include "frame/app.h"

#include <array>
#include <set>

#include "frame/call_frame.h"
#include "frame/window_classes.h"

namespace zw {
namespace {

// Case-insensitive ordering for host class names.
struct NoCaseLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const {
        return lstrcmpiW(a.c_str(), b.c_str()) < 0;
    }
};

class CZWDLL {
public:
    explicit CZWDLL(const wchar_t* appName) : appName_(appName) {}
    const wchar_t* AppName() const { return appName_; }
    virtual ~CZWDLL() = default;
    virtual bool InitInstance(HINSTANCE instance);
    virtual void ExitInstance();

    HINSTANCE instance = nullptr;
    SIZE largeIcon{32, 32};
    SIZE smallIcon{16, 16};
    std::array<HBITMAP, 9> bitmaps{};  // logo, then the eight controls in designer order
    std::set<std::wstring, NoCaseLess> listClasses;

private:
    const wchar_t* appName_;
};

constexpr const wchar_t* kBitmapNames[9] = {
    L"ZW_LOGO", L"ZW_CAL", L"ZW_CALDROPDOWN", L"ZW_CLRPAL", L"ZW_CLRPALDROPDOWN",
    L"ZW_LISTVW", L"ZW_LISTVWDROPDOWN", L"ZW_METER", L"ZW_SPINFLD",
};

constexpr const wchar_t* kListClassNames[10] = {
    L"cColorComboBox", L"cColorListBox", L"cDirTreeListBox", L"cDriveComboBox", L"cDriveListBox",
    L"cFontComboBox", L"cFontListBox", L"cOutlineComboBox", L"cOutlineListBox", L"cRadioListBox",
};

CZWDLL theApp(L"Zelkova Widgets Library");

bool CZWDLL::InitInstance(HINSTANCE module) {
    instance = module;
    largeIcon.cy = GetSystemMetrics(SM_CYICON);
    largeIcon.cx = GetSystemMetrics(SM_CXICON);
    smallIcon = SIZE{16, 16};
    for (size_t i = 0; i < bitmaps.size(); ++i) {
        HRSRC found = FindResourceW(module, kBitmapNames[i], MAKEINTRESOURCEW(2) /* RT_BITMAP */);
        bitmaps[i] = found ? LoadBitmapW(module, kBitmapNames[i]) : nullptr;
    }
    for (const wchar_t* name : kListClassNames) listClasses.insert(name);
    RegisterWindowClasses(module);
    return true;
}

void CZWDLL::ExitInstance() {
    // Only the logo is deleted here; the other bitmaps go with the module.
    if (bitmaps[0]) DeleteObject(bitmaps[0]);
    bitmaps[0] = nullptr;
    listClasses.clear();
    UnregisterWindowClasses(instance);
}

}  // namespace

HINSTANCE ModuleInstance() { return theApp.instance; }
const wchar_t* AppName() { return theApp.AppName(); }
SIZE LargeIconSize() { return theApp.largeIcon; }
SIZE SmallIconSize() { return theApp.smallIcon; }

HBITMAP ClassPaletteBitmap(int index) {
    if (index < 1 || index > 8) index = 0;
    return theApp.bitmaps[size_t(index)];
}

bool IsListClassName(const std::wstring& className) {
    return theApp.listClasses.count(className) != 0;
}

std::wstring LoadMessage(UINT id) {
    const WCHAR* text = nullptr;
    int length = LoadStringW(theApp.instance, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, size_t(length)) : std::wstring();
}

std::wstring FormatMessageId(UINT id, const std::wstring& argument) {
    std::wstring text = LoadMessage(id);
    for (size_t at = text.find(L"%1"); at != std::wstring::npos; at = text.find(L"%1", at + argument.size()))
        text.replace(at, 2, argument);
    return text;
}

}  // namespace zw

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(instance);
        try {
            return zw::theApp.InitInstance(instance) ? TRUE : FALSE;
        } catch (...) {
            zw::detail::ReportCaught(L"InitInstance()", nullptr);
            return FALSE;
        }
    case DLL_PROCESS_DETACH:
        // At process exit Windows reclaims everything; classes are unregistered
        // only when the library is unloaded from a running process.
        if (reserved) return TRUE;
        try {
            zw::theApp.ExitInstance();
        } catch (...) {
            zw::detail::ReportCaught(L"ExitInstance()", nullptr);
        }
        return TRUE;
    }
    return TRUE;
}
