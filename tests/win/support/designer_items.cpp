#include "tests/win/support/designer_items.h"

#include "host/host_test.h"

namespace zwtest {

namespace {
// The innermost live DesignerItems of the thread (tests run on one thread).
DesignerItems* g_current = nullptr;
}  // namespace

DesignerItems::DesignerItems(std::wstring className, std::vector<Item> items)
    : className_(std::move(className)), items_(std::move(items)), previous_(g_current) {
    g_current = this;
    hook_ = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

DesignerItems::~DesignerItems() {
    if (hook_) UnhookWindowsHookEx(hook_);
    g_current = previous_;
    for (HWND window : windows_) HostTestClearPropData(window);
}

LRESULT CALLBACK DesignerItems::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    DesignerItems* self = g_current;
    if (code == HCBT_CREATEWND && self) {
        HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t name[256] = {};
        GetClassNameW(window, name, 256);
        if (lstrcmpiW(self->className_.c_str(), name) == 0) {
            static const std::uint8_t kNoBytes = 0;
            for (const Item& item : self->items_) {
                // Null bytes would remove the item: an empty item still needs an address.
                const void* bytes = item.second.empty() ? &kNoBytes : item.second.data();
                HostTestSetNamedItem(window, item.first.c_str(), bytes, static_cast<DWORD>(item.second.size()));
            }
            self->windows_.push_back(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace zwtest
