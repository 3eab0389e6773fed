// A drop-down control placed on a test form of its own, with the parts every
// drop-down has: its button and its popup, and the clicks that open it.
#pragma once

#include <windows.h>

#include "tests/win/support/calendar_harness.h"

namespace zwtest {

struct DropDownField {
    CalendarForm form;
    void* dd = nullptr;
    HWND window = nullptr, button = nullptr, popup = nullptr;

    // Places a control of `windowClass`, finds its button and its popup (the
    // window of `popupClass` that the form owns); false when nothing was made.
    bool Place(const wchar_t* windowClass, int width, int height, const void* creationRecord,
               const wchar_t* popupClass) {
        window = form.Place(windowClass, width, height, &dd, creationRecord);
        if (!window) return false;
        button = FindWindowExW(window, nullptr, L"ZW:CmbBtn:10", nullptr);
        for (HWND w = FindWindowExW(nullptr, nullptr, popupClass, nullptr); w;
             w = FindWindowExW(nullptr, w, popupClass, nullptr))
            if (GetWindow(w, GW_OWNER) == form.Handle()) popup = w;
        return true;
    }
    // A click on the button.
    void Press() {
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    bool Open() const { return IsWindowVisible(popup) != FALSE; }
};

}  // namespace zwtest
