// Fuzz target for the controls' designer items: any bytes either load as a
// control's property record or are refused with FileException, never crash;
// a record that loads stores to bytes that load back and store the same. The
// first input byte picks the record; the rest is the item.
#include <cstdlib>
#include <optional>
#include <vector>

#include "controls/calendar/core/calendar_style.h"
#include "controls/calendar/core/prop_combo_cal.h"
#include "controls/listview/core/header_list_records.h"
#include "controls/listview/core/prop_cmb_header_lb.h"
#include "controls/palette/core/palette_record.h"
#include "controls/spin/core/spin_value.h"
#include "controls/splitter/core/prop_splitter.h"
#include "frame/core/archive.h"
#include "frame/core/memory_stream.h"
#include "frame/exceptions.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

// The list view drop-down's record over a list record of the list view's
// first stored version (columns, then version 0): the list's image lists are
// the platform's.
struct ColumnsOnlyList {
    std::int32_t bDropDown = 0;
    zw::listview::CHdrLBColumnArray columns;
    void Serialize(zw::Archive& ar) {
        ar.ObjectArray(columns);
        ar.Version(0);
    }
};
using ListDropDownRecord = zw::listview::ComboListRecord<ColumnsOnlyList>;

template <typename Record>
Bytes Store(Record& record) {
    zw::MemoryStream stream;
    zw::Archive ar(stream, zw::Archive::Mode::Storing);
    record.Serialize(ar);
    ar.Close();
    return Bytes(stream.Bytes().begin(), stream.Bytes().end());
}

template <typename Record>
std::optional<Bytes> Reload(std::span<const std::uint8_t> item) {
    Record record;
    try {
        zw::MemoryStream stream(item);
        zw::Archive ar(stream, zw::Archive::Mode::Loading);
        record.Serialize(ar);
        ar.Close();
    } catch (const zw::FileException&) {
        return std::nullopt;
    }
    return Store(record);
}

template <typename Record>
void Check(std::span<const std::uint8_t> item) {
    const std::optional<Bytes> stored = Reload<Record>(item);
    if (!stored) return;
    const std::optional<Bytes> again = Reload<Record>(*stored);
    if (!again || *again != *stored) std::abort();
}

template <typename Record>
Bytes Seed(std::uint8_t kind) {
    Record record;
    Bytes bytes = Store(record);
    bytes.insert(bytes.begin(), kind);
    return bytes;
}

}  // namespace

extern "C" int ZwFuzzSeed(int index, const std::uint8_t** data, std::size_t* size) {
    static const std::vector<Bytes> seeds = {
        Seed<zw::calendar::SPropCalendar>(0), Seed<zw::palette::SPropPalette>(1), Seed<zw::SPropSplitter>(2),
        Bytes{3, 1, 0, 0, 0, 100, 0, 0, 0, 5, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0}, Seed<ListDropDownRecord>(4),
        Seed<zw::calendar::SPropComboCal>(5),
    };
    if (index < 0 || std::size_t(index) >= seeds.size()) return 0;
    *data = seeds[index].data();
    *size = seeds[index].size();
    return 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::span<const std::uint8_t> item(data + 1, size - 1);
    switch (data[0] % 6) {
    case 0: Check<zw::calendar::SPropCalendar>(item); break;
    case 1: Check<zw::palette::SPropPalette>(item); break;
    case 2: Check<zw::SPropSplitter>(item); break;
    case 4: Check<ListDropDownRecord>(item); break;
    case 5: Check<zw::calendar::SPropComboCal>(item); break;
    default: {
        const auto settings = zw::spin::ReadDesignerItem(item);
        if (settings && item.size() != zw::spin::kDesignerItemBytes) std::abort();
        if (settings) zw::spin::Step(0, *settings, true);
    }
    }
    return 0;
}
