// Fuzz target for the object archive: any input either loads or throws
// FileException, never crashes; what loads stores to bytes that load back and
// store the same again; the archive's buffer size never changes the outcome.
#include <cstdlib>
#include <optional>

#include "tests/core/sample_record.h"

using zw::Archive;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Store(SSampleRecord& record) {
    zw::MemoryStream stream;
    Archive ar(stream, Archive::Mode::Storing, 64);
    record.Serialize(ar);
    ar.Close();
    return Bytes(stream.Bytes().begin(), stream.Bytes().end());
}

// The stored bytes of what the input loads to, or nothing when it does not load.
std::optional<Bytes> Reload(std::span<const std::uint8_t> input, std::size_t bufferSize) {
    SSampleRecord record;
    try {
        zw::MemoryStream stream(input);
        Archive ar(stream, Archive::Mode::Loading, bufferSize);
        record.Serialize(ar);
        ar.Close();
    } catch (const zw::FileException&) {
        return std::nullopt;
    }
    return Store(record);
}

}  // namespace

extern "C" int ZwFuzzSeed(int index, const std::uint8_t** data, std::size_t* size) {
    static const std::vector<Bytes> seeds = [] {
        SSampleRecord sample = SampleRecord(), longTitle = SampleRecord();
        longTitle.title.assign(300, u'T');
        return std::vector<Bytes>{Store(sample), Store(longTitle)};
    }();
    if (index < 0 || static_cast<std::size_t>(index) >= seeds.size()) return 0;
    *data = seeds[index].data();
    *size = seeds[index].size();
    return 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto once = Reload({data, size}, 16);
    if (once != Reload({data, size}, Archive::kDefaultBufferSize)) std::abort();
    if (once && Reload(*once, Archive::kDefaultBufferSize) != once) std::abort();
    return 0;
}
