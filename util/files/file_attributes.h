// Attribute reading shared by ZelFileGetAttribute and ZelFileGetType.
#pragma once

#include <windows.h>

namespace zw::files {

// The Win32 attribute bits of a file or directory, or the negated last error.
int AttributesOf(LPCWSTR name);

}  // namespace zw::files
