// ZelListGetTextRectangle, ZelListGetIndexFromPoint and ZelListGetVisibleRange.
#include "controls/outline/outline_geometry.h"

#include "controls/outline/outline_box.h"
#include "controls/outline/row_painter.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

// The state of a list box (not a combo box) in outline mode.
bool ListState(HWND box, OutlineState* state) {
    return IsWindow(box) && ReadOutlineState(box, state) && !state->isCombo;
}

int ClientHeight(HWND box) {
    RECT client{};
    GetClientRect(box, &client);
    return client.bottom - client.top;
}

int RowHeight(HWND box, const OutlineState& state, int row) {
    const LRESULT height = CallUnderlying(box, state, LB_GETITEMHEIGHT, WPARAM(row), 0);
    return height < 0 ? 0 : int(height);
}

int IndexFromPoint(HWND box, int x, int y) {
    OutlineState state{};
    if (!ListState(box, &state)) return -1;
    RECT client{};
    GetClientRect(box, &client);
    if (x < client.left || x >= client.right || y < client.top || y >= client.bottom) return -1;
    const int count = RowCount(box, state);
    int bottom = 0;
    for (int row = int(CallUnderlying(box, state, LB_GETTOPINDEX, 0, 0)); row < count; ++row) {
        bottom += RowHeight(box, state, row);
        if (bottom > y) return row;
    }
    return -1;
}

int TextRectangle(HWND box, int row, int* top, int* left, int* bottom, int* right) {
    OutlineState state{};
    if (!ListState(box, &state)) return 0;
    const RowRecord* record = RecordAt(box, state, row);
    if (!record) return 0;
    RECT rect;
    if (CallUnderlying(box, state, LB_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&rect)) == LB_ERR) return 0;
    HDC dc = GetDC(box);
    if (!dc) return 0;
    RowLayout layout;
    const bool selected = CallUnderlying(box, state, LB_GETSEL, WPARAM(row), 0) > 0;
    LayOutRecordRow(box, state, dc, *record, rect, selected, &layout);
    ReleaseDC(box, dc);
    if (top) *top = layout.text.top;
    if (left) *left = layout.text.left;
    if (bottom) *bottom = layout.text.bottom;
    if (right) *right = layout.text.right;
    return 1;
}

}  // namespace

int VisibleRows(HWND box, const OutlineState& state, int* first, int* last) {
    const int count = RowCount(box, state);
    const int height = ClientHeight(box);
    const int top = int(CallUnderlying(box, state, LB_GETTOPINDEX, 0, 0));
    int row = top, filled = 0;
    while (row < count && filled < height) filled += RowHeight(box, state, row++);
    *first = top;
    *last = row - 1;
    return row - top;
}

}  // namespace zw::outline

extern "C" int __stdcall ZelListGetTextRectangle(HWND list, int row, int* top, int* left, int* bottom, int* right) {
    return zw::Guarded(L"ZelListGetTextRectangle()", 0,
                       [&] { return zw::outline::TextRectangle(list, row, top, left, bottom, right); });
}

extern "C" int __stdcall ZelListGetIndexFromPoint(HWND list, int x, int y) {
    return zw::Guarded(L"ZelListGetIndexFromPoint()", -1, [&] { return zw::outline::IndexFromPoint(list, x, y); });
}

extern "C" int __stdcall ZelListGetVisibleRange(HWND list, int* first, int* last) {
    if (!IsWindow(list) || zw::outline::KindOf(list) != zw::outline::BoxKind::List) return -87;
    return zw::Guarded(L"ZelListGetVisibleRange()", -87, [&] {
        zw::outline::OutlineState state{};
        if (!zw::outline::ReadOutlineState(list, &state)) {
            // A plain list box: its own procedure answers the row messages.
            state.underlying = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(list, GWLP_WNDPROC));
        }
        int firstRow = 0, lastRow = -1;
        const int visible = zw::outline::VisibleRows(list, state, &firstRow, &lastRow);
        if (first) *first = firstRow;
        if (last) *last = lastRow;
        return visible;
    });
}
