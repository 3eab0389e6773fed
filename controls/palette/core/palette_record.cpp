#include "controls/palette/core/palette_record.h"

namespace zw::palette {

ZW_IMPLEMENT_SERIAL(SPaletteColor, 1)
ZW_IMPLEMENT_SERIAL(SPaletteMenu, 1)

const std::uint32_t kDefaultColors[8] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF,
                                         0xFF00FF, 0xFFFF00, 0x000000, 0xFFFFFF};

void SPaletteColor::Serialize(Archive& ar) {
    if (ar.Version(1) == 0) return;
    ar.Field(color);
}

void SPaletteMenu::Serialize(Archive& ar) {
    if (ar.Version(1) == 0) return;
    ar.String(text);
    ar.Field(id);
}

namespace {
template <typename T>
std::vector<std::unique_ptr<T>> DeepCopy(const std::vector<std::unique_ptr<T>>& source) {
    std::vector<std::unique_ptr<T>> copy;
    copy.reserve(source.size());
    for (const auto& entry : source)
        if (entry) copy.push_back(std::make_unique<T>(*entry));
    return copy;
}
}  // namespace

SPropPalette::SPropPalette() {
    Reset();
    for (std::uint32_t color : kDefaultColors) colors.push_back(std::make_unique<SPaletteColor>(color));
}

SPropPalette::SPropPalette(const SPropPalette& other)
    : bAutoSize(other.bAutoSize),
      bDropDown(other.bDropDown),
      bOtherColor(other.bOtherColor),
      bShowSelection(other.bShowSelection),
      colors(DeepCopy(other.colors)),
      menus(DeepCopy(other.menus)),
      nMRUMax(other.nMRUMax) {}

SPropPalette& SPropPalette::operator=(const SPropPalette& other) {
    if (this != &other) *this = SPropPalette(other);
    return *this;
}

void SPropPalette::Reset() {
    bAutoSize = 0;
    bDropDown = 0;
    bOtherColor = 1;
    bShowSelection = 0;
    nMRUMax = kDefaultMRUMax;
    colors.clear();
    menus.clear();
}

void SPropPalette::Serialize(Archive& ar) {
    ar.ObjectArray(colors);
    ar.ObjectArray(menus);
    if (ar.Version(1) == 0) return;
    ar.Flag(bAutoSize);
    ar.Flag(bDropDown);
    ar.Flag(bOtherColor);
    ar.Flag(bShowSelection);
    ar.Field(nMRUMax);
}

std::uint32_t SPropPalette::StyleBits() const {
    std::uint32_t bits = 0;
    if (bAutoSize) bits |= kStyleAutoSize;
    if (bDropDown) bits |= kStyleDropDown;
    if (bOtherColor) bits |= kStyleOtherColor;
    if (bShowSelection) bits |= kStyleShowSelection;
    return bits;
}

}  // namespace zw::palette
