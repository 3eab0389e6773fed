#include "controls/outline/core/outline_block.h"

#include <new>

#include "frame/core/archive.h"
#include "frame/core/memory_stream.h"
#include "frame/exceptions.h"

namespace zw::outline {
namespace {

// The smallest each entry can be: integers plus one-byte empty strings.
constexpr std::size_t kMinPicture = 2 + 1 + 1;
constexpr std::size_t kMinFont = 4 + 1;
constexpr std::size_t kMinItem = 7 * 4 + 1;

// Archive buffer and stream growth of the writer.
constexpr std::size_t kArchiveBuffer = 4096;
constexpr std::size_t kGrowBytes = 1024;

void Serialize(Archive& ar, OBPIC& picture) {
    ar.Field(picture.flags);
    ar.String(picture.source);
    ar.String(picture.name);
}

void Serialize(Archive& ar, OBFONT& font) {
    ar.Field(font.points);
    ar.Field(font.bits);
    ar.String(font.face);
}

void Serialize(Archive& ar, OBITEM& item) {
    ar.Field(item.level);
    ar.Field(item.normalPicture);
    ar.Field(item.selectedPicture);
    ar.Field(item.font);
    ar.Field(item.colour);
    ar.Field(item.flags);
    ar.Field(item.value);
    ar.String(item.text);
}

// A count that the bytes left could hold, at `minBytes` per entry.
std::uint32_t ReadCount(Archive& ar, std::size_t bytesLeftAfterCounts, std::size_t minBytes) {
    const std::uint32_t count = ar.ReadU32();
    if (count > bytesLeftAfterCounts / minBytes) throw FileException();
    return count;
}

template <typename T>
void ReadEntries(Archive& ar, std::uint32_t count, std::vector<T>& out) {
    out.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        T entry;
        Serialize(ar, entry);
        out.push_back(std::move(entry));
    }
}

}  // namespace

std::vector<std::uint8_t> WriteOutlineBlock(const OBLOB& outline) {
    MemoryStream stream(kGrowBytes);
    Archive ar(stream, Archive::Mode::Storing, kArchiveBuffer);
    ar.WriteU16(kOutlineSignature);
    ar.WriteU32(outline.style);
    ar.WriteU32(outline.indent);
    ar.WriteU32(outline.topRow);
    ar.WriteU32(std::uint32_t(outline.pictures.size()));
    ar.WriteU32(std::uint32_t(outline.fonts.size()));
    ar.WriteU32(std::uint32_t(outline.items.size()));
    // Serialize() takes entries by reference for both directions; storing
    // only reads them.
    for (const OBPIC& picture : outline.pictures) Serialize(ar, const_cast<OBPIC&>(picture));
    for (const OBFONT& font : outline.fonts) Serialize(ar, const_cast<OBFONT&>(font));
    for (const OBITEM& item : outline.items) Serialize(ar, const_cast<OBITEM&>(item));
    ar.Close();
    const auto bytes = stream.Bytes();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

BlockResult ReadOutlineBlock(const std::uint8_t* bytes, std::size_t size, OBLOB* outline) {
    if (!bytes || size < 2) return BlockResult::WrongSignature;
    if ((bytes[0] | (bytes[1] << 8)) != kOutlineSignature) return BlockResult::WrongSignature;
    try {
        MemoryStream stream(std::span<const std::uint8_t>(bytes, size));
        Archive ar(stream, Archive::Mode::Loading, kArchiveBuffer);
        ar.ReadU16();
        OBLOB read;
        read.style = ar.ReadU32();
        read.indent = ar.ReadU32();
        read.topRow = ar.ReadU32();
        const std::size_t left = ar.BytesLeft() >= 12 ? ar.BytesLeft() - 12 : 0;
        const std::uint32_t pictures = ReadCount(ar, left, kMinPicture);
        const std::uint32_t fonts = ReadCount(ar, left, kMinFont);
        const std::uint32_t items = ReadCount(ar, left, kMinItem);
        if (std::uint64_t(pictures) * kMinPicture + std::uint64_t(fonts) * kMinFont +
                std::uint64_t(items) * kMinItem > left)
            throw FileException();
        ReadEntries(ar, pictures, read.pictures);
        ReadEntries(ar, fonts, read.fonts);
        ReadEntries(ar, items, read.items);
        *outline = std::move(read);
        return BlockResult::Ok;
    } catch (const FileException&) {
        return BlockResult::Corrupt;
    } catch (const std::bad_alloc&) {
        return BlockResult::Corrupt;
    }
}

}  // namespace zw::outline
