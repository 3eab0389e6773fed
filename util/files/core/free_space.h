// Free space of a drive from the figures GetDiskFreeSpaceW reports. The product
// is taken in 64 bits: 8 sectors of 512 bytes times a few million free clusters
// already passes 4 GB.
#pragma once

#include <cstdint>

namespace zw::files {

constexpr std::uint64_t FreeBytes(std::uint32_t sectorsPerCluster, std::uint32_t bytesPerSector,
                                  std::uint32_t freeClusters) {
    return std::uint64_t{sectorsPerCluster} * bytesPerSector * freeClusters;
}

}  // namespace zw::files
