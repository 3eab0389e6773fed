// The calendar drop-down through the library: its parts and defaults, the
// exports with their failure values, dropping the calendar down and closing
// it by button, keys, clicks and focus loss, dates flowing from the field to
// the calendar and back, the date keys, the host's refusal and field-edited
// marks, designer records and the popup's place near the screen's bottom.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/win/support/calendar_harness.h"
#include "tests/win/support/designer_items.h"
#include "tests/win/support/dropdown_field.h"
#include "tests/win/support/zwtest.h"

using namespace zwtest;

namespace {

const HMODULE library = LoadLibraryW(L"zwi51.dll");
const std::uint8_t kWithDesignerData[8] = {0, 0, 0, 0, 1, 0, 0, 0};

// A date formatted by the host with a picture.
std::wstring Formatted(const HostDate& date, const wchar_t* picture) {
    return TakeHostText(HostDateFormat(&date, picture));
}

HostDate Today() {
    HostDate now{};
    HostDateNow(&now);
    return Date(HostDateYear(&now), HostDateMonth(&now), HostDateDay(&now));
}

// A calendar drop-down, 140 x 22, on a form of its own; the field shows
// dates as "yyyy-MM-dd".
struct CalDrop : DropDownField {
    void* calendar = nullptr;
    HWND edit = nullptr;

    explicit CalDrop(const void* creationRecord = nullptr, const wchar_t* picture = L"yyyy-MM-dd") {
        if (!Place(L"ZW:cComboCal:10", 140, 22, creationRecord, L"ZW:Calendar:10")) return;
        edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
        calendar = ZelCalCmbGetCalendar(dd);
        if (picture) ZelCalCmbSetPicture(dd, picture);
        SetFocus(form.Handle());
        Notes();
    }
    std::vector<int> Notes() { return form.TakeNotifications(window); }
    std::wstring Text() const { return WindowText(edit); }
};

}  // namespace

TEST(CalendarDropDown, PartsAndDefaults) {
    ASSERT_NE(library, nullptr);
    const int edited = HostTestFieldEditedCount(nullptr);
    CalDrop c(nullptr, nullptr);
    ASSERT_NE(c.window, nullptr);
    ASSERT_NE(c.dd, nullptr);
    ASSERT_NE(c.edit, nullptr);
    ASSERT_NE(c.button, nullptr);
    ASSERT_NE(c.popup, nullptr);
    EXPECT_EQ(GetClassLongW(c.window, GCL_STYLE), 0x6888u);
    EXPECT_EQ(DWORD(GetWindowLongW(c.edit, GWL_STYLE)) & 0xFFFF00FFu, 0x50010080u);
    EXPECT_EQ(DWORD(GetWindowLongW(c.popup, GWL_STYLE)) & (WS_POPUP | WS_BORDER | WS_CLIPCHILDREN),
              DWORD(WS_POPUP | WS_BORDER | WS_CLIPCHILDREN));
    // Read-only, showing today with the host's default picture; no popup yet.
    EXPECT_EQ(ZelCalCmbGetEditable(c.dd), FALSE);
    EXPECT_TRUE(GetWindowLongW(c.edit, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(c.Text(), Formatted(Today(), L""));
    EXPECT_FALSE(c.Open());
    EXPECT_EQ(ZelCalCmbGetStyle(c.dd), DWORD(ZW_CAL_AUTOSIZE | ZW_CAL_DROPDOWN | ZW_CAL_ARROWSACTIVE |
                                             ZW_CAL_KEYBOARD | ZW_CAL_OUTSIDESELECTABLE | ZW_CAL_SPECIALSELECTABLE |
                                             ZW_CAL_SHOWOUTSIDE | ZW_CAL_SHOWFOCUS));
    EXPECT_EQ(HostTestFieldEditedCount(nullptr), edited) << "creation edits nothing";
    // The picture: 0 for replacing the empty one, 1 after.
    WCHAR buffer[16];
    EXPECT_EQ(ZelCalCmbGetPicture(c.dd, buffer, 16), 1);
    EXPECT_STREQ(buffer, L"");
    EXPECT_EQ(ZelCalCmbSetPicture(c.dd, L"dd.MM.yyyy"), 0);
    EXPECT_EQ(c.Text(), Formatted(Today(), L"dd.MM.yyyy"));
    EXPECT_EQ(ZelCalCmbSetPicture(c.dd, L"yyyy/MM/dd"), 1);
    EXPECT_EQ(ZelCalCmbGetPicture(c.dd, buffer, 5), 1);
    EXPECT_STREQ(buffer, L"yyyy") << "cut to the buffer";
    EXPECT_EQ(ZelCalCmbSetPicture(c.dd, nullptr), 1);
    EXPECT_EQ(ZelCalCmbSetPicture(c.dd, L"yyyy-MM-dd"), 0);
    // Editability and the popup's style bits.
    EXPECT_EQ(ZelCalCmbSetEditable(c.dd, TRUE), FALSE);
    EXPECT_EQ(ZelCalCmbGetEditable(c.dd), TRUE);
    EXPECT_FALSE(GetWindowLongW(c.edit, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(ZelCalCmbSetEditable(c.dd, FALSE), TRUE);
    const DWORD style = ZelCalCmbGetStyle(c.dd);
    EXPECT_EQ(ZelCalCmbSetStyle(c.dd, ZW_CAL_3D, 1), style);
    EXPECT_EQ(ZelCalGetStyle(c.calendar), style | ZW_CAL_3D);
    // The popup is a calendar for the ZelCal functions; its focus moves show.
    EXPECT_EQ(ZelCalMarkDate(c.calendar, Arg(Date(2009, 5, 20)), 1), 1);
    EXPECT_EQ(ZelCalSetFocusDate(c.calendar, Arg(Date(2009, 5, 13))), 1);
    EXPECT_EQ(c.Notes(), std::vector<int>({3, 0x300, 1}));
    EXPECT_EQ(c.Text(), L"2009-05-13");
    DestroyWindow(c.window);
    EXPECT_FALSE(IsWindow(c.popup)) << "the popup goes with the drop-down";
    EXPECT_EQ(ZelCalCmbGetCalendar(c.dd), nullptr);
}

TEST(CalendarDropDown, ExportsFailOnBadInstances) {
    WCHAR buffer[8];
    const struct {
        const wchar_t* context;
        long failure;
        const wchar_t* text;
        std::function<long(void*)> call;
    } exports[] = {
        {L"ZelCalCmbGetCalendar()", 0, L" - Unable to retrieve child Calendar pointer.", [](void* d) { return long(reinterpret_cast<intptr_t>(ZelCalCmbGetCalendar(d))); }},
        {L"ZelCalCmbGetEditable()", 0, L" - Unable to retrieve read-only status.", [](void* d) { return long(ZelCalCmbGetEditable(d)); }},
        {L"ZelCalCmbSetEditable()", 0, L" - Unable to update read-only status.", [](void* d) { return long(ZelCalCmbSetEditable(d, TRUE)); }},
        {L"ZelCalCmbGetPicture()", 0, L" - Unable to retrieve edit mask.", [&](void* d) { return long(ZelCalCmbGetPicture(d, buffer, 8)); }},
        {L"ZelCalCmbSetPicture()", 0, L" - Unable to update edit mask.", [](void* d) { return long(ZelCalCmbSetPicture(d, L"d")); }},
        {L"ZelCalCmbGetStyle()", 0, L" - Unable to retrieve style bits.", [](void* d) { return long(ZelCalCmbGetStyle(d)); }},
        {L"ZelCalCmbSetStyle()", 0, L" - Unable to update style bits.", [](void* d) { return long(ZelCalCmbSetStyle(d, ZW_CAL_3D, 1)); }},
    };
    // Another control's instance and garbage: the failure value and one debug line.
    CalendarForm form;
    void* plainCalendar = nullptr;
    form.Place(L"ZW:cCalendar:10", 200, 160, &plainCalendar);
    int garbage[16] = {};
    for (void* bad : {plainCalendar, static_cast<void*>(garbage)}) {
        for (const auto& e : exports) {
            DebugCapture debug;
            DialogWatcher watcher;
            EXPECT_EQ(e.call(bad), e.failure) << e.context;
            EXPECT_TRUE(watcher.Seen().empty()) << e.context;
            EXPECT_EQ(debug.Lines(), std::vector<std::wstring>{std::wstring(e.context) + e.text + L"\n"}) << e.context;
        }
    }
    // A null instance: message 48 naming the function (one box: each costs
    // seconds under Wine).
    {
        DialogWatcher watcher;
        EXPECT_EQ(ZelCalCmbGetStyle(nullptr), 0u);
        ASSERT_EQ(watcher.Seen().size(), 1u);
        EXPECT_EQ(watcher.Seen()[0].helpContext, 48u);
        EXPECT_NE(watcher.Seen()[0].text.find(L"'ZelCalCmbGetStyle()'"), std::wstring::npos);
    }
    // A live drop-down with a null buffer or no room.
    CalDrop c;
    for (int size : {0, -1}) EXPECT_EQ(ZelCalCmbGetPicture(c.dd, buffer, size), 0) << size;
    EXPECT_EQ(ZelCalCmbGetPicture(c.dd, nullptr, 8), 0);
}

TEST(CalendarDropDown, OpensOnTheFieldsDateAndClosesEveryWay) {
    CalDrop c;
    ASSERT_NE(c.window, nullptr);
    SetWindowTextW(c.window, L"2009-05-13");
    c.Notes();
    const std::vector<int> opened{7}, closed{8, 2};
    struct Way {
        const char* name;
        std::function<void()> open, close;
        std::vector<int> closing;
    };
    const CalendarMetrics m = [&] {
        c.Press();
        c.Notes();
        const CalendarMetrics metrics = MeasureCalendar(c.popup);
        Key(c.popup, VK_ESCAPE);
        c.Notes();
        return metrics;
    }();
    // May 1st 2009 is a Friday: cell 4 + day with weeks from Sunday.
    const Way ways[] = {
        {"button, Escape", [&] { c.Press(); }, [&] { Key(c.popup, VK_ESCAPE); }, closed},
        {"Alt+Down, Enter", [&] { SendMessageW(c.edit, WM_SYSKEYDOWN, VK_DOWN, 1 << 29); },
         [&] { Key(c.popup, VK_RETURN); }, closed},
        {"F4, Alt+Up", [&] { Key(c.edit, VK_F4); },
         [&] { SendMessageW(c.popup, WM_SYSKEYDOWN, VK_UP, 1 << 29); }, closed},
        {"button, focus loss", [&] { c.Press(); }, [&] { SetFocus(c.form.Handle()); }, closed},
        {"button, click on the 20th", [&] { c.Press(); },
         [&] { Click(c.popup, m.CellCentre(4 + 20)); }, std::vector<int>{0x300, 1, 8, 2}},
    };
    for (const Way& w : ways) {
        SetFocus(c.edit);
        c.Notes();
        w.open();
        EXPECT_EQ(c.Notes(), opened) << w.name;
        ASSERT_TRUE(c.Open()) << w.name;
        EXPECT_EQ(GetFocus(), c.popup) << w.name;
        EXPECT_EQ(FocusOf(c.calendar), Text(Date(2009, 5, 13))) << w.name << ": the field's date";
        const RECT field = WindowRect(c.window), popup = WindowRect(c.popup);
        EXPECT_EQ(popup.top, field.bottom - 1) << w.name;
        EXPECT_EQ(popup.left, field.left) << w.name;
        w.close();
        EXPECT_EQ(c.Notes(), w.closing) << w.name;
        EXPECT_FALSE(c.Open()) << w.name;
        EXPECT_EQ(GetFocus(), w.name == ways[3].name ? c.form.Handle() : c.edit) << w.name;
    }
    EXPECT_EQ(c.Text(), L"2009-05-20") << "the clicked day";
    // Arrow keys in the open calendar rewrite the field at once.
    c.Press();
    c.Notes();
    Key(c.popup, VK_RIGHT);
    EXPECT_EQ(c.Notes(), (std::vector<int>{0x300, 1}));
    EXPECT_EQ(c.Text(), L"2009-05-21");
    Key(c.popup, VK_ESCAPE);
    EXPECT_EQ(c.Notes(), closed);
    // A field without a date opens the calendar on today.
    SetWindowTextW(c.window, L"no date");
    c.Press();
    EXPECT_EQ(c.Notes(), (std::vector<int>{0x300, 7}));
    EXPECT_EQ(FocusOf(c.calendar), Text(Today()));
    EXPECT_EQ(c.Text(), L"no date") << "opening changes nothing in the field";
    Key(c.popup, VK_ESCAPE);
    c.Notes();
}

TEST(CalendarDropDown, DateKeysStepTheFieldsDate) {
    CalDrop c;
    ASSERT_NE(c.window, nullptr);
    const std::wstring today = Formatted(Today(), L"yyyy-MM-dd");
    const struct {
        const wchar_t* text;
        wchar_t key;
        std::wstring shown;
    } cases[] = {
        {L"2009-12-31", L'+', L"2010-01-01"},
        {L"2010-03-01", L'-', L"2010-02-28"},
        {L"2009-12-31", L'T', today},
        {L"2009-12-31", L't', today},
        {L"not a date", L'+', Formatted(AddDays(Today(), 1), L"yyyy-MM-dd")},
    };
    SetFocus(c.edit);
    for (const auto& k : cases) {
        SetWindowTextW(c.edit, k.text);
        c.Notes();
        HWND field = nullptr;
        const int edited = HostTestFieldEditedCount(nullptr);
        Char(c.edit, k.key);
        EXPECT_EQ(c.Notes(), (std::vector<int>{0x300, 1})) << int(k.key);
        EXPECT_EQ(c.Text(), k.shown) << int(k.key);
        EXPECT_EQ(HostTestFieldEditedCount(&field) - edited, 1) << int(k.key);
        EXPECT_EQ(field, c.window) << int(k.key);
    }
    // The calendar learns the date only when it opens next.
    const std::string before = FocusOf(c.calendar);
    Char(c.edit, L'+');
    c.Notes();
    EXPECT_EQ(FocusOf(c.calendar), before);
    // Typing in an editable field marks the host field edited and posts the
    // host message; other characters are typed as they are.
    ZelCalCmbSetEditable(c.dd, TRUE);
    SetFocus(c.edit);
    c.Notes();
    MSG msg;
    while (PeekMessageW(&msg, c.window, 0x2004, 0x2004, PM_REMOVE)) {}
    Char(c.edit, L'5');
    EXPECT_NE(c.Text().find(L'5'), std::wstring::npos);
    EXPECT_TRUE(PeekMessageW(&msg, c.window, 0x2004, 0x2004, PM_REMOVE));
}

TEST(CalendarDropDown, TheHostsRefusalKeepsItClosed) {
    CalDrop c;
    ASSERT_NE(c.window, nullptr);
    SetFocus(c.form.Handle());
    HostTestSetFocusAnswer(FALSE);
    c.Press();
    EXPECT_TRUE(c.Notes().empty());
    Key(c.edit, VK_F4);
    EXPECT_TRUE(c.Notes().empty());
    HostTestSetFocusAnswer(TRUE);
    EXPECT_FALSE(c.Open());
    EXPECT_EQ(GetFocus(), c.form.Handle()) << "the focus stays where it was";
    EXPECT_EQ(GetCapture(), nullptr) << "the button springs back";
    c.Press();
    EXPECT_EQ(c.Notes(), std::vector<int>{7});
    EXPECT_TRUE(c.Open());
    Key(c.popup, VK_ESCAPE);
    c.Notes();
}

TEST(CalendarDropDown, DesignerRecords) {
    // The calendar's stored form (version 1 generic part, version 2 calendar
    // part), then the drop-down's: version, editable, picture.
    auto item = [](bool useInitial, const std::wstring& initial, int version, bool editable,
                   const std::wstring& picture) {
        std::vector<std::uint8_t> b{1, 0, 0, 0, 1, 1, 1, 1, 0, 1, 2, 0, 0, 0, 0, 1, 1, 1, 0, 0};
        auto str = [&](const std::wstring& s) {
            for (int v : {0xFF, 0xFE, 0xFF, int(s.size())}) b.push_back(std::uint8_t(v));
            for (wchar_t ch : s) b.insert(b.end(), {std::uint8_t(ch & 0xFF), std::uint8_t(ch >> 8)});
        };
        b.insert(b.end(), {std::uint8_t(useInitial), 0, 0, 0});
        str(initial);
        b.push_back(0);
        b.insert(b.end(), {std::uint8_t(version), 0, 0, 0});
        if (version == 0) return b;
        b.push_back(editable);
        str(picture);
        return b;
    };
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        BOOL editable;
        std::wstring picture, text;
    } cases[] = {
        {"initial date, picture", item(true, L"2009-05-13", 1, true, L"dd.MM.yyyy"), TRUE, L"dd.MM.yyyy",
         L"13.05.2009"},
        {"blank start", item(true, L"", 1, false, L"yyyy-MM-dd"), FALSE, L"yyyy-MM-dd", L""},
        {"version 0", item(false, L"", 0, true, L""), FALSE, L"", Formatted(Today(), L"")},
    };
    for (const auto& k : cases) {
        DesignerItems items(L"ZW:cComboCal:10", {{L"ZW:CalendarComboBox", k.bytes}});
        CalDrop c(kWithDesignerData, nullptr);
        ASSERT_NE(c.window, nullptr) << k.name;
        EXPECT_EQ(ZelCalCmbGetEditable(c.dd), k.editable) << k.name;
        WCHAR picture[32];
        ZelCalCmbGetPicture(c.dd, picture, 32);
        EXPECT_EQ(picture, k.picture) << k.name;
        EXPECT_EQ(c.Text(), k.text) << k.name;
        EXPECT_TRUE(c.Notes().empty()) << k.name << ": creation notifies nobody";
    }
    // The blank field opens on today.
    DesignerItems items(L"ZW:cComboCal:10", {{L"ZW:CalendarComboBox", cases[1].bytes}});
    CalDrop c(kWithDesignerData, nullptr);
    SetFocus(c.edit);
    c.Press();
    c.Notes();
    EXPECT_EQ(FocusOf(c.calendar), Text(Today()));
    Key(c.popup, VK_ESCAPE);
    c.Notes();
}

TEST(CalendarDropDown, OpensAboveAFieldNearTheScreensBottom) {
    CalDrop c;
    ASSERT_NE(c.window, nullptr);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(c.form.Handle(), nullptr, 10, screenHeight - 60, 300, 50, SWP_NOZORDER | SWP_NOACTIVATE);
    c.Press();
    c.Notes();
    ASSERT_TRUE(c.Open());
    const RECT field = WindowRect(c.window), popup = WindowRect(c.popup);
    EXPECT_EQ(popup.bottom, field.top - 1);
    EXPECT_EQ(popup.left, field.left);
    Key(c.popup, VK_ESCAPE);
    c.Notes();
}
