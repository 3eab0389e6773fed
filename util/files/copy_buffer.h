// Copies the rest of one open file into another through the copy buffer: a
// global memory block of min(file size, 65533) bytes, allocated per file.
#pragma once

#include <windows.h>

namespace zw::files {

// Returns 0, -8 when the buffer cannot be allocated, -39 when the target takes
// fewer bytes than given, or the negated error of a failed read or write.
int CopyThroughBuffer(HANDLE source, HANDLE target, ULONGLONG sourceSize);

}  // namespace zw::files
