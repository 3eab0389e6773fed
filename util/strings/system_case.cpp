#include "util/strings/system_case.h"

#include <windows.h>

namespace zw::strings {

char16_t SystemUpper(char16_t c) {
    WCHAR one = c;
    CharUpperBuffW(&one, 1);
    return one;
}

char16_t SystemLower(char16_t c) {
    WCHAR one = c;
    CharLowerBuffW(&one, 1);
    return one;
}

}  // namespace zw::strings
