// The portable parts of the populate and table helpers: directory view paths
// and the lines of a table cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/windows/core/cell_lines.h"
#include "util/windows/core/dir_paths.h"

using zw::windows::ForEachCellLine;
using zw::windows::HasDriveLetter;
using zw::windows::JoinDirLevels;
using zw::windows::TrimDirPath;

TEST(DirPaths, JoinLevels) {
    struct Case {
        std::vector<std::u16string> levels;
        std::u16string path;
    } cases[] = {
        {{u"c:\\"}, u"c:\\"},
        {{u"c:\\", u"windows"}, u"c:\\windows"},
        {{u"c:\\", u"a", u"b c"}, u"c:\\a\\b c"},
        {{u"c:\\", u"", u"b"}, u"c:\\b"},
        {{}, u""},
    };
    for (const Case& c : cases) EXPECT_EQ(JoinDirLevels(c.levels), c.path);
}

TEST(DirPaths, TrimAndDriveLetter) {
    EXPECT_EQ(TrimDirPath(u"C:\\a\\"), u"C:\\a");
    EXPECT_EQ(TrimDirPath(u"C:\\a\\\\"), u"C:\\a");
    EXPECT_EQ(TrimDirPath(u"C:\\"), u"C:\\");
    EXPECT_EQ(TrimDirPath(u"C:"), u"C:\\");
    EXPECT_EQ(TrimDirPath(u"\\"), u"");
    EXPECT_TRUE(HasDriveLetter(u"z:"));
    EXPECT_FALSE(HasDriveLetter(u"\\\\server\\share"));
    EXPECT_FALSE(HasDriveLetter(u"1:\\"));
    EXPECT_FALSE(HasDriveLetter(u"C"));
}

TEST(CellLines, SplitAtLineEnds) {
    struct Case {
        std::u16string text;
        std::vector<std::u16string> lines;
    } cases[] = {
        {u"one", {u"one"}},
        {u"one\r\ntwo\rthree", {u"one", u"two", u"three"}},
        {u"\r\n\r\nx\r\n", {u"x"}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::u16string> lines;
        ForEachCellLine(c.text, [&](std::u16string_view line) { lines.emplace_back(line); });
        EXPECT_EQ(lines, c.lines);
    }
}
