// The count of host-object operations per window and ordinal that the test
// surface reports (HostTestObjectCalls); each operation that tests watch
// counts its calls here.
#pragma once

#include <windows.h>

void CountObjectCall(HWND window, int ordinal);
