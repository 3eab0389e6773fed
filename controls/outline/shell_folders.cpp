#include "controls/outline/shell_folders.h"

#include <windows.h>

namespace zw::outline {
namespace {

struct Folder {
    int value;
    const wchar_t* classId;
    UINT shellString;
    const wchar_t* fixedName;
};

constexpr Folder kFolders[] = {
    {-2, L"{20D04FE0-3AEA-1069-A2D8-08002B30309D}", 0x2400, L"My Computer"},
    {-3, L"{208D2C60-3AEA-1069-A2D7-08002B30309D}", 0x2401, L"Network Neighborhood"},
    {-4, L"{450D8FBA-AD25-11D0-98A8-0800361B1103}", 0x240B, L"My Documents"},
    {-5, L"{645FF040-5081-101B-9F08-00AA002F954E}", 0x2304, L"Recycle Bin"},
    {-6, L"{871C5380-42A0-1069-A2EA-08002B30309D}", 0x2406, L"The Internet"},
};

std::u16string FromWide(const wchar_t* text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

std::wstring RegistryName(const wchar_t* classId) {
    std::wstring key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\";
    key += classId;
    WCHAR name[256] = {};
    DWORD size = sizeof name - sizeof(WCHAR);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, name, &size) != ERROR_SUCCESS)
        return {};
    return name;
}

std::wstring ShellString(UINT id) {
    HMODULE shell = LoadLibraryExW(L"Shell32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!shell) return {};
    WCHAR text[255] = {};
    LoadStringW(shell, id, text, 255);
    FreeLibrary(shell);
    return text;
}

}  // namespace

std::u16string ShellFolderName(int value, const std::u16string& given) {
    for (const Folder& folder : kFolders) {
        if (folder.value != value) continue;
        std::wstring name = RegistryName(folder.classId);
        if (name.empty()) name = ShellString(folder.shellString);
        if (!name.empty()) return FromWide(name.c_str());
        return given.empty() ? FromWide(folder.fixedName) : given;
    }
    return given;
}

}  // namespace zw::outline
