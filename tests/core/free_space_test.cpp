#include <gtest/gtest.h>

#include "util/files/core/free_space.h"

namespace {

using zw::files::ClusterRounded;
using zw::files::FreeBytes;

TEST(FreeSpace, ProductDoesNotWrapAt4GB) {
    EXPECT_EQ(FreeBytes(8, 512, 2'000'000), 8'192'000'000ULL);
    EXPECT_EQ(FreeBytes(0xFFFFFFFF, 0xFFFFFFFF, 1), 0xFFFFFFFE00000001ULL);
    EXPECT_EQ(FreeBytes(8, 4096, 0), 0u);
}

TEST(FreeSpace, FilesTakeWholeClusters) {
    const unsigned long long cases[][3] = {  // size, cluster, taken
        {0, 4096, 0}, {1, 4096, 4096}, {4096, 4096, 4096}, {4097, 4096, 8192},
        {5'000'000'000ULL, 65536, 5'000'003'584ULL}, {7, 0, 7}, {7, 1, 7},
    };
    for (const auto& [size, cluster, taken] : cases)
        EXPECT_EQ(ClusterRounded(size, cluster), taken) << size << " / " << cluster;
}

}  // namespace
