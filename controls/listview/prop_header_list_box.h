// SPropHeaderListBox: the list view's property record, as the form designer
// stores it (item "ZW:HeaderListBox") and as the live list keeps it.
//
// Stored form: the columns as an object array of "SHdrLBColumn", the 32-bit
// version 2, bkColor, textColor, textBkColor, style, labelLimit and
// sortColumn (32 bits each), the large and the small image list in the
// platform's image-list stream format, then sortOrder (32 bits). Version 0
// ends the record after the columns, version 1 after the image lists.
#pragma once

#include <windows.h>

#include <cstdint>

#include "controls/listview/core/header_list_records.h"
#include "controls/listview/image_list.h"
#include "frame/core/archive.h"

namespace zw::listview {

inline constexpr wchar_t kHeaderListItemName[] = L"ZW:HeaderListBox";
inline constexpr std::int32_t kDefaultLabelLimit = 32;

struct SPropHeaderListBox {
    // One column "Item" (left, 100 pixels), a label limit of 32, and both
    // image lists holding the default image.
    SPropHeaderListBox();
    // Copies rebuild both image lists at the standard sizes from the source's
    // images.
    SPropHeaderListBox(const SPropHeaderListBox& other);
    SPropHeaderListBox& operator=(const SPropHeaderListBox& other);
    SPropHeaderListBox(SPropHeaderListBox&&) noexcept = default;
    SPropHeaderListBox& operator=(SPropHeaderListBox&&) noexcept = default;

    // No columns, no image lists, colours -1, the numbers 0.
    void Reset();
    void Serialize(Archive& ar);

    std::int32_t bDropDown;     // 1: the list is a drop-down's pop-up (not stored)
    CHdrLBColumnArray columns;  // column definitions, in column order
    ImageList largeImages;      // images of the large icon size
    ImageList smallImages;      // images of 16 by 16 pixels
    std::int32_t bkColor;       // control background COLORREF; -1 leaves the control's own
    std::int32_t textColor;     // item text COLORREF; -1 leaves the control's own
    std::int32_t textBkColor;   // item text background COLORREF; -1 leaves the control's own
    std::int32_t style;         // the low 16 bits of the list window's style (LVS_*)
    std::int32_t labelLimit;    // characters allowed in an in-place label edit
    std::int32_t sortColumn;    // column that ZelLVSortItems sorts by
    std::int32_t sortOrder;     // 0 ascending, 1 descending
};

}  // namespace zw::listview
