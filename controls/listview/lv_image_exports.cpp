// ZelLVImageAdd, ZelLVImageCountGet, ZelLVImageRemove, ZelLVImageRemoveAll,
// ZelLVImageReplace: the list's images, one large and one small picture for
// each image index. Pictures are the library's picture handles (ZelPicLoad).
#include "controls/listview/lv_exports.h"
#include "controls/outline/pictures/pic.h"

using zw::PIC;
using zw::listview::CHeaderListBox;
using zw::listview::ListCall;

namespace {
// A live picture; InvalidArgException for a null or stale handle.
const PIC& Picture(ZW_HPIC handle) {
    const PIC* picture = PIC::FromHandle(handle);
    if (!picture) throw zw::InvalidArgException();
    return *picture;
}
}  // namespace

extern "C" int __stdcall ZelLVImageAdd(void* list, ZW_HPIC large, ZW_HPIC small) {
    return ListCall(L"ZelLVImageAdd()", list, -1, L" - Unable to add image to control.",
                    [&](CHeaderListBox& l) { return l.AddImage(Picture(large), Picture(small)); });
}

extern "C" int __stdcall ZelLVImageCountGet(void* list) {
    return ListCall(L"ZelLVImageCountGet()", list, -1, L" - Unable to retrieve count on images in control.",
                    [](CHeaderListBox& l) { return l.ImageCount(); });
}

extern "C" BOOL __stdcall ZelLVImageRemove(void* list, int index) {
    return ListCall(L"ZelLVImageRemove()", list, FALSE, L" - Unable to remove image from control.",
                    [&](CHeaderListBox& l) { return l.RemoveImage(index); });
}

extern "C" BOOL __stdcall ZelLVImageRemoveAll(void* list) {
    return ListCall(L"ZelLVImageRemoveAll()", list, FALSE, L" - Unable to remove all images from control.",
                    [](CHeaderListBox& l) { return l.RemoveAllImages(); });
}

extern "C" BOOL __stdcall ZelLVImageReplace(void* list, int index, ZW_HPIC large, ZW_HPIC small) {
    return ListCall(L"ZelLVImageReplace()", list, FALSE, L" - Unable to replace image in control.",
                    [&](CHeaderListBox& l) -> BOOL { return l.ReplaceImage(index, Picture(large), Picture(small)); });
}
