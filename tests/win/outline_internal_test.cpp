// Outline boxes over real host list and combo boxes: the host's own list
// messages on row records, selection with disabled rows, the keyboard, the
// plus/minus buttons, drawing (pixels read back from a memory DC, positions
// from the box's own metrics), geometry, rebuilding rows from the tree, and
// what is freed when a box or its parent goes. The tree is built here with
// the library's item model directly, so this program links its objects.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/core/outline_tree.h"
#include "controls/outline/outline_box.h"
#include "controls/outline/pictures/caches.h"
#include "controls/outline/pictures/pic.h"
#include "tests/win/support/outline_boxes.h"

using namespace zw::outline;

namespace {

constexpr int kBoxId = 301;
constexpr COLORREF kBackground = zwtest::kBoxBackground;
constexpr COLORREF kInk = zwtest::kBoxInk;

// The designer's scroll bar setting (property 225) for the next box.
const wchar_t* scrollSetting = nullptr;

void __stdcall ApplyStyleWithSetting(HWND window, CREATESTRUCTW* create, void* style) {
    HostTestSetWindowProperty(window, 225, scrollSetting);
    ZelListSetStyle(window, *static_cast<DWORD*>(style), create);
}

std::wstring Text(HWND box, int row, UINT message = LB_GETTEXT) {
    wchar_t buffer[256] = {};
    SendMessageW(box, message, WPARAM(row), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// A tree item appended under `parent`, shown as the box's next row when asked.
TreeNode* Item(HWND box, TreeNode* parent, const char16_t* text, bool show = true) {
    TreeNode* node = NewNode(box);
    node->record->text = text;
    node->record->colour = kInk;
    AppendChild(*parent, *node);
    parent->record->flags |= kRowHasChildren;
    if (show) {
        EXPECT_GE(SendMessageW(box, 0x6001, 0, reinterpret_cast<LPARAM>(node->record)), 0);
        if (parent->level >= 0) parent->record->flags |= kRowExpanded;
    }
    return node;
}

TreeNode* Root(HWND box) {
    return reinterpret_cast<TreeNode*>(ZelListGetRoot(box));
}

// The box drawn into a memory bitmap (first filled with `fill`).
class Snapshot {
public:
    explicit Snapshot(HWND box, COLORREF fill = RGB(1, 2, 3)) {
        GetClientRect(box, &client_);
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, client_.right, client_.bottom);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc_, &client_, brush);
        DeleteObject(brush);
        SendMessageW(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    }
    ~Snapshot() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    RECT client_{};
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// Metrics of the box's font, as the rows are laid out with them.
TEXTMETRICW BoxMetrics(HWND box) {
    HDC dc = GetDC(box);
    auto font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    return metrics;
}

RECT RowRect(HWND box, int row) {
    RECT rect{};
    SendMessageW(box, LB_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

// A 10x10 bitmap picture: a magenta border (transparent) around `inside`.
zw::PIC* SquarePicture(COLORREF inside) {
    const int size = 10, stride = 32;
    std::string b(54 + size_t(stride) * size, '\0');
    auto put32 = [&](size_t at, unsigned v) {
        for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, unsigned(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, size);
    put32(22, size);
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool edge = x == 0 || y == 0 || x == size - 1 || y == size - 1;
            const COLORREF c = edge ? RGB(255, 0, 255) : inside;
            char* p = &b[54 + size_t(y) * stride + size_t(x) * 3];
            p[0] = char(GetBValue(c));
            p[1] = char(GetGValue(c));
            p[2] = char(GetRValue(c));
        }
    }
    return zw::PIC::FromHandle(
        ZelPicLoad(PIC_FromMemory | PIC_FormatBitmap, reinterpret_cast<LPCWSTR>(b.data()), L""));
}

class OutlineBox : public testing::Test {
protected:
    void SetUp() override {
        records_ = LiveRecordCount();
        nodes_ = LiveNodeCount();
        form_ = std::make_unique<zwtest::Form>();
        ASSERT_NE(form_->Handle(), nullptr);
    }
    void TearDown() override {
        form_.reset();
        EXPECT_EQ(LiveRecordCount(), records_) << "records left behind";
        EXPECT_EQ(LiveNodeCount(), nodes_) << "nodes left behind";
    }
    std::unique_ptr<zwtest::Form> form_;
    HWND Form() const { return form_->Handle(); }
    size_t records_ = 0, nodes_ = 0;
};

}  // namespace

TEST_F(OutlineBox, AttachingChecksTheWindowAndSetsStyles) {
    HWND button = CreateWindowW(L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, Form(), nullptr, nullptr, nullptr);
    HWND orphan = CreateWindowW(L"LISTBOX", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(ZelListSetStyle(button, 1, nullptr), 0);
    EXPECT_EQ(ZelListSetStyle(orphan, 1, nullptr), 0);
    EXPECT_EQ(ZelListSetStyle(nullptr, 1, nullptr), 0);
    EXPECT_EQ(ZelListGetStyle(button), 0u);
    EXPECT_EQ(ZelListSetIndent(button, 3), 0);
    EXPECT_EQ(ZelListSetOutlineRedraw(button, TRUE), 0);
    DestroyWindow(orphan);

    struct Case {
        DWORD style;
        DWORD stored;     // extra bits the box records
        LONG windowBits;  // window style bits set
        LONG cleared;     // window style bits cleared
    } cases[] = {
        {ZW_LS_OUTLINE, 0, LBS_OWNERDRAWVARIABLE, LBS_HASSTRINGS},
        {ZW_LS_BUTTONS, ZW_LS_OUTLINE | ZW_LS_PAINTPICCOLUMN, LBS_OWNERDRAWVARIABLE, 0},
        {ZW_LS_MULTIPLESEL | ZW_LS_EXTENDEDSEL, ZW_LS_OUTLINE, LBS_MULTIPLESEL, LBS_EXTENDEDSEL},
        {ZW_LS_EXTENDEDSEL | ZW_LS_OUTLINE, 0, LBS_EXTENDEDSEL, 0},
        {ZW_LS_WIDEEXTENT, ZW_LS_OUTLINE, WS_HSCROLL, 0},
        {ZW_LS_NOINTEGRALHEIGHT | ZW_LS_DISABLENOSCROLL, 0, LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL, 0},
    };
    for (const Case& c : cases) {
        HWND box = form_->Box(c.style, LBS_HASSTRINGS);
        ASSERT_NE(box, nullptr);
        const LONG windowStyle = GetWindowLongW(box, GWL_STYLE);
        EXPECT_EQ(windowStyle & c.windowBits, c.windowBits) << std::hex << c.style;
        EXPECT_EQ(windowStyle & c.cleared, 0) << std::hex << c.style;
        EXPECT_EQ(ZelListGetStyle(box), (c.style & 0x08FFFFFF) ? (c.style | c.stored) : 0u) << std::hex << c.style;
        DestroyWindow(box);
    }
    // A box with a horizontal scroll bar records horizontal scrolling.
    HWND wide = form_->Box(ZW_LS_OUTLINE, WS_HSCROLL);
    EXPECT_EQ(ZelListGetStyle(wide), DWORD(ZW_LS_OUTLINE | ZW_LS_HSCROLL));
    EXPECT_EQ(ZelListSetIndent(wide, 3), 1);
}

TEST_F(OutlineBox, VerticalScrollBarUnlessTheDesignerSaysNo) {
    struct Case {
        const wchar_t* setting;
        bool scrollBar;
    } cases[] = {{nullptr, true}, {L"NO", false}, {L"yes", true}};
    for (const Case& c : cases) {
        scrollSetting = c.setting;
        DWORD style = ZW_LS_OUTLINE;
        HWND box = HostTestCreateList(Form(), HOST_TYPE_LISTBOX, WS_CHILD, 0, 0, 100, 100, kBoxId,
                                      &ApplyStyleWithSetting, &style);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ((GetWindowLongW(box, GWL_STYLE) & WS_VSCROLL) != 0, c.scrollBar) << (c.setting ? "set" : "none");
        HostTestSetWindowProperty(box, 225, nullptr);
        DestroyWindow(box);
    }
}

TEST_F(OutlineBox, HostListMessagesWorkOnRowRecords) {
    HWND box = form_->Box(ZW_LS_OUTLINE | ZW_LS_UPPERCASE);
    EXPECT_EQ(SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"alpha")), 0);
    EXPECT_EQ(SendMessageW(box, 0x401, 0, reinterpret_cast<LPARAM>(L"gamma")), 1);  // 16-bit add
    EXPECT_EQ(SendMessageW(box, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(L"Beta")), 1);
    EXPECT_EQ(SendMessageW(box, 0x402, 0, reinterpret_cast<LPARAM>(L"first")), 0);  // 16-bit insert
    const std::vector<std::wstring> expected = {L"FIRST", L"ALPHA", L"BETA", L"GAMMA"};
    ASSERT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 4);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(Text(box, row), expected[row]);
        EXPECT_EQ(Text(box, row, 0x40A), expected[row]);
        EXPECT_EQ(Text(box, row, 0x600C), expected[row]);
        EXPECT_EQ(SendMessageW(box, LB_GETTEXTLEN, row, 0), LRESULT(expected[row].size()));
        EXPECT_EQ(SendMessageW(box, 0x40B, row, 0), LRESULT(expected[row].size()));
        EXPECT_EQ(SendMessageW(box, LB_GETITEMDATA, row, 0), 0);
    }
    wchar_t unused[8] = {};
    EXPECT_EQ(SendMessageW(box, LB_GETTEXT, 9, reinterpret_cast<LPARAM>(unused)), LB_ERR);
    EXPECT_EQ(SendMessageW(box, LB_GETTEXTLEN, 9, 0), LB_ERR);
    EXPECT_EQ(SendMessageW(box, LB_SETITEMDATA, 2, 0x1234), TRUE);
    EXPECT_EQ(SendMessageW(box, 0x41B, 3, 0x5678), TRUE);
    EXPECT_EQ(SendMessageW(box, LB_GETITEMDATA, 2, 0), 0x1234);
    EXPECT_EQ(SendMessageW(box, 0x41A, 3, 0), 0x5678);
    // The row record keeps the value; the box itself still holds the record.
    RowRecord* record = AsRecord(reinterpret_cast<void*>(CallUnderlying(box, LB_GETITEMDATA, 2, 0)));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->value, 0x1234);
    EXPECT_EQ(record->colour, kInk);
    // The text-pointer request hands out the record's own text, once.
    record->textPointerRequest = 1;
    const char16_t* pointer = nullptr;
    EXPECT_EQ(SendMessageW(box, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(&pointer)), 4);
    EXPECT_EQ(pointer, record->text.c_str());
    EXPECT_EQ(record->textPointerRequest, 0u);
    EXPECT_EQ(Text(box, 2), L"BETA");

    EXPECT_EQ(SendMessageW(box, 0x600D, 0, 0), 1);
    HWND plain = CreateWindowW(L"LISTBOX", L"", WS_CHILD, 0, 0, 10, 10, Form(), nullptr, nullptr, nullptr);
    EXPECT_EQ(SendMessageW(plain, 0x600D, 0, 0), 0);
    // Deleting a row frees its record.
    const size_t live = LiveRecordCount();
    SendMessageW(box, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(LiveRecordCount(), live - 1);
}

TEST_F(OutlineBox, ComboBoxMessagesAndItsEditField) {
    HWND box = form_->Box(ZW_LS_OUTLINE, 0, HOST_TYPE_COMBOBOX);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one")), 0);
    EXPECT_EQ(SendMessageW(box, 0x403, 0, reinterpret_cast<LPARAM>(L"three")), 1);
    EXPECT_EQ(SendMessageW(box, 0x40A, 1, reinterpret_cast<LPARAM>(L"two")), 1);
    EXPECT_EQ(Text(box, 1, CB_GETLBTEXT), L"two");
    EXPECT_EQ(Text(box, 2, 0x408), L"three");
    EXPECT_EQ(SendMessageW(box, 0x409, 2, 0), 5);
    EXPECT_EQ(SendMessageW(box, 0x411, 1, 77), TRUE);
    EXPECT_EQ(SendMessageW(box, 0x410, 1, 0), 77);

    HWND edit = GetDlgItem(box, 1001);
    ASSERT_NE(edit, nullptr);
    const int edited = HostTestFieldEditedCount(nullptr);
    EXPECT_EQ(SendMessageW(box, 0x40E, 2, 0), 2);  // 16-bit CB_SETCURSEL
    wchar_t text[32] = {};
    GetWindowTextW(edit, text, 32);
    EXPECT_STREQ(text, L"three");
    EXPECT_EQ(HostTestFieldEditedCount(nullptr), edited + 1);
    EXPECT_EQ(SendMessageW(box, 0x407, 0, 0), 2);
    // A disabled row leaves the edit field empty and is not the selection.
    RowRecord* record = AsRecord(reinterpret_cast<void*>(CallUnderlying(box, CB_GETITEMDATA, 0, 0)));
    ASSERT_NE(record, nullptr);
    record->flags |= kRowDisabled;
    SendMessageW(box, CB_SETCURSEL, 0, 0);
    GetWindowTextW(edit, text, 32);
    EXPECT_STREQ(text, L"");
    EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageW(box, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(L"TWO")), 1);
    GetWindowTextW(edit, text, 32);
    EXPECT_STREQ(text, L"two");
    // The selection change notification reaches the host as message 0x2006.
    SendMessageW(Form(), WM_COMMAND, MAKEWPARAM(kBoxId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(HostTestListMessages(box, 0x2006, nullptr), 1);
}

TEST_F(OutlineBox, DisabledRowsAreNeverSelected) {
    HWND box = form_->Box(ZW_LS_OUTLINE | ZW_LS_MULTIPLESEL);
    for (const wchar_t* text : {L"a", L"b", L"c", L"d"}) SendMessageW(box, LB_ADDSTRING, 0, LPARAM(text));
    for (int row : {1, 2, 3}) SendMessageW(box, LB_SETSEL, TRUE, row);
    AsRecord(reinterpret_cast<void*>(CallUnderlying(box, LB_GETITEMDATA, 2, 0)))->flags |= kRowDisabled;
    EXPECT_EQ(SendMessageW(box, LB_GETSELCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(box, 0x411, 0, 0), 2);
    int rows[4] = {-1, -1, -1, -1};
    EXPECT_EQ(SendMessageW(box, LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(rows)), 2);
    EXPECT_EQ(rows[0], 1);
    EXPECT_EQ(rows[1], 3);
    EXPECT_EQ(SendMessageW(box, 0x412, 1, reinterpret_cast<LPARAM>(rows)), 1);
    EXPECT_EQ(SendMessageW(box, LB_GETSEL, 2, 0), 0);
    EXPECT_EQ(SendMessageW(box, 0x408, 3, 0), 1);

    HWND single = form_->Box(ZW_LS_OUTLINE);
    SendMessageW(single, LB_ADDSTRING, 0, LPARAM(L"x"));
    SendMessageW(single, LB_SETCURSEL, 0, 0);
    EXPECT_EQ(SendMessageW(single, 0x409, 0, 0), 0);
    AsRecord(reinterpret_cast<void*>(CallUnderlying(single, LB_GETITEMDATA, 0, 0)))->flags |= kRowDisabled;
    EXPECT_EQ(SendMessageW(single, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(OutlineBox, LettersSearchAndPagesMove) {
    HWND box = form_->Box(ZW_LS_OUTLINE, LBS_NOINTEGRALHEIGHT);
    const wchar_t* texts[] = {L"apple", L"Banana", L"avocado", L"cherry"};
    for (const wchar_t* text : texts) SendMessageW(box, LB_ADDSTRING, 0, LPARAM(text));
    for (int i = 0; i < 40; ++i) SendMessageW(box, LB_ADDSTRING, 0, LPARAM(L"zz"));
    struct Case {
        int from;
        WPARAM key;
        int to;
    } letters[] = {{0, 'A', 2}, {2, 'A', 0}, {3, 'B', 1}, {1, 'Q', 1}, {-1, 'C', 3}};
    for (const Case& c : letters) {
        SendMessageW(box, LB_SETCURSEL, WPARAM(c.from), 0);
        SendMessageW(box, WM_KEYDOWN, c.key, 0);
        EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), c.to) << char(c.key) << " from " << c.from;
    }
    int first = 0, last = 0;
    const int visible = ZelListGetVisibleRange(box, &first, &last);
    ASSERT_GT(visible, 2);
    const int page = visible - 1;
    const int count = int(SendMessageW(box, LB_GETCOUNT, 0, 0));
    struct Page {
        int from;
        WPARAM key;
        int to;
    } pages[] = {{0, VK_NEXT, page}, {page, VK_NEXT, 2 * page}, {count - 2, VK_NEXT, count - 1},
                 {5, VK_PRIOR, 0}, {2 * page, VK_PRIOR, page}};
    for (const Page& p : pages) {
        SendMessageW(box, LB_SETCURSEL, WPARAM(p.from), 0);
        EXPECT_EQ(SendMessageW(box, WM_KEYDOWN, p.key, 0), 0);
        EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), p.to) << p.from;
    }
    // With multiple selection the caret moves, not the selection.
    HWND multi = form_->Box(ZW_LS_OUTLINE | ZW_LS_MULTIPLESEL);
    for (const wchar_t* text : texts) SendMessageW(multi, LB_ADDSTRING, 0, LPARAM(text));
    SendMessageW(multi, LB_SETCARETINDEX, 3, 0);
    SendMessageW(multi, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(SendMessageW(multi, LB_GETCARETINDEX, 0, 0), 0);
    EXPECT_EQ(SendMessageW(multi, LB_GETSELCOUNT, 0, 0), 0);
}

TEST_F(OutlineBox, ButtonsReportPressesAndSwallowTheRest) {
    HWND box = form_->Box(ZW_LS_BUTTONS);
    TreeNode* root = Root(box);
    TreeNode* top = Item(box, root, u"top");
    TreeNode* parent = Item(box, top, u"parent");
    Item(box, parent, u"child");
    ASSERT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 3);
    int top_ = 0, left = 0, bottom = 0, right = 0;
    ASSERT_EQ(ZelListGetTextRectangle(box, 1, &top_, &left, &bottom, &right), 1);
    const TEXTMETRICW metrics = BoxMetrics(box);
    const int levelWidth = 8 * (metrics.tmAveCharWidth / 2);
    EXPECT_EQ(left, levelWidth);  // level 1, no picture
    const RECT row = RowRect(box, 1);
    const int middle = (row.top + row.bottom) / 2;
    const int column = levelWidth - levelWidth / 2;
    auto press = [&](int x, int y) {
        SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        zwtest::PumpMessages();
    };
    press(column, middle);
    WPARAM pressed = 99;
    EXPECT_EQ(HostTestListMessages(box, 0x6009, &pressed), 1);
    EXPECT_EQ(pressed, 1u);
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), LB_ERR) << "a button press selects nothing";
    EXPECT_EQ(HostTestListMessages(box, 0x6003, nullptr), 0) << "nor does its release report a selection";
    press(right + 20, middle);
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), LB_ERR) << "beyond the text: swallowed";
    press(left + 2, middle);
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(HostTestListMessages(box, 0x6003, nullptr), 1);
    EXPECT_EQ(HostTestListMessages(box, 0x6009, nullptr), 1);
}

TEST_F(OutlineBox, DrawingIndentPictureLinesAndButtons) {
    HWND box = form_->Box(ZW_LS_BUTTONS);
    zw::PIC* picture = SquarePicture(RGB(0, 160, 0));
    ASSERT_NE(picture, nullptr);
    zw::CachePicture(box, picture);
    picture->flags |= PIC_OwnedByList;
    TreeNode* root = Root(box);
    TreeNode* top = Item(box, root, u"top");
    TreeNode* a = Item(box, top, u"a");
    Item(box, a, u"a1");
    TreeNode* b = Item(box, top, u"b");
    TreeNode* collapsed = Item(box, b, u"hidden", false);
    b->record->flags = (b->record->flags & ~kRowExpanded) | kRowCollapsed;
    (void)collapsed;
    a->record->normalPicture = picture;
    const TEXTMETRICW metrics = BoxMetrics(box);
    const int levelWidth = 8 * (metrics.tmAveCharWidth / 2);
    const Snapshot shot(box);

    // Row 1 ("a", level 1) with its picture at indent + gap / 2, centred.
    const RECT rowA = RowRect(box, 1);
    const int pictureX = levelWidth + metrics.tmAveCharWidth / 2;
    const int pictureY = rowA.top + (rowA.bottom - rowA.top - 10) / 2;
    EXPECT_EQ(shot.At(pictureX + 5, pictureY + 5), RGB(0, 160, 0)) << "inside the picture";
    EXPECT_EQ(shot.At(pictureX, pictureY + 5), kBackground) << "masked border is transparent";
    int textTop = 0, textLeft = 0, textBottom = 0, textRight = 0;
    ZelListGetTextRectangle(box, 1, &textTop, &textLeft, &textBottom, &textRight);
    EXPECT_EQ(textLeft, levelWidth + 10 + metrics.tmAveCharWidth);

    // Buttons at the column of each item's level: "a" expanded (minus), "b"
    // collapsed with children (plus), "a1" without children (no button).
    const int column1 = levelWidth - levelWidth / 2;
    const RECT rowB = RowRect(box, 3);
    const int midA = (rowA.top + rowA.bottom) / 2, midB = (rowB.top + rowB.bottom) / 2;
    EXPECT_EQ(shot.At(column1 + 2, midA), kInk) << "minus bar";
    EXPECT_EQ(shot.At(column1, midA - 2), kBackground) << "minus has no upright";
    EXPECT_EQ(shot.At(column1, midB - 2), kInk) << "plus upright";
    EXPECT_EQ(shot.At(column1 - 4, midB - 4), kInk) << "button frame";
    // "a1" (level 2): its own column from the row's top, dotted on even rows,
    // and the column of "a" continues since "b" follows it.
    const RECT rowA1 = RowRect(box, 2);
    const int column2 = 2 * levelWidth - levelWidth / 2;
    const int even = rowA1.top + (rowA1.top & 1);
    EXPECT_EQ(shot.At(column2, even), kInk);
    EXPECT_NE(shot.At(column2, even + 1), kInk) << "dotted, not solid";
    EXPECT_EQ(shot.At(column1, even), kInk) << "ancestor column goes on";
    EXPECT_NE(shot.At(column1, RowRect(box, 3).bottom + 2), kInk) << "nothing below the last sibling";
}

TEST_F(OutlineBox, SelectedRowColours) {
    struct Case {
        DWORD style;
        bool keptFrame;
        COLORREF background;  // at the row's right end
    } cases[] = {
        {ZW_LS_OUTLINE, false, GetSysColor(COLOR_HIGHLIGHT)},
        {ZW_LS_OUTLINE | ZW_LS_SELONBACKGROUND, false, kBackground},
        {ZW_LS_OUTLINE | ZW_LS_SELBACKISCOLOR, false, kInk},
        {ZW_LS_OUTLINE, true, kBackground},
    };
    for (const Case& c : cases) {
        HWND box = form_->Box(c.style);
        SendMessageW(box, LB_ADDSTRING, 0, LPARAM(L"row"));
        SendMessageW(box, LB_SETCURSEL, 0, 0);
        RowRecord* record = AsRecord(reinterpret_cast<void*>(CallUnderlying(box, LB_GETITEMDATA, 0, 0)));
        if (c.keptFrame) record->flags |= kRowKeptFrame;
        const Snapshot shot(box);
        const RECT row = RowRect(box, 0);
        EXPECT_EQ(shot.At(row.right - 2, row.top + 1), c.background) << std::hex << c.style;
        if (!c.keptFrame) {
            EXPECT_TRUE(record->flags & kRowSelected) << "remembered as drawn selected";
        }
        if (c.keptFrame) {
            int top = 0, left = 0, bottom = 0, right = 0;
            ZelListGetTextRectangle(box, 0, &top, &left, &bottom, &right);
            EXPECT_EQ(shot.At(left, top + 1), GetSysColor(COLOR_HIGHLIGHT)) << "kept-selection frame";
            EXPECT_EQ(record->flags & kRowKeptFrame, 0u) << "the frame is drawn once";
        }
        DestroyWindow(box);
    }
}

TEST_F(OutlineBox, GeometryFromRowHeights) {
    HWND box = form_->Box(ZW_LS_OUTLINE, LBS_NOINTEGRALHEIGHT, HOST_TYPE_LISTBOX, 100);
    for (int i = 0; i < 30; ++i) SendMessageW(box, LB_ADDSTRING, 0, LPARAM(L"row"));
    for (int i = 0; i < 30; ++i) SendMessageW(box, LB_SETITEMHEIGHT, i, MAKELPARAM(i == 3 ? 30 : 15, 0));
    RECT client;
    GetClientRect(box, &client);
    // Rows 0..2 are 15 high, row 3 30 high, then 15 again.
    int expectedLast = 0;
    for (int bottom = 0, row = 0; bottom < client.bottom; ++row) {
        bottom += row == 3 ? 30 : 15;
        expectedLast = row;
    }
    int first = -1, last = -1;
    EXPECT_EQ(ZelListGetVisibleRange(box, &first, &last), expectedLast + 1);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, expectedLast);
    struct Point {
        int y, row;
    } points[] = {{0, 0}, {14, 0}, {15, 1}, {45, 3}, {74, 3}, {75, 4}, {-1, -1}, {int(client.bottom), -1}};
    for (const Point& p : points) EXPECT_EQ(ZelListGetIndexFromPoint(box, 5, p.y), p.row) << p.y;
    SendMessageW(box, LB_SETTOPINDEX, 2, 0);
    EXPECT_EQ(ZelListGetIndexFromPoint(box, 5, 16), 3);
    ZelListGetVisibleRange(box, &first, &last);
    EXPECT_EQ(first, 2);

    HWND combo = form_->Box(ZW_LS_OUTLINE, 0, HOST_TYPE_COMBOBOX);
    SendMessageW(combo, CB_ADDSTRING, 0, LPARAM(L"x"));
    EXPECT_EQ(ZelListGetIndexFromPoint(combo, 1, 1), -1);
    EXPECT_EQ(ZelListGetVisibleRange(combo, &first, &last), -87);
    EXPECT_EQ(ZelListGetVisibleRange(nullptr, &first, &last), -87);
    int top = 0;
    EXPECT_EQ(ZelListGetTextRectangle(combo, 0, &top, &top, &top, &top), 0);
    EXPECT_EQ(ZelListGetTextRectangle(box, 99, &top, &top, &top, &top), 0);
}

TEST_F(OutlineBox, ItemHandles) {
    HWND box = form_->Box(ZW_LS_OUTLINE);
    SendMessageW(box, LB_ADDSTRING, 0, LPARAM(L"plain"));
    TreeNode* root = Root(box);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Root(box), root) << "made once";
    TreeNode* a = Item(box, root, u"a");
    TreeNode* b = Item(box, root, u"b");
    TreeNode* hidden = Item(box, b, u"hidden", false);
    auto handle = [](TreeNode* node) { return reinterpret_cast<ZW_HITEM>(node); };
    EXPECT_EQ(ZelListGetItemHandle(box, -1), handle(root));
    EXPECT_EQ(ZelListGetItemHandle(box, 0), nullptr) << "plain row";
    EXPECT_EQ(ZelListGetItemHandle(box, 1), handle(a));
    EXPECT_EQ(ZelListGetItemHandle(box, 9), nullptr);
    EXPECT_EQ(ZelListGetItemIndex(handle(b)), 2);
    EXPECT_EQ(ZelListGetItemIndex(handle(hidden)), -1);
    EXPECT_EQ(ZelListGetLevel(handle(root)), -1);
    EXPECT_EQ(ZelListGetLevel(handle(a)), 0);
    EXPECT_EQ(ZelListGetLevel(handle(hidden)), 1);
    EXPECT_EQ(ZelListGetParent(handle(hidden)), handle(b));
    EXPECT_EQ(ZelListGetNextSibling(handle(a)), handle(b));
    EXPECT_EQ(ZelListGetPrevSibling(handle(b)), handle(a));
    EXPECT_EQ(ZelListGetPrevSibling(handle(a)), nullptr);

    int garbage = 0;
    for (ZW_HITEM bad : {ZW_HITEM(nullptr), reinterpret_cast<ZW_HITEM>(&garbage), reinterpret_cast<ZW_HITEM>(-1),
                         reinterpret_cast<ZW_HITEM>(a->record)}) {
        EXPECT_EQ(ZelListGetItemIndex(bad), -1);
        EXPECT_EQ(ZelListGetLevel(bad), -1);
        EXPECT_EQ(ZelListGetParent(bad), nullptr);
        EXPECT_EQ(ZelListGetNextSibling(bad), nullptr);
        EXPECT_EQ(ZelListGetPrevSibling(bad), nullptr);
    }
    HWND plain = CreateWindowW(L"LISTBOX", L"", WS_CHILD, 0, 0, 10, 10, Form(), nullptr, nullptr, nullptr);
    EXPECT_EQ(ZelListGetRoot(plain), nullptr);
    EXPECT_EQ(ZelListGetItemHandle(plain, -1), nullptr);
    EXPECT_EQ(ZelListGetRoot(nullptr), nullptr);
    // Deleting a tree row frees its item and the whole branch under it.
    const size_t nodes = LiveNodeCount();
    SendMessageW(box, LB_DELETESTRING, 2, 0);
    EXPECT_EQ(LiveNodeCount(), nodes - 2);
    EXPECT_EQ(ZelListGetLevel(handle(hidden)), -1) << "stale now";
}

TEST_F(OutlineBox, ShowOutlineRebuildsRowsFromTheTree) {
    HWND box = form_->Box(ZW_LS_OUTLINE);
    TreeNode* root = Root(box);
    EXPECT_EQ(ZelListShowOutline(box, 5), 0) << "no items";
    TreeNode* a = Item(box, root, u"a", false);
    TreeNode* a1 = Item(box, a, u"a1", false);
    Item(box, a1, u"a11", false);
    TreeNode* b = Item(box, root, u"b", false);
    TreeNode* b1 = Item(box, b, u"b1", false);
    SendMessageW(box, LB_ADDSTRING, 0, LPARAM(L"plain"));
    struct Case {
        int mode;
        std::vector<std::wstring> rows;
    } cases[] = {
        {0, {L"a", L"b"}},
        {1, {L"a", L"a1", L"b", L"b1"}},
        {9, {L"a", L"a1", L"a11", L"b", L"b1"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZelListShowOutline(box, c.mode), 1);
        std::vector<std::wstring> rows;
        for (int row = 0; row < SendMessageW(box, LB_GETCOUNT, 0, 0); ++row) rows.push_back(Text(box, row));
        EXPECT_EQ(rows, c.rows) << c.mode;
    }
    EXPECT_TRUE(a->record->flags & kRowExpanded);
    // Hidden items stay hidden in the restore mode, with their branch;
    // remembered selections come back.
    ZelListShowOutline(box, 0);
    EXPECT_FALSE(a->record->flags & kRowExpanded);
    EXPECT_TRUE(b1->record->flags & kRowHidden);
    b1->record->flags &= ~kRowHidden;
    b1->record->flags |= kRowSelected;
    b->record->flags |= kRowExpanded;  // the restore mode opens only expanded parents
    EXPECT_EQ(ZelListShowOutline(box, 0x7FFE), 1);
    ASSERT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(Text(box, 2), L"b1");
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageW(box, LB_GETCARETINDEX, 0, 0), 2);
}

TEST_F(OutlineBox, RedrawSwitchAndSelectString) {
    HWND box = form_->Box(ZW_LS_OUTLINE);
    const int before = HostTestSetRedrawCount(nullptr, nullptr);
    EXPECT_EQ(ZelListSetOutlineRedraw(box, FALSE), 1);
    BOOL flag = TRUE;
    HWND window = nullptr;
    EXPECT_EQ(HostTestSetRedrawCount(&window, &flag), before + 1);
    EXPECT_EQ(window, box);
    EXPECT_FALSE(flag);
    EXPECT_FALSE(RedrawSwitch());
    EXPECT_EQ(ZelListSetOutlineRedraw(box, TRUE), 1);
    EXPECT_TRUE(RedrawSwitch());

    TreeNode* root = Root(box);
    TreeNode* a = Item(box, root, u"Alpha");
    Item(box, a, u"Beta");
    Item(box, root, u"Gamma");
    EXPECT_EQ(SendMessageW(box, LB_SELECTSTRING, WPARAM(-1), LPARAM(L"beta")), 1);
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageW(box, 0x40D, 0, LPARAM(L"GAMMA")), LB_ERR) << "not below Alpha";
    EXPECT_EQ(SendMessageW(box, LB_SELECTSTRING, WPARAM(-1), LPARAM(L"Delta")), LB_ERR);
}

TEST_F(OutlineBox, NewFontsAndTabStopsReachTheRows) {
    HWND box = form_->Box(ZW_LS_OUTLINE);
    SendMessageW(box, LB_ADDSTRING, 0, LPARAM(L"a\tb"));
    const LRESULT before = SendMessageW(box, LB_GETITEMHEIGHT, 0, 0);
    HFONT big = ZelFontLoad(L"Arial", 28, 0);
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(big), FALSE);
    EXPECT_GT(SendMessageW(box, LB_GETITEMHEIGHT, 0, 0), before);
    int top = 0, left = 0, bottom = 0, right = 0;
    ZelListGetTextRectangle(box, 0, &top, &left, &bottom, &right);
    const int untabbed = right - left;
    const int stops[] = {40};
    SendMessageW(box, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(stops));
    ZelListGetTextRectangle(box, 0, &top, &left, &bottom, &right);
    EXPECT_GT(right - left, untabbed);
    const int pixels = MulDiv(40, LOWORD(GetDialogBaseUnits()), 4);
    EXPECT_GE(right - left, pixels) << "the second piece starts at the stop";
    SendMessageW(box, WM_SETFONT, 0, FALSE);
    DeleteObject(big);
}

TEST_F(OutlineBox, DestroyingFreesRecordsNodesAndOwnedPictures) {
    const size_t pictures = zw::PIC::LiveCount();
    zw::PIC* kept = SquarePicture(RGB(1, 1, 1));
    for (bool parentFirst : {false, true}) {
        auto other = std::make_unique<zwtest::Form>();
        zwtest::Form& form = parentFirst ? *other : *form_;
        HWND box = form.Box(ZW_LS_OUTLINE);
        zw::PIC* owned = SquarePicture(RGB(9, 9, 9));
        owned->flags |= PIC_OwnedByList;
        zw::CachePicture(box, owned);
        zw::CachePicture(box, kept);
        zw::CacheFont(box, ZelFontLoad(L"Arial", 9, 0));
        TreeNode* root = Root(box);
        TreeNode* a = Item(box, root, u"a");
        Item(box, a, u"b", false);
        SendMessageW(box, LB_ADDSTRING, 0, LPARAM(L"plain"));
        if (parentFirst) other.reset();
        else DestroyWindow(box);
        EXPECT_EQ(zw::PIC::LiveCount(), pictures + 1) << "owned picture freed, the other kept";
        EXPECT_NE(zw::PIC::FromHandle(kept), nullptr);
        EXPECT_EQ(LiveRecordCount(), records_);
        EXPECT_EQ(LiveNodeCount(), nodes_);
    }
    ZelPicFree(reinterpret_cast<ZW_HPIC>(kept));
}

TEST(PictureDrawing, IconByIndexAndMaskedBitmap) {
    WCHAR exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    zw::PIC* icon = zw::PIC::FromHandle(ZelPicLoad(PIC_FromModule | PIC_FormatIcon | PIC_SmallIcon, exe, L"#2"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->type, zw::PIC::kIcon);
    EXPECT_EQ(icon->width, 16);
    zw::PIC* square = SquarePicture(RGB(0, 160, 0));
    ASSERT_NE(square, nullptr);
    EXPECT_EQ(square->width, 10);
    zw::PIC* scaled = zw::PIC::FromHandle(ZelPicLoad(PIC_FromModule | PIC_FormatBitmap | PIC_LargeIcon, exe,
                                                     L"plusdk"));
    ASSERT_NE(scaled, nullptr);
    EXPECT_EQ(scaled->width, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(scaled->height, GetSystemMetrics(SM_CYICON));
    EXPECT_NE(scaled->mask, nullptr);
    ZelPicFree(reinterpret_cast<ZW_HPIC>(scaled));

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 40);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 40, 40};
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
    FillRect(dc, &all, yellow);
    icon->Draw(dc, 0, 0, all);
    square->Draw(dc, 20, 20, all);
    EXPECT_EQ(GetPixel(dc, 8, 8), RGB(0, 0, 255)) << "the third icon is the blue one";
    EXPECT_EQ(GetPixel(dc, 25, 25), RGB(0, 160, 0));
    EXPECT_EQ(GetPixel(dc, 20, 25), RGB(255, 255, 0)) << "border is transparent";
    RECT clip{0, 0, 24, 24};
    FillRect(dc, &all, yellow);
    square->Draw(dc, 20, 20, clip);
    EXPECT_EQ(GetPixel(dc, 25, 25), RGB(255, 255, 0)) << "clipped";
    SelectObject(dc, old);
    DeleteObject(yellow);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ZelPicFree(reinterpret_cast<ZW_HPIC>(icon));
    ZelPicFree(reinterpret_cast<ZW_HPIC>(square));
}

TEST_F(OutlineBox, SortingFocusNotificationsAndEditColours) {
    // Sorted rows are ordered by the parent's comparison of record texts.
    HWND sorted = form_->Box(ZW_LS_OUTLINE, LBS_SORT);
    for (const wchar_t* text : {L"delta", L"Alpha", L"charlie", L"Bravo"}) SendMessageW(sorted, LB_ADDSTRING, 0, LPARAM(text));
    EXPECT_EQ(zwtest::RowTexts(sorted), (std::vector<std::wstring>{L"Alpha", L"Bravo", L"charlie", L"delta"}));
    EXPECT_EQ(SendMessageW(Form(), WM_CHARTOITEM, MAKEWPARAM('a', 0), reinterpret_cast<LPARAM>(sorted)), -1);

    // Losing the focus: the selected row keeps a frame (style 0x400) or the
    // selection goes (style 0x200).
    struct Case {
        DWORD style;
        bool frame;
        LRESULT selectionAfter;
    } cases[] = {{ZW_LS_KEEPSELFRAME, true, 1}, {ZW_LS_SELFOLLOWSFOCUS, false, LB_ERR}};
    for (const Case& c : cases) {
        HWND box = form_->Box(ZW_LS_OUTLINE | c.style);
        for (const wchar_t* text : {L"a", L"b"}) SendMessageW(box, LB_ADDSTRING, 0, LPARAM(text));
        SendMessageW(box, LB_SETCURSEL, 1, 0);
        SendMessageW(Form(), WM_COMMAND, MAKEWPARAM(kBoxId, LBN_KILLFOCUS), reinterpret_cast<LPARAM>(box));
        RowRecord* record = AsRecord(reinterpret_cast<void*>(CallUnderlying(box, LB_GETITEMDATA, 1, 0)));
        EXPECT_EQ((record->flags & kRowKeptFrame) != 0, c.frame) << std::hex << c.style;
        EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), c.selectionAfter) << std::hex << c.style;
        DestroyWindow(box);
    }

    // A combo box's edit field shows the selected row's colour on the box background.
    HWND combo = form_->Box(ZW_LS_OUTLINE, 0, HOST_TYPE_COMBOBOX);
    ZelListAddColor(combo, L"red", RGB(200, 0, 0));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    HDC dc = GetDC(combo);
    EXPECT_NE(SendMessageW(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), 0), 0);
    EXPECT_EQ(GetTextColor(dc), RGB(200, 0, 0));
    EXPECT_EQ(GetBkColor(dc), kBackground);
    ReleaseDC(combo, dc);
    // Message 0x600B keeps a value and a text without using them.
    struct {
        WORD value;
        char text[8];
    } tag{7, "tagged"};
    EXPECT_EQ(SendMessageW(combo, 0x600B, reinterpret_cast<WPARAM>(&tag), 0), 1);
    OutlineState state{};
    ASSERT_TRUE(ReadOutlineState(combo, &state));
    EXPECT_EQ(state.tagValue, 7);
    EXPECT_STREQ(state.tagText, "tagged");
}
