#include <gtest/gtest.h>

#include <string>

#include "util/windows/menus/core/menu_item_layout.h"
#include "util/windows/menus/core/menu_text.h"

using namespace zw::menus;

TEST(MenuText, TabEscapeMnemonicAndColumns) {
    struct Case {
        std::wstring written, expanded;
        wchar_t mnemonic;
        std::wstring label, accelerator;
    };
    const Case cases[] = {
        {L"&Open\\tCtrl+O", L"&Open\tCtrl+O", L'O', L"&Open", L"Ctrl+O"},
        {L"Save &As", L"Save &As", L'A', L"Save &As", L""},
        {L"R&&D &Tools\\t\\tF2", L"R&&D &Tools\t\tF2", L'T', L"R&&D &Tools", L"\tF2"},
        {L"back\\slash\\", L"back\\slash\\", 0, L"back\\slash\\", L""},
        {L"end&", L"end&", 0, L"end&", L""},
        {L"", L"", 0, L"", L""},
    };
    for (const Case& c : cases) {
        const std::wstring expanded = ExpandTabEscape(c.written);
        EXPECT_EQ(expanded, c.expanded);
        EXPECT_EQ(Mnemonic(expanded), c.mnemonic) << expanded.size();
        const ItemColumns columns = SplitAtTab(expanded);
        EXPECT_EQ(columns.label, c.label);
        EXPECT_EQ(columns.accelerator, c.accelerator);
        EXPECT_EQ(columns.hasAccelerator, expanded.find(L'\t') != std::wstring::npos);
    }
}

TEST(MenuItemLayout, ColumnsAndHeight) {
    struct Case {
        ItemMetrics metrics;
        ItemSize size;
        ItemPlaces places;
    };
    const Case cases[] = {
        // text only: check column, text, margin; the menu font sets the height
        {{13, 0, 0, 40, 0, false, 14, 16}, {13 + 40 + kRightMargin, 16}, {13, 13}},
        // a picture and its gap before the text; the picture is the tallest
        {{13, 16, 20, 40, 0, false, 14, 16}, {13 + 16 + kPictureGap + 40 + kRightMargin, 20}, {13, 13 + 16 + kPictureGap}},
        // an accelerator column after a gap; a large font is the tallest
        {{15, 0, 0, 30, 25, true, 22, 16}, {15 + 30 + kColumnGap + 25 + kRightMargin, 22}, {15, 15}},
    };
    for (const Case& c : cases) {
        const ItemSize size = MeasureItem(c.metrics);
        const ItemPlaces places = PlaceItem(c.metrics);
        EXPECT_EQ(size.width, c.size.width);
        EXPECT_EQ(size.height, c.size.height);
        EXPECT_EQ(places.pictureLeft, c.places.pictureLeft);
        EXPECT_EQ(places.labelLeft, c.places.labelLeft);
    }
}
