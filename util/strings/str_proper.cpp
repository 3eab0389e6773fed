// ZelStrProper: a proper-cased copy of a text.
#include <windows.h>

#include <new>
#include <string>

#include "include/zwi51.h"
#include "util/strings/core/proper_case.h"
#include "util/strings/string_result.h"
#include "util/strings/system_case.h"
#include "util/strings/text_args.h"

extern "C" HOSTSTR __stdcall ZelStrProper(LPCWSTR text) {
    return zw::strings::StringResult(L"ZelStrProper()", [&] {
        std::u16string work;
        try {
            work.assign(zw::strings::TextArg(text));
        } catch (const std::bad_alloc&) {
            // No work buffer: the documented answer is the empty string.
            return zw::NewHostString(L"");
        }
        zw::strings::ProperCase(work, zw::strings::kSystemCaseMapping);
        return zw::NewHostString(zw::strings::Wide(work));
    });
}
