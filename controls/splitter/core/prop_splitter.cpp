#include "controls/splitter/core/prop_splitter.h"

#include <type_traits>

namespace zw {

namespace {

// A 16-bit field kept as a 32-bit value: signed fields are widened with their
// sign, and loading keeps the low 16 bits.
template <typename Small>
void WideField(Archive& ar, Small& value) {
    using Wide = std::conditional_t<std::is_signed_v<Small>, std::int32_t, std::uint32_t>;
    Wide wide = value;
    ar.Field(wide);
    value = static_cast<Small>(wide);
}

}  // namespace

void SPropSplitter::Serialize(Archive& ar) {
    if (ar.Version(kVersion) == 0) return;
    ar.Field(colorFrame);
    ar.Field(colorFace);
    ar.Field(colorHighlight);
    ar.Field(colorShadow);
    WideField(ar, reserved1);
    WideField(ar, reserved2);
    WideField(ar, reserved3);
    WideField(ar, b3D);
    WideField(ar, bVertical);
    ar.Flag(bScrollCorner);
    ar.Flag(bTrackCorner);
}

}  // namespace zw
