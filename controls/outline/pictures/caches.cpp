#include "controls/outline/pictures/caches.h"

#include <algorithm>
#include <unordered_set>

namespace zw {
namespace {

constexpr wchar_t kPictureProperty[] = L"ZW:PicList";
constexpr wchar_t kFontProperty[] = L"ZW:FontList";

std::unordered_set<CPicArray*>& LivePictureCaches() {
    static std::unordered_set<CPicArray*> set;
    return set;
}

std::unordered_set<CFontArray*>& LiveFontCaches() {
    static std::unordered_set<CFontArray*> set;
    return set;
}

template <typename Cache>
Cache* CacheOf(HWND box, const wchar_t* property, std::unordered_set<Cache*>& live, bool make) {
    auto* cache = static_cast<Cache*>(GetPropW(box, property));
    if (cache && live.count(cache)) return cache;
    if (!make || !IsWindow(box)) return nullptr;
    auto made = std::make_unique<Cache>();
    live.insert(made.get());
    if (!SetPropW(box, property, made.get())) {
        live.erase(made.get());
        return nullptr;
    }
    return made.release();
}

}  // namespace

FONT::~FONT() {
    if (handle) DeleteObject(handle);
    --live_;
}

CPicArray* PictureCache(HWND box, bool make) {
    return CacheOf(box, kPictureProperty, LivePictureCaches(), make);
}

CFontArray* FontCache(HWND box, bool make) {
    return CacheOf(box, kFontProperty, LiveFontCaches(), make);
}

int FindCachedPicture(HWND box, const PIC* picture) {
    CPicArray* cache = PictureCache(box, false);
    if (!cache || !picture) return -1;
    auto it = std::find(cache->items.begin(), cache->items.end(), picture);
    return it == cache->items.end() ? -1 : int(it - cache->items.begin());
}

int FindCachedFont(HWND box, HFONT font) {
    CFontArray* cache = FontCache(box, false);
    if (!cache || !font) return -1;
    for (size_t i = 0; i < cache->items.size(); ++i) {
        if (cache->items[i]->handle == font) return int(i);
    }
    return -1;
}

int CachePicture(HWND box, PIC* picture) {
    if (!picture) return -1;
    const int found = FindCachedPicture(box, picture);
    if (found >= 0) return found;
    CPicArray* cache = PictureCache(box, true);
    if (!cache) return -1;
    cache->items.push_back(picture);
    return int(cache->items.size()) - 1;
}

int CacheFont(HWND box, HFONT font) {
    if (!font) return -1;
    const int found = FindCachedFont(box, font);
    if (found >= 0) return found;
    CFontArray* cache = FontCache(box, true);
    if (!cache) return -1;
    cache->items.push_back(std::make_unique<FONT>(font));
    return int(cache->items.size()) - 1;
}

void FreePictureCache(HWND box) {
    CPicArray* cache = PictureCache(box, false);
    RemovePropW(box, kPictureProperty);
    if (!cache) return;
    LivePictureCaches().erase(cache);
    for (PIC* picture : cache->items) {
        PIC* live = PIC::FromHandle(picture);
        if (live && (live->flags & kPicOwnedByList)) {
            // An owned picture may sit in another box's cache too.
            ForgetPicture(live);
            delete live;
        }
    }
    delete cache;
}

void FreeFontCache(HWND box) {
    CFontArray* cache = FontCache(box, false);
    RemovePropW(box, kFontProperty);
    if (!cache) return;
    LiveFontCaches().erase(cache);
    const auto current = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
    for (auto& font : cache->items) {
        if (font->handle == current) font->handle = nullptr;
        else ForgetFont(font->handle);
    }
    delete cache;
}

void ForgetPicture(const PIC* picture) {
    // Entries are emptied rather than removed, so the indexes of the others stay.
    for (CPicArray* cache : LivePictureCaches()) std::replace(cache->items.begin(), cache->items.end(),
                                                              const_cast<PIC*>(picture), static_cast<PIC*>(nullptr));
}

void ForgetFont(HFONT font) {
    for (CFontArray* cache : LiveFontCaches()) {
        for (auto& held : cache->items) {
            if (held->handle == font) held->handle = nullptr;
        }
    }
}

std::size_t LiveCacheCount() {
    return LivePictureCaches().size() + LiveFontCaches().size();
}

}  // namespace zw
