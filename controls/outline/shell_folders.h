// Display names of the standard shell folders that item values -2 to -6 name.
#pragma once

#include <string>

namespace zw::outline {

// The folder's name from the current user's Explorer class registration,
// else from the shell library's string table, else `given` when it is not
// empty, else a fixed English name.
std::u16string ShellFolderName(int value, const std::u16string& given);

}  // namespace zw::outline
