// Image lists of the list view: an owner for an image list handle, the
// standard lists (large and small icon size, masked, growing by 10), pictures
// added to and replaced in a list, and image lists written to and read from
// an object archive in the platform's image-list stream format.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "frame/core/archive.h"

namespace zw {
class PIC;
}

namespace zw::listview {

// An image list destroyed with its owner.
class ImageList {
public:
    ImageList() = default;
    explicit ImageList(HIMAGELIST handle) : handle_(handle) {}
    ~ImageList() { Reset(); }
    ImageList(ImageList&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    ImageList& operator=(ImageList&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    HIMAGELIST Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(HIMAGELIST handle = nullptr);

private:
    HIMAGELIST handle_ = nullptr;
};

// The image-list operations that are looked up by name in the common-controls
// library on first use; null when the library lacks one.
struct ImageListCalls {
    int(WINAPI* add)(HIMAGELIST, HBITMAP, HBITMAP);
    BOOL(WINAPI* replace)(HIMAGELIST, int, HBITMAP, HBITMAP);
    BOOL(WINAPI* remove)(HIMAGELIST, int);
    BOOL(WINAPI* setImageCount)(HIMAGELIST, UINT);
};
const ImageListCalls& ImageListOperations();

// An empty list of images of `size`, masked, growing by 10; throws
// ResourceException when it cannot be made.
ImageList NewImageList(SIZE size);
// A list of `size` holding the default image (the system's window-logo icon).
ImageList NewDefaultImageList(SIZE size);
// A list of `size` holding each image of `source`, taken out as an icon.
ImageList CopyImageList(HIMAGELIST source, SIZE size);

// Adds a picture: a bitmap with its mask, an icon or cursor by its icon.
// Returns the new image's index, -1 when the list refused it, and 0 for a
// picture of another kind, which adds nothing.
int AddPicture(HIMAGELIST list, const PIC& picture);
// Replaces image `index` with a picture; false when the list refused it or
// the picture is of another kind.
bool ReplacePicture(HIMAGELIST list, int index, const PIC& picture);

// Writes a list into a storing archive; reads one from a loading archive
// (FileException when the data is not an image list).
void WriteImageList(Archive& ar, HIMAGELIST list);
ImageList ReadImageList(Archive& ar);

}  // namespace zw::listview
