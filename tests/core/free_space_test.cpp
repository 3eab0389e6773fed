#include <gtest/gtest.h>

#include "util/files/core/free_space.h"

namespace {

using zw::files::ClusterRounded;
using zw::files::FreeBytes;

TEST(FreeSpace, ProductDoesNotWrapAt4GB) {
    EXPECT_EQ(FreeBytes(8, 512, 2'000'000), 8'192'000'000ULL);
    EXPECT_EQ(FreeBytes(0xFFFFFFFF, 0xFFFFFFFF, 1), 0xFFFFFFFE00000001ULL);
    EXPECT_EQ(FreeBytes(64, 4096, 0x00FFFFFF), 0x3FFFFFC0000ULL);
    EXPECT_EQ(FreeBytes(8, 4096, 0), 0u);
}

TEST(FreeSpace, FilesTakeWholeClusters) {
    const struct {
        unsigned long long size, cluster, taken;
    } cases[] = {
        {0, 4096, 0},       {1, 4096, 4096},       {4096, 4096, 4096},
        {4097, 4096, 8192}, {6000, 512, 6144},     {5'000'000'000ULL, 65536, 5'000'003'584ULL},
        {7, 0, 7},          {7, 1, 7},
    };
    for (const auto& c : cases) EXPECT_EQ(ClusterRounded(c.size, c.cluster), c.taken) << c.size << " / " << c.cluster;
}

}  // namespace
