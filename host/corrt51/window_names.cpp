// The names by which the application knows its windows.
#include <map>
#include <string>

#include "frame/host_api.h"
#include "host/host_test.h"

namespace {
std::map<HWND, std::wstring> windowNames;
}  // namespace

extern "C" int __stdcall HostGetWindowName(HWND window, LPWSTR name, int size) {
    if (!name || size <= 0) return 0;
    name[0] = 0;
    const auto it = windowNames.find(window);
    if (it == windowNames.end()) return 0;
    const int length = int(it->second.size()) < size - 1 ? int(it->second.size()) : size - 1;
    it->second.copy(name, size_t(length));
    name[length] = 0;
    return length;
}

extern "C" void __stdcall HostTestSetWindowName(HWND window, LPCWSTR name) {
    if (name) {
        windowNames[window] = name;
    } else {
        windowNames.erase(window);
    }
}
