// Drawing the colour palette. The palette is drawn into an off-screen bitmap
// of the client size and copied to the screen in one piece. Before drawing,
// the owner is asked for its colours (as a list box asks its parent); the
// drawing itself only reads the palette's state.
#include <array>

#include "controls/palette/color_palette.h"

namespace zw::palette {

namespace {

RECT ToRect(const InclusiveRect& r) {
    return {r.left, r.top, r.right + 1, r.bottom + 1};
}

bool Intersects(const InclusiveRect& area, const RECT& update) {
    if (area.IsEmpty()) return false;
    RECT rect = ToRect(area), common{};
    return IntersectRect(&common, &rect, &update) != 0;
}

// A sunken frame of two rings inside `r`: each ring is drawn from top-right
// over top-left to bottom-left with the first pen, and from bottom-left over
// bottom-right back up to the top-right with the second (each line leaves out
// its end point). Returns the rectangle inside the rings.
InclusiveRect DrawSunkenRings(HDC dc, InclusiveRect r, HPEN outerDark, HPEN outerLight, HPEN innerDark,
                              HPEN innerLight) {
    const HPEN rings[2][2] = {{outerDark, outerLight}, {innerDark, innerLight}};
    for (const auto& pens : rings) {
        const POINT upper[3] = {{r.right, r.top}, {r.left, r.top}, {r.left, r.bottom}};
        const POINT lower[3] = {{r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top}};
        {
            Selection pen(dc, pens[0]);
            Polyline(dc, upper, 3);
        }
        {
            Selection pen(dc, pens[1]);
            Polyline(dc, lower, 3);
        }
        r = r.Grown(-1);
    }
    return r;
}

void Fill(HDC dc, const InclusiveRect& r, COLORREF color) {
    if (r.IsEmpty()) return;
    GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    const RECT rect = ToRect(r);
    FillRect(dc, &rect, brush.Get());
}

void Outline(HDC dc, const InclusiveRect& r, HBRUSH brush) {
    const RECT rect = ToRect(r);
    FrameRect(dc, &rect, brush);
}

}  // namespace

LRESULT CColorPalette::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    if (dc) Render(dc, ps.rcPaint);
    EndPaint(Handle(), &ps);
    return 0;
}

// Draws the whole client area into a device context given by the caller
// (PrintWindow, a parent drawing its children into a bitmap).
LRESULT CColorPalette::OnPrintClient(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    if (dc) Render(dc, client);
    return 0;
}

void CColorPalette::Render(HDC target, const RECT& update) {
    RECT client{};
    GetClientRect(Handle(), &client);
    OffscreenDC offscreen(target, client.right, client.bottom);
    if (!offscreen.Valid()) return;
    AskOwnerColors(offscreen.Get());
    Paint(offscreen.Get(), update);
    BitBlt(target, 0, 0, client.right, client.bottom, offscreen.Get(), 0, 0, SRCCOPY);
}

// The owner answers with the text colour it sets in the device context and
// the brush it returns; they become the text and background roles. Without an
// owner window the roles keep their answers.
void CColorPalette::AskOwnerColors(HDC dc) {
    if (!owner_ || !IsWindow(owner_)) return;
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(owner_, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Handle())));
    SetRoleColor(kRoleText, GetTextColor(dc), false);
    LOGBRUSH answer{};
    const COLORREF background = brush && GetObjectW(brush, sizeof answer, &answer) ? answer.lbColor : 0;
    SetRoleColor(kRoleBackground, background, false);
}

void CColorPalette::Paint(HDC dc, const RECT& update) const {
    std::array<GdiObject<HPEN>, kRoleCount> pens;
    std::array<HPEN, kRoleCount> penHandles{};
    for (int role = 0; role < kRoleCount; ++role) {
        pens[size_t(role)].Reset(CreatePen(PS_SOLID, 1, Role(role)));
        penHandles[size_t(role)] = pens[size_t(role)].Get();
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    {
        GdiObject<HBRUSH> background(CreateSolidBrush(Role(kRoleBackground)));
        FillRect(dc, &client, background.Get());
    }
    if (Intersects(layout_.grid, update)) PaintColorArea(dc, record_.colors, kGridArea, penHandles.data());
    if (Intersects(layout_.menu, update)) PaintMenuArea(dc, penHandles.data());
    if (Intersects(layout_.mru, update)) PaintColorArea(dc, mruColors_, kMRUArea, penHandles.data());
    PaintSelection(dc);
}

void CColorPalette::PaintColorArea(HDC dc, const CColorArray& colors, int area, HPEN const* pens) const {
    const bool disabled = state_ & kStateDisabled;
    Selection outline(dc, pens[disabled ? kRoleDisabledText : kRoleText]);
    Fill(dc, layout_.AreaRect(area), Role(kRoleCellBackground));
    for (size_t i = 0; i < colors.size(); ++i) {
        const InclusiveRect inside = DrawSunkenRings(dc, ItemRect(layout_, area, int(i)), pens[kRoleOuterDark],
                                                     pens[kRoleOuterLight], pens[kRoleInnerDark], pens[kRoleInnerLight]);
        Fill(dc, inside, colors[i]->color);
    }
}

void CColorPalette::PaintMenuArea(HDC dc, HPEN const* pens) const {
    const bool disabled = state_ & kStateDisabled;
    Selection font(dc, font_.Get());
    Selection outline(dc, pens[disabled ? kRoleDisabledText : kRoleText]);
    SetTextColor(dc, Role(disabled ? kRoleDisabledText : kRoleText));
    SetBkColor(dc, Role(kRoleMenuBackground));
    Fill(dc, layout_.menu, Role(kRoleMenuBackground));
    DrawSunkenRings(dc, layout_.menu, pens[kRoleOuterDark], pens[kRoleOuterLight], pens[kRoleInnerDark],
                    pens[kRoleInnerLight]);
    const int lines = Counts().menuLines;
    for (int line = 0; line < lines; ++line) {
        const SPaletteMenu* menu = MenuLine(line);
        RECT text = ToRect(ItemRect(layout_, kMenuArea, line).Grown(-2));
        DrawTextW(dc, reinterpret_cast<LPCWSTR>(menu->text.c_str()), int(menu->text.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
}

// Two outer rings and one inner ring around the focus item, and the dotted
// focus rectangle inside them while the palette has the keyboard focus.
void CColorPalette::PaintSelection(HDC dc) const {
    const bool focused = GetFocus() == Handle();
    if ((state_ & kStateDisabled) || !(focused || record_.bShowSelection)) return;
    if (!FocusExists(focus_, Counts())) return;
    GdiObject<HBRUSH> outer(CreateSolidBrush(Role(kRoleSelectionOuter)));
    GdiObject<HBRUSH> inner(CreateSolidBrush(Role(kRoleSelectionInner)));
    InclusiveRect r = ItemRect(layout_, focus_.area, focus_.index).Grown(1);
    Outline(dc, r, outer.Get());
    r = r.Grown(-1);
    Outline(dc, r, outer.Get());
    r = r.Grown(-1);
    Outline(dc, r, inner.Get());
    r = r.Grown(-1);
    if (!focused) return;
    const RECT dotted = ToRect(r);
    DrawFocusRect(dc, &dotted);
}

}  // namespace zw::palette
