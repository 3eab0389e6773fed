#include "controls/outline/row_painter.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/outline_box.h"
#include "controls/outline/pictures/fonts.h"
#include "controls/outline/pictures/pic.h"
#include "frame/host_api.h"

namespace zw::outline {
namespace {

constexpr int kButtonSize = 9;
// Rows of a list box cannot be taller than this.
constexpr UINT kMaxRowHeight = 255;

// Selects the box's font (else the system font), then the row's own font;
// puts the earlier font back at the end of the scope.
class RowFont {
public:
    RowFont(HDC dc, HWND box, const RowRecord* record) : dc_(dc) {
        auto font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
        old_ = SelectObject(dc, font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
        if (record && IsFont(static_cast<HFONT>(record->font))) SelectObject(dc, static_cast<HFONT>(record->font));
        GetTextMetricsW(dc, &metrics_);
    }
    ~RowFont() { SelectObject(dc_, old_); }
    RowFont(const RowFont&) = delete;
    RowFont& operator=(const RowFont&) = delete;
    const TEXTMETRICW& Metrics() const { return metrics_; }

private:
    HDC dc_;
    HGDIOBJ old_;
    TEXTMETRICW metrics_{};
};

// The box's tab stops, copied out of the state's table.
struct TabStops {
    int count = 0;           // 0 none, -1 default stops
    std::vector<int> stops;  // pixels from the text's start
    int interval = 0;        // default stop distance: two dialog base units

    explicit TabStops(const OutlineState& state) : count(state.tabCount) {
        interval = 2 * LOWORD(GetDialogBaseUnits());
        if (count > 0 && state.tabStops) {
            if (auto* table = static_cast<const int*>(LocalLock(state.tabStops))) {
                stops.assign(table, table + count);
                LocalUnlock(state.tabStops);
            } else {
                count = 0;
            }
        } else if (count > 0) {
            count = 0;
        }
    }
    bool Active() const { return count != 0; }
    int Next(int x) const { return NextTabStop(x, stops.data(), count, interval); }
};

int PieceWidth(HDC dc, std::wstring_view piece) {
    SIZE size{};
    if (!piece.empty()) GetTextExtentPoint32W(dc, piece.data(), int(piece.size()), &size);
    return size.cx;
}

// Calls `each(piece, x)` for the pieces of `text` split at tabs, x relative
// to the text's start; returns the width of the whole text.
template <typename Each>
int ForEachPiece(HDC dc, std::wstring_view text, const TabStops& tabs, Each&& each) {
    if (!tabs.Active()) {
        each(text, 0);
        return PieceWidth(dc, text);
    }
    int x = 0;
    size_t start = 0;
    for (;;) {
        const size_t tab = text.find(L'\t', start);
        const std::wstring_view piece = text.substr(start, tab == std::wstring_view::npos ? tab : tab - start);
        each(piece, x);
        x += PieceWidth(dc, piece);
        if (tab == std::wstring_view::npos) return x;
        x = tabs.Next(x);
        start = tab + 1;
    }
}

std::wstring_view TextOf(const RowRecord& record) {
    return std::wstring_view(reinterpret_cast<const wchar_t*>(record.text.data()), record.text.size());
}

PIC* ChoosePicture(const RowRecord& record, bool drawnSelected) {
    return PIC::FromHandle(drawnSelected ? record.selectedPicture : record.normalPicture);
}

bool DrawnSelected(const RowRecord& record, bool selected) {
    return selected && !(record.flags & (kRowKeptFrame | kRowDisabled));
}

COLORREF Background(HWND box, const OutlineState& state) {
    return state.backgroundKnown ? state.background : HostGetWindowColor(box, 5);
}

void FillBox(HDC dc, const RECT& rect, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

RECT ToRect(const Box& box) {
    return RECT{box.left, box.top, box.right, box.bottom};
}

// Dotted lines: every other pixel, on even coordinates so that the dots of
// neighbouring rows line up.
void DottedVertical(HDC dc, int x, int top, int bottom, COLORREF colour) {
    for (int y = top + (top & 1); y < bottom; y += 2) SetPixelV(dc, x, y, colour);
}

void DottedHorizontal(HDC dc, int left, int right, int y, COLORREF colour) {
    for (int x = left + (left & 1); x < right; x += 2) SetPixelV(dc, x, y, colour);
}

void DrawTreeLines(HDC dc, const RowInput& in, const RowLayout& layout, const TreeNode& node, COLORREF colour,
                   bool buttons) {
    const Box& row = in.row;
    // The item's own column: down from the row's top to its middle, on to
    // the bottom when a sibling follows, and the stub across to the item.
    if (node.level > 0) {
        const int column = LineColumn(in, node.level);
        DottedVertical(dc, column, row.top, node.next ? row.bottom : layout.middleY + 1, colour);
        DottedHorizontal(dc, column, layout.stubEnd, layout.middleY, colour);
    }
    // Ancestors whose siblings follow further down keep their column going.
    for (const TreeNode* up = node.parent; up && up->level > 0; up = up->parent) {
        if (up->next) DottedVertical(dc, LineColumn(in, up->level), row.top, row.bottom, colour);
    }
    const bool hasButton = node.firstChild || (node.record->flags & kRowCollapsed);
    if (!buttons || !hasButton) return;
    const RECT box = ToRect(layout.button);
    FillBox(dc, box, GetBkColor(dc));
    HBRUSH pen = CreateSolidBrush(colour);
    FrameRect(dc, &box, pen);
    const int cx = box.left + kButtonSize / 2, cy = box.top + kButtonSize / 2;
    RECT bar{box.left + 2, cy, box.right - 2, cy + 1};
    FillRect(dc, &bar, pen);
    if (!(node.record->flags & kRowExpanded)) {
        RECT upright{cx, box.top + 2, cx + 1, box.bottom - 2};
        FillRect(dc, &upright, pen);
    }
    DeleteObject(pen);
}

RowInput InputFor(const OutlineState& state, HDC dc, const RowRecord& record, const RECT& row, const PIC* picture,
                  const TabStops& tabs, const TEXTMETRICW& metrics) {
    RowInput in;
    in.row = {row.left, row.top, row.right, row.bottom};
    in.tree = record.node != nullptr;
    in.level = record.node ? record.node->level : 0;
    in.indentUnit = state.indentUnit;
    in.style = state.style;
    in.disabled = (record.flags & kRowDisabled) != 0;
    in.aveCharWidth = metrics.tmAveCharWidth;
    in.textHeight = metrics.tmHeight;
    in.textWidth = ForEachPiece(dc, TextOf(record), tabs, [](std::wstring_view, int) {});
    if (picture) {
        in.hasPicture = true;
        in.pictureWidth = picture->width;
        in.pictureHeight = picture->height;
    }
    return in;
}

}  // namespace

UINT MeasureRow(HWND box, const RowRecord* record) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return 0;
    if (!state.backgroundKnown || (state.isCombo && (!state.editBrush || !state.edit))) {
        ChangeOutlineState(box, [&](OutlineState& s) {
            if (!s.backgroundKnown) {
                s.background = HostGetWindowColor(box, 5);
                s.backgroundKnown = TRUE;
            }
            if (s.isCombo && !s.editBrush) s.editBrush = CreateSolidBrush(s.background);
            if (s.isCombo && !s.edit) s.edit = GetDlgItem(box, 1001);
        });
    }
    const bool ownFont = record && IsFont(static_cast<HFONT>(record->font));
    int textHeight = ownFont ? 0 : state.textHeight;
    if (textHeight == 0) {
        HDC dc = GetDC(box);
        if (!dc) return 0;
        {
            RowFont font(dc, box, record);
            textHeight = font.Metrics().tmHeight;
        }
        ReleaseDC(box, dc);
        if (!ownFont) ChangeOutlineState(box, [&](OutlineState& s) { s.textHeight = textHeight; });
    }
    if (!record) {
        OSVERSIONINFOW version{};
        version.dwOSVersionInfoSize = sizeof version;
        GetVersionExW(&version);
        const bool nt = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS || version.dwPlatformId == VER_PLATFORM_WIN32_NT;
        return UINT(std::max(nt ? textHeight - 4 : textHeight + 1, 1));
    }
    int height = textHeight;
    for (PIC* picture : {record->normalPicture, record->selectedPicture}) {
        const PIC* live = PIC::FromHandle(picture);
        if (!live) continue;
        if (state.style & kStylePictureAbove) height = std::max(height, live->height + (record->text.empty() ? 0 : textHeight));
        else height = std::max(height, live->height + 2);
    }
    return std::clamp(UINT(height), 1u, kMaxRowHeight);
}

bool LayOutRecordRow(HWND box, const OutlineState& state, HDC dc, const RowRecord& record, const RECT& row,
                     bool selected, RowLayout* layout) {
    RowFont font(dc, box, &record);
    const TabStops tabs(state);
    const PIC* picture = ChoosePicture(record, DrawnSelected(record, selected));
    *layout = LayOutRow(InputFor(state, dc, record, row, picture, tabs, font.Metrics()));
    return true;
}

void DrawRow(HWND box, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT& row = item.rcItem;
    const bool wantsFocus = (item.itemAction & ODA_FOCUS) || (item.itemState & ODS_FOCUS);
    if (item.itemData == ULONG_PTR(-1) || item.itemID == UINT(-1)) {
        if (wantsFocus) DrawFocusRect(dc, &row);
        return;
    }
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return;
    const COLORREF background = Background(box, state);
    RowRecord* record = AsRecord(reinterpret_cast<const void*>(item.itemData));
    if (!record) {
        // A host value, not a row of ours: nothing to draw but the row itself.
        if (item.itemAction & ODA_DRAWENTIRE) FillBox(dc, row, background);
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
        return;
    }

    const int saved = SaveDC(dc);
    RowFont font(dc, box, record);
    const TabStops tabs(state);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const DWORD style = state.style;

    // Colours and picture.
    COLORREF text = record->colour & 0x00FFFFFF;
    COLORREF back = background;
    bool drawnSelected = false;
    if (record->flags & kRowKeptFrame) {
        // own colour on the background, normal picture
    } else if (!selected || (record->flags & kRowDisabled)) {
        record->flags &= ~kRowSelected;
    } else {
        drawnSelected = true;
        if (!(style & (kStyleSelectedKeepsColour | kStyleSelectedOnBackground))) text = GetSysColor(COLOR_HIGHLIGHTTEXT);
        if (style & kStyleSelectedBackgroundIsColour) back = record->colour & 0x00FFFFFF;
        else if (!(style & kStyleSelectedOnBackground)) back = GetSysColor(COLOR_HIGHLIGHT);
        record->flags |= kRowSelected;
    }
    PIC* picture = ChoosePicture(*record, drawnSelected);

    const RowInput in = InputFor(state, dc, *record, row, picture, tabs, font.Metrics());
    const RowLayout layout = LayOutRow(in);
    const std::wstring_view label = TextOf(*record);

    if ((item.itemAction & ODA_DRAWENTIRE) || ((item.itemAction & ODA_SELECT) && (style & kStyleSelectedOnBackground)))
        FillBox(dc, row, background);

    const bool focusOnly = item.itemAction == ODA_FOCUS;
    const bool drawText = !focusOnly || (style & (kStyleSelectionFollowsFocus | kStyleKeepSelectionFrame));
    RECT opaque = ToRect(layout.opaque);
    if (drawText) {
        SetTextColor(dc, text);
        SetBkColor(dc, back);
        SetBkMode(dc, OPAQUE);
        bool first = true;
        ForEachPiece(dc, label, tabs, [&](std::wstring_view piece, int x) {
            ExtTextOutW(dc, layout.textX + x, layout.textY, ETO_CLIPPED | (first ? ETO_OPAQUE : 0), &opaque,
                        piece.data(), UINT(piece.size()), nullptr);
            first = false;
        });
    }
    if (!focusOnly && picture) {
        if (style & kStylePaintPictureColumn) {
            RECT column = ToRect(layout.picture);
            IntersectRect(&column, &column, &row);
            FillBox(dc, column, background);
        }
        picture->Draw(dc, layout.picture.left, layout.picture.top, row);
    }
    if (!focusOnly && record->node && !(style & kStyleNoTreeLines)) {
        SetBkColor(dc, background);
        DrawTreeLines(dc, in, layout, *record->node, text, (style & kStyleButtons) != 0);
    }

    RECT frame = ToRect(layout.text);
    if (record->flags & kRowKeptFrame) {
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_HIGHLIGHT));
        record->flags &= ~kRowKeptFrame;
    }
    if (!selected) record->flags &= ~kRowFocusPending;
    RECT focus = opaque;
    IntersectRect(&focus, &focus, &row);
    const bool focusShown = (item.itemState & ODS_FOCUS) || ((record->flags & kRowFocusPending) && selected);
    if (drawText ? focusShown : (item.itemAction & ODA_FOCUS) != 0) DrawFocusRect(dc, &focus);

    if ((style & kStyleHorizontalScroll) && (item.itemAction & ODA_DRAWENTIRE) && !state.isCombo) {
        const int right = layout.textX + in.textWidth + 4 - row.left;
        if (CallUnderlying(box, state, LB_GETHORIZONTALEXTENT, 0, 0) < right)
            CallUnderlying(box, state, LB_SETHORIZONTALEXTENT, WPARAM(right), 0);
    }
    RestoreDC(dc, saved);
}

}  // namespace zw::outline
