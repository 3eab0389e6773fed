// Free space of the drive that holds a path.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace zw::files {

// Sets `bytes` to the free space of the drive holding `path` (which need not
// exist yet) and `clusterBytes` to its cluster size, and returns 0; or returns
// the negated error of GetDiskFreeSpaceW.
int DriveFreeBytes(const std::wstring& path, ULONGLONG& bytes, ULONGLONG& clusterBytes);

// The free space of one destination drive during a run of copies. The system is
// asked once; each file that fits is then taken off, rounded up to whole
// clusters so that the figure never exceeds the real one. Only a file that
// seems not to fit makes it ask again, so space freed meanwhile still counts.
// Asking once per file gives the same answers at several times the cost.
class FreeSpaceGauge {
public:
    explicit FreeSpaceGauge(std::wstring path) : path_(std::move(path)) {}

    // 0 when `bytes` fit (they are then counted as used), -39 when they do
    // not, or the negated error of the query.
    int Take(ULONGLONG bytes);

private:
    std::wstring path_;
    bool known_ = false;
    ULONGLONG free_ = 0;          // bytes believed free
    ULONGLONG clusterBytes_ = 1;  // allocation unit of the drive
};

}  // namespace zw::files
