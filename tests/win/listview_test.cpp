// The list view through the library: a form-placed "cListView" and its list
// driven with real messages (header clicks, mouse clicks, label edits), its
// 45 functions with their failure values, images kept in step, the designer
// record and the notifications that reach the form and the host.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <objidl.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win/support/designer_items.h"
#include "tests/win/support/header_list_bytes.h"
#include "tests/win/support/window_pixels.h"
#include "tests/win/support/zwtest.h"

namespace {

constexpr UINT kHostClick = 0x2006, kColumnSorted = 0x600E, kReady = 0x600A;

// ---- a host form holding list views ---------------------------------------------

struct Note { int id, code; HWND from; };
std::vector<Note> notes;     // WM_COMMAND that reached the form
std::vector<MSG> hostSeen;   // host messages that reached a list view window
void* announced = nullptr;
int readyCount = 0;

LRESULT CALLBACK FormProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_COMMAND) notes.push_back({LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)});
    return DefWindowProcW(w, m, wp, lp);
}

HWND Form() {
    static HWND form = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = FormProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ListViewTestForm";
        RegisterClassW(&wc);
        return CreateWindowExW(0, wc.lpszClassName, L"form", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }();
    return form;
}

// The host keeps the instance a control announces and sees the messages
// posted to the control's window.
LRESULT CALLBACK HostSubclass(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (m == kHostClick || m == kColumnSorted || m == WM_KEYUP) hostSeen.push_back({w, m, wp, lp, 0, {}});
    return DefSubclassProc(w, m, wp, lp);
}

LRESULT CALLBACK WatchCreate(int code, WPARAM wp, LPARAM lp) {
    auto* msg = reinterpret_cast<CWPSTRUCT*>(lp);
    if (code == HC_ACTION && msg->message == ZWM_ControlCreate) {
        announced = reinterpret_cast<void*>(msg->lParam);
        SetWindowSubclass(msg->hwnd, HostSubclass, 1, 0);
    }
    if (code == HC_ACTION && msg->message == kReady) ++readyCount;
    return CallNextHookEx(nullptr, code, wp, lp);
}

// A list view placed on the form, destroyed at the end of the scope; `style`
// bits are added to its list's style.
struct ListView {
    explicit ListView(DWORD style = LVS_REPORT, const void* creationRecord = nullptr) {
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchCreate, nullptr, GetCurrentThreadId());
        window = CreateWindowExW(0, L"ZW:cListView:10", L"", WS_CHILD | WS_VISIBLE, 10, 10, 300, 200, Form(),
                                 HMENU(7), GetModuleHandleW(nullptr), const_cast<void*>(creationRecord));
        UnhookWindowsHookEx(hook);
        instance = announced;
        list = ZelLVGetListView(instance);
        child = GetWindow(window, GW_CHILD);
        if (style) ZelLVSetStyle(list, style, 1);
        zwtest::PumpMessages();
        notes.clear();
        hostSeen.clear();
    }
    ~ListView() { DestroyWindow(window); }
    // Appends rows (texts of columns 0, 1, ...), with data 100, 101, ...
    void Rows(const std::vector<std::vector<const wchar_t*>>& rows) {
        for (const auto& texts : rows) {
            const int r = ZelLVGetItemCount(list);
            ZelLVInsertItem(list, r, texts[0], LONG(100 + r), 0);
            for (size_t s = 1; s < texts.size(); ++s) ZelLVSetItem(list, r, int(s), LVIF_TEXT, texts[s], 0, 0);
        }
    }
    // The text as the library stores it ("text data image" for Item), and
    // as the control shows it.
    std::wstring Text(int row, int sub = 0, LONG* data = nullptr, int* image = nullptr) const {
        ZW_HSTR text = 0;
        LONG d = 0;
        int i = 0;
        ZelLVGetItem(list, row, sub, &text, data ? data : &d, image ? image : &i);
        return zwtest::TakeHostText(text);
    }
    std::wstring Item(int row) const {
        LONG data = 0;
        int image = 0;
        const std::wstring text = Text(row, 0, &data, &image);
        return text + L" " + std::to_wstring(data) + L" " + std::to_wstring(image);
    }
    std::wstring Shown(int row, int sub = 0) const {
        WCHAR text[64] = L"?";
        LVITEMW item{};
        item.iSubItem = sub;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(child, LVM_GETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(&item));
        return text;
    }
    std::wstring Column(int sub) const {
        std::wstring shown;
        for (int row = 0; row < ZelLVGetItemCount(list); ++row) shown += (row ? L"," : L"") + Shown(row, sub);
        return shown;
    }
    // A click on a column heading, as the user makes it.
    void ClickHeading(int column) const {
        const auto header = reinterpret_cast<HWND>(SendMessageW(child, LVM_GETHEADER, 0, 0));
        RECT r{};
        SendMessageW(header, HDM_GETITEMRECT, WPARAM(column), reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(header, WM_LBUTTONUP, 0, at);
        zwtest::PumpMessages();
    }
    int ImageCount(int which) const {
        return ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(SendMessageW(child, LVM_GETIMAGELIST, which, 0)));
    }
    HWND window, child;
    void* instance;
    void* list;
};

ZW_HPIC Picture(const std::string& file) {
    return ZelPicLoad(PIC_FromMemory | PIC_FormatBitmap, reinterpret_cast<LPCWSTR>(file.data()), nullptr);
}

using Bytes = zwtest::HeaderListBytes;
using zwtest::BitmapFile;

// A record of version 0, 1 or 2: two columns; from version 1 colours, a
// report style with label editing, a label limit of 5, sort column 1 and
// three images in each list; from version 2 sort order 1.
std::vector<std::uint8_t> Record(unsigned version) {
    Bytes r;
    r.u16(2);
    r.column(L"Name", LVCFMT_LEFT, 120, true);
    r.column(L"Size", LVCFMT_RIGHT, 60, false);
    r.u32(version);
    if (version >= 1) {
        r.u32(RGB(1, 2, 3)), r.u32(RGB(4, 5, 6)), r.u32(RGB(7, 8, 9));
        r.u32(LVS_REPORT | LVS_EDITLABELS), r.u32(5), r.u32(1);
        r.images(3, GetSystemMetrics(SM_CXICON));
        r.images(3, 16);
    }
    if (version >= 2) r.u32(1);
    return r.b;
}

int CountOf(const std::vector<Note>& seen, int code) {
    int n = 0;
    for (const Note& note : seen) n += note.code == code;
    return n;
}

}  // namespace

TEST(ListView, ExportsFailOnNullAndStaleObjects) {
    RECT rect;
    POINT point;
    ZW_HSTR text = 0;
    int number = 0;
    LONG data = 0;
    UINT flags = 0;
    zwtest::HostArray strings, numbers(HOST_ARRAY_NUMBER);
    const std::string bitmap = BitmapFile(16, 16, RGB(0, 0, 255));
    const ZW_HPIC pic = Picture(bitmap);
    const struct { const wchar_t* name; std::function<long long(void*)> call; long long failure; const wchar_t* message; } cases[] = {
        {L"ZelLVGetListView", [](void* l) { return (long long)(INT_PTR)ZelLVGetListView(l); }, 0, L"Unable to retrieve child ListView pointer."},
        {L"ZelLVGetBkColor", [](void* l) { return ZelLVGetBkColor(l); }, -1, L"Unable to retrieve background color."},
        {L"ZelLVSetBkColor", [](void* l) { return ZelLVSetBkColor(l, 0); }, 0, L"Unable to assign background color."},
        {L"ZelLVGetItemCount", [](void* l) { return ZelLVGetItemCount(l); }, 0, L"Unable to retrieve item count."},
        {L"ZelLVGetNextItem", [](void* l) { return ZelLVGetNextItem(l, -1, 0); }, -1, L"Unable to retrieve next item."},
        {L"ZelLVGetItemRect", [&](void* l) { return ZelLVGetItemRect(l, 0, &rect, 0); }, 0, L"Unable to retrieve item rectangle."},
        {L"ZelLVSetItemPosition", [](void* l) { return ZelLVSetItemPosition(l, 0, 1, 1); }, 0, L"Unable to assign item position."},
        {L"ZelLVGetItemPosition", [&](void* l) { return ZelLVGetItemPosition(l, 0, &point); }, 0, L"Unable to retrieve item position."},
        {L"ZelLVGetStringWidth", [](void* l) { return ZelLVGetStringWidth(l, L"x"); }, 0, L"Unable to retrieve string width."},
        {L"ZelLVGetColumn", [&](void* l) { return ZelLVGetColumn(l, 0, &text, &number, &number); }, 0, L"Unable to retrieve column."},
        {L"ZelLVSetColumn", [](void* l) { return ZelLVSetColumn(l, 0, LVCF_WIDTH, nullptr, 0, 9); }, 0, L"Unable to assign column."},
        {L"ZelLVGetViewRect", [&](void* l) { return ZelLVGetViewRect(l, &rect); }, 0, L"Unable to retrieve view rectangle."},
        {L"ZelLVGetTextColor", [](void* l) { return ZelLVGetTextColor(l); }, -1, L"Unable to retrieve text color."},
        {L"ZelLVSetTextColor", [](void* l) { return ZelLVSetTextColor(l, 0); }, 0, L"Unable to assign text color."},
        {L"ZelLVGetTextBkColor", [](void* l) { return ZelLVGetTextBkColor(l); }, -1, L"Unable to retrieve text background color."},
        {L"ZelLVSetTextBkColor", [](void* l) { return ZelLVSetTextBkColor(l, 0); }, 0, L"Unable to assign text background color."},
        {L"ZelLVGetTopIndex", [](void* l) { return ZelLVGetTopIndex(l); }, -1, L"Unable to retrieve top index."},
        {L"ZelLVGetCountPerPage", [](void* l) { return ZelLVGetCountPerPage(l); }, 0, L"Unable to retrieve count per page."},
        {L"ZelLVGetOrigin", [&](void* l) { return ZelLVGetOrigin(l, &point); }, 0, L"Unable to retrieve origin."},
        {L"ZelLVGetItemState", [](void* l) { return ZelLVGetItemState(l, 0, ~0u); }, 0, L"Unable to retrieve item state."},
        {L"ZelLVSetItemState", [](void* l) { return ZelLVSetItemState(l, 0, 0, 0); }, 0, L"Unable to assign item state."},
        {L"ZelLVGetItem", [&](void* l) { return ZelLVGetItem(l, 0, 0, &text, &data, &number); }, 0, L"Unable to retrieve item."},
        {L"ZelLVSetItem", [](void* l) { return ZelLVSetItem(l, 0, 0, LVIF_TEXT, L"x", 0, 0); }, 0, L"Unable to assign item."},
        {L"ZelLVGetSelectedCount", [](void* l) { return ZelLVGetSelectedCount(l); }, 0, L"Unable to retrieve selected count."},
        {L"ZelLVInsertItem", [](void* l) { return ZelLVInsertItem(l, 0, L"x", 0, 0); }, -1, L"Unable to insert item."},
        {L"ZelLVDeleteItem", [](void* l) { return ZelLVDeleteItem(l, 0); }, 0, L"Unable to delete item."},
        {L"ZelLVDeleteAllItems", [](void* l) { return ZelLVDeleteAllItems(l); }, 0, L"Unable to delete all items."},
        {L"ZelLVFindItem", [](void* l) { return ZelLVFindItem(l, LVFI_STRING, L"x", -1); }, -1, L"Unable to find item."},
        {L"ZelLVHitTest", [&](void* l) { return ZelLVHitTest(l, 1, 1, &flags); }, -1, L"Unable to hit test."},
        {L"ZelLVEnsureVisible", [](void* l) { return ZelLVEnsureVisible(l, 0, 0); }, 0, L"Unable to ensure visible."},
        {L"ZelLVScroll", [](void* l) { return ZelLVScroll(l, 0, 1); }, 0, L"Unable to scroll."},
        {L"ZelLVArrange", [](void* l) { return ZelLVArrange(l, 0); }, 0, L"Unable to arrange items."},
        {L"ZelLVGetStyle", [](void* l) { return ZelLVGetStyle(l); }, 0, L"Unable to retrieve style bits."},
        {L"ZelLVSetStyle", [](void* l) { return ZelLVSetStyle(l, 1, 1); }, 0, L"Unable to update style bits."},
        {L"ZelLVColumnsAssign", [&](void* l) { return ZelLVColumnsAssign(l, strings, numbers, numbers, 1); }, 0, L"Unable to assign columns."},
        {L"ZelLVGetSortColumn", [](void* l) { return ZelLVGetSortColumn(l); }, -1, L"Unable to retrieve sort column."},
        {L"ZelLVSetSortColumn", [](void* l) { return ZelLVSetSortColumn(l, 1); }, 0, L"Unable to assign sort column."},
        {L"ZelLVGetSortOrder", [](void* l) { return ZelLVGetSortOrder(l); }, -1, L"Unable to retrieve sort order."},
        {L"ZelLVSetSortOrder", [](void* l) { return ZelLVSetSortOrder(l, 1); }, 0, L"Unable to assign sort order."},
        {L"ZelLVSortItems", [](void* l) { return ZelLVSortItems(l); }, 0, L"Unable to sort items."},
        {L"ZelLVImageAdd", [&](void* l) { return ZelLVImageAdd(l, pic, pic); }, -1, L"Unable to add image to control."},
        {L"ZelLVImageCountGet", [](void* l) { return ZelLVImageCountGet(l); }, -1, L"Unable to retrieve count on images in control."},
        {L"ZelLVImageRemove", [](void* l) { return ZelLVImageRemove(l, 0); }, 0, L"Unable to remove image from control."},
        {L"ZelLVImageRemoveAll", [](void* l) { return ZelLVImageRemoveAll(l); }, 0, L"Unable to remove all images from control."},
        {L"ZelLVImageReplace", [&](void* l) { return ZelLVImageReplace(l, 0, pic, pic); }, 0, L"Unable to replace image in control."},
    };
    ASSERT_EQ(std::size(cases), 45u);
    // A stale object: the failure value and the function's own debug line.
    // The host-level instance is not a list object either.
    ListView v;
    int stale[16] = {};
    for (void* object : {static_cast<void*>(stale), v.instance}) {
        for (size_t i = object == v.instance ? 1 : 0; i < std::size(cases); ++i) {
            const auto& c = cases[i];
            zwtest::DebugCapture debug;
            EXPECT_EQ(c.call(object), c.failure) << c.name;
            EXPECT_NE(debug.All().find(std::wstring(c.name) + L"() - " + c.message), std::wstring::npos) << c.name;
        }
    }
    EXPECT_EQ(ZelLVGetListView(v.list), nullptr);
    // A null object: message 48 naming the function (one stands for all:
    // they share the frame).
    zwtest::DialogWatcher boxes;
    EXPECT_EQ(ZelLVSortItems(nullptr), 0);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_NE(boxes.Seen()[0].text.find(L"'ZelLVSortItems()'"), std::wstring::npos);
    ZelPicFree(pic);
}

TEST(ListView, NewListViewHasOneColumnAndOneImage) {
    readyCount = 0;
    ListView v(0);
    EXPECT_EQ(readyCount, 1);
    ASSERT_NE(v.list, nullptr);
    EXPECT_EQ(SendMessageW(v.window, WM_NOTIFYFORMAT, WPARAM(v.child), NF_QUERY), NFR_UNICODE);
    ZW_HSTR heading = 0;
    int format = -1, width = 0;
    ASSERT_EQ(ZelLVGetColumn(v.list, 0, &heading, &format, &width), 1);
    EXPECT_EQ(zwtest::TakeHostText(heading) + L" " + std::to_wstring(format) + L" " + std::to_wstring(width), L"Item 0 100");
    EXPECT_EQ(ZelLVGetColumn(v.list, 1, &(heading = 0), &format, &width), 0);
    EXPECT_EQ(ZelLVGetStyle(v.list) & 0xFFFF, 0u);  // the record's style: icon view
    const struct { int result, expected; } cases[] = {
        {ZelLVImageCountGet(v.list), 1},
        {v.ImageCount(LVSIL_NORMAL), 1},
        {ZelLVGetSortColumn(v.list), 0},
        {ZelLVGetSortOrder(v.list), 0},
        {ZelLVGetBkColor(v.list), int(SendMessageW(v.child, LVM_GETBKCOLOR, 0, 0))},
        {ZelLVSetBkColor(v.list, RGB(10, 20, 30)), 1},
        {ZelLVGetBkColor(v.list), int(RGB(10, 20, 30))},
        {ZelLVSetTextColor(v.list, RGB(1, 1, 1)), 1},
        {ZelLVGetTextColor(v.list), int(RGB(1, 1, 1))},
        {ZelLVSetTextBkColor(v.list, RGB(2, 2, 2)), 1},
        {ZelLVGetTextBkColor(v.list), int(RGB(2, 2, 2))},
        {int(ZelLVSetStyle(v.list, LVS_REPORT | LVS_SINGLESEL, 1) & 0xFFFF), 0},
        {int(ZelLVSetStyle(v.list, LVS_SINGLESEL, 0) & 0xFFFF), LVS_REPORT | LVS_SINGLESEL},
        {int(ZelLVGetStyle(v.list) & 0xFFFF), LVS_REPORT},
    };
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].result, cases[i].expected) << i;
    // The list fills the list view and follows its size.
    SetWindowPos(v.window, nullptr, 0, 0, 222, 111, SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(v.child, &client);
    EXPECT_EQ(client.right, 222);
}

TEST(ListView, RowsAndColumnsRoundTrip) {
    ListView v;
    const struct { int result, expected; } inserts[] = {
        {ZelLVInsertItem(v.list, 0, L"b", 7, 0), 0},
        {ZelLVInsertItem(v.list, 0, L"a", 8, 0), 0},
        {ZelLVInsertItem(v.list, -1, L"x", 0, 0), -1},
        {ZelLVInsertItem(v.list, 0, nullptr, 0, 0), -1},
        {ZelLVSetItem(v.list, 1, 2, LVIF_TEXT, L"sub", 0, 0), 0},  // stored; the control has no column 2
        {ZelLVSetItem(v.list, 0, 0, LVIF_PARAM | LVIF_IMAGE, L"", 99, 3), 1},
        {ZelLVSetItem(v.list, 5, 0, LVIF_TEXT, L"none", 0, 0), 0},   // no such row
        {ZelLVSetItem(v.list, 0, -1, LVIF_TEXT, L"x", 0, 0), 0},
        {ZelLVSetItem(v.list, 0, 0, LVIF_TEXT, nullptr, 0, 0), 0},
        {ZelLVSetItem(v.list, 0, 0, LVIF_IMAGE, L"", 0, -1), 0},
        {ZelLVGetItemCount(v.list), 2},
    };
    for (size_t i = 0; i < std::size(inserts); ++i) EXPECT_EQ(inserts[i].result, inserts[i].expected) << i;
    // Texts come from the library's store, also where the control shows them.
    EXPECT_EQ(v.Text(1, 2), L"sub");
    EXPECT_EQ(v.Shown(1, 2), L"sub");
    EXPECT_EQ(v.Text(1, 1), L"");
    EXPECT_EQ(v.Shown(0), L"a");
    EXPECT_EQ(v.Item(0), L"a 99 3");
    EXPECT_EQ(v.Item(1), L"b 7 0");  // the data as inserted
    ZW_HSTR text = 0;
    LONG data = 0;
    int image = 0;
    ZW_HSTR bad = 0xBAD;
    const struct { int result, expected; } queries[] = {
        {ZelLVGetItem(v.list, 9, 0, &(text = 0), &data, &image), 0},
        {ZelLVGetItem(v.list, 0, 0, nullptr, &data, &image), 0},
        {ZelLVGetItem(v.list, 0, -1, &text, &data, &image), 0},
        {ZelLVGetItem(v.list, 0, 0, &bad, &data, &image), 0},
        {ZelLVFindItem(v.list, LVFI_STRING, L"B", -1), 1},
        {ZelLVFindItem(v.list, LVFI_STRING, L"zz", -1), -1},
        {ZelLVFindItem(v.list, LVFI_STRING, nullptr, -1), -1},
        {ZelLVDeleteItem(v.list, 5), 0},
        {ZelLVDeleteItem(v.list, 0), 1},
        {ZelLVFindItem(v.list, LVFI_STRING, L"b", -1), 0},
        {ZelLVDeleteAllItems(v.list), 1},
        {ZelLVGetItemCount(v.list), 0},
        {ZelLVDeleteAllItems(v.list), 1},  // nothing to delete
        {ZelLVInsertItem(v.list, 3, L"c", 1, 0), 0},
    };
    for (size_t i = 0; i < std::size(queries); ++i) EXPECT_EQ(queries[i].result, queries[i].expected) << i;
    EXPECT_EQ(v.Shown(0), L"c");

    // Columns from host arrays: 3 headings, 2 formats, 4 widths and a count
    // of 10 make 2 columns.
    zwtest::HostArray headings({L"A", L"B", L"C"}), formats(HOST_ARRAY_NUMBER), widths(HOST_ARRAY_NUMBER);
    for (int i = 0; i < 4; ++i) {
        HostNumber n{};
        HostIntToNumber(i == 1 ? LVCFMT_CENTER : 0, &n);
        if (i < 2) HostArrayPutNumber(formats, &n, i);
        HostIntToNumber(50 + i, &n);
        HostArrayPutNumber(widths, &n, i);
    }
    const auto header = reinterpret_cast<HWND>(SendMessageW(v.child, LVM_GETHEADER, 0, 0));
    int format = 0, width = 0;
    const struct { int result, expected; } columns[] = {
        {ZelLVColumnsAssign(v.list, headings, formats, widths, 10), 1},
        {int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)), 2},
        {ZelLVGetColumn(v.list, 1, &(text = 0), &format, &width), 1},
        {format & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER},
        {width, 51},
        {ZelLVSetColumn(v.list, 1, LVCF_TEXT | LVCF_WIDTH, nullptr, 0, 77), 1},  // the heading stays
        {ZelLVGetColumn(v.list, 1, &text, &format, &width), 1},
        {width, 77},
        {ZelLVGetColumn(v.list, 1, nullptr, &format, &width), 0},
        {ZelLVColumnsAssign(v.list, 0, formats, widths, 3), 0},
        {ZelLVColumnsAssign(v.list, headings, formats, 0xBAD, 3), 0},
        {int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)), 2},
        {ZelLVColumnsAssign(v.list, headings, formats, widths, 0), 1},
        {int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)), 0},
    };
    for (size_t i = 0; i < std::size(columns); ++i) EXPECT_EQ(columns[i].result, columns[i].expected) << i;
    EXPECT_EQ(zwtest::TakeHostText(text), L"B");
}

TEST(ListView, ColumnClicksSortAndToggle) {
    ListView v;
    ZelLVSetColumn(v.list, 0, LVCF_WIDTH, nullptr, 0, 80);
    LVCOLUMNW second{};
    second.mask = LVCF_WIDTH;
    second.cx = 80;
    SendMessageW(v.child, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&second));
    v.Rows({{L"B", L"2"}, {L"a", L"3"}, {L"C"}});
    const struct { std::function<void()> act; const wchar_t* order; int descending, column; } steps[] = {
        {[&] { v.ClickHeading(0); }, L"a,B,C", 0, 0},  // nothing was sorted: ascending
        {[&] { v.ClickHeading(0); }, L"C,B,a", 1, 0},
        {[&] { v.ClickHeading(1); }, L"C,B,a", 0, 1},  // "C" has no text in column 1: first
        {[&] { v.ClickHeading(1); }, L"a,B,C", 1, 1},
        {[&] { ZelLVSetSortOrder(v.list, 1), ZelLVSortItems(v.list); }, L"C,B,a", -1, -1},
        {[&] { v.ClickHeading(0); }, L"a,B,C", 0, 0},  // continues from the descending sort
    };
    for (const auto& s : steps) {
        hostSeen.clear();
        notes.clear();
        s.act();
        EXPECT_EQ(v.Column(0), s.order) << s.column;
        if (s.column < 0) continue;
        ASSERT_EQ(hostSeen.size(), 1u);
        EXPECT_EQ(hostSeen[0].message, kColumnSorted);
        EXPECT_EQ(int(hostSeen[0].wParam), s.descending);
        EXPECT_EQ(int(hostSeen[0].lParam), s.column);
        EXPECT_EQ(CountOf(notes, LOWORD(LVN_COLUMNCLICK)), 1);
    }
    // Rows keep their data through sorts; column clicks leave the record's
    // sort settings alone.
    EXPECT_EQ(v.Item(2), L"C 102 0");
    const struct { int result, expected; } settings[] = {
        {ZelLVGetSortColumn(v.list), 0}, {ZelLVGetSortOrder(v.list), 1},
        {ZelLVSetSortOrder(v.list, 2), 0}, {ZelLVGetSortOrder(v.list), 1},
        {ZelLVSetSortColumn(v.list, -1), 0}, {ZelLVSetSortColumn(v.list, 1), 1},
        {ZelLVGetSortColumn(v.list), 1}, {ZelLVSortItems(v.list), 1},
    };
    for (size_t i = 0; i < std::size(settings); ++i) EXPECT_EQ(settings[i].result, settings[i].expected) << i;
    EXPECT_EQ(v.Column(0), L"a,B,C");  // column 1 descending: "3", "2", ""
}

TEST(ListView, ImagesStayInStepAndRollBack) {
    ListView v(LVS_SMALLICON);
    const int large = GetSystemMetrics(SM_CXICON);
    const std::string big = BitmapFile(large, large, RGB(255, 0, 0)), small = BitmapFile(16, 16, RGB(0, 255, 0)),
                      narrow = BitmapFile(8, 16, RGB(0, 0, 255));
    const ZW_HPIC bigPic = Picture(big), smallPic = Picture(small), narrowPic = Picture(narrow), gone = Picture(small);
    ZelPicFree(gone);
    const struct { std::function<int()> act; int expected, count; } steps[] = {
        {[&] { return ZelLVImageAdd(v.list, bigPic, smallPic); }, 1, 2},  // index 0 is the default image
        {[&] { return ZelLVImageAdd(v.list, bigPic, narrowPic); }, -1, 2},  // nothing in the small list: undone
        {[&] { return ZelLVImageAdd(v.list, bigPic, gone); }, -1, 2},
        {[&] { return ZelLVImageAdd(v.list, nullptr, smallPic); }, -1, 2},
        {[&] { return ZelLVImageReplace(v.list, 0, bigPic, smallPic); }, 1, 2},
        {[&] { return ZelLVImageReplace(v.list, 7, bigPic, smallPic); }, 0, 2},
        {[&] { return ZelLVImageReplace(v.list, 0, bigPic, gone); }, 0, 2},
        {[&] { return ZelLVImageRemove(v.list, -1); }, 0, 2},
        {[&] { return int(ZelLVImageRemove(v.list, 0) != 0); }, 1, 1},
        {[&] { return ZelLVImageAdd(v.list, bigPic, smallPic); }, 1, 2},
        {[&] { return int(ZelLVImageRemoveAll(v.list) != 0); }, 1, 0},
        {[&] { return ZelLVImageAdd(v.list, bigPic, smallPic); }, 0, 1},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        EXPECT_EQ(steps[i].act(), steps[i].expected) << i;
        EXPECT_EQ(v.ImageCount(LVSIL_NORMAL), steps[i].count) << i;
        EXPECT_EQ(v.ImageCount(LVSIL_SMALL), steps[i].count) << i;
    }
    EXPECT_EQ(ZelLVImageCountGet(v.list), 1);
    // The image shows with its row: the small green picture in small-icon view.
    ZelLVInsertItem(v.list, 0, L"green", 0, 0);
    RECT icon{LVIR_ICON, 0, 0, 0};
    ASSERT_EQ(ZelLVGetItemRect(v.list, 0, &icon, LVIR_ICON), 1);
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 300, -200, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HGDIOBJ old = SelectObject(dc, CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    SendMessageW(v.child, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(GetPixel(dc, (icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc, icon.left, icon.top), GetPixel(dc, icon.left, icon.bottom + 1));  // transparent border
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
    for (ZW_HPIC p : {bigPic, smallPic, narrowPic}) ZelPicFree(p);
}

TEST(ListView, DesignerRecordVersions) {
    const BYTE withData[8] = {0, 0, 0, 0, 1, 0, 0, 0};
    const int defaultBk = [] {
        ListView plain(0);
        return ZelLVGetBkColor(plain.list);
    }();
    std::vector<std::uint8_t> truncated = Record(2);
    truncated.resize(truncated.size() - 2);
    const struct { std::vector<std::uint8_t> bytes; int columns, bk, report, images, sortColumn, sortOrder; } cases[] = {
        {Record(2), 2, int(RGB(1, 2, 3)), LVS_REPORT, 3, 1, 1},
        {Record(1), 2, int(RGB(1, 2, 3)), LVS_REPORT, 3, 1, 0},
        {Record(0), 2, defaultBk, 0, 1, 0, 0},
        {truncated, 1, defaultBk, 0, 1, 0, 0},  // unreadable: all defaults
    };
    for (const auto& c : cases) {
        zwtest::DesignerItems designer(L"ZW:cListView:10", {{L"ZW:HeaderListBox", c.bytes}});
        ListView v(0, withData);
        SCOPED_TRACE(c.columns * 10 + c.images);
        const auto header = reinterpret_cast<HWND>(SendMessageW(v.child, LVM_GETHEADER, 0, 0));
        EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), c.columns);
        EXPECT_EQ(ZelLVGetBkColor(v.list), c.bk);
        EXPECT_EQ(int(ZelLVGetStyle(v.list) & LVS_TYPEMASK), c.report);
        EXPECT_EQ(v.ImageCount(LVSIL_NORMAL), c.images);
        EXPECT_EQ(v.ImageCount(LVSIL_SMALL), c.images);
        EXPECT_EQ(ZelLVGetSortColumn(v.list), c.sortColumn);
        EXPECT_EQ(ZelLVGetSortOrder(v.list), c.sortOrder);
        ZW_HSTR text = 0;
        int format = 0, width = 0;
        ZelLVGetColumn(v.list, c.columns - 1, &text, &format, &width);
        EXPECT_EQ(zwtest::TakeHostText(text) + std::to_wstring(format & LVCFMT_JUSTIFYMASK) + std::to_wstring(width),
                  c.columns == 2 ? L"Size160" : L"Item0100");
    }
    // Without designer data the item is not read.
    zwtest::DesignerItems designer(L"ZW:cListView:10", {{L"ZW:HeaderListBox", Record(2)}});
    ListView v(0);
    EXPECT_EQ(ZelLVGetSortOrder(v.list), 0);
}

TEST(ListView, LabelEditsStoreTextWithinTheLimit) {
    const BYTE withData[8] = {0, 0, 0, 0, 1, 0, 0, 0};
    const struct { bool designer; WPARAM key; const wchar_t* typed; int limit; const wchar_t* after; } cases[] = {
        {false, VK_RETURN, L"renamed", 32, L"renamed"},
        {false, VK_ESCAPE, L"dropped", 32, L"old"},
        {true, VK_RETURN, L"short", 5, L"short"},  // the record's label limit
    };
    for (const auto& c : cases) {
        zwtest::DesignerItems designer(L"ZW:cListView:10", {{L"ZW:HeaderListBox", Record(2)}});
        ListView v(LVS_REPORT | LVS_EDITLABELS, c.designer ? withData : nullptr);
        ZelLVInsertItem(v.list, 0, L"old", 1, 0);
        ZelLVSetItem(v.list, 0, 1, LVIF_TEXT, L"second", 0, 0);
        const auto edit = reinterpret_cast<HWND>(SendMessageW(v.child, LVM_EDITLABELW, 0, 0));
        ASSERT_NE(edit, nullptr) << c.typed;
        EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), c.limit);
        SetWindowTextW(edit, c.typed);
        SendMessageW(edit, WM_KEYDOWN, c.key, 0);
        zwtest::PumpMessages();
        EXPECT_EQ(v.Text(0), c.after);
        EXPECT_EQ(v.Shown(0), c.after);
        EXPECT_EQ(v.Text(0, 1), L"second");
    }
}

TEST(ListView, NotificationsReachTheFormAndTheHost) {
    ListView v;
    // Inserts are forwarded to the form, from the list view window; one
    // forward still waiting in the queue stands for those that follow it.
    v.Rows({{L"one"}, {L"two"}});
    zwtest::PumpMessages();
    v.Rows({{L"three"}});
    zwtest::PumpMessages();
    EXPECT_EQ(CountOf(notes, LOWORD(LVN_INSERTITEM)), 2);
    for (const Note& note : notes) EXPECT_EQ(note.id * 10000 + (note.from == v.window), 1);

    // A click on a row: the form hears of the change and the click, the host
    // gets its click message, and the list view's text is the row's.
    notes.clear();
    RECT row{};
    ZelLVGetItemRect(v.list, 1, &row, LVIR_LABEL);
    const LPARAM at = MAKELPARAM(row.left + 3, (row.top + row.bottom) / 2);
    SendMessageW(v.child, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(v.child, WM_LBUTTONUP, 0, at);
    zwtest::PumpMessages();
    EXPECT_GE(CountOf(notes, LOWORD(LVN_ITEMCHANGED)), 1);
    EXPECT_EQ(CountOf(notes, LOWORD(NM_CLICK)), 1);
    ASSERT_FALSE(hostSeen.empty());
    EXPECT_EQ(hostSeen[0].message, kHostClick);
    WCHAR text[16] = {};
    EXPECT_EQ(GetWindowTextW(v.window, text, 16), 3);
    EXPECT_STREQ(text, L"two");
    EXPECT_EQ(GetWindowTextLengthW(v.window), 3);
    EXPECT_EQ(GetWindowTextW(v.window, text, 2), 1);  // cut to the buffer

    // Selecting through the library tells the host nothing.
    hostSeen.clear();
    const struct { int result, expected; } states[] = {
        {ZelLVSetItemState(v.list, -1, 0, LVIS_SELECTED), 1},
        {ZelLVSetItemState(v.list, 2, LVIS_SELECTED, LVIS_SELECTED), 1},
        {int(ZelLVGetItemState(v.list, 2, LVIS_SELECTED)), LVIS_SELECTED},
        {ZelLVGetSelectedCount(v.list), 1},
        {ZelLVGetNextItem(v.list, -1, LVNI_SELECTED), 2},
        {ZelLVSetItemState(v.list, 7, LVIS_SELECTED, LVIS_SELECTED), 0},
    };
    for (size_t i = 0; i < std::size(states); ++i) EXPECT_EQ(states[i].result, states[i].expected) << i;
    zwtest::PumpMessages();
    EXPECT_TRUE(hostSeen.empty());
    EXPECT_EQ(GetWindowTextLengthW(v.window), 5);

    // Key-ups go to the host; the focus is the host's to give.
    SendMessageW(v.child, WM_KEYUP, VK_DOWN, 0xC0000001);
    zwtest::PumpMessages();
    ASSERT_EQ(hostSeen.size(), 1u);
    EXPECT_EQ(hostSeen[0].message, UINT(WM_KEYUP));
    for (bool allow : {false, true}) {
        HostTestSetFocusAnswer(allow);
        SetFocus(Form());
        SetFocus(v.window);
        HWND asked = nullptr;
        HostTestValidateFocusCount(&asked);
        EXPECT_EQ(asked, v.window);
    }
}

TEST(ListView, ViewQueriesAnswerAsTheControl) {
    ListView v;
    for (int i = 0; i < 30; ++i) ZelLVInsertItem(v.list, i, L"row", i, 0);
    auto raw = [&](UINT m, WPARAM w = 0, LPARAM l = 0) { return int(SendMessageW(v.child, m, w, l)); };
    RECT rect{}, expectedRect{LVIR_BOUNDS, 0, 0, 0};
    raw(LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&expectedRect));
    POINT point{}, expectedPoint{};
    UINT flags = 0;
    const struct { int result, expected; } cases[] = {
        {ZelLVGetItemRect(v.list, 2, &rect, LVIR_BOUNDS), 1},
        {rect.top, int(expectedRect.top)},
        {ZelLVGetItemRect(v.list, 99, &rect, LVIR_BOUNDS), 0},
        {ZelLVGetItemRect(v.list, 2, nullptr, LVIR_BOUNDS), 0},
        {ZelLVHitTest(v.list, expectedRect.left + 4, (expectedRect.top + expectedRect.bottom) / 2, &flags), 2},
        {int(flags & LVHT_ONITEM) != 0, 1},
        {ZelLVHitTest(v.list, 1, 1, nullptr), -1},
        {ZelLVGetStringWidth(v.list, L"abc"), raw(LVM_GETSTRINGWIDTHW, 0, LPARAM(L"abc"))},
        {ZelLVGetStringWidth(v.list, L"abc") > 0, 1},
        {ZelLVGetStringWidth(v.list, nullptr), 0},
        {ZelLVGetCountPerPage(v.list), raw(LVM_GETCOUNTPERPAGE)},
        {ZelLVGetTopIndex(v.list), 0},
        {ZelLVEnsureVisible(v.list, 29, FALSE), 1},
        {ZelLVGetTopIndex(v.list) > 0, 1},
        {ZelLVScroll(v.list, 0, -5000), 1},
        {ZelLVGetTopIndex(v.list), 0},
        {ZelLVGetOrigin(v.list, &point), raw(LVM_GETORIGIN, 0, LPARAM(&expectedPoint))},
        {ZelLVGetOrigin(v.list, nullptr), 0},
        {ZelLVGetViewRect(v.list, &rect), raw(LVM_GETVIEWRECT, 0, LPARAM(&expectedRect))},
        {ZelLVGetViewRect(v.list, nullptr), 0},
        {ZelLVGetNextItem(v.list, 3, LVNI_BELOW), 4},
        {int(ZelLVSetStyle(v.list, LVS_REPORT, 0) & LVS_TYPEMASK), LVS_REPORT},  // icon view now
        {ZelLVSetItemPosition(v.list, 0, 150, 90), 1},
        {ZelLVGetItemPosition(v.list, 0, &point), 1},
        {int(point.x * 1000 + point.y), 150090},
        {ZelLVGetItemPosition(v.list, 0, nullptr), 0},
        {ZelLVArrange(v.list, LVA_DEFAULT), 1},
        {ZelLVGetItemPosition(v.list, 0, &point), 1},
        {int(point.x * 1000 + point.y) != 150090, 1},
    };
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].result, cases[i].expected) << i;
}
