// The list's images: a large and a small image list kept in step, so that
// one image index names the same picture in both views. An addition that
// cannot be made in both lists alike is undone in both.
#include "controls/listview/header_list_box.h"
#include "controls/outline/pictures/pic.h"

namespace zw::listview {

namespace {

int Count(const ImageList& list) {
    return list ? ImageList_GetImageCount(list.Get()) : 0;
}

// Cuts a list back to `count` images.
void Truncate(const ImageList& list, int count) {
    const auto setCount = ImageListOperations().setImageCount;
    if (list && setCount && Count(list) > count) setCount(list.Get(), UINT(count));
}

}  // namespace

int CHeaderListBox::AddImage(const PIC& large, const PIC& small) {
    const int largeBefore = Count(record_.largeImages), smallBefore = Count(record_.smallImages);
    const int largeIndex = AddPicture(record_.largeImages.Get(), large);
    if (largeIndex == -1) return -1;
    const int smallIndex = AddPicture(record_.smallImages.Get(), small);
    // A picture that adds nothing, or adds more than one image (a bitmap
    // wider than the list's image), would leave the lists out of step.
    const bool inStep = Count(record_.largeImages) - largeBefore == Count(record_.smallImages) - smallBefore;
    if (smallIndex == -1 || smallIndex != largeIndex || !inStep) {
        Truncate(record_.largeImages, largeBefore);
        Truncate(record_.smallImages, smallBefore);
        return -1;
    }
    return largeIndex;
}

int CHeaderListBox::ImageCount() const {
    return record_.smallImages ? ImageList_GetImageCount(record_.smallImages.Get()) : -1;
}

BOOL CHeaderListBox::RemoveImage(int index) {
    const auto remove = ImageListOperations().remove;
    if (index < 0 || !remove) return FALSE;
    remove(record_.largeImages.Get(), index);
    return remove(record_.smallImages.Get(), index);
}

BOOL CHeaderListBox::RemoveAllImages() {
    const auto remove = ImageListOperations().remove;
    if (!remove || !remove(record_.largeImages.Get(), -1)) return FALSE;
    return remove(record_.smallImages.Get(), -1);
}

bool CHeaderListBox::ReplaceImage(int index, const PIC& large, const PIC& small) {
    return ReplacePicture(record_.largeImages.Get(), index, large) &&
           ReplacePicture(record_.smallImages.Get(), index, small);
}

}  // namespace zw::listview
