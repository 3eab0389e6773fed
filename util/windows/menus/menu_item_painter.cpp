#include "util/windows/menus/menu_item_painter.h"

#include <string>

#include "controls/gdi_owners.h"
#include "controls/outline/pictures/fonts.h"
#include "util/windows/menus/core/menu_item_layout.h"
#include "util/windows/menus/core/menu_text.h"

namespace zw::menus {
namespace {

constexpr WORD kCheckBitmap = 0x7FF8;  // OBM_CHECK, the system's check mark
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER;

gdi::Object<HFONT> MenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return gdi::Object<HFONT>();
    return gdi::Object<HFONT>(CreateFontIndirectW(&metrics.lfMenuFont));
}

int FontHeight(HDC dc, HFONT font) {
    gdi::Selection selected(dc, font);
    TEXTMETRICW metrics{};
    return GetTextMetricsW(dc, &metrics) ? int(metrics.tmHeight) : 0;
}

// The width DrawText gives a text ("&" prefixes taken out), in the selected font.
int TextWidth(HDC dc, std::wstring_view text) {
    if (text.empty()) return 0;
    RECT bounds{};
    DrawTextW(dc, text.data(), int(text.size()), &bounds, kTextFormat | DT_CALCRECT);
    return int(bounds.right - bounds.left);
}

// The measurements of an item's parts in `dc`, the item's font selected
// (`textFont`) or the menu font (`menuFont`).
ItemMetrics Measure(HDC dc, const ItemRecordView& item, HFONT textFont, HFONT menuFont) {
    const ItemColumns columns = SplitAtTab(item.text);
    ItemMetrics metrics{};
    metrics.checkWidth = LOWORD(GetMenuCheckMarkDimensions());
    if (item.picture) {
        metrics.pictureWidth = item.picture->width;
        metrics.pictureHeight = item.picture->height;
    }
    metrics.textHeight = FontHeight(dc, textFont);
    metrics.menuFontHeight = FontHeight(dc, menuFont);
    gdi::Selection selected(dc, textFont);
    metrics.labelWidth = TextWidth(dc, columns.label);
    metrics.acceleratorWidth = TextWidth(dc, columns.accelerator);
    metrics.hasAccelerator = columns.hasAccelerator;
    return metrics;
}

HFONT TextFontOf(const ItemRecordView& item, HFONT menuFont) {
    return item.font && IsFont(item.font) ? item.font : menuFont;
}

void DrawCheckMark(HDC dc, const RECT& cell, COLORREF ink, COLORREF background) {
    gdi::Object<HBITMAP> check(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckBitmap)));
    BITMAP size{};
    if (!check || !GetObjectW(check.Get(), sizeof size, &size)) return;
    gdi::MemoryDC source(dc);
    if (!source.Get()) return;
    gdi::Selection selected(source.Get(), check.Get());
    // A monochrome source paints its 0 bits in the text colour and its 1
    // bits in the background colour.
    SetTextColor(dc, ink);
    SetBkColor(dc, background);
    // A check bitmap wider than the column must not cover the picture.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
    const int x = cell.left + (cell.right - cell.left - size.bmWidth) / 2;
    const int y = cell.top + (cell.bottom - cell.top - size.bmHeight) / 2;
    BitBlt(dc, x, y, size.bmWidth, size.bmHeight, source.Get(), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
}

}  // namespace

SIZE MeasureMenuItem(HWND owner, const ItemRecordView& item) {
    gdi::WindowDC dc(owner, DCX_CACHE);
    const gdi::Object<HFONT> menuFont = MenuFont();
    if (!dc) return SIZE{0, 0};
    const ItemSize size = MeasureItem(Measure(dc.Get(), item, TextFontOf(item, menuFont.Get()), menuFont.Get()));
    return SIZE{size.width, size.height};
}

void DrawMenuItem(const DRAWITEMSTRUCT& draw, const ItemRecordView& item) {
    HDC dc = draw.hDC;
    const RECT& bounds = draw.rcItem;
    const int saved = SaveDC(dc);
    const gdi::Object<HFONT> menuFont = MenuFont();
    const HFONT textFont = TextFontOf(item, menuFont.Get());
    const ItemMetrics metrics = Measure(dc, item, textFont, menuFont.Get());
    const ItemPlaces places = PlaceItem(metrics);

    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const COLORREF background = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU);
    COLORREF ink = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    if (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) ink = GetSysColor(COLOR_GRAYTEXT);
    FillRect(dc, &bounds, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));

    if (draw.itemState & ODS_CHECKED) {
        const RECT cell{bounds.left, bounds.top, bounds.left + metrics.checkWidth, bounds.bottom};
        DrawCheckMark(dc, cell, ink, background);
    }
    if (item.picture) {
        const int y = bounds.top + (bounds.bottom - bounds.top - item.picture->height) / 2;
        item.picture->Draw(dc, bounds.left + places.pictureLeft, y, bounds);
    }
    const ItemColumns columns = SplitAtTab(item.text);
    gdi::Selection selectedFont(dc, textFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    RECT label = bounds;
    label.left += places.labelLeft;
    DrawTextW(dc, columns.label.data(), int(columns.label.size()), &label, kTextFormat | DT_LEFT);
    if (columns.hasAccelerator) {
        RECT accelerator = bounds;
        accelerator.right -= kRightMargin;
        DrawTextW(dc, columns.accelerator.data(), int(columns.accelerator.size()), &accelerator,
                  kTextFormat | DT_RIGHT);
    }
    RestoreDC(dc, saved);
}

}  // namespace zw::menus
