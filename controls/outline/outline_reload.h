// What the two outline readers (saved blocks and text files) share.
#pragma once

#include <windows.h>

#include <vector>

#include "controls/outline/core/outline_block.h"
#include "controls/outline/outline_box.h"

namespace zw::outline {

// Clears the box's rows (keeping tree records while they leave, freeing plain
// ones) and frees every item below the root.
void ClearOutline(HWND box, TreeNode* root);

// Replaces the box's caches by the pictures and fonts of a saved outline
// (pictures owned by the box); false, with both caches freed, when one cannot
// be made.
bool ReplaceCaches(HWND box, const OBLOB& outline, std::vector<PIC*>* pictures, std::vector<HFONT>* fonts);

}  // namespace zw::outline
