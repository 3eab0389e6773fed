// The list view drop-down through the library: its parts and defaults, the
// exports with their failure values, the list opened and closed by button,
// keys, a row click and focus loss with the chosen row's text in the field,
// rows selected by the program, the host's refusal, and designer records.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <objidl.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/win/support/calendar_harness.h"
#include "tests/win/support/designer_items.h"
#include "tests/win/support/dropdown_field.h"
#include "tests/win/support/header_list_bytes.h"
#include "tests/win/support/window_pixels.h"
#include "tests/win/support/zwtest.h"

using namespace zwtest;

namespace {

const HMODULE library = LoadLibraryW(L"zwi51.dll");
const std::uint8_t kWithDesignerData[8] = {0, 0, 0, 0, 1, 0, 0, 0};
constexpr UINT kHostClick = 0x2006, kReady = 0x600A;
constexpr int kNmClick = 0xFFFE;  // NM_CLICK's low 16 bits, as the list forwards it

int hostClicks = 0;  // 0x2006 that reached a drop-down window
int readyCount = 0;  // 0x600A sent to a drop-down window

LRESULT CALLBACK CountHostClicks(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (m == kHostClick) ++hostClicks;
    return DefSubclassProc(w, m, wp, lp);
}

LRESULT CALLBACK CountReady(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && reinterpret_cast<CWPSTRUCT*>(lp)->message == kReady) ++readyCount;
    return CallNextHookEx(nullptr, code, wp, lp);
}

// A list view drop-down, 120 x 22, on a form of its own.
struct LvDrop : DropDownField {
    void* list = nullptr;
    HWND edit = nullptr;
    std::vector<int> listNotes;  // the list's own notifications, forwarded in the drop-down's name

    explicit LvDrop(const void* creationRecord = nullptr) {
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountReady, nullptr, GetCurrentThreadId());
        const bool placed = Place(L"ZW:cListViewDropDown:10", 120, 22, creationRecord, WC_LISTVIEWW);
        UnhookWindowsHookEx(hook);
        if (!placed) return;
        edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
        list = ZelLVCmbGetListView(dd);
        SetWindowSubclass(window, CountHostClicks, 1, 0);
        SetFocus(form.Handle());
        Notes();
        hostClicks = 0;
    }
    // Rows "Alpha", "Beta", "Gamma" in report view, each with a second text.
    void Fill() {
        ZelLVSetStyle(list, LVS_REPORT, 1);
        const wchar_t* rows[][2] = {{L"Alpha", L"a2"}, {L"Beta", L"b2"}, {L"Gamma", L"g2"}};
        for (int r = 0; r < 3; ++r) {
            ZelLVInsertItem(list, r, rows[r][0], r, 0);
            ZelLVSetItem(list, r, 1, LVIF_TEXT, rows[r][1], 0, 0);
        }
    }
    // The drop-down's notification codes since the last call; the list's
    // forwarded ones go to listNotes.
    std::vector<int> Notes() {
        std::vector<int> own;
        listNotes.clear();
        for (int code : form.TakeNotifications(window)) (code >= 0xFF00 ? listNotes : own).push_back(code);
        return own;
    }
    POINT RowCentre(int row) const {
        RECT r{};
        ZelLVGetItemRect(list, row, &r, LVIR_LABEL);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    int Columns() const {
        const auto header = reinterpret_cast<HWND>(SendMessageW(popup, LVM_GETHEADER, 0, 0));
        return int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    }
};

using Bytes = zwtest::HeaderListBytes;

}  // namespace

TEST(ListViewDropDown, NewDropDownIsReadOnlyWithAListOf350By250) {
    ASSERT_NE(library, nullptr);
    readyCount = 0;
    LvDrop d;
    ASSERT_NE(d.window, nullptr);
    ASSERT_NE(d.edit, nullptr);
    ASSERT_NE(d.popup, nullptr);
    EXPECT_EQ(readyCount, 1);
    EXPECT_EQ(GetClassLongW(d.window, GCL_STYLE), 0x4088u);
    EXPECT_EQ(DWORD(GetWindowLongW(d.edit, GWL_STYLE)) & ~DWORD(ES_READONLY), 0x50010080u);
    EXPECT_EQ(GetDlgCtrlID(d.edit), 0);
    const DWORD popupStyle = WS_POPUP | WS_CLIPCHILDREN | WS_BORDER;
    EXPECT_EQ(DWORD(GetWindowLongW(d.popup, GWL_STYLE)) & popupStyle, popupStyle);
    EXPECT_FALSE(d.Open());
    EXPECT_EQ(d.Notes(), std::vector<int>{}) << "creation notifies nobody";

    // Read-only until made editable; the flag answers its previous value.
    EXPECT_EQ(ZelLVCmbGetEditable(d.dd), FALSE);
    EXPECT_NE(GetWindowLongW(d.edit, GWL_STYLE) & ES_READONLY, 0);
    const struct { BOOL set, previous; } flags[] = {{1, 0}, {1, 1}, {0, 1}, {7, 0}, {0, 1}};
    for (const auto& f : flags) {
        EXPECT_EQ(ZelLVCmbSetEditable(d.dd, f.set), f.previous) << f.set;
        EXPECT_EQ(ZelLVCmbGetEditable(d.dd), f.set != 0);
        EXPECT_EQ((GetWindowLongW(d.edit, GWL_STYLE) & ES_READONLY) == 0, f.set != 0) << f.set;
    }
    // The drop-down's window text is its field's.
    SetWindowTextW(d.window, L"typed");
    EXPECT_EQ(WindowText(d.edit), L"typed");
    EXPECT_EQ(WindowText(d.window), L"typed");
    EXPECT_EQ(d.Notes(), std::vector<int>{0x300});

    // 350 x 250 until resized; resizing keeps the list's place, and it opens at its new size.
    RECT r = WindowRect(d.popup);
    EXPECT_EQ(r.right - r.left, 350);
    EXPECT_EQ(r.bottom - r.top, 250);
    const struct { int width, height; } sizes[] = {{200, 120}, {400, 60}};
    for (const auto& s : sizes) {
        const RECT before = WindowRect(d.popup);
        EXPECT_NE(ZelLVCmbSetListSize(d.dd, s.width, s.height), FALSE);
        r = WindowRect(d.popup);
        EXPECT_EQ(r.right - r.left, s.width);
        EXPECT_EQ(r.bottom - r.top, s.height);
        EXPECT_EQ(r.left * 10000 + r.top, before.left * 10000 + before.top);
    }
    d.Press();
    EXPECT_EQ(d.Notes(), std::vector<int>{7});
    ASSERT_TRUE(d.Open());
    r = WindowRect(d.popup);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.top, WindowRect(d.window).bottom + 2) << "2 pixels below the drop-down";
    Key(d.popup, VK_ESCAPE);
    d.Notes();

    // The list is a list view for the ZelLV functions.
    EXPECT_EQ(ZelLVInsertItem(d.list, 0, L"row", 5, 0), 0);
    EXPECT_EQ(ZelLVGetItemCount(d.list), 1);
}

TEST(ListViewDropDown, ExportsFailOnBadInstances) {
    const struct {
        const wchar_t* context;
        const wchar_t* text;  // null: no debug line
        std::function<long(void*)> call;
    } exports[] = {
        {L"ZelLVCmbGetListView()", L" - Unable to retrieve child ListView pointer.",
         [](void* d) { return long(reinterpret_cast<intptr_t>(ZelLVCmbGetListView(d))); }},
        {L"ZelLVCmbGetEditable()", L" - Unable to retrieve style bits.", [](void* d) { return long(ZelLVCmbGetEditable(d)); }},
        {L"ZelLVCmbSetEditable()", L" - Unable to update style bits.", [](void* d) { return long(ZelLVCmbSetEditable(d, 1)); }},
        {L"ZelLVCmbSetListSize()", nullptr, [](void* d) { return long(ZelLVCmbSetListSize(d, 100, 100)); }},
    };
    CalendarForm form;
    void* plainListView = nullptr;
    form.Place(L"ZW:cListView:10", 120, 90, &plainListView);
    void* gone = nullptr;
    DestroyWindow(form.Place(L"ZW:cListViewDropDown:10", 120, 22, &gone));
    int garbage[16] = {};
    for (void* bad : {plainListView, ZelLVGetListView(plainListView), gone, static_cast<void*>(garbage)}) {
        for (const auto& e : exports) {
            DebugCapture debug;
            DialogWatcher watcher;
            EXPECT_EQ(e.call(bad), 0) << e.context;
            EXPECT_TRUE(watcher.Seen().empty()) << e.context;
            const std::vector<std::wstring> lines =
                e.text ? std::vector<std::wstring>{std::wstring(e.context) + e.text + L"\n"} : std::vector<std::wstring>{};
            EXPECT_EQ(debug.Lines(), lines) << e.context;
        }
    }
    for (const auto& e : exports) {
        DialogWatcher watcher;
        EXPECT_EQ(e.call(nullptr), 0) << e.context;
        ASSERT_EQ(watcher.Seen().size(), 1u) << e.context;
        EXPECT_EQ(watcher.Seen()[0].helpContext, 48u);
        EXPECT_NE(watcher.Seen()[0].text.find(L"'" + std::wstring(e.context) + L"'"), std::wstring::npos);
    }
}

TEST(ListViewDropDown, OpensClosesAndPutsTheChosenRowIntoTheField) {
    LvDrop d;
    ASSERT_NE(d.popup, nullptr);
    d.Fill();
    const std::vector<int> chosen{0x300, 1, 8};
    struct Way {
        const char* name;
        std::function<void()> open, close;
        std::vector<int> closing;
        const wchar_t* text;  // the field's text after closing
        bool focusLeft;       // the focus went elsewhere
    };
    const Way ways[] = {
        {"button, click on Beta", [&] { d.Press(); }, [&] { Click(d.popup, d.RowCentre(1)); }, chosen, L"Beta", false},
        {"F4, Escape", [&] { Key(d.edit, VK_F4); }, [&] { Key(d.popup, VK_ESCAPE); }, {8, 10}, L"Beta", false},
        {"Alt+Down, Down, Enter", [&] { SendMessageW(d.edit, WM_SYSKEYDOWN, VK_DOWN, 1 << 29); },
         [&] { Key(d.popup, VK_DOWN), Key(d.popup, VK_RETURN); }, chosen, L"Gamma", false},
        {"Alt+Down, Alt+Up", [&] { SendMessageW(d.edit, WM_SYSKEYDOWN, VK_DOWN, 1 << 29); },
         [&] { SendMessageW(d.popup, WM_SYSKEYDOWN, VK_UP, 1 << 29); }, {8}, L"Gamma", false},
        {"button, focus loss", [&] { d.Press(); }, [&] { SetFocus(d.form.Handle()); }, {8}, L"Gamma", true},
    };
    for (const Way& w : ways) {
        SetFocus(d.edit);
        d.Notes();
        hostClicks = 0;
        const int edited = HostTestFieldEditedCount(nullptr);
        w.open();
        EXPECT_EQ(d.Notes(), std::vector<int>{7}) << w.name;
        ASSERT_TRUE(d.Open()) << w.name;
        EXPECT_EQ(GetFocus(), d.popup) << w.name;
        w.close();
        const bool chose = w.closing == chosen;
        EXPECT_EQ(d.Notes(), w.closing) << w.name;
        EXPECT_FALSE(d.Open()) << w.name;
        EXPECT_EQ(WindowText(d.window), w.text) << w.name;
        EXPECT_EQ(hostClicks, chose ? 1 : 0) << w.name;
        EXPECT_EQ(HostTestFieldEditedCount(nullptr) - edited, chose ? 1 : 0) << w.name;
        EXPECT_EQ(GetFocus(), w.focusLeft ? d.form.Handle() : d.edit) << w.name;
        if (w.name == ways[0].name) {
            EXPECT_NE(std::find(d.listNotes.begin(), d.listNotes.end(), kNmClick), d.listNotes.end())
                << "the list's click reaches the form in the drop-down's name";
        }
    }
}

TEST(ListViewDropDown, RowsSelectedThroughTheListFillTheFieldQuietly) {
    LvDrop d;
    ASSERT_NE(d.popup, nullptr);
    d.Fill();
    const int edited = HostTestFieldEditedCount(nullptr);
    const struct { int row; UINT state, mask; const wchar_t* text; } cases[] = {
        {2, LVIS_SELECTED, LVIS_SELECTED, L"Gamma"},
        {0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED, L"Alpha"},  // the first selected row
        {0, 0, LVIS_SELECTED, L"Alpha"},                                           // not selecting: kept
        {1, LVIS_SELECTED, LVIS_FOCUSED, L"Alpha"},                                // not in the mask: kept
        {1, LVIS_SELECTED, LVIS_SELECTED, L"Beta"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZelLVSetItemState(d.list, c.row, c.state, c.mask), TRUE) << c.row;
        EXPECT_EQ(WindowText(d.edit), c.text) << c.row;
    }
    EXPECT_EQ(d.Notes(), std::vector<int>{}) << "the program's choice is not reported";
    EXPECT_EQ(hostClicks, 0);
    EXPECT_EQ(HostTestFieldEditedCount(nullptr), edited);
}

TEST(ListViewDropDown, TheHostsRefusalKeepsItClosedAndTheButtonSpringsBack) {
    LvDrop d;
    ASSERT_NE(d.popup, nullptr);
    HostTestSetFocusAnswer(FALSE);
    SendMessageW(d.button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(GetCapture(), d.button) << "pressed";
    EXPECT_EQ(d.Notes(), std::vector<int>{});
    HostTestSetFocusAnswer(TRUE);
    EXPECT_FALSE(d.Open());
    EXPECT_EQ(GetFocus(), d.form.Handle()) << "the focus stays where it was";
    EXPECT_EQ(GetCapture(), nullptr);
    // Raised again: light above and left, not the pressed button's dark frame.
    const Pixels pixels = PrintedPixels(d.button, RGB(1, 2, 3));
    EXPECT_EQ(pixels.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    d.Press();
    EXPECT_EQ(d.Notes(), std::vector<int>{7});
    EXPECT_TRUE(d.Open());
    Key(d.popup, VK_ESCAPE);
    d.Notes();
}

TEST(ListViewDropDown, DesignerRecords) {
    const int defaultBk = [] {
        LvDrop plain;
        return ZelLVGetBkColor(plain.list);
    }();
    // The container's part (version, editable, text), the list's (columns,
    // version, then by version colours, style, label limit, sort column,
    // images, sort order), then the trailing version.
    auto item = [](unsigned containerVersion, unsigned listVersion, bool trailing) {
        Bytes r;
        r.u32(containerVersion);
        if (containerVersion) r.u8(1), r.str(L"Start");
        r.u16(1);  // one column
        r.column(L"Name", 0, 120, true);
        r.u32(listVersion);
        if (listVersion >= 1) {
            r.u32(RGB(1, 2, 3)), r.u32(RGB(4, 5, 6)), r.u32(RGB(7, 8, 9));
            r.u32(LVS_REPORT), r.u32(5), r.u32(1);
            r.images(2, GetSystemMetrics(SM_CXICON));
            r.images(2, 16);
        }
        if (listVersion >= 2) r.u32(1);
        if (trailing) r.u32(1);
        return r.b;
    };
    const struct {
        std::vector<std::uint8_t> bytes;
        const void* creation;
        BOOL editable;
        const wchar_t* text;
        const wchar_t* column;
        int bk, sortOrder, images;
    } cases[] = {
        {item(1, 2, true), kWithDesignerData, TRUE, L"Start", L"Name", int(RGB(1, 2, 3)), 1, 2},
        {item(1, 1, true), kWithDesignerData, TRUE, L"Start", L"Name", int(RGB(1, 2, 3)), 0, 2},
        {item(0, 0, true), kWithDesignerData, FALSE, L"", L"Name", defaultBk, 0, 1},
        {item(1, 2, false), kWithDesignerData, FALSE, L"", L"Item", defaultBk, 0, 1},  // unreadable: the defaults
        {item(1, 2, true), nullptr, FALSE, L"", L"Item", defaultBk, 0, 1},            // no designer data
    };
    for (const auto& c : cases) {
        DesignerItems items(L"ZW:cListViewDropDown:10", {{L"ZW:CmbHeaderListBox", c.bytes}});
        LvDrop d(c.creation);
        ASSERT_NE(d.popup, nullptr);
        SCOPED_TRACE(std::wstring(c.text) + L"/" + c.column + L"/" + std::to_wstring(c.sortOrder));
        EXPECT_EQ(ZelLVCmbGetEditable(d.dd), c.editable);
        EXPECT_EQ(WindowText(d.window), c.text);
        EXPECT_EQ(d.Columns(), 1);
        ZW_HSTR heading = 0;
        int format = 0, width = 0;
        ZelLVGetColumn(d.list, 0, &heading, &format, &width);
        EXPECT_EQ(TakeHostText(heading), c.column);
        EXPECT_EQ(ZelLVGetBkColor(d.list), c.bk);
        EXPECT_EQ(ZelLVGetSortOrder(d.list), c.sortOrder);
        EXPECT_EQ(ZelLVImageCountGet(d.list), c.images);
        // The list stays in drop-down mode whatever the item held.
        d.Press();
        EXPECT_EQ(d.Notes(), std::vector<int>{7});
        Key(d.popup, VK_ESCAPE);
        EXPECT_EQ(d.Notes(), (std::vector<int>{8, 10}));
    }
}
