// Rows and items of outline boxes through the library: the adding family,
// row and item attributes with their flags, and the general list functions on
// plain host list and combo boxes as well as on outline boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/support/outline_boxes.h"

using zwtest::RowTexts;

namespace {

using Rows = std::vector<std::wstring>;

HARRAY Strings(const std::vector<std::wstring>& texts) {
    HARRAY array = HostArrayCreate(HOST_ARRAY_STRING);
    for (size_t i = 0; i < texts.size(); ++i) {
        HOSTSTR text = HostTestNewString(texts[i].c_str());
        HostArrayPutString(array, text, LONG(i));
        HostTestFreeString(text);
    }
    return array;
}

HARRAY Numbers(const std::vector<int>& values) {
    HARRAY array = HostArrayCreate(HOST_ARRAY_NUMBER);
    for (size_t i = 0; i < values.size(); ++i) {
        HostNumber number{};
        HostIntToNumber(values[i], &number);
        HostArrayPutNumber(array, &number, LONG(i));
    }
    return array;
}

class OutlineRows : public testing::Test {
protected:
    zwtest::Form form_;
};

}  // namespace

TEST_F(OutlineRows, AddingFamilyFillsTheRecord) {
    HWND box = form_.Box(ZW_LS_OUTLINE);
    HFONT font = ZelFontLoad(L"Arial", 20, 0);
    ZW_HPIC picture = ZelPicLoad(PIC_FromModule | PIC_FormatBitmap, L"zwi51.dll", L"plusdk");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(ZelListAddColor(box, L"blue", 0x01FF0000), 0);
    EXPECT_EQ(ZelListAddColorValue(box, L"red", 0x0000FF, 11), 1);
    EXPECT_EQ(ZelListInsertColor(box, 0, L"first", 0x00FF00), 0);
    EXPECT_EQ(ZelListInsertColorValue(box, 1, L"second", 0x123456, 22), 1);
    EXPECT_EQ(ZelListAddFont(box, L"big", font), 4);
    EXPECT_EQ(ZelListAddFontValue(box, L"big2", font, 33), 5);
    EXPECT_EQ(ZelListInsertFont(box, 6, L"big3", font), 6);
    EXPECT_EQ(ZelListInsertFontValue(box, 7, L"big4", font, 44), 7);
    EXPECT_EQ(ZelListAddPicture(box, L"pic", picture, nullptr), 8);
    EXPECT_EQ(ZelListAddPictureValue(box, L"pic2", picture, picture, 55), 9);
    EXPECT_EQ(ZelListInsertPicture(box, 10, L"pic3", nullptr, picture), 10);
    EXPECT_EQ(ZelListInsertPictureValue(box, 11, L"pic4", picture, nullptr, 66), 11);
    EXPECT_EQ(RowTexts(box), (Rows{L"first", L"second", L"blue", L"red", L"big", L"big2", L"big3", L"big4", L"pic",
                                   L"pic2", L"pic3", L"pic4"}));
    // A colour's top 8 bits become row flags: 0x01 disables the row.
    EXPECT_EQ(ZelListGetColor(box, 2), 0xFF0000);
    EXPECT_EQ(ZelListGetFlags(box, 2) & 0xFF000000, 0x01000000);
    EXPECT_EQ(ZelListGetColor(box, 4), LONG(zwtest::kBoxInk)) << "rows without a colour take the host's";
    struct Value {
        int row;
        LONG_PTR value;
    } values[] = {{0, 0}, {1, 22}, {3, 11}, {5, 33}, {7, 44}, {9, 55}, {11, 66}};
    for (const Value& v : values) EXPECT_EQ(ZelListGetValue(box, v.row), v.value) << v.row;
    EXPECT_EQ(ZelListGetFont(box, 4), font);
    EXPECT_GT(SendMessageW(box, LB_GETITEMHEIGHT, 4, 0), SendMessageW(box, LB_GETITEMHEIGHT, 0, 0));
    ZW_HPIC normal = nullptr, selected = nullptr;
    EXPECT_EQ(ZelListGetPicture(box, 9, &normal, &selected), 1);
    EXPECT_EQ(normal, picture);
    EXPECT_EQ(selected, picture);

    HWND plain = form_.Box(0, LBS_HASSTRINGS, 0x2000, 100, 302);
    EXPECT_EQ(ZelListAddColor(plain, L"x", 0), -1) << "not an outline box";
    EXPECT_EQ(ZelListAddPicture(nullptr, L"x", nullptr, nullptr), -87);
    EXPECT_EQ(ZelListInsertFont(box, 99, L"x", font), -1) << "refused by the box";
    EXPECT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 12);
    DestroyWindow(box);
    ZelFontFree(font);
    ZelPicFree(picture);
}

TEST_F(OutlineRows, RowAttributesAndFlags) {
    HWND box = form_.Box(ZW_LS_OUTLINE | ZW_LS_MULTIPLESEL);
    ZW_HITEM root = ZelListGetRoot(box);
    ZW_HITEM a = ZelListLoadChild(box, root, nullptr, nullptr, L"a", 0, 0);
    ZelListLoadChild(box, a, nullptr, nullptr, L"a1", 0, 0);
    ZelListLoadChild(box, root, nullptr, nullptr, L"b", 0, 0);
    ZelListExpand(box, -1);
    ZelListAddColor(box, L"plain", 0);  // rows: a b plain

    EXPECT_EQ(ZelListSetColor(box, 1, 0xAB123456), 1);
    EXPECT_EQ(ZelListGetColor(box, 1), 0x123456);
    SendMessageW(box, LB_SETSEL, TRUE, 1);
    EXPECT_EQ(ZelListDisableItem(box, 1, 0x00FF00), 1);
    EXPECT_EQ(SendMessageW(box, LB_GETSEL, 1, 0), 0);
    EXPECT_TRUE(ZelListGetFlags(box, 1) & 0x01000000);
    EXPECT_EQ(ZelListGetColor(box, 1), 0x00FF00);
    EXPECT_EQ(ZelListEnableItem(box, 1, 0x0000FF), 1);
    EXPECT_FALSE(ZelListGetFlags(box, 1) & 0x01000000);

    struct Case {
        int row;
        DWORD flags;
        BOOL set;
        Rows rows;
    } cases[] = {
        {0, 0x80000000, TRUE, {L"a", L"a1", L"b", L"plain"}},   // expands
        {1, 0x02000000, TRUE, {L"a", L"b", L"plain"}},          // takes a1's row out, item kept
        {2, 0x04000000, TRUE, {L"a", L"b", L"plain"}},          // selects
        {2, 0x20000000, TRUE, {L"a", L"b"}},                    // deletes the plain row
        {1, 0x00000007, TRUE, {L"a", L"b"}},                    // application bits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZelListSetFlags(box, c.row, c.flags, c.set), 1) << std::hex << c.flags;
        EXPECT_EQ(RowTexts(box), c.rows) << std::hex << c.flags;
    }
    EXPECT_EQ(ZelListGetFlags(box, 1) & 0xFFFF, 7);
    EXPECT_EQ(ZelListSetFlags(box, 1, 0x00000006, FALSE), 1);
    EXPECT_EQ(ZelListGetFlags(box, 1) & 0xFFFF, 1);
    EXPECT_TRUE(ZelListGetItemFlags(ZelListGetNextSibling(ZelListGetItemHandle(box, 0))) & 0x1);

    // Failure values: bad rows, plain boxes, non-windows.
    HWND plain = form_.Box(0, LBS_HASSTRINGS, 0x2000, 100, 302);
    SendMessageW(plain, LB_ADDSTRING, 0, LPARAM(L"x"));
    for (HWND bad : {box, plain}) {
        const int row = bad == box ? 9 : 0;
        EXPECT_EQ(ZelListGetColor(bad, row), -1);
        EXPECT_EQ(ZelListSetColor(bad, row, 0), 0);
        EXPECT_EQ(ZelListDisableItem(bad, row, 0), -1);
        EXPECT_EQ(ZelListEnableItem(bad, row, 0), -1);
        EXPECT_EQ(ZelListGetFont(bad, row), nullptr);
        EXPECT_EQ(ZelListSetFont(bad, row, nullptr), 0);
        EXPECT_EQ(ZelListGetPicture(bad, row, nullptr, nullptr), 0);
        EXPECT_EQ(ZelListSetPicture(bad, row, nullptr, nullptr), 0);
        EXPECT_EQ(ZelListGetFlags(bad, row), -1);
        EXPECT_EQ(ZelListSetFlags(bad, row, 1, TRUE), 0);
    }
    EXPECT_EQ(ZelListGetFlags(nullptr, 0), -1);
}

TEST_F(OutlineRows, ItemAttributes) {
    HWND box = form_.Box(ZW_LS_OUTLINE | ZW_LS_LOWERCASE);
    ZW_HITEM root = ZelListGetRoot(box);
    ZW_HITEM a = ZelListLoadChild(box, root, nullptr, nullptr, L"A", 5, 0);
    ZW_HITEM a1 = ZelListLoadChild(box, a, nullptr, nullptr, L"A1", 0, 0);
    ZW_HITEM b = ZelListLoadChild(box, root, nullptr, nullptr, L"B", 0, 0);
    ZelListExpand(box, -1);  // a b

    EXPECT_EQ(ZelListSetItemText(a, L"Changed"), 1);
    EXPECT_EQ(zwtest::TakeHostText(ZelListGetItemText(a)), L"changed");
    EXPECT_EQ(RowTexts(box), (Rows{L"changed", L"b"}));
    EXPECT_EQ(ZelListSetItemValue(a, 77), 1);
    EXPECT_EQ(ZelListGetItemValue(a), 77);
    EXPECT_EQ(ZelListSetItemColor(a, 0x05ABCDEF), 1);
    EXPECT_EQ(ZelListGetItemColor(a), 0x05ABCDEFu) << "stored as given";
    HFONT font = ZelFontLoad(L"Arial", 24, 0);
    const LRESULT before = SendMessageW(box, LB_GETITEMHEIGHT, 1, 0);
    EXPECT_EQ(ZelListSetItemFont(b, font), 1);
    EXPECT_EQ(ZelListGetItemFont(b), font);
    EXPECT_GT(SendMessageW(box, LB_GETITEMHEIGHT, 1, 0), before) << "re-measured";
    ZW_HPIC picture = ZelPicLoad(PIC_FromModule | PIC_FormatBitmap, L"zwi51.dll", L"minusdk");
    EXPECT_EQ(ZelListSetItemPicture(a1, picture, nullptr), 1);
    ZW_HPIC normal = nullptr, selected = picture;
    EXPECT_EQ(ZelListGetItemPicture(a1, &normal, &selected), 1);
    EXPECT_EQ(normal, picture);
    EXPECT_EQ(selected, nullptr);

    // Flags on items: expand and collapse, hide, show again, select, delete.
    EXPECT_EQ(ZelListSetItemFlags(a, 0x80000000, TRUE), 1);
    EXPECT_EQ(RowTexts(box), (Rows{L"changed", L"a1", L"b"}));
    EXPECT_EQ(ZelListSetItemFlags(a, 0x80000000, FALSE), 1);
    EXPECT_EQ(RowTexts(box), (Rows{L"changed", L"b"}));
    EXPECT_EQ(ZelListSetItemFlags(b, 0x02000000, TRUE), 1);
    EXPECT_EQ(RowTexts(box), (Rows{L"changed"}));
    EXPECT_EQ(ZelListSetItemFlags(b, 0x04000000, TRUE), 1) << "shown again, selected";
    EXPECT_EQ(RowTexts(box), (Rows{L"changed", L"b"}));
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), 1);
    HOSTSTR text = 0;
    LONG_PTR value = 0;
    DWORD flags = 0;
    EXPECT_EQ(ZelListGetItemData(a, &text, &value, &flags), 1);
    EXPECT_EQ(zwtest::TakeHostText(text), L"changed");
    EXPECT_EQ(value, 77);
    EXPECT_EQ(ZelListSetItemData(box, a, L"DATA", 88, 0x0002), 1);
    EXPECT_EQ(zwtest::TakeHostText(ZelListGetItemText(a)), L"data");
    EXPECT_EQ(ZelListGetItemValue(a), 88);
    EXPECT_TRUE(ZelListGetItemFlags(a) & 0x0002);
    EXPECT_EQ(ZelListSetItemData(form_.Handle(), a, L"x", 0, 0), 0) << "an item of another window";
    EXPECT_EQ(ZelListSetItemFlags(a, 0x20000000, TRUE), 1);
    EXPECT_EQ(RowTexts(box), (Rows{L"b"}));
    EXPECT_EQ(ZelListGetItemValue(a), 0) << "deleted";

    int garbage = 0;
    for (ZW_HITEM bad : {ZW_HITEM(nullptr), reinterpret_cast<ZW_HITEM>(&garbage), a}) {
        EXPECT_EQ(zwtest::TakeHostText(ZelListGetItemText(bad)), L"");
        EXPECT_EQ(ZelListSetItemText(bad, L"x"), 0);
        EXPECT_EQ(ZelListSetItemValue(bad, 1), 0);
        EXPECT_EQ(ZelListGetItemColor(bad), 0u);
        EXPECT_EQ(ZelListSetItemColor(bad, 1), 0);
        EXPECT_EQ(ZelListGetItemFont(bad), nullptr);
        EXPECT_EQ(ZelListSetItemFont(bad, nullptr), 0);
        EXPECT_EQ(ZelListGetItemPicture(bad, nullptr, nullptr), 0);
        EXPECT_EQ(ZelListSetItemPicture(bad, nullptr, nullptr), 0);
        EXPECT_EQ(ZelListGetItemFlags(bad), 0);
        EXPECT_EQ(ZelListSetItemFlags(bad, 1, TRUE), 0);
        EXPECT_EQ(ZelListGetItemData(bad, nullptr, nullptr, nullptr), 0);
    }
    DestroyWindow(box);
    ZelFontFree(font);
    ZelPicFree(picture);
}

TEST_F(OutlineRows, GeneralListFunctionsOnEveryKindOfBox) {
    struct Kind {
        const char* what;
        DWORD style, windowStyle, type;
    } kinds[] = {
        {"plain list box", 0, LBS_HASSTRINGS, 0x2000},
        {"outline list box", ZW_LS_OUTLINE, 0, 0x2000},
        {"plain combo box", 0, CBS_HASSTRINGS, 0x4000},
        {"outline combo box", ZW_LS_OUTLINE, 0, 0x4000},
    };
    int id = 320;
    for (const Kind& k : kinds) {
        HWND box = form_.Box(k.style, k.windowStyle, k.type, 100, id++);
        SCOPED_TRACE(k.what);
        HARRAY strings = Strings({L"one", L"two", L"three"});
        HARRAY numbers = Numbers({1, 2, 3});
        EXPECT_EQ(ZelListArrayPopulateValue(box, strings, numbers), 3);
        EXPECT_EQ(ZelListAddValue(box, L"four", 4), 3);
        EXPECT_EQ(ZelListInsertValue(box, 0, L"zero", 0), 0);
        EXPECT_EQ(ZelListGetValue(box, 4), 4);
        EXPECT_EQ(ZelListSetValue(box, 4, 40), TRUE);
        EXPECT_EQ(ZelListFindValue(box, -1, 40), 4);
        EXPECT_EQ(ZelListFindValue(box, 4, 40), 4) << "wraps to row 0 and on";
        EXPECT_EQ(ZelListFindValue(box, 0, 99), -1);
        EXPECT_EQ(zwtest::TakeHostText(ZelListGetText(box, 2)), L"two");
        EXPECT_EQ(zwtest::TakeHostText(ZelListGetText(box, 9)), L"");
        EXPECT_EQ(ZelListSetFocusIndex(box, 2), 2);
        EXPECT_EQ(ZelListGetFocusIndex(box), 2);
        EXPECT_EQ(ZelListSetText(box, 2, L"TWO!"), 0);
        EXPECT_EQ(zwtest::TakeHostText(ZelListGetText(box, 2)), L"TWO!");
        EXPECT_EQ(ZelListGetValue(box, 2), 2) << "value kept";
        EXPECT_EQ(ZelListFindString(box, 4, L"zero"), 0) << "from the last row on to row 0";
        EXPECT_EQ(ZelListFindString(box, -1, L"nothing"), -1);
        EXPECT_EQ(ZelListClearSelection(box), 1);
        EXPECT_EQ(ZelListIsMultiSelect(box), 0);
        EXPECT_EQ(ZelListArrayPopulate(box, strings), 3);
        EXPECT_EQ(zwtest::TakeHostText(ZelListGetText(box, 0)), L"one");
        HostArraySetBounds(numbers, 0, 0);
        EXPECT_EQ(ZelListArrayPopulateValue(box, strings, numbers), -87);
        HostArrayDestroy(strings);
        HostArrayDestroy(numbers);
        DestroyWindow(box);
    }
    for (auto call : {+[] { return ZelListAddValue(nullptr, L"", 0); }, +[] { return ZelListSetText(nullptr, 0, L""); },
                      +[] { return ZelListFindString(nullptr, 0, L""); }, +[] { return ZelListClearSelection(nullptr); },
                      +[] { return ZelListDeleteSelected(nullptr); }, +[] { return ZelListSetScrollWidth(nullptr, 0); },
                      +[] { return ZelListArrayPopulate(nullptr, 0); }, +[] { return ZelListGetFocusIndex(nullptr); }})
        EXPECT_EQ(call(), -87);
    EXPECT_EQ(ZelListFindValue(nullptr, 0, 0), -1);
    EXPECT_EQ(zwtest::TakeHostText(ZelListGetText(nullptr, 0)), L"");
}

TEST_F(OutlineRows, SelectionScrollingAndWidth) {
    HWND multi = form_.Box(0, LBS_HASSTRINGS | LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT, 0x2000, 60);
    for (int i = 0; i < 8; ++i) ZelListAddValue(multi, (L"row" + std::to_wstring(i)).c_str(), i);
    for (int row : {2, 3, 5}) SendMessageW(multi, LB_SETSEL, TRUE, row);
    EXPECT_NE(ZelListIsMultiSelect(multi), 0);
    EXPECT_EQ(ZelListDeleteSelected(multi), 3);
    EXPECT_EQ(RowTexts(multi), (Rows{L"row0", L"row1", L"row4", L"row6", L"row7"}));
    EXPECT_EQ(ZelListDeleteSelected(multi), 0) << "nothing selected";
    EXPECT_EQ(ZelListSetFocusIndex(multi, 3), 0);
    EXPECT_EQ(SendMessageW(multi, LB_GETCARETINDEX, 0, 0), 3);
    EXPECT_EQ(ZelListScroll(multi, 2), 1);
    EXPECT_EQ(SendMessageW(multi, LB_GETTOPINDEX, 0, 0), 2);
    SendMessageW(multi, LB_SETSEL, TRUE, 1);
    EXPECT_EQ(ZelListClearSelection(multi), 1);
    EXPECT_EQ(SendMessageW(multi, LB_GETSELCOUNT, 0, 0), 0);
    ZelListAddValue(multi, std::wstring(80, L'W').c_str(), 0);
    EXPECT_EQ(ZelListSetScrollWidth(multi, -1), 0);
    EXPECT_GT(SendMessageW(multi, LB_GETHORIZONTALEXTENT, 0, 0), 200);
    EXPECT_EQ(ZelListSetScrollWidth(multi, 99), -1);

    HWND single = form_.Box(0, LBS_HASSTRINGS, 0x2000, 60, 302);
    for (const wchar_t* text : {L"a", L"b"}) ZelListAddValue(single, text, 0);
    SendMessageW(single, LB_SETCURSEL, 1, 0);
    EXPECT_EQ(ZelListDeleteSelected(single), 1);
    EXPECT_EQ(RowTexts(single), (Rows{L"a"}));
    EXPECT_EQ(ZelListScroll(single, 5), 1) << "the box clamps the top row";

    HWND combo = form_.Box(0, CBS_HASSTRINGS, 0x4000, 120, 303);
    for (const wchar_t* text : {L"x", L"y"}) ZelListAddValue(combo, text, 0);
    EXPECT_EQ(ZelListSetFocusIndex(combo, 1), 1);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1) << "a combo box selects the row";
    EXPECT_EQ(ZelListDeleteSelected(combo), 1);
    EXPECT_EQ(ZelListGetDropdownState(combo), 0);
    EXPECT_EQ(ZelListIsMultiSelect(combo), 0);
    EXPECT_EQ(ZelListScroll(combo, 0), 0);
    EXPECT_EQ(ZelListGetDropdownState(nullptr), -87);
    EXPECT_EQ(ZelListSetDropdownState(nullptr, TRUE), -87);
    EXPECT_NE(ZelListSetDropdownState(combo, FALSE), -87);
}
