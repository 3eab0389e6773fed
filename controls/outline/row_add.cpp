// The adding family: ZelListAdd/Insert with a colour, a font or pictures,
// with or without a value. Each makes a plain row record, fills it, and
// passes it to the box (message 0x6001 or 0x6002); a record the box refuses
// is freed again.
#include <windows.h>

#include <string>

#include "controls/outline/outline_box.h"
#include "controls/outline/pictures/pic.h"
#include "frame/app.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

struct RowFill {
    bool hasColour = false;
    DWORD colour = 0;  // low 24 bits the text colour, top 8 bits row flags
    HFONT font = nullptr;
    bool hasPictures = false;
    ZW_HPIC normal = nullptr;
    ZW_HPIC selected = nullptr;
    bool hasValue = false;
    LONG_PTR value = 0;
};

int AddRow(const wchar_t* function, HWND box, int row, LPCWSTR text, const RowFill& fill) {
    if (!IsWindow(box)) return -87;
    return Guarded(function, -1, [&] {
        OutlineState state{};
        if (!ReadOutlineState(box, &state)) return -1;
        // The colour and font rows are measured and coloured by the parent.
        if ((fill.hasColour || fill.font) && !GetParent(box)) return -1;
        const auto* chars = reinterpret_cast<const char16_t*>(text);
        RowRecord* record = NewTextRecord(box, state, chars ? std::u16string_view(chars) : std::u16string_view());
        if (fill.hasColour) {
            record->colour = fill.colour & 0x00FFFFFF;
            record->flags |= fill.colour & 0xFF000000;
        }
        record->font = fill.font;
        if (fill.hasPictures) {
            record->normalPicture = PIC::FromHandle(fill.normal);
            record->selectedPicture = PIC::FromHandle(fill.selected);
        }
        if (fill.hasValue) record->value = fill.value;
        const LRESULT added = row < 0 ? SendMessageW(box, kMsgAddRecord, 0, reinterpret_cast<LPARAM>(record))
                                      : SendMessageW(box, kMsgInsertRecord, WPARAM(row), reinterpret_cast<LPARAM>(record));
        if (added < 0) {
            FreeRecord(record);
            return added == LB_ERRSPACE ? -8 : -1;
        }
        return int(added);
    });
}

RowFill Colour(DWORD colour) {
    RowFill fill;
    fill.hasColour = true;
    fill.colour = colour;
    return fill;
}

RowFill Font(HFONT font) {
    RowFill fill;
    fill.font = font;
    return fill;
}

RowFill Pictures(ZW_HPIC normal, ZW_HPIC selected) {
    RowFill fill;
    fill.hasPictures = true;
    fill.normal = normal;
    fill.selected = selected;
    return fill;
}

RowFill WithValue(RowFill fill, LONG_PTR value) {
    fill.hasValue = true;
    fill.value = value;
    return fill;
}

}  // namespace
}  // namespace zw::outline

using namespace zw::outline;

extern "C" int __stdcall ZelListAddColor(HWND list, LPCWSTR text, DWORD colour) {
    return AddRow(L"ZelListAddColor()", list, -1, text, Colour(colour));
}
extern "C" int __stdcall ZelListAddColorValue(HWND list, LPCWSTR text, DWORD colour, LONG_PTR value) {
    return AddRow(L"ZelListAddColorValue()", list, -1, text, WithValue(Colour(colour), value));
}
extern "C" int __stdcall ZelListInsertColor(HWND list, int row, LPCWSTR text, DWORD colour) {
    return AddRow(L"ZelListInsertColor()", list, row, text, Colour(colour));
}
extern "C" int __stdcall ZelListInsertColorValue(HWND list, int row, LPCWSTR text, DWORD colour, LONG_PTR value) {
    return AddRow(L"ZelListInsertColorValue()", list, row, text, WithValue(Colour(colour), value));
}
extern "C" int __stdcall ZelListAddFont(HWND list, LPCWSTR text, HFONT font) {
    return AddRow(L"ZelListAddFont()", list, -1, text, Font(font));
}
extern "C" int __stdcall ZelListAddFontValue(HWND list, LPCWSTR text, HFONT font, LONG_PTR value) {
    return AddRow(L"ZelListAddFontValue()", list, -1, text, WithValue(Font(font), value));
}
extern "C" int __stdcall ZelListInsertFont(HWND list, int row, LPCWSTR text, HFONT font) {
    return AddRow(L"ZelListInsertFont()", list, row, text, Font(font));
}
extern "C" int __stdcall ZelListInsertFontValue(HWND list, int row, LPCWSTR text, HFONT font, LONG_PTR value) {
    return AddRow(L"ZelListInsertFontValue()", list, row, text, WithValue(Font(font), value));
}
extern "C" int __stdcall ZelListAddPicture(HWND list, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected) {
    return AddRow(L"ZelListAddPicture()", list, -1, text, Pictures(normal, selected));
}
extern "C" int __stdcall ZelListAddPictureValue(HWND list, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected,
                                                LONG_PTR value) {
    return AddRow(L"ZelListAddPictureValue()", list, -1, text, WithValue(Pictures(normal, selected), value));
}
extern "C" int __stdcall ZelListInsertPicture(HWND list, int row, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected) {
    return AddRow(L"ZelListInsertPicture()", list, row, text, Pictures(normal, selected));
}
extern "C" int __stdcall ZelListInsertPictureValue(HWND list, int row, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected,
                                                   LONG_PTR value) {
    return AddRow(L"ZelListInsertPictureValue()", list, row, text, WithValue(Pictures(normal, selected), value));
}
