// ZelCalClearSpecials, ZelCalSpecialDate, ZelCalIsDateSpecial,
// ZelCalGetSpecials: a calendar's special-date rules, as the application
// sees them. A rule takes year, month and day from its date argument.
#include "controls/calendar/calendar_api.h"
#include "frame/exceptions.h"

using zw::CCalendar;
using zw::CDateTime;
using zw::calendar::SpecialRule;

namespace {

SpecialRule RuleFrom(int kind, const HostDate& date, int weekday, int occurrence) {
    const CDateTime day(date);
    SpecialRule rule;
    rule.kind = kind;
    rule.year = day.Year();
    rule.month = day.Month();
    rule.day = day.Day();
    rule.weekday = weekday;
    rule.occurrence = occurrence;
    return rule;
}

void PutNumber(HARRAY array, LONG value, LONG index) {
    HostNumber number{};
    if (!HostLongToNumber(value, &number) || !HostArrayPutNumber(array, &number, index))
        throw zw::InvalidArgException();
}

}  // namespace

extern "C" int __stdcall ZelCalClearSpecials(void* calendar) {
    // The name context is the one this function has always reported under.
    return zw::CalendarCall(L"ZelCalClearSpecial()", calendar, 0, L" - Unable to clear special dates.",
                            [](CCalendar& c) { return c.ClearSpecials(true); });
}

extern "C" int __stdcall ZelCalSpecialDate(void* calendar, int kind, HostDate date, int weekday, int occurrence,
                                           COLORREF textColour, COLORREF backgroundColour, int add) {
    return zw::CalendarCall(L"ZelCalSpecialDate()", calendar, 0,
                            L" - Unable to add/remove date from special rule list.", [&](CCalendar& c) {
                                SpecialRule rule = RuleFrom(kind, date, weekday, occurrence);
                                rule.text = textColour;
                                rule.background = backgroundColour;
                                return c.SetSpecialRule(rule, add);
                            });
}

extern "C" int __stdcall ZelCalIsDateSpecial(void* calendar, int kind, HostDate date, int weekday, int occurrence) {
    return zw::CalendarCall(L"ZelCalIsDateSpecial()", calendar, 0,
                            L" - Unable to determine if specified date is special.", [&](CCalendar& c) {
                                return c.MatchSpecial(RuleFrom(kind, date, weekday, occurrence), nullptr) ? 1 : 0;
                            });
}

extern "C" int __stdcall ZelCalGetSpecials(void* calendar, HARRAY kinds, HARRAY dates, HARRAY weekdays,
                                           HARRAY occurrences) {
    return zw::CalendarCall(L"ZelCalGetSpecials()", calendar, -1, L" - Unable to retrieve special weekdays.",
                            [&](CCalendar& c) {
                                for (HARRAY array : {kinds, dates, weekdays, occurrences}) zw::CheckHostArray(array);
                                LONG index = 0;
                                for (const auto& entry : c.Specials().All()) {
                                    const SpecialRule& rule = entry.second;
                                    PutNumber(kinds, rule.kind, index);
                                    const CDateTime day(rule.year, rule.month, rule.day);
                                    if (!HostArrayPutDateTime(dates, &day.Value(), index))
                                        throw zw::InvalidArgException();
                                    PutNumber(weekdays, rule.weekday, index);
                                    PutNumber(occurrences, rule.occurrence, index);
                                    ++index;
                                }
                                for (HARRAY array : {kinds, dates, weekdays, occurrences})
                                    zw::SetArrayCount(array, index);
                                return int(index);
                            });
}
