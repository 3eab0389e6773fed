// File functions on real files in a test folder under the build folder (a file
// system that keeps the hidden and system attributes).
#include <gtest/gtest.h>

#include <windows.h>

#include <bit>
#include <list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "include/zwi51.h"
#include "tests/win/support/zwtest.h"

namespace {

using zwtest::ReadFileBytes;
using zwtest::TakeHostText;
using zwtest::TempFolder;

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Makes files with their bytes in the folder; a name ending in "\" is made as a directory.
void Make(const TempFolder& folder, std::initializer_list<std::pair<const wchar_t*, std::string>> files) {
    for (const auto& [name, bytes] : files) {
        const std::wstring path = folder / name;
        EXPECT_TRUE(path.back() == L'\\' ? CreateDirectoryW(path.c_str(), nullptr)
                                          : zwtest::WriteFileBytes(path, bytes)) << path;
    }
}

// A file's last-write time in local time: year, month, day, hour, minute, second, millisecond.
std::vector<int> LocalLastWrite(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    FILETIME local{};
    SYSTEMTIME t{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

ZW_HOSTVALUE Date(int year, int month, int day, int hour, int minute, int second) {
    HostDate date{};
    EXPECT_TRUE(HostDateConstruct(&date, year, month, day, hour, minute, second));
    return std::bit_cast<ZW_HOSTVALUE>(date);
}

// A compressed (SZDD) image of `data` made of literal-only blocks: a flag byte
// of eight set bits, then eight bytes as they are.
std::string Szdd(const std::string& data) {
    std::string out("SZDD\x88\xF0\x27\x33" "At", 10);
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>(data.size() >> shift);
    for (size_t at = 0; at < data.size(); at += 8) out += '\xFF' + data.substr(at, 8);
    return out;
}

// Changes the current directory for one scope.
struct CurrentDirectory {
    explicit CurrentDirectory(const std::wstring& path) {
        GetCurrentDirectoryW(MAX_PATH, previous);
        EXPECT_TRUE(SetCurrentDirectoryW(path.c_str()));
    }
    ~CurrentDirectory() { SetCurrentDirectoryW(previous); }
    WCHAR previous[MAX_PATH] = {};
};

// A call's text and result, so that a wrong result names its call.
#define CALL(call) std::pair<const char*, int>(#call, call)

TEST(Files, FailuresGiveTheirErrorCodes) {
    TempFolder folder(L"files-fail");
    Make(folder, {{L"a.txt", "abc"}});
    std::list<std::wstring> paths;  // the calls' arguments, kept alive
    const auto in = [&](const wchar_t* name) { return paths.emplace_back(folder / name).c_str(); };
    const wchar_t *a = in(L"a.txt"), *dir = folder.Path().c_str(), *none = in(L"*.none"), *txt = in(L"*.txt");
    const wchar_t *noDir = in(L"nodir\\*.txt"), *missing = in(L"missing\\*.*"), *noFile = in(L"none.txt");
    std::wstring noDrive;
    for (wchar_t letter = L'Q'; letter <= L'Y' && noDrive.empty(); ++letter)
        if (GetDriveTypeW((std::wstring{letter} + L":\\").c_str()) == DRIVE_NO_ROOT_DIR) noDrive = {letter, L':'};
    ASSERT_FALSE(noDrive.empty());
    const ZW_HFILE garbage = reinterpret_cast<ZW_HFILE>(16);
    const ZW_HOSTVALUE date = Date(2010, 1, 2, 0, 0, 0);
    ZW_HFILE file = nullptr;
    char buffer[4];
    ZW_HSTR line = 0;
    const std::pair<int, std::vector<std::pair<const char*, int>>> cases[] = {
        {-87,
         {CALL(ZelFileOpen(nullptr, a, OF_READ)), CALL(ZelFileOpen(&file, nullptr, 0)), CALL(ZelFileClose(nullptr)),
          CALL(ZelFileRead(nullptr, buffer, 4)), CALL(ZelFileReadString(nullptr, &line)), CALL(ZelFileTell(nullptr)),
          CALL(ZelFileWrite(nullptr, "x", 1)), CALL(ZelFileWriteString(nullptr, L"x")), CALL(ZelFileDelete(nullptr)),
          CALL(ZelFileSeek(nullptr, 0, 0)), CALL(ZelFileClose(garbage)), CALL(ZelFileTell(garbage)),  // not followed
          CALL(ZelFileAppend(nullptr, a)), CALL(ZelFileAppend(a, nullptr)), CALL(ZelFileAppend(a, txt)),
          CALL(ZelFileCopy(nullptr, dir)), CALL(ZelFileCopy(a, nullptr)), CALL(ZelFileExpand(nullptr, dir)),
          CALL(ZelFileExpand(a, nullptr)), CALL(ZelFileRename(nullptr, a)), CALL(ZelFileRename(a, nullptr)),
          CALL(ZelFileSetAttribute(nullptr, FILE_ATTRIBUTE_HIDDEN, TRUE)), CALL(ZelFileSetDateTime(nullptr, date)),
          CALL(ZelFileSetDateTime(a, ZW_HOSTVALUE{})), CALL(ZelFileGetAttribute(nullptr)),
          CALL(ZelFileGetType(nullptr)), CALL(ZelFileGetSize(nullptr)),
          // A pattern is refused without a look at the disk.
          CALL(ZelFileGetSize(L"*")), CALL(ZelFileGetSize(in(L"a.tx?")))}},
        {-2,
         {CALL(ZelFileAppend(none, a)), CALL(ZelFileCopy(none, dir)), CALL(ZelFileExpand(none, dir)),
          CALL(ZelFileDelete(none)), CALL(ZelFileSetAttribute(none, FILE_ATTRIBUTE_HIDDEN, TRUE)),
          CALL(ZelFileGetAttribute(noFile)), CALL(ZelFileGetSize(noFile)), CALL(ZelFileGetType(noFile))}},
        {-3,
         {CALL(ZelFileCopy(noDir, dir)), CALL(ZelFileCopy(txt, missing)), CALL(ZelFileExpand(txt, missing)),
          CALL(ZelFileRename(txt, missing)), CALL(ZelFileDelete(noDir)), CALL(ZelFileGetAttribute(in(L"a\\b.txt")))}},
        {-15, {CALL(ZelFileCopy(txt, noDrive.c_str())), CALL(ZelFileCopy(txt, (noDrive + L"\\dir\\*.*").c_str()))}},
    };
    for (const auto& [expected, calls] : cases)
        for (const auto& [call, result] : calls) EXPECT_EQ(result, expected) << call;
    for (const wchar_t* name : {static_cast<const wchar_t*>(nullptr), L"", L"surely-not-here.zzz"})
        EXPECT_EQ(TakeHostText(ZelFileFind(name)), L"") << (name ? name : L"null");
    EXPECT_EQ(TakeHostText(ZelFileCreateTemp(nullptr)), L"");
    EXPECT_EQ(ReadFileBytes(a), "abc");
    EXPECT_FALSE(Exists(folder / L"missing"));
}

TEST(Files, CopyAndAppendWriteEveryMatch) {
    TempFolder folder(L"files-copy");
    const std::string big = std::string(70000, 'z') + "end";  // more than one copy buffer
    Make(folder, {{L"src\\", ""}, {L"dst\\", ""}, {L"src\\sub.txt\\", ""}, {L"src\\report.txt", "report"},
                  {L"src\\abc.txt", big}, {L"src\\a.b.c", "abc"}, {L"whole", "start;"}});
    // pattern, destination, result, the files made in dst with their bytes
    const std::tuple<const wchar_t*, const wchar_t*, int, std::vector<std::pair<std::wstring, std::string>>> cases[] = {
        {L"src\\*.txt", L"dst\\*.bak", 2, {{L"report.bak", "report"}, {L"abc.bak", big}}},
        {L"src\\abc.txt", L"dst\\x?y.*", 1, {{L"xby.txt", big}}},
        {L"src\\*", L"dst", 3, {{L"a.b.c", "abc"}, {L"report.txt", "report"}, {L"abc.txt", big}}},
    };
    for (const auto& [pattern, destination, result, made] : cases) {
        EXPECT_EQ(ZelFileCopy((folder / pattern).c_str(), (folder / destination).c_str()), result) << pattern;
        for (const auto& [name, bytes] : made) EXPECT_EQ(ReadFileBytes(folder / L"dst\\" + name), bytes) << name;
    }
    const std::wstring report = folder / L"src\\report.txt";
    {
        // A drive alone copies into that drive's current directory.
        CurrentDirectory here(folder.Path());
        EXPECT_EQ(ZelFileCopy(report.c_str(), folder.Path().substr(0, 2).c_str()), 1);
    }
    EXPECT_EQ(ReadFileBytes(folder / L"report.txt"), "report");

    // Append skips the directory too, and creates a missing destination.
    EXPECT_EQ(ZelFileAppend((folder / L"src\\*.txt").c_str(), (folder / L"whole").c_str()), 2);
    const std::string whole = ReadFileBytes(folder / L"whole");
    EXPECT_TRUE(whole == "start;report" + big || whole == "start;" + big + "report") << whole.size();
    EXPECT_EQ(ZelFileAppend(report.c_str(), (folder / L"fresh").c_str()), 1);
    EXPECT_EQ(ReadFileBytes(folder / L"fresh"), "report");

    // A file copied onto itself is refused while it is being read, and kept;
    // the failed copy let go of its source.
    EXPECT_EQ(ZelFileCopy(report.c_str(), (folder / L"src").c_str()), -32);
    EXPECT_EQ(ReadFileBytes(report), "report");
    EXPECT_TRUE(DeleteFileW(report.c_str()));
}

TEST(Files, ExpandDecompressesAndCopiesPlainFiles) {
    TempFolder folder(L"files-expand");
    std::string text;
    for (int i = 0; i < 500; ++i) text += "line " + std::to_string(i) + "\r\n";
    Make(folder, {{L"in\\", ""}, {L"out\\", ""}, {L"in\\text.tx_", Szdd(text)}, {L"in\\plain.tx_", "plain"}});
    EXPECT_EQ(ZelFileExpand((folder / L"in\\*.tx_").c_str(), (folder / L"out\\*.txt").c_str()), 2);
    EXPECT_EQ(ReadFileBytes(folder / L"out\\text.txt"), text);
    EXPECT_EQ(ReadFileBytes(folder / L"out\\plain.txt"), "plain");

    // Damaged compressed files (header cut short, unknown method) are copied
    // as they are or fail (-100 x error); nothing crashes, no file stays open.
    for (const std::string& bytes : {std::string("SZDD\x88\xF0\x27\x33" "A", 9), Szdd("abcdefgh").replace(8, 1, "Q")}) {
        Make(folder, {{L"bad.tx_", bytes}});
        const int result = ZelFileExpand((folder / L"bad.tx_").c_str(), (folder / L"bad.txt").c_str());
        EXPECT_TRUE(result == 1 || result <= -100) << result;
        EXPECT_TRUE(DeleteFileW((folder / L"bad.tx_").c_str()));
    }
}

TEST(Files, RenameAndDeleteSkipDirectories) {
    TempFolder folder(L"files-rename");
    Make(folder, {{L"a.txt", "a"}, {L"b.txt", "b"}, {L"keep.txt\\", ""}, {L"c.bak", "c"}, {L"z.keep", "z"}});
    EXPECT_EQ(ZelFileRename((folder / L"*.txt").c_str(), (folder / L"*.new").c_str()), 2);
    EXPECT_EQ(ReadFileBytes(folder / L"a.new"), "a");
    EXPECT_EQ(ReadFileBytes(folder / L"b.new"), "b");
    EXPECT_FALSE(Exists(folder / L"a.txt"));
    // A target that exists already ends the operation with its error.
    EXPECT_EQ(ZelFileRename((folder / L"b.new").c_str(), (folder / L"c.bak").c_str()), -183);
    EXPECT_EQ(ReadFileBytes(folder / L"b.new"), "b");

    EXPECT_EQ(ZelFileDelete((folder / L"*.txt").c_str()), 0);  // only a directory matches
    EXPECT_TRUE(Exists(folder / L"keep.txt"));
    EXPECT_EQ(ZelFileDelete((folder / L"*.new").c_str()), 2);
    EXPECT_FALSE(Exists(folder / L"b.new"));
    // A read-only file cannot be deleted: the error ends the operation.
    ASSERT_TRUE(SetFileAttributesW((folder / L"z.keep").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ZelFileDelete((folder / L"z.keep").c_str()), -5);
}

TEST(Files, AttributesAndTimesChangeEveryMatch) {
    TempFolder folder(L"files-attributes");
    Make(folder, {{L"a.dat", "a"}, {L"b.dat", "b"}, {L"dir.dat\\", ""}});
    const std::wstring pattern = folder / L"*.dat", a = folder / L"a.dat";
    // Wine may report the archive bit on any file; it says nothing here.
    const auto attributes = [](const std::wstring& path) {
        return GetFileAttributesW(path.c_str()) & ~FILE_ATTRIBUTE_ARCHIVE;
    };
    const DWORD hiddenReadOnly = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY;
    // Attributes change on directories too; the high word of the mask is ignored.
    EXPECT_EQ(ZelFileSetAttribute(pattern.c_str(), hiddenReadOnly | 0x10000, TRUE), 3);
    EXPECT_EQ(attributes(a), hiddenReadOnly);
    // Wine keeps no read-only bit on directories; the hidden bit it keeps.
    const DWORD hiddenDirectory = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY;
    EXPECT_EQ(attributes(folder / L"dir.dat") & hiddenDirectory, hiddenDirectory);
    EXPECT_EQ(ZelFileGetAttribute((folder / L"b.dat").c_str()) & ~FILE_ATTRIBUTE_ARCHIVE, int(hiddenReadOnly));
    EXPECT_EQ(ZelFileSetAttribute(pattern.c_str(), FILE_ATTRIBUTE_READONLY, FALSE), 3);
    EXPECT_EQ(attributes(a), DWORD(FILE_ATTRIBUTE_HIDDEN));
    // Clearing the last bit leaves a normal file.
    EXPECT_EQ(ZelFileSetAttribute(a.c_str(), FILE_ATTRIBUTE_HIDDEN, FALSE), 1);
    EXPECT_EQ(attributes(a) & ~FILE_ATTRIBUTE_NORMAL, 0u);

    // Times skip the directory and keep two-second steps.
    // year, month, day, hour, minute, second given, second stored
    const std::vector<int> cases[] = {{2021, 6, 15, 13, 45, 31, 30}, {2010, 1, 2, 0, 0, 0, 0}};
    for (const std::vector<int>& c : cases) {
        EXPECT_EQ(ZelFileSetDateTime(pattern.c_str(), Date(c[0], c[1], c[2], c[3], c[4], c[5])), 2);
        const std::vector<int> stored = {c[0], c[1], c[2], c[3], c[4], c[6], 0};
        for (const wchar_t* name : {L"a.dat", L"b.dat"}) EXPECT_EQ(LocalLastWrite(folder / name), stored) << name;
    }
    const std::vector<int> set = LocalLastWrite(a);
    EXPECT_EQ(ZelFileSetDateTime(pattern.c_str(), Date(1975, 1, 1, 0, 0, 0)), -87);  // before MS-DOS dates
    EXPECT_EQ(LocalLastWrite(a), set);
    EXPECT_EQ(ZelFileCopy(a.c_str(), (folder / L"copy.out").c_str()), 1);
    EXPECT_EQ(LocalLastWrite(folder / L"copy.out"), set);  // a copy keeps its source's times
}

// A "Programs" list in the profile and an association for ".zwfdoc", for one scope.
struct TypeSetting {
    TypeSetting() {
        GetProfileStringW(L"Windows", L"Programs", L"", old, 255);
        EXPECT_TRUE(WriteProfileStringW(L"Windows", L"Programs", L"com exe bat pif"));
        EXPECT_EQ(RegSetValueW(HKEY_CLASSES_ROOT, L".zwfdoc", REG_SZ, L"zwfdocfile", 0), 0);
        const wchar_t* command = L"zwfdocfile\\shell\\open\\command";
        EXPECT_EQ(RegSetValueW(HKEY_CLASSES_ROOT, command, REG_SZ, L"notepad \"%1\"", 0), 0);
    }
    ~TypeSetting() {
        WriteProfileStringW(L"Windows", L"Programs", old[0] ? old : nullptr);
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L".zwfdoc");
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"zwfdocfile");
    }
    WCHAR old[256] = {};
};

TEST(Files, GetTypeSortsProgramsDocumentsAndHiddenFiles) {
    TempFolder folder(L"files-type");
    TypeSetting setting;
    const std::tuple<const wchar_t*, DWORD, int> cases[] = {  // name, attributes, type
        {L"tool.exe", FILE_ATTRIBUTE_NORMAL, 1},      {L"tool.bat", FILE_ATTRIBUTE_NORMAL, 1},
        {L"secret.exe", FILE_ATTRIBUTE_HIDDEN, 3},    {L"core.exe", FILE_ATTRIBUTE_SYSTEM, 3},
        {L"letter.zwfdoc", FILE_ATTRIBUTE_NORMAL, 2}, {L"letter.zwfdoc2", FILE_ATTRIBUTE_NORMAL, 4},
        {L"noext", FILE_ATTRIBUTE_NORMAL, 4},
    };
    for (const auto& [name, attributes, type] : cases) {
        Make(folder, {{name, "MZ"}});
        ASSERT_TRUE(SetFileAttributesW((folder / name).c_str(), attributes));
        EXPECT_EQ(ZelFileGetType((folder / name).c_str()), type) << name;
    }
}

TEST(Files, StreamsWriteReadSeekAndTell) {
    TempFolder folder(L"files-stream");
    const std::wstring path = folder / L"lines.txt";
    const std::string content = "abc\r\nsecond line\r\n\r\n" + std::string(10000, 'q') + "\n\xE9t\xE9";
    const int liveStrings = HostTestLiveStrings();
    ZW_HFILE file = nullptr;
    ASSERT_EQ(ZelFileOpen(&file, path.c_str(), OF_CREATE), 0);  // for writing
    EXPECT_EQ(ZelFileWrite(file, "abc\r\n", 5), 5);
    EXPECT_EQ(ZelFileWriteString(file, L"second line"), 0);
    EXPECT_EQ(ZelFileWriteString(file, L""), 0);
    EXPECT_EQ(ZelFileWrite(file, content.data() + 20, content.size() - 20), int(content.size() - 20));
    char buffer[16] = {};
    EXPECT_EQ(ZelFileRead(file, buffer, 1), 0);  // not open for reading
    ZW_HSTR line = 0;
    EXPECT_EQ(ZelFileReadString(file, &line), -18);
    EXPECT_EQ(line, 0u);
    EXPECT_EQ(ZelFileClose(file), 0);

    // Lines longer than 8191 characters are split; ANSI text is converted.
    WCHAR accented[8] = {};
    MultiByteToWideChar(CP_ACP, 0, "\xE9t\xE9", 3, accented, 8);
    ASSERT_EQ(ZelFileOpen(&file, path.c_str(), OF_READ), 0);
    for (const std::wstring& text : {std::wstring(L"abc"), std::wstring(L"second line"), std::wstring(),
                                     std::wstring(8191, L'q'), std::wstring(1809, L'q'), std::wstring(accented)}) {
        line = 0;
        EXPECT_EQ(ZelFileReadString(file, &line), 0);
        EXPECT_EQ(TakeHostText(line), text);
    }
    line = 0;
    EXPECT_EQ(ZelFileReadString(file, &line), -18);
    EXPECT_EQ(ZelFileSeek(file, 5, 0), 0);
    EXPECT_EQ(ZelFileRead(file, buffer, 6), 6);
    EXPECT_EQ(std::string(buffer, 6), "second");
    EXPECT_EQ(ZelFileTell(file), 11);
    EXPECT_EQ(ZelFileSeek(file, -4, 2), 0);
    EXPECT_EQ(ZelFileRead(file, buffer, 16), 4);
    EXPECT_EQ(std::string(buffer, 4), "\n\xE9t\xE9");
    EXPECT_EQ(ZelFileSeek(file, -3, 1), 0);
    EXPECT_EQ(ZelFileTell(file), int(content.size()) - 3);
    EXPECT_LT(ZelFileSeek(file, -100, 0), 0);
    EXPECT_EQ(ZelFileTell(file), int(content.size()) - 3);
    EXPECT_EQ(ZelFileRead(file, nullptr, 1), -87);
    EXPECT_EQ(ZelFileReadString(file, nullptr), -87);
    EXPECT_EQ(ZelFileSeek(file, 0, 3), -87);
    EXPECT_EQ(ZelFileWrite(file, "x", 1), -5);  // read-only stream
    EXPECT_EQ(ZelFileWriteString(file, L"x"), -5);
    EXPECT_EQ(ZelFileClose(file), 0);
    EXPECT_EQ(ReadFileBytes(path), content);
    // Every line read was a new string, freed above; a failed read makes none.
    EXPECT_EQ(HostTestLiveStrings(), liveStrings);
}

TEST(Files, OpenFlagsAndFindUseTheSearchPath) {
    TempFolder folder(L"files-open");
    const std::wstring path = folder / L"data.bin";
    Make(folder, {{L"data.bin", "0123456789"}});
    const std::tuple<const wchar_t*, UINT, int, bool> cases[] = {  // name, flags, result, exists after
        {L"data.bin", OF_EXIST, 0, true}, {L"none.bin", OF_EXIST, -2, false}, {L"p.bin", OF_PARSE, 0, false},
        {L"n.bin", OF_CREATE | OF_EXIST, 0, true}, {L"n.bin", OF_DELETE, 0, false}, {L"n.bin", OF_DELETE, -2, false},
    };
    for (const auto& [name, flags, result, existsAfter] : cases) {
        SCOPED_TRACE(testing::Message() << name << " " << flags);
        ZW_HFILE file = nullptr;
        EXPECT_EQ(ZelFileOpen(&file, (folder / name).c_str(), flags), result);
        EXPECT_EQ(file, nullptr);
        EXPECT_EQ(Exists(folder / name), existsAfter);
    }
    ZW_HFILE file = nullptr, other = nullptr;
    {
        // Without OF_CREATE a bare name is looked up along the search path.
        CurrentDirectory here(folder.Path());
        EXPECT_EQ(lstrcmpiW(TakeHostText(ZelFileFind(L"data.bin")).c_str(), path.c_str()), 0);
        ASSERT_EQ(ZelFileOpen(&file, L"data.bin", OF_READWRITE | OF_SHARE_EXCLUSIVE), 0);
    }
    EXPECT_EQ(ZelFileOpen(&other, path.c_str(), OF_READ), -32);
    EXPECT_EQ(ZelFileSeek(file, 0, 2), 0);
    EXPECT_EQ(ZelFileWrite(file, "AB", 2), 2);
    EXPECT_EQ(ZelFileSeek(file, 2, 0), 0);
    char buffer[4] = {};
    EXPECT_EQ(ZelFileRead(file, buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, 3), "234");
    EXPECT_EQ(ZelFileClose(file), 0);
    EXPECT_EQ(ReadFileBytes(path), "0123456789AB");
    // Others may read a file opened with OF_SHARE_DENY_WRITE, not write it.
    ASSERT_EQ(ZelFileOpen(&file, path.c_str(), OF_READ | OF_SHARE_DENY_WRITE), 0);
    EXPECT_EQ(ZelFileOpen(&other, path.c_str(), OF_READ), 0);
    EXPECT_EQ(ZelFileClose(other), 0);
    EXPECT_EQ(ZelFileOpen(&other, path.c_str(), OF_WRITE), -32);
    EXPECT_EQ(ZelFileClose(file), 0);
    EXPECT_EQ(ZelFileClose(file), -87);  // a closed stream is refused, not used again
}

TEST(Files, CreateTempPutsTildeBeforeTheName) {
    TempFolder folder(L"files-temp");
    WCHAR oldTmp[MAX_PATH] = {};
    const bool hadTmp = GetEnvironmentVariableW(L"TMP", oldTmp, MAX_PATH) != 0;
    ASSERT_TRUE(SetEnvironmentVariableW(L"TMP", folder.Path().c_str()));
    const std::pair<const wchar_t*, std::wstring> cases[] = {{L"zw", L"~zw"}, {L"~ab", L"~ab"}, {L"", L"~"}};
    for (const auto& [prefix, start] : cases) {
        const std::wstring made = TakeHostText(ZelFileCreateTemp(prefix));
        const std::wstring name = made.substr(made.rfind(L'\\') + 1);
        EXPECT_EQ(made, folder / name);
        EXPECT_EQ(name.substr(0, start.size()), start);
        EXPECT_EQ(ZelFileGetSize(made.c_str()), 0) << made;  // a new empty file
        // Only the "~" name remains.
        EXPECT_TRUE(prefix[0] == L'~' || !Exists(folder / name.substr(1))) << made;
    }
    SetEnvironmentVariableW(L"TMP", hadTmp ? oldTmp : nullptr);
}

}  // namespace
