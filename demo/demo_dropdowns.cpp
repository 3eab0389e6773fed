// The sample application's date and colour drop-down fields: each is made a
// one-line field in its frame, the date field gets a picture and a date
// through its popup calendar, and the colour field a colour through its
// popup palette, the way host application code sets them.
#include <windows.h>

#include <cstring>

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

}  // namespace

void ShowDropDownDemo(HWND form, HWND dateField, void* dateInstance, HWND colourField, void* colourInstance) {
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
}
