// ZelFileGetType: program, document with an associated program, hidden or
// system file, or other.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "frame/call_frame.h"
#include "util/files/core/dest_name.h"
#include "util/files/file_attributes.h"
#include "util/files/file_errors.h"
#include "util/files/path_text.h"

namespace zw::files {

namespace {

enum FileType : int { kProgram = 1, kDocument = 2, kHiddenOrSystem = 3, kOther = 4 };

std::wstring Upper(std::wstring text) {
    if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// Whether the name's extension (the text after the first "." of the name part)
// appears in the profile's list of program extensions. A name without an
// extension is no program: the empty text would match any list.
bool IsListedProgram(const std::wstring& name) {
    const std::u16string namePart(NamePart(ToU16(name)));
    const size_t dot = namePart.find(u'.');
    if (dot == std::u16string::npos || dot + 1 == namePart.size()) return false;
    const std::wstring extension = Upper(ToWide(std::u16string_view(namePart).substr(dot + 1)));
    WCHAR programs[256] = {};
    GetProfileStringW(L"Windows", L"Programs", L"", programs, 255);
    return Upper(programs).find(extension) != std::wstring::npos;
}

int FileType(LPCWSTR name) {
    const int attributes = AttributesOf(name);
    if (attributes < 0) return attributes;
    if (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) return kHiddenOrSystem;
    if (IsListedProgram(name)) return kProgram;
    WCHAR program[MAX_PATH] = {};
    const auto found = reinterpret_cast<INT_PTR>(FindExecutableW(name, nullptr, program));
    return found <= 32 ? kOther : kDocument;
}

}  // namespace

}  // namespace zw::files

extern "C" int __stdcall ZelFileGetType(LPCWSTR name) {
    if (!name) return zw::files::kInvalidParameter;
    return zw::Guarded(L"ZelFileGetType()", zw::files::kInvalidParameter, [&] { return zw::files::FileType(name); });
}
