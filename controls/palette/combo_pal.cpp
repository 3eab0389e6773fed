#include "controls/palette/combo_pal.h"

#include <new>
#include <string>

#include "controls/dropdown/dropdown_protocol.h"
#include "controls/dropdown/silent_popup.h"
#include "controls/palette/edit_color.h"
#include "frame/control_factories.h"
#include "frame/designer_data.h"
#include "frame/exceptions.h"
#include "frame/host_api.h"

namespace zw::palette {

CComboPal* CComboPal::FromInstance(void* instance) {
    return dynamic_cast<CComboPal*>(Control::FromInstance(instance));
}

CColorPalette* CComboPal::Palette() const {
    return dynamic_cast<CColorPalette*>(Wnd::FromHandle(PopupWindow()));
}

CEditColor* CComboPal::ColorField() const {
    return dynamic_cast<CEditColor*>(Wnd::FromHandle(EditWindow()));
}

// The field, then the popup palette (a popup of the container's parent that
// reports to the container), then the designer record, and the palette's
// colour into the field.
void CComboPal::CreateChildren(const CREATESTRUCTW& create) {
    RECT client{};
    GetClientRect(Handle(), &client);
    CEditColor* field = CEditColor::Create(dropdown::FieldStyle(), client, Handle(), 0);
    if (!field) throw MemoryException();
    SetEditChild(field->Handle());
    CColorPalette* palette = CColorPalette::Create(dropdown::kPopupStyle, RECT{}, GetParent(Handle()), 0, Handle());
    if (!palette) throw MemoryException();
    SetPopup(palette->Handle());
    SPropComboPal record;
    LoadDesignerRecord(Handle(), create, kPaletteComboItemName, record);
    ApplyRecord(record);
    CopyPopupColor();
}

void CComboPal::ApplyRecord(const SPropComboPal& record) {
    CColorPalette* palette = Palette();
    if (!palette) return;
    dropdown::SilentPopup<CColorPalette> silent(palette);
    palette->ApplyRecord(record.palette);
}

bool CComboPal::CopyPopupColor() {
    const CColorPalette* palette = Palette();
    const CEditColor* field = ColorField();
    COLORREF color = 0;
    if (!palette || !field || !palette->FocusColor(&color) || color == CEditColor::kNoColor) return false;
    const bool changed = color != field->Color();
    SendMessageW(field->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(color).c_str()));
    return changed;
}

bool CComboPal::MayDropDown() {
    return HostValidateFocus(Handle(), 0, 0) != 0;
}

// The palette overlaps the field's client area by one pixel.
dropdown::PopupRule CComboPal::PopupPlacement() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    return {{client.left, client.top, client.right, client.bottom}, -1};
}

void CComboPal::OnEditCommand(WORD code) {
    if (code == dropdown::kCodeDropDown) RequestDropDown();
}

void CComboPal::OnPopupCommand(WORD code) {
    if (code == dropdown::kCodeCloseUp) RequestCloseUp();
    if (code != dropdown::kCodeValueChanged || !CopyPopupColor()) return;
    HostSetFieldEdited(Handle(), TRUE);
    Notify(dropdown::kCodeValueChanged);
}

// The popup palette's background is the container's own button face, once
// the parent has been asked.
HBRUSH CComboPal::ChildColor(int type, HDC, HBRUSH parentBrush) {
    return type == CTLCOLOR_LISTBOX ? listBrush_.Get() : parentBrush;
}

}  // namespace zw::palette

namespace zw {
Control* NewPaletteDropDownControl() { return new (std::nothrow) palette::CComboPal; }
}  // namespace zw
