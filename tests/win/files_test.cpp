// File functions on real files in a test folder under the build folder (a file
// system that keeps the hidden and system attributes).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "include/zwi51.h"
#include "tests/win/support/zwtest.h"

namespace {

using zwtest::ReadFileBytes;
using zwtest::TakeHostText;
using zwtest::TempFolder;
using zwtest::WriteFileBytes;

// Wine may report the archive bit on any file; it says nothing here.
DWORD Attributes(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ? attributes : attributes & ~FILE_ATTRIBUTE_ARCHIVE;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

FILETIME LastWrite(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    EXPECT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) << std::string(path.begin(), path.end());
    return data.ftLastWriteTime;
}

SYSTEMTIME LocalLastWrite(const std::wstring& path) {
    const FILETIME utc = LastWrite(path);
    FILETIME local{};
    SYSTEMTIME time{};
    FileTimeToLocalFileTime(&utc, &local);
    FileTimeToSystemTime(&local, &time);
    return time;
}

bool SetLastWrite(const std::wstring& path, const SYSTEMTIME& utcTime) {
    FILETIME time{};
    if (!SystemTimeToFileTime(&utcTime, &time)) return false;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const BOOL ok = SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
    return ok;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// A compressed (SZDD) image of `data` made of literal-only blocks: a flag byte
// of eight set bits, then eight bytes as they are.
std::string Szdd(const std::string& data) {
    std::string out("SZDD\x88\xF0\x27\x33", 8);
    out += 'A';
    out += 't';
    const auto size = static_cast<unsigned>(data.size());
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((size >> shift) & 0xFF);
    for (size_t at = 0; at < data.size(); at += 8) {
        out += '\xFF';
        out += data.substr(at, 8);
    }
    return out;
}

// A drive letter that names no drive.
std::wstring MissingDrive() {
    for (WCHAR letter = L'Q'; letter <= L'Y'; ++letter) {
        const WCHAR root[] = {letter, L':', L'\\', 0};
        if (GetDriveTypeW(root) == DRIVE_NO_ROOT_DIR) return std::wstring{letter, L':'};
    }
    return L"";
}

// Changes the current directory for one scope.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::wstring& path) {
        GetCurrentDirectoryW(MAX_PATH, previous_);
        EXPECT_TRUE(SetCurrentDirectoryW(path.c_str()));
    }
    ~CurrentDirectory() { SetCurrentDirectoryW(previous_); }

private:
    WCHAR previous_[MAX_PATH] = {};
};

TEST(Files, NullArgumentsAreRefused) {
    TempFolder folder(L"files-null");
    const std::wstring name = folder / L"a.txt";
    ASSERT_TRUE(WriteFileBytes(name, "abc"));
    ZW_HOSTVALUE date{};
    ZW_HFILE file = nullptr;
    char buffer[4];
    ZW_HSTR line = 0;
    const struct {
        const char* call;
        int result;
    } cases[] = {
        {"Open null handle", ZelFileOpen(nullptr, name.c_str(), OF_READ)},
        {"Open null name", ZelFileOpen(&file, nullptr, OF_READ)},
        {"Close", ZelFileClose(nullptr)},
        {"Read", ZelFileRead(nullptr, buffer, 4)},
        {"ReadString", ZelFileReadString(nullptr, &line)},
        {"Write", ZelFileWrite(nullptr, "x", 1)},
        {"WriteString", ZelFileWriteString(nullptr, L"x")},
        {"Seek", ZelFileSeek(nullptr, 0, 0)},
        {"Tell", ZelFileTell(nullptr)},
        {"Append source", ZelFileAppend(nullptr, name.c_str())},
        {"Append destination", ZelFileAppend(name.c_str(), nullptr)},
        {"Copy source", ZelFileCopy(nullptr, folder.Path().c_str())},
        {"Copy destination", ZelFileCopy(name.c_str(), nullptr)},
        {"Expand source", ZelFileExpand(nullptr, folder.Path().c_str())},
        {"Expand destination", ZelFileExpand(name.c_str(), nullptr)},
        {"Rename source", ZelFileRename(nullptr, name.c_str())},
        {"Rename destination", ZelFileRename(name.c_str(), nullptr)},
        {"Delete", ZelFileDelete(nullptr)},
        {"SetAttribute", ZelFileSetAttribute(nullptr, FILE_ATTRIBUTE_READONLY, TRUE)},
        {"SetDateTime", ZelFileSetDateTime(nullptr, date)},
        {"SetDateTime null date", ZelFileSetDateTime(name.c_str(), date)},
        {"GetAttribute", ZelFileGetAttribute(nullptr)},
        {"GetSize", ZelFileGetSize(nullptr)},
        {"GetType", ZelFileGetType(nullptr)},
        // Garbage stream handles are refused, not followed.
        {"Close garbage", ZelFileClose(reinterpret_cast<ZW_HFILE>(16))},
        {"Tell garbage", ZelFileTell(reinterpret_cast<ZW_HFILE>(16))},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, -87) << c.call;
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(TakeHostText(ZelFileFind(nullptr)), L"");
    EXPECT_EQ(TakeHostText(ZelFileCreateTemp(nullptr)), L"");
    EXPECT_EQ(ReadFileBytes(name), "abc");
}

TEST(Files, CopyBuildsTargetNamesFromTheDestination) {
    TempFolder folder(L"files-copy");
    const std::wstring source = folder / L"src";
    const std::wstring target = folder / L"dst";
    ASSERT_TRUE(CreateDirectoryW(source.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(target.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((source + L"\\sub.txt").c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(source + L"\\report.txt", "report"));
    ASSERT_TRUE(WriteFileBytes(source + L"\\abc.txt", std::string(70000, 'z') + "end"));
    ASSERT_TRUE(WriteFileBytes(source + L"\\a.b.c", "abc"));

    const struct {
        std::wstring pattern, destination;
        int result;
        std::vector<std::pair<std::wstring, std::wstring>> made;  // target, its source
    } cases[] = {
        {L"\\*.txt", L"\\dst\\*.bak", 2, {{L"report.bak", L"report.txt"}, {L"abc.bak", L"abc.txt"}}},
        {L"\\abc.txt", L"\\dst\\x?y.*", 1, {{L"xby.txt", L"abc.txt"}}},
        {L"\\*", L"\\dst", 3, {{L"a.b.c", L"a.b.c"}, {L"report.txt", L"report.txt"}, {L"abc.txt", L"abc.txt"}}},
        {L"\\*.c", L"\\dst\\", 1, {{L"a.b.c", L"a.b.c"}}},
        {L"\\report.txt", L"\\dst\\single.dat", 1, {{L"single.dat", L"report.txt"}}},
        {L"\\*.txt", L"\\missing\\*.*", -3, {}},
        {L"\\*.txt", L"\\missing\\", -3, {}},
        {L"\\*.none", L"\\dst", -2, {}},
        {L"\\nodir\\*.txt", L"\\dst", -3, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.pattern + L" -> " + c.destination));
        EXPECT_EQ(ZelFileCopy((source + c.pattern).c_str(), (folder.Path() + c.destination).c_str()), c.result);
        for (const auto& [made, from] : c.made) {
            EXPECT_EQ(ReadFileBytes(target + L"\\" + made), ReadFileBytes(source + L"\\" + from)) << Narrow(made);
            EXPECT_TRUE(DeleteFileW((target + L"\\" + made).c_str())) << Narrow(made);
        }
        EXPECT_FALSE(Exists(folder / L"missing"));
    }

    const std::wstring drive = MissingDrive();
    ASSERT_FALSE(drive.empty());
    EXPECT_EQ(ZelFileCopy((source + L"\\*.txt").c_str(), drive.c_str()), -15);
    EXPECT_EQ(ZelFileCopy((source + L"\\*.txt").c_str(), (drive + L"\\dir\\*.*").c_str()), -15);

    // A drive alone copies into that drive's current directory.
    {
        CurrentDirectory here(target);
        EXPECT_EQ(ZelFileCopy((source + L"\\report.txt").c_str(), folder.Path().substr(0, 2).c_str()), 1);
    }
    EXPECT_EQ(ReadFileBytes(target + L"\\report.txt"), "report");

    // A file copied onto itself is refused while it is being read, and kept.
    EXPECT_EQ(ZelFileCopy((source + L"\\report.txt").c_str(), source.c_str()), -32);
    EXPECT_EQ(ReadFileBytes(source + L"\\report.txt"), "report");
}

TEST(Files, CopyKeepsTheSourceTimes) {
    TempFolder folder(L"files-copytime");
    const std::wstring source = folder / L"old.txt";
    ASSERT_TRUE(WriteFileBytes(source, "old"));
    const SYSTEMTIME when = {2001, 2, 6, 3, 4, 5, 6, 0};
    ASSERT_TRUE(SetLastWrite(source, when));
    EXPECT_EQ(ZelFileCopy(source.c_str(), (folder / L"new.txt").c_str()), 1);
    const FILETIME from = LastWrite(source), to = LastWrite(folder / L"new.txt");
    EXPECT_EQ(CompareFileTime(&from, &to), 0);
    EXPECT_EQ(ReadFileBytes(folder / L"new.txt"), "old");
}

TEST(Files, AppendAddsEveryMatchToTheDestination) {
    TempFolder folder(L"files-append");
    ASSERT_TRUE(CreateDirectoryW((folder / L"parts").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((folder / L"parts\\dir.txt").c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(folder / L"parts\\one.txt", "one;"));
    const std::string big(150000, 'b');
    ASSERT_TRUE(WriteFileBytes(folder / L"parts\\two.txt", big));
    ASSERT_TRUE(WriteFileBytes(folder / L"whole.txt", "start;"));

    const std::wstring parts = folder / L"parts\\*.txt";
    EXPECT_EQ(ZelFileAppend(parts.c_str(), (folder / L"whole.txt").c_str()), 2);
    const std::string whole = ReadFileBytes(folder / L"whole.txt");
    EXPECT_EQ(whole.size(), 6 + 4 + big.size());
    EXPECT_EQ(whole.substr(0, 6), "start;");
    EXPECT_NE(whole.find("one;"), std::string::npos);
    EXPECT_NE(whole.find(big), std::string::npos);

    // A missing destination is created.
    EXPECT_EQ(ZelFileAppend((folder / L"parts\\one.txt").c_str(), (folder / L"fresh.txt").c_str()), 1);
    EXPECT_EQ(ReadFileBytes(folder / L"fresh.txt"), "one;");

    EXPECT_EQ(ZelFileAppend(parts.c_str(), (folder / L"*.txt").c_str()), -87);
    EXPECT_EQ(ZelFileAppend((folder / L"parts\\*.none").c_str(), (folder / L"fresh.txt").c_str()), -2);
    EXPECT_EQ(ReadFileBytes(folder / L"fresh.txt"), "one;");
}

TEST(Files, ExpandDecompressesAndCopiesPlainFiles) {
    TempFolder folder(L"files-expand");
    std::string text;
    for (int i = 0; i < 500; ++i) text += "line " + std::to_string(i) + "\r\n";
    const std::string odd = "seven!!";  // shorter than one block
    ASSERT_TRUE(CreateDirectoryW((folder / L"in").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((folder / L"out").c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(folder / L"in\\text.tx_", Szdd(text)));
    ASSERT_TRUE(WriteFileBytes(folder / L"in\\odd.tx_", Szdd(odd)));
    ASSERT_TRUE(WriteFileBytes(folder / L"in\\plain.tx_", "not compressed"));

    EXPECT_EQ(ZelFileExpand((folder / L"in\\*.tx_").c_str(), (folder / L"out\\*.txt").c_str()), 3);
    EXPECT_EQ(ReadFileBytes(folder / L"out\\text.txt"), text);
    EXPECT_EQ(ReadFileBytes(folder / L"out\\odd.txt"), odd);
    EXPECT_EQ(ReadFileBytes(folder / L"out\\plain.txt"), "not compressed");

    EXPECT_EQ(ZelFileExpand((folder / L"in\\text.tx_").c_str(), (folder / L"out").c_str()), 1);
    EXPECT_EQ(ReadFileBytes(folder / L"out\\text.tx_"), text);
    EXPECT_EQ(ZelFileExpand((folder / L"in\\*.tx_").c_str(), (folder / L"nowhere\\*.*").c_str()), -3);
    EXPECT_EQ(ZelFileExpand((folder / L"in\\*.zip").c_str(), (folder / L"out").c_str()), -2);
}

TEST(Files, RenameMovesEachMatch) {
    TempFolder folder(L"files-rename");
    ASSERT_TRUE(WriteFileBytes(folder / L"a.txt", "a"));
    ASSERT_TRUE(WriteFileBytes(folder / L"b.txt", "b"));
    ASSERT_TRUE(CreateDirectoryW((folder / L"keep.txt").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((folder / L"moved").c_str(), nullptr));

    EXPECT_EQ(ZelFileRename((folder / L"*.txt").c_str(), (folder / L"*.bak").c_str()), 2);
    EXPECT_EQ(ReadFileBytes(folder / L"a.bak"), "a");
    EXPECT_EQ(ReadFileBytes(folder / L"b.bak"), "b");
    EXPECT_FALSE(Exists(folder / L"a.txt"));
    EXPECT_TRUE(Exists(folder / L"keep.txt"));  // directories stay

    EXPECT_EQ(ZelFileRename((folder / L"a.bak").c_str(), (folder / L"moved").c_str()), 1);
    EXPECT_EQ(ReadFileBytes(folder / L"moved\\a.bak"), "a");
    // A target that exists already ends the operation with its error.
    ASSERT_TRUE(WriteFileBytes(folder / L"c.bak", "c"));
    EXPECT_EQ(ZelFileRename((folder / L"b.bak").c_str(), (folder / L"c.bak").c_str()), -183);
    EXPECT_EQ(ReadFileBytes(folder / L"b.bak"), "b");
    EXPECT_EQ(ZelFileRename((folder / L"b.bak").c_str(), (folder / L"gone\\x.bak").c_str()), -3);
}

TEST(Files, DeleteSkipsDirectories) {
    TempFolder folder(L"files-delete");
    ASSERT_TRUE(CreateDirectoryW((folder / L"d1.tmp").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((folder / L"d2.tmp").c_str(), nullptr));
    EXPECT_EQ(ZelFileDelete((folder / L"*.tmp").c_str()), 0);
    EXPECT_TRUE(Exists(folder / L"d1.tmp"));

    ASSERT_TRUE(WriteFileBytes(folder / L"x.tmp", "x"));
    ASSERT_TRUE(WriteFileBytes(folder / L"y.tmp", "y"));
    ASSERT_TRUE(WriteFileBytes(folder / L"z.keep", "z"));
    EXPECT_EQ(ZelFileDelete((folder / L"*.tmp").c_str()), 2);
    EXPECT_FALSE(Exists(folder / L"x.tmp"));
    EXPECT_TRUE(Exists(folder / L"z.keep"));
    EXPECT_EQ(ZelFileDelete((folder / L"*.none").c_str()), -2);
    EXPECT_EQ(ZelFileDelete((folder / L"nodir\\*.*").c_str()), -3);
    // A read-only file cannot be deleted: the error ends the operation.
    ASSERT_TRUE(SetFileAttributesW((folder / L"z.keep").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ZelFileDelete((folder / L"z.keep").c_str()), -5);
}

TEST(Files, AttributesAreSetClearedAndRead) {
    TempFolder folder(L"files-attributes");
    ASSERT_TRUE(WriteFileBytes(folder / L"a.txt", "a"));
    ASSERT_TRUE(WriteFileBytes(folder / L"b.txt", "b"));
    ASSERT_TRUE(CreateDirectoryW((folder / L"dir.txt").c_str(), nullptr));
    const std::wstring pattern = folder / L"*.txt";
    const DWORD hiddenReadOnly = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY;

    // The directory is changed too; the high word of the mask is ignored.
    EXPECT_EQ(ZelFileSetAttribute(pattern.c_str(), hiddenReadOnly | 0x10000, TRUE), 3);
    EXPECT_EQ(Attributes(folder / L"a.txt"), hiddenReadOnly);
    // Wine keeps no read-only bit on directories; the hidden bit it keeps.
    EXPECT_EQ(Attributes(folder / L"dir.txt") & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY),
              DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(ZelFileGetAttribute((folder / L"b.txt").c_str()) & ~FILE_ATTRIBUTE_ARCHIVE, int(hiddenReadOnly));

    EXPECT_EQ(ZelFileSetAttribute(pattern.c_str(), FILE_ATTRIBUTE_READONLY, FALSE), 3);
    EXPECT_EQ(Attributes(folder / L"a.txt"), DWORD(FILE_ATTRIBUTE_HIDDEN));
    // Clearing the last bit leaves a normal file.
    EXPECT_EQ(ZelFileSetAttribute((folder / L"a.txt").c_str(), FILE_ATTRIBUTE_HIDDEN, FALSE), 1);
    EXPECT_EQ(Attributes(folder / L"a.txt") & ~FILE_ATTRIBUTE_NORMAL, 0u);

    EXPECT_EQ(ZelFileGetAttribute((folder / L"none.txt").c_str()), -2);
    EXPECT_EQ(ZelFileGetAttribute((folder / L"nodir\\none.txt").c_str()), -3);
    EXPECT_EQ(ZelFileSetAttribute((folder / L"*.none").c_str(), FILE_ATTRIBUTE_HIDDEN, TRUE), -2);
}

TEST(Files, SetDateTimeRoundsToTwoSeconds) {
    TempFolder folder(L"files-datetime");
    ASSERT_TRUE(WriteFileBytes(folder / L"a.dat", "a"));
    ASSERT_TRUE(WriteFileBytes(folder / L"b.dat", "b"));
    ASSERT_TRUE(CreateDirectoryW((folder / L"dir.dat").c_str(), nullptr));
    const struct {
        int year, month, day, hour, minute, second, storedSecond;
    } cases[] = {
        {2021, 6, 15, 13, 45, 31, 30},
        {1999, 12, 31, 23, 59, 59, 58},
        {2010, 1, 2, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        HostDate date{};
        ASSERT_TRUE(HostDateConstruct(&date, c.year, c.month, c.day, c.hour, c.minute, c.second));
        ZW_HOSTVALUE value;
        std::memcpy(&value, &date, sizeof value);
        EXPECT_EQ(ZelFileSetDateTime((folder / L"*.dat").c_str(), value), 2);
        for (const wchar_t* name : {L"a.dat", L"b.dat"}) {
            const SYSTEMTIME t = LocalLastWrite(folder / name);
            EXPECT_EQ(t.wYear, c.year);
            EXPECT_EQ(t.wMonth, c.month);
            EXPECT_EQ(t.wDay, c.day);
            EXPECT_EQ(t.wHour, c.hour);
            EXPECT_EQ(t.wMinute, c.minute);
            EXPECT_EQ(t.wSecond, c.storedSecond);
        }
    }
    HostDate early{};
    ASSERT_TRUE(HostDateConstruct(&early, 1975, 1, 1, 0, 0, 0));
    ZW_HOSTVALUE value;
    std::memcpy(&value, &early, sizeof value);
    EXPECT_EQ(ZelFileSetDateTime((folder / L"*.dat").c_str(), value), -87);
    EXPECT_EQ(LocalLastWrite(folder / L"a.dat").wYear, 2010);
}

TEST(Files, GetSizeRefusesPatterns) {
    TempFolder folder(L"files-size");
    ASSERT_TRUE(WriteFileBytes(folder / L"a.bin", std::string(123457, 'x')));
    ASSERT_TRUE(WriteFileBytes(folder / L"empty.bin", ""));
    EXPECT_EQ(ZelFileGetSize((folder / L"a.bin").c_str()), 123457);
    EXPECT_EQ(ZelFileGetSize((folder / L"empty.bin").c_str()), 0);
    EXPECT_EQ(ZelFileGetSize(L"*"), -87);
    EXPECT_EQ(ZelFileGetSize((folder / L"a.b?n").c_str()), -87);
    EXPECT_EQ(ZelFileGetSize((folder / L"*.bin").c_str()), -87);
    EXPECT_EQ(ZelFileGetSize((folder / L"none.bin").c_str()), -2);
}

// Puts a "Programs" entry into the profile and a file association into the
// registry for one scope.
class TypeSetting {
public:
    TypeSetting() {
        WCHAR old[256] = {};
        hadPrograms_ = GetProfileStringW(L"Windows", L"Programs", L"\x01", old, 255) && old[0] != 1;
        oldPrograms_ = old;
        EXPECT_TRUE(WriteProfileStringW(L"Windows", L"Programs", L"com exe bat pif"));
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L".zwfdoc", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), 0);
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"zwfdocfile"), 22);
        RegCloseKey(key);
        EXPECT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"zwfdocfile\\shell\\open\\command", 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr), 0);
        const wchar_t command[] = L"notepad.exe \"%1\"";
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command), sizeof command);
        RegCloseKey(key);
    }
    ~TypeSetting() {
        WriteProfileStringW(L"Windows", L"Programs", hadPrograms_ ? oldPrograms_.c_str() : nullptr);
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L".zwfdoc");
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"zwfdocfile");
    }

private:
    bool hadPrograms_ = false;
    std::wstring oldPrograms_;
};

TEST(Files, GetTypeSortsProgramsDocumentsAndHiddenFiles) {
    TempFolder folder(L"files-type");
    TypeSetting setting;
    const struct {
        const wchar_t* name;
        DWORD attributes;
        int type;
    } cases[] = {
        {L"tool.exe", FILE_ATTRIBUTE_NORMAL, 1},
        {L"tool.bat", FILE_ATTRIBUTE_NORMAL, 1},
        {L"secret.exe", FILE_ATTRIBUTE_HIDDEN, 3},
        {L"core.exe", FILE_ATTRIBUTE_SYSTEM, 3},
        {L"letter.zwfdoc", FILE_ATTRIBUTE_NORMAL, 2},
        {L"letter.zwfdoc2", FILE_ATTRIBUTE_NORMAL, 4},
        {L"noext", FILE_ATTRIBUTE_NORMAL, 4},
    };
    for (const auto& c : cases) {
        const std::wstring path = folder / c.name;
        ASSERT_TRUE(WriteFileBytes(path, "MZ"));
        ASSERT_TRUE(SetFileAttributesW(path.c_str(), c.attributes));
        EXPECT_EQ(ZelFileGetType(path.c_str()), c.type) << Narrow(c.name);
    }
    EXPECT_EQ(ZelFileGetType((folder / L"none.exe").c_str()), -2);
}

TEST(Files, StreamsOpenWriteReadSeekAndTell) {
    TempFolder folder(L"files-stream");
    const std::wstring path = folder / L"lines.txt";

    // OF_CREATE alone opens for writing.
    ZW_HFILE file = nullptr;
    ASSERT_EQ(ZelFileOpen(&file, path.c_str(), OF_CREATE), 0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(ZelFileWrite(file, "abc\r\n", 5), 5);
    EXPECT_EQ(ZelFileTell(file), 5);
    EXPECT_EQ(ZelFileWriteString(file, L"second line"), 0);
    EXPECT_EQ(ZelFileWriteString(file, L""), 0);
    EXPECT_EQ(ZelFileWrite(file, "last", 4), 4);
    char byte = 0;
    EXPECT_EQ(ZelFileRead(file, &byte, 1), 0);  // not open for reading
    ZW_HSTR none = 0;
    EXPECT_EQ(ZelFileReadString(file, &none), -18);
    EXPECT_EQ(none, 0u);
    EXPECT_EQ(ZelFileClose(file), 0);
    EXPECT_EQ(ReadFileBytes(path), "abc\r\nsecond line\r\n\r\nlast");

    ASSERT_EQ(ZelFileOpen(&file, path.c_str(), OF_READ), 0);
    const wchar_t* expected[] = {L"abc", L"second line", L"", L"last"};
    for (const wchar_t* text : expected) {
        ZW_HSTR line = 0;
        EXPECT_EQ(ZelFileReadString(file, &line), 0);
        EXPECT_EQ(TakeHostText(line), text);
    }
    ZW_HSTR line = 0;
    EXPECT_EQ(ZelFileReadString(file, &line), -18);
    EXPECT_EQ(ZelFileReadString(file, &line), -18);

    EXPECT_EQ(ZelFileSeek(file, 5, 0), 0);
    char buffer[16] = {};
    EXPECT_EQ(ZelFileRead(file, buffer, 6), 6);
    EXPECT_EQ(std::string(buffer, 6), "second");
    EXPECT_EQ(ZelFileTell(file), 11);
    EXPECT_EQ(ZelFileSeek(file, -4, 2), 0);
    EXPECT_EQ(ZelFileRead(file, buffer, 16), 4);
    EXPECT_EQ(std::string(buffer, 4), "last");
    EXPECT_EQ(ZelFileSeek(file, -3, 1), 0);
    EXPECT_EQ(ZelFileTell(file), 21);
    EXPECT_LT(ZelFileSeek(file, -100, 0), 0);
    EXPECT_EQ(ZelFileTell(file), 21);
    EXPECT_EQ(ZelFileSeek(file, 0, 3), -87);
    EXPECT_EQ(ZelFileReadString(file, nullptr), -87);
    EXPECT_EQ(ZelFileRead(file, nullptr, 1), -87);
    EXPECT_EQ(ZelFileWrite(file, "x", 1), -5);  // read-only stream
    EXPECT_EQ(ZelFileWriteString(file, L"x"), -5);
    EXPECT_EQ(ZelFileClose(file), 0);
    EXPECT_EQ(ReadFileBytes(path), "abc\r\nsecond line\r\n\r\nlast");
}

TEST(Files, ReadStringSplitsLongLinesAndConvertsFromAnsi) {
    TempFolder folder(L"files-longline");
    const std::string longLine(10000, 'q');
    ASSERT_TRUE(WriteFileBytes(folder / L"long.txt", longLine + "\n\xE9t\xE9\r\n"));
    ZW_HFILE file = nullptr;
    ASSERT_EQ(ZelFileOpen(&file, (folder / L"long.txt").c_str(), OF_READ), 0);
    ZW_HSTR line = 0;
    ASSERT_EQ(ZelFileReadString(file, &line), 0);
    EXPECT_EQ(TakeHostText(line), std::wstring(8191, L'q'));
    line = 0;
    ASSERT_EQ(ZelFileReadString(file, &line), 0);
    EXPECT_EQ(TakeHostText(line), std::wstring(10000 - 8191, L'q'));
    line = 0;
    ASSERT_EQ(ZelFileReadString(file, &line), 0);
    WCHAR expected[8] = {};
    MultiByteToWideChar(CP_ACP, 0, "\xE9t\xE9", 3, expected, 8);
    EXPECT_EQ(TakeHostText(line), expected);
    EXPECT_EQ(ZelFileClose(file), 0);
}

TEST(Files, OpenFlagsAndSearch) {
    TempFolder folder(L"files-open");
    const std::wstring path = folder / L"data.bin";
    ASSERT_TRUE(WriteFileBytes(path, "0123456789"));
    ZW_HFILE file = nullptr;

    EXPECT_EQ(ZelFileOpen(&file, (folder / L"none.bin").c_str(), OF_READ), -2);
    EXPECT_EQ(ZelFileOpen(&file, (folder / L"none.bin").c_str(), OF_EXIST), -2);
    EXPECT_EQ(ZelFileOpen(&file, path.c_str(), OF_EXIST), 0);
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(ZelFileOpen(&file, (folder / L"parsed.bin").c_str(), OF_PARSE), 0);
    EXPECT_EQ(file, nullptr);
    EXPECT_FALSE(Exists(folder / L"parsed.bin"));
    EXPECT_EQ(ZelFileOpen(&file, (folder / L"made.bin").c_str(), OF_CREATE | OF_EXIST), 0);
    EXPECT_EQ(file, nullptr);
    EXPECT_TRUE(Exists(folder / L"made.bin"));
    EXPECT_EQ(ZelFileOpen(&file, (folder / L"made.bin").c_str(), OF_DELETE), 0);
    EXPECT_FALSE(Exists(folder / L"made.bin"));
    EXPECT_EQ(ZelFileOpen(&file, (folder / L"made.bin").c_str(), OF_DELETE), -2);

    {
        // Without OF_CREATE a bare name is looked up along the search path.
        CurrentDirectory here(folder.Path());
        ASSERT_EQ(ZelFileOpen(&file, L"data.bin", OF_READWRITE | OF_SHARE_EXCLUSIVE), 0);
        ZW_HFILE second = nullptr;
        EXPECT_EQ(ZelFileOpen(&second, path.c_str(), OF_READ), -32);
        EXPECT_EQ(second, nullptr);
        EXPECT_EQ(ZelFileSeek(file, 0, 2), 0);
        EXPECT_EQ(ZelFileWrite(file, "AB", 2), 2);
        EXPECT_EQ(ZelFileSeek(file, 2, 0), 0);
        char buffer[4] = {};
        EXPECT_EQ(ZelFileRead(file, buffer, 3), 3);
        EXPECT_EQ(std::string(buffer, 3), "234");
        EXPECT_EQ(ZelFileClose(file), 0);
    }
    EXPECT_EQ(ReadFileBytes(path), "0123456789AB");

    ASSERT_EQ(ZelFileOpen(&file, path.c_str(), OF_READ | OF_SHARE_DENY_WRITE), 0);
    ZW_HFILE reader = nullptr, writer = nullptr;
    EXPECT_EQ(ZelFileOpen(&reader, path.c_str(), OF_READ), 0);
    EXPECT_EQ(ZelFileOpen(&writer, path.c_str(), OF_WRITE), -32);
    EXPECT_EQ(ZelFileClose(reader), 0);
    EXPECT_EQ(ZelFileClose(file), 0);
    // A closed stream is refused, not used again.
    EXPECT_EQ(ZelFileClose(file), -87);
}

TEST(Files, CreateTempPutsTildeBeforeTheName) {
    TempFolder folder(L"files-temp");
    WCHAR oldTmp[MAX_PATH] = {};
    const bool hadTmp = GetEnvironmentVariableW(L"TMP", oldTmp, MAX_PATH) != 0;
    ASSERT_TRUE(SetEnvironmentVariableW(L"TMP", folder.Path().c_str()));
    const struct {
        const wchar_t* prefix;
        std::wstring start;
    } cases[] = {{L"zw", L"~zw"}, {L"~ab", L"~ab"}, {L"", L"~"}};
    for (const auto& c : cases) {
        const std::wstring made = TakeHostText(ZelFileCreateTemp(c.prefix));
        SCOPED_TRACE(Narrow(made));
        const std::wstring name = made.substr(made.rfind(L'\\') + 1);
        EXPECT_EQ(made.substr(0, folder.Path().size()), folder.Path());
        EXPECT_EQ(name.substr(0, c.start.size()), c.start);
        EXPECT_NE(name.substr(0, 2), L"~~");
        EXPECT_EQ(ReadFileBytes(made), "");
        EXPECT_TRUE(Exists(made));
        // Only the "~" name remains.
        if (name.substr(0, 1) == L"~" && c.prefix[0] != L'~') {
            EXPECT_FALSE(Exists(folder / name.substr(1)));
        }
    }
    SetEnvironmentVariableW(L"TMP", hadTmp ? oldTmp : nullptr);
}

TEST(Files, FindLooksAlongTheSearchPath) {
    TempFolder folder(L"files-find");
    ASSERT_TRUE(WriteFileBytes(folder / L"here.txt", "x"));
    {
        CurrentDirectory here(folder.Path());
        const std::wstring found = TakeHostText(ZelFileFind(L"here.txt"));
        EXPECT_EQ(lstrcmpiW(found.c_str(), (folder / L"here.txt").c_str()), 0) << Narrow(found);
    }
    const std::wstring system = TakeHostText(ZelFileFind(L"kernel32.dll"));
    ASSERT_GT(system.size(), 13u);
    EXPECT_EQ(lstrcmpiW(system.substr(system.size() - 13).c_str(), L"\\kernel32.dll"), 0);
    EXPECT_EQ(TakeHostText(ZelFileFind(L"surely-not-here.zzz")), L"");
    EXPECT_EQ(TakeHostText(ZelFileFind(L"")), L"");
}

}  // namespace
