// ZelListSaveOutline and ZelListLoadOutline: a whole outline into a host
// string and back.
#include <windows.h>

#include <cstring>
#include <unordered_map>
#include <vector>

#include "controls/outline/core/outline_block.h"
#include "controls/outline/core/outline_flags.h"
#include "controls/outline/outline_reload.h"
#include "controls/outline/pictures/caches.h"
#include "controls/outline/pictures/fonts.h"
#include "controls/outline/tree_ops.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

std::u16string FromWide(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

std::wstring ToWide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

// Indexes of the pictures and fonts in the box's caches, for the items.
struct CacheIndex {
    std::unordered_map<const PIC*, int> pictures;
    std::unordered_map<HFONT, int> fonts;

    int Picture(const PIC* picture) const {
        auto it = pictures.find(picture);
        return it == pictures.end() ? -1 : it->second;
    }
    int Font(void* font) const {
        auto it = fonts.find(static_cast<HFONT>(font));
        return it == fonts.end() ? -1 : it->second;
    }
};

int Save(HWND box, HOSTSTR* out) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return -87;
    TreeNode* root = RootOf(box, true);
    if (!root) return -8;
    try {
        CacheFont(box, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
        for (TreeNode* node = root; node; node = NextInBranch(*node, *root)) {
            CachePicture(box, node->record->normalPicture);
            CachePicture(box, node->record->selectedPicture);
            CacheFont(box, static_cast<HFONT>(node->record->font));
        }
        OBLOB outline;
        outline.style = state.style;
        outline.indent = std::uint32_t(state.indentUnit);
        outline.topRow = state.isCombo ? 0 : std::uint32_t(CallUnderlying(box, state, LB_GETTOPINDEX, 0, 0));
        CacheIndex index;
        if (const CPicArray* pictures = PictureCache(box, false)) {
            for (const PIC* picture : pictures->items) {
                if (!PIC::FromHandle(picture)) throw FileException();
                index.pictures.emplace(picture, int(outline.pictures.size()));
                outline.pictures.push_back({picture->flags, FromWide(picture->source), FromWide(picture->name)});
            }
        }
        if (const CFontArray* fonts = FontCache(box, false)) {
            HDC dc = GetDC(box);
            if (!dc) throw FileException();
            for (const auto& font : fonts->items) {
                LOGFONTW logical{};
                if (!font->handle || !GetObjectW(font->handle, sizeof logical, &logical)) {
                    ReleaseDC(box, dc);
                    throw FileException();
                }
                index.fonts.emplace(font->handle, int(outline.fonts.size()));
                outline.fonts.push_back({std::uint16_t(PointSize(dc, font->handle)), EnhancementBits(logical),
                                         FromWide(logical.lfFaceName)});
            }
            ReleaseDC(box, dc);
        }
        for (TreeNode* node = root; node; node = NextInBranch(*node, *root)) {
            const RowRecord& record = *node->record;
            outline.items.push_back({node->level, index.Picture(record.normalPicture),
                                     index.Picture(record.selectedPicture), index.Font(record.font), record.colour,
                                     record.flags, std::uint32_t(record.value), record.text});
        }
        const std::vector<std::uint8_t> block = WriteOutlineBlock(outline);
        if (!HostStrSetSize(out, DWORD(block.size() + 1))) throw FileException();
        DWORD length = 0;
        auto* bytes = reinterpret_cast<std::uint8_t*>(HostStrLock(*out, &length));
        if (!bytes || length < block.size() + 1) throw FileException();
        std::memcpy(bytes, block.data(), block.size());
        bytes[block.size()] = 0;
        return 0;
    } catch (...) {
        FreePictureCache(box);
        FreeFontCache(box);
        return -8;
    }
}

TreeNode* Load(HWND box, HOSTSTR saved) {
    TreeNode* root = RootOf(box, true);
    if (!root || !saved) return nullptr;
    DWORD length = 0;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(HostStrLock(saved, &length));
    if (!bytes || length == 0) return nullptr;
    OBLOB outline;
    const BlockResult read = ReadOutlineBlock(bytes, length - 1, &outline);
    if (read == BlockResult::WrongSignature) return nullptr;

    ClearOutline(box, root);
    if (read != BlockResult::Ok) {
        FreePictureCache(box);
        FreeFontCache(box);
        return nullptr;
    }
    ZelListSetStyle(box, outline.style, nullptr);
    ZelListSetIndent(box, int(outline.indent));
    if (outline.items.empty()) return root;

    std::vector<PIC*> pictures;
    std::vector<HFONT> fonts;
    if (!ReplaceCaches(box, outline, &pictures, &fonts)) {
        ClearOutline(box, root);
        return nullptr;
    }
    auto picture = [&](std::int32_t at) { return at >= 0 && size_t(at) < pictures.size() ? pictures[at] : nullptr; };

    size_t first = 0;
    if (outline.items[0].level == -1) {
        root->record->flags |= outline.items[0].flags;
        root->record->value = std::int32_t(outline.items[0].value);
        first = 1;
    }
    // The path of items made so far, by saved level: an item is a child of
    // the last item of a lower level (a jump of more than one level makes it
    // a child of the item made last).
    std::vector<std::pair<std::int32_t, TreeNode*>> path{{-1, root}};
    for (size_t i = first; i < outline.items.size(); ++i) {
        const OBITEM& entry = outline.items[i];
        while (path.size() > 1 && path.back().first >= entry.level) path.pop_back();
        TreeNode* node = LoadChild(box, path.back().second, picture(entry.normalPicture),
                                   picture(entry.selectedPicture), entry.text, std::int32_t(entry.value), entry.flags);
        if (!node) {
            ClearOutline(box, root);
            FreePictureCache(box);
            FreeFontCache(box);
            return nullptr;
        }
        if (entry.font >= 0 && size_t(entry.font) < fonts.size()) node->record->font = fonts[entry.font];
        node->record->colour = entry.colour;
        path.emplace_back(entry.level, node);
    }
    ZelListShowOutline(box, 0x7FFE);
    OutlineState state{};
    if (ReadOutlineState(box, &state) && !state.isCombo)
        CallUnderlying(box, state, LB_SETTOPINDEX, WPARAM(outline.topRow), 0);
    return root;
}

}  // namespace

bool ReplaceCaches(HWND box, const OBLOB& outline, std::vector<PIC*>* pictures, std::vector<HFONT>* fonts) {
    FreePictureCache(box);
    FreeFontCache(box);
    for (const OBPIC& entry : outline.pictures) {
        const std::wstring source = ToWide(entry.source), name = ToWide(entry.name);
        PIC* loaded = LoadPicture(WORD(entry.flags | kPicOwnedByList), source.c_str(), name.c_str());
        if (!loaded || CachePicture(box, loaded) < 0) {
            delete loaded;
            FreePictureCache(box);
            FreeFontCache(box);
            return false;
        }
        pictures->push_back(loaded);
    }
    for (const OBFONT& entry : outline.fonts) {
        const std::wstring face = ToWide(entry.face);
        HFONT font = MakeFont(face.c_str(), entry.points, entry.bits);
        if (!font || CacheFont(box, font) < 0) {
            if (font) DeleteObject(font);
            FreePictureCache(box);
            FreeFontCache(box);
            return false;
        }
        fonts->push_back(font);
    }
    return true;
}

void ClearOutline(HWND box, TreeNode* root) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return;
    {
        KeepRecords keep(box);
        RedrawOff quiet(box);
        // Plain rows have no place in a tree: they go for good.
        std::vector<RowRecord*> plain;
        const int count = RowCount(box, state);
        for (int row = 0; row < count; ++row) {
            RowRecord* record = RecordAt(box, state, row);
            if (record && !record->node) plain.push_back(record);
        }
        CallUnderlying(box, state, state.isCombo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
        for (RowRecord* record : plain) FreeRecord(record);
    }
    FreeDescendants(*root);
}

}  // namespace zw::outline

extern "C" int __stdcall ZelListSaveOutline(HWND list, ZW_HSTR* saved) {
    if (!IsWindow(list) || !saved) return -87;
    return zw::Guarded(L"ZelListSaveOutline()", -8, [&] { return zw::outline::Save(list, saved); });
}

extern "C" ZW_HITEM __stdcall ZelListLoadOutline(HWND list, ZW_HSTR saved) {
    if (!IsWindow(list)) return nullptr;
    return zw::Guarded(L"ZelListLoadOutline()", ZW_HITEM(nullptr),
                       [&] { return reinterpret_cast<ZW_HITEM>(zw::outline::Load(list, saved)); });
}
