// CHeaderListBox: the list view's list, a platform list-view control
// ("SysListView32") with column headers, large and small images, in-place
// label editing and sorting by column clicks. The control draws and scrolls;
// this object keeps the texts of every row in its own item store (the
// control only holds each row's store index as its lParam and asks for texts
// through LVN_GETDISPINFOW), sorts through the control with its own
// comparison, and relays the control's notifications.
//
// One class serves two settings: the child that fills a form-placed list
// view (CDlgHeaderLB), and the bordered pop-up of a list view drop-down,
// which makes one with Create() and applies a record whose bDropDown is 1.
//
// What the window that parents a list must do (the control talks to its
// parent): answer WM_NOTIFYFORMAT with NFR_UNICODE, and hand every WM_NOTIFY
// to CHeaderListBox::ReflectNotify, returning its result when it took it.
//
// Messages it sends (a message identical to one it posted that is still
// waiting in the queue is not posted again: a fill of many rows leaves one
// LVN_INSERTITEM for the owner, not one per row):
// - to hostWindow (posted WM_COMMAND: list id, code, the list window):
//   kNotifySelection when a row's selection or focus changed through the
//   user; in drop-down mode kNotifyCloseUp (Enter, Escape, Alt+Up, a click,
//   focus loss) and kNotifyCancel after it for Escape. Also posted to
//   hostWindow: ZWM_ColumnSorted after a column click, key-ups, and in
//   drop-down mode every key-down.
// - to owner (posted WM_COMMAND: list id, the notification code's low 16
//   bits, hostWindow): the control's notifications LVN_INSERTITEM,
//   LVN_DELETEITEM, LVN_DELETEALLITEMS, LVN_BEGINDRAG, LVN_BEGINRDRAG,
//   LVN_COLUMNCLICK, LVN_ITEMCHANGED, NM_CLICK, NM_DBLCLK, NM_RCLICK and
//   NM_RDBLCLK.
//
// Not done here: the designer's property pages and the record's saving (the
// designer integration writes it).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/listview/core/item_store.h"
#include "controls/listview/prop_header_list_box.h"
#include "frame/control.h"

namespace zw {
class PIC;
}

namespace zw::listview {

// WM_COMMAND codes sent to hostWindow.
enum : WORD {
    kNotifySelection = 1,  // a row's selection or focus changed
    kNotifyCloseUp = 8,    // drop-down mode: the pop-up asks to be closed
    kNotifyCancel = 10,    // drop-down mode: Escape, after kNotifyCloseUp
};

// Posted to hostWindow after a column click: wParam the descending flag,
// lParam the column.
constexpr UINT ZWM_ColumnSorted = 0x600E;

class CHeaderListBox : public Control {
public:
    CHeaderListBox() = default;

    // The live list behind an instance handed back by the application, or
    // null for anything else.
    static CHeaderListBox* FromInstance(void* instance);

    // Makes a list window of class "SysListView32" with `style` (a child
    // with WS_CHILD, given control id `id`; or a pop-up) and attaches a new
    // list to it. `owner` receives the forwarded notifications (null: the
    // parent); `hostWindow` the list's own notifications (null: the list
    // window itself). The list belongs to its window. Null when the window
    // or the list cannot be made.
    static CHeaderListBox* Create(DWORD style, const RECT& rect, HWND parent, UINT id, HWND owner, HWND hostWindow);

    // Hands a WM_NOTIFY that a parent received to the list it came from.
    // True when a list took it; *result is then the answer to return.
    static bool ReflectNotify(LPARAM lParam, LRESULT* result);

    HWND Owner() const { return owner_; }
    HWND HostWindow() const { return hostWindow_; }
    bool DropDown() const { return record_.bDropDown != 0; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(Handle(), message, wParam, lParam);
    }

    // ---- property record
    const SPropHeaderListBox& Record() const { return record_; }
    // Deletes every column and row, copies the record into the live one and
    // applies its style, colours, image lists and columns.
    void ApplyRecord(const SPropHeaderListBox& record);

    // ---- rows (row positions of the control; texts kept in the store)
    // Appends a store item and inserts a row for it at `row`. Returns the
    // control's row index, -1 when it refused; InvalidArgException for a
    // negative row or image or a null text.
    int InsertItem(int row, const wchar_t* text, std::int32_t data, int image);
    // Sets a row's sub-item text (LVIF_TEXT), data (LVIF_PARAM) and other
    // LVIF_* fields. Returns the control's answer; 0 for a row without a
    // store item; InvalidArgException for negative numbers or a null text.
    BOOL SetItem(int row, int subItem, UINT mask, const wchar_t* text, std::int32_t data, int image);
    // The store item behind a row, or null (no such row, or not ours).
    const SHdrLBItem* RowItem(int row) const;
    // Deletes the row and its store item; returns the rows left.
    // InvalidArgException when there is no such row.
    int DeleteItem(int row);
    // Deletes every row and empties the store.
    BOOL DeleteAllItems();
    // Sets a row's state without reporting kNotifySelection; a change that
    // selects calls onStateSelected.
    BOOL SetItemState(int row, UINT state, UINT mask);
    // Text of the first selected row's item ("" when none is selected).
    std::wstring FirstSelectedText() const;

    // ---- columns
    // Replaces the record's columns and the control's columns with these.
    void AssignColumns(CHdrLBColumnArray columns);

    // ---- sorting
    // Sorts by a clicked column: the column of the last sort toggles the
    // direction, another starts ascending.
    void SortByColumnClick(int column);
    // Sorts by the record's sort column and order, which the next column
    // click then continues from.
    void SortItems();
    const SHeaderListSort& LastSort() const { return sort_; }
    int SortColumn() const { return record_.sortColumn; }
    int SortOrder() const { return record_.sortOrder; }
    // False (and no change) for a negative column, or an order other than 0 or 1.
    bool SetSortColumn(int column);
    bool SetSortOrder(int order);

    // ---- images (the large and small lists are kept in step)
    // Adds a large and a small picture; the common index of the new images,
    // or -1 with both lists as they were.
    int AddImage(const PIC& large, const PIC& small);
    int ImageCount() const;
    // Removes image `index` from both lists: the small list's answer.
    BOOL RemoveImage(int index);
    // Empties both lists: the small list's answer when the large list
    // emptied, else 0.
    BOOL RemoveAllImages();
    // True when image `index` was replaced in both lists.
    bool ReplaceImage(int index, const PIC& large, const PIC& small);

    // Called when SetItemState selected a row: a drop-down puts that row's
    // text into its edit field here.
    std::function<void(CHeaderListBox&)> onStateSelected;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // What WM_CREATE does for a list: owner and hostWindow, style, colours,
    // image lists and columns from the live record.
    void Initialize(HWND owner, HWND hostWindow);
    // The live record's style, colours, image lists and columns, into the
    // control.
    void ApplyLiveRecord();
    void InsertColumns();
    void DeleteColumns();
    void DeleteRows();
    void Sort();

    // message handlers
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM key, LPARAM flags);
    LRESULT OnSysKeyDown(WPARAM key, LPARAM flags);
    LRESULT OnKeyUp(WPARAM key, LPARAM flags);
    LRESULT OnDestroy();

    // reflected notifications
    bool OnNotify(NMHDR& header, LRESULT* result);
    void OnGetDispInfo(NMLVDISPINFOW& info) const;
    void OnBeginLabelEdit();
    BOOL OnEndLabelEdit(const NMLVDISPINFOW& info);
    void OnColumnClick(const NMLISTVIEW& info);
    void OnItemChanged(const NMLISTVIEW& info);
    void OnClick();

    // notification helpers
    void SendCode(WORD code);
    void Forward(UINT code);
    // Posts a WM_COMMAND unless the same one is still waiting; a message to
    // itself behind the first one tells when those waiting were delivered.
    void PostNote(HWND target, WPARAM wParam, LPARAM lParam);
    void OnNotesDelivered();
    void ReleaseOwnCapture();
    // The store index that a row carries, or -1 when there is no such row.
    LPARAM RowIndex(int row) const;

    SPropHeaderListBox record_;    // the live property record: columns, images, colours, style, sort
    ItemStore items_;              // texts and data of every row, by store index
    SHeaderListSort sort_;         // the last sort: column (-1 before the first) and direction
    HWND owner_ = nullptr;         // receives forwarded notifications
    HWND hostWindow_ = nullptr;    // receives the list's own notifications and forwarded keys
    UINT id_ = 0;                  // control id in the WM_COMMAND notifications
    bool notifyEnabled_ = true;    // false while the program itself changes item states
    struct PostedNote {
        HWND target;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<PostedNote> waiting_;  // WM_COMMANDs posted and not yet delivered
    bool deliveryMarked_ = false;      // the delivery message to itself is waiting behind them
};

}  // namespace zw::listview
