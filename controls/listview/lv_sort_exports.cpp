// ZelLVGetSortColumn, ZelLVSetSortColumn, ZelLVGetSortOrder,
// ZelLVSetSortOrder, ZelLVSortItems: the column and order that ZelLVSortItems
// sorts by (column clicks sort on their own and change neither).
#include "controls/listview/lv_exports.h"

using zw::listview::CHeaderListBox;
using zw::listview::ListCall;

extern "C" int __stdcall ZelLVGetSortColumn(void* list) {
    return ListCall(L"ZelLVGetSortColumn()", list, -1, L" - Unable to retrieve sort column.",
                    [](CHeaderListBox& l) { return l.SortColumn(); });
}

extern "C" BOOL __stdcall ZelLVSetSortColumn(void* list, int column) {
    return ListCall(L"ZelLVSetSortColumn()", list, FALSE, L" - Unable to assign sort column.",
                    [&](CHeaderListBox& l) -> BOOL {
                        if (!l.SetSortColumn(column)) throw zw::InvalidArgException();
                        return TRUE;
                    });
}

extern "C" int __stdcall ZelLVGetSortOrder(void* list) {
    return ListCall(L"ZelLVGetSortOrder()", list, -1, L" - Unable to retrieve sort order.",
                    [](CHeaderListBox& l) { return l.SortOrder(); });
}

extern "C" BOOL __stdcall ZelLVSetSortOrder(void* list, int order) {
    return ListCall(L"ZelLVSetSortOrder()", list, FALSE, L" - Unable to assign sort order.",
                    [&](CHeaderListBox& l) -> BOOL {
                        if (!l.SetSortOrder(order)) throw zw::InvalidArgException();
                        return TRUE;
                    });
}

extern "C" BOOL __stdcall ZelLVSortItems(void* list) {
    return ListCall(L"ZelLVSortItems()", list, FALSE, L" - Unable to sort items.", [](CHeaderListBox& l) -> BOOL {
        l.SortItems();
        return TRUE;
    });
}
