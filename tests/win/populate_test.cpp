// The populate functions: drives, fonts, the common-directory view, the
// directory tree and pictures from designer data, filled into host list and
// combo boxes made as outline boxes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/win/support/outline_boxes.h"

namespace {

using zwtest::Form;
using zwtest::TakeHostText;

constexpr DWORD kListStyle = 0x02000005;
constexpr DWORD kComboStyle = 0x0A000005;
constexpr DWORD kCurrentDir = 0x04000000;

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), DWORD(text.size()));
    return text;
}

std::wstring Upper(std::wstring text) {
    CharUpperBuffW(text.data(), DWORD(text.size()));
    return text;
}

ZW_HPIC NormalPicture(HWND box, int row) {
    ZW_HPIC normal = nullptr, selected = nullptr;
    ZelListGetPicture(box, row, &normal, &selected);
    return normal;
}

int LevelOfRow(HWND box, int row) { return ZelListGetLevel(ZelListGetItemHandle(box, row)); }

// Rows whose item carries the current-directory flag.
std::vector<int> CurrentRows(HWND box) {
    std::vector<int> rows;
    const int count = int(SendMessageW(box, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        if (ZelListGetItemFlags(ZelListGetItemHandle(box, row)) & kCurrentDir) rows.push_back(row);
    }
    return rows;
}

// What a drive's row shows, asked of the system directly.
std::wstring DriveText(const std::wstring& root) {
    WCHAR detail[MAX_PATH + 1] = {};
    switch (GetDriveTypeW(root.c_str())) {
    case DRIVE_FIXED:
    case DRIVE_RAMDISK:
        GetVolumeInformationW(root.c_str(), detail, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
        return root + L" " + detail;
    case DRIVE_REMOTE:
        return root + L" " + TakeHostText(ZelDosGetNetName(root.c_str()));
    default:
        return root;
    }
}

}  // namespace

TEST(PopulateDrives, EveryDriveWithItsTextPictureAndType) {
    Form form;
    HWND box = form.Box(kListStyle);
    const int count = ZelPopulateDrives(box);
    std::vector<std::wstring> roots;
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (drives & (1u << i)) roots.push_back(std::wstring(1, wchar_t(L'A' + i)) + L":\\");
    }
    ASSERT_EQ(count, int(roots.size()));
    WCHAR current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    std::vector<ZW_HPIC> pictureOfType(8, nullptr);
    for (int row = 0; row < count; ++row) {
        const UINT type = GetDriveTypeW(roots[size_t(row)].c_str());
        EXPECT_EQ(TakeHostText(ZelListGetText(box, row)), Lower(DriveText(roots[size_t(row)])));
        EXPECT_EQ(ZelListGetValue(box, row), LONG_PTR(type));
        ZW_HPIC picture = NormalPicture(box, row);
        ASSERT_NE(picture, nullptr);
        // One picture per kind of drive, a different one for each kind.
        if (!pictureOfType[type]) {
            for (ZW_HPIC other : pictureOfType) EXPECT_NE(other, picture);
            pictureOfType[type] = picture;
        }
        EXPECT_EQ(picture, pictureOfType[type]);
    }
    const LRESULT selected = SendMessageW(box, LB_GETCURSEL, 0, 0);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(roots[size_t(selected)][0], towupper(current[0]));
    // Filling again reuses the box's pictures.
    EXPECT_EQ(ZelPopulateDrives(box), count);
    EXPECT_EQ(NormalPicture(box, 0), pictureOfType[GetDriveTypeW(roots[0].c_str())]);

    EXPECT_EQ(ZelPopulateDrives(nullptr), 0);
    EXPECT_EQ(ZelPopulateDrives(form.Handle()), 0);  // not a list or combo box
}

TEST(PopulateDrives, ComboSelectionFieldIsOneAndAHalfItems) {
    Form form;
    HWND combo = form.Box(kComboStyle, CBS_DROPDOWNLIST, 0x4000, 200, 302);
    HWND sized = form.Box(kComboStyle, CBS_DROPDOWNLIST, 0x4000, 200, 303);
    const LRESULT before = SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0);
    ASSERT_GT(ZelPopulateDrives(combo), 0);
    MEASUREITEMSTRUCT measure{ODT_COMBOBOX, 302, UINT(-1), 0, 0, 0};
    ASSERT_TRUE(SendMessageW(form.Handle(), WM_MEASUREITEM, 302, reinterpret_cast<LPARAM>(&measure)));
    // The combo box reports the height it was given as its own measure does.
    SendMessageW(sized, CB_SETITEMHEIGHT, WPARAM(-1), LPARAM(measure.itemHeight * 3 / 2));
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0), SendMessageW(sized, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    EXPECT_NE(SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0), before);
}

TEST(PopulateFonts, TheFontsOfThePrefixWithTheirTypes) {
    Form form;
    HWND box = form.Box(kListStyle);
    HWND combo = form.Box(kComboStyle, CBS_DROPDOWNLIST, 0x4000, 200, 302);
    zwtest::HostArray names(HOST_ARRAY_STRING), types(HOST_ARRAY_NUMBER);
    const int count = ZelFontEnum(1, names, types);
    ASSERT_GT(count, 0);
    ASSERT_EQ(ZelPopulateFontNames(box, 1), count);
    // The list style converts the texts of new rows to lower case.
    std::vector<std::wstring> expected = zwtest::StringElements(names);
    for (std::wstring& name : expected) name = Lower(name);
    EXPECT_EQ(zwtest::RowTexts(box), expected);
    std::set<ZW_HPIC> trueTypePictures, otherPictures;
    for (int row = 0; row < count; ++row) {
        HostNumber type{};
        ASSERT_TRUE(HostArrayGetNumber(types, &type, row));
        EXPECT_EQ(ZelListGetValue(box, row), HostNumberToInt(&type));
        (HostNumberToInt(&type) == 4 ? trueTypePictures : otherPictures).insert(NormalPicture(box, row));
    }
    EXPECT_LE(trueTypePictures.size(), 1u);
    for (ZW_HPIC picture : otherPictures) EXPECT_EQ(trueTypePictures.count(picture), 0u);

    EXPECT_EQ(ZelPopulateFontNames(combo, 1), count);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(ZelPopulateFontNames(nullptr, 1), 0);
}

TEST(PopulateDirTree, FolderAndItsSubfoldersSorted) {
    zwtest::TempFolder folder(L"dirtree");
    for (const wchar_t* name : {L"beta", L"Alpha", L"gamma", L"gamma\\inner"}) {
        ASSERT_TRUE(CreateDirectoryW((folder / name).c_str(), nullptr));
    }
    ASSERT_TRUE(zwtest::WriteFileBytes(folder / L"file.txt", "x"));
    Form form;
    HWND box = form.Box(0x4403);
    for (const std::wstring& path : {folder.Path(), folder.Path() + L"\\"}) {
        ASSERT_EQ(ZelPopulateDirTree(box, path.c_str()), 1);
        const std::wstring top = Upper(folder.Path() + L"\\");
        EXPECT_EQ(zwtest::RowTexts(box), (std::vector<std::wstring>{top, L"ALPHA", L"BETA", L"GAMMA"}));
        EXPECT_EQ(LevelOfRow(box, 0), 0);
        EXPECT_EQ(LevelOfRow(box, 3), 1);
        ZW_HPIC normal = nullptr, selected = nullptr;
        ASSERT_EQ(ZelListGetPicture(box, 1, &normal, &selected), 1);
        EXPECT_NE(normal, nullptr);
        EXPECT_NE(selected, nullptr);
        EXPECT_NE(normal, selected);
    }
    // A path that is no directory changes nothing.
    for (const std::wstring& bad : {folder / L"missing", folder / L"file.txt", std::wstring()}) {
        EXPECT_EQ(ZelPopulateDirTree(box, bad.c_str()), 0);
    }
    EXPECT_EQ(ZelPopulateDirTree(box, nullptr), 0);
    EXPECT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(ZelPopulateDirTree(nullptr, folder.Path().c_str()), 0);
}

TEST(PopulateCommonDir, LevelsSubdirectoriesAndChoosingRows) {
    zwtest::TempFolder folder(L"commondir");
    for (const wchar_t* name : {L"a", L"a\\c", L"a\\b", L"a\\b\\y", L"a\\b\\x", L"z"}) {
        ASSERT_TRUE(CreateDirectoryW((folder / name).c_str(), nullptr));
    }
    Form form;
    HWND box = form.Box(0x02000245);
    const std::wstring a = Lower(folder / L"a");
    ASSERT_EQ(ZelPopulateCommonDir(box, (folder / L"a\\").c_str()), 1);

    // The levels of the path, one per directory, then a's subdirectories.
    std::vector<std::wstring> levels{a.substr(0, 3)};
    for (size_t begin = 3; begin < a.size();) {
        const size_t end = std::min(a.find(L'\\', begin), a.size());
        levels.push_back(a.substr(begin, end - begin));
        begin = end + 1;
    }
    const int current = int(levels.size()) - 1;
    std::vector<std::wstring> rows = levels;
    rows.insert(rows.end(), {L"b", L"c"});
    ASSERT_EQ(zwtest::RowTexts(box), rows);
    for (int row = 0; row <= current; ++row) EXPECT_EQ(LevelOfRow(box, row), row);
    EXPECT_EQ(LevelOfRow(box, current + 1), current + 1);
    EXPECT_EQ(CurrentRows(box), std::vector<int>{current});
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), current);
    EXPECT_EQ(TakeHostText(ZelGetCommonDir(box, 0)), levels[0]);
    EXPECT_EQ(TakeHostText(ZelGetCommonDir(box, current)), a);
    EXPECT_EQ(TakeHostText(ZelGetCommonDir(box, current + 2)), a + L"\\c");

    // Into a subdirectory: it becomes the only current directory.
    EXPECT_EQ(TakeHostText(ZelSetCommonDir(box, current + 1)), a + L"\\b");
    rows.resize(size_t(current) + 1);
    rows.insert(rows.end(), {L"b", L"x", L"y"});
    EXPECT_EQ(zwtest::RowTexts(box), rows);
    EXPECT_EQ(CurrentRows(box), std::vector<int>{current + 1});
    EXPECT_EQ(TakeHostText(ZelGetCommonDir(box, current + 3)), a + L"\\b\\y");

    // Up to an ancestor: the levels below it go, its subdirectories show.
    const std::wstring parent = a.substr(0, a.rfind(L'\\'));
    EXPECT_EQ(TakeHostText(ZelSetCommonDir(box, current - 1)), parent);
    rows.resize(size_t(current));
    rows.insert(rows.end(), {L"a", L"z"});
    EXPECT_EQ(zwtest::RowTexts(box), rows);
    EXPECT_EQ(CurrentRows(box), std::vector<int>{current - 1});

    // Bad rows, windows and paths give the failure values and change nothing.
    for (int row : {-1, int(rows.size()), 1000}) {
        EXPECT_EQ(TakeHostText(ZelGetCommonDir(box, row)), L"") << row;
        EXPECT_EQ(TakeHostText(ZelSetCommonDir(box, row)), L"") << row;
    }
    EXPECT_EQ(TakeHostText(ZelGetCommonDir(nullptr, 0)), L"");
    EXPECT_EQ(TakeHostText(ZelSetCommonDir(nullptr, 0)), L"");
    for (const wchar_t* bad : {L"\\\\server\\share", L"", L"Q:\\no\\such\\folder"}) {
        EXPECT_EQ(ZelPopulateCommonDir(box, bad), 0) << bad;
    }
    EXPECT_EQ(ZelPopulateCommonDir(nullptr, a.c_str()), 0);
    EXPECT_EQ(zwtest::RowTexts(box), rows);

    // A drive's root: the drive is the current directory.
    ASSERT_EQ(ZelPopulateCommonDir(box, levels[0].c_str()), 1);
    EXPECT_EQ(CurrentRows(box), std::vector<int>{0});
    EXPECT_EQ(TakeHostText(ZelGetCommonDir(box, 0)), levels[0]);
    EXPECT_EQ(TakeHostText(ZelGetCommonDir(box, 1)), levels[0] + Lower(zwtest::RowTexts(box)[1]));
}

TEST(PopulatePictureFromProperty, RowsFromTheDesignerPictureList) {
    // An archive of PICITEM records: value, flags, source, name, text.
    struct Entry {
        DWORD value;
        WORD flags;
        std::wstring source, name, text;
    } entries[] = {
        {7, 0x0201, L"zwi51.dll", L"fdr", L"Folder"},
        {9, 0x0001, L"zwi51.dll", L"tblnew", L"By extension"},
        {3, 0x0201, L"zwi51.dll", L"nosuchbitmap", L"No picture"},
        {4, 0x0101, L"", L"", L"Memory refused"},
    };
    std::vector<std::uint8_t> bytes{BYTE(std::size(entries)), 0};
    auto put = [&](DWORD v, int n) {
        for (int i = 0; i < n; ++i) bytes.push_back(BYTE(v >> (8 * i)));
    };
    auto text = [&](const std::wstring& s) {
        put(0xFFFEFF, 3);
        put(DWORD(s.size()), 1);
        for (wchar_t c : s) put(c, 2);
    };
    for (size_t i = 0; i < std::size(entries); ++i) {
        if (i == 0) {
            put(0xFFFF, 2);
            put(1, 2);
            put(7, 2);
            for (char c : std::string("PICITEM")) bytes.push_back(BYTE(c));
        } else {
            put(0x8001, 2);
        }
        put(entries[i].value, 4);
        put(entries[i].flags, 2);
        text(entries[i].source);
        text(entries[i].name);
        text(entries[i].text);
    }
    Form form;
    HWND holder = form.Box(0, 0, 0x2000, 50, 310);
    HWND box = form.Box(kListStyle);
    EXPECT_EQ(ZelPopulatePictureFromProperty(holder, box), 0);  // no designer data yet
    HostTestSetNamedItem(holder, L"ZW:Other", bytes.data(), DWORD(bytes.size()));
    EXPECT_EQ(ZelPopulatePictureFromProperty(holder, box), 0);  // data, but no picture list
    HostTestSetNamedItem(holder, L"ZW:PicItems", bytes.data(), DWORD(bytes.size()));
    ASSERT_EQ(ZelPopulatePictureFromProperty(holder, box), 1);
    EXPECT_EQ(zwtest::RowTexts(box),
              (std::vector<std::wstring>{L"folder", L"by extension", L"no picture", L"memory refused"}));
    const bool pictured[] = {true, true, false, false};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(ZelListGetValue(box, row), LONG_PTR(entries[row].value));
        EXPECT_EQ(NormalPicture(box, row) != nullptr, pictured[row]) << row;
    }
    EXPECT_EQ(ZelPopulatePictureFromProperty(nullptr, box), 0);
    EXPECT_EQ(ZelPopulatePictureFromProperty(holder, nullptr), 0);
    HostTestClearPropData(holder);
}
