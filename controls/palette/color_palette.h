// The colour palette: a window of three stacked areas, a grid of colour
// swatches, a list of text menu lines and a grid of recently used colours. The
// user moves a selection frame over swatches and lines with the mouse or the
// arrow keys; a completed click tells the host application which area and
// entry were chosen. The built-in line "Other Color..." opens the system
// colour dialog and puts the chosen colour first among the recent colours.
//
// One class serves two settings: placed on a host form (window class
// "ZW:cPalette:10", whose class procedure makes a CDlgPalette) and as the
// pop-up list of the palette drop-down, which makes one with Create() in
// drop-down mode.
//
// Messages to the owner: WM_COMMAND posted with the control id and code
// kNotifyFocusItem, kNotifyFocusLost or kNotifyCloseUp. Message to its own
// window, for the host application: ZWM_PaletteChoice after a completed click.
//
// Not done here: the designer's property pages, and the record's saving
// (the designer integration writes it).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "controls/palette/core/color_roles.h"
#include "controls/palette/core/palette_layout.h"
#include "controls/palette/core/palette_navigation.h"
#include "controls/palette/core/palette_record.h"
#include "controls/palette/gdi_objects.h"
#include "frame/control.h"

namespace zw::palette {

// Posted to the palette itself to run a menu line's command; lParam is the
// line's id. Id 0 is "Other Color...".
constexpr UINT ZWM_PaletteCommand = 0x6007;
// Posted to the palette's own window after a completed click: wParam the
// focus area, lParam the focus index.
constexpr UINT ZWM_PaletteChoice = 0x2006;

// WM_COMMAND codes sent to the owner.
enum : WORD {
    kNotifyFocusItem = 1,  // the focus item was set (also to itself)
    kNotifyFocusLost = 2,  // the palette lost the keyboard focus
    kNotifyCloseUp = 8,    // drop-down mode: the pop-up asks to be closed
};

// The colour areas of the colour functions (the focus uses Area instead).
enum ColorArea : int { kPaletteColors = 0, kRecentColors = 1 };

class CColorPalette : public Control {
public:
    CColorPalette() = default;

    // The live palette behind an instance handed back by the application, or
    // null for anything else.
    static CColorPalette* FromInstance(void* instance);

    // Makes a palette with a window of the inner class "ZW:ColorPalette:10"
    // (registered on first use), for example a bordered pop-up
    // (WS_POPUP | WS_CLIPCHILDREN | WS_BORDER) in a drop-down. `owner` receives
    // the notifications (the parent when null); `id` is the control id of a
    // child window. The palette belongs to its window: destroying the window
    // deletes it. Null when the window cannot be made.
    static CColorPalette* Create(DWORD style, const RECT& rect, HWND parent, UINT id, HWND owner);

    HWND Owner() const { return owner_; }
    void SetOwner(HWND owner) { owner_ = owner; }

    // ---- property record
    // Copies `record` into the live record, applies bOtherColor and updates
    // the window.
    void ApplyRecord(const SPropPalette& record);
    const SPropPalette& Record() const { return record_; }
    std::uint32_t StyleBits() const { return record_.StyleBits(); }
    // Sets every flag whose bit is in `mask` to `value` (0 or 1) through its
    // setter, then updates the window. Returns the bits before the change.
    std::uint32_t SetStyleBits(std::uint32_t mask, bool value);

    // ---- colour roles (ColorRole); -1 for a number that is not a role
    std::int32_t RoleColor(int role) const;
    // Returns the role's previous answer.
    std::int32_t SetRoleColor(int role, COLORREF color, bool repaint);

    // ---- colours
    // Replaces the palette colour at min(index, count), or appends it there;
    // returns the colour replaced, or -1 when none was (a negative index
    // changes nothing).
    std::int32_t SetPaletteColor(int index, COLORREF color);
    // Replaces all palette colours.
    void SetPaletteColors(const std::vector<COLORREF>& colors);
    // The colour at `index` of a ColorArea, or -1 when there is none.
    std::int32_t ColorAt(int area, int index) const;
    // All colours of a ColorArea (none for another number).
    std::vector<COLORREF> Colors(int area) const;
    // The colour of the focus item when it is a palette or recent colour.
    bool FocusColor(COLORREF* color) const;

    // ---- the application's menu lines (never the built-in line)
    int MenuCount() const { return int(record_.menus.size()); }
    const SPaletteMenu* MenuAt(int index) const;
    // Appends; returns the count before.
    int AddMenu(std::u16string text, WORD id);
    // Insert at, or replace the line at, min(index, count); a negative index
    // changes nothing.
    void InsertMenu(int index, std::u16string text, WORD id);
    void SetMenu(int index, std::u16string text, WORD id);
    // False when the index is out of range.
    bool RemoveMenu(int index);
    void ClearMenus();
    // Replaces every line; returns the count.
    int SetMenus(std::vector<std::pair<std::u16string, WORD>> lines);

    // ---- recently used colours
    int RecentMax() const { return record_.nMRUMax; }
    // Clamps to 0..255, drops what no longer fits; returns the previous maximum.
    int SetRecentMax(int maximum);
    void ClearRecent();

    // ---- focus item
    PaletteFocus Focus() const { return focus_; }
    // Sets the focus item (area -1: the current area) when that entry exists;
    // once created, repaints the old and new items (at once with `updateNow`)
    // and notifies kNotifyFocusItem, also when the item is unchanged.
    void SetFocusItem(int area, int index, bool updateNow);

    // ---- layout
    const PaletteLayout& Layout() const { return layout_; }
    PaletteCounts Counts() const;
    // The window size that shows the whole laid-out palette inside a
    // one-pixel border, as bAutoSize sizes the window.
    SIZE LaidOutSize() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual LRESULT OnCreate(const CREATESTRUCTW& create);

private:
    // Bits of state_.
    enum : unsigned {
        kStateDisabled = 0x01,
        kStateOutside = 0x04,  // the pointer left the palette while tracking
        kTrackGrid = 0x08,     // tracking: the button went down in an area
        kTrackMenu = 0x10,
        kTrackMRU = 0x20,
        kTrackMask = kTrackGrid | kTrackMenu | kTrackMRU,
    };

    static LRESULT CALLBACK InnerClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // message handlers
    LRESULT OnDestroy();
    LRESULT OnPaint();
    LRESULT OnPrintClient(HDC dc);
    LRESULT OnSetFont(HFONT font);
    LRESULT OnEnable(bool enabled);
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnButtonDown(POINT point);
    LRESULT OnMouseMove(POINT point);
    LRESULT OnButtonUp();
    LRESULT OnCancelMode(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaletteCommand(WORD id);
    void LogUnknownMessage(UINT message);

    // helpers
    bool DropDown() const { return record_.bDropDown != 0; }
    bool Tracking() const { return (state_ & kTrackMask) != 0; }
    WORD MenuLineId(int line) const;
    const SPaletteMenu* MenuLine(int line) const;  // application lines, then built-in lines
    void Notify(WORD code);
    void MoveFocus(ArrowKey key);
    void RunFocusLine();
    void SetOtherColor(bool value);
    void SetShowSelection(bool value);
    void DropRecent(int maximum);
    // Lays out from the font and client size; once created also sizes the
    // window (bAutoSize) and invalidates it, updating at once with `updateNow`.
    void LayOut(bool updateNow);
    void ComputeRects();
    void InvalidateItemFrame(PaletteFocus item);
    void InvalidateArea(int area);

    // painting (palette_paint.cpp)
    void Render(HDC target, const RECT& update);
    void AskOwnerColors(HDC dc);
    void Paint(HDC dc, const RECT& update) const;
    void PaintColorArea(HDC dc, const CColorArray& colors, int area, HPEN const* pens) const;
    void PaintMenuArea(HDC dc, HPEN const* pens) const;
    void PaintSelection(HDC dc) const;
    COLORREF Role(int role) const;

    SPropPalette record_;         // the live property record: colours, application lines, flags
    CColorArray mruColors_;       // recently used colours, newest first
    CMenuArray builtInMenus_;     // built-in lines shown after the application's: "Other Color..."
    GdiObject<HFONT> font_;       // font of the menu text, which also sizes the cells
    HWND owner_ = nullptr;        // receives the WM_COMMAND notifications
    ColorRoles roles_;            // the twelve colour roles
    PaletteLayout layout_;        // rectangles of the whole palette, its areas and cell sizes
    PaletteFocus focus_{-1, -1};  // the focus item; (0, 0) from creation on
    bool created_ = false;        // set at the end of WM_CREATE, cleared at WM_DESTROY
    unsigned state_ = 0;          // kState* and kTrack* bits
    COLORREF customColors_[16] = {};  // the colour dialog's custom colours
    UINT loggedMessages_ = 0;     // private messages 0x6001..0x600E already logged as unknown, one bit each
};

// The form-placed palette: loads its designer item "ZW:ColorPalette" when it
// is created and applies the record.
class CDlgPalette : public CColorPalette {
protected:
    LRESULT OnCreate(const CREATESTRUCTW& create) override;
};

}  // namespace zw::palette
