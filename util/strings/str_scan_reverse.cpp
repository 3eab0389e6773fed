// ZelStrScanReverse: backward, case-insensitive search.
#include <windows.h>

#include "frame/call_frame.h"
#include "include/zwi51.h"
#include "util/strings/core/scan_reverse.h"
#include "util/strings/system_case.h"
#include "util/strings/text_args.h"

// The search throws nothing of the library's own, so anything caught (running
// out of memory for the search tables) is reported as message 52.
extern "C" int __stdcall ZelStrScanReverse(LPCWSTR text, int start, LPCWSTR find) {
    if (!text || !find) return -1;
    return zw::Guarded(L"ZelStrScanReverse()", -1, [&] {
        return zw::strings::ScanReverse(zw::strings::TextArg(text), start, zw::strings::TextArg(find),
                                        &zw::strings::SystemLower);
    });
}
