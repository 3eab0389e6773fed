// Directory paths of the populated directory views: the path of a view's
// levels, and the forms a directory argument is brought to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zw::windows {

// The texts of a view's levels from the drive down, joined with "\": no
// separator follows a level that already ends with one (the drive's "c:\").
// Empty levels add nothing.
std::u16string JoinDirLevels(const std::vector<std::u16string>& levels);

// `path` without trailing backslashes, except the one of a drive's root:
// "C:\a\" gives "C:\a", "C:\" and "C:" give "C:\".
std::u16string TrimDirPath(std::u16string_view path);

// Whether the path starts with a drive letter and a colon ("C:...").
bool HasDriveLetter(std::u16string_view path);

}  // namespace zw::windows
