// Numbers and date/times as doubles, and decimal text as numbers.
#include <cwchar>
#include <cwctype>

#include "frame/host_api.h"
#include "host/core/date_value.h"
#include "host/core/number_value.h"

extern "C" double __stdcall HostValueToDouble(const HostValue* value) {
    if (!value) return 0;
    double number = 0;
    if (host::ReadNumber(*value, &number)) return number;
    if (const auto date = host::DecodeDate(*value)) {
        return double(date->day) + double(date->microsecond) / double(host::kMicrosecondsPerDay);
    }
    return 0;
}

// The whole text must be the number: an optional sign, digits, and an optional
// fraction after a point; no blanks, no exponent.
extern "C" BOOL __stdcall HostDecimalToNumber(LPCWSTR text, HostNumber* number) {
    if (!number) return FALSE;
    *number = host::NullValue();
    if (!text) return FALSE;
    const wchar_t* at = text;
    if (*at == L'-' || *at == L'+') ++at;
    int digits = 0;
    for (; std::iswdigit(*at); ++at) ++digits;
    if (*at == L'.') {
        for (++at; std::iswdigit(*at); ++at) ++digits;
    }
    if (digits == 0 || *at != 0) return FALSE;
    *number = host::MakeNumber(std::wcstod(text, nullptr));
    return TRUE;
}
