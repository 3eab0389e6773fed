// Designer properties of windows read as text, and the resources of the host
// application (named byte blocks), with the test surface that sets them.
#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "frame/host_api.h"
#include "host/corrt51/strings.h"
#include "host/host_test.h"

namespace {

std::map<std::pair<HWND, int>, std::wstring> properties;

struct Resource {
    std::vector<unsigned char> bytes;
};
std::map<std::wstring, Resource> resources;
// Blocks handed out and not yet freed, by handle.
std::map<DWORD, std::vector<unsigned char>> handedOut;
DWORD nextHandle = 1;

}  // namespace

extern "C" BOOL __stdcall HostGetWindowProperty(HWND window, int property, HOSTSTR* text) {
    auto it = properties.find({window, property});
    if (it == properties.end() || !text) return FALSE;
    *text = host::ForLibrary(host::NewString(it->second));
    return *text != 0;
}

extern "C" DWORD __stdcall HostLoadAppResource(LPCWSTR name, const void** bytes, DWORD* size) {
    if (!name || !bytes || !size) return 0;
    auto it = resources.find(name);
    if (it == resources.end()) return 0;
    const DWORD handle = nextHandle++;
    auto& copy = handedOut[handle] = it->second.bytes;
    *bytes = copy.data();
    *size = DWORD(copy.size());
    return handle;
}

extern "C" void __stdcall HostFreeAppResource(DWORD resource) {
    handedOut.erase(resource);
}

extern "C" void __stdcall HostTestSetWindowProperty(HWND window, int property, LPCWSTR text) {
    if (text) properties[{window, property}] = text;
    else properties.erase({window, property});
}

extern "C" void __stdcall HostTestSetAppResource(LPCWSTR name, const void* bytes, DWORD size) {
    if (!name) return;
    if (!bytes) {
        resources.erase(name);
        return;
    }
    const auto* begin = static_cast<const unsigned char*>(bytes);
    resources[name].bytes.assign(begin, begin + size);
}

extern "C" int __stdcall HostTestAppResourcesHeld(void) {
    return int(handedOut.size());
}
