// Conversions between integers, doubles and host numbers
// (representation: host/core/number_value.h).
#include <climits>

#include "frame/host_api.h"
#include "host/core/number_value.h"

namespace {
BOOL Store(double value, HostNumber* number) {
    if (!number) return FALSE;
    *number = host::MakeNumber(value);
    return TRUE;
}
}  // namespace

extern "C" BOOL __stdcall HostLongToNumber(LONG value, HostNumber* number) { return Store(value, number); }
extern "C" BOOL __stdcall HostWordToNumber(WORD value, HostNumber* number) { return Store(value, number); }
extern "C" BOOL __stdcall HostUIntToNumber(UINT value, HostNumber* number) { return Store(value, number); }
extern "C" BOOL __stdcall HostIntToNumber(int value, HostNumber* number) { return Store(value, number); }
extern "C" BOOL __stdcall HostDoubleToNumber(double value, HostNumber* number) { return Store(value, number); }

extern "C" LONG __stdcall HostNumberToLong(const HostNumber* number) {
    return number ? LONG(host::NumberToInteger(*number, LONG_MIN, LONG_MAX)) : 0;
}
extern "C" WORD __stdcall HostNumberToWord(const HostNumber* number) {
    return number ? WORD(host::NumberToInteger(*number, 0, 0xFFFF)) : 0;
}
extern "C" int __stdcall HostNumberToInt(const HostNumber* number) {
    return number ? int(host::NumberToInteger(*number, INT_MIN, INT_MAX)) : 0;
}
extern "C" UINT __stdcall HostNumberToUInt(const HostNumber* number) {
    return number ? UINT(host::NumberToInteger(*number, 0, UINT_MAX)) : 0;
}
