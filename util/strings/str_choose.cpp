// ZelStrChoose: one of two host strings by a condition.
#include <windows.h>

#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"

// The chosen handle goes back to the caller; the host is told that the library
// is done with it (it stays usable).
extern "C" HOSTSTR __stdcall ZelStrChoose(int condition, HOSTSTR whenTrue, HOSTSTR whenFalse) {
    const HOSTSTR chosen = condition ? whenTrue : whenFalse;
    return zw::Guarded(L"ZelStrChoose()", chosen, [&] {
        HostStrRelease(chosen);
        return chosen;
    });
}
