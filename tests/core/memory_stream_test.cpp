#include "frame/core/memory_stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "frame/exceptions.h"

using zw::FileException;
using zw::MemoryStream;
using Origin = zw::MemoryStream::Origin;
using Bytes = std::vector<std::uint8_t>;

TEST(MemoryStream, GrowsInWholeSteps) {
    const struct { std::size_t grow, write, capacity; } cases[] = {
        {1024, 1, 1024}, {1024, 1024, 1024}, {1024, 1025, 2048}, {100, 250, 300}, {0, 5, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grow);
        MemoryStream stream(c.grow);
        EXPECT_EQ(stream.Capacity(), 0u);
        const Bytes bytes(c.write, 0x5A);
        stream.Write(bytes.data(), bytes.size());
        EXPECT_EQ(stream.Size(), c.write);
        EXPECT_EQ(stream.Position(), c.write);
        EXPECT_EQ(stream.Capacity(), c.capacity);
    }
    // Small writes reallocate only at step boundaries.
    MemoryStream stream(16);
    std::uint8_t byte = 1;
    for (int i = 0; i < 40; ++i) stream.Write(&byte, 1);
    EXPECT_EQ(stream.Capacity(), 48u);
}

TEST(MemoryStream, ReadSeekAndWritePastTheEnd) {
    const std::uint8_t data[] = {1, 2, 3, 4, 5};
    MemoryStream stream(std::span<const std::uint8_t>(data), 8);
    EXPECT_EQ(stream.Position(), 0u);
    std::uint8_t out[8] = {};
    EXPECT_EQ(stream.Read(out, 3), 3u);
    EXPECT_EQ(out[2], 3);
    EXPECT_EQ(stream.Read(out, 8), 2u) << "a read stops at the end";
    EXPECT_EQ(out[1], 5);
    EXPECT_EQ(stream.Read(out, 8), 0u);

    EXPECT_EQ(stream.Seek(-2, Origin::End), 3u);
    EXPECT_EQ(stream.Remaining(), 2u);
    EXPECT_EQ(stream.Seek(1, Origin::Current), 4u);
    EXPECT_THROW(stream.Seek(-1, Origin::Begin), FileException);
    EXPECT_EQ(stream.Position(), 4u) << "a failed seek keeps the position";
    EXPECT_THROW(stream.Seek(INT64_MIN, Origin::End), FileException);
    EXPECT_THROW(stream.Seek(INT64_MAX, Origin::Current), FileException);

    // Past the end: reads give nothing, a write fills the gap with zeros.
    stream.Seek(9, Origin::Begin);
    EXPECT_EQ(stream.Remaining(), 0u);
    EXPECT_EQ(stream.Read(out, 1), 0u);
    const std::uint8_t tail = 0xEE;
    stream.Write(&tail, 1);
    EXPECT_EQ(Bytes(stream.Bytes().begin(), stream.Bytes().end()), (Bytes{1, 2, 3, 4, 5, 0, 0, 0, 0, 0xEE}));
}

TEST(MemoryStream, SetLengthCutsAndExtendsWithZeros) {
    const std::uint8_t data[] = {9, 9, 9, 9, 9, 9};
    MemoryStream stream{std::span<const std::uint8_t>(data)};
    stream.Seek(0, Origin::End);
    stream.SetLength(2);
    EXPECT_EQ(stream.Size(), 2u);
    EXPECT_EQ(stream.Position(), 2u);
    stream.SetLength(6);
    EXPECT_EQ(Bytes(stream.Bytes().begin(), stream.Bytes().end()), (Bytes{9, 9, 0, 0, 0, 0}))
        << "old bytes must not come back";
}

TEST(MemoryStream, RefusesToGrowPastItsLimit) {
    MemoryStream stream(1024);
    std::uint8_t byte = 0;
    stream.Seek(MemoryStream::kMaxSize, Origin::Begin);
    EXPECT_THROW(stream.Write(&byte, 1), FileException);
    EXPECT_THROW(stream.SetLength(MemoryStream::kMaxSize + std::size_t{1}), FileException);
    EXPECT_EQ(stream.Size(), 0u);
}
