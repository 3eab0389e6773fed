// A growable in-memory byte stream, the file under an Archive.
//
// The buffer grows in whole steps of `growBytes` so that a stream filled a
// few bytes at a time reallocates rarely. Seeking past the end is allowed; a
// later write fills the gap with zeros. Reads stop at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zw {

class MemoryStream {
public:
    enum class Origin { Begin, Current, End };

    // Largest size the stream accepts; larger writes throw FileException
    // rather than overflow a 32-bit size.
    static constexpr std::size_t kMaxSize = 0x7FFFFFFF;

    explicit MemoryStream(std::size_t growBytes = 1024);
    // A stream holding a copy of `bytes`, positioned at its start.
    MemoryStream(std::span<const std::uint8_t> bytes, std::size_t growBytes = 1024);

    // Copies up to `count` bytes from the position; returns how many were read
    // (fewer at the end, 0 past it).
    std::size_t Read(void* destination, std::size_t count);
    // Writes at the position, growing the stream; throws FileException when
    // the stream cannot grow (out of memory or past kMaxSize).
    void Write(const void* source, std::size_t count);
    // Moves the position; a position before the start or past kMaxSize throws
    // FileException and leaves the position unchanged. Returns the new position.
    std::size_t Seek(std::int64_t offset, Origin origin);
    // Cuts or extends (with zeros) the stream; the position is kept, clamped to
    // the new size.
    void SetLength(std::size_t size);

    std::size_t Position() const { return position_; }
    std::size_t Size() const { return size_; }
    // Bytes between the position and the end (0 when positioned past the end).
    std::size_t Remaining() const { return position_ < size_ ? size_ - position_ : 0; }
    // Allocated bytes: always a whole number of growth steps.
    std::size_t Capacity() const { return buffer_.size(); }
    std::size_t GrowBytes() const { return growBytes_; }
    // The stream's contents, valid until the next write or SetLength.
    std::span<const std::uint8_t> Bytes() const { return {buffer_.data(), size_}; }

private:
    void Reserve(std::size_t size);

    std::size_t growBytes_;             // allocation step in bytes, at least 1
    std::vector<std::uint8_t> buffer_;  // allocated storage; bytes past size_ are zero
    std::size_t size_ = 0;              // bytes of content
    std::size_t position_ = 0;          // next byte to read or write
};

}  // namespace zw
