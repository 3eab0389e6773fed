// ZelStrPad: a text padded with spaces or cut to an exact length.
#include <windows.h>

#include "include/zwi51.h"
#include "util/strings/core/pad.h"
#include "util/strings/string_result.h"
#include "util/strings/text_args.h"

extern "C" HOSTSTR __stdcall ZelStrPad(LPCWSTR text, int length) {
    return zw::strings::StringResult(L"ZelStrPad()", [&] {
        if (!text || length <= 0) return zw::NewHostString(L"");
        return zw::NewHostString(zw::strings::Wide(zw::strings::Pad(zw::strings::TextArg(text), length)));
    });
}
