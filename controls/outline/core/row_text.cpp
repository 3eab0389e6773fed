#include "controls/outline/core/row_text.h"

#include "controls/outline/core/outline_flags.h"
#include "util/strings/core/proper_case.h"

namespace zw::outline {

void ApplyRowCase(std::u16string& text, std::uint32_t style, const strings::CaseMapping& mapping) {
    if (style & kStyleUpperCase) {
        for (char16_t& c : text) c = mapping.upper(c);
    } else if (style & kStyleLowerCase) {
        for (char16_t& c : text) c = mapping.lower(c);
    } else if (style & kStyleProperCase) {
        for (char16_t c : text) {
            if (mapping.upper(c) != c) return;  // already has a lower-case letter
        }
        strings::ProperCase(text, mapping);
    }
}

}  // namespace zw::outline
