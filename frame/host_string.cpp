#include "frame/host_string.h"

#include <cstring>
#include <new>

#include "frame/error_recovery.h"

namespace zw {

namespace {
// The caption of the retry dialog shown when the host runs out of string memory.
constexpr wchar_t kRecoveryCaption[] = L"Zelkova Widgets";

bool Fill(HOSTSTR* string, std::wstring_view text) {
    if (text.size() >= 0x7FFFFFFFu / sizeof(WCHAR)) return false;
    if (!HostStrSetSize(string, DWORD((text.size() + 1) * sizeof(WCHAR)))) return false;
    DWORD length = 0;
    WCHAR* buffer = HostStrLock(*string, &length);
    if (!buffer || length < (text.size() + 1) * sizeof(WCHAR)) return false;
    if (!text.empty()) std::memcpy(buffer, text.data(), text.size() * sizeof(WCHAR));
    buffer[text.size()] = 0;
    return true;
}
}  // namespace

void AskAfterStringFailure() {
    if (ShowErrorRecovery(kRecoveryCaption) == kRecoveryHalt) HostAbort();
}

HOSTSTR TryNewHostString(std::wstring_view text) {
    HOSTSTR string = 0;
    return Fill(&string, text) ? string : 0;
}

void AssignHostString(HOSTSTR* string, std::wstring_view text) {
    while (!Fill(string, text)) AskAfterStringFailure();
}

HOSTSTR NewHostStringOfLength(size_t length) {
    if (length >= 0x7FFFFFFFu / sizeof(WCHAR)) throw std::bad_alloc();
    const DWORD bytes = DWORD((length + 1) * sizeof(WCHAR));
    HOSTSTR string = 0;
    for (;;) {
        DWORD stored = 0;
        if (HostStrSetSize(&string, bytes) && HostStrLock(string, &stored) && stored >= bytes) return string;
        AskAfterStringFailure();
    }
}

HOSTSTR NewHostString(std::wstring_view text) {
    HOSTSTR string = 0;
    AssignHostString(&string, text);
    return string;
}

std::wstring ReadHostString(HOSTSTR string) {
    DWORD length = 0;
    const WCHAR* text = HostStrLock(string, &length);
    if (!text) return {};
    size_t max = length / sizeof(WCHAR);
    size_t used = 0;
    while (used < max && text[used]) ++used;
    return std::wstring(text, used);
}

}  // namespace zw
