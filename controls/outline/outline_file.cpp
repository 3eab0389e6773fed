// ZelListLoadOutlineFile: an outline built from an indented text file.
#include <windows.h>

#include <string>
#include <vector>

#include "controls/outline/core/outline_text.h"
#include "controls/outline/outline_reload.h"
#include "controls/outline/pictures/caches.h"
#include "controls/outline/tree_ops.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

// The pictures that items of a text file get when the caller gives none:
// bitmaps of the library, owned by the box.
constexpr WORD kLibraryBitmap = kPicOwnedByList | kPicFromModule | kPicFormatBitmap;
constexpr const wchar_t* kDefaultPictures[4] = {L"plusdk", L"pluswht", L"minusdk", L"minuswht"};

bool ReadWholeFile(const wchar_t* name, std::string* bytes) {
    WCHAR path[MAX_PATH];
    if (!name || !SearchPathW(nullptr, name, nullptr, MAX_PATH, path, nullptr)) return false;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD size = GetFileSize(file, nullptr);
    bool ok = size != INVALID_FILE_SIZE && size < kMaxOutlineFile;
    if (ok) {
        bytes->assign(size, '\0');
        DWORD read = 0;
        ok = size == 0 || (ReadFile(file, bytes->data(), size, &read, nullptr) && read == size);
    }
    CloseHandle(file);
    return ok;
}

std::u16string Ansi(std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::u16string wide(size_t(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), reinterpret_cast<wchar_t*>(wide.data()), length);
    return wide;
}

TreeNode* LoadFile(HWND box, const wchar_t* name, PIC* pictures[4]) {
    TreeNode* root = RootOf(box, true);
    if (!root) return nullptr;
    FreePictureCache(box);
    for (int i = 0; i < 4; ++i) {
        if (PIC::FromHandle(pictures[i])) continue;
        pictures[i] = LoadPicture(kLibraryBitmap, L"ZWI51.DLL", kDefaultPictures[i]);
        if (!pictures[i] || CachePicture(box, pictures[i]) < 0) {
            delete pictures[i];
            FreePictureCache(box);
            return nullptr;
        }
    }
    ClearOutline(box, root);
    std::string bytes;
    if (!ReadWholeFile(name, &bytes)) {
        FreePictureCache(box);
        FreeFontCache(box);
        return nullptr;
    }
    PIC* const parentNormal = pictures[0];
    PIC* const parentSelected = pictures[1];
    PIC* const itemNormal = pictures[2];
    PIC* const itemSelected = pictures[3];
    // The current item of each depth; the root is depth 0.
    std::vector<TreeNode*> current{root};
    for (const OutlineTextItem& line : ParseOutlineText(bytes)) {
        TreeNode*& at = current[line.depth];
        TreeNode* made;
        if (line.asChild) {
            at->record->normalPicture = parentNormal;
            at->record->selectedPicture = parentSelected;
            made = LoadChild(box, at, itemNormal, itemSelected, Ansi(line.text), 0, 0);
            current.resize(line.depth + 2);
            current[line.depth + 1] = made;
        } else {
            made = LoadSibling(box, at, itemNormal, itemSelected, Ansi(line.text), 0, 0);
            current[line.depth] = made;
        }
        if (!made) {
            ClearOutline(box, root);
            FreePictureCache(box);
            FreeFontCache(box);
            return nullptr;
        }
    }
    return root;
}

}  // namespace
}  // namespace zw::outline

extern "C" ZW_HITEM __stdcall ZelListLoadOutlineFile(HWND list, LPCWSTR file, ZW_HPIC parentNormal,
                                                     ZW_HPIC parentSelected, ZW_HPIC itemNormal, ZW_HPIC itemSelected) {
    if (!IsWindow(list)) return nullptr;
    return zw::Guarded(L"ZelListLoadOutlineFile()", ZW_HITEM(nullptr), [&] {
        zw::PIC* pictures[4] = {reinterpret_cast<zw::PIC*>(parentNormal), reinterpret_cast<zw::PIC*>(parentSelected),
                                reinterpret_cast<zw::PIC*>(itemNormal), reinterpret_cast<zw::PIC*>(itemSelected)};
        return reinterpret_cast<ZW_HITEM>(zw::outline::LoadFile(list, file, pictures));
    });
}
