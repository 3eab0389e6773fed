// ZelNumberChoose: one of two host numbers, by a condition.
#include <windows.h>

#include "frame/call_frame.h"
#include "frame/host_value.h"

// Returned by value like every host number result: the caller passes the
// address of its result as a hidden first argument.
extern "C" HostNumber __stdcall ZelNumberChoose(int condition, HostNumber whenTrue, HostNumber whenFalse) {
    return zw::Guarded(L"ZelNumberChoose()", HostNumber{}, [&] { return condition ? whenTrue : whenFalse; });
}
