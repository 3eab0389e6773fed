#include "frame/call_frame.h"

#include "frame/app.h"

namespace zw {
namespace {
const wchar_t* currentName = L"";
}  // namespace

void DebugLine(const wchar_t* functionName, const std::wstring& text) {
    std::wstring line = functionName ? functionName : L"";
    line += text;
    line += L'\n';
    OutputDebugStringW(line.c_str());
}

[[noreturn]] void ReportError(UINT messageId, const wchar_t* functionName) {
    std::wstring text = FormatMessageId(messageId, functionName ? functionName : L"");
    MSGBOXPARAMSW params{};
    params.cbSize = sizeof params;
    params.hwndOwner = GetActiveWindow();
    params.hInstance = ModuleInstance();
    params.lpszText = text.c_str();
    params.lpszCaption = AppName();
    params.dwStyle = MB_OK | MB_ICONHAND;
    params.dwContextHelpId = messageId;
    MessageBoxIndirectW(&params);
    throw UserException();
}

const wchar_t* CurrentFunctionName() {
    return currentName;
}

namespace detail {

NameContext::NameContext(const wchar_t* name) : previous_(currentName) {
    currentName = name;
}

NameContext::~NameContext() {
    currentName = previous_;
}

void ReportCaught(const wchar_t* functionName, const wchar_t* failText) noexcept {
    if (failText && *failText == L'\0') return;
    try {
        try {
            throw;
        } catch (const Exception& e) {
            DebugLine(functionName, failText ? std::wstring(failText) : e.Describe());
        } catch (...) {
            DebugLine(functionName, L" - " + FormatMessageId(52, functionName ? functionName : L""));
        }
    } catch (...) {
        // Building the text itself failed (out of memory): nothing more can be said.
    }
}

}  // namespace detail
}  // namespace zw
