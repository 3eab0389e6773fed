// What applications change in a palette: the property record and its flags,
// the colour roles, the palette colours, the menu lines and the recently used
// colours. Each change lays the palette out again once it is created.
#include <algorithm>
#include <memory>

#include "controls/palette/color_palette.h"
#include "controls/palette/core/recent_colors.h"
#include "frame/app.h"

namespace zw::palette {

namespace {

std::uint32_t SystemColor(int index) {
    return GetSysColor(index);
}

std::u16string ToU16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace

// ---- record and flags -----------------------------------------------------

void CColorPalette::ApplyRecord(const SPropPalette& record) {
    record_ = record;
    SetOtherColor(record_.bOtherColor != 0);
    if (Handle()) UpdateWindow(Handle());
}

std::uint32_t CColorPalette::SetStyleBits(std::uint32_t mask, bool value) {
    const std::uint32_t before = StyleBits();
    if (mask & kStyleAutoSize) record_.bAutoSize = value;
    if (mask & kStyleDropDown) record_.bDropDown = value;
    if (mask & kStyleOtherColor) SetOtherColor(value);
    if (mask & kStyleShowSelection) SetShowSelection(value);
    if (Handle()) UpdateWindow(Handle());
    return before;
}

void CColorPalette::SetOtherColor(bool value) {
    record_.bOtherColor = value;
    if (value) {
        if (builtInMenus_.empty())
            builtInMenus_.insert(builtInMenus_.begin(), std::make_unique<SPaletteMenu>(ToU16(LoadMessage(80)), 0));
    } else {
        builtInMenus_.clear();
        DropRecent(0);
    }
    LayOut(false);
}

void CColorPalette::SetShowSelection(bool value) {
    record_.bShowSelection = value;
    if (created_) InvalidateRect(Handle(), nullptr, FALSE);
}

// ---- colour roles ---------------------------------------------------------

COLORREF CColorPalette::Role(int role) const {
    return roles_.Get(role, &SystemColor);
}

std::int32_t CColorPalette::RoleColor(int role) const {
    return static_cast<std::int32_t>(roles_.Get(role, &SystemColor));
}

std::int32_t CColorPalette::SetRoleColor(int role, COLORREF color, bool repaint) {
    if (!ColorRoles::IsRole(role)) return -1;
    const auto previous = static_cast<std::int32_t>(roles_.Set(role, color, &SystemColor));
    if (!repaint || !created_) return previous;
    switch (role) {
    case kRoleCellBackground:
        InvalidateArea(kGridArea);
        InvalidateArea(kMRUArea);
        break;
    case kRoleMenuBackground:
        InvalidateArea(kMenuArea);
        break;
    case kRoleBackground:
    case kRoleDisabledText:
    case kRoleText:
    case kRoleFrame:
        InvalidateRect(Handle(), nullptr, FALSE);
        break;
    default: {
        const RECT whole{layout_.whole.left, layout_.whole.top, layout_.whole.right + 1, layout_.whole.bottom + 1};
        InvalidateRect(Handle(), &whole, FALSE);
    }
    }
    return previous;
}

// ---- colours --------------------------------------------------------------

namespace {
// Replaces the colour at min(index, count) or appends it; the colour
// replaced, or -1.
std::int32_t PutColor(CColorArray& colors, int index, COLORREF color) {
    if (index < 0) return -1;
    const size_t at = std::min(size_t(index), colors.size());
    if (at == colors.size()) {
        colors.push_back(std::make_unique<SPaletteColor>(color));
        return -1;
    }
    const auto previous = static_cast<std::int32_t>(colors[at]->color);
    colors[at] = std::make_unique<SPaletteColor>(color);
    return previous;
}
}  // namespace

std::int32_t CColorPalette::SetPaletteColor(int index, COLORREF color) {
    if (index < 0) return -1;
    const std::int32_t previous = PutColor(record_.colors, index, color);
    LayOut(true);
    return previous;
}

void CColorPalette::SetPaletteColors(const std::vector<COLORREF>& colors) {
    record_.colors.clear();
    for (size_t i = 0; i < colors.size(); ++i) PutColor(record_.colors, int(i), colors[i]);
    LayOut(false);
}

std::int32_t CColorPalette::ColorAt(int area, int index) const {
    const CColorArray* colors = area == kPaletteColors ? &record_.colors : area == kRecentColors ? &mruColors_ : nullptr;
    if (!colors || index < 0 || size_t(index) >= colors->size()) return -1;
    return static_cast<std::int32_t>((*colors)[size_t(index)]->color);
}

std::vector<COLORREF> CColorPalette::Colors(int area) const {
    std::vector<COLORREF> result;
    const CColorArray* colors = area == kPaletteColors ? &record_.colors : area == kRecentColors ? &mruColors_ : nullptr;
    if (colors)
        for (const auto& entry : *colors) result.push_back(entry->color);
    return result;
}

bool CColorPalette::FocusColor(COLORREF* color) const {
    std::int32_t found = -1;
    if (focus_.area == kGridArea) found = ColorAt(kPaletteColors, focus_.index);
    if (focus_.area == kMRUArea) found = ColorAt(kRecentColors, focus_.index);
    if (found == -1) return false;
    *color = COLORREF(found);
    return true;
}

// ---- menu lines -----------------------------------------------------------

const SPaletteMenu* CColorPalette::MenuAt(int index) const {
    if (index < 0 || index >= MenuCount()) return nullptr;
    return record_.menus[size_t(index)].get();
}

int CColorPalette::AddMenu(std::u16string text, WORD id) {
    const int before = MenuCount();
    record_.menus.push_back(std::make_unique<SPaletteMenu>(std::move(text), id));
    LayOut(true);
    return before;
}

void CColorPalette::InsertMenu(int index, std::u16string text, WORD id) {
    if (index < 0) return;
    const size_t at = std::min(size_t(index), record_.menus.size());
    record_.menus.insert(record_.menus.begin() + std::ptrdiff_t(at),
                         std::make_unique<SPaletteMenu>(std::move(text), id));
    LayOut(true);
}

void CColorPalette::SetMenu(int index, std::u16string text, WORD id) {
    if (index < 0) return;
    const size_t at = std::min(size_t(index), record_.menus.size());
    auto line = std::make_unique<SPaletteMenu>(std::move(text), id);
    if (at == record_.menus.size()) {
        record_.menus.push_back(std::move(line));
    } else {
        record_.menus[at] = std::move(line);
    }
    LayOut(true);
}

bool CColorPalette::RemoveMenu(int index) {
    if (index < 0 || index >= MenuCount()) return false;
    record_.menus.erase(record_.menus.begin() + index);
    LayOut(true);
    return true;
}

void CColorPalette::ClearMenus() {
    record_.menus.clear();
    LayOut(true);
}

int CColorPalette::SetMenus(std::vector<std::pair<std::u16string, WORD>> lines) {
    record_.menus.clear();
    for (auto& [text, id] : lines) record_.menus.push_back(std::make_unique<SPaletteMenu>(std::move(text), id));
    LayOut(true);
    return MenuCount();
}

// ---- recently used colours --------------------------------------------------

// Trims the list to `maximum` and moves a focus that pointed past its end.
void CColorPalette::DropRecent(int maximum) {
    TrimRecentColors(mruColors_, maximum);
    const PaletteFocus moved = FocusAfterRecentChange(focus_, int(mruColors_.size()));
    if (moved != focus_) SetFocusItem(moved.area, moved.index, false);
}

int CColorPalette::SetRecentMax(int maximum) {
    const int previous = record_.nMRUMax;
    record_.nMRUMax = ClampRecentMax(maximum);
    DropRecent(record_.nMRUMax);
    LayOut(true);
    return previous;
}

void CColorPalette::ClearRecent() {
    DropRecent(0);
    LayOut(true);
}

}  // namespace zw::palette
