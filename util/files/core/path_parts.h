// Path texts taken apart and put together: the four parts of a path (drive,
// directory, name, extension) by the C runtime's split rules, the directory
// prefixes that a nested directory needs, and the directories listed in a
// search-path variable. Pure text rules, tested without a disk.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zw::files {

struct PathParts {
    std::u16string drive;      // "X:" or empty
    std::u16string directory;  // up to and including the last "\" or "/"
    std::u16string name;       // up to the last "." of what follows
    std::u16string extension;  // from that "." on, or empty
};

// Longest parts the result strings hold: the drive's string has room for 3
// characters, the others for 256 (each with its terminator); longer parts
// are cut to that.
constexpr size_t kMaxDriveChars = 3;
constexpr size_t kMaxPartChars = 256;

// Splits as the runtime's _wsplitpath does: a drive when the second character
// is ":", a directory up to the last slash or backslash, an extension from
// the last "." after it (so ".profile" is all extension).
PathParts SplitPath(std::u16string_view path);

// The four texts joined with nothing added between them.
std::u16string JoinPath(std::u16string_view drive, std::u16string_view directory, std::u16string_view name,
                        std::u16string_view extension);

// The directories to create, outermost first, for every level of `path`:
// each prefix that ends at a backslash (a final backslash is assumed), without
// that backslash; a drive root ("X:\") is left out.
std::vector<std::u16string> DirectoryLevels(std::u16string_view path);

// The elements of a ";"-separated search path that may be directories: empty
// ones and those written with a trailing backslash are left out.
std::vector<std::u16string> SearchPathCandidates(std::u16string_view path);

}  // namespace zw::files
