#include "host/core/date_value.h"

#include <cmath>

namespace host {

namespace {

constexpr int kMonthLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days from 0000-03-01 to 0001-01-01 less one: the day numbers below are counted
// in 400-year eras that start on 1 March, so that the leap day ends an era's year.
constexpr std::int32_t kEraOffset = 305;
constexpr std::int32_t kDaysPerEra = 146097;

void PutLittleEndian(std::uint8_t* out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t GetLittleEndian(const std::uint8_t* in, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(in[i]) << (8 * i);
    return value;
}

std::int64_t TotalMicroseconds(const DateTime& value) {
    return static_cast<std::int64_t>(value.day) * kMicrosecondsPerDay + value.microsecond;
}

}  // namespace

bool IsLeapYear(int year) {
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    return kMonthLengths[month] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

std::int32_t DayNumber(int year, int month, int day) {
    // Years start on 1 March here, so January and February belong to the year before.
    const int y = month <= 2 ? year - 1 : year;
    const int era = y / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * kDaysPerEra + dayOfEra - kEraOffset;
}

CivilDate DateOfDay(std::int32_t day) {
    const std::int32_t z = day + kEraOffset;
    const int era = z / kDaysPerEra;
    const int dayOfEra = z - era * kDaysPerEra;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shiftedMonth = (5 * dayOfYear + 2) / 153;
    CivilDate date;
    date.day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    date.month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    date.year = yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0);
    return date;
}

int HostWeekday(std::int32_t day) {
    // Day 1 (0001-01-01) was a Monday, which the host numbers 2.
    return static_cast<int>((static_cast<std::int64_t>(day) + 1) % 7);
}

std::optional<DateTime> MakeDateTime(const DateTimeParts& parts) {
    if (!IsValidDate(parts.year, parts.month, parts.day)) return std::nullopt;
    if (parts.hour < 0 || parts.hour > 23 || parts.minute < 0 || parts.minute > 59 || parts.second < 0 ||
        parts.second > 59 || parts.microsecond < 0 || parts.microsecond > 999'999)
        return std::nullopt;
    const std::int64_t seconds = (parts.hour * 60 + parts.minute) * 60 + parts.second;
    return DateTime{DayNumber(parts.year, parts.month, parts.day), seconds * 1'000'000 + parts.microsecond};
}

std::optional<DateTime> ConstructDateTime(DateTimeParts parts) {
    if (parts.year >= 1 && parts.year <= 9999 && parts.month >= 1 && parts.month <= 12 &&
        parts.day > DaysInMonth(parts.year, parts.month))
        parts.day = DaysInMonth(parts.year, parts.month);
    return MakeDateTime(parts);
}

DateTimeParts SplitDateTime(const DateTime& value) {
    const CivilDate date = DateOfDay(value.day);
    DateTimeParts parts;
    parts.year = date.year;
    parts.month = date.month;
    parts.day = date.day;
    const std::int64_t seconds = value.microsecond / 1'000'000;
    parts.microsecond = static_cast<int>(value.microsecond % 1'000'000);
    parts.second = static_cast<int>(seconds % 60);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.hour = static_cast<int>(seconds / 3600);
    return parts;
}

std::optional<DateTime> AddDays(const DateTime& value, double days) {
    if (!std::isfinite(days)) return std::nullopt;
    // Anything beyond the calendar's whole span cannot land inside it; checking
    // first keeps the conversion to an integer defined.
    const double limit = static_cast<double>(kLastDay) + 1.0;
    if (std::fabs(days) > limit) return std::nullopt;
    const std::int64_t whole = static_cast<std::int64_t>(std::trunc(days));
    const std::int64_t fraction = std::llround((days - static_cast<double>(whole)) * kMicrosecondsPerDay);
    const std::int64_t total = TotalMicroseconds(value) + whole * kMicrosecondsPerDay + fraction;
    if (total < kFirstDay * kMicrosecondsPerDay || total >= (kLastDay + 1) * kMicrosecondsPerDay)
        return std::nullopt;
    return DateTime{static_cast<std::int32_t>(total / kMicrosecondsPerDay), total % kMicrosecondsPerDay};
}

double DaysBetween(const DateTime& a, const DateTime& b) {
    // Whole days and the time difference apart, so whole-day spans stay exact.
    const double wholeDays = static_cast<double>(a.day) - static_cast<double>(b.day);
    return wholeDays + static_cast<double>(a.microsecond - b.microsecond) / kMicrosecondsPerDay;
}

HostValue EncodeDate(const DateTime& value) {
    HostValue encoded{};
    encoded.lengthAndFlags = kDateLength;
    PutLittleEndian(encoded.digits, static_cast<std::uint32_t>(value.day), 4);
    PutLittleEndian(encoded.digits + 4, static_cast<std::uint64_t>(value.microsecond), 8);
    return encoded;
}

bool HasDateLength(const HostValue& value) {
    return (value.lengthAndFlags & 0x0F) == kDateLength;
}

std::optional<DateTime> DecodeDate(const HostValue& value) {
    if (!HasDateLength(value)) return std::nullopt;
    for (int i = kDateLength; i < 24; ++i)
        if (value.digits[i] != 0) return std::nullopt;
    const auto day = static_cast<std::int32_t>(static_cast<std::uint32_t>(GetLittleEndian(value.digits, 4)));
    const auto microsecond = static_cast<std::int64_t>(GetLittleEndian(value.digits + 4, 8));
    if (day < kFirstDay || day > kLastDay || microsecond < 0 || microsecond >= kMicrosecondsPerDay)
        return std::nullopt;
    return DateTime{day, microsecond};
}

}  // namespace host
