// Profile exports on INI files in a test folder: section listings (with more
// names than the first buffer holds) and deleting entries and sections.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/support/zwtest.h"

namespace {

using Strings = std::vector<std::wstring>;
using zwtest::HostArray;
using zwtest::StringElements;


// Forty names of twelve characters: more than the first 256-character buffer.
Strings LongNames() {
    Strings names;
    for (int i = 0; i < 40; ++i) names.push_back(L"entry_name" + std::to_wstring(10 + i));
    return names;
}

struct IniFile {
    IniFile() : folder(L"profiles"), path(folder / L"app.ini") {
        std::string text = "[colours]\r\nc=3\r\na=1\r\nb=2\r\n[empty]\r\n[long]\r\n";
        for (const std::wstring& name : LongNames()) text += std::string(name.begin(), name.end()) + "=x\r\n";
        zwtest::WriteFileBytes(path, text);
    }
    zwtest::TempFolder folder;
    std::wstring path;
};

}  // namespace

TEST(Profile, EnumStringsListsASectionInFileOrder) {
    IniFile ini;
    const HostArray names({L"before"});
    EXPECT_EQ(ZelProfileEnumStrings(ini.path.c_str(), L"colours", names), 0);
    EXPECT_EQ(StringElements(names), (Strings{L"c", L"a", L"b"}));
    EXPECT_EQ(ZelProfileEnumStrings(ini.path.c_str(), L"long", names), 0);
    EXPECT_EQ(StringElements(names), LongNames());

    // Each of these leaves the array as it was.
    const HostArray untouched({L"before"});
    const struct { const wchar_t* file; const wchar_t* section; HARRAY array; int result; } kept[] = {
        {ini.path.c_str(), L"empty", untouched, 0},
        {ini.path.c_str(), L"missing", untouched, 0},
        {L"no_such_file.ini", L"colours", untouched, -2},
        {nullptr, L"colours", untouched, -2},
        {ini.path.c_str(), nullptr, untouched, -87},
        {ini.path.c_str(), L"colours", 0xBAD, -87},
    };
    for (const auto& k : kept) {
        EXPECT_EQ(ZelProfileEnumStrings(k.file, k.section, k.array), k.result) << (k.section ? k.section : L"(null)");
    }
    EXPECT_EQ(StringElements(untouched), Strings{L"before"});
}

TEST(Profile, BareNamesAreFoundAlongTheSearchPath) {
    IniFile ini;
    WCHAR saved[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, saved);
    SetCurrentDirectoryW(ini.folder.Path().c_str());
    const HostArray names({L"before"});
    EXPECT_EQ(ZelProfileEnumStrings(L"app.ini", L"colours", names), 0);
    EXPECT_EQ(StringElements(names).size(), 3u);
    EXPECT_NE(ZelProfileDelete(L"colours", L"a", L"app.ini"), 0);
    SetCurrentDirectoryW(saved);
    EXPECT_EQ(GetPrivateProfileIntW(L"colours", L"a", -1, ini.path.c_str()), -1);
}

TEST(Profile, DeleteRemovesAnEntryOrTheWholeSection) {
    IniFile ini;
    const HostArray names({L"before"});
    EXPECT_NE(ZelProfileDelete(L"colours", L"a", ini.path.c_str()), 0);
    ZelProfileEnumStrings(ini.path.c_str(), L"colours", names);
    EXPECT_EQ(StringElements(names), (Strings{L"c", L"b"}));
    EXPECT_NE(ZelProfileDelete(L"colours", L"", ini.path.c_str()), 0);
    WCHAR sections[512] = {};
    const DWORD length = GetPrivateProfileSectionNamesW(sections, 512, ini.path.c_str());
    EXPECT_EQ(std::wstring(sections, length), std::wstring(L"empty\0long\0", 11));

    const std::wstring missing = ini.folder / L"missing.ini";
    EXPECT_EQ(ZelProfileDelete(L"long", L"x", missing.c_str()), -2);
    EXPECT_EQ(GetFileAttributesW(missing.c_str()), INVALID_FILE_ATTRIBUTES);  // nothing written
    EXPECT_EQ(ZelProfileDelete(nullptr, L"x", ini.path.c_str()), 0);
    EXPECT_EQ(ZelProfileDelete(L"long", nullptr, ini.path.c_str()), 1);
}
