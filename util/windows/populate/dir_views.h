// What the two directory views (the common directory and the directory tree)
// share: the subdirectories of a directory loaded below an item, and the
// rows shown again from the tree.
#pragma once

#include <windows.h>

#include <string>

#include "include/zwi51.h"

namespace zw::populate {

// Loads the subdirectories of `directory` ("\*.*" appended), sorted
// ascending, as children of `parent` with the two pictures. The number
// loaded; negative when the items cannot be made.
int LoadSubdirectories(HWND box, ZW_HITEM parent, ZW_HPIC normal, ZW_HPIC selected, const std::wstring& directory);

// Rows for every item of the tree, at every level.
void ShowWholeTree(HWND box);

// Whether `path` names an existing directory.
bool IsExistingDirectory(const std::wstring& path);

}  // namespace zw::populate
