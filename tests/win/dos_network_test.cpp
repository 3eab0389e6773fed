// Network exports against the stand-in network provider of tests/win/net
// (loaded in place of the system's mpr.dll), on the network drives M: and N:
// that ./run sets up in the Wine prefix.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/net/mpr_standin.h"
#include "tests/win/support/zwtest.h"

namespace {

using Strings = std::vector<std::wstring>;
using zwtest::HostArray;
using zwtest::StringElements;
using zwtest::TakeHostText;

template <typename Proc>
Proc StandInProc(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"mpr.dll"), name);
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(found));
}

// The stand-in's scripting functions.
struct StandIn {
    StandIn() {
        reset = StandInProc<MprStandInResetProc>("MprStandInReset");
        connect = StandInProc<MprStandInConnectProc>("MprStandInConnect");
        fail = StandInProc<MprStandInFailProc>("MprStandInFail");
        offered = StandInProc<MprStandInOfferedLengthsProc>("MprStandInOfferedLengths");
        if (reset) reset();
    }
    bool Loaded() const { return reset && connect && fail && offered; }
    std::vector<DWORD> OfferedLengths() const {
        std::vector<DWORD> lengths(64);
        lengths.resize(size_t(offered(lengths.data(), 64)));
        return lengths;
    }
    MprStandInResetProc reset = nullptr;
    MprStandInConnectProc connect = nullptr;
    MprStandInFailProc fail = nullptr;
    MprStandInOfferedLengthsProc offered = nullptr;
};


const std::wstring kLongName = L"\\\\server\\" + std::wstring(600, L's');

}  // namespace

TEST(DosNetwork, TheStandInProviderIsLoaded) {
    ASSERT_TRUE(StandIn().Loaded()) << "mpr.dll beside the test program was not loaded";
    ASSERT_EQ(GetDriveTypeW(L"M:\\"), UINT(DRIVE_REMOTE));
    ASSERT_EQ(GetDriveTypeW(L"N:\\"), UINT(DRIVE_REMOTE));
}

TEST(DosNetwork, NetNameGrowsItsBufferByStepsOf256) {
    StandIn net;
    net.connect(L"N:", kLongName.c_str(), FALSE);
    EXPECT_EQ(TakeHostText(ZelDosGetNetName(L"n:\\")), kLongName);
    EXPECT_EQ(net.OfferedLengths(), (std::vector<DWORD>{256, 512, 768}));
    net.connect(L"LPT1", L"\\\\print\\laser", FALSE);
    EXPECT_EQ(TakeHostText(ZelDosGetNetName(L"\\LPT1")), L"\\\\print\\laser");
    EXPECT_EQ(TakeHostText(ZelDosGetNetName(L"M:")), L"");
    EXPECT_EQ(TakeHostText(ZelDosGetNetName(nullptr)), L"");
}

TEST(DosNetwork, ConnectAndDisconnect) {
    StandIn net;
    EXPECT_EQ(ZelDosNetConnect(L"P:", L"\\\\server\\p", nullptr), 0);
    EXPECT_EQ(TakeHostText(ZelDosGetNetName(L"P:")), L"\\\\server\\p");
    EXPECT_EQ(ZelDosNetConnect(L"P:", L"\\\\server\\q", L"secret"), -int(ERROR_ALREADY_ASSIGNED));
    EXPECT_EQ(ZelDosNetConnect(L"Q:", L"server", nullptr), -int(ERROR_BAD_NET_NAME));
    EXPECT_EQ(ZelDosNetConnect(nullptr, L"\\\\server\\p", nullptr), -87);
    EXPECT_EQ(ZelDosNetConnect(L"Q:", nullptr, nullptr), -87);
    EXPECT_EQ(ZelDosNetDisconnect(L"P:", FALSE), 0);
    EXPECT_EQ(ZelDosNetDisconnect(L"P:", FALSE), -int(ERROR_NOT_CONNECTED));
    net.connect(L"Q:", L"\\\\server\\busy", TRUE);
    EXPECT_EQ(ZelDosNetDisconnect(L"Q:", FALSE), -int(ERROR_OPEN_FILES));
    EXPECT_EQ(ZelDosNetDisconnect(L"Q:", TRUE), 0);
    EXPECT_EQ(ZelDosNetDisconnect(nullptr, TRUE), -87);
}

TEST(DosNetwork, EnumeratesConnectedDrivesThenPrinterPorts) {
    StandIn net;
    const HostArray local({L"before"}), remote({L"before"});
    // No drive connected: 0, and the arrays stay as they were.
    EXPECT_EQ(ZelDosEnumNetConnections(local, remote), 0);
    EXPECT_EQ(StringElements(local), Strings{L"before"});

    net.connect(L"N:", kLongName.c_str(), FALSE);
    net.connect(L"LPT2", L"\\\\print\\laser", FALSE);
    EXPECT_EQ(ZelDosEnumNetConnections(local, remote), 2);
    EXPECT_EQ(StringElements(local), (Strings{L"N:", L"LPT2"}));
    EXPECT_EQ(StringElements(remote), (Strings{kLongName, L"\\\\print\\laser"}));

    // M: connected, but N:, the last drive asked, fails: its error, arrays kept.
    const HostArray keptLocal({L"before"}), keptRemote({L"before"});
    net.connect(L"M:", L"\\\\server\\m", FALSE);
    net.fail(L"N:", ERROR_NO_NETWORK);
    EXPECT_EQ(ZelDosEnumNetConnections(keptLocal, keptRemote), -int(ERROR_NO_NETWORK));
    EXPECT_EQ(StringElements(keptLocal), Strings{L"before"});
    EXPECT_EQ(StringElements(keptRemote), Strings{L"before"});
    // When the last drive answers, the printer ports follow the drives.
    net.fail(L"N:", NO_ERROR);
    EXPECT_EQ(ZelDosEnumNetConnections(keptLocal, keptRemote), 3);
    EXPECT_EQ(StringElements(keptLocal), (Strings{L"M:", L"N:", L"LPT2"}));

    EXPECT_EQ(ZelDosEnumNetConnections(local, 0xBAD), -87);
}
