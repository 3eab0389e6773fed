// The stand-in network provider described in mpr_standin.h.
#include <windows.h>

#include <cwctype>
#include <map>
#include <string>
#include <vector>

namespace {

struct Connection {
    std::wstring remote;
    bool openFiles = false;
};

std::map<std::wstring, Connection> connections;
std::map<std::wstring, DWORD> failures;
std::vector<DWORD> offeredLengths;

std::wstring Device(LPCWSTR name) {
    std::wstring device = name ? name : L"";
    for (wchar_t& c : device) c = wchar_t(std::towupper(c));
    return device;
}

}  // namespace

extern "C" DWORD __stdcall WNetGetConnectionW(LPCWSTR local, LPWSTR remote, LPDWORD length) {
    if (!local || !length) return ERROR_INVALID_PARAMETER;
    offeredLengths.push_back(*length);
    const std::wstring device = Device(local);
    if (const auto failure = failures.find(device); failure != failures.end()) return failure->second;
    const auto found = connections.find(device);
    if (found == connections.end()) return ERROR_NOT_CONNECTED;
    const DWORD needed = DWORD(found->second.remote.size() + 1);
    if (!remote || *length < needed) {
        *length = needed;
        return ERROR_MORE_DATA;
    }
    found->second.remote.copy(remote, needed - 1);
    remote[needed - 1] = 0;
    return NO_ERROR;
}

extern "C" DWORD __stdcall WNetAddConnectionW(LPCWSTR remote, LPCWSTR, LPCWSTR local) {
    if (!remote || remote[0] != L'\\' || remote[1] != L'\\') return ERROR_BAD_NET_NAME;
    const std::wstring device = Device(local);
    if (connections.count(device)) return ERROR_ALREADY_ASSIGNED;
    connections[device] = Connection{remote, false};
    return NO_ERROR;
}

extern "C" DWORD __stdcall WNetCancelConnectionW(LPCWSTR name, BOOL force) {
    const auto found = connections.find(Device(name));
    if (found == connections.end()) return ERROR_NOT_CONNECTED;
    if (found->second.openFiles && !force) return ERROR_OPEN_FILES;
    connections.erase(found);
    return NO_ERROR;
}

extern "C" void __stdcall MprStandInReset(void) {
    connections.clear();
    failures.clear();
    offeredLengths.clear();
}

extern "C" void __stdcall MprStandInConnect(LPCWSTR local, LPCWSTR remote, BOOL openFiles) {
    connections[Device(local)] = Connection{remote ? remote : L"", openFiles != FALSE};
}

extern "C" void __stdcall MprStandInFail(LPCWSTR local, DWORD error) {
    if (error == NO_ERROR) {
        failures.erase(Device(local));
    } else {
        failures[Device(local)] = error;
    }
}

extern "C" int __stdcall MprStandInOfferedLengths(DWORD* lengths, int max) {
    for (int i = 0; i < max && i < int(offeredLengths.size()); ++i) lengths[i] = offeredLengths[size_t(i)];
    return int(offeredLengths.size());
}
