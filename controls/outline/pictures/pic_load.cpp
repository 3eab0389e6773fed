// ZelPicLoad: a picture from a module resource, a file, a host resource or
// a file image in memory.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/outline/pictures/core/image_file.h"
#include "controls/outline/pictures/pic.h"
#include "frame/app.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"

namespace zw {
namespace {

constexpr wchar_t kFunction[] = L"ZelPicLoad()";
constexpr UINT kNoFormatMessage = 51;

// Files read whole into memory must stay below this size.
constexpr DWORD kMaxReadFile = 65534;

struct NoFormat {};

// The extension bits a source name earns: its text from the first "." is
// compared whole, so "a.b.bmp" earns nothing.
WORD DetectExtension(const std::wstring& source) {
    const size_t dot = source.find(L'.');
    if (dot == std::wstring::npos) return 0;
    const wchar_t* tail = source.c_str() + dot;
    if (lstrcmpiW(tail, L".EXE") == 0 || lstrcmpiW(tail, L".DLL") == 0) return kPicFromModule;
    if (lstrcmpiW(tail, L".ICO") == 0) return kPicFromFile | kPicFormatIcon;
    if (lstrcmpiW(tail, L".BMP") == 0) return kPicFromFile | kPicFormatBitmap;
    return 0;
}

SIZE TargetSize(WORD flags) {
    if (flags & kPicLargeIcon) return LargeIconSize();
    if (flags & kPicSmallIcon) return SmallIconSize();
    return SIZE{0, 0};
}

bool Differs(SIZE target, int width, int height) {
    return target.cx && target.cy && (target.cx != width || target.cy != height);
}

bool IsBitmapFormat(const PIC& pic) {
    if (pic.flags & kPicFormatBitmap) return true;
    if (pic.flags & kPicFormatIcon) return false;
    throw NoFormat{};
}

// Takes a loaded bitmap: records its size, scales it to the target and makes its mask.
bool AdoptBitmap(PIC& pic, HBITMAP bitmap, SIZE target) {
    if (!bitmap) return false;
    pic.type = PIC::kBitmap;
    pic.bitmap = bitmap;
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info)) return false;
    pic.width = info.bmWidth;
    pic.height = info.bmHeight;
    if (Differs(target, pic.width, pic.height)) {
        HBITMAP scaled = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, target.cx, target.cy, 0));
        if (!scaled) return false;
        DeleteObject(pic.bitmap);
        pic.bitmap = scaled;
        pic.width = target.cx;
        pic.height = target.cy;
    }
    pic.mask = MakeMask(pic.bitmap, pic.width, pic.height);
    return pic.mask != nullptr;
}

// Takes a loaded icon: its size comes from its colour bitmap.
bool AdoptIcon(PIC& pic, HICON icon, BYTE type, SIZE target) {
    if (!icon) return false;
    pic.type = type;
    pic.icon = icon;
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    BITMAP bits{};
    HBITMAP colour = info.hbmColor ? info.hbmColor : info.hbmMask;
    const bool read = GetObjectW(colour, sizeof bits, &bits) != 0;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (!read) return false;
    pic.width = bits.bmWidth;
    pic.height = info.hbmColor ? bits.bmHeight : bits.bmHeight / 2;
    if (Differs(target, pic.width, pic.height)) {
        HICON scaled = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, target.cx, target.cy, 0));
        if (!scaled) return false;
        DestroyIcon(pic.icon);
        pic.icon = scaled;
        pic.width = target.cx;
        pic.height = target.cy;
    }
    return true;
}

// Whether `source` names the library itself ("ZWI51.DLL" or its own file name).
bool IsLibrary(const std::wstring& source) {
    WCHAR path[MAX_PATH] = {};
    if (!ModuleInstance() || !GetModuleFileNameW(ModuleInstance(), path, MAX_PATH)) return false;
    const wchar_t* file = wcsrchr(path, L'\\');
    file = file ? file + 1 : path;
    return lstrcmpiW(source.c_str(), L"ZWI51.DLL") == 0 || lstrcmpiW(source.c_str(), file) == 0 ||
           lstrcmpiW(source.c_str(), path) == 0;
}

bool LoadFromModule(PIC& pic, SIZE target) {
    const bool bitmap = IsBitmapFormat(pic);
    const bool library = IsLibrary(pic.source);
    HMODULE module = library ? ModuleInstance() : LoadLibraryExW(pic.source.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return false;
    bool loaded;
    if (bitmap) {
        loaded = AdoptBitmap(pic, static_cast<HBITMAP>(LoadImageW(module, pic.name.c_str(), IMAGE_BITMAP, 0, 0, 0)),
                             target);
    } else if (pic.name.empty() || pic.name[0] == L'#') {
        const UINT index = pic.name.size() > 1 ? UINT(_wtoi(pic.name.c_str() + 1)) : 0;
        HICON icon = ExtractIconW(ModuleInstance(), pic.source.c_str(), index);
        // ExtractIconW answers 1 when the file is not a program or icon file.
        if (icon == reinterpret_cast<HICON>(1)) icon = nullptr;
        loaded = AdoptIcon(pic, icon, PIC::kIcon, target);
    } else {
        loaded = AdoptIcon(pic, static_cast<HICON>(LoadImageW(module, pic.name.c_str(), IMAGE_ICON, 0, 0, 0)),
                           PIC::kIcon, target);
    }
    if (!library) FreeLibrary(module);
    return loaded;
}

// A bitmap or icon file image in memory of `size` bytes.
bool LoadFromImage(PIC& pic, const BYTE* data, size_t size, SIZE target) {
    if (IsBitmapFormat(pic)) {
        pictures::BitmapImage image;
        if (!pictures::ParseBitmapImage(data, size, &image)) return false;
        HDC screen = GetDC(nullptr);
        const auto* info = reinterpret_cast<const BITMAPINFO*>(image.info);
        HBITMAP bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, image.bits, info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        return AdoptBitmap(pic, bitmap, target);
    }
    pictures::IconImage image;
    if (!pictures::ParseIconImage(data, size, &image)) return false;
    if (!target.cx) target = LargeIconSize();
    auto* bytes = const_cast<BYTE*>(image.data);
    HICON icon = CreateIconFromResourceEx(bytes, DWORD(image.size), TRUE, 0x00030000, image.width, image.height,
                                          LR_DEFAULTCOLOR);
    if (!icon) icon = CreateIconFromResource(bytes, DWORD(image.size), TRUE, 0x00030000);
    if (!AdoptIcon(pic, icon, PIC::kIconFromData, target)) return false;
    pic.width = Differs(target, image.width, image.height) ? target.cx : image.width;
    pic.height = Differs(target, image.width, image.height) ? target.cy : image.height;
    return true;
}

// A file image whose size is only known from its own header (memory source).
bool LoadFromMemory(PIC& pic, const BYTE* data, SIZE target) {
    if (!data) return false;
    const bool bitmap = IsBitmapFormat(pic);
    const size_t size = bitmap ? pictures::DeclaredBitmapSize(data, 14) : pictures::DeclaredIconSize(data, 22);
    if (size == 0 || size > pictures::kMaxImageBytes) return false;
    return LoadFromImage(pic, data, size, target);
}

bool LoadFromFile(PIC& pic, SIZE target) {
    const bool bitmap = IsBitmapFormat(pic);
    HANDLE image = LoadImageW(nullptr, pic.source.c_str(), bitmap ? IMAGE_BITMAP : IMAGE_ICON, 0, 0,
                              LR_LOADFROMFILE);
    if (image) {
        return bitmap ? AdoptBitmap(pic, static_cast<HBITMAP>(image), target)
                      : AdoptIcon(pic, static_cast<HICON>(image), PIC::kIcon, target);
    }
    // The system could not read it: locate the file and convert its bytes.
    WCHAR path[MAX_PATH];
    if (!SearchPathW(nullptr, pic.source.c_str(), nullptr, MAX_PATH, path, nullptr)) return false;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD size = GetFileSize(file, nullptr);
    std::vector<BYTE> bytes;
    DWORD read = 0;
    bool ok = size != INVALID_FILE_SIZE && size < kMaxReadFile;
    if (ok) {
        bytes.resize(size);
        ok = ReadFile(file, bytes.data(), size, &read, nullptr) && read == size;
    }
    CloseHandle(file);
    return ok && LoadFromImage(pic, bytes.data(), bytes.size(), target);
}

bool LoadFromHost(PIC& pic, SIZE target) {
    const void* bytes = nullptr;
    DWORD size = 0;
    const DWORD resource = HostLoadAppResource(pic.name.empty() ? pic.source.c_str() : pic.name.c_str(), &bytes,
                                               &size);
    if (!resource) return false;
    bool loaded = false;
    try {
        loaded = LoadFromImage(pic, static_cast<const BYTE*>(bytes), size, target);
    } catch (...) {
        HostFreeAppResource(resource);
        throw;
    }
    HostFreeAppResource(resource);
    return loaded;
}

PIC* Load(WORD flags, LPCWSTR source, LPCWSTR name) {
    const SIZE target = TargetSize(flags);
    auto pic = std::make_unique<PIC>();
    const std::wstring sourceText = (source && !(flags & kPicFromMemory)) ? source : L"";
    pic->flags = WORD(flags | DetectExtension(sourceText));
    pic->source = sourceText;
    pic->name = name ? name : L"";
    bool loaded = false;
    try {
        if (pic->flags & kPicFromMemory) loaded = LoadFromMemory(*pic, reinterpret_cast<const BYTE*>(source), target);
        else if (pic->flags & kPicFromModule) loaded = LoadFromModule(*pic, target);
        else if (pic->flags & kPicFromFile) loaded = LoadFromFile(*pic, target);
        else if (pic->flags & kPicFromHost) loaded = LoadFromHost(*pic, target);
    } catch (const NoFormat&) {
        DebugLine(kFunction, L" - " + LoadMessage(kNoFormatMessage));
        return nullptr;
    }
    return loaded ? pic.release() : nullptr;
}

}  // namespace

PIC* LoadPicture(WORD flags, LPCWSTR source, LPCWSTR name) {
    return Load(flags, source, name);
}

}  // namespace zw

extern "C" ZW_HPIC __stdcall ZelPicLoad(UINT flags, LPCWSTR source, LPCWSTR name) {
    return zw::Guarded(zw::kFunction, ZW_HPIC(nullptr),
                       [&] { return reinterpret_cast<ZW_HPIC>(zw::Load(WORD(flags), source, name)); });
}
