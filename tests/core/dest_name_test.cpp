#include <gtest/gtest.h>

#include <string>

#include "util/files/core/dest_name.h"

namespace {

using namespace zw::files;

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

TEST(DestName, TargetNameFromPattern) {
    const std::u16string_view cases[][3] = {  // pattern, source, target
        {u"*.bak", u"report.txt", u"report.bak"}, {u"x?y.*", u"abc.txt", u"xby.txt"},
        // A directory destination gets "*.*": names stay whole, dots included.
        {u"*.*", u"a.b.c", u"a.b.c"}, {u"*", u"a.b.c", u"a.b.c"},
        // A source without a further dot ends the name at the "*".
        {u"*.bak", u"README", u"README"},
        // More dots in the source than in the pattern.
        {u"*.bak", u"a.b.c", u"a.bak"}, {u"*.*.old", u"a.b.c", u"a.b.old"},
        // Literal names ignore the source.
        {u"new.txt", u"old.doc", u"new.txt"},
        // "?" stops at the source's dot; "." skips the source up to its next dot.
        {u"a?.*", u"x.txt", u"a.txt"}, {u"??x.*", u"abcdef.txt", u"abx.txt"},
        // Characters between a "*" and the next pattern dot are ignored.
        {u"*x.txt", u"abc.doc", u"abc.txt"}, {u"a*b.*", u"xyz.doc", u"ayz.doc"},
        // A "." with no further source dot leaves the source exhausted.
        {u"x?y.*", u"ab", u"xby."},
        // Empty sources and patterns.
        {u"?.?", u"", u"."}, {u"*.bak", u"", u""}, {u"", u"abc.txt", u""},
    };
    for (const auto& [pattern, source, target] : cases)
        EXPECT_EQ(Narrow(TargetName(pattern, source)), Narrow(target)) << Narrow(pattern) << " on " << Narrow(source);
}

TEST(DestName, DirectoryAndNameParts) {
    const std::u16string_view cases[][3] = {  // path, directory, name
        {u"C:\\dir\\file.txt", u"C:\\dir\\", u"file.txt"}, {u"C:\\file.txt", u"C:\\", u"file.txt"},
        {u"C:file.txt", u"C:", u"file.txt"}, {u"C:", u"C:", u""}, {u"file.txt", u"", u"file.txt"},
        {u"\\\\server\\share\\*.*", u"\\\\server\\share\\", u"*.*"},
        {u"dir\\", u"dir\\", u""}, {u"", u"", u""},
        // A colon elsewhere than the second character is no drive.
        {u"ab:c", u"", u"ab:c"},
    };
    for (const auto& [path, directory, name] : cases) {
        EXPECT_EQ(Narrow(DirectoryPart(path)), Narrow(directory)) << Narrow(path);
        EXPECT_EQ(Narrow(NamePart(path)), Narrow(name)) << Narrow(path);
    }
}

TEST(DestName, WildcardsAndDrives) {
    for (const char16_t* text : {u"*", u"a?.txt"}) EXPECT_TRUE(HasWildcards(text)) << Narrow(text);
    EXPECT_FALSE(HasWildcards(u"C:\\dir\\file.txt"));
    for (const char16_t* text : {u"X:", u"c:"}) EXPECT_TRUE(IsDriveAlone(text)) << Narrow(text);
    for (const char16_t* text : {u"X:\\", u"1:", u"X"}) EXPECT_FALSE(IsDriveAlone(text)) << Narrow(text);
}

}  // namespace
