// The table window helpers over the replacement host's table window: finding
// rows by text, number and date, reading cells and titles, sizing columns,
// column selection, row colours, row flags and row-header pictures.
#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

#include "tests/win/support/outline_boxes.h"
#include "tests/win/support/window_pixels.h"

namespace {

using zwtest::TakeHostText;

ZW_HOSTVALUE Number(double value) {
    HostNumber number{};
    HostDoubleToNumber(value, &number);
    return std::bit_cast<ZW_HOSTVALUE>(number);
}

ZW_HOSTVALUE Date(const wchar_t* text) {
    HostDate date{};
    HostTextToDate(text, &date);
    return std::bit_cast<ZW_HOSTVALUE>(date);
}

const std::wstring kLongCell = L"Gamma\r\nDelta is the longest line\r\nEnd";

// A table of the host with three columns and four rows, in a hidden form.
class Table : public ::testing::Test {
protected:
    void SetUp() override {
        font_ = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, L"Arial");
        table_ = HostTestCreateTable(form_.Handle(), 0, 0, 360, 200, 500);
        SendMessageW(table_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        for (const wchar_t* title : {L"Name", L"Amount", L"When"}) columns_.push_back(HostTestAddColumn(table_, title, 90));
        const std::vector<std::vector<std::wstring>> rows = {
            {L"Alpha", L"12.5", L"2024-03-05 10:30:15"},
            {L"beta", L"7", L"5 Mar 2024 10:30:15.250"},
            {kLongCell, L"12.50", L"not a date"},
            {L"alphabet", L"x12.5", L"2024-03-06"},
        };
        for (LONG row = 0; row < LONG(rows.size()); ++row) {
            for (int position = 1; position <= 3; ++position) {
                HostTestSetCell(table_, row, position, rows[size_t(row)][size_t(position) - 1].c_str());
            }
        }
    }
    void TearDown() override {
        DestroyWindow(table_);
        DeleteObject(font_);
    }
    int Width(const std::wstring& text) {
        HDC dc = GetDC(table_);
        HGDIOBJ old = SelectObject(dc, font_);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(table_, dc);
        return size.cx;
    }

    zwtest::Form form_;
    HFONT font_ = nullptr;
    HWND table_ = nullptr;
    std::vector<HWND> columns_;
};

}  // namespace

TEST_F(Table, FindByTextNumberAndDate) {
    HWND other = HostTestCreateTable(form_.Handle(), 0, 0, 100, 100, 501);
    HWND foreign = HostTestAddColumn(other, L"Other", 50);
    HWND name = columns_[0], amount = columns_[1];
    struct Case {
        LONG found;
        LONG expected;
        const char* what;
    } cases[] = {
        {ZelTblFindString(table_, 0, nullptr, L"ALPHA"), 0, "any column, case ignored"},
        {ZelTblFindString(table_, 1, nullptr, L"alpha"), 3, "contained in a later row"},
        {ZelTblFindString(table_, 0, amount, L"alpha"), -1, "not in that column"},
        {ZelTblFindString(table_, 0, nullptr, L"7"), 1, "second column"},
        {ZelTblFindString(table_, 0, name, L"longest"), 2, "second line of a cell"},
        {ZelTblFindString(table_, 4, nullptr, L"a"), -1, "start after the last row"},
        {ZelTblFindString(table_, 1000, nullptr, L"a"), -1, "start far beyond"},
        {ZelTblFindString(table_, -1, nullptr, L"a"), -1, "start before the first row"},
        {ZelTblFindString(table_, 0, foreign, L"a"), -1, "column of another table"},
        {ZelTblFindString(nullptr, 0, nullptr, L"a"), -1, "not a table"},
        {ZelTblFindNumber(table_, 0, nullptr, Number(12.5)), 0, "number in any column"},
        {ZelTblFindNumber(table_, 1, amount, Number(12.5)), 2, "12.50 equals 12.5"},
        {ZelTblFindNumber(table_, 3, nullptr, Number(12.5)), -1, "x12.5 is no number"},
        {ZelTblFindNumber(table_, 0, name, Number(7)), -1, "not in that column"},
        {ZelTblFindNumber(nullptr, 0, nullptr, Number(7)), -1, "number: not a table"},
        {ZelTblFindDateTime(table_, 0, nullptr, Date(L"2024-03-05 10:30:15")), 0, "date and time"},
        {ZelTblFindDateTime(table_, 1, nullptr, Date(L"2024-03-05 10:30:15")), 1, "fraction ignored"},
        {ZelTblFindDateTime(table_, 2, nullptr, Date(L"2024-03-05 10:30:15")), -1, "no later match"},
        {ZelTblFindDateTime(table_, 0, nullptr, Date(L"2024-03-06")), 3, "date alone"},
        {ZelTblFindDateTime(table_, 0, nullptr, Date(L"2024-03-05 10:30:16")), -1, "one second off"},
        {ZelTblFindDateTime(table_, 0, other, Date(L"2024-03-06")), -1, "a table as column"},
        {ZelTblFindDateTime(nullptr, 0, nullptr, Date(L"2024-03-06")), -1, "date: not a table"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.found, c.expected) << c.what;
    DestroyWindow(other);
}

TEST_F(Table, CellsAndTitles) {
    const std::wstring tooLong(300, L'w');
    HostTestSetCell(table_, 3, 3, tooLong.c_str());
    EXPECT_EQ(TakeHostText(ZelTblGetCell(table_, 2, columns_[0])), kLongCell);
    EXPECT_EQ(TakeHostText(ZelTblGetCell(table_, 1, columns_[2])), L"5 Mar 2024 10:30:15.250");
    EXPECT_EQ(TakeHostText(ZelTblGetCell(table_, 3, columns_[2])), tooLong.substr(0, 254));
    EXPECT_EQ(TakeHostText(ZelTblGetCell(table_, 4, columns_[0])), L"");
    EXPECT_EQ(TakeHostText(ZelTblGetCell(table_, 0, nullptr)), L"");
    EXPECT_EQ(TakeHostText(ZelTblGetCell(nullptr, 0, columns_[0])), L"");
    EXPECT_EQ(TakeHostText(ZelTblGetColumnTitle(columns_[1])), L"Amount");
    SetWindowTextW(columns_[1], L"Total");
    EXPECT_EQ(TakeHostText(ZelTblGetColumnTitle(columns_[1])), L"Total");
    EXPECT_EQ(TakeHostText(ZelTblGetColumnTitle(nullptr)), L"");
}

TEST_F(Table, AutoSizeToTheWidestLine) {
    const int margins = int(SendMessageW(table_, HOST_TBL_GETCELLMARGIN, 0, 0));
    SetWindowTextW(columns_[1], L"A title wider than every amount");
    struct Case {
        HWND column;
        std::wstring widest;
    } cases[] = {
        {columns_[0], L"Delta is the longest line"},
        {columns_[1], L"A title wider than every amount"},
        {columns_[2], L"5 Mar 2024 10:30:15.250"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(ZelTblAutoSizeColumn(table_, c.column), 1);
        EXPECT_EQ(HostTestColumnWidth(c.column), Width(c.widest) + margins);
    }
    // The columns are placed again side by side.
    RECT first{}, second{};
    GetWindowRect(columns_[0], &first);
    GetWindowRect(columns_[1], &second);
    EXPECT_EQ(second.left, first.right);
    EXPECT_EQ(ZelTblAutoSizeColumn(table_, nullptr), 0);
    EXPECT_EQ(ZelTblAutoSizeColumn(nullptr, columns_[0]), 0);
    EXPECT_EQ(ZelTblAutoSizeColumn(table_, form_.Handle()), 0);
}

TEST_F(Table, ColumnSelectionColoursAndRowFlags) {
    HostTblSetColumnFlag(columns_[0], HOST_COL_SELECTED, TRUE);
    HostTblSetColumnFlag(columns_[2], HOST_COL_SELECTED, TRUE);
    EXPECT_EQ(ZelTblClearColumnSelection(table_), 1);
    for (HWND column : columns_) EXPECT_FALSE(HostTblGetColumnFlag(column, HOST_COL_SELECTED));
    HWND empty = HostTestCreateTable(form_.Handle(), 0, 0, 50, 50, 502);
    EXPECT_EQ(ZelTblClearColumnSelection(empty), 1);
    DestroyWindow(empty);
    EXPECT_EQ(ZelTblClearColumnSelection(nullptr), 0);

    EXPECT_EQ(ZelTblSetRowColor(table_, 1, RGB(200, 0, 0)), 1);
    EXPECT_EQ(ZelTblSetRowColor(table_, 4, RGB(0, 0, 200)), 0);
    EXPECT_EQ(ZelTblSetRowColor(nullptr, 1, RGB(0, 0, 200)), 0);
    for (int position = 1; position <= 3; ++position) {
        EXPECT_EQ(HostTestCellColor(table_, 1, position), RGB(200, 0, 0));
        EXPECT_EQ(HostTestCellColor(table_, 0, position), CLR_INVALID);
        EXPECT_EQ(HostTestCellColor(table_, 3, position), CLR_INVALID);
    }

    HostTestSetRowFlags(table_, 0, HOST_ROW_NEW | HOST_ROW_EDITED);
    HostTestSetRowFlags(table_, 1, HOST_ROW_EDITED);
    HostTestSetRowFlags(table_, 3, HOST_ROW_NEW | HOST_ROW_MARKDELETED);
    struct Case {
        WORD on, off;
        int expected;
    } cases[] = {
        {HOST_ROW_NEW | HOST_ROW_EDITED, 0, 1},
        {HOST_ROW_EDITED, HOST_ROW_NEW, 1},
        {HOST_ROW_EDITED | HOST_ROW_MARKDELETED, 0, 0},  // each row has only one of them
        {HOST_ROW_SELECTED, 0, 0},
        {0, HOST_ROW_NEW | HOST_ROW_EDITED | HOST_ROW_MARKDELETED, 1},
        {HOST_ROW_NEW, HOST_ROW_EDITED | HOST_ROW_MARKDELETED, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ZelTblAllRows(table_, c.on, c.off), c.expected) << c.on << " " << c.off;
    EXPECT_EQ(ZelTblAllRows(nullptr, 0, 0), 0);
}

TEST_F(Table, RowPicturesInTheRowHeaders) {
    auto picture = [](COLORREF colour) {
        // A 16 by 16 bitmap file: a magenta (transparent) border around `colour`.
        std::string b(54 + 16 * 48, '\0');
        const unsigned header[] = {unsigned(b.size()), 0, 54, 40, 16, 16};
        b[0] = 'B';
        b[1] = 'M';
        for (int i = 0; i < 6; ++i) memcpy(&b[2 + 4 * i], &header[i], 4);
        b[26] = 1;
        b[28] = 24;
        for (int i = 0; i < 256; ++i) {
            const bool edge = i % 16 == 0 || i % 16 == 15 || i < 16 || i >= 240;
            const COLORREF c = edge ? RGB(255, 0, 255) : colour;
            b[54 + 3 * i] = char(GetBValue(c));
            b[55 + 3 * i] = char(GetGValue(c));
            b[56 + 3 * i] = char(GetRValue(c));
        }
        return ZelPicLoad(PIC_FromMemory | PIC_FormatBitmap, reinterpret_cast<LPCWSTR>(b.data()), L"");
    };
    ZW_HPIC green = picture(RGB(0, 160, 0)), blue = picture(RGB(0, 0, 160));
    ASSERT_NE(green, nullptr);
    ASSERT_NE(blue, nullptr);
    // Pixels of a row's header that are not the header's own colour.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    auto marks = [&](const zwtest::Pixels& pixels, LONG row, COLORREF colour) {
        RECT header{};
        EXPECT_TRUE(HostTblGetRowHeaderRect(table_, row, &header));
        return colour == CLR_INVALID ? header.right * (header.bottom - header.top) - pixels.Count(face, header)
                                     : pixels.Count(colour, header);
    };
    EXPECT_EQ(ZelTblSetRowPicture(table_, 1, green), 1);
    EXPECT_NE(GetPropW(table_, L"ZW:RowPicture"), nullptr);
    HostTestSetRowFlags(table_, 2, HOST_ROW_NEW);
    zwtest::Pixels shown = zwtest::PrintedPixels(table_, RGB(255, 255, 255));
    EXPECT_EQ(marks(shown, 1, RGB(0, 160, 0)), 14 * 14);
    EXPECT_EQ(marks(shown, 0, CLR_INVALID), 0);
    EXPECT_GT(marks(shown, 2, CLR_INVALID), 0);  // the picture of a new row

    // Replacing a row's picture; a freed picture is not drawn.
    EXPECT_EQ(ZelTblSetRowPicture(table_, 1, blue), 1);
    EXPECT_EQ(ZelTblSetRowPicture(table_, 0, green), 1);
    shown = zwtest::PrintedPixels(table_, RGB(255, 255, 255));
    EXPECT_EQ(marks(shown, 1, RGB(0, 160, 0)), 0);
    EXPECT_EQ(marks(shown, 1, RGB(0, 0, 160)), 14 * 14);
    EXPECT_EQ(marks(shown, 0, RGB(0, 160, 0)), 14 * 14);
    ZelPicFree(green);
    shown = zwtest::PrintedPixels(table_, RGB(255, 255, 255));
    EXPECT_EQ(marks(shown, 0, CLR_INVALID), 0);

    int local = 0;
    EXPECT_EQ(ZelTblSetRowPicture(nullptr, 0, blue), 0);
    EXPECT_EQ(ZelTblSetRowPicture(table_, 0, nullptr), 0);
    EXPECT_EQ(ZelTblSetRowPicture(table_, 0, reinterpret_cast<ZW_HPIC>(&local)), 0);
    ZelPicFree(blue);
}
