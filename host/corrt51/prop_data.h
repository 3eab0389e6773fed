// The replacement host's property data, for the host's other operations.
#pragma once

#include <windows.h>

namespace host {

// The window whose property block starts at `data`, or null.
HWND PropDataOwner(const void* data);

}  // namespace host
