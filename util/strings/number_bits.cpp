// ZelNumberBitSet, ZelNumberBitClear, ZelNumberHighByte, ZelNumberLowByte,
// ZelNumberMakeLong: bits and bytes of 32-bit values.
#include <windows.h>

#include "frame/call_frame.h"

// Both change the caller's value in place and return it; 0 for a null pointer.
extern "C" DWORD __stdcall ZelNumberBitSet(DWORD* value, DWORD mask) {
    if (!value) return 0;
    return zw::Guarded(L"ZelNumberBitSet()", DWORD(0), [&] { return *value |= mask; });
}

extern "C" DWORD __stdcall ZelNumberBitClear(DWORD* value, DWORD mask) {
    if (!value) return 0;
    return zw::Guarded(L"ZelNumberBitClear()", DWORD(0), [&] { return *value &= ~mask; });
}

// Everything above the low byte, not just the second byte.
extern "C" DWORD __stdcall ZelNumberHighByte(DWORD value) {
    return zw::Guarded(L"ZelNumberHighByte()", DWORD(0), [&] { return value >> 8; });
}

extern "C" BYTE __stdcall ZelNumberLowByte(DWORD value) {
    return zw::Guarded(L"ZelNumberLowByte()", BYTE(0), [&] { return BYTE(value & 0xFF); });
}

extern "C" DWORD __stdcall ZelNumberMakeLong(WORD low, WORD high) {
    return zw::Guarded(L"ZelNumberMakeLong()", DWORD(0), [&] { return DWORD(high) << 16 | low; });
}
