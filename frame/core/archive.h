// The object archive: the byte format in which property records and their
// element objects are stored in a control's designer data, read and written
// through a MemoryStream.
//
// Format (little-endian):
//   numbers      8, 16 and 32 bits as they are; a flag is one byte, 0 or 1
//   string       FF, FFFE (UTF-16 follows), then the length in characters:
//                one byte below FF; else FF + 16 bits below FFFE; else
//                FF + FFFF + 32 bits; then the characters, no terminator.
//                Loading also takes the older 8-bit form (no FF FFFE marker).
//   count        16 bits below FFFF, else FFFF + 32 bits
//   object       0000 for null; FFFF, schema (16), name length (16), ASCII
//                name, data for the first object of a class; 8000 | class
//                index, data for a later one. With an index of 7FFF or more
//                the tag is 7FFF followed by 80000000 | index (32 bits).
//   object array count, then each element as an object
// Indices count classes and objects together from 1 in order of first
// appearance: a new class takes one index, then each object takes one.
//
// Records serialise themselves with one function for both directions:
//
//   void SPaletteMenu::Serialize(zw::Archive& ar) {
//       if (ar.Version(1) == 0) return;   // version 0: nothing of this group
//       ar.String(text);
//       ar.Field(id);
//   }
//
// Loading never reads past the end of the stream: truncated or corrupt data
// throws FileException (frame/exceptions.h), as does any write the stream
// cannot take. Counts and lengths are checked against the bytes left before
// anything is allocated for them.
//
// Back-references: the format lets a tag with the high bit clear name an
// object read earlier, so that one object can be referred to twice. Elements
// here live in owning arrays, where a second reference would mean a second
// owner, so a loading archive rejects such a tag (FileException) and a storing
// archive never writes one: each reference is written as an object of its own.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "frame/core/memory_stream.h"
#include "frame/core/serializable.h"
#include "frame/exceptions.h"

namespace zw {

template <typename T>
concept ArchiveInteger = std::integral<T> && !std::same_as<T, bool> && (sizeof(T) <= 4);

template <typename T>
concept ArchiveFlag = ArchiveInteger<T> || std::same_as<T, bool>;

class Archive {
public:
    enum class Mode { Storing, Loading };

    static constexpr std::size_t kDefaultBufferSize = 4096;
    // Objects nested inside objects beyond this depth are refused, so corrupt
    // data cannot exhaust the stack through recursive element classes.
    static constexpr int kMaxObjectDepth = 64;
    // Longest class name accepted in a new-class tag.
    static constexpr std::size_t kMaxClassName = 64;

    // A loading archive reads from the stream's position; a storing archive
    // writes there. Bytes pass through a buffer of `bufferSize` bytes.
    Archive(MemoryStream& stream, Mode mode, std::size_t bufferSize = kDefaultBufferSize);
    // Closes the archive if Close() was not called; a write failure at that
    // point is lost, so storing code calls Close() itself.
    ~Archive();
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    bool IsStoring() const { return mode_ == Mode::Storing; }
    bool IsLoading() const { return mode_ == Mode::Loading; }

    // Storing: writes the buffered bytes to the stream. Loading: moves the
    // stream back over bytes buffered but not read, so that it stands just
    // after the archive's data. The archive is unusable afterwards.
    void Close();

    // Loading: bytes that can still be read.
    std::size_t BytesLeft() const;

    // ---- both directions: write the value when storing, replace it when loading
    template <ArchiveInteger T>
    void Field(T& value) {
        using U = std::make_unsigned_t<T>;
        if (IsStoring()) {
            WriteUnsigned(static_cast<U>(value), sizeof(T));
        } else {
            value = static_cast<T>(static_cast<U>(ReadUnsigned(sizeof(T))));
        }
    }
    // A flag kept in one byte, 0 or 1 (any nonzero byte loads as set).
    template <ArchiveFlag T>
    void Flag(T& value) {
        if (IsStoring()) {
            WriteFlag(value != 0);
        } else {
            value = static_cast<T>(ReadFlag());
        }
    }
    void String(std::u16string& value);
    // A version marker: stores `current`; loads and returns the stored
    // version. The caller reads the fields that version had; a newer version
    // than the caller knows is read as far as the caller knows it.
    std::uint32_t Version(std::uint32_t current);
    template <typename T>
    void ObjectArray(std::vector<std::unique_ptr<T>>& array) {
        if (IsStoring()) {
            WriteObjectArray(array);
        } else {
            ReadObjectArray(array);
        }
    }

    // ---- storing
    void WriteBytes(const void* bytes, std::size_t count);
    void WriteU8(std::uint8_t value) { WriteUnsigned(value, 1); }
    void WriteU16(std::uint16_t value) { WriteUnsigned(value, 2); }
    void WriteU32(std::uint32_t value) { WriteUnsigned(value, 4); }
    void WriteFlag(bool value) { WriteUnsigned(value ? 1 : 0, 1); }
    void WriteString(std::u16string_view text);
    void WriteCount(std::size_t count);
    // Writes a reference to `object` (null allowed) and, unless null, its
    // data. Storing only reads the object, although Serialize is not const.
    void WriteObject(const Serializable* object);
    template <typename T>
    void WriteObjectArray(const std::vector<std::unique_ptr<T>>& array) {
        WriteCount(array.size());
        for (const auto& element : array) WriteObject(element.get());
    }

    // ---- loading
    void ReadBytes(void* bytes, std::size_t count);
    std::uint8_t ReadU8() { return static_cast<std::uint8_t>(ReadUnsigned(1)); }
    std::uint16_t ReadU16() { return static_cast<std::uint16_t>(ReadUnsigned(2)); }
    std::uint32_t ReadU32() { return ReadUnsigned(4); }
    bool ReadFlag() { return ReadUnsigned(1) != 0; }
    std::u16string ReadString();
    // A count of elements that take at least `minElementBytes` bytes each;
    // a count the remaining bytes cannot hold throws.
    std::uint32_t ReadCount(std::size_t minElementBytes = 1);
    // Reads an object reference: null for a null tag, else a new object of
    // the class named in the data, which must be T or derived from it.
    template <typename T>
    std::unique_ptr<T> ReadObject() {
        auto isT = [](const Serializable& object) { return dynamic_cast<const T*>(&object) != nullptr; };
        return std::unique_ptr<T>(static_cast<T*>(ReadObject(T::SerialClassOf(), isT).release()));
    }
    // Replaces `array` with the elements read; on failure `array` is unchanged.
    template <typename T>
    void ReadObjectArray(std::vector<std::unique_ptr<T>>& array) {
        std::uint32_t count = ReadCount(2);  // every element has at least a 16-bit tag
        std::vector<std::unique_ptr<T>> elements;
        elements.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) elements.push_back(ReadObject<T>());
        array = std::move(elements);
    }

private:
    // What an index of the loading map names: a class, or an object (which a
    // back-reference could name, and which is refused).
    struct LoadEntry {
        const SerialClass* serialClass;  // null for an object entry
    };

    // Reads an object reference; `fits` tells whether a new object is of the
    // requested class before it reads its data.
    std::unique_ptr<Serializable> ReadObject(const SerialClass& requested, bool (*fits)(const Serializable&));
    void WriteUnsigned(std::uint32_t value, std::size_t bytes);
    std::uint32_t ReadUnsigned(std::size_t bytes);
    void Flush();
    void CheckOpen(Mode wanted) const;
    std::uint32_t TakeIndex();
    // The class of the object that `tag` starts, or null for a null reference.
    const SerialClass* ReadClassTag(std::uint16_t tag);

    MemoryStream& stream_;
    Mode mode_;
    bool closed_ = false;
    std::vector<std::uint8_t> buffer_;  // the archive buffer
    std::size_t bufferStart_ = 0;       // loading: first unread byte of buffer_
    std::size_t bufferEnd_ = 0;         // loading: end of the bytes read into buffer_; storing: bytes pending
    std::uint32_t mapCount_ = 1;        // next class or object index (0 is the null tag)
    std::map<const SerialClass*, std::uint32_t> storedClasses_;  // storing: index of each class written
    std::vector<LoadEntry> loadMap_;    // loading: entry of each index, [0] unused
    int depth_ = 0;                     // objects being read or written inside one another
};

}  // namespace zw
