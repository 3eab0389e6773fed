// CEditColor: the colour field of the palette drop-down (window class
// "ZW:EditColor:10"), a swatch of one colour inside a one-pixel margin, with
// a focus frame while it has the focus. Its text is the colour as a decimal
// number: setting the text "255" makes it red (the colour is set through the
// field's own message queue, ZWM_SetFieldColor); a number above 0xFFFFFF is
// refused. Alt+Down and F4 ask the owner (the drop-down) to drop down; the
// host is asked before the field takes the focus.
//
// Not done here: the square swatch of the original field (no function or
// record ever set it); the field draws no text.
#pragma once

#include <windows.h>

#include <string>

#include "controls/dropdown/dropdown_field.h"
#include "controls/gdi_owners.h"

namespace zw::palette {

// Sets the field's colour: lParam the colour; returns the previous one, or
// -1 (nothing changed) for a negative value.
constexpr UINT ZWM_SetFieldColor = 0x6005;

class CEditColor : public CDropDownField {
public:
    static constexpr wchar_t kClassName[] = L"ZW:EditColor:10";
    static constexpr UINT kClassStyle = CS_GLOBALCLASS | CS_BYTEALIGNWINDOW | CS_PARENTDC | CS_DBLCLKS;
    // The colour value that shows no swatch.
    static constexpr COLORREF kNoColor = 0xFFFFFFFF;

    // Makes a field as child `id` of `parent`; it belongs to its window. Null
    // when the window cannot be made.
    static CEditColor* Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    COLORREF Color() const { return color_; }
    HWND Owner() const { return owner_; }
    // The field's text: the colour in decimal, empty for kNoColor.
    std::wstring Text() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCreate();
    LRESULT OnGetText(size_t size, wchar_t* buffer) const;
    LRESULT OnSetText(const wchar_t* text);
    LRESULT OnSetColor(LPARAM colour);
    void OnSetFocus(HWND previous);
    void OnSetFont(HFONT font);
    void OnPaint();
    void OnPrintClient(HDC dc);
    // The parent's edit colours for this field.
    COLORREF AskParentBackground(HDC dc) const;
    // Draws the field into `dc`, reading state only.
    void Paint(HDC dc, const RECT& client, COLORREF background) const;
    void Repaint();

    COLORREF color_ = 0;         // the colour shown; kNoColor for none
    HWND owner_ = nullptr;       // receives the drop-down request; the parent
    gdi::Object<HFONT> font_;    // the field's own copy of its font
};

}  // namespace zw::palette
