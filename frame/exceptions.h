// The library's exception types. They never leave the library: every export,
// window procedure, hook and callback catches them at its boundary (see
// frame/call_frame.h and frame/wnd.h).
#pragma once

#include <stdexcept>
#include <string>

namespace zw {

// Base of the library's exceptions; Describe() is the text written after the
// function-name context in a debug line, beginning with " - ".
class Exception : public std::exception {
public:
    const char* what() const noexcept override { return "zwi51 exception"; }
    virtual std::wstring Describe() const { return L" - Unexpected error."; }
};

// Raised after a report has already been shown to the user (message 48); the
// export's frame only writes its debug line.
class UserException : public Exception {
public:
    std::wstring Describe() const override { return L" - Operation cancelled."; }
};

// An argument outside what the operation accepts (an index outside a table...).
class InvalidArgException : public Exception {
public:
    std::wstring Describe() const override { return L" - Invalid argument."; }
};

// An allocation failed.
class MemoryException : public Exception {
public:
    std::wstring Describe() const override { return L" - Out of memory."; }
};

// A Windows resource (class, window, GDI object) could not be made or released.
class ResourceException : public Exception {
public:
    std::wstring Describe() const override { return L" - Unable to create or release a resource."; }
};

// A stream or archive operation failed: truncated or corrupt data, or a write
// that could not be done.
class FileException : public Exception {
public:
    explicit FileException(std::wstring cause = L"Corrupt or truncated data.") : cause_(std::move(cause)) {}
    std::wstring Describe() const override { return L" - " + cause_; }
    const std::wstring& Cause() const { return cause_; }

private:
    std::wstring cause_;
};

}  // namespace zw
