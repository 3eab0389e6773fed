#include "frame/core/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "frame/exceptions.h"

namespace zw {

MemoryStream::MemoryStream(std::size_t growBytes) : growBytes_(growBytes ? growBytes : 1) {}

MemoryStream::MemoryStream(std::span<const std::uint8_t> bytes, std::size_t growBytes)
    : MemoryStream(growBytes) {
    Write(bytes.data(), bytes.size());
    position_ = 0;
}

void MemoryStream::Reserve(std::size_t size) {
    if (size <= buffer_.size()) return;
    if (size > kMaxSize) throw FileException(L"The stream would grow past its largest size.");
    std::size_t steps = size / growBytes_ + (size % growBytes_ ? 1 : 0);
    std::size_t capacity = steps > kMaxSize / growBytes_ ? size : steps * growBytes_;
    try {
        buffer_.resize(capacity);
    } catch (const std::bad_alloc&) {
        throw FileException(L"Not enough memory to grow the stream.");
    } catch (const std::length_error&) {
        throw FileException(L"Not enough memory to grow the stream.");
    }
}

std::size_t MemoryStream::Read(void* destination, std::size_t count) {
    std::size_t n = std::min(count, Remaining());
    if (n) {
        std::memcpy(destination, buffer_.data() + position_, n);
        position_ += n;
    }
    return n;
}

void MemoryStream::Write(const void* source, std::size_t count) {
    if (count == 0) return;
    if (count > kMaxSize - position_) throw FileException(L"The stream would grow past its largest size.");
    std::size_t end = position_ + count;
    Reserve(end);
    // Bytes between the old end and a position seeked past it are already
    // zero: storage past size_ is always kept zeroed.
    std::memcpy(buffer_.data() + position_, source, count);
    position_ = end;
    size_ = std::max(size_, end);
}

std::size_t MemoryStream::Seek(std::int64_t offset, Origin origin) {
    std::int64_t base = origin == Origin::Begin ? 0
                      : origin == Origin::Current ? static_cast<std::int64_t>(position_)
                                                  : static_cast<std::int64_t>(size_);
    // Both operands are far below the int64 limits, so the sum cannot overflow
    // unless offset itself is extreme; check before adding.
    if (offset > static_cast<std::int64_t>(kMaxSize) || offset < -static_cast<std::int64_t>(kMaxSize))
        throw FileException(L"Seek outside the stream.");
    std::int64_t target = base + offset;
    if (target < 0 || target > static_cast<std::int64_t>(kMaxSize)) throw FileException(L"Seek outside the stream.");
    position_ = static_cast<std::size_t>(target);
    return position_;
}

void MemoryStream::SetLength(std::size_t size) {
    if (size > size_) {
        Reserve(size);
    } else {
        std::fill(buffer_.begin() + size, buffer_.begin() + size_, 0);
    }
    size_ = size;
    position_ = std::min(position_, size_);
}

}  // namespace zw
