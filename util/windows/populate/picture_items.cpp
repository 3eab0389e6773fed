// ZelPopulatePictureFromProperty: a box filled from the picture list that the
// form designer stored with a window (the designer item "ZW:PicItems", an
// archive of PICITEM records): one row per record, with its text, its value
// and its picture.
#include <windows.h>

#include "controls/outline/pictures/caches.h"
#include "controls/outline/pictures/core/pic_item.h"
#include "frame/call_frame.h"
#include "frame/designer_data.h"
#include "include/zwi51.h"
#include "util/windows/populate/populate_box.h"

namespace zw::populate {
namespace {

// The load flags a record may give: format and size bits and, as the source,
// a file or a module. Other sources (memory, host resources) are not taken
// from designer data.
constexpr WORD kAcceptedFlags = kPicFormatBitmap | kPicFormatIcon | kPicFromModule | kPicFromFile | kPicLargeIcon |
                                kPicSmallIcon;

// The record's picture in the box's picture cache, owned by the box; null
// when it cannot be loaded.
ZW_HPIC LoadItemPicture(HWND box, const PICITEM& item) {
    const std::wstring source(item.source.begin(), item.source.end());
    const std::wstring name(item.name.begin(), item.name.end());
    ZW_HPIC picture = ZelPicLoad((item.flags & kAcceptedFlags) | kPicOwnedByList, source.c_str(), name.c_str());
    if (picture && CachePicture(box, reinterpret_cast<PIC*>(picture)) < 0) {
        ZelPicFree(picture);
        return nullptr;
    }
    return picture;
}

int PopulatePictures(HWND holder, HWND box) {
    if (!HostGetPropData(holder) || HostGetPropDataSize(holder) == 0) return 0;
    CPicItemArray items;
    if (!LoadWindowItem(holder, L"ZW:PicItems", [&items](Archive& ar) { ar.ObjectArray(items); })) return 0;
    if (!MakeOutlineBox(box, IsComboBox(box) ? kComboStyle : kListStyle)) return 0;
    HostListClear(box);
    for (const auto& item : items) {
        if (!item) continue;
        ZW_HPIC picture = LoadItemPicture(box, *item);
        const std::wstring text(item->text.begin(), item->text.end());
        if (ZelListAddPictureValue(box, text.c_str(), picture, picture, LONG_PTR(LONG(item->value))) < 0) return 0;
    }
    return 1;
}

}  // namespace
}  // namespace zw::populate

extern "C" int __stdcall ZelPopulatePictureFromProperty(HWND holder, HWND box) {
    if (!IsWindow(holder) || !IsWindow(box)) return 0;
    return zw::Guarded(L"ZelPopulatePictureFromProperty()", 0,
                       [&] { return zw::populate::PopulatePictures(holder, box); });
}
