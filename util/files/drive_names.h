// The names a drive carries: its volume label and the network resource it is
// connected to, as plain text for the library's own use.
#pragma once

#include <windows.h>

#include <string>

namespace zw::files {

// The volume label of a root ("X:\"); "" when it has none or cannot be read.
std::wstring VolumeLabel(LPCWSTR root);

// The network name a local device ("X:", "X:\", "LPT1") is connected to; ""
// when none.
std::wstring NetName(LPCWSTR localName);

}  // namespace zw::files
