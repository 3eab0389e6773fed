#include "controls/calendar/generic_control.h"

#include "controls/calendar/core/calendar_layout.h"
#include "controls/calendar/gdi_objects.h"

namespace zw {

CGenericControl::~CGenericControl() {
    if (generic_.font) DeleteObject(generic_.font);
}

void CGenericControl::CreateBase() {
    if (!generic_.owner) generic_.owner = GetParent(Handle());
    LOGFONTW lf{};
    {
        WindowDC screen(nullptr);
        lf.lfHeight = -8 * GetDeviceCaps(screen.Get(), LOGPIXELSY) / 72;
    }
    lf.lfWeight = FW_BOLD;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynW(lf.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
    // The window keeps its own copy of whatever font it is given.
    GdiObject<HFONT> font(CreateFontIndirectW(&lf));
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), 0);
}

void CGenericControl::CopyFont(HFONT font) {
    LOGFONTW lf{};
    if (!font || !GetObjectW(font, sizeof lf, &lf))
        GetObjectW(GetStockObject(SYSTEM_FONT), sizeof lf, &lf);
    HFONT copy = CreateFontIndirectW(&lf);
    if (!copy) return;
    if (generic_.font) DeleteObject(generic_.font);
    generic_.font = copy;
}

void CGenericControl::MeasureUnits() {
    WindowDC dc(Handle());
    SelectedObject font(dc.Get(), generic_.font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.Get(), &tm);
    const calendar::Units units = calendar::MeasuringUnits(tm.tmAveCharWidth, tm.tmHeight);
    generic_.unitWidth = units.width;
    generic_.unitHeight = units.height;
}

void CGenericControl::Notify(WORD code) const {
    if (!generic_.owner || !Handle()) return;
    const WORD id = static_cast<WORD>(GetDlgCtrlID(Handle()));
    PostMessageW(generic_.owner, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Handle()));
}

}  // namespace zw
