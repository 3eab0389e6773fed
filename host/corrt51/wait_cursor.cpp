// The host's own wait cursor: on or off, as the application last switched it,
// with the test surface that reads it back.
#include "frame/host_api.h"
#include "host/host_test.h"

namespace {

bool waitCursorOn = false;
int waitCursorCalls = 0;

}  // namespace

extern "C" void __stdcall HostSetWaitCursor(BOOL on) {
    ++waitCursorCalls;
    waitCursorOn = on != FALSE;
}

extern "C" BOOL __stdcall HostTestWaitCursor(int* calls) {
    if (calls) *calls = waitCursorCalls;
    return waitCursorOn;
}
