// The retry dialog shown when the host cannot allocate a result.
#pragma once

#include <windows.h>

namespace zw {

constexpr int kRecoveryRetry = 1;
constexpr int kRecoveryHalt = 2;

// Shows dialog 201 with `caption`, owned by the active window: 1 retry,
// 2 halt the application, -1 when the dialog cannot be shown.
int ShowErrorRecovery(LPCWSTR caption);

}  // namespace zw
