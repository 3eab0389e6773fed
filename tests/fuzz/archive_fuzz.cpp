// Fuzz target for the object archive: any input either loads or throws
// FileException, never crashes; whatever loads stores to bytes that load back
// to the same record; the archive buffer size never changes the outcome.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "frame/core/archive.h"

using zw::Archive;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct SFuzzColor : zw::Serializable {
    ZW_DECLARE_SERIAL(SFuzzColor)
    void Serialize(Archive& ar) override {
        if (ar.Version(1) == 0) return;
        ar.Field(color);
    }
    std::uint32_t color = 0;
};
ZW_IMPLEMENT_SERIAL(SFuzzColor, 1)

struct SFuzzMenu : zw::Serializable {
    ZW_DECLARE_SERIAL(SFuzzMenu)
    void Serialize(Archive& ar) override {
        if (ar.Version(1) == 0) return;
        ar.String(text);
        ar.Field(id);
    }
    std::u16string text;
    std::uint16_t id = 0;
};
ZW_IMPLEMENT_SERIAL(SFuzzMenu, 1)

struct SFuzzGroup : zw::Serializable {
    ZW_DECLARE_SERIAL(SFuzzGroup)
    void Serialize(Archive& ar) override {
        ar.Flag(open);
        ar.ObjectArray(children);
        ar.ObjectArray(colors);
    }
    bool open = false;
    std::vector<std::unique_ptr<SFuzzGroup>> children;
    std::vector<std::unique_ptr<SFuzzColor>> colors;
};
ZW_IMPLEMENT_SERIAL(SFuzzGroup, 1)

struct FuzzRecord {
    std::vector<std::unique_ptr<SFuzzColor>> colors;
    std::vector<std::unique_ptr<SFuzzMenu>> menus;
    std::int32_t autoSize = 0;
    std::int16_t height = 0;
    std::int8_t level = 0;
    std::u16string title;
    std::vector<std::unique_ptr<SFuzzGroup>> groups;

    void Serialize(Archive& ar) {
        ar.ObjectArray(colors);
        ar.ObjectArray(menus);
        std::uint32_t version = ar.Version(2);
        if (version == 0) return;
        ar.Flag(autoSize);
        ar.Field(height);
        ar.Field(level);
        if (version < 2) return;
        ar.String(title);
        ar.ObjectArray(groups);
    }
};

bool TryLoad(const std::uint8_t* data, std::size_t size, FuzzRecord& record, std::size_t bufferSize) {
    try {
        zw::MemoryStream stream(std::span<const std::uint8_t>(data, size), 1024);
        Archive ar(stream, Archive::Mode::Loading, bufferSize);
        record.Serialize(ar);
        ar.Close();
        return true;
    } catch (const zw::FileException&) {
        return false;
    }
}

Bytes Store(FuzzRecord& record) {
    zw::MemoryStream stream(1024);
    Archive ar(stream, Archive::Mode::Storing, 64);
    record.Serialize(ar);
    ar.Close();
    return Bytes(stream.Bytes().begin(), stream.Bytes().end());
}

std::vector<Bytes> MakeSeeds() {
    std::vector<Bytes> seeds;
    FuzzRecord empty;
    seeds.push_back(Store(empty));

    FuzzRecord full;
    for (std::uint32_t c : {0x0000FFu, 0x00FF00u, 0xFF0000u}) {
        full.colors.push_back(std::make_unique<SFuzzColor>());
        full.colors.back()->color = c;
    }
    full.colors.push_back(nullptr);
    for (const char16_t* text : {u"Open", u"", u"A longer menu line"}) {
        full.menus.push_back(std::make_unique<SFuzzMenu>());
        full.menus.back()->text = text;
        full.menus.back()->id = 3;
    }
    full.autoSize = 1;
    full.height = -7;
    full.level = 3;
    full.title = std::u16string(300, u'T');
    auto group = std::make_unique<SFuzzGroup>();
    group->children.push_back(std::make_unique<SFuzzGroup>());
    group->children.back()->colors.push_back(std::make_unique<SFuzzColor>());
    group->colors.push_back(std::make_unique<SFuzzColor>());
    full.groups.push_back(std::move(group));
    full.groups.push_back(std::make_unique<SFuzzGroup>());
    seeds.push_back(Store(full));
    return seeds;
}

}  // namespace

extern "C" int ZwFuzzSeed(int index, const std::uint8_t** data, std::size_t* size) {
    static const std::vector<Bytes> seeds = MakeSeeds();
    if (index < 0 || static_cast<std::size_t>(index) >= seeds.size()) return 0;
    *data = seeds[index].data();
    *size = seeds[index].size();
    return 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzRecord small;
    FuzzRecord large;
    bool loadedSmall = TryLoad(data, size, small, 16);
    bool loadedLarge = TryLoad(data, size, large, Archive::kDefaultBufferSize);
    if (loadedSmall != loadedLarge) std::abort();
    if (!loadedSmall) return 0;

    Bytes once = Store(small);
    if (Store(large) != once) std::abort();
    FuzzRecord again;
    if (!TryLoad(once.data(), once.size(), again, Archive::kDefaultBufferSize)) std::abort();
    if (Store(again) != once) std::abort();
    return 0;
}
