// Portable string algorithms: trim, pad, proper case, reverse scan, substitute,
// template expansion and the string table.
#include <gtest/gtest.h>

#include <map>
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

namespace {

// gtest prints char16_t strings poorly; compare through a narrow copy that
// shows every UTF-16 unit (non-ASCII as \x{...}).
std::string Show(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char buf[16];
            std::snprintf(buf, sizeof buf, "\\x{%X}", static_cast<unsigned>(c));
            out += buf;
        }
    }
    return out;
}

// A mapping that also folds a few Latin-1 letters, standing in for the
// system's mapping in tests of non-ASCII text.
char16_t Latin1Lower(char16_t c) {
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char16_t>(c + 0x20);
    return AsciiLower(c);
}
char16_t Latin1Upper(char16_t c) {
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<char16_t>(c - 0x20);
    return AsciiUpper(c);
}
constexpr CaseMapping kLatin1Mapping{&Latin1Upper, &Latin1Lower};

// An array of elements for template tests; out-of-range reads fail like the
// host's (empty string, 0).
class FakeArray : public ElementSource {
public:
    FakeArray(std::vector<std::u16string> strings, long lower = 0) : strings_(std::move(strings)), lower_(lower) {}
    FakeArray(std::vector<int> numbers, long lower = 0) : numbers_(std::move(numbers)), lower_(lower) {}

    long Count() override { return static_cast<long>(strings_.empty() ? numbers_.size() : strings_.size()); }
    long LowerBound() override { return lower_; }
    // Hands out a view of a scratch copy that the next read overwrites, to
    // check that the expander keeps its own copy.
    std::u16string_view String(long index) override {
        ++stringReads;
        const long k = index - lower_;
        scratch_ = k >= 0 && k < static_cast<long>(strings_.size()) ? strings_[k] : u"";
        return scratch_;
    }
    std::int32_t NumberAsInt(long index) override {
        const long k = index - lower_;
        return k >= 0 && k < static_cast<long>(numbers_.size()) ? numbers_[k] : 0;
    }

    int stringReads = 0;

private:
    std::vector<std::u16string> strings_;
    std::vector<int> numbers_;
    std::u16string scratch_;
    long lower_;
};

}  // namespace

TEST(StringsTrim, Cases) {
    struct Case {
        std::u16string text, left, right, both;
    };
    const Case cases[] = {
        {u"", u"", u"", u""},
        {u"   ", u"", u"", u""},
        {u" a b ", u"a b ", u" a b", u"a b"},
        {u"\t\n\v\f\r x \r\n", u"x \r\n", u"\t\n\v\f\r x", u"x"},
        {u"abc", u"abc", u"abc", u"abc"},
        // Only the six basic whitespace characters count: no-break space,
        // NUL-adjacent control characters and ideographic space stay.
        {u"\u00A0a\u3000", u"\u00A0a\u3000", u"\u00A0a\u3000", u"\u00A0a\u3000"},
        {u"\x1F" u"a\x0E", u"\x1F" u"a\x0E", u"\x1F" u"a\x0E", u"\x1F" u"a\x0E"},
        {u"a  b", u"a  b", u"a  b", u"a  b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Show(LeftTrim(c.text)), Show(c.left)) << Show(c.text);
        EXPECT_EQ(Show(RightTrim(c.text)), Show(c.right)) << Show(c.text);
        EXPECT_EQ(Show(Trim(c.text)), Show(c.both)) << Show(c.text);
    }
}

TEST(StringsPad, Cases) {
    struct Case {
        std::u16string text;
        int length;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"abc", 5, u"abc  "},   {u"abcdef", 3, u"abc"}, {u"abc", 0, u""}, {u"abc", -4, u""},
        {u"", 3, u"   "},        {u"abc", 3, u"abc"},    {u"a\tb", 4, u"a\tb "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Show(Pad(c.text, c.length)), Show(c.expected)) << Show(c.text) << " to " << c.length;
    }
}

TEST(StringsProper, Cases) {
    struct Case {
        std::u16string text, expected;
    };
    const Case cases[] = {
        {u"HELLO WORLD", u"Hello World"},
        {u"mary-ann", u"Mary-Ann"},
        {u"macintosh", u"MacIntosh"},
        {u"mac donald", u"Mac Donald"},
        {u"o'neil-smith mcdonald", u"O'Neil-Smith McDonald"},
        {u"", u""},
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
        {u"mac", u"Mac"},
        {u"mc", u"Mc"},
        // After "Mac" a separator is "upper-cased" (unchanged) and ends nothing.
        {u"mac-arthur", u"Mac-Arthur"},
        {u"   leading", u"   Leading"},
        {u"x1 2y", u"X1 2y"},
    };
    for (const Case& c : cases) {
        std::u16string text = c.text;
        ProperCase(text, kAsciiCaseMapping);
        EXPECT_EQ(Show(text), Show(c.expected)) << Show(c.text);
    }
    // Non-ASCII letters go through the given mapping.
    std::u16string text = u"\u00E9COLE \u00C9T\u00C9";
    ProperCase(text, kLatin1Mapping);
    EXPECT_EQ(Show(text), Show(u"\u00C9cole \u00C9t\u00E9"));
}

TEST(StringsScanReverse, Cases) {
    struct Case {
        std::u16string text;
        int start;
        std::u16string find;
        int expected;
    };
    const std::u16string pair = u"\U0001F600";  // a surrogate pair
    const Case cases[] = {
        {u"abcabc", -1, u"BC", 4},
        {u"abcabc", 3, u"BC", 1},
        {u"abcabc", 6, u"BC", -1},
        {u"abcabc", 5, u"bc", 4},
        {u"abcabc", 4, u"bc", 4},
        {u"abcabc", 0, u"bc", -1},
        {u"abcabc", -2, u"bc", -1},
        {u"abcabc", -1, u"ABCABC", 0},
        {u"abcabc", -1, u"abcabcx", -1},
        {u"abcabc", -1, u"x", -1},
        {u"abcabc", -1, u"", 5},
        {u"abcabc", 2, u"", 2},
        {u"", -1, u"", -1},
        {u"", 0, u"a", -1},
        {u"aaaa", -1, u"aa", 2},
        {u"aaaa", 1, u"aa", 1},
        {u"aaaa", 0, u"aa", 0},
        {u"aabaabaab", -1, u"AABAA", 3},
        {u"x" + pair + u"y", -1, u"y", 3},
        {u"x" + pair + u"y", -1, u"x", 0},
        // The low half of a pair below the start is stepped over...
        {u"x" + pair + u"y", 3, pair.substr(1) + u"y", -1},
        // ...but is a candidate when it is the start itself.
        {u"x" + pair + u"y", 2, pair.substr(1) + u"y", 2},
        {u"x" + pair + u"y", -1, pair, 1},
        // Lone surrogates are ordinary characters.
        {std::u16string(u"a") + char16_t(0xDC00) + u"b", -1, std::u16string(1, char16_t(0xDC00)), 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScanReverse(c.text, c.start, c.find, &AsciiLower), c.expected)
            << Show(c.text) << " from " << c.start << " for " << Show(c.find);
    }
    // Non-ASCII characters are compared through the given lower-casing.
    EXPECT_EQ(ScanReverse(u"\u00E9t\u00E9 \u00C9T\u00C9", -1, u"\u00E9t", &Latin1Lower), 4);
    EXPECT_EQ(ScanReverse(u"\u00E9t\u00E9 \u00C9T\u00C9", -1, u"\u00E9t", &AsciiLower), 0);
}

TEST(StringsScanReverse, LongPeriodicTextMatchesNaiveSearch) {
    // A text full of partial matches: compare with a direct search at every
    // start position.
    std::u16string text;
    for (int i = 0; i < 300; ++i) text += (i % 7 == 6) ? u"aab" : u"aaa";
    const std::u16string finds[] = {u"aab", u"AAAB", u"aaaaaab", u"baa", u"abaa"};
    for (const std::u16string& find : finds) {
        for (int start = -1; start < static_cast<int>(text.size()); start += 37) {
            int expected = -1;
            const int from = start == -1 ? static_cast<int>(text.size()) - 1 : start;
            for (int p = from; p >= 0; --p) {
                if (p + find.size() > text.size()) continue;
                bool same = true;
                for (size_t k = 0; k < find.size() && same; ++k) same = AsciiLower(text[p + k]) == AsciiLower(find[k]);
                if (same) {
                    expected = p;
                    break;
                }
            }
            EXPECT_EQ(ScanReverse(text, start, find, &AsciiLower), expected) << Show(find) << " from " << start;
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
                    << Show(text) << " / " << Show(pattern) << " from " << from;
            }
        }
    }
}

TEST(StringsSubstitute, Cases) {
    struct Case {
        std::u16string text, find, replacement, expected;
    };
    const Case cases[] = {
        {u"aaa", u"aa", u"b", u"ba"},
        {u"aaa", u"", u"b", u"aaa"},
        {u"", u"a", u"b", u""},
        {u"abc", u"abc", u"", u""},
        {u"abcabc", u"b", u"bb", u"abbcabbc"},   // the replacement is not searched again
        {u"abcabc", u"B", u"x", u"abcabc"},      // case-sensitive
        {u"one two two", u"two", u"2", u"one 2 2"},
        {u"aaaa", u"aa", u"a", u"aa"},
        {u"xaabaab", u"aab", u"-", u"x--"},
        {u"abc", u"abcd", u"x", u"abc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Show(Substitute(c.text, c.find, c.replacement)), Show(c.expected))
            << Show(c.text) << " / " << Show(c.find) << " / " << Show(c.replacement);
    }
}

TEST(StringsExpand, StringCases) {
    struct Case {
        std::u16string templ;
        std::vector<std::u16string> elements;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"Names: {%,s}", {u"a", u"b", u"c"}, u"Names: a,b,c"},
        {u"Item %u: %s", {u"x", u"y"}, u"Item 0: y"},
        {u"100%%", {}, u"100%"},
        {u"%%s", {u"a"}, u"%s"},
        {u"%s-%s-%s", {u"a", u"b"}, u"a-b-%s"},        // counter past the end
        {u"%s %n %u", {}, u"%s %n %u"},                 // empty array: placeholders as text
        {u"<{[%s]}>", {}, u"<>"},                       // empty array: no repetitions
        {u"%,s", {u"a"}, u"%,s"},                        // "%," outside groups is text
        {u"50% off", {u"a"}, u"50% off"},
        {u"end%", {u"a"}, u"end%"},
        {u"{%s}", {u"a", u"b"}, u"ab"},
        {u"{(%s) }", {u"a", u"b"}, u"(a) (b) "},
        {u"{%,s}", {u"only"}, u"only"},
        {u"{%s}%s", {u"a", u"b"}, u"aba"},              // groups do not advance the counter
        {u"{no placeholder} %s", {u"a"}, u"{no placeholder} a"},
        {u"{50%} %s", {u"a"}, u"{50%} a"},              // "%" not starting a placeholder
        {u"{%x%s}", {u"a", u"b"}, u"%xa%xb"},
        {u"{%%s}", {u"a"}, u"%a"},
        {u"{%s%}}", {u"a"}, u"a%}"},                    // the suffix ends at the first "}"
        {u"{%,u:%s;}", {u"p", u"q"}, u"0:%s;,1:%s;"},    // prefix and suffix are plain text
        // Unterminated groups: the "{" is plain text, the rest is expanded.
        {u"a {%s", {u"x", u"y"}, u"a {x"},
        {u"a { b %s", {u"x"}, u"a { b x"},
        {u"{ {%s", {u"x"}, u"{ {x"},
        {u"{%s} {", {u"x"}, u"x {"},
        {u"{", {u"x"}, u"{"},
        {u"{%", {u"x"}, u"{%"},
        {u"%", {u"x"}, u"%"},
        {u"", {u"x"}, u""},
    };
    for (const Case& c : cases) {
        FakeArray array(c.elements);
        EXPECT_EQ(Show(ExpandTemplate(c.templ, array)), Show(c.expected)) << Show(c.templ);
    }
}

TEST(StringsExpand, NumberAndIndexCases) {
    struct Case {
        std::u16string templ;
        std::vector<int> elements;
        long lower;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"%n+%n=%n", {1, 2, 3}, 0, u"1+2=3"},
        {u"%n %n", {-2147483647 - 1, 2147483647}, 0, u"-2147483648 2147483647"},
        {u"{%,n}", {7, -8, 9}, 0, u"7,-8,9"},
        // %u outside groups is the counter from 0; in a group the array index.
        {u"%u %u", {5, 6}, 3, u"0 1"},
        {u"{[%u]}", {5, 6}, 3, u"[3][4]"},
        {u"%n %u %n", {10, 20, 30}, 1, u"10 1 30"},
        {u"%n %n %n", {10}, 0, u"10 %n %n"},
        {u"{%,n}", {}, 0, u""},
    };
    for (const Case& c : cases) {
        FakeArray array(c.elements, c.lower);
        EXPECT_EQ(Show(ExpandTemplate(c.templ, array)), Show(c.expected)) << Show(c.templ);
    }
}

TEST(StringsExpand, ReadsEachWrittenStringOnce) {
    std::vector<std::u16string> elements;
    for (int i = 0; i < 1000; ++i) elements.push_back(u"e" + std::u16string(i % 5, u'x'));
    FakeArray array(elements);
    const std::u16string result = ExpandTemplate(u"{%,s}|%s", array);
    EXPECT_EQ(array.stringReads, 1001);
    size_t expected = 1000 - 1 + 1 + elements[0].size();
    for (const auto& e : elements) expected += e.size();
    EXPECT_EQ(result.size(), expected);
}

TEST(StringsTable, Writing) {
    struct Case {
        std::u16string text, table;
    };
    using namespace std::string_literals;
    const Case cases[] = {
        {u"a\r\nb", u"a\0b\0\x1A"s},
        {u"a\r\nb\r\n", u"a\0b\0\x1A"s},          // no extra empty line
        {u"a\r\n\r\nb", u"a\0\0b\0\x1A"s},
        {u"a\rb\nc", u"a\rb\nc\0\x1A"s},           // lone CR and LF stay
        {u"a\n\r", u"a\n\r\0\x1A"s},
        {u"\r\n", u"\0\x1A"s},
        {u"", u"\0\x1A"s},
        {u"x\r", u"x\r\0\x1A"s},
    };
    for (const Case& c : cases) {
        std::u16string table(StringTableCapacity(c.text.size()), u'#');
        const size_t written = WriteStringTable(c.text, table.data(), table.size());
        table.resize(written);
        EXPECT_EQ(Show(table), Show(c.table)) << Show(c.text);
    }
    // In place, as the loader does it: the text in the table's own memory.
    for (const Case& c : cases) {
        std::u16string memory = c.text;
        memory.resize(StringTableCapacity(c.text.size()), u'#');
        const size_t written =
            WriteStringTable(std::u16string_view(memory.data(), c.text.size()), memory.data(), memory.size());
        memory.resize(written);
        EXPECT_EQ(Show(memory), Show(c.table)) << "in place: " << Show(c.text);
    }
    // A too small buffer is never overrun.
    char16_t small[3] = {u'#', u'#', u'#'};
    EXPECT_EQ(WriteStringTable(u"abcdef", small, 2), 2u);
    EXPECT_EQ(small[2], u'#');
}

TEST(StringsTable, Finding) {
    using namespace std::string_literals;
    const std::u16string table = u"colour=red\0size=big\0\0our line\0\x1A" u"after=end\0"s;
    struct Case {
        std::u16string key;
        bool found;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"our", true, u"our=red"},
        {u"size", true, u"size=big"},
        {u"=big", true, u"=big"},
        {u"Size", false, u""},        // case-sensitive
        {u"line", true, u"line"},
        {u"after", false, u""},       // beyond the end marker
        {u"red\0size"s, false, u""},  // never across a line end
        {u"", true, u"colour=red"},
    };
    for (const Case& c : cases) {
        const auto found = FindInStringTable(table, c.key);
        ASSERT_EQ(found.has_value(), c.found) << Show(c.key);
        if (found) {
            EXPECT_EQ(Show(*found), Show(c.expected)) << Show(c.key);
        }
    }
    // A table without its marker ends at the end of its memory.
    EXPECT_FALSE(FindInStringTable(u"abc\0def"s, u"xyz").has_value());
    EXPECT_EQ(Show(*FindInStringTable(u"abc\0def"s, u"ef")), "ef");
}
