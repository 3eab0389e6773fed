// String exports through the real library: what the glue around the portable
// algorithms (tested in tests/core/strings_test.cpp) can get wrong. Host
// strings in and out, null arguments, host arrays for templates, string-table
// files on disk, and the retry dialog when the host runs out of string memory.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "tests/win/support/zwtest.h"

using namespace std::string_literals;
using zwtest::TakeHostText;

namespace {

constexpr int kRetryButton = 203;
constexpr int kHaltButton = 204;

// A host array of strings (std::wstring) or numbers (double) at indexes
// lower, lower + 1, ...
template <typename T>
HARRAY MakeArray(const std::vector<T>& values, LONG lower = 0) {
    constexpr bool kNumbers = std::is_same_v<T, double>;
    const HARRAY array = HostArrayCreate(kNumbers ? HOST_ARRAY_NUMBER : HOST_ARRAY_STRING);
    if (!values.empty()) HostArraySetBounds(array, lower, lower + LONG(values.size()) - 1);
    for (size_t i = 0; i < values.size(); ++i) {
        if constexpr (kNumbers) {
            HostNumber number{};
            HostDoubleToNumber(values[i], &number);
            HostArrayPutNumber(array, &number, lower + LONG(i));
        } else {
            const HOSTSTR text = HostTestNewString(values[i].c_str());
            HostArrayPutString(array, text, lower + LONG(i));
            HostTestFreeString(text);
        }
    }
    return array;
}

// ANSI bytes as the library reads them from a table file.
std::wstring Ansi(const std::string& bytes) {
    std::wstring text(bytes.size(), L'\0');
    text.resize(MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), text.data(), int(text.size())));
    return text;
}

// A table file written to a folder and loaded; freed at the end of the scope.
struct TableFile {
    TableFile(const zwtest::TempFolder& folder, const std::wstring& name, const std::string& bytes) {
        EXPECT_TRUE(zwtest::WriteFileBytes(folder / name, bytes));
        handle = ZelStrLoadTable((folder / name).c_str());
    }
    ~TableFile() {
        if (handle > 0) ZelStrFreeTable(handle);
    }
    std::wstring Find(const wchar_t* key) const { return TakeHostText(ZelStrFind(handle, key)); }
    int handle = 0;
};

}  // namespace

TEST(Strings, ResultsAreNewExactlySizedHostStrings) {
    // One call per export proving it is wired, and null texts reading as "".
    const struct { std::function<HOSTSTR()> call; const wchar_t* expected; } cases[] = {
        {[] { return ZelStrLeftTrim(L" a b "); }, L"a b "},
        {[] { return ZelStrRightTrim(L" a b "); }, L" a b"},
        {[] { return ZelStrTrim(L" a b "); }, L"a b"},
        {[] { return ZelStrPad(L"abc", 5); }, L"abc  "},
        {[] { return ZelStrPad(L"abc", -1); }, L""},
        {[] { return ZelStrProper(L"mary-ann"); }, L"Mary-Ann"},
        // Non-ASCII letters go through the system's case mapping.
        {[] { return ZelStrProper(L"\x00E9LAN \x00E9T\x00C9"); }, L"\x00C9lan \x00C9t\x00E9"},
        {[] { return ZelStrSubstitute(L"aaa", L"aa", L"b"); }, L"ba"},
        {[] { return ZelStrLeftTrim(nullptr); }, L""}, {[] { return ZelStrRightTrim(nullptr); }, L""},
        {[] { return ZelStrTrim(nullptr); }, L""},     {[] { return ZelStrPad(nullptr, 4); }, L""},
        {[] { return ZelStrProper(nullptr); }, L""},   {[] { return ZelStrSubstitute(nullptr, L"a", L"b"); }, L""},
        {[] { return ZelStrSubstitute(L"aaa", nullptr, L"b"); }, L"aaa"},
        {[] { return ZelStrSubstitute(L"a.b.c", L".", nullptr); }, L"abc"},
    };
    const int live = HostTestLiveStrings();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const HOSTSTR result = cases[i].call();
        ASSERT_NE(result, 0u) << "case " << i;
        DWORD bytes = 0;
        HostStrLock(result, &bytes);
        EXPECT_EQ(bytes, (wcslen(cases[i].expected) + 1) * sizeof(WCHAR)) << "case " << i;
        EXPECT_EQ(TakeHostText(result), cases[i].expected) << "case " << i;
    }
    // Each call made its one result and left nothing else behind.
    EXPECT_EQ(HostTestLiveStrings(), live);
}

TEST(Strings, ChooseReturnsTheChosenHandleAndReleasesIt) {
    const HOSTSTR a = HostTestNewString(L"first");
    const HOSTSTR b = HostTestNewString(L"second");
    const struct { int condition; HOSTSTR expected; } cases[] = {{1, a}, {0, b}, {-7, a}, {0x10000, a}};
    for (const auto& c : cases) {
        const int releases = HostTestReleaseCount();
        EXPECT_EQ(ZelStrChoose(c.condition, a, b), c.expected) << c.condition;
        EXPECT_EQ(HostTestReleaseCount(), releases + 1) << c.condition;
    }
    EXPECT_EQ(zwtest::HostText(a), L"first");
    EXPECT_EQ(zwtest::HostText(b), L"second");
    HostTestFreeString(a);
    HostTestFreeString(b);
}

TEST(Strings, ScanReverse) {
    const struct { const wchar_t* text; int start; const wchar_t* find; int expected; } cases[] = {
        {L"abcabc", -1, L"BC", 4},
        {L"\x00E9t\x00E9 \x00C9T\x00C9", -1, L"\x00E9t", 4},  // non-ASCII folded by the system
        {L"abcabc", 6, L"BC", -1}, {L"abcabc", -2, L"BC", -1}, {L"abcabc", -1, L"abcabcabc", -1},
        {nullptr, -1, L"a", -1},   {L"abc", -1, nullptr, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZelStrScanReverse(c.text, c.start, c.find), c.expected)
            << (c.text ? c.text : L"(null)") << " " << c.start << " " << (c.find ? c.find : L"(null)");
    }
}

TEST(Strings, ExpandReadsHostArrays) {
    const HARRAY strings = MakeArray(std::vector<std::wstring>{L"a", L"b", L"c"}, 5);
    const HARRAY numbers = MakeArray(std::vector<double>{1, -2, 2.7, -2147483648.0, 2147483647.0});
    const HARRAY empty = MakeArray(std::vector<std::wstring>{});
    const struct { const wchar_t* templ; HARRAY array; const wchar_t* expected; } cases[] = {
        {L"Names: {%,s}", strings, L"Names: a,b,c"},
        {L"{[%u]}", strings, L"[5][6][7]"},  // in a group, the host array's own index
        {L"%u:%s %u", strings, L"0:b 2"},    // outside, the counter from 0
        {L"{<%s>}|%s %n %u", empty, L"|%s %n %u"},
        {L"{%,n}", numbers, L"1,-2,2,-2147483648,2147483647"},
        {L"[%s]", numbers, L"[]"},          // a number element read as a string is empty
        {L"%s {%s}", 0xDEAD, L"%s "},       // a handle that is no array has no elements
        {nullptr, strings, L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TakeHostText(ZelStrExpand(c.templ, c.array)), c.expected) << (c.templ ? c.templ : L"(null)");
    }
    // Every element string read is released.
    const int releases = HostTestReleaseCount();
    EXPECT_EQ(TakeHostText(ZelStrExpand(L"{%s}%s", strings)), L"abca");
    EXPECT_EQ(HostTestReleaseCount() - releases, 4);
    for (const HARRAY array : {strings, numbers, empty}) HostArrayDestroy(array);
}

TEST(Strings, OutOfHostStringMemory) {
    {
        zwtest::DialogWatcher watcher([](const zwtest::SeenDialog&) { return kRetryButton; });
        // The substitution returns 0 without asking.
        HostTestFailStringAllocs(1);
        EXPECT_EQ(ZelStrSubstitute(L"abc", L"b", L"x"), 0u);
        EXPECT_TRUE(watcher.Seen().empty());
        // Other string results ask to retry until the host has memory.
        HostTestFailStringAllocs(2);
        EXPECT_EQ(TakeHostText(ZelStrTrim(L"  x  ")), L"x");
        ASSERT_EQ(watcher.Seen().size(), 2u);
        EXPECT_EQ(watcher.Seen()[0].caption, L"Zelkova Widgets");
        EXPECT_EQ(watcher.Seen()[0].text, L"An error has occurred in your application.");
        // The empty result of a failure is made the same way.
        HostTestFailStringAllocs(1);
        EXPECT_EQ(TakeHostText(ZelStrPad(L"abc", 0)), L"");
        EXPECT_EQ(watcher.Seen().size(), 3u);
    }
    // Halting aborts the application; with the abort intercepted the retry
    // goes on and then succeeds.
    HostTestInterceptAbort(TRUE);
    const int aborts = HostTestAbortCount();
    {
        zwtest::DialogWatcher watcher([](const zwtest::SeenDialog&) { return kHaltButton; });
        HostTestFailStringAllocs(1);
        EXPECT_EQ(TakeHostText(ZelStrProper(L"halt")), L"Halt");
        EXPECT_EQ(watcher.Seen().size(), 1u);
    }
    EXPECT_EQ(HostTestAbortCount(), aborts + 1);
    HostTestFailStringAllocs(0);
    HostTestInterceptAbort(FALSE);
}

TEST(Strings, TableLinesFromAnAnsiFile) {
    zwtest::TempFolder folder(L"strtable_lines");
    const TableFile table(folder, L"t.txt", "colour=red\r\nsize=big\rcut\nlf\r\n\r\ncaf\xE9=1\r\nlast=x");
    ASSERT_GT(table.handle, 0);
    EXPECT_EQ(table.Find(L"our"), L"our=red");
    EXPECT_EQ(table.Find(L"size"), L"size=big\rcut\nlf");  // a lone CR or LF stays inside the line
    EXPECT_EQ(table.Find(L"red\r"), L"");                   // CR LF ended the line
    EXPECT_EQ(table.Find(L"last"), L"last=x");
    EXPECT_EQ(table.Find(L"caf"), Ansi("caf\xE9=1"));
    EXPECT_EQ(table.Find(nullptr), L"");

    // The block: lines with NULs, one final NUL, the end marker.
    const std::wstring expected = Ansi("colour=red\0size=big\rcut\nlf\0\0caf\xE9=1\0last=x\0\x1A"s);
    const HGLOBAL block = reinterpret_cast<HGLOBAL>(static_cast<INT_PTR>(table.handle));
    const WCHAR* text = static_cast<const WCHAR*>(GlobalLock(block));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::wstring(text, expected.size()), expected);
    GlobalUnlock(block);
}

TEST(Strings, TableFiles) {
    zwtest::TempFolder folder(L"strtable_files");
    // 65533 bytes (the largest): many lines and a last one without a line break.
    std::string largest;
    for (int i = 0; largest.size() < 65500; ++i) largest += "key" + std::to_string(i) + "=value\r\n";
    const size_t tail = 65533 - largest.size() - 5;
    largest += "tail=" + std::string(tail, 'z');
    {
        const TableFile table(folder, L"largest.txt", largest);
        ASSERT_GT(table.handle, 0);
        EXPECT_EQ(table.Find(L"tail="), L"tail=" + std::wstring(tail, L'z'));
        EXPECT_EQ(table.Find(L"key0="), L"key0=value");
    }
    EXPECT_EQ(TableFile(folder, L"too_large.txt", largest + "z").handle, -30);
    const TableFile empty(folder, L"empty.txt", "");
    ASSERT_GT(empty.handle, 0);
    EXPECT_EQ(empty.Find(L"x"), L"");

    EXPECT_EQ(ZelStrLoadTable((folder / L"missing.txt").c_str()), -2);
    EXPECT_EQ(ZelStrLoadTable(L""), -2);
    EXPECT_EQ(ZelStrLoadTable(nullptr), -2);
    // The file exists but cannot be opened for reading.
    const std::wstring locked = folder / L"locked.txt";
    ASSERT_TRUE(zwtest::WriteFileBytes(locked, "a=b\r\n"));
    const HANDLE exclusive = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ZelStrLoadTable(locked.c_str()), -8);
    CloseHandle(exclusive);

    // A bare name is found in the current folder.
    ASSERT_TRUE(zwtest::WriteFileBytes(L"zw_strings_bare_table.txt", "greeting=hello\r\n"));
    const int bare = ZelStrLoadTable(L"zw_strings_bare_table.txt");
    EXPECT_EQ(TakeHostText(ZelStrFind(bare, L"hello")), L"hello");
    EXPECT_EQ(ZelStrFreeTable(bare), 1);
    DeleteFileW(L"zw_strings_bare_table.txt");
}

TEST(Strings, TableHandlesNotMadeByTheLibraryAreRefused) {
    zwtest::TempFolder folder(L"strtable_handles");
    const std::wstring path = folder / L"t.txt";
    ASSERT_TRUE(zwtest::WriteFileBytes(path, "k=v\r\n"));
    const int freed = ZelStrLoadTable(path.c_str());
    EXPECT_EQ(TakeHostText(ZelStrFind(freed, L"k")), L"k=v");
    EXPECT_EQ(ZelStrFreeTable(freed), 1);
    // A real global block that the library did not make.
    const HGLOBAL foreign = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
    ASSERT_NE(foreign, nullptr);
    // A table that the application freed itself is no longer one. (A block
    // made after it may get its handle, and could not be told apart: hence
    // the foreign block is made first.)
    const int freedBehindItsBack = ZelStrLoadTable(path.c_str());
    ASSERT_GT(freedBehindItsBack, 0);
    EXPECT_EQ(GlobalFree(reinterpret_cast<HGLOBAL>(static_cast<INT_PTR>(freedBehindItsBack))), nullptr);

    zwtest::DebugCapture debug;
    const int foreignNumber = static_cast<int>(reinterpret_cast<INT_PTR>(foreign));
    for (int handle : {0, 1, 4, 12345, -1, -8, 0x7FFFFFF0, freed, freedBehindItsBack, foreignNumber}) {
        EXPECT_EQ(TakeHostText(ZelStrFind(handle, L"k")), L"") << handle;
        EXPECT_EQ(ZelStrFreeTable(handle), 0) << handle;
    }
    EXPECT_TRUE(debug.Lines().empty()) << debug.All();
    // The foreign block was left alone.
    EXPECT_EQ(GlobalSize(foreign), 64u);
    EXPECT_EQ(GlobalFree(foreign), nullptr);
}
