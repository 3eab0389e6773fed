// Free space of a drive from the figures GetDiskFreeSpaceW reports, and what a
// file takes of it. Products are taken in 64 bits: 8 sectors of 512 bytes times
// a few million free clusters already passes 4 GB.
#pragma once

#include <cstdint>

namespace zw::files {

constexpr std::uint64_t FreeBytes(std::uint32_t sectorsPerCluster, std::uint32_t bytesPerSector,
                                  std::uint32_t freeClusters) {
    return std::uint64_t{sectorsPerCluster} * bytesPerSector * freeClusters;
}

// The space a file of `size` bytes occupies: whole clusters (a cluster size of
// 0 counts as 1 byte).
constexpr std::uint64_t ClusterRounded(std::uint64_t size, std::uint64_t clusterBytes) {
    if (clusterBytes <= 1) return size;
    const std::uint64_t clusters = size / clusterBytes + (size % clusterBytes != 0);
    return clusters * clusterBytes;
}

}  // namespace zw::files
