// The frame of the string exports that return a new host string.
#pragma once

#include <utility>

#include "frame/call_frame.h"
#include "frame/host_string.h"

namespace zw::strings {

// Runs `body` (which returns a new host string) in the guarded region. When the
// body fails the result is a new empty host string, made with the retry like
// any other result: a string export never returns a null handle.
template <typename Body>
HOSTSTR StringResult(const wchar_t* functionName, Body&& body) noexcept {
    const HOSTSTR result = Guarded(functionName, HOSTSTR(0), std::forward<Body>(body));
    if (result) return result;
    return Guarded(functionName, HOSTSTR(0), [] { return NewHostString(L""); });
}

}  // namespace zw::strings
