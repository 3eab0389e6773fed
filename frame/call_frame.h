// The common frame of every exported function.
//
// An export is a thin shell: check its arguments (returning its failure value
// at once), then run its body inside Guarded() or ControlCall(), which keep
// every exception inside the library, name the function in debug lines and
// return the failure value when the body throws.
//
//   extern "C" int __stdcall ZelFooBar(HWND window) {
//       if (!IsWindow(window)) return -87;
//       return zw::Guarded(L"ZelFooBar()", -1, [&] { return FooBar(window); });
//   }
#pragma once

#include <windows.h>

#include <exception>
#include <new>
#include <string>
#include <utility>

#include "frame/exceptions.h"

namespace zw {

// Writes one debug line: the function-name context, the text (which begins with
// " - "), and a line feed, through OutputDebugStringW.
void DebugLine(const wchar_t* functionName, const std::wstring& text);

// Shows string-table message `messageId` with "%1" replaced by the function name
// in a message box with the stop icon (help context = the id), then throws
// UserException for the export's own frame to catch.
[[noreturn]] void ReportError(UINT messageId, const wchar_t* functionName);

// The function-name context of the export now running (empty outside one);
// lower layers use it for their own reports.
const wchar_t* CurrentFunctionName();

// The failText of an export that fails without a debug line.
inline constexpr wchar_t kNoDebugText[] = L"";

namespace detail {
class NameContext {
public:
    explicit NameContext(const wchar_t* name);
    ~NameContext();
    NameContext(const NameContext&) = delete;
    NameContext& operator=(const NameContext&) = delete;

private:
    const wchar_t* previous_;
};

// Writes the debug line for the exception being handled. A library exception is
// described by `failText` when given, else by its own Describe(); anything else
// is reported as message 52 ("Unhandled exception in function '%1'."). An empty
// `failText` writes nothing.
void ReportCaught(const wchar_t* functionName, const wchar_t* failText) noexcept;
}  // namespace detail

// Runs `body` inside the guarded region; returns its value, or `failure` when it
// throws. `failText`, when given, is the export's own " - ..." description; an
// empty one (kNoDebugText) means the export writes no debug line at all.
template <typename R, typename Body>
R Guarded(const wchar_t* functionName, R failure, Body&& body, const wchar_t* failText = nullptr) noexcept {
    detail::NameContext context(functionName);
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        detail::ReportCaught(functionName, failText);
    }
    return failure;
}

// The shape of a control-object export: a null instance raises message 48; an
// instance that is not a live control of type T fails like any other error;
// otherwise `body(control)` gives the result.
template <typename T, typename R, typename Body>
R ControlCall(const wchar_t* functionName, void* instance, R failure, const wchar_t* failText, Body&& body) noexcept {
    return Guarded(functionName, failure, [&]() -> R {
        if (!instance) ReportError(48, functionName);
        T* control = T::FromInstance(instance);
        if (!control) throw InvalidArgException();
        return std::forward<Body>(body)(*control);
    }, failText);
}

}  // namespace zw
