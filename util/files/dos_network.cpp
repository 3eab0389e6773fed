// ZelDosEnumNetConnections, ZelDosGetNetName, ZelDosNetConnect,
// ZelDosNetDisconnect: the drives and printer ports connected to network
// resources, through the system's network provider (mpr).
#include <windows.h>
#include <winnetwk.h>

#include <string>
#include <vector>

#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "util/files/drive_names.h"
#include "util/files/drive_tests.h"
#include "util/files/file_errors.h"
#include "util/files/listing_arrays.h"
#include "util/strings/host_arrays.h"

namespace zw::files {
namespace {

struct Connection {
    DWORD error = NO_ERROR;  // the provider's answer
    std::wstring remote;     // the network name, when connected
};

// The network name a local device is connected to. The buffer starts at 256
// characters and grows by 256 for as long as the provider asks for more (up
// to the longest name a provider can give).
Connection ConnectionOf(const std::wstring& local) {
    constexpr DWORD kLongestName = 32768;
    Connection connection;
    std::wstring buffer;
    for (DWORD size = 256; size <= kLongestName; size += 256) {
        buffer.assign(size, L'\0');
        DWORD length = size;
        connection.error = WNetGetConnectionW(local.c_str(), buffer.data(), &length);
        if (connection.error != ERROR_MORE_DATA) break;
    }
    if (connection.error == NO_ERROR) connection.remote = buffer.c_str();
    return connection;
}

struct Listing {
    std::vector<std::wstring> local;
    std::vector<std::wstring> remote;

    void Add(const std::wstring& device, const Connection& connection) {
        local.push_back(device);
        remote.push_back(connection.remote);
    }
};

// Remote drives first, then, when at least one is connected and the last
// drive asked about answered, the printer ports LPT1 to LPT3. Nothing is
// stored until all are known, so that a failure leaves the arrays as they
// were. The element strings are made without retry: a failure gives -8.
int EnumNetConnections(HARRAY localNames, HARRAY remoteNames) {
    Listing listing;
    DWORD lastError = NO_ERROR;
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const std::wstring root{letter, L':', L'\\'};
        if (DriveTypeOf(root.c_str()) != DRIVE_REMOTE) continue;
        const std::wstring device = root.substr(0, 2);
        const Connection connection = ConnectionOf(device);
        lastError = connection.error;
        if (connection.error == NO_ERROR) listing.Add(device, connection);
    }
    if (listing.local.empty()) return 0;
    if (lastError != NO_ERROR) return -int(lastError);
    for (int port = 1; port <= 3; ++port) {
        const std::wstring device = L"LPT" + std::to_wstring(port);
        const Connection connection = ConnectionOf(device);
        if (connection.error == NO_ERROR) listing.Add(device, connection);
    }
    for (size_t i = 0; i < listing.local.size(); ++i) {
        if (!zw::strings::TryPutStringElement(localNames, LONG(i), listing.local[i]) ||
            !zw::strings::TryPutStringElement(remoteNames, LONG(i), listing.remote[i])) {
            return kOutOfMemory;
        }
    }
    zw::strings::SetElementCount(localNames, LONG(listing.local.size()));
    zw::strings::SetElementCount(remoteNames, LONG(listing.remote.size()));
    return int(listing.local.size());
}

int NetError(DWORD error) {
    return error == NO_ERROR ? 0 : -int(error);
}

}  // namespace

// "X:\" and "\X:" are asked about as "X:".
std::wstring NetName(LPCWSTR localName) {
    std::wstring device;
    for (const wchar_t* at = localName; *at; ++at) {
        if (*at != L'\\') device += *at;
    }
    return ConnectionOf(device).remote;
}

}  // namespace zw::files

// Decision: with no connected drive the result is 0 and the arrays stay as
// they were, whatever the provider answered.
extern "C" int __stdcall ZelDosEnumNetConnections(HARRAY localNames, HARRAY remoteNames) {
    using namespace zw::files;
    if (!AreListingArrays({localNames, remoteNames})) return kInvalidParameter;
    return zw::Guarded(L"ZelDosEnumNetConnections()", kOutOfMemory,
                       [&] { return EnumNetConnections(localNames, remoteNames); });
}

extern "C" HOSTSTR __stdcall ZelDosGetNetName(LPCWSTR localName) {
    std::wstring name;
    if (localName) name = zw::Guarded(L"ZelDosGetNetName()", std::wstring(), [&] { return zw::files::NetName(localName); });
    return zw::NewHostString(name);
}

extern "C" int __stdcall ZelDosNetConnect(LPCWSTR localName, LPCWSTR networkName, LPCWSTR password) {
    if (!localName || !networkName) return zw::files::kInvalidParameter;
    return zw::files::NetError(WNetAddConnectionW(networkName, password, localName));
}

extern "C" int __stdcall ZelDosNetDisconnect(LPCWSTR name, BOOL force) {
    if (!name) return zw::files::kInvalidParameter;
    return zw::files::NetError(WNetCancelConnectionW(name, force));
}
