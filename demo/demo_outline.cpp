// The outline list box in the sample application: a host list box turned
// into an outline while the host creates it, filled from an indented text
// file, with pictures, fonts, colours and plus/minus buttons; and a second
// box whose plain rows carry their own colours, fonts and pictures.
#include <windows.h>

#include <string>

#include "host/host_test.h"
#include "include/zwi51.h"

namespace {

constexpr int kRowHeight = 200;  // added to the form for the outline boxes

// The host application gives the box its outline style while it is created:
// owner-drawn styles only take effect then.
void __stdcall MakeOutline(HWND window, CREATESTRUCTW* create, void* style) {
    ZelListSetStyle(window, *static_cast<DWORD*>(style), create);
}

HWND NewBox(HWND form, DWORD style, int x, int y, int id) {
    HWND box = HostTestCreateList(form, 0x2000, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, x, y, 200,
                                  kRowHeight - 40, id, &MakeOutline, &style);
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return box;
}

ZW_HPIC LibraryBitmap(const wchar_t* name) {
    return ZelPicLoad(PIC_FromModule | PIC_FormatBitmap | PIC_OwnedByList, L"zwi51.dll", name);
}

std::wstring BesideProgram(const wchar_t* name) {
    WCHAR path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

void Label(HWND form, const wchar_t* text, int x, int y) {
    HWND label = CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE, x, y, 205, 16, form, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

void FillTree(HWND box) {
    ZW_HPIC folder = LibraryBitmap(L"fdr"), open = LibraryBitmap(L"fdropen"), page = LibraryBitmap(L"tbledit");
    const std::wstring file = BesideProgram(L"sample_outline.txt");
    ZW_HITEM root = ZelListLoadOutlineFile(box, file.c_str(), folder, open, page, page);
    if (!root) return;
    ZelListShowOutline(box, 1);
    ZelListExpand(box, 1);  // Sales
    HFONT bold = ZelFontLoad(L"Arial", 9, 0x08);
    ZelListSetItemFont(ZelListGetItemHandle(box, 0), bold);
    ZelListSetItemColor(ZelListGetItemHandle(box, 3), RGB(192, 0, 0));  // Invoices
    ZelListDisableItem(box, 4, RGB(128, 128, 128));                    // Customers
    SendMessageW(box, LB_SETCURSEL, 2, 0);                              // Orders
}

void FillRows(HWND box) {
    ZelListAddPicture(box, L"Hard disk", LibraryBitmap(L"drvhard2"), nullptr);
    ZelListAddPicture(box, L"Network drive", LibraryBitmap(L"drvnet2"), nullptr);
    ZelListAddColor(box, L"Overdue", RGB(200, 0, 0));
    ZelListAddColor(box, L"Paid", RGB(0, 128, 0));
    ZelListAddFont(box, L"Large italic", ZelFontLoad(L"Times New Roman", 14, 0x02));
    ZelListAddFont(box, L"Bold and underlined", ZelFontLoad(L"Arial", 9, 0x08 | 0x04));
}

}  // namespace

void ShowOutlineDemo(HWND form) {
    RECT frame{}, client{};
    GetWindowRect(form, &frame);
    GetClientRect(form, &client);
    SetWindowPos(form, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + kRowHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int y = client.bottom + 4;
    Label(form, L"Outline list box", 14, y);
    Label(form, L"Rows with colours, fonts, pictures", 224, y);
    FillTree(NewBox(form, ZW_LS_BUTTONS, 14, y + 18, 900));
    FillRows(NewBox(form, ZW_LS_OUTLINE, 224, y + 18, 901));
}
