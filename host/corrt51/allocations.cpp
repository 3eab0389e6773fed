#include "host/corrt51/allocations.h"

#include <windows.h>

#include "host/host_test.h"

namespace host {
namespace {

int failNext = 0;       // the next this many allocations fail
int failCountdown = 0;  // the allocation this many from now fails (0: none)

}  // namespace

bool NextAllocationSucceeds() {
    if (failNext > 0) {
        --failNext;
        return false;
    }
    if (failCountdown > 0 && --failCountdown == 0) return false;
    return true;
}

}  // namespace host

extern "C" void __stdcall HostTestFailStringAllocs(int count) {
    host::failNext = count < 0 ? 0 : count;
}

extern "C" void __stdcall HostTestFailAllocation(int nth) {
    host::failCountdown = nth < 0 ? 0 : nth;
}

extern "C" int __stdcall HostTestAllocationsBeforeFailure(void) {
    return host::failCountdown;
}
