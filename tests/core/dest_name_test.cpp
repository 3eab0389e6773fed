#include <gtest/gtest.h>

#include <string>

#include "util/files/core/dest_name.h"

namespace {

using zw::files::DirectoryPart;
using zw::files::NamePart;
using zw::files::TargetName;

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

TEST(DestName, TargetNameFromPattern) {
    struct Case {
        std::u16string_view pattern, source, expected;
    };
    const Case cases[] = {
        {u"*.bak", u"report.txt", u"report.bak"},
        {u"x?y.*", u"abc.txt", u"xby.txt"},
        // A directory destination gets "*.*": names stay whole, dots included.
        {u"*.*", u"report.txt", u"report.txt"},
        {u"*.*", u"a.b.c", u"a.b.c"},
        {u"*.*", u"README", u"README"},
        {u"*", u"a.b.c", u"a.b.c"},
        // A source without a further dot ends the name at the "*".
        {u"*.bak", u"README", u"README"},
        // More dots in the source than in the pattern.
        {u"*.bak", u"a.b.c", u"a.bak"},
        // Literal names ignore the source.
        {u"new.txt", u"old.doc", u"new.txt"},
        {u"new", u"old.doc", u"new"},
        // "?" stops at the source's dot and does not pass it.
        {u"????????.???", u"ab.c", u"ab.c"},
        {u"a?.*", u"x.txt", u"a.txt"},
        {u"??x.*", u"abcdef.txt", u"abx.txt"},
        // Characters between a "*" and the next pattern dot are ignored.
        {u"*x.txt", u"abc.doc", u"abc.txt"},
        {u"a*b.*", u"xyz.doc", u"ayz.doc"},
        {u"*abc", u"q.r", u"q.r"},
        // A "." with no further source dot leaves the source exhausted.
        {u"x?y.*", u"ab", u"xby."},
        {u"*.*.old", u"a.b.c", u"a.b.old"},
        {u"", u"abc.txt", u""},
        {u"*.bak", u"", u""},
        {u"?.?", u"", u"."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Narrow(TargetName(c.pattern, c.source)), Narrow(c.expected))
            << "pattern " << Narrow(c.pattern) << ", source " << Narrow(c.source);
    }
}

TEST(DestName, DirectoryAndNameParts) {
    struct Case {
        std::u16string_view path, directory, name;
    };
    const Case cases[] = {
        {u"C:\\dir\\file.txt", u"C:\\dir\\", u"file.txt"},
        {u"C:\\file.txt", u"C:\\", u"file.txt"},
        {u"C:file.txt", u"C:", u"file.txt"},
        {u"C:", u"C:", u""},
        {u"file.txt", u"", u"file.txt"},
        {u"\\\\server\\share\\*.*", u"\\\\server\\share\\", u"*.*"},
        {u"dir\\", u"dir\\", u""},
        {u"", u"", u""},
        {u"x", u"", u"x"},
        // A colon elsewhere than the second character is no drive.
        {u"ab:c", u"", u"ab:c"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Narrow(DirectoryPart(c.path)), Narrow(c.directory)) << Narrow(c.path);
        EXPECT_EQ(Narrow(NamePart(c.path)), Narrow(c.name)) << Narrow(c.path);
    }
}

TEST(DestName, WildcardsAndDrives) {
    EXPECT_TRUE(zw::files::HasWildcards(u"*"));
    EXPECT_TRUE(zw::files::HasWildcards(u"a?.txt"));
    EXPECT_FALSE(zw::files::HasWildcards(u"C:\\dir\\file.txt"));
    EXPECT_TRUE(zw::files::IsDriveAlone(u"X:"));
    EXPECT_TRUE(zw::files::IsDriveAlone(u"c:"));
    EXPECT_FALSE(zw::files::IsDriveAlone(u"X:\\"));
    EXPECT_FALSE(zw::files::IsDriveAlone(u"1:"));
    EXPECT_FALSE(zw::files::IsDriveAlone(u"X"));
}

}  // namespace
