// The case conversion that an outline box's style bits apply to the text of
// new rows and items.
#pragma once

#include <cstdint>
#include <string>

#include "util/strings/core/case_mapping.h"

namespace zw::outline {

// 0x2 upper case, 0x4 lower case, 0x40000 proper case for a text that has no
// lower-case letter; other styles leave the text alone.
void ApplyRowCase(std::u16string& text, std::uint32_t style, const strings::CaseMapping& mapping);

}  // namespace zw::outline
