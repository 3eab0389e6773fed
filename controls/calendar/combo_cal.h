// CComboCal: the calendar drop-down (host class "cCalendarDropDown", window
// class "ZW:cComboCal:10"), a date field. Its edit (CEditDate) shows a date
// formatted with the field's date picture; the button opens a popup calendar
// (CCalendar in drop-down mode) on the field's date, below the field or
// above it near the screen's bottom. Every focus move in the open calendar
// rewrites the field at once; the calendar closes on Enter, Escape, Alt+Up,
// a click outside it or the loss of the focus. The keys "T", "+" and "-" in
// the field set today, the next day and the previous day.
//
// Notifications to the owner (dropdown_protocol.h): 7 dropped down, 8 closed
// up, 1 the field's date was set (from the calendar or by a date key), 2 and
// 3 passed on from the calendar (it lost the focus; its month changed), 0x300
// the field's text changed. Every change of the field's text by the user
// marks the host field edited.
//
// The designer record (SPropComboCal, item "ZW:CalendarComboBox") holds the
// popup calendar's record, the editable flag and the picture. Applications
// reach the popup calendar with ZelCalCmbGetCalendar and use the ZelCal
// functions on it.
//
// Not done here: a text that is not a date is never reported; dropping down
// or a date key reads it as today.
#pragma once

#include <string>

#include "controls/calendar/calendar.h"
#include "controls/calendar/core/prop_combo_cal.h"
#include "controls/dropdown/combo_ctrl.h"

namespace zw {

inline constexpr wchar_t kCalendarComboItemName[] = L"ZW:CalendarComboBox";

class CComboCal : public CComboCtrl {
public:
    CComboCal() : CComboCtrl(false) {}

    // The live calendar drop-down behind an instance, or null.
    static CComboCal* FromInstance(void* instance);

    // The popup calendar; null once it is gone.
    CCalendar* Calendar() const;
    const std::wstring& Picture() const { return picture_; }
    // Makes `picture` the field's date picture and shows the popup
    // calendar's focus date with it. True when the picture it replaced was
    // not empty.
    bool SetPicture(std::wstring picture);
    // Applies a designer record: the calendar's part to the popup, then the
    // editable flag, then the picture; a record that asks for an initial
    // date without giving one leaves the field blank.
    void ApplyRecord(const calendar::SPropComboCal& record);

protected:
    void CreateChildren(const CREATESTRUCTW& create) override;
    bool MayDropDown() override;
    void GivePopupValue() override;
    dropdown::PopupRule PopupPlacement() const override;
    void OnEditCommand(WORD code) override;
    void OnPopupCommand(WORD code) override;
    void OnEditChanged() override;
    const char* ClassName() const override { return "CComboCal"; }

private:
    // The date in the field, or now when it holds none.
    CDateTime FieldDate() const;
    // Writes `date` into the field with the picture.
    void ShowDate(const CDateTime& date);
    // A date key (CEditDate::DateKey): today, the next or the previous day of
    // the field's date, without its time, shown and notified.
    void StepDate(WORD key);

    std::wstring picture_;  // the field's date picture for HostDateFormat; empty: the host's default
};

}  // namespace zw
