// ZelLVGetItemCount, ZelLVGetNextItem, ZelLVGetItemState, ZelLVSetItemState,
// ZelLVGetItem, ZelLVSetItem, ZelLVGetSelectedCount, ZelLVInsertItem,
// ZelLVDeleteItem, ZelLVDeleteAllItems, ZelLVFindItem: the rows of a list.
// Texts and data live in the list's item store; rows are addressed by their
// position in the control.
#include <string>

#include "controls/listview/lv_exports.h"
#include "frame/host_string.h"

using zw::listview::CHeaderListBox;
using zw::listview::ListCall;
using zw::listview::Required;

extern "C" int __stdcall ZelLVGetItemCount(void* list) {
    return ListCall(L"ZelLVGetItemCount()", list, 0, L" - Unable to retrieve item count.",
                    [](CHeaderListBox& l) { return int(l.Send(LVM_GETITEMCOUNT)); });
}

extern "C" int __stdcall ZelLVGetNextItem(void* list, int start, UINT flags) {
    return ListCall(L"ZelLVGetNextItem()", list, -1, L" - Unable to retrieve next item.",
                    [&](CHeaderListBox& l) { return int(l.Send(LVM_GETNEXTITEM, WPARAM(start), LPARAM(flags))); });
}

extern "C" UINT __stdcall ZelLVGetItemState(void* list, int row, UINT mask) {
    return ListCall(L"ZelLVGetItemState()", list, UINT(0), L" - Unable to retrieve item state.",
                    [&](CHeaderListBox& l) { return UINT(l.Send(LVM_GETITEMSTATE, WPARAM(row), LPARAM(mask))); });
}

extern "C" BOOL __stdcall ZelLVSetItemState(void* list, int row, UINT state, UINT mask) {
    return ListCall(L"ZelLVSetItemState()", list, FALSE, L" - Unable to assign item state.",
                    [&](CHeaderListBox& l) { return l.SetItemState(row, state, mask); });
}

extern "C" BOOL __stdcall ZelLVGetItem(void* list, int row, int subItem, ZW_HSTR* text, LONG* data, int* image) {
    return ListCall(L"ZelLVGetItem()", list, FALSE, L" - Unable to retrieve item.", [&](CHeaderListBox& l) -> BOOL {
        ZW_HSTR& textOut = Required(text);
        LONG& dataOut = Required(data);
        int& imageOut = Required(image);
        if (subItem < 0) throw zw::InvalidArgException();
        // A handle the host does not know could never be sized.
        DWORD bytes = 0;
        if (textOut && !HostStrLock(textOut, &bytes)) throw zw::InvalidArgException();
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        if (row < 0 || !l.Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return FALSE;
        const zw::listview::SHdrLBItem* entry = l.RowItem(row);
        const std::u16string empty;
        const std::u16string& value = entry ? entry->Text(subItem) : empty;
        zw::AssignHostString(&textOut, std::wstring(value.begin(), value.end()));
        dataOut = entry ? entry->data : 0;
        imageOut = item.iImage;
        return TRUE;
    });
}

extern "C" BOOL __stdcall ZelLVSetItem(void* list, int row, int subItem, UINT mask, LPCWSTR text, LONG data,
                                       int image) {
    return ListCall(L"ZelLVSetItem()", list, FALSE, L" - Unable to assign item.",
                    [&](CHeaderListBox& l) { return l.SetItem(row, subItem, mask, text, data, image); });
}

extern "C" int __stdcall ZelLVGetSelectedCount(void* list) {
    return ListCall(L"ZelLVGetSelectedCount()", list, 0, L" - Unable to retrieve selected count.",
                    [](CHeaderListBox& l) { return int(l.Send(LVM_GETSELECTEDCOUNT)); });
}

extern "C" int __stdcall ZelLVInsertItem(void* list, int row, LPCWSTR text, LONG data, int image) {
    return ListCall(L"ZelLVInsertItem()", list, -1, L" - Unable to insert item.",
                    [&](CHeaderListBox& l) { return l.InsertItem(row, text, data, image); });
}

extern "C" int __stdcall ZelLVDeleteItem(void* list, int row) {
    return ListCall(L"ZelLVDeleteItem()", list, 0, L" - Unable to delete item.",
                    [&](CHeaderListBox& l) { return l.DeleteItem(row); });
}

extern "C" BOOL __stdcall ZelLVDeleteAllItems(void* list) {
    return ListCall(L"ZelLVDeleteAllItems()", list, FALSE, L" - Unable to delete all items.",
                    [](CHeaderListBox& l) { return l.DeleteAllItems(); });
}

extern "C" int __stdcall ZelLVFindItem(void* list, UINT flags, LPCWSTR text, int start) {
    return ListCall(L"ZelLVFindItem()", list, -1, L" - Unable to find item.", [&](CHeaderListBox& l) {
        LVFINDINFOW find{};
        find.flags = flags;
        find.psz = &Required(text);
        find.lParam = 0;
        return int(l.Send(LVM_FINDITEMW, WPARAM(start), reinterpret_cast<LPARAM>(&find)));
    });
}
