// The populate functions and the table helpers in the sample application: a
// directory tree of the folder the application runs in, the drives in a
// combo box, and a host table whose rows have colours and header pictures,
// its columns sized to their content.
#include <windows.h>

#include <algorithm>
#include <string>

#include "host/host_test.h"
#include "include/zwi51.h"

namespace {

constexpr int kBandHeight = 200;  // added to the form for the directory, drive and table band

void __stdcall MakeOutline(HWND window, CREATESTRUCTW* create, void* style) {
    ZelListSetStyle(window, *static_cast<DWORD*>(style), create);
}

HWND NewBox(HWND form, DWORD type, DWORD windowStyle, DWORD outline, int x, int y, int height, int id) {
    HWND box = HostTestCreateList(form, type, WS_CHILD | WS_VISIBLE | WS_VSCROLL | windowStyle, x, y, 200, height, id,
                                  &MakeOutline, &outline);
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return box;
}

void Label(HWND form, const wchar_t* text, int x, int y) {
    HWND label = CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE, x, y, 205, 16, form, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

void FillTable(HWND table) {
    SendMessageW(table, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    HWND columns[3];
    const wchar_t* titles[3] = {L"Order", L"Customer", L"Amount"};
    for (int c = 0; c < 3; ++c) columns[c] = HostTestAddColumn(table, titles[c], 60);
    const wchar_t* rows[][3] = {
        {L"1001", L"Harbour Supplies", L"1,250.00"}, {L"1002", L"North Mill", L"310.50"},
        {L"1003", L"Lakeside Bakery", L"89.99"},     {L"1004", L"Stone & Sons", L"4,020.00"},
        {L"1005", L"Orchard Farm", L"17.25"},        {L"1006", L"Riverside Tools", L"645.00"},
    };
    for (LONG row = 0; row < 6; ++row) {
        for (int c = 0; c < 3; ++c) HostTestSetCell(table, row, c + 1, rows[row][c]);
    }
    for (HWND column : columns) ZelTblAutoSizeColumn(table, column);
    ZelTblSetRowColor(table, 1, RGB(192, 0, 0));  // overdue
    ZelTblSetRowColor(table, 3, RGB(0, 128, 0));  // paid
    // Rows of the host's own states show the library's state pictures.
    HostTestSetRowFlags(table, 4, HOST_ROW_NEW);
    HostTestSetRowFlags(table, 5, HOST_ROW_EDITED);
    ZW_HPIC flag = ZelPicLoad(PIC_FromModule | PIC_FormatBitmap, L"zwi51.dll", L"fdropen");
    ZelTblSetRowPicture(table, 0, flag);
    ZelTblSetRowPicture(table, 1, ZelPicLoad(PIC_FromModule | PIC_FormatBitmap, L"zwi51.dll", L"tbldel"));
}

// A small folder tree of a company's documents in the temporary folder, for
// the directory tree to show: the folder itself and its sub-folders.
std::wstring SampleFolders() {
    WCHAR temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"zwi51 sample";
    CreateDirectoryW(root.c_str(), nullptr);
    for (const wchar_t* name : {L"Accounts", L"Customers", L"Invoices", L"Orders", L"Reports", L"Stock"})
        CreateDirectoryW((root + L"\\" + name).c_str(), nullptr);
    return root;
}

}  // namespace

void ShowPopulateDemo(HWND form) {
    RECT frame{}, client{};
    GetWindowRect(form, &frame);
    GetClientRect(form, &client);
    SetWindowPos(form, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + kBandHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int y = client.bottom + 4;
    Label(form, L"Directory tree (ZelPopulateDirTree)", 14, y);
    Label(form, L"Drives (ZelPopulateDrives)", 224, y);
    Label(form, L"Table: row colours and pictures", 434, y);
    const std::wstring folder = SampleFolders();
    ZelPopulateDirTree(NewBox(form, 0x2000, WS_BORDER, 0x4403, 14, y + 18, kBandHeight - 40, 910), folder.c_str());
    ZelPopulateDrives(NewBox(form, 0x4000, CBS_DROPDOWNLIST, 0x0A000005, 224, y + 18, 150, 911));
    const int tableWidth = std::max(190, int(client.right) - 434 - 14);
    FillTable(HostTestCreateTable(form, 434, y + 18, tableWidth, kBandHeight - 40, 912));
}
