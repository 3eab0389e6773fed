#include "util/files/free_space.h"

#include <vector>

#include "util/files/core/free_space.h"
#include "util/files/file_errors.h"

namespace zw::files {

namespace {

// The root GetDiskFreeSpaceW wants: "X:\" or "\\server\share\"; "" for the
// current drive.
std::wstring RootOf(const std::wstring& path) {
    const std::wstring relative = path.empty() ? L"." : path;
    const DWORD needed = GetFullPathNameW(relative.c_str(), 0, nullptr, nullptr);
    if (!needed) return {};
    std::vector<WCHAR> buffer(needed + 1);
    const DWORD length = GetFullPathNameW(relative.c_str(), needed + 1, buffer.data(), nullptr);
    if (!length || length > needed) return {};
    const std::wstring full(buffer.data(), length);
    if (full.size() >= 2 && full[1] == L':') return full.substr(0, 2) + L"\\";
    if (full.compare(0, 2, L"\\\\") == 0) {
        const size_t server = full.find(L'\\', 2);
        if (server == std::wstring::npos) return {};
        const size_t share = full.find(L'\\', server + 1);
        return share == std::wstring::npos ? full + L"\\" : full.substr(0, share + 1);
    }
    return {};
}

}  // namespace

int DriveFreeBytes(const std::wstring& path, ULONGLONG& bytes, ULONGLONG& clusterBytes) {
    const std::wstring root = RootOf(path);
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceW(root.empty() ? nullptr : root.c_str(), &sectorsPerCluster, &bytesPerSector,
                           &freeClusters, &totalClusters))
        return NegatedLastError();
    bytes = FreeBytes(sectorsPerCluster, bytesPerSector, freeClusters);
    clusterBytes = ULONGLONG{sectorsPerCluster} * bytesPerSector;
    return 0;
}

int FreeSpaceGauge::Take(ULONGLONG bytes) {
    const ULONGLONG needed = ClusterRounded(bytes, clusterBytes_);
    if (!known_ || needed > free_) {
        if (const int failure = DriveFreeBytes(path_, free_, clusterBytes_)) return failure;
        known_ = true;
        if (bytes > free_) return kDiskFull;
    }
    const ULONGLONG taken = ClusterRounded(bytes, clusterBytes_);
    free_ = taken > free_ ? 0 : free_ - taken;
    return 0;
}

}  // namespace zw::files
