// The list view in the sample application: a report of drives with three
// columns, a picture for each row in both icon sizes, sorted by its second
// column the way a click on that heading would sort it, one row selected.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

#include "demo/demo_arrays.h"
#include "host/host_test.h"
#include "include/zwi51.h"

namespace {

ZW_HPIC LibraryBitmap(const wchar_t* name, UINT size) {
    return ZelPicLoad(PIC_FromModule | PIC_FormatBitmap | size, L"zwi51.dll", name);
}

}  // namespace

void ShowListViewDemo(void* listView) {
    void* list = ZelLVGetListView(listView);
    if (!list) return;
    ZelLVSetStyle(list, LVS_REPORT | LVS_SHOWSELALWAYS | LVS_EDITLABELS, 1);
    HARRAY headings = Texts({L"Drive", L"Type", L"Label"}), formats = Numbers({LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT}),
           widths = Numbers({50, 70, 65});
    ZelLVColumnsAssign(list, headings, formats, widths, 3);
    for (HARRAY array : {headings, formats, widths}) HostArrayDestroy(array);

    const struct { const wchar_t *drive, *type, *label, *bitmap; } drives[] = {
        {L"C:", L"Hard disk", L"SYSTEM", L"DRVHARD2"}, {L"A:", L"Floppy", L"", L"DRVFLOP2"},
        {L"R:", L"CD-ROM", L"ZWCDROM", L"DRVCD3"},     {L"N:", L"Network", L"ZWNETN", L"DRVNET2"},
        {L"M:", L"Network", L"ZWNETM", L"DRVNET2"},    {L"E:", L"RAM disk", L"TEMP", L"DRVRAM2"},
    };
    int row = 0;
    for (const auto& d : drives) {
        const int image = ZelLVImageAdd(list, LibraryBitmap(d.bitmap, PIC_LargeIcon), LibraryBitmap(d.bitmap, PIC_SmallIcon));
        ZelLVInsertItem(list, row, d.drive, row, image < 0 ? 0 : image);
        ZelLVSetItem(list, row, 1, LVIF_TEXT, d.type, 0, 0);
        ZelLVSetItem(list, row, 2, LVIF_TEXT, d.label, 0, 0);
        ++row;
    }
    ZelLVSetSortColumn(list, 1);
    ZelLVSortItems(list);
    ZelLVSetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}
