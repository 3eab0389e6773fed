// ZelPopulateFontNames: the font families of the screen or the printer, each
// with a picture of its kind (TrueType, printer, other).
#include <windows.h>

#include "frame/call_frame.h"
#include "include/zwi51.h"
#include "util/strings/host_arrays.h"
#include "util/windows/populate/populate_box.h"

namespace zw::populate {
namespace {

// Font types of ZelFontEnum.
constexpr int kTrueType = 4;
constexpr int kDeviceFont = 1;

int PopulateFontNames(HWND box, UINT which) {
    const bool combo = IsComboBox(box);
    if (!MakeOutlineBox(box, combo ? kComboStyle : kListStyle)) return 0;
    ZW_HPIC trueType = reinterpret_cast<ZW_HPIC>(LibraryPicture(box, L"fontrtyp"));
    ZW_HPIC device = reinterpret_cast<ZW_HPIC>(LibraryPicture(box, L"fonprtr"));
    ZW_HPIC other = reinterpret_cast<ZW_HPIC>(LibraryPicture(box, L"empty"));
    if (!trueType || !device || !other) return 0;
    if (combo) SizeSelectionField(box);
    HostListClear(box);
    TempArray names(HOST_ARRAY_STRING);
    TempArray types(HOST_ARRAY_NUMBER);
    if (!names.Made() || !types.Made()) return 0;
    const int count = ZelFontEnum(which, names, types);
    int listed = 0;
    for (LONG index = 0; index < count; ++index) {
        const auto name = strings::ReadStringElement(names, index);
        HostNumber number{};
        if (!name || !HostArrayGetNumber(types, &number, index)) break;
        const int type = HostNumberToInt(&number);
        ZW_HPIC picture = type == kTrueType ? trueType : type == kDeviceFont ? device : other;
        if (ZelListAddPictureValue(box, name->c_str(), picture, picture, type) < 0) break;
        ++listed;
    }
    if (combo && listed > 0) SelectRow(box, 0);
    return listed;
}

}  // namespace
}  // namespace zw::populate

extern "C" int __stdcall ZelPopulateFontNames(HWND box, UINT which) {
    if (!IsWindow(box)) return 0;
    return zw::Guarded(L"ZelPopulateFontNames()", 0, [&] { return zw::populate::PopulateFontNames(box, which); });
}
