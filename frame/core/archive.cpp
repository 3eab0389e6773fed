#include "frame/core/archive.h"

#include <algorithm>
#include <cstring>

namespace zw {

namespace {

constexpr std::uint16_t kNullTag = 0;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000;
// Indices stay below this so that an index with kBigClassTag never wraps.
constexpr std::uint32_t kMaxMapCount = 0x3FFFFFFE;

constexpr std::uint8_t kLengthEscape = 0xFF;
constexpr std::uint16_t kUnicodeMarker = 0xFFFE;
constexpr std::uint16_t kLongLength = 0xFFFF;
constexpr std::uint16_t kLongCount = 0xFFFF;

[[noreturn]] void Corrupt(const wchar_t* what) {
    throw FileException(std::wstring(L"Corrupt archive: ") + what);
}

// Counts an object being read or written inside another one.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) {
        if (depth_ >= Archive::kMaxObjectDepth) Corrupt(L"objects nested too deeply.");
        ++depth_;
    }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

}  // namespace

Archive::Archive(MemoryStream& stream, Mode mode, std::size_t bufferSize)
    : stream_(stream), mode_(mode), buffer_(std::max<std::size_t>(bufferSize, 16)) {
    loadMap_.push_back({nullptr});  // index 0 is the null tag
}

Archive::~Archive() {
    if (closed_) return;
    try {
        Close();
    } catch (...) {
        // A destructor cannot report; storing code that cares calls Close().
    }
}

void Archive::CheckOpen(Mode wanted) const {
    if (closed_) throw FileException(L"The archive is closed.");
    if (mode_ != wanted) throw FileException(L"The archive is open in the other direction.");
}

void Archive::Close() {
    if (closed_) return;
    closed_ = true;
    if (IsStoring()) {
        Flush();
    } else {
        std::size_t unread = bufferEnd_ - bufferStart_;
        bufferStart_ = bufferEnd_ = 0;
        if (unread) stream_.Seek(-static_cast<std::int64_t>(unread), MemoryStream::Origin::Current);
    }
}

std::size_t Archive::BytesLeft() const {
    if (!IsLoading() || closed_) return 0;
    return (bufferEnd_ - bufferStart_) + stream_.Remaining();
}

std::uint32_t Archive::TakeIndex() {
    if (mapCount_ >= kMaxMapCount) Corrupt(L"too many objects.");
    return mapCount_++;
}

// ---- storing ------------------------------------------------------------------

void Archive::Flush() {
    std::size_t pending = bufferEnd_;
    bufferEnd_ = 0;
    stream_.Write(buffer_.data(), pending);
}

void Archive::WriteBytes(const void* bytes, std::size_t count) {
    CheckOpen(Mode::Storing);
    if (count > buffer_.size() - bufferEnd_) {
        Flush();
        if (count >= buffer_.size()) {
            stream_.Write(bytes, count);
            return;
        }
    }
    if (count) std::memcpy(buffer_.data() + bufferEnd_, bytes, count);
    bufferEnd_ += count;
}

void Archive::WriteUnsigned(std::uint32_t value, std::size_t bytes) {
    std::uint8_t data[4];
    for (std::size_t i = 0; i < bytes; ++i) data[i] = static_cast<std::uint8_t>(value >> (8 * i));
    WriteBytes(data, bytes);
}

void Archive::WriteString(std::u16string_view text) {
    WriteU8(kLengthEscape);
    WriteU16(kUnicodeMarker);
    std::size_t length = text.size();
    if (length < kLengthEscape) {
        WriteU8(static_cast<std::uint8_t>(length));
    } else if (length < kUnicodeMarker) {
        WriteU8(kLengthEscape);
        WriteU16(static_cast<std::uint16_t>(length));
    } else {
        if (length > 0xFFFFFFFFu) throw FileException(L"String too long for the archive.");
        WriteU8(kLengthEscape);
        WriteU16(kLongLength);
        WriteU32(static_cast<std::uint32_t>(length));
    }
    std::uint8_t chunk[512];
    std::size_t used = 0;
    for (char16_t c : text) {
        chunk[used++] = static_cast<std::uint8_t>(c);
        chunk[used++] = static_cast<std::uint8_t>(c >> 8);
        if (used == sizeof chunk) {
            WriteBytes(chunk, used);
            used = 0;
        }
    }
    WriteBytes(chunk, used);
}

void Archive::WriteCount(std::size_t count) {
    if (count < kLongCount) {
        WriteU16(static_cast<std::uint16_t>(count));
        return;
    }
    if (count > 0xFFFFFFFFu) throw FileException(L"Array too long for the archive.");
    WriteU16(kLongCount);
    WriteU32(static_cast<std::uint32_t>(count));
}

void Archive::WriteObject(const Serializable* object) {
    CheckOpen(Mode::Storing);
    if (!object) {
        WriteU16(kNullTag);
        return;
    }
    const SerialClass& serialClass = object->GetSerialClass();
    auto known = storedClasses_.find(&serialClass);
    if (known != storedClasses_.end()) {
        std::uint32_t index = known->second;
        if (index < kBigObjectTag) {
            WriteU16(static_cast<std::uint16_t>(kClassTag | index));
        } else {
            WriteU16(kBigObjectTag);
            WriteU32(kBigClassTag | index);
        }
    } else {
        std::size_t nameLength = std::strlen(serialClass.name);
        if (nameLength == 0 || nameLength > kMaxClassName) throw FileException(L"Class name unfit for the archive.");
        WriteU16(kNewClassTag);
        WriteU16(serialClass.schema);
        WriteU16(static_cast<std::uint16_t>(nameLength));
        WriteBytes(serialClass.name, nameLength);
        storedClasses_.emplace(&serialClass, TakeIndex());
    }
    TakeIndex();  // the object's own index, which a back-reference would use
    DepthGuard guard(depth_);
    // Serialize is shared with loading and so not const; a storing archive
    // only reads the object's fields.
    const_cast<Serializable*>(object)->Serialize(*this);
}

// ---- loading ------------------------------------------------------------------

void Archive::ReadBytes(void* bytes, std::size_t count) {
    CheckOpen(Mode::Loading);
    if (count > BytesLeft()) throw FileException(L"Unexpected end of archive.");
    auto* out = static_cast<std::uint8_t*>(bytes);
    std::size_t buffered = std::min(count, bufferEnd_ - bufferStart_);
    if (buffered) {
        std::memcpy(out, buffer_.data() + bufferStart_, buffered);
        bufferStart_ += buffered;
        out += buffered;
        count -= buffered;
    }
    if (count == 0) return;
    if (count >= buffer_.size()) {
        stream_.Read(out, count);  // BytesLeft() said the stream holds them
        return;
    }
    bufferStart_ = 0;
    bufferEnd_ = stream_.Read(buffer_.data(), buffer_.size());
    std::memcpy(out, buffer_.data(), count);
    bufferStart_ = count;
}

std::uint32_t Archive::ReadUnsigned(std::size_t bytes) {
    std::uint8_t data[4];
    ReadBytes(data, bytes);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    return value;
}

std::u16string Archive::ReadString() {
    // Lengths nest: a byte, then 16 bits when the byte is FF, then 32 bits
    // when those are FFFF; FFFE in the 16-bit place marks UTF-16 text and
    // restarts the length after it.
    std::size_t charSize = 1;
    std::uint32_t length = ReadU8();
    if (length == kLengthEscape) {
        std::uint16_t word = ReadU16();
        bool haveLength = false;
        if (word == kUnicodeMarker) {
            charSize = 2;
            length = ReadU8();
            haveLength = length < kLengthEscape;
            if (!haveLength) word = ReadU16();
        }
        if (!haveLength) length = word < kLongLength ? word : ReadU32();
    }
    if (length > BytesLeft() / charSize) throw FileException(L"Unexpected end of archive.");

    std::u16string text(length, u'\0');
    std::uint8_t chunk[512];
    std::size_t done = 0;
    while (done < length) {
        std::size_t n = std::min<std::size_t>(length - done, sizeof chunk / charSize);
        ReadBytes(chunk, n * charSize);
        for (std::size_t i = 0; i < n; ++i) {
            // 8-bit text is taken as Latin-1: each byte is the code point.
            text[done + i] = charSize == 2 ? static_cast<char16_t>(chunk[2 * i] | (chunk[2 * i + 1] << 8))
                                           : static_cast<char16_t>(chunk[i]);
        }
        done += n;
    }
    return text;
}

std::uint32_t Archive::ReadCount(std::size_t minElementBytes) {
    std::uint16_t word = ReadU16();
    std::uint32_t count = word != kLongCount ? word : ReadU32();
    if (count > BytesLeft() / std::max<std::size_t>(minElementBytes, 1)) Corrupt(L"count larger than the data.");
    return count;
}

const SerialClass* Archive::ReadClassTag(std::uint16_t tag) {
    if (tag == kNewClassTag) {
        std::uint16_t schema = ReadU16();
        std::uint16_t nameLength = ReadU16();
        if (nameLength == 0 || nameLength > kMaxClassName) Corrupt(L"bad class name length.");
        char name[kMaxClassName];
        ReadBytes(name, nameLength);
        const SerialClass* serialClass = FindSerialClass(std::string_view(name, nameLength));
        if (!serialClass) Corrupt(L"unknown class.");
        if (serialClass->schema != schema) Corrupt(L"class schema differs.");
        TakeIndex();
        loadMap_.push_back({serialClass});
        return serialClass;
    }
    std::uint32_t index = tag == kBigObjectTag
                              ? ReadU32()
                              : (static_cast<std::uint32_t>(tag & kClassTag) << 16) | (tag & ~kClassTag);
    if (!(index & kBigClassTag)) {
        // Object index 0 is null, as the 16-bit null tag; any other is a
        // back-reference (see the header), or garbage.
        if (index == 0) return nullptr;
        Corrupt(index < loadMap_.size() ? L"back-reference to an earlier object." : L"bad object index.");
    }
    index &= ~kBigClassTag;
    if (index == 0 || index >= loadMap_.size()) Corrupt(L"bad class index.");
    if (!loadMap_[index].serialClass) Corrupt(L"class index names an object.");
    return loadMap_[index].serialClass;
}

std::unique_ptr<Serializable> Archive::ReadObject(const SerialClass& requested,
                                                  bool (*fits)(const Serializable&)) {
    CheckOpen(Mode::Loading);
    // The requested class is known even when no static initialiser of its
    // source file has run yet (a static library drops unreferenced objects).
    RegisterSerialClass(requested);
    std::uint16_t tag = ReadU16();
    if (tag == kNullTag) return nullptr;
    const SerialClass* serialClass = ReadClassTag(tag);
    if (!serialClass) return nullptr;
    DepthGuard guard(depth_);
    std::unique_ptr<Serializable> object = serialClass->create();
    if (!object || !fits(*object)) Corrupt(L"object of an unexpected class.");
    TakeIndex();
    loadMap_.push_back({nullptr});
    object->Serialize(*this);
    return object;
}

// ---- both directions ----------------------------------------------------------

void Archive::String(std::u16string& value) {
    if (IsStoring()) {
        WriteString(value);
    } else {
        value = ReadString();
    }
}

std::uint32_t Archive::Version(std::uint32_t current) {
    if (IsStoring()) {
        WriteU32(current);
        return current;
    }
    return ReadU32();
}

}  // namespace zw
