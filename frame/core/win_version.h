// The Windows version as one number: the major version plus the minor version
// divided by 10 in integer arithmetic (5.1 gives 5, 4.10 gives 5).
#pragma once

namespace zw {

inline double WinVersionNumber(unsigned major, unsigned minor) {
    return double(major + minor / 10);
}

}  // namespace zw
