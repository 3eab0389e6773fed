// ZelStrSubstitute: every occurrence of a text replaced.
#include <windows.h>

#include "frame/call_frame.h"
#include "include/zwi51.h"
#include "util/strings/core/substitute.h"
#include "util/strings/host_string_writer.h"
#include "util/strings/text_args.h"

// Unlike the other string results there is no retry: 0 when the result cannot
// be made. Null arguments read as empty texts. The result is written straight
// into the new host string: on texts of many megabytes a second buffer of the
// result's size would cost as much as the whole substitution.
extern "C" HOSTSTR __stdcall ZelStrSubstitute(LPCWSTR text, LPCWSTR find, LPCWSTR replacement) {
    return zw::Guarded(L"ZelStrSubstitute()", HOSTSTR(0), [&] {
        using namespace zw::strings;
        const Substitution substitution(TextArg(text), TextArg(find), TextArg(replacement));
        return TryNewHostStringInPlace(substitution.ResultLength(), [&](WCHAR* out) {
            substitution.WriteTo(reinterpret_cast<char16_t*>(out));
        });
    });
}
