// The system's one-character case mappings (CharUpperBuffW / CharLowerBuffW),
// for the portable string code.
#pragma once

#include "util/strings/core/case_mapping.h"

namespace zw::strings {

char16_t SystemUpper(char16_t c);
char16_t SystemLower(char16_t c);

inline constexpr CaseMapping kSystemCaseMapping{&SystemUpper, &SystemLower};

}  // namespace zw::strings
