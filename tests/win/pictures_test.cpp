// Pictures and fonts through the library: the sources a picture is loaded
// from, extension detection, scaling, the transparency mask, and fonts made,
// read back and listed. This program carries three icons (red, green, blue)
// so that a module icon can be taken by index.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/win/support/zwtest.h"

namespace {

constexpr COLORREF kBorder = RGB(255, 0, 255);
constexpr COLORREF kInside = RGB(0, 160, 0);

std::wstring ExePath() {
    WCHAR path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// A 24-bit bitmap file image: a one-pixel border of kBorder around kInside.
std::string BitmapFile(int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string b(54 + size_t(stride) * height, '\0');
    auto put32 = [&](size_t at, unsigned v) {
        for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, unsigned(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, unsigned(width));
    put32(22, unsigned(height));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            const COLORREF c = edge ? kBorder : kInside;
            char* p = &b[54 + size_t(y) * stride + size_t(x) * 3];
            p[0] = char(GetBValue(c));
            p[1] = char(GetGValue(c));
            p[2] = char(GetRValue(c));
        }
    }
    return b;
}

}  // namespace

TEST(Pictures, SourcesAndDetection) {
    zwtest::TempFolder folder(L"pictures");
    const std::string image = BitmapFile(8, 6);
    ASSERT_TRUE(zwtest::WriteFileBytes(folder / L"plain.BmP", image));
    ASSERT_TRUE(zwtest::WriteFileBytes(folder / L"two.dots.bmp", image));
    HostTestSetAppResource(L"Logo", image.data(), DWORD(image.size()));
    const std::wstring exe = ExePath();

    struct Case {
        const char* what;
        UINT flags;
        std::wstring source;
        const wchar_t* name;
        bool loads;
    } cases[] = {
        {"file found by its extension", 0, folder / L"plain.BmP", L"", true},
        {"second dot earlier: no detection", 0, folder / L"two.dots.bmp", L"", false},
        {"same file with the bits given", PIC_FromFile | PIC_FormatBitmap, folder / L"two.dots.bmp", L"", true},
        {"missing file", PIC_FromFile | PIC_FormatBitmap, folder / L"none.bmp", L"", false},
        {"module bitmap", PIC_FromModule | PIC_FormatBitmap, L"zwi51.dll", L"plusdk", true},
        {"module without such a bitmap", PIC_FromModule | PIC_FormatBitmap, L"zwi51.dll", L"nothere", false},
        {"module icon by index", PIC_FromModule | PIC_FormatIcon, exe, L"#2", true},
        {"module icon past the last", PIC_FromModule | PIC_FormatIcon, exe, L"#7", false},
        {"host resource", PIC_FromHost | PIC_FormatBitmap, L"", L"Logo", true},
        {"missing host resource", PIC_FromHost | PIC_FormatBitmap, L"", L"Other", false},
        {"module, no format bit", PIC_FromModule, L"zwi51.dll", L"plusdk", false},
        {"no source bit", PIC_FormatBitmap, L"whatever", L"", false},
    };
    for (const Case& c : cases) {
        ZW_HPIC picture = ZelPicLoad(c.flags, c.source.c_str(), c.name);
        EXPECT_EQ(picture != nullptr, c.loads) << c.what;
        if (picture) {
            EXPECT_EQ(ZelPicFree(picture), 0) << c.what;
        }
    }
    EXPECT_EQ(HostTestAppResourcesHeld(), 0);
    HostTestSetAppResource(L"Logo", nullptr, 0);
}

TEST(Pictures, MemoryImagesAreCheckedBeforeUse) {
    std::string image = BitmapFile(8, 6);
    ZW_HPIC picture = ZelPicLoad(PIC_FromMemory | PIC_FormatBitmap, reinterpret_cast<LPCWSTR>(image.data()), L"");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(ZelPicFree(picture), 0);
    std::string truncatedHeader = image;
    truncatedHeader[2] = 60;  // declares fewer bytes than its pixels need
    truncatedHeader[3] = truncatedHeader[4] = truncatedHeader[5] = 0;
    EXPECT_EQ(ZelPicLoad(PIC_FromMemory | PIC_FormatBitmap, reinterpret_cast<LPCWSTR>(truncatedHeader.data()), L""),
              nullptr);
    std::string notBitmap(64, 'x');
    EXPECT_EQ(ZelPicLoad(PIC_FromMemory | PIC_FormatBitmap, reinterpret_cast<LPCWSTR>(notBitmap.data()), L""), nullptr);
    EXPECT_EQ(ZelPicLoad(PIC_FromMemory | PIC_FormatIcon, reinterpret_cast<LPCWSTR>(notBitmap.data()), L""), nullptr);
    EXPECT_EQ(ZelPicLoad(PIC_FromMemory | PIC_FormatBitmap, nullptr, L""), nullptr);
}

TEST(Pictures, MissingFormatIsReported) {
    zwtest::DebugCapture debug;
    EXPECT_EQ(ZelPicLoad(PIC_FromFile, L"picture.dat", L""), nullptr);
    EXPECT_NE(debug.All().find(L"ZelPicLoad() - Unable to load image because no format"), std::wstring::npos)
        << debug.All();
}

TEST(Pictures, FreeingBadHandles) {
    EXPECT_EQ(ZelPicFree(nullptr), -87);
    ZW_HPIC picture = ZelPicLoad(PIC_FromModule | PIC_FormatBitmap, L"zwi51.dll", L"plusdk");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(ZelPicFree(picture), 0);
    EXPECT_EQ(ZelPicFree(picture), -87);  // stale
    int local = 0;
    EXPECT_EQ(ZelPicFree(reinterpret_cast<ZW_HPIC>(&local)), -87);
    EXPECT_EQ(ZelPicFree(reinterpret_cast<ZW_HPIC>(-1)), -87);
}

TEST(Fonts, LoadReadBackAndFree) {
    struct Case {
        const wchar_t* face;
        int points;
        UINT bits;
    } cases[] = {
        {L"Arial", 10, 0},
        {L"Arial", 14, 0x08},
        {L"Times New Roman", 12, 0x02 | 0x04 | 0x10},
    };
    for (const Case& c : cases) {
        HFONT font = ZelFontLoad(c.face, c.points, c.bits);
        ASSERT_NE(font, nullptr);
        ZW_HSTR face = 0;
        int points = 0;
        WORD bits = 0xFFFF;
        ASSERT_EQ(ZelFontGet(font, &face, &points, &bits), 1);
        EXPECT_EQ(zwtest::TakeHostText(face), c.face);
        EXPECT_EQ(bits, c.bits);
        // The size comes back through the font's metrics: within a point.
        EXPECT_NEAR(points, c.points, 1) << c.face;
        EXPECT_EQ(ZelFontFree(font), 1);
        EXPECT_EQ(GetObjectType(font), 0u);
    }
    EXPECT_EQ(ZelFontGet(nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ZelFontGet(reinterpret_cast<HFONT>(GetStockObject(WHITE_BRUSH)), nullptr, nullptr, nullptr), 0);
}

TEST(Fonts, FaceNamesUpTo31Characters) {
    const std::wstring longest(31, L'F');
    HFONT font = ZelFontLoad(longest.c_str(), 10, 0);
    EXPECT_NE(font, nullptr);
    ZelFontFree(font);
    EXPECT_EQ(ZelFontLoad(std::wstring(32, L'F').c_str(), 10, 0), nullptr);
    EXPECT_EQ(ZelFontLoad(nullptr, 10, 0), nullptr);
}

TEST(Fonts, EnumerationFillsBothArrays) {
    HARRAY names = HostArrayCreate(HOST_ARRAY_STRING);
    HARRAY types = HostArrayCreate(HOST_ARRAY_NUMBER);
    const int count = ZelFontEnum(0x1 | 0x2, names, types);
    ASSERT_GT(count, 0);
    LONG lower = -1, upper = -1;
    EXPECT_EQ(HostArrayGetBounds(names, &lower, &upper), count);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, count - 1);
    EXPECT_EQ(HostArrayGetBounds(types, &lower, &upper), count);
    std::set<std::wstring> seen;
    for (LONG i = 0; i < count; ++i) {
        HOSTSTR name = 0;
        ASSERT_TRUE(HostArrayGetString(names, &name, i));
        EXPECT_TRUE(seen.insert(zwtest::HostText(name)).second) << "listed twice";
        HostStrRelease(name);
        HostNumber type{};
        ASSERT_TRUE(HostArrayGetNumber(types, &type, i));
        const int code = HostNumberToInt(&type);
        EXPECT_TRUE(code == 0 || code == 1 || code == 2 || code == 4) << code;
    }
    EXPECT_EQ(ZelFontEnum(0, names, types), 0);  // nothing asked: both arrays emptied
    EXPECT_EQ(HostArrayGetBounds(names, &lower, &upper), 0);
    EXPECT_EQ(ZelFontEnum(1, 0, types), -87);
    EXPECT_EQ(ZelFontEnum(1, names, 12345), -87);
    HostArrayDestroy(names);
    HostArrayDestroy(types);
}
