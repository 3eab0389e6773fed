// Directory, drive and path exports on real folders, and on the drives that
// ./run sets up in the Wine prefix (M: and N: network drives labelled ZWNETM
// and ZWNETN, R: a CD-ROM drive labelled ZWCDROM).
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "tests/win/support/zwtest.h"

namespace {

using Strings = std::vector<std::wstring>;
using zwtest::HostArray;
using zwtest::StringElements;
using zwtest::TakeHostText;
using zwtest::TempFolder;

// The string elements, sorted (listings come in the system's order).
Strings SortedElements(HARRAY array) {
    Strings values = zwtest::StringElements(array);
    std::sort(values.begin(), values.end());
    return values;
}

double NumberAt(HARRAY array, LONG index) {
    HostNumber number{};
    HostArrayGetNumber(array, &number, index);
    return HostValueToDouble(&number);
}

// A drive letter that does not exist here.
std::wstring MissingDrive() {
    const DWORD drives = GetLogicalDrives();
    wchar_t letter = L'Z';
    while (drives & (1u << (letter - L'A'))) --letter;
    return std::wstring{letter, L':', L'\\'};
}

// A folder with subdirectories "one" and "two" and files of each kind.
struct Tree {
    Tree() : folder(L"dos_tree") {
        CreateDirectoryW((folder / L"one").c_str(), nullptr);
        CreateDirectoryW((folder / L"two").c_str(), nullptr);
        const struct { const wchar_t* name; DWORD attributes; const char* bytes; } files[] = {
            {L"plain.txt", FILE_ATTRIBUTE_NORMAL, "12345"},
            {L"hidden.txt", FILE_ATTRIBUTE_HIDDEN, "1"},
            {L"system.dat", FILE_ATTRIBUTE_SYSTEM, ""},
            {L"readonly.txt", FILE_ATTRIBUTE_READONLY, "12"},
        };
        for (const auto& f : files) {
            zwtest::WriteFileBytes(folder / f.name, f.bytes);
            SetFileAttributesW((folder / f.name).c_str(), f.attributes);
        }
    }
    TempFolder folder;
};

}  // namespace

TEST(Dos, DirectoryAndFileListings) {
    Tree tree;
    const std::wstring all = tree.folder / L"*";
    const HostArray names, dates(HOST_ARRAY_DATETIME), attributes(HOST_ARRAY_NUMBER), sizes(HOST_ARRAY_NUMBER);
    EXPECT_EQ(ZelDosEnumDirs(all.c_str(), names), 2);
    EXPECT_EQ(SortedElements(names), (Strings{L"one", L"two"}));  // never "." or ".."
    EXPECT_EQ(ZelDosEnumDirInfo((tree.folder / L"t*").c_str(), names, dates, attributes), 1);
    EXPECT_EQ(StringElements(names), Strings{L"two"});
    EXPECT_EQ(NumberAt(attributes, 0), GetFileAttributesW((tree.folder / L"two").c_str()));
    // The last-write time in local time, seconds rounded down to even.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    FILETIME local{};
    SYSTEMTIME t{};
    GetFileAttributesExW((tree.folder / L"two").c_str(), GetFileExInfoStandard, &data);
    FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &t);
    HostDate date{}, expected{};
    HostArrayGetDateTime(dates, &date, 0);
    HostDateConstruct(&expected, t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond / 2 * 2);
    EXPECT_EQ(std::memcmp(&date, &expected, sizeof date), 0);

    const struct { bool info; WORD filter; Strings expected; } files[] = {
        {false, 0, {L"plain.txt", L"readonly.txt"}},
        {false, FILE_ATTRIBUTE_READONLY, {L"readonly.txt"}},
        {false, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN, {}},  // every bit
        {true, 0, {L"hidden.txt", L"plain.txt", L"readonly.txt", L"system.dat"}},
        {true, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, {L"hidden.txt", L"system.dat"}},  // any bit
    };
    for (const auto& f : files) {
        const int count = f.info ? ZelDosEnumFileInfo(all.c_str(), f.filter, names, sizes, dates, attributes)
                                 : ZelDosEnumFiles(all.c_str(), f.filter, names);
        EXPECT_EQ(count, int(f.expected.size())) << f.info << " " << f.filter;
        EXPECT_EQ(SortedElements(names), f.expected) << f.info << " " << f.filter;
    }
    EXPECT_EQ(ZelDosEnumFileInfo((tree.folder / L"plain.txt").c_str(), 0, names, sizes, dates, attributes), 1);
    EXPECT_EQ(NumberAt(sizes, 0), 5);
    EXPECT_EQ(NumberAt(attributes, 0), GetFileAttributesW((tree.folder / L"plain.txt").c_str()));

    // Failures leave the arrays as they were.
    const std::wstring nothing = tree.folder / L"*.none";
    EXPECT_EQ(ZelDosEnumDirs(nothing.c_str(), names), -2);
    EXPECT_EQ(ZelDosEnumFiles(nothing.c_str(), 0, names), -2);
    EXPECT_EQ(ZelDosEnumDirs((tree.folder / L"missing\\*").c_str(), names), -3);
    EXPECT_EQ(ZelDosEnumFiles(nullptr, 0, names), -87);
    EXPECT_EQ(ZelDosEnumDirInfo(all.c_str(), names, 0xBAD, attributes), -87);
    EXPECT_EQ(ZelDosEnumFileInfo(nullptr, 0, names, sizes, dates, attributes), -87);
    EXPECT_EQ(StringElements(names), Strings{L"plain.txt"});
}

TEST(Dos, ExistAndIsParent) {
    Tree tree;
    const std::wstring missing = MissingDrive();
    const struct { std::wstring path; int exists; int parent; } cases[] = {
        {tree.folder.Path(), 1, 1},
        {tree.folder.Path() + L"\\", 1, 1},
        {tree.folder / L"one", 1, 0},
        {tree.folder / L"plain.txt", 1, 0},
        {tree.folder / L"*.txt", 1, 0},
        {tree.folder / L"*.none", 0, 0},
        {L"C:", 1, 1},
        {missing.substr(0, 2), 0, 0},
        {L"", 0, 1},  // "\\*.*", the current drive's root, has subdirectories
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZelDosExist(c.path.c_str()), c.exists) << &c - cases;
        EXPECT_EQ(ZelDosIsParent(c.path.c_str()), c.parent) << &c - cases;
    }
    EXPECT_EQ(ZelDosExist(nullptr), 0);
    EXPECT_EQ(ZelDosIsParent(nullptr), 0);
}

TEST(Dos, DrivesTypesSizesAndLabels) {
    const HostArray drives;
    Strings expected;
    for (int i = 0; i < 26; ++i) {
        if (GetLogicalDrives() & (1u << i)) expected.push_back(std::wstring{wchar_t(L'A' + i), L':', L'\\'});
    }
    EXPECT_EQ(ZelDosEnumDrives(drives), int(expected.size()));
    EXPECT_EQ(StringElements(drives), expected);
    EXPECT_EQ(ZelDosEnumDrives(0xBAD), -87);

    const std::wstring missing = MissingDrive();
    const struct { const wchar_t* root; int type; const wchar_t* label; } cases[] = {
        {L"C:\\", DRIVE_FIXED, nullptr}, {L"c:", DRIVE_FIXED, nullptr},   {L"M:\\", DRIVE_REMOTE, L"ZWNETM"},
        {L"n:", DRIVE_REMOTE, nullptr},  {L"R:\\", DRIVE_CDROM, L"ZWCDROM"}, {missing.c_str(), 0, L""},
        {L"1:\\", 0, L""},              {L"", 0, L""},                    {nullptr, 0, L""},
    };
    for (const auto& c : cases) {
        const std::wstring name = c.root ? c.root : L"(null)";
        EXPECT_EQ(ZelDosGetDriveType(c.root), c.type) << name;
        if (c.label) {
            EXPECT_EQ(TakeHostText(ZelDosGetVolumeLabel(c.root)), c.label) << name;
        }
    }
    // Setting C:'s label to the one it has changes nothing in the prefix.
    WCHAR label[MAX_PATH + 1] = {};
    GetVolumeInformationW(L"C:\\", label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
    EXPECT_EQ(ZelDosSetVolumeLabel(L"C:\\", label), 0);
    EXPECT_LT(ZelDosSetVolumeLabel(missing.c_str(), L"X"), 0);
    EXPECT_EQ(ZelDosSetVolumeLabel(nullptr, L"X"), -87);

    ZW_HOSTVALUE total{}, free{};
    ULARGE_INTEGER available{}, systemTotal{}, systemFree{};
    ASSERT_TRUE(GetDiskFreeSpaceExW(L"C:\\", &available, &systemTotal, &systemFree));
    EXPECT_EQ(ZelDosGetDriveSize(L"C:", &total, &free), 0);
    const HostNumber totalNumber = std::bit_cast<HostNumber>(total);
    EXPECT_EQ(HostValueToDouble(&totalNumber), double(systemTotal.QuadPart));
    EXPECT_NE(free.lengthAndFlags, 0);
    for (const wchar_t* root : {missing.c_str(), static_cast<const wchar_t*>(nullptr)}) {
        EXPECT_EQ(ZelDosGetDriveSize(root, &total, &free), -15);
        EXPECT_EQ(total.lengthAndFlags | free.lengthAndFlags, 0);  // both made null
    }
    EXPECT_EQ(ZelDosGetDriveSize(L"C:", nullptr, &free), -87);
}

TEST(Dos, PathsSplitJoinAndCreate) {
    const struct { const wchar_t* drive; const wchar_t* dir; const wchar_t* name; const wchar_t* ext; const wchar_t* path; }
        joins[] = {
            {L"C:", L"\\dir\\", L"file", L".txt", L"C:\\dir\\file.txt"},
            {L"C:", L"dir", L"file", L"txt", L"C:dirfiletxt"},
            {nullptr, nullptr, L"file", nullptr, L"file"},
        };
    for (const auto& j : joins) EXPECT_EQ(TakeHostText(ZelDosMakePath(j.drive, j.dir, j.name, j.ext)), j.path);

    ZW_HSTR parts[4] = {0, 0, 0, HostTestNewString(L"an existing string is refilled")};
    EXPECT_EQ(ZelDosSplitPath(L"C:\\dir\\sub\\file.name.txt", &parts[0], &parts[1], &parts[2], &parts[3]), 0);
    EXPECT_EQ((Strings{zwtest::HostText(parts[0]), zwtest::HostText(parts[1]), zwtest::HostText(parts[2]),
                       zwtest::HostText(parts[3])}),
              (Strings{L"C:", L"\\dir\\sub\\", L"file.name", L".txt"}));
    EXPECT_EQ(ZelDosSplitPath(nullptr, &parts[0], &parts[1], &parts[2], &parts[3]), 0);
    for (const ZW_HSTR part : parts) EXPECT_EQ(TakeHostText(part), L"");
    EXPECT_EQ(ZelDosSplitPath(L"C:\\x", &parts[0], nullptr, &parts[2], &parts[3]), -87);

    TempFolder folder(L"dos_makealldir");
    const std::wstring deep = folder / L"a\\b\\c";
    EXPECT_EQ(ZelDosMakeAllDir(deep.c_str()), 0);
    EXPECT_EQ(GetFileAttributesW(deep.c_str()) & FILE_ATTRIBUTE_DIRECTORY, DWORD(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(ZelDosMakeAllDir((deep + L"\\").c_str()), -183);
    EXPECT_EQ(ZelDosMakeAllDir((folder / L"a\\b\\d").c_str()), 0);
    EXPECT_EQ(ZelDosMakeAllDir(L""), -87);
    EXPECT_EQ(ZelDosMakeAllDir(nullptr), -87);

    WCHAR module[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(L"zwi51.dll"), module, MAX_PATH);
    std::wstring expected = module;
    expected = expected.substr(0, expected.rfind(L'\\') + 1) + L"app.ini";
    EXPECT_EQ(TakeHostText(ZelDosBuildFullName(L"ZWI51.DLL", L"app.ini")), expected);
    EXPECT_EQ(TakeHostText(ZelDosBuildFullName(L"notloaded.dll", L"app.ini")), L"");
    EXPECT_EQ(TakeHostText(ZelDosBuildFullName(nullptr, L"app.ini")), L"");
}

TEST(Dos, EnvironmentAndVersion) {
    Tree tree;
    const std::wstring longValue(700, L'v');
    SetEnvironmentVariableW(L"ZW_TEST_VALUE", longValue.c_str());
    EXPECT_EQ(TakeHostText(ZelDosGetEnvString(L"ZW_TEST_VALUE")), longValue);
    EXPECT_EQ(TakeHostText(ZelDosGetEnvString(L"ZW_TEST_UNSET")), L"");
    EXPECT_EQ(TakeHostText(ZelDosGetEnvString(nullptr)), L"");

    WCHAR current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(TakeHostText(ZelDosGetCurDir(nullptr)), current);

    // A PATH longer than the first buffer; elements with a trailing backslash,
    // empty ones and missing directories are left out.
    WCHAR saved[32768] = {};
    GetEnvironmentVariableW(L"PATH", saved, 32768);
    std::wstring path = tree.folder / L"one;" + tree.folder / L"two\\;;" + tree.folder.Path();
    for (int i = 0; i < 30; ++i) path += L";" + tree.folder / L"missing";
    SetEnvironmentVariableW(L"PATH", path.c_str());
    const HostArray directories;
    EXPECT_EQ(ZelDosEnumPath(directories), 2);
    EXPECT_EQ(StringElements(directories), (Strings{tree.folder / L"one\\", tree.folder.Path() + L"\\"}));
    SetEnvironmentVariableW(L"PATH", saved);

    const ZW_HOSTVALUE version = ZelDosGetVersion(), expected = ZelGetWinVersion();
    EXPECT_EQ(std::memcmp(&version, &expected, sizeof version), 0);
    EXPECT_NE(version.lengthAndFlags, 0);
    EXPECT_EQ(ZelDosGetFlags(), 0);
    EXPECT_EQ(ZelDosSetFlags(1, 2), 0);
}
