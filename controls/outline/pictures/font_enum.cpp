// ZelFontEnum: the font families of the default printer and of the screen,
// into a host string array of names and a host number array of font types.
#include <windows.h>

#include <string>
#include <unordered_map>

#include "controls/outline/pictures/fonts.h"
#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "include/zwi51.h"

namespace zw {
namespace {

constexpr UINT kScreenFonts = 0x1;
constexpr UINT kPrinterFonts = 0x2;

int FontTypeCode(DWORD fontType) {
    if (fontType & TRUETYPE_FONTTYPE) return 4;
    if (fontType & DEVICE_FONTTYPE) return 1;
    if (fontType & RASTER_FONTTYPE) return 2;
    return 0;
}

// The names and types found so far; a face met again only gets its type rewritten.
class FontList {
public:
    FontList(HARRAY names, HARRAY types) : names_(names), types_(types) {}

    void Add(const wchar_t* face, int type) {
        const std::wstring key = face;
        auto found = index_.find(key);
        LONG at;
        if (found != index_.end()) {
            at = found->second;
        } else {
            at = count_;
            HOSTSTR text = NewHostString(key);
            const BOOL put = HostArrayPutString(names_, text, at);
            HostStrRelease(text);
            if (!put) throw MemoryException();
            index_.emplace(key, at);
            ++count_;
        }
        HostNumber number{};
        HostIntToNumber(type, &number);
        if (!HostArrayPutNumber(types_, &number, at)) throw MemoryException();
    }

    int Finish() {
        HostArraySetBounds(names_, 0, count_ - 1);
        HostArraySetBounds(types_, 0, count_ - 1);
        return count_;
    }

private:
    HARRAY names_;
    HARRAY types_;
    std::unordered_map<std::wstring, LONG> index_;
    LONG count_ = 0;
};

int CALLBACK OnFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD fontType, LPARAM context) {
    try {
        reinterpret_cast<FontList*>(context)->Add(font->lfFaceName, FontTypeCode(fontType));
        return 1;
    } catch (...) {
        return 0;  // stops the enumeration; the caller finds the list short
    }
}

void EnumerateDc(HDC dc, FontList& list) {
    EnumFontFamiliesW(dc, nullptr, &OnFamily, reinterpret_cast<LPARAM>(&list));
}

// The default printer named by the "device" entry of the "windows" section:
// "device,driver,port".
void EnumeratePrinter(FontList& list) {
    WCHAR entry[512] = {};
    GetProfileStringW(L"windows", L"device", L"", entry, 512);
    std::wstring text = entry;
    const size_t first = text.find(L',');
    if (text.empty() || first == std::wstring::npos) return;
    const size_t second = text.find(L',', first + 1);
    const std::wstring device = text.substr(0, first);
    const std::wstring driver = text.substr(first + 1, second == std::wstring::npos ? std::wstring::npos
                                                                                       : second - first - 1);
    const std::wstring port = second == std::wstring::npos ? L"" : text.substr(second + 1);
    HDC dc = CreateDCW(driver.c_str(), device.c_str(), port.c_str(), nullptr);
    if (!dc) return;
    EnumerateDc(dc, list);
    DeleteDC(dc);
}

bool IsOneDimensional(HARRAY array) {
    int dimensions = 0;
    return array && HostArrayGetDimCount(array, &dimensions) && dimensions == 1;
}

}  // namespace
}  // namespace zw

extern "C" int __stdcall ZelFontEnum(UINT which, ZW_HARRAY names, ZW_HARRAY types) {
    if (!zw::IsOneDimensional(names) || !zw::IsOneDimensional(types)) return -87;
    return zw::Guarded(L"ZelFontEnum()", -8, [&] {
        zw::FontList list(names, types);
        if (which & zw::kPrinterFonts) zw::EnumeratePrinter(list);
        if (which & zw::kScreenFonts) {
            zw::ActiveWindowDc dc;
            if (dc.get()) zw::EnumerateDc(dc.get(), list);
        }
        return list.Finish();
    });
}
