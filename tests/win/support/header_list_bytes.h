// The list view's designer record written byte by byte, the way the archive
// stores it, for tests that hand the control designer data of their own.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <objidl.h>

#include <cstdint>
#include <cwchar>
#include <vector>

namespace zwtest {

struct HeaderListBytes {
    std::vector<std::uint8_t> b;
    void u8(unsigned v) { b.push_back(std::uint8_t(v)); }
    void u16(unsigned v) { u8(v & 0xFF), u8(v >> 8); }
    void u32(unsigned v) { u16(v & 0xFFFF), u16(v >> 16); }
    void str(const wchar_t* s) {
        u8(0xFF), u16(0xFFFE), u8(unsigned(std::wcslen(s)));
        for (; *s; ++s) u16(*s);
    }
    // A column object: the first one names its class, later ones refer to it.
    void column(const wchar_t* text, int format, int width, bool first) {
        if (first) {
            u16(0xFFFF), u16(1), u16(12);
            for (const char* c = "SHdrLBColumn"; *c; ++c) u8(*c);
        } else {
            u16(0x8001);
        }
        u32(1), str(text), u32(unsigned(format)), u32(unsigned(width));
    }
    // An image list of `count` images in the platform's stream format.
    void images(int count, int size) {
        HIMAGELIST list = ImageList_Create(size, size, ILC_MASK | ILC_COLOR24, 1, 10);
        for (int i = 0; i < count; ++i) ImageList_ReplaceIcon(list, -1, LoadIconW(nullptr, IDI_QUESTION));
        IStream* stream = nullptr;
        CreateStreamOnHGlobal(nullptr, TRUE, &stream);
        ImageList_Write(list, stream);
        ImageList_Destroy(list);
        HGLOBAL memory = nullptr;
        GetHGlobalFromStream(stream, &memory);
        ULARGE_INTEGER end{};
        stream->Seek({}, STREAM_SEEK_CUR, &end);
        const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(memory));
        b.insert(b.end(), bytes, bytes + end.QuadPart);
        GlobalUnlock(memory);
        stream->Release();
    }
};

}  // namespace zwtest
