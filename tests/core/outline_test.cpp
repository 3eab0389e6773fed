// Portable parts of the outline: tree links and position bits, freeing with
// rows still in a box, row layout, the case of new rows, picture file checks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/core/outline_tree.h"
#include "controls/outline/core/row_layout.h"
#include "controls/outline/core/row_text.h"
#include "controls/outline/pictures/core/image_file.h"

using namespace zw::outline;

namespace {

// A root with children named by text; frees everything at the end.
struct Tree {
    TreeNode* root;
    Tree() : root(NewNode(nullptr)) { root->level = -1; }
    ~Tree() { FreeItem(*root); }
    TreeNode* Add(TreeNode* parent, const char16_t* text) {
        TreeNode* node = NewNode(nullptr);
        node->record->text = text;
        AppendChild(*parent, *node);
        return node;
    }
};

std::uint32_t Position(const TreeNode* node) {
    return node->record->flags & kRowPositionMask;
}

std::u16string PreOrder(const TreeNode& top) {
    std::u16string out;
    for (TreeNode* at = NextInBranch(top, top); at; at = NextInBranch(*at, top)) out += at->record->text;
    return out;
}

}  // namespace

TEST(OutlineTree, PositionBitsFollowEveryLinkChange) {
    Tree tree;
    TreeNode* a = tree.Add(tree.root, u"a");
    EXPECT_EQ(Position(a), 0u);  // only top-level item: no bits at level 0
    TreeNode* b = tree.Add(tree.root, u"b");
    TreeNode* c = tree.Add(tree.root, u"c");
    EXPECT_EQ(Position(a), 0x80000u);
    EXPECT_EQ(Position(b), 0xE0000u);
    EXPECT_EQ(Position(c), 0x60000u);
    TreeNode* only = tree.Add(b, u"x");
    EXPECT_EQ(Position(only), 0x10000u);
    TreeNode* second = tree.Add(b, u"y");
    EXPECT_EQ(Position(only), 0x90000u);
    EXPECT_EQ(Position(second), 0x70000u);
    TreeNode* middle = NewNode(nullptr);
    middle->record->text = u"m";
    InsertAfter(*only, *middle);
    EXPECT_EQ(Position(middle), 0xF0000u);
    EXPECT_EQ(middle->level, 1);
    EXPECT_EQ(PreOrder(*tree.root), u"abxmyc");

    FreeItem(*only);  // first of three: the middle one becomes first
    EXPECT_EQ(Position(middle), 0x90000u);
    FreeItem(*second);  // the middle one is now alone
    EXPECT_EQ(Position(middle), 0x10000u);
    b->record->flags |= kRowExpanded | kRowHasChildren;
    FreeItem(*middle);
    EXPECT_EQ(b->record->flags & (kRowExpanded | kRowHasChildren), 0u);
    EXPECT_EQ(b->firstChild, nullptr);
    EXPECT_EQ(b->lastChild, nullptr);
}

TEST(OutlineTree, LevelsFollowTheBranchWhenItMoves) {
    Tree tree;
    TreeNode* a = tree.Add(tree.root, u"a");
    TreeNode* b = tree.Add(tree.root, u"b");
    TreeNode* c = tree.Add(b, u"c");
    TreeNode* d = tree.Add(c, u"d");
    Unlink(*b);
    AppendChild(*a, *b);
    EXPECT_EQ(b->level, 1);
    EXPECT_EQ(c->level, 2);
    EXPECT_EQ(d->level, 3);
    EXPECT_EQ(Position(a), 0u);
    EXPECT_EQ(PreOrder(*tree.root), u"abcd");
    EXPECT_EQ(PreOrder(*b), u"cd");
}

TEST(OutlineTree, HandlesAreKnownOnlyWhileAlive) {
    const std::size_t records = LiveRecordCount(), nodes = LiveNodeCount();
    TreeNode* node = NewNode(nullptr);
    RowRecord* record = node->record;
    EXPECT_TRUE(IsNode(node));
    EXPECT_TRUE(IsRecord(record));
    EXPECT_FALSE(IsRecord(node));
    EXPECT_FALSE(IsNode(record));
    record->self = nullptr;  // a damaged record fails the test though it is alive
    EXPECT_FALSE(IsRecord(record));
    record->self = record;
    FreeItem(*node);
    EXPECT_FALSE(IsNode(node));
    EXPECT_FALSE(IsRecord(record));
    EXPECT_FALSE(IsRecord(nullptr));
    EXPECT_FALSE(IsRecord(reinterpret_cast<void*>(-1)));
    EXPECT_EQ(LiveRecordCount(), records);
    EXPECT_EQ(LiveNodeCount(), nodes);
}

TEST(OutlineTree, RecordsStillInABoxOutliveTheirNodes) {
    const std::size_t records = LiveRecordCount();
    RowRecord* shown = nullptr;
    {
        Tree tree;
        TreeNode* a = tree.Add(tree.root, u"a");
        TreeNode* child = tree.Add(a, u"child");
        tree.Add(child, u"hidden");
        child->record->hasRow = true;
        child->record->flags |= kRowExpanded | 0x1234;
        shown = child->record;
        FreeItem(*a);
        ASSERT_TRUE(IsRecord(shown));
        EXPECT_EQ(shown->node, nullptr);
        EXPECT_EQ(shown->flags, 0x1234u);  // tree bits go, the application's stay
    }
    FreeRecord(shown);
    EXPECT_EQ(LiveRecordCount(), records);
}

TEST(OutlineTree, DeepBranchesAreFreedWithoutRecursion) {
    Tree tree;
    TreeNode* at = tree.root;
    for (int i = 0; i < 200000; ++i) at = tree.Add(at, u"");
    EXPECT_EQ(at->level, 199999);
    FreeDescendants(*tree.root);
    EXPECT_EQ(tree.root->firstChild, nullptr);
}

TEST(RowLayout, PartsOfABesideRow) {
    RowInput in;
    in.row = {0, 10, 200, 30};
    in.tree = true;
    in.level = 2;
    in.indentUnit = 8;
    in.aveCharWidth = 7;  // half of it, truncated, counts per unit
    in.textHeight = 12;
    in.textWidth = 50;
    in.hasPicture = true;
    in.pictureWidth = 16;
    in.pictureHeight = 16;
    const RowLayout out = LayOutRow(in);
    EXPECT_EQ(out.levelWidth, 24);
    EXPECT_EQ(out.indent, 48);
    EXPECT_EQ(out.gap, 7);
    EXPECT_EQ(out.picture.left, 48 + 3);
    EXPECT_EQ(out.picture.top, 12);
    EXPECT_EQ(out.textX, 48 + 16 + 7);
    EXPECT_EQ(out.textY, 14);
    EXPECT_EQ(out.text.right, 71 + 54);
    EXPECT_EQ(out.opaque.left, 0);  // default: the whole row
    EXPECT_EQ(out.button.left, LineColumn(in, 2) - 4);
    EXPECT_EQ(out.button.Width(), 9);

    struct Case {
        std::uint32_t style;
        bool disabled;
        Box opaque;
    } cases[] = {
        {kStylePaintPictureColumn, false, {69, 10, 123, 30}},
        {kStyleOpaqueFromIndent, false, {48, 10, 48 + 50 + 7 + 16 + 4, 30}},
        {0, true, {-1, 9, 202, 32}},
    };
    for (const Case& c : cases) {
        in.style = c.style;
        in.disabled = c.disabled;
        const Box got = LayOutRow(in).opaque;
        EXPECT_EQ(got.left, c.opaque.left) << c.style;
        EXPECT_EQ(got.top, c.opaque.top) << c.style;
        EXPECT_EQ(got.right, c.opaque.right) << c.style;
        EXPECT_EQ(got.bottom, c.opaque.bottom) << c.style;
    }
    in.textWidth = 500;  // text rectangle stops at the row's edge
    EXPECT_EQ(LayOutRow(in).text.right, 200);
}

TEST(RowLayout, PlainRowsAndPictureAbove) {
    RowInput in;
    in.row = {0, 0, 100, 40};
    in.aveCharWidth = 6;
    in.textHeight = 10;
    in.textWidth = 20;
    in.level = 3;  // ignored: plain rows have no indent
    in.hasPicture = true;
    in.pictureWidth = 16;
    in.pictureHeight = 24;
    RowLayout out = LayOutRow(in);
    EXPECT_EQ(out.indent, 0);
    EXPECT_EQ(out.gap, 5);
    EXPECT_EQ(out.textX, 21);
    in.style = kStylePictureAbove;
    out = LayOutRow(in);
    EXPECT_EQ(out.picture.left, 42);
    EXPECT_EQ(out.picture.top, 0);
    EXPECT_EQ(out.textX, 40);
    EXPECT_EQ(out.textY, 24);
}

TEST(RowLayout, HitTestingAButtonRow) {
    RowInput in;
    in.row = {0, 0, 300, 20};
    in.tree = true;
    in.level = 1;
    in.indentUnit = 8;
    in.aveCharWidth = 6;
    in.textHeight = 12;
    in.textWidth = 40;
    const RowLayout out = LayOutRow(in);
    const int column = LineColumn(in, 1);
    EXPECT_EQ(HitTestRow(out, column, out.middleY, true), RowHit::Button);
    EXPECT_EQ(HitTestRow(out, column, out.middleY, false), RowHit::PassOn);
    EXPECT_EQ(HitTestRow(out, column, 0, true), RowHit::PassOn);  // above the box, same column
    EXPECT_EQ(HitTestRow(out, out.textX + 10, 5, true), RowHit::PassOn);
    EXPECT_EQ(HitTestRow(out, out.text.right + 5, 5, true), RowHit::Swallow);
    EXPECT_EQ(HitTestRow(out, column - 6, 5, true), RowHit::Swallow);
}

TEST(RowLayout, TabStops) {
    const int stops[] = {30, 60};
    EXPECT_EQ(NextTabStop(10, stops, 2, 0), 30);
    EXPECT_EQ(NextTabStop(30, stops, 2, 0), 60);
    EXPECT_EQ(NextTabStop(70, stops, 2, 0), 70);
    EXPECT_EQ(NextTabStop(0, nullptr, -1, 16), 16);
    EXPECT_EQ(NextTabStop(33, nullptr, -1, 16), 48);
}

TEST(RowText, CaseOfNewRows) {
    struct Case {
        std::uint32_t style;
        std::u16string in, out;
    } cases[] = {
        {0, u"MiXed", u"MiXed"},
        {kStyleUpperCase, u"MiXed", u"MIXED"},
        {kStyleLowerCase, u"MiXed", u"mixed"},
        {kStyleProperCase, u"JOHN SMITH", u"John Smith"},
        {kStyleProperCase, u"JOHN smith", u"JOHN smith"},  // has lower case: left alone
    };
    for (const Case& c : cases) {
        std::u16string text = c.in;
        ApplyRowCase(text, c.style, zw::strings::kAsciiCaseMapping);
        EXPECT_EQ(text, c.out) << c.style;
    }
}

namespace {

void Put16(std::string& b, size_t at, unsigned v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}
void Put32(std::string& b, size_t at, unsigned v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// A 24-bit bitmap file image of width by height.
std::string Bitmap(int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string b(54 + size_t(stride * height), '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, unsigned(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, unsigned(width));
    Put32(b, 22, unsigned(height));
    Put16(b, 26, 1);
    Put16(b, 28, 24);
    return b;
}

const std::uint8_t* Bytes(const std::string& b) {
    return reinterpret_cast<const std::uint8_t*>(b.data());
}

}  // namespace

TEST(ImageFile, BitmapImagesAreCheckedAgainstTheirBytes) {
    using namespace zw::pictures;
    BitmapImage image;
    const std::string good = Bitmap(5, 3);
    ASSERT_TRUE(ParseBitmapImage(Bytes(good), good.size(), &image));
    EXPECT_EQ(image.width, 5);
    EXPECT_EQ(image.bits, Bytes(good) + 54);
    EXPECT_EQ(DeclaredBitmapSize(Bytes(good), 14), good.size());

    struct Damage {
        const char* what;
        size_t at;
        unsigned value;
        int width;  // 2 or 4 bytes
    } damages[] = {
        {"signature", 0, 'X', 2}, {"header size", 14, 12, 4}, {"compressed", 30, 1, 4},
        {"bit count", 28, 3, 2},  {"zero width", 18, 0, 4},   {"bits beyond the end", 10, 60, 4},
        {"huge width", 18, 0x7FFFFFFF, 4},
    };
    for (const Damage& d : damages) {
        std::string bad = good;
        if (d.width == 2) Put16(bad, d.at, d.value);
        else Put32(bad, d.at, d.value);
        EXPECT_FALSE(ParseBitmapImage(Bytes(bad), bad.size(), &image)) << d.what;
    }
    EXPECT_FALSE(ParseBitmapImage(Bytes(good), good.size() - 1, &image)) << "truncated";
    EXPECT_FALSE(ParseBitmapImage(nullptr, 100, &image));
}

TEST(ImageFile, IconImagesAreCheckedAgainstTheirBytes) {
    using namespace zw::pictures;
    // Directory of one 16x16 entry, then its BITMAPINFOHEADER (height doubled).
    std::string icon(22 + 40 + 64, '\0');
    Put16(icon, 2, 1);
    Put16(icon, 4, 1);
    Put32(icon, 6 + 8, 40 + 64);
    Put32(icon, 6 + 12, 22);
    Put32(icon, 22, 40);
    Put32(icon, 26, 16);
    Put32(icon, 30, 32);
    IconImage image;
    ASSERT_TRUE(ParseIconImage(Bytes(icon), icon.size(), &image));
    EXPECT_EQ(image.width, 16);
    EXPECT_EQ(image.height, 16);
    EXPECT_EQ(DeclaredIconSize(Bytes(icon), 22), icon.size());
    EXPECT_FALSE(ParseIconImage(Bytes(icon), icon.size() - 1, &image)) << "truncated";
    std::string cursor = icon;
    Put16(cursor, 2, 2);
    EXPECT_FALSE(ParseIconImage(Bytes(cursor), cursor.size(), &image)) << "cursor file";
    std::string far = icon;
    Put32(far, 6 + 12, 0xFFFFFFF0u);
    EXPECT_FALSE(ParseIconImage(Bytes(far), far.size(), &image)) << "offset past the end";
}

// ---- saved outline blocks ----------------------------------------------------

#include "controls/outline/core/outline_block.h"
#include "controls/outline/core/outline_text.h"

namespace {

OBLOB SampleOutline() {
    OBLOB outline;
    outline.style = 0x20001;
    outline.indent = 8;
    outline.topRow = 3;
    outline.pictures.push_back({0x8201, u"ZWI51.DLL", u"plusdk"});
    outline.fonts.push_back({10, 0x08, u"Arial"});
    outline.items.push_back({-1, -1, -1, -1, 0, 0, 0, u""});
    outline.items.push_back({0, 0, -1, 0, 0xFF, 0x80000000, 42, u"top"});
    outline.items.push_back({1, -1, -1, -1, 0x01000000, 0x10000, 7, std::u16string(300, u'x')});
    return outline;
}

std::vector<std::uint8_t> Blob(std::initializer_list<int> bytes) {
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace

TEST(OutlineBlock, RoundTripAndLayout) {
    const OBLOB outline = SampleOutline();
    const std::vector<std::uint8_t> block = WriteOutlineBlock(outline);
    ASSERT_GE(block.size(), 26u);
    EXPECT_EQ(block[0], 0x59);
    EXPECT_EQ(block[1], 0x87);
    EXPECT_EQ(block[14], 1);  // picture count
    EXPECT_EQ(block[22], 3);  // item count
    // First picture: flags, then the source "ZWI51.DLL" as FF FE FF 09 and UTF-16.
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin() + 26, block.begin() + 32), Blob({0x01, 0x82, 0xFF, 0xFE, 0xFF, 9}));
    OBLOB read;
    ASSERT_EQ(ReadOutlineBlock(block.data(), block.size(), &read), BlockResult::Ok);
    EXPECT_EQ(read.style, outline.style);
    EXPECT_EQ(read.topRow, 3u);
    ASSERT_EQ(read.items.size(), 3u);
    EXPECT_EQ(read.items[1].text, u"top");
    EXPECT_EQ(read.items[1].value, 42u);
    EXPECT_EQ(read.items[2].text.size(), 300u);
    EXPECT_EQ(read.items[2].level, 1);
    EXPECT_EQ(read.fonts[0].face, u"Arial");
    EXPECT_EQ(read.pictures[0].name, u"plusdk");
}

TEST(OutlineBlock, EightBitStringsAreRead) {
    // No pictures or fonts; one item at level 0 whose text has no marker.
    std::vector<std::uint8_t> block = Blob({0x59, 0x87, 1, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0,  // header
                                            0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0,            // counts
                                            0, 0, 0, 0,                                    // level
                                            0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                            0xFF, 0xFF, 0xFF, 0xFF,                        // no pictures, no font
                                            0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,            // colour, flags, value
                                            2, 'h', 'i'});
    OBLOB read;
    ASSERT_EQ(ReadOutlineBlock(block.data(), block.size(), &read), BlockResult::Ok);
    ASSERT_EQ(read.items.size(), 1u);
    EXPECT_EQ(read.items[0].text, u"hi");
    EXPECT_EQ(read.items[0].normalPicture, -1);
    EXPECT_EQ(read.indent, 5u);
}

TEST(OutlineBlock, DamagedBlocksAreRefused) {
    const std::vector<std::uint8_t> good = WriteOutlineBlock(SampleOutline());
    OBLOB untouched = SampleOutline();
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        BlockResult result;
    } cases[] = {
        {"empty", {}, BlockResult::WrongSignature},
        {"wrong signature", Blob({0x58, 0x87, 0, 0}), BlockResult::WrongSignature},
        {"header only", Blob({0x59, 0x87, 0, 0, 0}), BlockResult::Corrupt},
        {"truncated", std::vector<std::uint8_t>(good.begin(), good.end() - 1), BlockResult::Corrupt},
        {"huge item count", good, BlockResult::Corrupt},
        {"huge string length", good, BlockResult::Corrupt},
    };
    cases[4].bytes[22] = cases[4].bytes[23] = cases[4].bytes[24] = cases[4].bytes[25] = 0xFF;
    cases[5].bytes[31] = 0xFF;  // source length: FF, then a 16-bit length far past the end
    cases[5].bytes.insert(cases[5].bytes.begin() + 32, {0xF0, 0xFF});
    for (Case& c : cases) {
        OBLOB out = untouched;
        EXPECT_EQ(ReadOutlineBlock(c.bytes.data(), c.bytes.size(), &out), c.result) << c.what;
        EXPECT_EQ(out.items.size(), untouched.items.size()) << c.what << ": left as it was";
    }
}

TEST(OutlineText, IndentationPlacesItems) {
    struct Line {
        bool asChild;
        size_t depth;
        const char* text;
    };
    struct Case {
        const char* what;
        std::string file;
        std::vector<Line> items;
    } cases[] = {
        {"siblings and a child", "A\r\nB\r\n  B1\r\nC",
         {{true, 0, "A"}, {false, 1, "B"}, {true, 1, "B1"}, {true, 0, "C"}}},
        {"tab equals eight spaces", "A\r\n\tA1\r\n        A2\r\n",
         {{true, 0, "A"}, {true, 1, "A1"}, {false, 2, "A2"}}},
        {"second line less indented: both top-level", "    A\r\nB\r\n", {{true, 0, "A"}, {true, 0, "B"}}},
        {"dedent to a middle depth", "A\r\n    B\r\n        C\r\n  D\r\n",
         {{true, 0, "A"}, {true, 1, "B"}, {true, 2, "C"}, {true, 1, "D"}}},
        {"blank and space-only lines make nothing", "A\r\n\r\n   \r\nB", {{true, 0, "A"}, {false, 1, "B"}}},
        {"lone LF stays in the text", "A\nB\r\n", {{true, 0, "A\nB"}}},
        {"text ends at a NUL", std::string("A\r\nB\0C\r\nD", 10), {{true, 0, "A"}, {false, 1, "B"}}},
    };
    for (const Case& c : cases) {
        const std::vector<OutlineTextItem> got = ParseOutlineText(c.file);
        ASSERT_EQ(got.size(), c.items.size()) << c.what;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].asChild, c.items[i].asChild) << c.what << " line " << i;
            EXPECT_EQ(got[i].depth, c.items[i].depth) << c.what << " line " << i;
            EXPECT_EQ(got[i].text, c.items[i].text) << c.what << " line " << i;
        }
    }
}
