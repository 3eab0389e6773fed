// Path display: paths shortened to a width, measured here one unit per
// character so the expected texts can be read off directly.
#include <gtest/gtest.h>

#include <string>

#include "util/windows/core/path_display.h"

using zw::windows::ShortenPath;

namespace {

int Characters(std::u16string_view text) { return static_cast<int>(text.size()); }

}  // namespace

TEST(PathDisplay, ShortensFromTheMiddleThenTheEnd) {
    struct Case {
        std::u16string text;
        int width;
        std::u16string shown;
    } cases[] = {
        {u"C:\\a\\b\\file.txt", 40, u"C:\\a\\b\\file.txt"},       // fits: unchanged
        {u"C:\\dir\\", 7, u"C:\\dir\\"},                          // fits with its backslash
        {u"C:\\dir\\", 6, u"C:\\dir"},                            // the trailing backslash goes first
        {u"C:\\first\\two\\three\\file.txt", 25, u"C:\\...\\two\\three\\file.txt"},
        {u"C:\\first\\two\\three\\file.txt", 21, u"C:\\...\\three\\file.txt"},
        {u"C:\\first\\two\\three\\file.txt", 16, u"C:\\...\\file.txt"},
        {u"C:\\first\\two\\three\\file.txt", 13, u"C:\\...\\fil..."},
        {u"C:\\first\\two\\three\\file.txt", 3, u"C:\\...\\fi..."},   // never below 5 characters
        {u"\\\\server\\share\\dir\\report.doc", 25, u"\\\\server\\...\\report.doc"},
        {u"//server/share/dir/report.doc", 25, u"//server/.../report.doc"},
        {u"plain text that is long", 10, u"plain t..."},
        {u"\\dir\\sub\\name", 12, u"\\...\\name"},
    };
    for (const Case& c : cases) {
        const std::u16string shown = ShortenPath(c.text, c.width, Characters);
        EXPECT_EQ(shown, c.shown) << std::string(c.text.begin(), c.text.end()) << " in " << c.width;
        if (c.width >= 5) {
            EXPECT_LE(Characters(shown), c.width);
        }
    }
}
