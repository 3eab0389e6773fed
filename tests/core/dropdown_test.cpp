// The drop-downs' portable parts: the layout of edit and button, the popup's
// place on the screen, and the stored forms of the drop-down records (the
// list view drop-down's over a list record of the first stored version).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/calendar/core/prop_combo_cal.h"
#include "controls/dropdown/core/dropdown_layout.h"
#include "controls/dropdown/core/prop_combo_ctrl.h"
#include "controls/listview/core/header_list_records.h"
#include "controls/listview/core/prop_cmb_header_lb.h"
#include "controls/palette/core/prop_combo_pal.h"

using namespace zw::dropdown;
using Bytes = std::vector<std::uint8_t>;

namespace {

template <typename Record>
bool Load(const Bytes& bytes, Record& record) {
    zw::MemoryStream stream(bytes);
    zw::Archive ar(stream, zw::Archive::Mode::Loading);
    try {
        record.Serialize(ar);
        ar.Close();
        return stream.Position() == stream.Size();
    } catch (const zw::FileException&) {
        return false;
    }
}

template <typename Record>
Bytes Store(Record& record) {
    zw::MemoryStream stream(64);
    zw::Archive ar(stream, zw::Archive::Mode::Storing);
    record.Serialize(ar);
    ar.Close();
    return Bytes(stream.Bytes().begin(), stream.Bytes().end());
}

void Append(Bytes& to, std::initializer_list<int> bytes) {
    for (int b : bytes) to.push_back(static_cast<std::uint8_t>(b));
}

// A list record of the list view's first stored version: its columns, then
// the version 0 that ends it.
struct ColumnsOnlyList {
    std::int32_t bDropDown = 0;
    zw::listview::CHdrLBColumnArray columns;
    void Serialize(zw::Archive& ar) {
        ar.ObjectArray(columns);
        ar.Version(0);
    }
};

}  // namespace

TEST(DropDownLayout, EditAndButtonShareTheClientArea) {
    const struct {
        Box client;
        int button;
        bool editable, newShell;
        int gap;
        Box edit, buttonBox;
    } cases[] = {
        {{0, 0, 100, 20}, 17, true, true, 0, {0, 0, 83, 20}, {83, 0, 100, 20}},
        {{0, 0, 100, 20}, 17, false, false, 0, {0, 0, 83, 20}, {83, 0, 100, 20}},
        // An editable field on an old shell keeps half a button (less one) apart.
        {{0, 0, 100, 20}, 17, true, false, 7, {0, 0, 76, 20}, {83, 0, 100, 20}},
        {{0, 0, 40, 13}, 16, true, false, 7, {0, 0, 17, 13}, {24, 0, 40, 13}},
    };
    for (const auto& c : cases) {
        const int gap = EditButtonGap(c.button, c.editable, c.newShell);
        EXPECT_EQ(gap, c.gap);
        const FieldLayout layout = LayOutField(c.client, c.button, gap);
        EXPECT_EQ(layout.edit, c.edit) << c.client.right << " " << c.gap;
        EXPECT_EQ(layout.button, c.buttonBox) << c.client.right << " " << c.gap;
    }
}

TEST(DropDownLayout, PopupBelowAboveAndInsideTheScreen) {
    const struct {
        const char* name;
        PopupRule rule;
        int width, height;
        Point at;
    } cases[] = {
        {"below, 2 apart", {{100, 100, 200, 120}, 2}, 150, 80, {100, 122}},
        {"below, overlapping by 1", {{100, 100, 200, 120}, -1}, 150, 80, {100, 119}},
        {"ends at the screen's bottom", {{100, 518, 200, 538}, 2}, 150, 60, {100, 540}},
        {"above near the bottom", {{100, 550, 200, 570}, 2}, 150, 80, {100, 469}},
        {"pushed left at the right edge", {{700, 100, 790, 120}, 2}, 150, 80, {650, 122}},
        {"never left of 0", {{10, 100, 90, 120}, 2}, 900, 80, {0, 122}},
        {"never above 0", {{10, 20, 90, 40}, 2}, 100, 590, {10, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(PlacePopup(c.rule, c.width, c.height, 800, 600), c.at) << c.name;
}

TEST(DropDownRecords, StoredFormsAndTheirDefaults) {
    // The container's record: version 1, editable byte, text.
    SPropComboCtrl container;
    EXPECT_EQ(container.editable, 1);
    container.editable = 0;
    container.text = u"ab";
    const Bytes containerBytes{1, 0, 0, 0, 0, 0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b', 0};
    EXPECT_EQ(Store(container), containerBytes);
    SPropComboCtrl loaded;
    ASSERT_TRUE(Load(Bytes{0, 0, 0, 0}, loaded)) << "version 0 leaves the defaults";
    EXPECT_EQ(loaded.editable, 1);

    // The calendar drop-down: its calendar's own form first, with drop-down defaults.
    zw::calendar::SPropComboCal calendar;
    EXPECT_EQ(calendar.calendar.autoSize, 1);
    EXPECT_EQ(calendar.calendar.dropDownMode, 1);
    EXPECT_EQ(calendar.editable, 0);
    calendar.editable = 1;
    calendar.picture = u"d";
    Bytes calendarBytes{1, 0, 0, 0, 1, 1, 1, 1, 0, 1,  // generic part: auto size, arrows, drop-down, keys, single, focus
                        2, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0, 0};  // calendar part
    Append(calendarBytes, {1, 0, 0, 0, 1, 0xFF, 0xFE, 0xFF, 1, 'd', 0});
    EXPECT_EQ(Store(calendar), calendarBytes);
    zw::calendar::SPropComboCal old;
    Bytes oldBytes(calendarBytes.begin(), calendarBytes.end() - 11);
    Append(oldBytes, {0, 0, 0, 0});
    ASSERT_TRUE(Load(oldBytes, old));
    EXPECT_EQ(old.editable, 0) << "version 0 keeps the field's defaults";
    EXPECT_TRUE(old.picture.empty());

    // The palette drop-down: a palette record, auto-sized, in drop-down mode.
    zw::palette::SPropComboPal palette;
    EXPECT_EQ(palette.palette.bAutoSize, 1);
    EXPECT_EQ(palette.palette.bDropDown, 1);
    zw::palette::SPropPalette plain;
    plain.bAutoSize = plain.bDropDown = 1;
    EXPECT_EQ(Store(palette), Store(plain));

    // The list view drop-down: the container's record (read-only), the list's
    // (in drop-down mode), then a version 1 that loading reads and ignores.
    zw::listview::ComboListRecord<ColumnsOnlyList> list;
    EXPECT_EQ(list.combo.editable, 0);
    EXPECT_EQ(list.list.bDropDown, 1);
    list.combo.text = u"x";
    list.list.columns.push_back(std::make_unique<zw::listview::SHdrLBColumn>(u"C", 2, 40));
    Bytes listBytes{1, 0, 0, 0, 0, 0xFF, 0xFE, 0xFF, 1, 'x', 0};
    Append(listBytes, {1, 0, 0xFF, 0xFF, 1, 0, 12, 0, 'S', 'H', 'd', 'r', 'L', 'B', 'C', 'o', 'l', 'u', 'm', 'n'});
    Append(listBytes, {1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 1, 'C', 0, 2, 0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(Store(list), listBytes);
    Bytes laterBytes = listBytes;
    laterBytes[laterBytes.size() - 4] = 7;
    zw::listview::ComboListRecord<ColumnsOnlyList> reloaded;
    ASSERT_TRUE(Load(laterBytes, reloaded)) << "any trailing version";
    EXPECT_EQ(Store(reloaded), listBytes);
    EXPECT_EQ(reloaded.list.bDropDown, 1) << "not stored";
}
