// ZelStrLeftTrim, ZelStrRightTrim, ZelStrTrim: copies without leading and/or
// trailing whitespace.
#include <windows.h>

#include "include/zwi51.h"
#include "util/strings/core/trim.h"
#include "util/strings/string_result.h"
#include "util/strings/text_args.h"

namespace {

template <typename Trimmer>
HOSTSTR TrimmedString(const wchar_t* functionName, LPCWSTR text, Trimmer trim) {
    return zw::strings::StringResult(functionName, [&] {
        return zw::NewHostString(zw::strings::Wide(trim(zw::strings::TextArg(text))));
    });
}

}  // namespace

extern "C" HOSTSTR __stdcall ZelStrLeftTrim(LPCWSTR text) {
    return TrimmedString(L"ZelStrLeftTrim()", text, &zw::strings::LeftTrim);
}

extern "C" HOSTSTR __stdcall ZelStrRightTrim(LPCWSTR text) {
    return TrimmedString(L"ZelStrRightTrim()", text, &zw::strings::RightTrim);
}

extern "C" HOSTSTR __stdcall ZelStrTrim(LPCWSTR text) {
    return TrimmedString(L"ZelStrTrim()", text, &zw::strings::Trim);
}
