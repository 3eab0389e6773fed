// Target names for the wildcard file operations (copy, expand, rename): how a
// destination splits into a directory and a name pattern, and how a name
// pattern turns each source file name into a target name. Pure text rules, so
// they are tested without touching a disk.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zw::files {

// The directory part of a path: everything up to and including the last
// backslash; else, when the second character is ":", the first two characters
// ("C:"); else empty.
std::u16string_view DirectoryPart(std::u16string_view path);

// The name part: what follows the directory part.
std::u16string_view NamePart(std::u16string_view path);

// True when the text holds "*" or "?".
bool HasWildcards(std::u16string_view text);

// True for a drive alone: a letter and a colon ("X:").
bool IsDriveAlone(std::u16string_view path);

// Builds the target name for `source` (a name without directory) from the
// name pattern, character by character:
//  "?"  copies the source's next character unless it is "." (or the source has
//       ended), and goes on after the "?";
//  "."  writes "." and continues in the source after its next ".";
//  "*"  copies the source up to its next "." and continues in the pattern at the
//       pattern's next "." (which then writes the dot); characters between the
//       "*" and that dot are ignored. When the source has no further ".", or the
//       pattern has no further "." (a trailing "*"), the rest of the source is
//       copied whole, dots included, and the name ends there;
//  any other character is written and steps over one source character.
// So "*.bak" turns "report.txt" into "report.bak", "x?y.*" turns "abc.txt"
// into "xby.txt", and "*.*" keeps every name whole ("a.b.c" stays "a.b.c").
std::u16string TargetName(std::u16string_view pattern, std::u16string_view source);

}  // namespace zw::files
