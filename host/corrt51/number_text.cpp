// Numbers typed as text (reading rules: host/core/number_text.h).
#include <cwchar>

#include "frame/host_api.h"
#include "host/core/number_text.h"
#include "host/core/number_value.h"

namespace {
std::optional<double> Read(LPCWSTR text) {
    if (!text) return std::nullopt;
    return host::ReadNumberText({reinterpret_cast<const char16_t*>(text), std::wcslen(text)});
}
}  // namespace

extern "C" BOOL __stdcall HostIsNumberText(LPCWSTR text) { return Read(text).has_value(); }

extern "C" BOOL __stdcall HostTextToNumber(LPCWSTR text, HostNumber* number) {
    if (!number) return FALSE;
    const auto value = Read(text);
    *number = value ? host::MakeNumber(*value) : host::NullValue();
    return value.has_value();
}
