// The destination of copy, expand and rename: a directory that must exist and
// a name pattern that makes each target name from its source name.
#pragma once

#include <string>

namespace zw::files {

struct Destination {
    std::wstring directory;    // prefix of every target path ("", "X:" or ending in "\")
    std::u16string namePattern;
};

// Splits `destination`: a drive alone ("X:") must name an existing drive (else
// -15) and takes every name whole; an existing directory takes every name whole;
// otherwise the part before the last backslash must be an existing directory
// (else -3; a missing drive in it gives -15) and the rest is the name pattern.
// Returns 0 or that failure result.
int ResolveDestination(const std::wstring& destination, Destination& resolved);

// The full target path for a source file name.
std::wstring TargetPath(const Destination& destination, const std::wstring& sourceName);

}  // namespace zw::files
