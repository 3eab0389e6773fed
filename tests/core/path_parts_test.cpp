// Path texts: split and joined like the C runtime does it, directory levels
// for nested creation, and search-path elements.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/files/core/path_parts.h"

using namespace zw::files;

TEST(PathParts, SplitsLikeTheRuntime) {
    const struct {
        std::u16string path, drive, directory, name, extension;
    } cases[] = {
        {u"C:\\dir\\file.txt", u"C:", u"\\dir\\", u"file", u".txt"},
        {u"file", u"", u"", u"file", u""},
        {u"\\\\server\\share\\a.b.c", u"", u"\\\\server\\share\\", u"a.b", u".c"},
        {u"C:file.", u"C:", u"", u"file", u"."},
        {u".profile", u"", u"", u"", u".profile"},
        {u"x.y\\z", u"", u"x.y\\", u"z", u""},
        {u"a/b/c.d", u"", u"a/b/", u"c", u".d"},
        {u"C:", u"C:", u"", u"", u""},
        {u"", u"", u"", u"", u""},
        {u"\\" + std::u16string(300, u'd') + u"\\n.e", u"", u"\\" + std::u16string(255, u'd'), u"n", u".e"},
    };
    for (const auto& c : cases) {
        const PathParts parts = SplitPath(c.path);
        EXPECT_EQ(parts.drive, c.drive);
        EXPECT_EQ(parts.directory, c.directory);
        EXPECT_EQ(parts.name, c.name);
        EXPECT_EQ(parts.extension, c.extension);
    }
    EXPECT_EQ(JoinPath(u"C:", u"\\dir\\", u"file", u".txt"), u"C:\\dir\\file.txt");
    EXPECT_EQ(JoinPath(u"C:", u"dir", u"file", u"txt"), u"C:dirfiletxt");
}

TEST(PathParts, DirectoryLevelsSkipTheDriveRoot) {
    using Levels = std::vector<std::u16string>;
    EXPECT_EQ(DirectoryLevels(u"C:\\a\\b\\c"), (Levels{u"C:\\a", u"C:\\a\\b", u"C:\\a\\b\\c"}));
    EXPECT_EQ(DirectoryLevels(u"C:\\a\\b\\"), (Levels{u"C:\\a", u"C:\\a\\b"}));
    EXPECT_EQ(DirectoryLevels(u"a\\b"), (Levels{u"a", u"a\\b"}));
    EXPECT_EQ(DirectoryLevels(u"\\top"), (Levels{u"", u"\\top"}));
}

TEST(PathParts, SearchPathLeavesOutEmptyAndBackslashedElements) {
    using Elements = std::vector<std::u16string>;
    EXPECT_EQ(SearchPathCandidates(u"C:\\one;C:\\two\\;;D:\\three"), (Elements{u"C:\\one", u"D:\\three"}));
    EXPECT_EQ(SearchPathCandidates(u""), Elements{});
    EXPECT_EQ(SearchPathCandidates(u"x;"), Elements{u"x"});
}
