// ZelStrSubstitute: every occurrence of a text replaced.
#include <windows.h>

#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "util/strings/core/substitute.h"
#include "util/strings/library_exports.h"
#include "util/strings/text_args.h"

// Unlike the other string results there is no retry: 0 when the result cannot
// be made. Null arguments read as empty texts.
extern "C" HOSTSTR __stdcall ZelStrSubstitute(LPCWSTR text, LPCWSTR find, LPCWSTR replacement) {
    return zw::Guarded(L"ZelStrSubstitute()", HOSTSTR(0), [&] {
        using namespace zw::strings;
        const std::u16string_view source = TextArg(text);
        const std::u16string_view pattern = TextArg(find);
        if (pattern.empty()) return zw::TryNewHostString(Wide(source));
        return zw::TryNewHostString(Wide(Substitute(source, pattern, TextArg(replacement))));
    });
}
