#include "controls/calendar/combo_cal.h"

#include <new>
#include <utility>

#include "controls/calendar/edit_date.h"
#include "controls/dropdown/dropdown_field.h"
#include "controls/dropdown/dropdown_protocol.h"
#include "controls/dropdown/silent_popup.h"
#include "frame/control_factories.h"
#include "frame/designer_data.h"
#include "frame/exceptions.h"
#include "frame/host_api.h"

namespace zw {

CComboCal* CComboCal::FromInstance(void* instance) {
    return dynamic_cast<CComboCal*>(Control::FromInstance(instance));
}

CCalendar* CComboCal::Calendar() const {
    return dynamic_cast<CCalendar*>(Wnd::FromHandle(PopupWindow()));
}

// Edit, then the popup calendar, then the designer record (or the defaults).
void CComboCal::CreateChildren(const CREATESTRUCTW& create) {
    RECT client{};
    GetClientRect(Handle(), &client);
    CEditCmb* edit = CEditCmb::Create(new (std::nothrow) CEditDate, dropdown::FieldStyle(), client, Handle(), 0);
    if (!edit) throw MemoryException();
    SetEditChild(edit->Handle());
    CCalendar* calendar = CCalendar::Create(CCalendar::kPopupStyle, RECT{}, Handle());
    if (!calendar) throw MemoryException();
    // A popup made for a child window is owned by the child's top-level
    // window; its notifications belong to the drop-down.
    calendar->SetOwner(Handle());
    SetPopup(calendar->Handle());
    calendar::SPropComboCal record;
    LoadDesignerRecord(Handle(), create, kCalendarComboItemName, record);
    ApplyRecord(record);
}

void CComboCal::ApplyRecord(const calendar::SPropComboCal& record) {
    if (CCalendar* calendar = Calendar()) {
        dropdown::SilentPopup<CCalendar> silent(calendar);
        calendar->ApplyRecord(record.calendar);
    }
    SetEditable(record.editable != 0);
    SetPicture(std::wstring(record.picture.begin(), record.picture.end()));
    if (record.calendar.useInitialDate == 1 && record.calendar.initialDate.empty()) SetEditTextQuietly(L"");
}

bool CComboCal::SetPicture(std::wstring picture) {
    const bool replaced = !picture_.empty();
    picture_ = std::move(picture);
    if (const CCalendar* calendar = Calendar())
        SetEditTextQuietly(calendar->FocusDate().Format(picture_.c_str()).c_str());
    return replaced;
}

CDateTime CComboCal::FieldDate() const {
    CDateTime date;
    const int length = GetWindowTextLengthW(EditWindow());
    std::wstring text(size_t(length) + 1, L'\0');
    GetWindowTextW(EditWindow(), text.data(), length + 1);
    CDateTime::FromText(text.c_str(), &date);
    return date;
}

void CComboCal::ShowDate(const CDateTime& date) {
    SetWindowTextW(EditWindow(), date.Format(picture_.c_str()).c_str());
}

void CComboCal::StepDate(WORD key) {
    CDateTime date;
    if (key == CEditDate::kCodeNextDay) date = FieldDate().NextDay();
    if (key == CEditDate::kCodePreviousDay) date = FieldDate().PreviousDay();
    ShowDate(date.DateOnly());
    Notify(dropdown::kCodeValueChanged);
}

// ---- dropping down ------------------------------------------------------------------

// A field the host refused the focus to does not open; the button's capture
// is let go so that it springs back.
bool CComboCal::MayDropDown() {
    const CDropDownField* field = Field();
    if (!field || !field->AcceptedFocus()) {
        ReleaseCapture();
        return false;
    }
    return CComboCtrl::MayDropDown();
}

void CComboCal::GivePopupValue() {
    CCalendar* calendar = Calendar();
    if (!calendar) return;
    dropdown::SilentPopup<CCalendar> silent(calendar);
    calendar->SetFocusDate(FieldDate(), true, true);
}

// The calendar overlaps the field's bottom edge by one pixel.
dropdown::PopupRule CComboCal::PopupPlacement() const {
    dropdown::PopupRule rule = CComboCtrl::PopupPlacement();
    rule.belowOffset = -1;
    return rule;
}

// ---- notifications ------------------------------------------------------------------

void CComboCal::OnEditCommand(WORD code) {
    switch (code) {
    case CEditDate::kCodeToday:
    case CEditDate::kCodeNextDay:
    case CEditDate::kCodePreviousDay: StepDate(code); break;
    default: CComboCtrl::OnEditCommand(code);
    }
}

void CComboCal::OnEditChanged() {
    if (!EditChangeCounts()) return;
    HostSetFieldEdited(Handle(), TRUE);
    CComboCtrl::OnEditChanged();
}

void CComboCal::OnPopupCommand(WORD code) {
    switch (code) {
    case dropdown::kCodeValueChanged:
        if (const CCalendar* calendar = Calendar()) ShowDate(calendar->FocusDate());
        Notify(dropdown::kCodeValueChanged);
        break;
    case dropdown::kCodeCloseUp: RequestCloseUp(); break;
    case dropdown::kCodeFocusLost:
    case kNotifyMonthChanged: Notify(code); break;
    }
}

Control* NewCalendarDropDownControl() { return new (std::nothrow) CComboCal; }

}  // namespace zw
