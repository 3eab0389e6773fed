#include "controls/calendar/date_time.h"

#include <cstring>

#include "controls/calendar/core/calendar_math.h"
#include "frame/app.h"
#include "frame/exceptions.h"
#include "frame/host_api.h"
#include "frame/host_string.h"

namespace zw {

namespace {

// String-table ids of the names: weekdays Sunday first, months January first.
constexpr UINT kFirstWeekdayNameId = 32;
constexpr UINT kFirstMonthNameId = 16;

// The process-wide name tables: 8 weekday entries and 13 month entries, entry 0
// a placeholder. Filled from the string table on first use and never again, so
// replacements stay in force for the life of the process. Not locked: all of
// this runs on the host's user-interface thread.
struct NameTables {
    std::vector<std::wstring> weekdays;
    std::vector<std::wstring> months;
    bool ready = false;
};

NameTables& Names() {
    static NameTables tables;
    if (!tables.ready) {
        tables.weekdays.assign(1, L"NULL WEEKDAY");
        for (UINT i = 0; i < 7; ++i) tables.weekdays.push_back(LoadMessage(kFirstWeekdayNameId + i));
        tables.months.assign(1, L"NULL MONTH");
        for (UINT i = 0; i < 12; ++i) tables.months.push_back(LoadMessage(kFirstMonthNameId + i));
        tables.ready = true;
    }
    return tables;
}

std::wstring Entry(const std::vector<std::wstring>& table, int index) {
    if (index < 0 || static_cast<size_t>(index) >= table.size()) throw InvalidArgException();
    return table[index];
}

void Replace(std::vector<std::wstring>& table, const std::vector<std::wstring>& names) {
    const size_t count = table.size() - 1;
    if (names.size() < count) throw UserException();
    for (size_t i = 0; i < count; ++i) table[i + 1] = names[i];
}

HostValue NullHostValue() {
    HostValue value;
    std::memset(&value, 0, sizeof value);
    return value;
}

}  // namespace

CDateTimeSpan::CDateTimeSpan() : value_(NullHostValue()) {}

CDateTimeSpan::CDateTimeSpan(const HostNumber& days) : value_(days) {}

CDateTimeSpan::~CDateTimeSpan() = default;

int CDateTimeSpan::Days() const {
    return HostNumberToInt(&value_);
}

CDateTime::CDateTime() : value_(NullHostValue()) {
    Names();
    HostDateNow(&value_);
}

CDateTime::CDateTime(const HostDate& value) : value_(value) {
    Names();
    value_.lengthAndFlags &= 0x0F;
}

CDateTime::CDateTime(int year, int month, int day) : value_(NullHostValue()) {
    Names();
    HostDateConstruct(&value_, year, month, day, 0, 0, 0);
}

CDateTime::~CDateTime() = default;

int CDateTime::Year() const { return HostDateYear(&value_); }
int CDateTime::Month() const { return HostDateMonth(&value_); }
int CDateTime::Day() const { return HostDateDay(&value_); }

int CDateTime::Weekday() const {
    // The host counts Saturday as 0; the library's weeks run 1 Sunday ... 7 Saturday.
    const int weekday = HostDateWeekday(&value_);
    return weekday == 0 ? 7 : weekday;
}

CDateTime CDateTime::DateOnly() const {
    return CDateTime(Year(), Month(), Day());
}

CDateTime CDateTime::NextDay() const {
    HostDate next = NullHostValue();
    HostNumAdd(&value_, 1.0, &next);
    return CDateTime(next);
}

CDateTime CDateTime::PreviousDay() const {
    HostDate previous = NullHostValue();
    HostNumAdd(&value_, -1.0, &previous);
    return CDateTime(previous);
}

CDateTime CDateTime::AddDays(int days) const {
    HostDate moved = NullHostValue();
    HostNumAdd(&value_, double(days), &moved);
    return CDateTime(moved);
}

CDateTimeSpan CDateTime::Minus(const CDateTime& other) const {
    HostNumber days = NullHostValue();
    HostNumSubtract(&value_, &other.value_, &days);
    return CDateTimeSpan(days);
}

CDateTime CDateTime::Plus(const CDateTimeSpan& span) const {
    HostDate moved = NullHostValue();
    HostNumAddNum(&value_, &span.Value(), &moved);
    return CDateTime(moved);
}

std::wstring CDateTime::Format(const wchar_t* picture) const {
    const HOSTSTR formatted = HostDateFormat(&value_, picture);
    if (!formatted) throw MemoryException();
    std::wstring text = ReadHostString(formatted);
    HostStrRelease(formatted);
    return text;
}

std::wstring CDateTime::CanonicalText() const {
    return Format(kCanonicalDatePicture);
}

bool CDateTime::FromText(const wchar_t* text, CDateTime* target) {
    HostDate value = NullHostValue();
    if (!text || !target || !HostTextToDate(text, &value) || HostValueIsNull(value)) return false;
    *target = CDateTime(value);
    return true;
}

bool CDateTime::IsDateText(const wchar_t* text) {
    return text && HostIsDateText(text) == 1;
}

bool CDateTime::IsLeapYear(int year) { return zw::IsLeapYear(year); }
int CDateTime::DaysInMonth(int month, int year) { return zw::DaysInMonth(month, year); }
int CDateTime::WeekdayOccurrence(int dayOfMonth) { return zw::WeekdayOccurrence(dayOfMonth); }
int CDateTime::FirstCellIndex(int weekdayOfFirst, int firstDayOfWeek) {
    return zw::FirstCellIndex(weekdayOfFirst, firstDayOfWeek);
}

std::wstring CDateTime::WeekdayName(int index) { return Entry(Names().weekdays, index); }
std::wstring CDateTime::MonthName(int index) { return Entry(Names().months, index); }

void CDateTime::SetMonthNames(const std::vector<std::wstring>& names) { Replace(Names().months, names); }
void CDateTime::SetWeekdayNames(const std::vector<std::wstring>& names) { Replace(Names().weekdays, names); }

}  // namespace zw
