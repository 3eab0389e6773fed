// Saved outlines and outline text files through the library: save and load
// round trips into an empty box, blocks that must be refused, and indented
// text files read into trees.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win/support/outline_boxes.h"

using zwtest::RowTexts;

namespace {

using Rows = std::vector<std::wstring>;

// Level, text and value of each item below the root, in pre-order.
std::vector<std::wstring> Describe(ZW_HITEM root) {
    std::vector<std::wstring> out;
    HARRAY numbers = HostArrayCreate(HOST_ARRAY_NUMBER);
    const int count = ZelListEnumDescendents(root, numbers);
    for (int i = 0; i < count; ++i) {
        HostNumber number{};
        HostArrayGetNumber(numbers, &number, i);
        // Handles are 32-bit host numbers.
        auto item = reinterpret_cast<ZW_HITEM>(static_cast<ULONG_PTR>(static_cast<unsigned>(HostNumberToInt(&number))));
        out.push_back(std::to_wstring(ZelListGetLevel(item)) + L":" + zwtest::TakeHostText(ZelListGetItemText(item)) +
                      L"=" + std::to_wstring(ZelListGetItemValue(item)));
    }
    HostArrayDestroy(numbers);
    return out;
}

// The bytes of a saved outline (the host string less its last byte).
std::string Bytes(HOSTSTR saved) {
    DWORD length = 0;
    const auto* text = reinterpret_cast<const char*>(HostStrLock(saved, &length));
    return text && length ? std::string(text, length - 1) : std::string();
}

HOSTSTR StringOf(const std::string& bytes) {
    HOSTSTR string = 0;
    HostStrSetSize(&string, DWORD(bytes.size() + 1));
    DWORD length = 0;
    auto* text = reinterpret_cast<char*>(HostStrLock(string, &length));
    std::copy(bytes.begin(), bytes.end(), text);
    text[bytes.size()] = 0;
    return string;
}

class OutlineFiles : public testing::Test {
protected:
    zwtest::Form form_;
    zwtest::TempFolder folder_{L"outline_files"};
};

}  // namespace

TEST_F(OutlineFiles, SaveAndLoadRoundTrip) {
    HWND source = form_.Box(ZW_LS_BUTTONS | ZW_LS_PROPERCASE, LBS_NOINTEGRALHEIGHT, 0x2000, 60, 310);
    ZW_HPIC plus = ZelPicLoad(PIC_FromModule | PIC_FormatBitmap, L"zwi51.dll", L"plusdk");
    HFONT bold = ZelFontLoad(L"Arial", 12, 0x08);
    SendMessageW(source, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ZW_HITEM root = ZelListGetRoot(source);
    ZW_HITEM a = ZelListLoadChild(source, root, plus, nullptr, L"ALPHA", 1, 0x0003);
    ZW_HITEM a1 = ZelListLoadChild(source, a, nullptr, plus, L"a one", 2, 0);
    ZelListLoadChild(source, a1, nullptr, nullptr, L"deep", 3, 0);
    ZW_HITEM b = ZelListLoadChild(source, root, nullptr, nullptr, L"beta", 4, 0);
    for (int i = 0; i < 10; ++i) ZelListLoadChild(source, b, nullptr, nullptr, std::to_wstring(i).c_str(), 10 + i, 0);
    ZelListSetItemFont(a1, bold);
    ZelListSetItemColor(b, 0x01123456);
    ZelListExpand(source, -1);
    ZelListExpand(source, 0);   // ALPHA's children shown, "deep" stays hidden
    ZelListExpand(source, 2);   // beta
    ZelListScroll(source, 3);
    const Rows shown = RowTexts(source);
    const LRESULT top = SendMessageW(source, LB_GETTOPINDEX, 0, 0);

    HOSTSTR saved = 0;
    ASSERT_EQ(ZelListSaveOutline(source, &saved), 0);
    const std::string block = Bytes(saved);
    ASSERT_GE(block.size(), 26u);
    EXPECT_EQ(block.substr(0, 2), std::string("\x59\x87"));
    EXPECT_EQ(block[14], 1) << "one picture";
    EXPECT_EQ(block[18], 2) << "the box's font and the bold one";
    EXPECT_EQ(block[22], 1 + 4 + 10) << "root and every item";

    HWND target = form_.Box(ZW_LS_OUTLINE, LBS_NOINTEGRALHEIGHT, 0x2000, 60, 311);
    ZW_HITEM loaded = ZelListLoadOutline(target, saved);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded, ZelListGetRoot(target));
    EXPECT_EQ(Describe(loaded), Describe(root));
    EXPECT_EQ(RowTexts(target), shown) << "expanded and collapsed state comes back";
    EXPECT_EQ(SendMessageW(target, LB_GETTOPINDEX, 0, 0), top);
    EXPECT_EQ(ZelListGetStyle(target) & (ZW_LS_BUTTONS | ZW_LS_PROPERCASE), DWORD(ZW_LS_BUTTONS | ZW_LS_PROPERCASE));
    ZW_HITEM loadedA = ZelListGetItemHandle(target, 0);
    ZW_HITEM loadedA1 = ZelListGetItemHandle(target, 1);
    ZW_HITEM loadedB = ZelListGetItemHandle(target, 2);
    EXPECT_EQ(ZelListGetItemFlags(loadedA) & 0xFFFF, 0x0003);
    EXPECT_EQ(ZelListGetItemColor(loadedB), 0x01123456u);
    ZW_HSTR face = 0;
    int points = 0;
    WORD bits = 0;
    ASSERT_EQ(ZelFontGet(ZelListGetItemFont(loadedA1), &face, &points, &bits), 1);
    EXPECT_EQ(zwtest::TakeHostText(face), L"Arial");
    EXPECT_EQ(bits, 0x08);
    ZW_HPIC normal = nullptr, selected = nullptr;
    ZelListGetItemPicture(loadedA, &normal, &selected);
    EXPECT_NE(normal, nullptr);
    EXPECT_NE(normal, plus) << "the loaded box owns its own picture";
    EXPECT_EQ(selected, nullptr);
    HostTestFreeString(saved);
    DestroyWindow(source);
    DestroyWindow(target);
    ZelPicFree(plus);
    ZelFontFree(bold);
}

TEST_F(OutlineFiles, OutlinesWithoutPicturesAndRefusedBlocks) {
    HWND box = form_.Box(ZW_LS_OUTLINE);
    ZW_HITEM root = ZelListGetRoot(box);
    ZelListLoadChild(box, root, nullptr, nullptr, L"only", 9, 0);
    HOSTSTR saved = 0;
    ASSERT_EQ(ZelListSaveOutline(box, &saved), 0);
    const std::string block = Bytes(saved);
    EXPECT_EQ(block[14], 0) << "P = 0";
    // The item after the root: level 0, then -1 for both picture indexes.
    const size_t item = block.size() - (7 * 4 + 4 + 4 * 2);
    EXPECT_EQ(block.substr(item + 4, 8), std::string(8, '\xFF'));

    HWND target = form_.Box(ZW_LS_OUTLINE, 0, 0x2000, 100, 311);
    ZelListLoadChild(target, ZelListGetRoot(target), nullptr, nullptr, L"kept", 0, 0);
    ZelListExpand(target, -1);
    struct Case {
        const char* what;
        std::string bytes;
        bool changes;
    } cases[] = {
        {"wrong signature", "\x58\x87" + block.substr(2), false},
        {"truncated", block.substr(0, block.size() - 3), true},
        {"huge item count", block.substr(0, 22) + "\xFF\xFF\xFF\x7F" + block.substr(26), true},
    };
    for (const Case& c : cases) {
        HOSTSTR bad = StringOf(c.bytes);
        EXPECT_EQ(ZelListLoadOutline(target, bad), nullptr) << c.what;
        EXPECT_EQ(RowTexts(target), c.changes ? Rows{} : Rows{L"kept"}) << c.what;
        EXPECT_EQ(Describe(ZelListGetRoot(target)).empty(), c.changes) << c.what;
        HostTestFreeString(bad);
    }
    EXPECT_EQ(ZelListLoadOutline(target, 0), nullptr);
    EXPECT_NE(ZelListLoadOutline(target, saved), nullptr);
    EXPECT_EQ(RowTexts(target), (Rows{L"only"}));

    HWND plain = form_.Box(0, LBS_HASSTRINGS, 0x2000, 100, 312);
    EXPECT_EQ(ZelListSaveOutline(plain, &saved), -87);
    EXPECT_EQ(ZelListSaveOutline(nullptr, &saved), -87);
    EXPECT_EQ(ZelListSaveOutline(box, nullptr), -87);
    HostTestFreeString(saved);
}

TEST_F(OutlineFiles, TextFilesBecomeTrees) {
    HWND box = form_.Box(ZW_LS_OUTLINE);
    struct Case {
        const char* what;
        std::string file;
        Rows items;  // level:text=value in pre-order
    } cases[] = {
        {"tabs and spaces", "Fruit\r\n\tApple\r\n        Pear\r\nVeg\r\n  Leek",
         {L"0:Fruit=0", L"1:Apple=0", L"1:Pear=0", L"0:Veg=0", L"1:Leek=0"}},
        {"second line less indented", "    First\r\nSecond\r\n", {L"0:First=0", L"0:Second=0"}},
        {"dedent to a middle level", "A\r\n  B\r\n    C\r\n   D\r\n", {L"0:A=0", L"1:B=0", L"2:C=0", L"2:D=0"}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(zwtest::WriteFileBytes(folder_ / L"outline.txt", c.file));
        ZW_HITEM root = ZelListLoadOutlineFile(box, (folder_ / L"outline.txt").c_str(), nullptr, nullptr, nullptr,
                                               nullptr);
        ASSERT_NE(root, nullptr) << c.what;
        EXPECT_EQ(Describe(root), c.items) << c.what;
        EXPECT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 0) << "rows come with ZelListShowOutline";
    }
    EXPECT_EQ(ZelListShowOutline(box, 9), 1);
    EXPECT_EQ(RowTexts(box), (Rows{L"A", L"B", L"C", L"D"}));
    // Parents get the parent pictures, leaves the item pictures.
    ZW_HPIC parentNormal = nullptr, leafNormal = nullptr, unused = nullptr;
    ZelListGetItemPicture(ZelListGetItemHandle(box, 0), &parentNormal, &unused);
    ZelListGetItemPicture(ZelListGetItemHandle(box, 3), &leafNormal, &unused);
    EXPECT_NE(parentNormal, nullptr);
    EXPECT_NE(leafNormal, nullptr);
    EXPECT_NE(parentNormal, leafNormal);

    struct Size {
        size_t bytes;
        bool loads;
    } sizes[] = {{65533, true}, {65534, false}};
    for (const Size& s : sizes) {
        std::string big = "Top\r\n";
        big.resize(s.bytes, 'x');
        ASSERT_TRUE(zwtest::WriteFileBytes(folder_ / L"big.txt", big));
        EXPECT_EQ(ZelListLoadOutlineFile(box, (folder_ / L"big.txt").c_str(), nullptr, nullptr, nullptr, nullptr) !=
                      nullptr,
                  s.loads)
            << s.bytes;
    }
    EXPECT_TRUE(Describe(ZelListGetRoot(box)).empty()) << "a refused file leaves an empty tree";
    EXPECT_EQ(ZelListLoadOutlineFile(box, (folder_ / L"missing.txt").c_str(), nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(ZelListLoadOutlineFile(nullptr, L"x", nullptr, nullptr, nullptr, nullptr), nullptr);
}
