// The replacement host's date/time operations. What values, pictures and the
// text reader are: host/host_dates.h.
#include <windows.h>

#include <cwchar>
#include <optional>
#include <string>

#include "frame/host_api.h"
#include "host/corrt51/strings.h"
#include "host/core/number_value.h"
#include "host/host_dates.h"
#include "host/host_test.h"

namespace {

// How all-numeric dates are read (HostTestSetDateOrder).
host::DateOrder g_dateOrder = host::DateOrder::MonthDayYear;

std::u16string_view View(LPCWSTR text) {
    return {reinterpret_cast<const char16_t*>(text), std::wcslen(text)};
}

std::optional<host::DateTime> Date(const HostDate* value) {
    if (!value) return std::nullopt;
    return host::DecodeDate(*value);
}

// A part of a date through `part`, 0 for a null or invalid date.
template <typename Part>
int PartOf(const HostDate* value, Part part) {
    const auto date = Date(value);
    return date ? part(host::SplitDateTime(*date)) : 0;
}

BOOL Store(const std::optional<host::DateTime>& value, HostDate* out) {
    *out = value ? host::EncodeDate(*value) : host::NullValue();
    return value.has_value();
}

std::optional<host::DateTime> Read(LPCWSTR text) {
    if (!text) return std::nullopt;
    try {
        return host::ReadDateText(View(text), g_dateOrder);
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace

extern "C" BOOL __stdcall HostDateNow(HostDate* out) {
    if (!out) return FALSE;
    SYSTEMTIME now;
    GetLocalTime(&now);
    host::DateTimeParts parts{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
                              now.wMilliseconds * 1000};
    return Store(host::MakeDateTime(parts), out);
}

extern "C" BOOL __stdcall HostDateConstruct(HostDate* out, int year, int month, int day, int hour, int minute,
                                            int second) {
    if (!out) return FALSE;
    return Store(host::ConstructDateTime({year, month, day, hour, minute, second, 0}), out);
}

extern "C" int __stdcall HostDateYear(const HostDate* value) {
    return PartOf(value, [](const host::DateTimeParts& p) { return p.year; });
}
extern "C" int __stdcall HostDateMonth(const HostDate* value) {
    return PartOf(value, [](const host::DateTimeParts& p) { return p.month; });
}
extern "C" int __stdcall HostDateDay(const HostDate* value) {
    return PartOf(value, [](const host::DateTimeParts& p) { return p.day; });
}
extern "C" int __stdcall HostDateHour(const HostDate* value) {
    return PartOf(value, [](const host::DateTimeParts& p) { return p.hour; });
}
extern "C" int __stdcall HostDateMinute(const HostDate* value) {
    return PartOf(value, [](const host::DateTimeParts& p) { return p.minute; });
}
extern "C" int __stdcall HostDateSecond(const HostDate* value) {
    return PartOf(value, [](const host::DateTimeParts& p) { return p.second; });
}

extern "C" int __stdcall HostDateWeekday(const HostDate* value) {
    const auto date = Date(value);
    return date ? host::HostWeekday(date->day) : 0;
}

extern "C" HOSTSTR __stdcall HostDateFormat(const HostDate* value, LPCWSTR picture) {
    try {
        std::u16string text;
        if (const auto date = Date(value)) {
            const std::u16string_view pictureText =
                picture && *picture ? View(picture) : host::DefaultPicture(g_dateOrder);
            text = host::FormatDate(*date, pictureText).value_or(std::u16string());
        }
        return host::ForLibrary(
            host::NewString(std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size())));
    } catch (...) {
        return 0;
    }
}

extern "C" BOOL __stdcall HostTextToDate(LPCWSTR text, HostDate* out) {
    if (!out) return FALSE;
    return Store(Read(text), out);
}

extern "C" BOOL __stdcall HostIsDateText(LPCWSTR text) {
    return Read(text).has_value();
}

extern "C" BOOL __stdcall HostTestSetDateOrder(LPCWSTR order) {
    if (!order) {
        g_dateOrder = host::DateOrder::MonthDayYear;
        return TRUE;
    }
    const auto parsed = host::ParseDateOrder(View(order));
    if (!parsed) return FALSE;
    g_dateOrder = *parsed;
    return TRUE;
}
