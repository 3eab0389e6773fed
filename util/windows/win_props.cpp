// The window property exports: listing a window's properties into host
// arrays, and reading, setting and removing one.
//
// Properties named "ZW:..." are the library's own (field flags, outline state
// and the like, whose values are memory blocks it frees itself): they can be
// read and listed but not set or removed through these exports.
#include <cwchar>
#include <string>
#include <vector>

#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "util/strings/host_arrays.h"

namespace zw::windows {
namespace {

struct Property {
    std::wstring name;
    HANDLE value;
};

// A property name as text: a name given as an atom is looked up ("#n" when
// the atom has no name).
std::wstring NameOf(const wchar_t* name) {
    if (!IS_INTRESOURCE(name)) return name;
    const ATOM atom = ATOM(reinterpret_cast<UINT_PTR>(name));
    wchar_t buffer[256] = {};
    if (GlobalGetAtomNameW(atom, buffer, 256)) return buffer;
    return L"#" + std::to_wstring(atom);
}

BOOL CALLBACK CollectProperty(HWND, LPWSTR name, HANDLE value, ULONG_PTR context) {
    try {
        reinterpret_cast<std::vector<Property>*>(context)->push_back({NameOf(name), value});
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

// The window's properties in the system's order. The host arrays are written
// only afterwards, since writing may show the allocation retry dialog.
std::vector<Property> ListProperties(HWND window) {
    std::vector<Property> properties;
    EnumPropsExW(window, &CollectProperty, reinterpret_cast<LPARAM>(&properties));
    return properties;
}

bool IsLibraryProperty(const wchar_t* name) { return _wcsnicmp(name, L"ZW:", 3) == 0; }

int EnumProps(HWND window, HARRAY names, HARRAY values) {
    const std::vector<Property> properties = ListProperties(window);
    LONG index = 0;
    for (const Property& property : properties) {
        HostNumber number{};
        HostIntToNumber(int(reinterpret_cast<INT_PTR>(property.value)), &number);
        if (!strings::PutStringElement(names, index, property.name) || !HostArrayPutNumber(values, &number, index))
            break;
        ++index;
    }
    strings::SetElementCount(names, index);
    strings::SetElementCount(values, index);
    return int(index);
}

bool HasProperty(HWND window, const wchar_t* name) {
    for (const Property& property : ListProperties(window)) {
        if (CompareStringOrdinal(property.name.c_str(), -1, name, -1, TRUE) == CSTR_EQUAL) return true;
    }
    return false;
}

}  // namespace
}  // namespace zw::windows

extern "C" int __stdcall ZelWinEnumProps(HWND window, HARRAY names, HARRAY values) {
    if (!IsWindow(window) || !zw::strings::OneDimensionalBounds(names) || !zw::strings::OneDimensionalBounds(values))
        return -87;
    return zw::Guarded(L"ZelWinEnumProps()", -87, [&] { return zw::windows::EnumProps(window, names, values); });
}

extern "C" HANDLE __stdcall ZelWinGetProp(HWND window, LPCWSTR name) {
    if (!IsWindow(window) || !name) return nullptr;
    return zw::Guarded(L"ZelWinGetProp()", HANDLE(nullptr), [&] { return GetPropW(window, name); });
}

extern "C" BOOL __stdcall ZelWinSetProp(HWND window, LPCWSTR name, UINT value) {
    if (!IsWindow(window) || !name || !*name || zw::windows::IsLibraryProperty(name)) return FALSE;
    return zw::Guarded(L"ZelWinSetProp()", BOOL(FALSE), [&] {
        return SetPropW(window, name, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(LOWORD(value))));
    });
}

extern "C" BOOL __stdcall ZelWinRemoveProp(HWND window, LPCWSTR name) {
    if (!IsWindow(window) || !name || zw::windows::IsLibraryProperty(name)) return FALSE;
    return zw::Guarded(L"ZelWinRemoveProp()", BOOL(FALSE), [&]() -> BOOL {
        // A property may hold 0, so RemovePropW's answer cannot tell whether
        // there was one.
        if (!zw::windows::HasProperty(window, name)) return FALSE;
        RemovePropW(window, name);
        return TRUE;
    });
}
