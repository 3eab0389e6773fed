// ZelCalCmbGetCalendar, ZelCalCmbGetEditable, ZelCalCmbSetEditable,
// ZelCalCmbGetPicture, ZelCalCmbSetPicture, ZelCalCmbGetStyle,
// ZelCalCmbSetStyle: the calendar drop-down's popup calendar, editability,
// date picture and the popup's style bits.
#include "controls/calendar/combo_cal.h"
#include "frame/call_frame.h"
#include "frame/exceptions.h"
#include "include/zwi51.h"

using zw::CComboCal;

namespace {

// The shape of every calendar drop-down export (frame/call_frame.h).
template <typename R, typename Body>
R ComboCalCall(const wchar_t* functionName, void* instance, R failure, const wchar_t* failText, Body&& body) noexcept {
    return zw::ControlCall<CComboCal>(functionName, instance, failure, failText, std::forward<Body>(body));
}

}  // namespace

extern "C" void* __stdcall ZelCalCmbGetCalendar(void* dropDown) {
    return ComboCalCall(L"ZelCalCmbGetCalendar()", dropDown, static_cast<void*>(nullptr),
                        L" - Unable to retrieve child Calendar pointer.", [](CComboCal& c) -> void* {
                            zw::CCalendar* calendar = c.Calendar();
                            if (!calendar) throw zw::InvalidArgException();
                            return static_cast<zw::Wnd*>(calendar);
                        });
}

extern "C" BOOL __stdcall ZelCalCmbGetEditable(void* dropDown) {
    return ComboCalCall(L"ZelCalCmbGetEditable()", dropDown, BOOL(FALSE), L" - Unable to retrieve read-only status.",
                        [](CComboCal& c) { return BOOL(c.IsEditable()); });
}

extern "C" BOOL __stdcall ZelCalCmbSetEditable(void* dropDown, BOOL editable) {
    return ComboCalCall(L"ZelCalCmbSetEditable()", dropDown, BOOL(FALSE), L" - Unable to update read-only status.",
                        [&](CComboCal& c) { return BOOL(c.SetEditable(editable != 0)); });
}

extern "C" int __stdcall ZelCalCmbGetPicture(void* dropDown, LPWSTR buffer, int size) {
    return ComboCalCall(L"ZelCalCmbGetPicture()", dropDown, 0, L" - Unable to retrieve edit mask.",
                        [&](CComboCal& c) {
                            if (!buffer || size < 1) throw zw::UserException();
                            return lstrcpynW(buffer, c.Picture().c_str(), size) ? 1 : 0;
                        });
}

extern "C" int __stdcall ZelCalCmbSetPicture(void* dropDown, LPCWSTR picture) {
    return ComboCalCall(L"ZelCalCmbSetPicture()", dropDown, 0, L" - Unable to update edit mask.",
                        [&](CComboCal& c) { return c.SetPicture(picture ? picture : L"") ? 1 : 0; });
}

extern "C" DWORD __stdcall ZelCalCmbGetStyle(void* dropDown) {
    return ComboCalCall(L"ZelCalCmbGetStyle()", dropDown, DWORD(0), L" - Unable to retrieve style bits.",
                        [](CComboCal& c) {
                            const zw::CCalendar* calendar = c.Calendar();
                            return calendar ? calendar->Style() : DWORD(0);
                        });
}

extern "C" DWORD __stdcall ZelCalCmbSetStyle(void* dropDown, DWORD bits, int on) {
    return ComboCalCall(L"ZelCalCmbSetStyle()", dropDown, DWORD(0), L" - Unable to update style bits.",
                        [&](CComboCal& c) {
                            zw::CCalendar* calendar = c.Calendar();
                            return calendar ? calendar->SetStyle(bits, on != 0) : DWORD(0);
                        });
}
