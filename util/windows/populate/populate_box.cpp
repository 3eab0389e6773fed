#include "util/windows/populate/populate_box.h"

#include "controls/outline/pictures/caches.h"
#include "include/zwi51.h"

namespace zw::populate {
namespace {

constexpr WORD kLibraryBitmap = kPicOwnedByList | kPicFromModule | kPicFormatBitmap;
constexpr wchar_t kLibraryModule[] = L"ZWI51.DLL";

}  // namespace

bool IsComboBox(HWND box) {
    if (HostGetObjectType(box) == HOST_TYPE_COMBOBOX) return true;
    WCHAR name[64] = {};
    GetClassNameW(box, name, 64);
    return lstrcmpiW(name, L"combobox") == 0 || lstrcmpiW(name, L"QsCtrlComboBox") == 0;
}

bool MakeOutlineBox(HWND box, DWORD style) {
    return ZelListSetStyle(box, style, nullptr) != 0;
}

PIC* LibraryPicture(HWND box, const wchar_t* name) {
    if (CPicArray* cache = PictureCache(box, false)) {
        for (PIC* picture : cache->items) {
            if (picture->flags == kLibraryBitmap && lstrcmpiW(picture->name.c_str(), name) == 0 &&
                lstrcmpiW(picture->source.c_str(), kLibraryModule) == 0) {
                return picture;
            }
        }
    }
    PIC* picture = reinterpret_cast<PIC*>(ZelPicLoad(kLibraryBitmap, kLibraryModule, name));
    if (!picture) return nullptr;
    if (CachePicture(box, picture) < 0) {
        ZelPicFree(reinterpret_cast<ZW_HPIC>(picture));
        return nullptr;
    }
    return picture;
}

bool LoadLibraryPictures(HWND box, std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names) {
        if (!LibraryPicture(box, name)) return false;
    }
    return true;
}

void SizeSelectionField(HWND combo) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_COMBOBOX;
    measure.CtlID = UINT(GetDlgCtrlID(combo));
    measure.itemID = UINT(-1);
    if (!SendMessageW(GetParent(combo), WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure))) return;
    if (measure.itemHeight == 0) return;
    SendMessageW(combo, CB_SETITEMHEIGHT, WPARAM(-1), LPARAM(measure.itemHeight * 3 / 2));
}

void SelectRow(HWND box, int row) {
    SendMessageW(box, IsComboBox(box) ? CB_SETCURSEL : LB_SETCURSEL, WPARAM(row), 0);
}

}  // namespace zw::populate
