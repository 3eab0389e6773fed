// The replacement host's own operations, as the library and the tests rely on
// them: strings, arrays, numbers and list operations.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/win/support/zwtest.h"

namespace {

TEST(HostStrings, SizeLockAndLength) {
    HOSTSTR s = 0;
    ASSERT_TRUE(HostStrSetSize(&s, 12));
    DWORD length = 0;
    WCHAR* text = HostStrLock(s, &length);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(length, 12u);
    EXPECT_EQ(text[0], 0) << "new storage is zero-filled";
    wcscpy(text, L"hello");
    EXPECT_EQ(zwtest::HostText(s), L"hello");
    ASSERT_TRUE(HostStrSetLength(&s, 3));  // two characters and the terminator
    HostStrLock(s, &length);
    EXPECT_EQ(length, 6u);
    EXPECT_EQ(zwtest::HostText(s), L"he");
    HostTestFreeString(s);
    EXPECT_EQ(HostStrLock(s, &length), nullptr) << "a freed handle is refused";
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(HostStrLock(0x7777, nullptr), nullptr);
    HOSTSTR bad = 0x7777;
    EXPECT_FALSE(HostStrSetSize(&bad, 10));
}

TEST(HostStrings, ReleaseFreesOnlyStringsMadeForTheLibrary) {
    int live = HostTestLiveStrings();
    HOSTSTR application = HostTestNewString(L"kept");
    HostStrRelease(application);
    EXPECT_EQ(zwtest::HostText(application), L"kept") << "the application's string stays usable";
    HostDate date;
    ASSERT_TRUE(HostDateConstruct(&date, 2026, 12, 5, 0, 0, 0));
    HOSTSTR formatted = HostDateFormat(&date, L"yyyy-MM-dd");
    EXPECT_EQ(zwtest::HostText(formatted), L"2026-12-05");
    HostStrRelease(formatted);
    EXPECT_EQ(HostStrLock(formatted, nullptr), nullptr) << "a formatted date is the library's to release";
    HostTestFreeString(application);
    EXPECT_EQ(HostTestLiveStrings(), live);
}

TEST(HostStrings, AllocationFailuresAreCountedDown) {
    HostTestFailStringAllocs(2);
    HOSTSTR a = 0;
    EXPECT_FALSE(HostStrSetSize(&a, 4));
    EXPECT_FALSE(HostStrSetSize(&a, 4));
    EXPECT_EQ(a, 0u);
    EXPECT_TRUE(HostStrSetSize(&a, 4));
    HostTestFreeString(a);
}

TEST(HostArrays, BoundsGrowAndEmpty) {
    HARRAY array = HostArrayCreate(HOST_ARRAY_STRING);
    ASSERT_NE(array, 0u);
    LONG lower = -9, upper = -9;
    EXPECT_EQ(HostArrayGetBounds(array, &lower, &upper), 0);
    EXPECT_TRUE(HostArrayIsEmpty(array));
    HOSTSTR b = HostTestNewString(L"b");
    EXPECT_TRUE(HostArrayPutString(array, b, 2));  // writing past the end grows the array
    EXPECT_EQ(HostArrayGetBounds(array, &lower, &upper), 3);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 2);
    HOSTSTR got = 0;
    int live = HostTestLiveStrings();
    ASSERT_TRUE(HostArrayGetString(array, &got, 2));
    EXPECT_EQ(zwtest::HostText(got), L"b");
    HOSTSTR again = 0;
    ASSERT_TRUE(HostArrayGetString(array, &again, 2));
    EXPECT_EQ(again, got) << "reading twice hands out the element's one string";
    EXPECT_EQ(HostTestLiveStrings(), live + 1);
    ASSERT_TRUE(HostArrayGetString(array, &got, 0));
    EXPECT_EQ(zwtest::HostText(got), L"");
    got = 0;
    EXPECT_FALSE(HostArrayGetString(array, &got, 3)) << "outside the bounds";
    EXPECT_EQ(got, 0u);
    HostNumber number;
    EXPECT_FALSE(HostArrayGetNumber(array, &number, 0)) << "wrong element type";
    EXPECT_TRUE(HostArraySetBounds(array, 1, 1));
    EXPECT_EQ(HostArrayGetBounds(array, &lower, &upper), 1);
    EXPECT_EQ(lower, 1);
    ASSERT_TRUE(HostArrayGetString(array, &got, 1));
    EXPECT_EQ(zwtest::HostText(got), L"") << "element 1 kept its (empty) value";
    EXPECT_TRUE(HostArraySetBounds(array, 0, -1));
    EXPECT_EQ(HostTestLiveStrings(), live) << "strings handed out go with their elements";
    EXPECT_EQ(HostArrayGetBounds(array, &lower, &upper), 0);
    int dims = 0;
    EXPECT_TRUE(HostArrayGetDimCount(array, &dims));
    EXPECT_EQ(dims, 1);
    HostTestFreeString(b);
    HostArrayDestroy(array);
    EXPECT_EQ(HostArrayGetBounds(array, &lower, &upper), 0);
    EXPECT_EQ(HostArrayCreate(4), 0u) << "not an element type";
}

TEST(HostNumbers, ConversionsAndCanonicalBytes) {
    HostNumber a, b;
    HostLongToNumber(-7, &a);
    HostDoubleToNumber(-7.0, &b);
    EXPECT_EQ(memcmp(&a, &b, sizeof a), 0);
    EXPECT_EQ(HostNumberToInt(&a), -7);
    EXPECT_EQ(HostNumberToUInt(&a), 0u);
    HostDoubleToNumber(4294967295.0, &a);
    EXPECT_EQ(HostNumberToUInt(&a), 4294967295u);
    HostDoubleToNumber(70000.9, &a);
    EXPECT_EQ(HostNumberToWord(&a), 0xFFFF);
    EXPECT_EQ(HostNumberToLong(&a), 70000);
    HARRAY numbers = HostArrayCreate(HOST_ARRAY_NUMBER);
    HostIntToNumber(42, &a);
    ASSERT_TRUE(HostArrayPutNumber(numbers, &a, 5));
    ASSERT_TRUE(HostArrayGetNumber(numbers, &b, 5));
    EXPECT_EQ(HostNumberToInt(&b), 42);
    HostArrayDestroy(numbers);
}

TEST(HostLists, ListAndComboBoxesGetTheirOwnMessages) {
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP | LBS_NOTIFY, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    for (HWND box : {list, combo}) {
        bool isCombo = box == combo;
        for (const wchar_t* text : {L"a", L"b", L"c"})
            SendMessageW(box, isCombo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(HostListCount(box), 3);
        EXPECT_EQ(HostListGetSel(box), -1);
        HostListSetSel(box, 1);
        EXPECT_EQ(HostListGetSel(box), 1);
        EXPECT_TRUE(HostListIsSelected(box, 1));
        EXPECT_FALSE(HostListIsSelected(box, 2));
        HostListDelete(box, 0);
        EXPECT_EQ(HostListCount(box), 2);
        HostListClear(box);
        EXPECT_EQ(HostListCount(box), 0);
    }
    EXPECT_EQ(HostListCount(reinterpret_cast<HWND>(0x4321)), -1);
    DestroyWindow(list);
    DestroyWindow(combo);
}

}  // namespace
