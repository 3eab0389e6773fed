#include "frame/designer_data.h"

#include <exception>

#include "frame/exceptions.h"
#include "frame/host_api.h"

namespace zw {

namespace {

// A host string the library was handed and must give back when done.
class HeldHostString {
public:
    HeldHostString() = default;
    ~HeldHostString() {
        if (handle_) HostStrRelease(handle_);
    }
    HeldHostString(const HeldHostString&) = delete;
    HeldHostString& operator=(const HeldHostString&) = delete;
    HOSTSTR* Out() { return &handle_; }
    HOSTSTR Get() const { return handle_; }

private:
    HOSTSTR handle_ = 0;
};

}  // namespace

bool HasDesignerData(const void* creationRecord) {
    return creationRecord && (static_cast<const BYTE*>(creationRecord)[4] & 0x01);
}

int LoadNamedItem(MemoryStream& stream, const void* propData, DWORD length, const wchar_t* itemName) {
    if (!propData || length == 0 || !itemName) return 0;
    HeldHostString item;
    if (!HostGetNamedProp(propData, length, itemName, item.Out()) || !item.Get()) return 0;
    DWORD size = 0;
    const WCHAR* bytes = HostStrLock(item.Get(), &size);
    // The host adds one byte after the item's own.
    if (!bytes || size == 0) return 0;
    try {
        stream.Write(bytes, size - 1);
    } catch (const FileException&) {
        return 0;
    }
    return 1;
}

bool LoadDesignerItem(HWND window, const void* creationRecord, const wchar_t* itemName,
                      const std::function<void(Archive&)>& read) {
    return HasDesignerData(creationRecord) && LoadWindowItem(window, itemName, read);
}

bool LoadWindowItem(HWND window, const wchar_t* itemName, const std::function<void(Archive&)>& read) {
    const void* propData = HostGetPropData(window);
    DWORD length = HostGetPropDataSize(window);
    if (!propData || length == 0) return false;
    try {
        MemoryStream stream(kDesignerStreamGrowBytes);
        if (!LoadNamedItem(stream, propData, length, itemName)) return false;
        stream.Seek(0, MemoryStream::Origin::Begin);
        Archive archive(stream, Archive::Mode::Loading, kDesignerArchiveBuffer);
        read(archive);
        archive.Close();
        return true;
    } catch (const std::exception&) {
        // Truncated or corrupt items, and records that cannot be built, leave
        // the control with its defaults; creation goes on.
        return false;
    }
}

}  // namespace zw
