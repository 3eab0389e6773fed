// The picture object and ZelPicFree.
#include "controls/outline/pictures/pic.h"

#include <algorithm>
#include <unordered_set>

#include "frame/call_frame.h"
#include "include/zwi51.h"

namespace zw {
namespace {

std::unordered_set<const PIC*>& LivePictures() {
    static std::unordered_set<const PIC*> set;
    return set;
}

// A memory DC with one bitmap selected, released at the end of the scope.
class BitmapDc {
public:
    BitmapDc(HDC compatible, HBITMAP bitmap) : dc_(CreateCompatibleDC(compatible)) {
        if (dc_) old_ = SelectObject(dc_, bitmap);
    }
    ~BitmapDc() {
        if (!dc_) return;
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

}  // namespace

PIC::PIC() {
    LivePictures().insert(this);
}

PIC::~PIC() {
    LivePictures().erase(this);
    if (bitmap) DeleteObject(bitmap);
    if (mask) DeleteObject(mask);
    if (icon) DestroyIcon(icon);
}

PIC* PIC::FromHandle(const void* handle) {
    if (!handle || !LivePictures().count(static_cast<const PIC*>(handle))) return nullptr;
    return static_cast<PIC*>(const_cast<void*>(handle));
}

std::size_t PIC::LiveCount() {
    return LivePictures().size();
}

void PIC::Draw(HDC dc, int x, int y, const RECT& clip) const {
    const int left = std::max(x, int(clip.left)), top = std::max(y, int(clip.top));
    const int right = std::min(x + width, int(clip.right)), bottom = std::min(y + height, int(clip.bottom));
    if (right <= left || bottom <= top) return;
    if (type == kBitmap && bitmap) {
        BitmapDc source(dc, bitmap);
        if (!source.get()) return;
        const int w = right - left, h = bottom - top, sx = left - x, sy = top - y;
        if (!mask) {
            BitBlt(dc, left, top, w, h, source.get(), sx, sy, SRCCOPY);
            return;
        }
        BitmapDc maskDc(dc, mask);
        if (!maskDc.get()) return;
        // dst ^= bitmap; dst &= mask; dst ^= bitmap: where the mask is white
        // the destination comes back unchanged, where it is black the bitmap
        // shows. A monochrome source maps 0 to the text colour and 1 to the
        // background colour, so those must be black and white for the AND.
        const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
        const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
        BitBlt(dc, left, top, w, h, source.get(), sx, sy, SRCINVERT);
        BitBlt(dc, left, top, w, h, maskDc.get(), sx, sy, SRCAND);
        BitBlt(dc, left, top, w, h, source.get(), sx, sy, SRCINVERT);
        SetTextColor(dc, text);
        SetBkColor(dc, back);
    } else if (icon) {
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, left, top, right, bottom);
        DrawIconEx(dc, x, y, icon, width, height, 0, nullptr, DI_NORMAL);
        RestoreDC(dc, saved);
    }
}

HBITMAP MakeMask(HBITMAP bitmap, int width, int height) {
    if (!bitmap || width <= 0 || height <= 0) return nullptr;
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    if (!mask) return nullptr;
    HDC screen = GetDC(nullptr);
    bool made = false;
    {
        BitmapDc source(screen, bitmap);
        BitmapDc target(screen, mask);
        if (source.get() && target.get()) {
            // Copying colour to monochrome turns pixels of the source's
            // background colour white and all others black.
            SetBkColor(source.get(), GetPixel(source.get(), 0, 0));
            made = BitBlt(target.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY) != FALSE;
        }
    }
    ReleaseDC(nullptr, screen);
    if (!made) {
        DeleteObject(mask);
        return nullptr;
    }
    return mask;
}

}  // namespace zw

extern "C" int __stdcall ZelPicFree(ZW_HPIC picture) {
    if (!picture) return -87;
    return zw::Guarded(L"ZelPicFree()", -87, [&] {
        zw::PIC* pic = zw::PIC::FromHandle(picture);
        if (!pic) throw zw::InvalidArgException();
        delete pic;
        return 0;
    });
}
