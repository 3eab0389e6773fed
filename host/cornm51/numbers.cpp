// The replacement host's number arithmetic, over numbers and date/times alike:
// a date plus a number of days is a date, the difference of two dates a number
// of days (host/host_dates.h).
#include <windows.h>

#include <optional>

#include "frame/host_api.h"
#include "host/core/number_value.h"
#include "host/host_dates.h"

namespace {

// One operand: null, a number, a date/time, or neither (invalid bytes).
struct Operand {
    enum Kind { Null, Number, Date, Invalid } kind = Invalid;
    double number = 0;
    host::DateTime date{};
};

Operand Classify(const HostValue& value) {
    Operand operand;
    if ((value.lengthAndFlags & 0x0F) == 0) {
        operand.kind = Operand::Null;
    } else if (host::ReadNumber(value, &operand.number)) {
        operand.kind = Operand::Number;
    } else if (const auto date = host::DecodeDate(value)) {
        operand.kind = Operand::Date;
        operand.date = *date;
    }
    return operand;
}

BOOL StoreNumber(double value, HostValue* out) {
    *out = host::MakeNumber(value);
    return TRUE;
}

BOOL StoreDate(const std::optional<host::DateTime>& value, HostValue* out) {
    *out = value ? host::EncodeDate(*value) : host::NullValue();
    return value.has_value();
}

BOOL Fail(HostValue* out) {
    *out = host::NullValue();
    return FALSE;
}

}  // namespace

namespace {

// The shared part of the two-operand operations: a null operand makes a null
// result (TRUE), a missing or invalid one fails, and `combine` decides the rest.
template <typename Combine>
BOOL Binary(const HostValue* a, const HostValue* b, HostValue* out, Combine combine) {
    if (!out) return FALSE;
    if (!a || !b) return Fail(out);
    const Operand x = Classify(*a), y = Classify(*b);
    if (x.kind == Operand::Invalid || y.kind == Operand::Invalid) return Fail(out);
    if (x.kind == Operand::Null || y.kind == Operand::Null) {
        *out = host::NullValue();
        return TRUE;
    }
    return combine(x, y);
}

}  // namespace

extern "C" BOOL __stdcall HostNumAddNum(const HostValue* a, const HostValue* b, HostValue* out) {
    return Binary(a, b, out, [out](const Operand& x, const Operand& y) {
        if (x.kind == Operand::Number && y.kind == Operand::Number) return StoreNumber(x.number + y.number, out);
        if (x.kind == Operand::Date && y.kind == Operand::Number) return StoreDate(host::AddDays(x.date, y.number), out);
        if (x.kind == Operand::Number && y.kind == Operand::Date) return StoreDate(host::AddDays(y.date, x.number), out);
        return Fail(out);
    });
}

extern "C" BOOL __stdcall HostNumSubtract(const HostValue* a, const HostValue* b, HostValue* out) {
    return Binary(a, b, out, [out](const Operand& x, const Operand& y) {
        if (x.kind == Operand::Number && y.kind == Operand::Number) return StoreNumber(x.number - y.number, out);
        if (x.kind == Operand::Date && y.kind == Operand::Date) return StoreNumber(host::DaysBetween(x.date, y.date), out);
        if (x.kind == Operand::Date && y.kind == Operand::Number) return StoreDate(host::AddDays(x.date, -y.number), out);
        return Fail(out);
    });
}

extern "C" BOOL __stdcall HostNumAdd(const HostValue* a, double days, HostValue* out) {
    if (!out) return FALSE;
    if (!a) return Fail(out);
    const Operand x = Classify(*a);
    switch (x.kind) {
    case Operand::Null: *out = host::NullValue(); return TRUE;
    case Operand::Number: return StoreNumber(x.number + days, out);
    case Operand::Date: return StoreDate(host::AddDays(x.date, days), out);
    case Operand::Invalid: break;
    }
    return Fail(out);
}
