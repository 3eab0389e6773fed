// The sample application's date, colour and list drop-down fields: each is
// made a one-line field in its frame, the date field gets a picture and a
// date through its popup calendar, the colour field a colour through its
// popup palette, and the list field a list of currencies in three columns
// with the euro chosen, the way host application code sets them.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "demo/demo_arrays.h"
#include "host/host_test.h"
#include "include/zwi51.h"

namespace {

constexpr int kFieldWidth = 160;
constexpr int kFieldHeight = 22;

void MakeField(HWND dropDown) {
    SetWindowPos(dropDown, nullptr, 0, 0, kFieldWidth, kFieldHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Label(HWND form, HWND field, const wchar_t* text) {
    RECT rect{};
    GetWindowRect(field, &rect);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
    CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE, rect.left, rect.bottom + 6, kFieldWidth + 20, 50, form,
                    nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A list of currencies: code, name and country, sorted by code.
void FillCurrencies(void* list) {
    ZelLVSetStyle(list, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 1);
    HARRAY headings = Texts({L"Code", L"Currency", L"Country"});
    HARRAY formats = Numbers({LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT});
    HARRAY widths = Numbers({50, 100, 110});
    ZelLVColumnsAssign(list, headings, formats, widths, 3);
    for (HARRAY array : {headings, formats, widths}) HostArrayDestroy(array);
    const struct { const wchar_t *code, *currency, *country; } rows[] = {
        {L"USD", L"US dollar", L"United States"}, {L"EUR", L"Euro", L"Euro area"},
        {L"JPY", L"Yen", L"Japan"},               {L"GBP", L"Pound sterling", L"United Kingdom"},
        {L"CHF", L"Swiss franc", L"Switzerland"},
    };
    int row = 0;
    for (const auto& r : rows) {
        ZelLVInsertItem(list, row, r.code, row, 0);
        ZelLVSetItem(list, row, 1, LVIF_TEXT, r.currency, 0, 0);
        ZelLVSetItem(list, row, 2, LVIF_TEXT, r.country, 0, 0);
        ++row;
    }
    ZelLVSetSortColumn(list, 0);
    ZelLVSortItems(list);
}

}  // namespace

void ShowDropDownDemo(HWND form, HWND dateField, void* dateInstance, HWND colourField, void* colourInstance,
                      HWND listField, void* listInstance) {
    if (dateField && dateInstance) {
        MakeField(dateField);
        ZelCalCmbSetPicture(dateInstance, L"ddd dd MMM yyyy");
        ZelCalCmbSetEditable(dateInstance, TRUE);
        HostDate today{};
        HostDateNow(&today);
        HostDate payday{};
        HostDateConstruct(&payday, HostDateYear(&today), HostDateMonth(&today), 25, 0, 0, 0);
        ZW_HOSTVALUE value;
        std::memcpy(&value, &payday, sizeof value);
        ZelCalSetFocusDate(ZelCalCmbGetCalendar(dateInstance), value);
        Label(form, dateField, L"F4 or Alt+Down opens the calendar; T, + and - step the date.");
    }
    if (colourField && colourInstance) {
        MakeField(colourField);
        void* palette = ZelPalCmbPaletteGet(colourInstance);
        ZelPalMenuAdd(palette, L"Automatic", 1);
        ZelPalFocusSet(palette, 0, 5);  // cyan
        Label(form, colourField, L"The button opens the palette; a click picks a colour.");
    }
    if (listField && listInstance) {
        MakeField(listField);
        void* list = ZelLVCmbGetListView(listInstance);
        FillCurrencies(list);
        ZelLVCmbSetListSize(listInstance, 280, 120);
        // Selecting a row from the program also puts its code into the field.
        ZelLVSetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Label(form, listField, L"The button opens a list of currencies; a row picks its code.");
    }
}

// Opens a drop-down field's popup the way the user does with the keyboard:
// F4 in the field once it has the focus.
void OpenDropDown(HWND field) {
    HWND edit = FindWindowExW(field, nullptr, L"Edit", nullptr);
    if (!edit) return;
    SetFocus(edit);
    SendMessageW(edit, WM_KEYDOWN, VK_F4, 0);
}
