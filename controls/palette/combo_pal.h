// CComboPal: the palette drop-down (host class "cColorPaletteDropDown",
// window class "ZW:cComboPal:10"), a compact field showing one colour
// (CEditColor) whose button opens a colour palette (CColorPalette in
// drop-down mode) just below the field, or above it near the screen's bottom.
// Every focus move in the open palette onto a palette or recent colour puts
// that colour into the field; a completed click, Escape, Alt+Up or the loss
// of the focus closes the palette. "Other Color..." in the palette adds the
// chosen colour to the recent colours, and so to the field.
//
// Notifications to the owner (dropdown_protocol.h): 7 dropped down, 8 closed
// up, 1 the field's colour changed (the host field is marked edited).
//
// The designer record (SPropComboPal, item "ZW:ColorPaletteCombo") is the
// popup palette's record. Applications reach the popup palette with
// ZelPalCmbPaletteGet and use the ZelPal functions on it.
//
// Not done here: colours of the container or the field that applications
// set (they follow the parent's colour answers).
#pragma once

#include <windows.h>

#include "controls/dropdown/combo_ctrl.h"
#include "controls/gdi_owners.h"
#include "controls/palette/color_palette.h"
#include "controls/palette/core/prop_combo_pal.h"

namespace zw::palette {

inline constexpr wchar_t kPaletteComboItemName[] = L"ZW:ColorPaletteCombo";

class CEditColor;

class CComboPal : public CComboCtrl {
public:
    CComboPal() : CComboCtrl(false) {}

    // The live palette drop-down behind an instance, or null.
    static CComboPal* FromInstance(void* instance);

    // The popup palette and the colour field; null once gone.
    CColorPalette* Palette() const;
    CEditColor* ColorField() const;
    // Applies a designer record to the popup palette.
    void ApplyRecord(const SPropComboPal& record);

protected:
    void CreateChildren(const CREATESTRUCTW& create) override;
    bool MayDropDown() override;
    dropdown::PopupRule PopupPlacement() const override;
    void OnEditCommand(WORD code) override;
    void OnPopupCommand(WORD code) override;
    HBRUSH ChildColor(int type, HDC dc, HBRUSH parentBrush) override;
    const char* ClassName() const override { return "CComboPal"; }

private:
    // Writes the colour of the palette's focus item (a palette or recent
    // colour) into the field; false when the focus is on a menu line or the
    // colour is the field's already.
    bool CopyPopupColor();

    gdi::Object<HBRUSH> listBrush_{CreateSolidBrush(GetSysColor(COLOR_BTNFACE))};  // answers the popup's list-box colour question
};

}  // namespace zw::palette
