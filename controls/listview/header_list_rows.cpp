// The list's rows, columns and sorting: texts and data go to the item store,
// the control gets callback texts and each row's store index as its lParam.
#include <array>
#include <string>

#include "controls/listview/header_list_box.h"
#include "frame/exceptions.h"

namespace zw::listview {

namespace {

std::u16string Text(const wchar_t* text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

// The system's lower-case mapping of every UTF-16 code unit, made once: the
// comparison of a sort runs per character, millions of times for a long list.
struct LowerCaseTable {
    LowerCaseTable() {
        for (std::size_t i = 0; i < lower.size(); ++i) lower[i] = char16_t(i);
        // Converts exactly the count given, NUL included.
        CharLowerBuffW(reinterpret_cast<LPWSTR>(lower.data()), DWORD(lower.size()));
    }
    std::array<char16_t, 0x10000> lower;
};

char16_t SystemLower(char16_t c) {
    static const LowerCaseTable table;
    return table.lower[c];
}

int CALLBACK CompareRowsCallback(LPARAM first, LPARAM second, LPARAM sort) {
    return CompareRows(first, second, *reinterpret_cast<const SHeaderListSort*>(sort));
}

}  // namespace

// ---- rows ---------------------------------------------------------------------------

LPARAM CHeaderListBox::RowIndex(int row) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (row < 0 || !Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.lParam;
}

const SHdrLBItem* CHeaderListBox::RowItem(int row) const {
    return items_.At(RowIndex(row));
}

int CHeaderListBox::InsertItem(int row, const wchar_t* text, std::int32_t data, int image) {
    if (row < 0 || !text || image < 0) throw InvalidArgException();
    const std::size_t index = items_.Append(Text(text), data);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    item.iItem = row;
    item.pszText = LPSTR_TEXTCALLBACKW;
    item.iImage = image;
    item.lParam = LPARAM(index);
    return int(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CHeaderListBox::SetItem(int row, int subItem, UINT mask, const wchar_t* text, std::int32_t data, int image) {
    if (row < 0 || subItem < 0 || !text || image < 0) throw InvalidArgException();
    SHdrLBItem* entry = items_.At(RowIndex(row));
    if (mask & LVIF_TEXT) {
        if (!entry) return FALSE;
        entry->SetText(subItem, Text(text));
    }
    if ((mask & LVIF_PARAM) && entry) entry->data = data;
    // The callback text and the remaining fields in one request.
    LVITEMW item{};
    item.mask = mask & ~(LVIF_PARAM | LVIF_STATE);
    item.iItem = row;
    item.iSubItem = subItem;
    item.pszText = LPSTR_TEXTCALLBACKW;
    item.iImage = image;
    return BOOL(Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

int CHeaderListBox::DeleteItem(int row) {
    const LPARAM index = RowIndex(row);
    if (index == -1) throw InvalidArgException();
    items_.Erase(index);
    Send(LVM_DELETEITEM, WPARAM(row));
    return int(Send(LVM_GETITEMCOUNT));
}

BOOL CHeaderListBox::DeleteAllItems() {
    if (Send(LVM_GETITEMCOUNT) == 0) return TRUE;
    const BOOL deleted = BOOL(Send(LVM_DELETEALLITEMS));
    items_.Clear();
    return deleted;
}

void CHeaderListBox::DeleteRows() {
    Send(LVM_DELETEALLITEMS);
    items_.Clear();
}

BOOL CHeaderListBox::SetItemState(int row, UINT state, UINT mask) {
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    notifyEnabled_ = false;
    const BOOL result = BOOL(Send(LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&item)));
    try {
        if ((state & mask & LVIS_SELECTED) && onStateSelected) onStateSelected(*this);
    } catch (...) {
        notifyEnabled_ = true;
        throw;
    }
    notifyEnabled_ = true;
    return result;
}

std::wstring CHeaderListBox::FirstSelectedText() const {
    const int row = int(Send(LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    const SHdrLBItem* item = row < 0 ? nullptr : RowItem(row);
    if (!item) return {};
    const std::u16string& text = item->Text(0);
    return std::wstring(text.begin(), text.end());
}

// ---- columns --------------------------------------------------------------------------

void CHeaderListBox::InsertColumns() {
    int index = 0;
    for (const auto& column : record_.columns) {
        if (!column) continue;
        std::u16string heading = column->text;
        LVCOLUMNW info{};
        info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        info.fmt = column->format;
        info.cx = column->width;
        info.pszText = reinterpret_cast<LPWSTR>(heading.data());
        info.iSubItem = index;
        Send(LVM_INSERTCOLUMNW, WPARAM(index), reinterpret_cast<LPARAM>(&info));
        ++index;
    }
}

void CHeaderListBox::DeleteColumns() {
    const auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    const int count = header ? int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int column = count - 1; column >= 0; --column) Send(LVM_DELETECOLUMN, WPARAM(column));
}

void CHeaderListBox::AssignColumns(CHdrLBColumnArray columns) {
    DeleteColumns();
    record_.columns = std::move(columns);
    InsertColumns();
}

// ---- sorting --------------------------------------------------------------------------

void CHeaderListBox::Sort() {
    sort_.items = &items_;
    sort_.fold = &SystemLower;
    Send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&sort_), reinterpret_cast<LPARAM>(&CompareRowsCallback));
}

void CHeaderListBox::SortByColumnClick(int column) {
    sort_.descending = (column == sort_.column) ? !sort_.descending : 0;
    sort_.column = column;
    Sort();
}

void CHeaderListBox::SortItems() {
    sort_.column = record_.sortColumn;
    sort_.descending = record_.sortOrder == 1 ? 1 : 0;
    Sort();
}

bool CHeaderListBox::SetSortColumn(int column) {
    if (column < 0) return false;
    record_.sortColumn = column;
    return true;
}

bool CHeaderListBox::SetSortOrder(int order) {
    if (order != 0 && order != 1) return false;
    record_.sortOrder = order;
    return true;
}

}  // namespace zw::listview
