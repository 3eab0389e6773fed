#include "controls/listview/image_list.h"

#include <objidl.h>

#include <algorithm>

#include "controls/outline/pictures/pic.h"
#include "frame/exceptions.h"

namespace zw::listview {

void ImageList::Reset(HIMAGELIST handle) {
    if (handle_) ImageList_Destroy(handle_);
    handle_ = handle;
}

const ImageListCalls& ImageListOperations() {
    static const ImageListCalls calls = [] {
        ImageListCalls found{};
        HMODULE library = GetModuleHandleW(L"comctl32.dll");
        if (!library) library = LoadLibraryW(L"comctl32.dll");
        if (!library) return found;
        found.add = reinterpret_cast<decltype(found.add)>(
            reinterpret_cast<void*>(GetProcAddress(library, "ImageList_Add")));
        found.replace = reinterpret_cast<decltype(found.replace)>(
            reinterpret_cast<void*>(GetProcAddress(library, "ImageList_Replace")));
        found.remove = reinterpret_cast<decltype(found.remove)>(
            reinterpret_cast<void*>(GetProcAddress(library, "ImageList_Remove")));
        found.setImageCount = reinterpret_cast<decltype(found.setImageCount)>(
            reinterpret_cast<void*>(GetProcAddress(library, "ImageList_SetImageCount")));
        return found;
    }();
    return calls;
}

ImageList NewImageList(SIZE size) {
    // 24-bit colour: a list made with the mask flag alone keeps 16 colours.
    ImageList list(ImageList_Create(size.cx, size.cy, ILC_MASK | ILC_COLOR24, 1, 10));
    if (!list) throw ResourceException();
    return list;
}

namespace {
// Win32s has no window-logo icon.
bool PlatformIsWin32s() {
    const DWORD version = GetVersion();
    return (version & 0x80000000u) && LOBYTE(LOWORD(version)) < 4;
}
}  // namespace

ImageList NewDefaultImageList(SIZE size) {
    ImageList list = NewImageList(size);
    HICON icon = LoadIconW(nullptr, PlatformIsWin32s() ? IDI_APPLICATION : IDI_WINLOGO);
    if (ImageList_ReplaceIcon(list.Get(), -1, icon) < 0) throw ResourceException();
    return list;
}

ImageList CopyImageList(HIMAGELIST source, SIZE size) {
    ImageList list = NewImageList(size);
    const int count = source ? ImageList_GetImageCount(source) : 0;
    for (int i = 0; i < count; ++i) {
        HICON icon = ImageList_GetIcon(source, i, ILD_NORMAL);
        if (!icon) throw ResourceException();
        const int added = ImageList_ReplaceIcon(list.Get(), -1, icon);
        DestroyIcon(icon);
        if (added < 0) throw ResourceException();
    }
    return list;
}

int AddPicture(HIMAGELIST list, const PIC& picture) {
    switch (picture.type) {
    case PIC::kBitmap: {
        const auto add = ImageListOperations().add;
        return add ? add(list, picture.bitmap, picture.mask) : -1;
    }
    case PIC::kIcon:
    case PIC::kIconFromData:
        return ImageList_ReplaceIcon(list, -1, picture.icon);
    }
    return 0;
}

bool ReplacePicture(HIMAGELIST list, int index, const PIC& picture) {
    switch (picture.type) {
    case PIC::kBitmap: {
        const auto replace = ImageListOperations().replace;
        return replace && replace(list, index, picture.bitmap, picture.mask);
    }
    case PIC::kIcon:
    case PIC::kIconFromData:
        return ImageList_ReplaceIcon(list, index, picture.icon) != -1;
    }
    return false;
}

namespace {

// The platform's image-list stream functions over an object archive: reads
// and writes go straight through the archive, so a list sits inside a record
// exactly where the record puts it.
class ArchiveStream final : public IStream {
public:
    explicit ArchiveStream(Archive& ar) : ar_(ar) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(ISequentialStream) || iid == __uuidof(IStream)) {
            *object = static_cast<IStream*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The stream lives on its user's stack; counting references would only
    // pretend otherwise.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE Read(void* bytes, ULONG count, ULONG* read) override {
        if (read) *read = 0;
        if (!bytes) return STG_E_INVALIDPOINTER;
        try {
            const ULONG available = ULONG(std::min<std::size_t>(count, ar_.BytesLeft()));
            ar_.ReadBytes(bytes, available);
            position_ += available;
            if (read) *read = available;
            return available == count ? S_OK : S_FALSE;
        } catch (...) {
            return STG_E_READFAULT;
        }
    }
    HRESULT STDMETHODCALLTYPE Write(const void* bytes, ULONG count, ULONG* written) override {
        if (written) *written = 0;
        if (!bytes) return STG_E_INVALIDPOINTER;
        try {
            ar_.WriteBytes(bytes, count);
            position_ += count;
            if (written) *written = count;
            return S_OK;
        } catch (...) {
            return STG_E_WRITEFAULT;
        }
    }
    // Only the current position can be asked for: the archive moves forward.
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override {
        if (origin != STREAM_SEEK_CUR || move.QuadPart != 0) return STG_E_INVALIDFUNCTION;
        if (position) position->QuadPart = position_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_INVALIDFUNCTION; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return STG_E_INVALIDFUNCTION; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG*, DWORD) override { return STG_E_INVALIDFUNCTION; }
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return STG_E_INVALIDFUNCTION; }

private:
    Archive& ar_;
    ULONGLONG position_ = 0;  // bytes that passed through this stream
};

}  // namespace

void WriteImageList(Archive& ar, HIMAGELIST list) {
    ArchiveStream stream(ar);
    if (!list || !ImageList_Write(list, &stream)) throw FileException(L"Unable to write an image list.");
}

ImageList ReadImageList(Archive& ar) {
    ArchiveStream stream(ar);
    ImageList list(ImageList_Read(&stream));
    if (!list) throw FileException(L"Unable to read an image list.");
    return list;
}

}  // namespace zw::listview
