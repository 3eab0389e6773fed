// String exports through the real library: host strings in and out, host
// arrays for templates, string-table files on disk, and the retry dialog when
// the host runs out of string memory.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "tests/win/support/zwtest.h"

using zwtest::TakeHostText;

namespace {

constexpr int kRetryButton = 203;
constexpr int kHaltButton = 204;

// A host string array holding `texts` at indexes lower, lower + 1, ...
HARRAY StringArray(const std::vector<std::wstring>& texts, LONG lower = 0) {
    const HARRAY array = HostArrayCreate(HOST_ARRAY_STRING);
    if (!texts.empty()) HostArraySetBounds(array, lower, lower + LONG(texts.size()) - 1);
    for (size_t i = 0; i < texts.size(); ++i) {
        const HOSTSTR text = HostTestNewString(texts[i].c_str());
        HostArrayPutString(array, text, lower + LONG(i));
        HostTestFreeString(text);
    }
    return array;
}

HARRAY NumberArray(const std::vector<double>& values, LONG lower = 0) {
    const HARRAY array = HostArrayCreate(HOST_ARRAY_NUMBER);
    if (!values.empty()) HostArraySetBounds(array, lower, lower + LONG(values.size()) - 1);
    for (size_t i = 0; i < values.size(); ++i) {
        HostNumber number{};
        HostDoubleToNumber(values[i], &number);
        HostArrayPutNumber(array, &number, lower + LONG(i));
    }
    return array;
}

// A table file in a fresh folder, loaded; freed at the end of the scope.
class TableFile {
public:
    TableFile(const zwtest::TempFolder& folder, const std::wstring& name, const std::string& bytes)
        : path_(folder / name) {
        EXPECT_TRUE(zwtest::WriteFileBytes(path_, bytes));
        handle_ = ZelStrLoadTable(path_.c_str());
    }
    ~TableFile() {
        if (handle_ > 0) ZelStrFreeTable(handle_);
    }
    int Handle() const { return handle_; }
    std::wstring Find(const wchar_t* key) const { return TakeHostText(ZelStrFind(handle_, key)); }

private:
    std::wstring path_;
    int handle_ = 0;
};

std::string Repeat(char c, size_t n) { return std::string(n, c); }

}  // namespace

TEST(Strings, ChooseReturnsTheChosenHandleAndReleasesIt) {
    const HOSTSTR a = HostTestNewString(L"first");
    const HOSTSTR b = HostTestNewString(L"second");
    const struct {
        int condition;
        HOSTSTR expected;
    } cases[] = {{1, a}, {0, b}, {-7, a}, {0x10000, a}};
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

TEST(Strings, TrimFamily) {
    const struct {
        const wchar_t* text;
        const wchar_t* left;
        const wchar_t* right;
        const wchar_t* both;
    } cases[] = {
        {nullptr, L"", L"", L""},
        {L"", L"", L"", L""},
        {L"   ", L"", L"", L""},
        {L" a b ", L"a b ", L" a b", L"a b"},
        {L"\t\r\n\v\fx y\f\v\n\r\t", L"x y\f\v\n\r\t", L"\t\r\n\v\fx y", L"x y"},
        {L"\x00A0x\x00A0", L"\x00A0x\x00A0", L"\x00A0x\x00A0", L"\x00A0x\x00A0"},
    };
    const int live = HostTestLiveStrings();
    for (const auto& c : cases) {
        const std::wstring shown = c.text ? c.text : L"(null)";
        EXPECT_EQ(TakeHostText(ZelStrLeftTrim(c.text)), c.left) << shown;
        EXPECT_EQ(TakeHostText(ZelStrRightTrim(c.text)), c.right) << shown;
        EXPECT_EQ(TakeHostText(ZelStrTrim(c.text)), c.both) << shown;
    }
    // Every result was one new string and nothing else was left behind.
    EXPECT_EQ(HostTestLiveStrings(), live);
}

TEST(Strings, Pad) {
    const struct {
        const wchar_t* text;
        int length;
        const wchar_t* expected;
    } cases[] = {
        {L"abc", 5, L"abc  "}, {L"abcdef", 3, L"abc"}, {L"abc", 0, L""}, {L"abc", -1, L""},
        {nullptr, 4, L""},     {L"", 2, L"  "},         {L"abc", 3, L"abc"},
    };
    for (const auto& c : cases) {
        const HOSTSTR result = ZelStrPad(c.text, c.length);
        ASSERT_NE(result, 0u);
        DWORD bytes = 0;
        HostStrLock(result, &bytes);
        // The string is sized for its text and terminator exactly.
        EXPECT_EQ(bytes, (wcslen(c.expected) + 1) * sizeof(WCHAR));
        EXPECT_EQ(TakeHostText(result), c.expected) << (c.text ? c.text : L"(null)") << " " << c.length;
    }
}

TEST(Strings, Proper) {
    const struct {
        const wchar_t* text;
        const wchar_t* expected;
    } cases[] = {
        {L"HELLO WORLD", L"Hello World"},
        {L"mary-ann", L"Mary-Ann"},
        {L"macintosh", L"MacIntosh"},
        {L"mac donald", L"Mac Donald"},
        {L"o'neil-smith mcdonald", L"O'Neil-Smith McDonald"},
        {L"one\ttwo", L"One\ttwo"},
        {L"\x00E9LAN \x00E9T\x00C9", L"\x00C9lan \x00C9t\x00E9"},  // the system's case mapping
        {L"", L""},
        {nullptr, L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TakeHostText(ZelStrProper(c.text)), c.expected) << (c.text ? c.text : L"(null)");
    }
}

TEST(Strings, ScanReverse) {
    const struct {
        const wchar_t* text;
        int start;
        const wchar_t* find;
        int expected;
    } cases[] = {
        {L"abcabc", -1, L"BC", 4},
        {L"abcabc", 3, L"BC", 1},
        {L"abcabc", 6, L"BC", -1},
        {L"abcabc", -2, L"BC", -1},
        {L"abcabc", 5, L"", 5},
        {L"abcabc", -1, L"abcabcabc", -1},
        {nullptr, -1, L"a", -1},
        {L"abc", -1, nullptr, -1},
        {L"\x00E9t\x00E9 \x00C9T\x00C9", -1, L"\x00E9t", 4},       // non-ASCII folded by the system
        {L"x\xD83D\xDE00y", 3, L"\xDE00y", -1},                      // half a pair is stepped over
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZelStrScanReverse(c.text, c.start, c.find), c.expected)
            << (c.text ? c.text : L"(null)") << " " << c.start << " " << (c.find ? c.find : L"(null)");
    }
}

TEST(Strings, Substitute) {
    const struct {
        const wchar_t* text;
        const wchar_t* find;
        const wchar_t* replacement;
        const wchar_t* expected;
    } cases[] = {
        {L"aaa", L"aa", L"b", L"ba"},
        {L"aaa", L"", L"b", L"aaa"},
        {L"aaa", nullptr, L"b", L"aaa"},
        {L"a.b.c", L".", nullptr, L"abc"},
        {nullptr, L"a", L"b", L""},
        {L"abcabc", L"b", L"bb", L"abbcabbc"},
        {L"Abc", L"a", L"x", L"Abc"},
    };
    for (const auto& c : cases) {
        const HOSTSTR result = ZelStrSubstitute(c.text, c.find, c.replacement);
        ASSERT_NE(result, 0u);
        EXPECT_EQ(TakeHostText(result), c.expected);
    }
}

TEST(Strings, SubstituteReturnsZeroWithoutRetryWhenTheHostIsOutOfMemory) {
    zwtest::DialogWatcher watcher([](const zwtest::SeenDialog&) { return kRetryButton; });
    HostTestFailStringAllocs(1);
    EXPECT_EQ(ZelStrSubstitute(L"abc", L"b", L"x"), 0u);
    HostTestFailStringAllocs(0);
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ(TakeHostText(ZelStrSubstitute(L"abc", L"b", L"x")), L"axc");
}

TEST(Strings, ExpandFromStringArrays) {
    const struct {
        const wchar_t* templ;
        std::vector<std::wstring> elements;
        LONG lower;
        const wchar_t* expected;
    } cases[] = {
        {L"Names: {%,s}", {L"a", L"b", L"c"}, 0, L"Names: a,b,c"},
        {L"Item %u: %s", {L"x", L"y"}, 0, L"Item 0: y"},
        {L"%s and %s and %s", {L"a", L"b"}, 0, L"a and b and %s"},
        {L"{<%s>}|%s %n %u", {}, 0, L"|%s %n %u"},
        {L"50%% of %s", {L"x"}, 0, L"50% of x"},
        {L"%,s {%s}", {L"p", L"q"}, 0, L"%,s pq"},
        {L"{[%u]}", {L"p", L"q", L"r"}, 5, L"[5][6][7]"},
        {L"%u:%s %u:%s", {L"p", L"q", L"r", L"s"}, 5, L"0:q 2:s"},  // %u uses up an element
        {L"{plain} {x%y}", {L"p"}, 0, L"{plain} {x%y}"},
        {L"{unterminated %s", {L"x"}, 0, L"{unterminated x"},
        {L"{%s", {L"x"}, 0, L"{x"},
    };
    for (const auto& c : cases) {
        const HARRAY array = StringArray(c.elements, c.lower);
        EXPECT_EQ(TakeHostText(ZelStrExpand(c.templ, array)), c.expected) << c.templ;
        HostArrayDestroy(array);
    }
}

TEST(Strings, ExpandFromNumberArrays) {
    const struct {
        const wchar_t* templ;
        std::vector<double> elements;
        const wchar_t* expected;
    } cases[] = {
        {L"{%,n}", {1, -2, 2.7}, L"1,-2,2"},
        {L"%n/%n = %u", {7, 8, 9}, L"7/8 = 2"},
        {L"%n %n", {-2147483648.0, 2147483647.0}, L"-2147483648 2147483647"},
        {L"[%s]", {1}, L"[]"},  // a number element read as a string is empty
    };
    for (const auto& c : cases) {
        const HARRAY array = NumberArray(c.elements);
        EXPECT_EQ(TakeHostText(ZelStrExpand(c.templ, array)), c.expected) << c.templ;
        HostArrayDestroy(array);
    }
}

TEST(Strings, ExpandEdgeArguments) {
    EXPECT_EQ(TakeHostText(ZelStrExpand(nullptr, 0)), L"");
    // A handle that is no array has no elements.
    EXPECT_EQ(TakeHostText(ZelStrExpand(L"%s {%s}", 0xDEAD)), L"%s ");
}

TEST(Strings, ExpandReleasesEveryElementStringItReads) {
    const HARRAY array = StringArray({L"a", L"b", L"c"});
    const int releases = HostTestReleaseCount();
    EXPECT_EQ(TakeHostText(ZelStrExpand(L"{%s}%s", array)), L"abca");
    EXPECT_EQ(HostTestReleaseCount() - releases, 4);
    HostArrayDestroy(array);
}

TEST(Strings, StringResultsRetryUntilTheHostHasMemory) {
    zwtest::DialogWatcher watcher([](const zwtest::SeenDialog&) { return kRetryButton; });
    HostTestFailStringAllocs(2);
    EXPECT_EQ(TakeHostText(ZelStrTrim(L"  x  ")), L"x");
    ASSERT_EQ(watcher.Seen().size(), 2u);
    EXPECT_EQ(watcher.Seen()[0].caption, L"Zelkova Widgets");
    EXPECT_EQ(watcher.Seen()[0].text, L"An error has occurred in your application.");
    // The empty result of a failure is made the same way.
    HostTestFailStringAllocs(1);
    EXPECT_EQ(TakeHostText(ZelStrPad(L"abc", 0)), L"");
    EXPECT_EQ(watcher.Seen().size(), 3u);
    HostTestFailStringAllocs(0);
}

TEST(Strings, HaltingTheRetryAbortsTheApplication) {
    HostTestInterceptAbort(TRUE);
    const int aborts = HostTestAbortCount();
    {
        zwtest::DialogWatcher watcher([](const zwtest::SeenDialog&) { return kHaltButton; });
        HostTestFailStringAllocs(1);
        // With the abort intercepted the retry goes on and then succeeds.
        EXPECT_EQ(TakeHostText(ZelStrProper(L"halt")), L"Halt");
        EXPECT_EQ(watcher.Seen().size(), 1u);
    }
    EXPECT_EQ(HostTestAbortCount(), aborts + 1);
    HostTestFailStringAllocs(0);
    HostTestInterceptAbort(FALSE);
}

TEST(Strings, TableLinesAndLookups) {
    zwtest::TempFolder folder(L"strtable_lines");
    const TableFile table(folder, L"colours.txt", "colour=red\r\nsize=big\rcut\nlf\r\n\r\nlast=x");
    ASSERT_GT(table.Handle(), 0);
    const struct {
        const wchar_t* key;
        const wchar_t* expected;
    } cases[] = {
        {L"our", L"our=red"},
        {L"size", L"size=big\rcut\nlf"},  // a lone CR or LF stays inside the line
        {L"cut", L"cut\nlf"},
        {L"last", L"last=x"},
        {L"Size", L""},                    // case-sensitive
        {L"red\r", L""},                   // CR LF ended the line
        {L"", L"colour=red"},
        {nullptr, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(table.Find(c.key), c.expected) << (c.key ? c.key : L"(null)");

    // The block: lines with NULs, one final NUL, the end marker, zeros after.
    const HGLOBAL block = reinterpret_cast<HGLOBAL>(static_cast<INT_PTR>(table.Handle()));
    const WCHAR* text = static_cast<const WCHAR*>(GlobalLock(block));
    ASSERT_NE(text, nullptr);
    const wchar_t lines[] = L"colour=red\0size=big\rcut\nlf\0\0last=x\0\x1A";
    const std::wstring expected(lines, std::size(lines) - 1);
    EXPECT_EQ(std::wstring(text, expected.size()), expected);
    GlobalUnlock(block);
}

TEST(Strings, TableTextIsConvertedFromTheAnsiCodePage) {
    zwtest::TempFolder folder(L"strtable_ansi");
    const std::string bytes = "caf\xE9=1\r\nend\r\n";
    const TableFile table(folder, L"ansi.txt", bytes);
    ASSERT_GT(table.Handle(), 0);
    WCHAR expected[16] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, "caf\xE9=1", 6, expected, 16), 6);
    EXPECT_EQ(table.Find(L"caf"), expected);
    EXPECT_EQ(table.Find(L"end"), L"end");
}

TEST(Strings, TableSizeLimit) {
    zwtest::TempFolder folder(L"strtable_size");
    // 65533 bytes: many lines and a last one without a line break.
    std::string largest;
    for (int i = 0; largest.size() < 65500; ++i) largest += "key" + std::to_string(i) + "=value\r\n";
    largest += "tail=" + Repeat('z', 65533 - largest.size() - 5);
    ASSERT_EQ(largest.size(), 65533u);
    {
        const TableFile table(folder, L"largest.txt", largest);
        ASSERT_GT(table.Handle(), 0);
        EXPECT_EQ(table.Find(L"tail="), L"tail=" + std::wstring(65533 - largest.rfind("tail=") - 5, L'z'));
        EXPECT_EQ(table.Find(L"key0="), L"key0=value");
    }
    const TableFile tooLarge(folder, L"too_large.txt", largest + "z");
    EXPECT_EQ(tooLarge.Handle(), -30);
    const TableFile empty(folder, L"empty.txt", "");
    ASSERT_GT(empty.Handle(), 0);
    EXPECT_EQ(empty.Find(L"x"), L"");
}

TEST(Strings, TableLoadFailures) {
    zwtest::TempFolder folder(L"strtable_fail");
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
}

TEST(Strings, TableFoundOnTheSearchPath) {
    // A bare name is found in the current folder.
    const wchar_t* name = L"zw_strings_bare_table.txt";
    ASSERT_TRUE(zwtest::WriteFileBytes(name, "greeting=hello\r\n"));
    const int table = ZelStrLoadTable(name);
    EXPECT_GT(table, 0);
    EXPECT_EQ(TakeHostText(ZelStrFind(table, L"hello")), L"hello");
    EXPECT_EQ(ZelStrFreeTable(table), 1);
    DeleteFileW(name);
}

TEST(Strings, TableHandlesNotMadeByTheLibraryAreRefused) {
    zwtest::TempFolder folder(L"strtable_handles");
    const std::wstring path = folder / L"t.txt";
    ASSERT_TRUE(zwtest::WriteFileBytes(path, "k=v\r\n"));
    const int freed = ZelStrLoadTable(path.c_str());
    ASSERT_GT(freed, 0);
    EXPECT_EQ(TakeHostText(ZelStrFind(freed, L"k")), L"k=v");
    EXPECT_EQ(ZelStrFreeTable(freed), 1);

    // A real global block that the library did not make.
    const HGLOBAL foreign = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
    ASSERT_NE(foreign, nullptr);
    const int foreignNumber = static_cast<int>(reinterpret_cast<INT_PTR>(foreign));

    // A table that the application freed itself is no longer one. (Were a new
    // block to get the same handle afterwards, it could not be told apart.)
    const int freedBehindItsBack = ZelStrLoadTable(path.c_str());
    ASSERT_GT(freedBehindItsBack, 0);
    EXPECT_EQ(GlobalFree(reinterpret_cast<HGLOBAL>(static_cast<INT_PTR>(freedBehindItsBack))), nullptr);

    zwtest::DebugCapture debug;
    const int garbage[] = {0, 1, 4, 12345, -1, -8, 0x7FFFFFF0, freed, freedBehindItsBack, foreignNumber};
    for (int handle : garbage) {
        EXPECT_EQ(TakeHostText(ZelStrFind(handle, L"k")), L"") << handle;
        EXPECT_EQ(ZelStrFreeTable(handle), 0) << handle;
    }
    EXPECT_TRUE(debug.Lines().empty()) << debug.All();
    // The foreign block was left alone.
    EXPECT_EQ(GlobalSize(foreign), 64u);
    EXPECT_EQ(GlobalFree(foreign), nullptr);
}
