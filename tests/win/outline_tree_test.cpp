// Outline trees through the library, as a host application builds and
// reshapes them: loading items, expanding and collapsing, deleting and
// freeing, changing levels, moving among siblings and between boxes,
// enumerating, and the standard shell folder names.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/win/support/outline_boxes.h"

using zwtest::RowTexts;

namespace {

using Rows = std::vector<std::wstring>;

ZW_HITEM Child(HWND box, ZW_HITEM parent, const wchar_t* text, LONG_PTR value = 0, DWORD flags = 0) {
    return ZelListLoadChild(box, parent, nullptr, nullptr, text, value, flags);
}

// a(a1(a11), a2), b(b1), c under the root, with the top level shown.
struct Sample {
    HWND box;
    ZW_HITEM root, a, a1, a11, a2, b, b1, c;
    explicit Sample(HWND outline) : box(outline) {
        root = ZelListGetRoot(box);
        a = Child(box, root, L"a", 1);
        a1 = Child(box, a, L"a1", 2);
        a11 = Child(box, a1, L"a11", 3);
        a2 = Child(box, a, L"a2", 4);
        b = Child(box, root, L"b", 5);
        b1 = Child(box, b, L"b1", 6);
        c = Child(box, root, L"c", 7);
        EXPECT_EQ(ZelListExpand(box, -1), 3);
    }
};

std::vector<int> Handles(HARRAY array) {
    std::vector<int> out;
    LONG lower = 0, upper = -1;
    const int count = HostArrayGetBounds(array, &lower, &upper);
    for (LONG i = lower; i < lower + count; ++i) {
        HostNumber number{};
        HostArrayGetNumber(array, &number, i);
        out.push_back(HostNumberToInt(&number));
    }
    return out;
}

int AsNumber(ZW_HITEM item) {
    return int(reinterpret_cast<LONG_PTR>(item));
}

class OutlineTree : public testing::Test {
protected:
    zwtest::Form form_;
};

}  // namespace

TEST_F(OutlineTree, LoadingItemsSetsLinksAndPositionBits) {
    HWND box = form_.Box(ZW_LS_OUTLINE | ZW_LS_UPPERCASE);
    ZW_HITEM root = ZelListGetRoot(box);
    ZW_HITEM a = Child(box, root, L"a", 10, 0x1234);
    EXPECT_EQ(ZelListGetItemFlags(a) & 0xFFFFF, 0x1234) << "no position bits for an only top-level item";
    ZW_HITEM b = Child(box, root, L"b");
    EXPECT_EQ(ZelListGetItemFlags(b) & 0xF0000, 0x60000);
    EXPECT_EQ(ZelListGetItemFlags(a) & 0xF0000, 0x80000);
    ZW_HITEM only = Child(box, a, L"only");
    EXPECT_EQ(ZelListGetItemFlags(only) & 0xF0000, 0x10000);
    EXPECT_EQ(ZelListGetItemFlags(a) & 0x40300000, 0x40100000) << "has children, collapsed";
    ZW_HITEM after = ZelListLoadSibling(box, only, nullptr, nullptr, L"after", 0, 0);
    EXPECT_EQ(ZelListGetItemFlags(after) & 0x020F0000, 0x02070000);
    EXPECT_EQ(ZelListGetItemFlags(only) & 0xF0000, 0x90000);
    EXPECT_EQ(zwtest::TakeHostText(ZelListGetItemText(after)), L"AFTER");
    EXPECT_EQ(ZelListGetLevel(after), 1);
    EXPECT_EQ(ZelListGetNextSibling(only), after);
    EXPECT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 0) << "loading adds no rows";

    EXPECT_EQ(ZelListLoadSibling(box, root, nullptr, nullptr, L"x", 0, 0), nullptr) << "the root has no siblings";
    EXPECT_EQ(Child(box, nullptr, L"x"), nullptr);
    int garbage = 0;
    EXPECT_EQ(Child(box, reinterpret_cast<ZW_HITEM>(&garbage), L"x"), nullptr);
    HWND other = form_.Box(ZW_LS_OUTLINE, 0, 0x2000, 100, 302);
    EXPECT_EQ(Child(other, a, L"x"), nullptr) << "an item of another box";
    HWND plain = form_.Box(0, LBS_HASSTRINGS, 0x2000, 100, 303);
    EXPECT_EQ(Child(plain, ZelListGetRoot(plain), L"x"), nullptr);
    EXPECT_EQ(Child(nullptr, root, L"x"), nullptr);
}

TEST_F(OutlineTree, LoadingChildrenFromArrays) {
    HWND box = form_.Box(ZW_LS_OUTLINE);
    ZW_HITEM root = ZelListGetRoot(box);
    HARRAY texts = HostArrayCreate(HOST_ARRAY_STRING), values = HostArrayCreate(HOST_ARRAY_NUMBER),
           flags = HostArrayCreate(HOST_ARRAY_NUMBER);
    for (int i = 0; i < 3; ++i) {
        const std::wstring text = L"item" + std::to_wstring(i);
        HOSTSTR string = HostTestNewString(text.c_str());
        HostArrayPutString(texts, string, i + 1);
        HostTestFreeString(string);
        HostNumber number{};
        HostIntToNumber(100 + i, &number);
        HostArrayPutNumber(values, &number, i);
        HostIntToNumber(i, &number);
        HostArrayPutNumber(flags, &number, i);
    }
    HostArraySetBounds(texts, 1, 3);  // any lower bound: elements are taken in order
    EXPECT_EQ(ZelListLoadChildren(box, root, nullptr, nullptr, texts, values, flags), 3);
    EXPECT_TRUE(ZelListGetItemFlags(root) & 0x80000000);
    HARRAY children = HostArrayCreate(HOST_ARRAY_NUMBER);
    ASSERT_EQ(ZelListEnumChildren(root, children), 3);
    EXPECT_EQ(ZelListGetItemValue(ZelListGetNextSibling(ZelListFindItemValue(root, 100))), 101);
    HostArraySetBounds(flags, 0, 0);
    EXPECT_EQ(ZelListLoadChildren(box, root, nullptr, nullptr, texts, values, flags), -87) << "sizes differ";
    EXPECT_EQ(ZelListLoadChildren(nullptr, root, nullptr, nullptr, texts, values, flags), -87);
    for (HARRAY array : {texts, values, flags, children}) HostArrayDestroy(array);
}

TEST_F(OutlineTree, ExpandCollapseKeepOrderAndSelection) {
    HWND box = form_.Box(ZW_LS_OUTLINE | ZW_LS_MULTIPLESEL);
    Sample s(box);
    EXPECT_EQ(RowTexts(box), (Rows{L"a", L"b", L"c"}));
    EXPECT_EQ(ZelListExpand(box, -1), 0) << "already shown";
    EXPECT_EQ(ZelListExpand(box, 0), 2);
    EXPECT_EQ(ZelListExpand(box, 0), 0);
    EXPECT_EQ(RowTexts(box), (Rows{L"a", L"a1", L"a2", L"b", L"c"}));
    EXPECT_TRUE(ZelListGetItemFlags(s.a) & 0x80000000);
    EXPECT_TRUE(ZelListGetItemFlags(s.a1) & 0x00100000) << "collapsed with children: plus";
    SendMessageW(box, LB_SETSEL, TRUE, 2);  // a2
    EXPECT_EQ(ZelListCollapse(box, 0), 1);
    EXPECT_EQ(RowTexts(box), (Rows{L"a", L"b", L"c"}));
    EXPECT_EQ(ZelListGetItemIndex(s.a2), -1);
    EXPECT_TRUE(ZelListGetItemFlags(s.a2) & 0x02000000) << "hidden, kept";
    EXPECT_EQ(ZelListExpand(box, 0), 2);
    EXPECT_EQ(RowTexts(box), (Rows{L"a", L"a1", L"a2", L"b", L"c"}));
    EXPECT_EQ(SendMessageW(box, LB_GETSEL, 2, 0), 1) << "selection restored";
    EXPECT_EQ(SendMessageW(box, LB_GETSEL, 1, 0), 0);
    EXPECT_EQ(ZelListExpandDescendents(box, 3), 1);  // b
    EXPECT_EQ(ZelListExpandDescendents(box, 0), 1);  // a: a11 appears under a1
    EXPECT_EQ(RowTexts(box), (Rows{L"a", L"a1", L"a11", L"a2", L"b", L"b1", L"c"}));
    EXPECT_EQ(ZelListGetItemIndex(s.a11), 2);
    EXPECT_EQ(ZelListCollapse(box, -1), 0);
    EXPECT_EQ(ZelListExpand(box, 99), 0);
    EXPECT_EQ(ZelListCollapse(nullptr, 0), 0);
}

TEST_F(OutlineTree, DeletingAndFreeing) {
    HWND box = form_.Box(ZW_LS_OUTLINE);
    Sample s(box);
    ZelListExpandDescendents(box, 0);  // a a1 a11 a2 b c
    EXPECT_EQ(ZelListDeleteDescendents(box, 1), 5) << "a11's row went; the box has 5 rows";
    EXPECT_EQ(ZelListGetLevel(s.a11), -1) << "freed";
    EXPECT_FALSE(ZelListGetItemFlags(s.a1) & 0x40000000);
    EXPECT_EQ(ZelListDeleteChild(box, 0), 2) << "a with its branch; two rows left";
    EXPECT_EQ(RowTexts(box), (Rows{L"b", L"c"}));
    for (ZW_HITEM gone : {s.a, s.a1, s.a2}) EXPECT_EQ(ZelListGetLevel(gone), -1);
    EXPECT_EQ(ZelListDeleteChild(box, 7), -1);
    EXPECT_EQ(ZelListDeleteDescendents(nullptr, 0), -1);

    // Freeing works on items without rows; b1 has none.
    EXPECT_EQ(ZelListFreeChild(s.b1), 1);
    EXPECT_EQ(ZelListGetLevel(s.b1), -1);
    EXPECT_FALSE(ZelListGetItemFlags(s.b) & 0x40000000);
    ZW_HITEM n1 = Child(box, s.c, L"n1");
    Child(box, n1, L"n11");
    EXPECT_EQ(ZelListFreeDescendents(s.c), 1);
    EXPECT_EQ(ZelListGetLevel(n1), -1);
    EXPECT_EQ(ZelListFreeChild(s.root), 0) << "the root stays";
    EXPECT_EQ(ZelListFreeChild(nullptr), 0);
    EXPECT_EQ(ZelListFreeDescendents(n1), 0) << "stale";
    // A freed item whose row is still shown leaves a plain row, not a dangling one.
    EXPECT_EQ(ZelListFreeChild(s.c), 1);
    EXPECT_EQ(RowTexts(box), (Rows{L"b", L"c"}));
    EXPECT_EQ(ZelListGetItemHandle(box, 1), nullptr);
}

TEST_F(OutlineTree, DemotePromoteAndMove) {
    HWND box = form_.Box(ZW_LS_OUTLINE);
    Sample s(box);
    EXPECT_EQ(ZelListDemote(box, 0, nullptr, nullptr), 0) << "the first row";
    EXPECT_EQ(ZelListGetLevel(s.a), 0);
    EXPECT_EQ(ZelListDemote(box, 1, nullptr, nullptr), 0) << "a has hidden children";
    ZelListExpand(box, 0);  // a a1 a2 b c
    EXPECT_EQ(ZelListDemote(box, 3, nullptr, nullptr), 1);  // b under a
    EXPECT_EQ(ZelListGetParent(s.b), s.a);
    EXPECT_EQ(ZelListGetLevel(s.b), 1);
    EXPECT_EQ(ZelListGetLevel(s.b1), 2);
    EXPECT_EQ(ZelListGetItemFlags(s.a2) & 0xF0000, 0xF0000) << "between a1 and b now";
    EXPECT_EQ(RowTexts(box), (Rows{L"a", L"a1", L"a2", L"b", L"c"}));

    EXPECT_EQ(ZelListPromote(box, 1, nullptr, nullptr), 1);  // a1 after a, its rows after a's branch
    EXPECT_EQ(RowTexts(box), (Rows{L"a", L"a2", L"b", L"a1", L"c"}));
    EXPECT_EQ(ZelListGetPrevSibling(s.a1), s.a);
    EXPECT_EQ(ZelListGetLevel(s.a11), 1);
    EXPECT_EQ(ZelListPromote(box, 0, nullptr, nullptr), 0) << "top level";

    SendMessageW(box, LB_SETCURSEL, 3, 0);  // a1
    EXPECT_NE(ZelListMoveUp(box, 3), 0);
    EXPECT_EQ(RowTexts(box), (Rows{L"a1", L"a", L"a2", L"b", L"c"}));
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), 0) << "selection moves with the item";
    EXPECT_EQ(ZelListMoveUp(box, 0), 0);
    EXPECT_NE(ZelListMoveDown(box, 1), 0);  // a with its branch past c
    EXPECT_EQ(RowTexts(box), (Rows{L"a1", L"c", L"a", L"a2", L"b"}));
    EXPECT_EQ(ZelListGetNextSibling(s.c), s.a);
    EXPECT_EQ(ZelListMoveDown(box, 2), 0) << "a is last";
    EXPECT_EQ(ZelListMoveDown(nullptr, 0), 0);
}

TEST_F(OutlineTree, DragAndDropBetweenBoxesOfOneParent) {
    HWND left = form_.Box(ZW_LS_OUTLINE, 0, 0x2000, 200, 310);
    HWND right = form_.Box(ZW_LS_OUTLINE, 0, 0x2000, 200, 311);
    Sample s(left);
    ZW_HITEM x = Child(right, ZelListGetRoot(right), L"x");
    ZW_HITEM y = Child(right, ZelListGetRoot(right), L"y");
    Child(right, x, L"x1");
    ZelListExpand(right, -1);
    ZelListExpand(left, 0);  // a a1 a2 b c

    EXPECT_EQ(ZelListDragDrop(left, 0, right, 0, 0x1), 1);  // a under x
    EXPECT_EQ(RowTexts(left), (Rows{L"b", L"c"}));
    EXPECT_EQ(RowTexts(right), (Rows{L"x", L"x1", L"a", L"a1", L"a2", L"y"}));
    EXPECT_EQ(ZelListGetParent(s.a), x);
    EXPECT_EQ(ZelListGetLevel(s.a1), 2);
    EXPECT_EQ(ZelListGetItemIndex(s.a1), 3) << "the moved items belong to the target now";
    EXPECT_EQ(ZelListDragDrop(left, 1, right, 5, 0x2), 1);  // c after y
    EXPECT_EQ(RowTexts(right), (Rows{L"x", L"x1", L"a", L"a1", L"a2", L"y", L"c"}));
    EXPECT_EQ(ZelListGetPrevSibling(s.c), y);

    EXPECT_EQ(ZelListDragDrop(right, 0, right, 3, 0x2), 0) << "into its own branch";
    zwtest::Form other;
    HWND foreign = other.Box(ZW_LS_OUTLINE);
    Child(foreign, ZelListGetRoot(foreign), L"z");
    ZelListExpand(foreign, -1);
    EXPECT_EQ(ZelListDragDrop(foreign, 0, right, 0, 0x1), 0) << "another parent";
    EXPECT_EQ(ZelListDragDrop(left, 0, right, 0, 0), 0) << "no mode";
    EXPECT_EQ(ZelListDragDrop(left, 9, right, 0, 0x1), 0);
}

TEST_F(OutlineTree, EnumeratingAndFinding) {
    HWND box = form_.Box(ZW_LS_OUTLINE);
    Sample s(box);
    HARRAY numbers = HostArrayCreate(HOST_ARRAY_NUMBER);
    EXPECT_EQ(ZelListEnumChildren(s.root, numbers), 3);
    EXPECT_EQ(Handles(numbers), (std::vector<int>{AsNumber(s.a), AsNumber(s.b), AsNumber(s.c)}));
    EXPECT_EQ(ZelListEnumDescendents(s.a, numbers), 3);
    EXPECT_EQ(Handles(numbers), (std::vector<int>{AsNumber(s.a1), AsNumber(s.a11), AsNumber(s.a2)}));
    EXPECT_EQ(ZelListEnumChildren(s.a11, numbers), 0);
    LONG lower = 0, upper = 0;
    EXPECT_EQ(HostArrayGetBounds(numbers, &lower, &upper), 0) << "emptied";
    EXPECT_EQ(ZelListEnumDescendents(nullptr, numbers), 0);
    EXPECT_EQ(ZelListEnumChildren(s.root, 0), 0);
    HostArrayDestroy(numbers);

    EXPECT_EQ(ZelListFindItemValue(s.root, 3), s.a11);
    EXPECT_EQ(ZelListFindItemValue(s.b, 5), s.b) << "the item itself first";
    EXPECT_EQ(ZelListFindItemValue(s.b, 3), nullptr) << "only its branch";
    EXPECT_EQ(ZelListFindItemValue(nullptr, 3), nullptr);
}

TEST_F(OutlineTree, StandardShellFolders) {
    HWND box = form_.Box(ZW_LS_OUTLINE);
    ZW_HITEM root = ZelListGetRoot(box);
    const wchar_t* key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
                         L"{645FF040-5081-101B-9F08-00AA002F954E}";
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr), 0);
    const wchar_t name[] = L"Wastebasket";
    RegSetValueExW(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(name), sizeof name);
    RegCloseKey(opened);
    EXPECT_EQ(zwtest::TakeHostText(ZelListGetItemText(Child(box, root, L"given", -5))), L"Wastebasket");
    RegDeleteKeyW(HKEY_CURRENT_USER, key);
    // Without a registry name the shell's own string, the given text or a fixed one.
    const std::wstring withText = zwtest::TakeHostText(ZelListGetItemText(Child(box, root, L"given", -5)));
    const std::wstring withoutText = zwtest::TakeHostText(ZelListGetItemText(Child(box, root, L"", -5)));
    EXPECT_FALSE(withoutText.empty());
    EXPECT_TRUE(withText == L"given" || withText == withoutText);
    EXPECT_EQ(zwtest::TakeHostText(ZelListGetItemText(Child(box, root, L"plain", -7))), L"plain");
}
