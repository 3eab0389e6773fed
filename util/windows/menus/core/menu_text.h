// Texts of the menu items the library inserts and draws: the tab escape that
// host applications write, the mnemonic, and the split into the item's text
// and its accelerator column.
#pragma once

#include <string>
#include <string_view>

namespace zw::menus {

// The text with every "\t" written as the two characters backslash and t
// turned into a tab character (the start of the accelerator column).
std::wstring ExpandTabEscape(std::wstring_view text);

// The character after the first single "&" ("&&" stands for an ampersand
// itself); 0 when the text has none.
wchar_t Mnemonic(std::wstring_view text);

// An item's text, split at its first tab.
struct ItemColumns {
    std::wstring_view label;        // the part before the tab (all of it without one)
    std::wstring_view accelerator;  // the part after the tab
    bool hasAccelerator;            // whether there was a tab
};
ItemColumns SplitAtTab(std::wstring_view text);

}  // namespace zw::menus
