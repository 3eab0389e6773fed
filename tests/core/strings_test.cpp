// Portable string algorithms: trim, pad, proper case, reverse scan, substitute,
// template expansion and the string table.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "util/strings/core/case_mapping.h"
#include "util/strings/core/pad.h"
#include "util/strings/core/proper_case.h"
#include "util/strings/core/scan_reverse.h"
#include "util/strings/core/string_table.h"
#include "util/strings/core/substitute.h"
#include "util/strings/core/substring_finder.h"
#include "util/strings/core/template_expander.h"
#include "util/strings/core/trim.h"

using namespace zw::strings;
using namespace std::string_literals;

namespace {

using testing::PrintToString;

// Also folds Latin-1 letters, standing in for the system's mapping on non-ASCII text.
char16_t Latin1Lower(char16_t c) { return c >= 0xC0 && c <= 0xDE && c != 0xD7 ? char16_t(c + 0x20) : AsciiLower(c); }
char16_t Latin1Upper(char16_t c) { return c >= 0xE0 && c <= 0xFE && c != 0xF7 ? char16_t(c - 0x20) : AsciiUpper(c); }
constexpr CaseMapping kLatin1Mapping{&Latin1Upper, &Latin1Lower};

// Template elements; reads out of range fail like the host's ("" and 0). A
// string read returns a view of scratch text that the next read overwrites,
// so the expander must keep its own copy; unless `stable`, when it returns a
// view of the element itself and says so.
struct FakeArray : ElementSource {
    std::vector<std::u16string> strings;
    std::vector<int> numbers;
    long lower = 0;
    bool stable = false;
    int stringReads = 0;
    std::u16string scratch;
    const std::u16string empty;

    bool Has(long i, size_t size) const { return i >= lower && i - lower < long(size); }
    long Count() override { return long(std::max(strings.size(), numbers.size())); }
    long LowerBound() override { return lower; }
    std::u16string_view String(long i) override {
        ++stringReads;
        if (stable) return Has(i, strings.size()) ? strings[i - lower] : empty;
        scratch = Has(i, strings.size()) ? strings[i - lower] : u"";
        return scratch;
    }
    bool StringsStayValid() const override { return stable; }
    std::int32_t NumberAsInt(long i) override { return Has(i, numbers.size()) ? numbers[i - lower] : 0; }
};

}  // namespace

TEST(StringsTrim, Cases) {
    const struct { std::u16string text, left, right, both; } cases[] = {
        {u"", u"", u"", u""},
        {u"   ", u"", u"", u""},
        {u" a b ", u"a b ", u" a b", u"a b"},
        {u"\t\n\v\f\r x \r\n", u"x \r\n", u"\t\n\v\f\r x", u"x"},
        {u"a  b", u"a  b", u"a  b", u"a  b"},
        // Only the six basic whitespace characters count: no-break space,
        // other control characters and ideographic space stay.
        {u"\u00A0a\u3000", u"\u00A0a\u3000", u"\u00A0a\u3000", u"\u00A0a\u3000"},
        {u"\x1F" u"a\x0E", u"\x1F" u"a\x0E", u"\x1F" u"a\x0E", u"\x1F" u"a\x0E"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(std::u16string(LeftTrim(c.text)), c.left) << PrintToString(c.text);
        EXPECT_EQ(std::u16string(RightTrim(c.text)), c.right) << PrintToString(c.text);
        EXPECT_EQ(std::u16string(Trim(c.text)), c.both) << PrintToString(c.text);
    }
}

TEST(StringsPad, Cases) {
    const struct { std::u16string text; int length; std::u16string expected; } cases[] = {
        {u"abc", 5, u"abc  "}, {u"abcdef", 3, u"abc"}, {u"abc", 0, u""},       {u"abc", -4, u""},
        {u"", 3, u"   "},      {u"abc", 3, u"abc"},    {u"a\tb", 4, u"a\tb "},
    };
    for (const auto& c : cases) EXPECT_EQ(Pad(c.text, c.length), c.expected) << PrintToString(c.text) << c.length;
}

TEST(StringsProper, Cases) {
    const struct { std::u16string text, expected; } cases[] = {
        {u"HELLO WORLD", u"Hello World"}, {u"mary-ann", u"Mary-Ann"}, {u"macintosh", u"MacIntosh"},
        {u"mac donald", u"Mac Donald"},   {u"o'neil-smith mcdonald", u"O'Neil-Smith McDonald"},
        {u"", u""},                       {u"   leading", u"   Leading"}, {u"x1 2y", u"X1 2y"},
        // Tabs and line breaks do not start words.
        {u"one\ttwo\nthree", u"One\ttwo\nthree"},
        // Every punctuation separator starts a word and keeps its value.
        {u"a~b!c@d#e$f%g^h&i*j(k)l_m+n|o-p=q\\r{s}t[u]v:w\"x;y'z<a>b?c,d.e/f",
         u"A~B!C@D#E$F%G^H&I*J(K)L_M+N|O-P=Q\\R{S}T[U]V:W\"X;Y'Z<A>B?C,D.E/F"},
        // The backquote is not a separator.
        {u"a`b", u"A`b"},
        // Only the first "Mac" and the first "Mc" are treated.
        {u"macbeth macbeth mcx mcy", u"MacBeth Macbeth McX Mcy"},
        // "Mac" at the very end has nothing to upper-case.
        {u"mac", u"Mac"}, {u"mc", u"Mc"},
        // After "Mac" a separator is "upper-cased" (unchanged) and ends nothing.
        {u"mac-arthur", u"Mac-Arthur"},
    };
    for (const auto& c : cases) {
        std::u16string text = c.text;
        ProperCase(text, kAsciiCaseMapping);
        EXPECT_EQ(text, c.expected);
    }
    // Non-ASCII letters go through the given mapping.
    std::u16string text = u"\u00E9COLE \u00C9T\u00C9";
    ProperCase(text, kLatin1Mapping);
    EXPECT_EQ(text, u"\u00C9cole \u00C9t\u00E9");
}

TEST(StringsScanReverse, Cases) {
    const std::u16string pair = u"\U0001F600", lowHalfY = pair.substr(1) + u"y", xPairY = u"x" + pair + u"y";
    const struct { std::u16string text; int start; std::u16string find; int expected; } cases[] = {
        {u"abcabc", -1, u"BC", 4},  {u"abcabc", 3, u"BC", 1},          {u"abcabc", 6, u"BC", -1},
        {u"abcabc", 5, u"bc", 4},   {u"abcabc", 4, u"bc", 4},          {u"abcabc", 0, u"bc", -1},
        {u"abcabc", -2, u"bc", -1}, {u"abcabc", -1, u"ABCABC", 0},     {u"abcabc", -1, u"abcabcx", -1},
        {u"abcabc", -1, u"x", -1},  {u"abcabc", -1, u"", 5},           {u"abcabc", 2, u"", 2},
        {u"", -1, u"", -1},         {u"", 0, u"a", -1},                {u"aabaabaab", -1, u"AABAA", 3},
        {u"aaaa", -1, u"aa", 2},    {u"aaaa", 1, u"aa", 1},            {u"aaaa", 0, u"aa", 0},
        {xPairY, -1, u"y", 3},      {xPairY, -1, u"x", 0},             {xPairY, -1, pair, 1},
        // The low half of a surrogate pair below the start is stepped over, but
        // is a candidate when it is the start itself.
        {xPairY, 3, lowHalfY, -1},  {xPairY, 2, lowHalfY, 2},
        // Lone surrogates are ordinary characters.
        {u"a\xDC00" u"b"s, -1, u"\xDC00"s, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScanReverse(c.text, c.start, c.find, &AsciiLower), c.expected)
            << PrintToString(c.text) << " from " << c.start << " for " << PrintToString(c.find);
    }
    // Non-ASCII characters are compared through the given lower-casing.
    EXPECT_EQ(ScanReverse(u"\u00E9t\u00E9 \u00C9T\u00C9", -1, u"\u00E9t", &Latin1Lower), 4);
    EXPECT_EQ(ScanReverse(u"\u00E9t\u00E9 \u00C9T\u00C9", -1, u"\u00E9t", &AsciiLower), 0);
}

TEST(StringsScanReverse, LongPeriodicTextMatchesNaiveSearch) {
    // A text full of partial matches, against a direct search from many starts.
    std::u16string text;
    for (int i = 0; i < 300; ++i) text += (i % 7 == 6) ? u"aab" : u"aaa";
    const auto same = [](char16_t a, char16_t b) { return AsciiLower(a) == AsciiLower(b); };
    for (const std::u16string find : {u"aab", u"AAAB", u"aaaaaab", u"baa", u"abaa"}) {
        for (int start = -1; start < int(text.size()); start += 37) {
            int expected = start == -1 ? int(text.size()) - 1 : start;
            while (expected >= 0 && !(expected + find.size() <= text.size() &&
                                      std::equal(find.begin(), find.end(), text.begin() + expected, same))) {
                --expected;
            }
            EXPECT_EQ(ScanReverse(text, start, find, &AsciiLower), expected) << PrintToString(find) << start;
        }
    }
}

TEST(StringsFinder, AgreesWithStdFind) {
    const std::u16string texts[] = {u"", u"a", u"abababababc", u"aaaaaaaaab", u"colour=red", u"xyzxyzxy"};
    const std::u16string patterns[] = {u"", u"a", u"ab", u"abc", u"ababc", u"aab", u"xy", u"zx", u"our", u"q"};
    for (const auto& text : texts) {
        for (const auto& pattern : patterns) {
            const SubstringFinder finder(pattern);
            for (size_t from = 0; from <= text.size() + 1; ++from) {
                EXPECT_EQ(finder.Find(text, from), text.find(pattern, from))
                    << PrintToString(text) << PrintToString(pattern) << from;
            }
        }
    }
}

TEST(StringsSubstitute, Cases) {
    const struct { std::u16string text, find, replacement, expected; } cases[] = {
        {u"aaa", u"aa", u"b", u"ba"},         {u"aaa", u"", u"b", u"aaa"},
        {u"", u"a", u"b", u""},               {u"abc", u"abc", u"", u""},
        {u"aaaa", u"aa", u"a", u"aa"},        {u"xaabaab", u"aab", u"-", u"x--"},
        {u"abc", u"abcd", u"x", u"abc"},      {u"one two two", u"two", u"2", u"one 2 2"},
        {u"abcabc", u"b", u"bb", u"abbcabbc"},  // the replacement is not searched again
        {u"abcabc", u"B", u"x", u"abcabc"},     // case-sensitive
        // More occurrences than are kept from the search: the rest are found
        // again while writing.
        {std::u16string(100, u'a') + u"b", u"a", u"xy", [] {
             std::u16string expected;
             for (int i = 0; i < 100; ++i) expected += u"xy";
             return expected + u"b";
         }()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Substitute(c.text, c.find, c.replacement), c.expected)
            << PrintToString(c.text) << PrintToString(c.find) << PrintToString(c.replacement);
    }
}

TEST(StringsExpand, StringCases) {
    const struct { std::u16string templ; std::vector<std::u16string> elements; std::u16string expected; } cases[] = {
        {u"Names: {%,s}", {u"a", u"b", u"c"}, u"Names: a,b,c"},
        {u"Item %u: %s", {u"x", u"y"}, u"Item 0: y"},
        {u"100%%", {}, u"100%"},          {u"%%s", {u"a"}, u"%s"},
        {u"%s-%s-%s", {u"a", u"b"}, u"a-b-%s"},  // counter past the end
        {u"%s %n %u", {}, u"%s %n %u"},           // empty array: placeholders as text
        {u"<{[%s]}>", {}, u"<>"},                 // empty array: no repetitions
        {u"%,s", {u"a"}, u"%,s"},                 // "%," outside groups is text
        {u"50% off", {u"a"}, u"50% off"}, {u"end%", {u"a"}, u"end%"},
        {u"{%s}", {u"a", u"b"}, u"ab"},   {u"{(%s) }", {u"a", u"b"}, u"(a) (b) "},
        {u"{%,s}", {u"only"}, u"only"},
        {u"{%s}%s", {u"a", u"b"}, u"aba"},  // groups do not advance the counter
        {u"{no placeholder} %s", {u"a"}, u"{no placeholder} a"},
        {u"{50%} %s", {u"a"}, u"{50%} a"},  // "%" not starting a placeholder
        {u"{%x%s}", {u"a", u"b"}, u"%xa%xb"}, {u"{%%s}", {u"a"}, u"%a"},
        {u"{%s%}}", {u"a"}, u"a%}"},                  // the suffix ends at the first "}"
        {u"{%,u:%s;}", {u"p", u"q"}, u"0:%s;,1:%s;"},  // prefix and suffix are plain text
        // Unterminated groups: the "{" is plain text, the rest is expanded.
        {u"a {%s", {u"x", u"y"}, u"a {x"}, {u"a { b %s", {u"x"}, u"a { b x"}, {u"{ {%s", {u"x"}, u"{ {x"},
        {u"{%s} {", {u"x"}, u"x {"},       {u"{", {u"x"}, u"{"},                 {u"{%", {u"x"}, u"{%"},
        {u"%", {u"x"}, u"%"},              {u"", {u"x"}, u""},
    };
    for (const auto& c : cases) {
        for (const bool stable : {false, true}) {
            FakeArray array;
            array.strings = c.elements;
            array.stable = stable;
            EXPECT_EQ(ExpandTemplate(c.templ, array), c.expected) << PrintToString(c.templ) << stable;
        }
    }
}

TEST(StringsExpand, NumberAndIndexCases) {
    const struct { std::u16string templ; std::vector<int> elements; long lower; std::u16string expected; } cases[] = {
        {u"%n+%n=%n", {1, 2, 3}, 0, u"1+2=3"}, {u"%n %n", {-2147483647 - 1, 2147483647}, 0, u"-2147483648 2147483647"},
        {u"{%,n}", {7, -8, 9}, 0, u"7,-8,9"},  {u"%n %n %n", {10}, 0, u"10 %n %n"}, {u"{%,n}", {}, 0, u""},
        // %u outside groups is the counter from 0; in a group the array index.
        {u"%u %u", {5, 6}, 3, u"0 1"}, {u"{[%u]}", {5, 6}, 3, u"[3][4]"}, {u"%n %u %n", {10, 20, 30}, 1, u"10 1 30"},
    };
    for (const auto& c : cases) {
        FakeArray array;
        array.numbers = c.elements;
        array.lower = c.lower;
        EXPECT_EQ(ExpandTemplate(c.templ, array), c.expected) << PrintToString(c.templ);
    }
}

TEST(StringsExpand, ReadsEachWrittenStringOnce) {
    FakeArray array;
    size_t expected = 999 + 1 + 1;  // the commas, the "|" and element 0 ("e") again
    for (int i = 0; i < 1000; ++i) {
        array.strings.push_back(u"e" + std::u16string(i % 5, u'x'));
        expected += array.strings.back().size();
    }
    EXPECT_EQ(ExpandTemplate(u"{%,s}|%s", array).size(), expected);
    EXPECT_EQ(array.stringReads, 1001);
}

TEST(StringsTable, Writing) {
    const struct { std::u16string text, table; } cases[] = {
        {u"a\r\nb", u"a\0b\0\x1A"s},        {u"a\r\n\r\nb", u"a\0\0b\0\x1A"s},
        {u"a\r\nb\r\n", u"a\0b\0\x1A"s},    // no extra empty line
        {u"a\rb\nc", u"a\rb\nc\0\x1A"s},    // lone CR and LF stay
        {u"a\n\r", u"a\n\r\0\x1A"s},        {u"x\r", u"x\r\0\x1A"s},
        {u"\r\n", u"\0\x1A"s},              {u"", u"\0\x1A"s},
    };
    for (const auto& c : cases) {
        std::u16string table(StringTableCapacity(c.text.size()), u'#');
        table.resize(WriteStringTable(c.text, table.data(), table.size()));
        EXPECT_EQ(table, c.table) << PrintToString(c.text);
        // In place, as the loader does it: the text in the table's own memory.
        std::u16string memory = c.text;
        memory.resize(StringTableCapacity(c.text.size()), u'#');
        const std::u16string_view text(memory.data(), c.text.size());
        memory.resize(WriteStringTable(text, memory.data(), memory.size()));
        EXPECT_EQ(memory, c.table) << "in place: " << PrintToString(c.text);
    }
    // A too small buffer is never overrun.
    char16_t small[3] = {u'#', u'#', u'#'};
    EXPECT_EQ(WriteStringTable(u"abcdef", small, 2), 2u);
    EXPECT_EQ(small[2], u'#');
}

TEST(StringsTable, Finding) {
    const std::u16string table = u"colour=red\0size=big\0\0our line\0\x1A" u"after=end\0"s;
    const struct { std::u16string key; std::optional<std::u16string_view> expected; } cases[] = {
        {u"our", u"our=red"}, {u"size", u"size=big"}, {u"=big", u"=big"}, {u"line", u"line"}, {u"", u"colour=red"},
        {u"Size", std::nullopt},        // case-sensitive
        {u"after", std::nullopt},       // beyond the end marker
        {u"red\0size"s, std::nullopt},  // never across a line end
    };
    for (const auto& c : cases) EXPECT_EQ(FindInStringTable(table, c.key), c.expected) << PrintToString(c.key);
    // A table without its marker ends at the end of its memory.
    EXPECT_EQ(FindInStringTable(u"abc\0def"s, u"xyz"), std::nullopt);
    EXPECT_EQ(FindInStringTable(u"abc\0def"s, u"ef"), u"ef");
}
