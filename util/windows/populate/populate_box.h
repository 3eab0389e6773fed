// What the populate functions share: which boxes count as combo boxes, the
// outline styles they give a box, the library's own pictures kept in a box's
// picture cache, temporary host arrays and the rows they select.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "controls/outline/pictures/pic.h"
#include "frame/host_api.h"

namespace zw::populate {

// Outline styles (ZelListSetStyle) of the populated boxes.
constexpr DWORD kListStyle = 0x02000005;
constexpr DWORD kComboStyle = 0x0A000005;
constexpr DWORD kCommonDirStyle = 0x02000245;
constexpr DWORD kDirTreeStyle = 0x4403;

// Item flag of the current directory's item in the directory views.
constexpr DWORD kCurrentDirFlag = 0x04000000;

// A box is a combo box when its host type is 16384 or its class is
// "combobox" or "QsCtrlComboBox".
bool IsComboBox(HWND box);

// Turns the box into an outline box with `style`; false when it cannot be.
bool MakeOutlineBox(HWND box, DWORD style);

// The library's bitmap `name` (module "ZWI51.DLL") from the box's picture
// cache: loaded into it the first time the box needs it, owned by the box.
// Null when it cannot be loaded or cached.
PIC* LibraryPicture(HWND box, const wchar_t* name);
// Loads all of them; false when one cannot be had.
bool LoadLibraryPictures(HWND box, std::initializer_list<const wchar_t*> names);

// A combo box's selection field becomes 1.5 times the item height its parent
// gives for it (WM_MEASUREITEM for item -1), when the parent gives one.
void SizeSelectionField(HWND combo);

// Selects a row of a list box or a combo box.
void SelectRow(HWND box, int row);

// A host array that lives for a scope.
class TempArray {
public:
    explicit TempArray(int type) : handle_(HostArrayCreate(type)) {}
    ~TempArray() {
        if (handle_) HostArrayDestroy(handle_);
    }
    TempArray(const TempArray&) = delete;
    TempArray& operator=(const TempArray&) = delete;
    operator HARRAY() const { return handle_; }
    bool Made() const { return handle_ != 0; }

private:
    HARRAY handle_;
};

}  // namespace zw::populate
