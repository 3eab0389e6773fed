// The fields of a host form through the window utilities: flag words, the
// required-field test run on every keystroke and selection with the buttons
// that follow it, read-only and path-display fields, and clearing fields and
// edited marks. Forms and fields are the replacement host's own.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win/support/zwtest.h"

namespace {

using zwtest::WindowText;

constexpr int kOkId = 1, kSaveId = 2;

// A host form in its hidden frame, and a second form in the same frame
// standing for a tool bar.
struct HostForm {
    HostForm() : form(HostTestCreateForm(nullptr, 0, 30, 400, 300)), frame(GetParent(form)) {
        toolbar = HostTestCreateForm(frame, 0, 0, 400, 30);
    }
    ~HostForm() {
        DestroyWindow(frame);
        zwtest::PumpMessages();
    }
    HWND Field(DWORD type, int id, DWORD style = WS_VISIBLE) const {
        return HostTestCreateObject(form, type, style, 10, 10 + 30 * id, 200, 24, id);
    }
    HWND List(DWORD type, DWORD style, int id) const {
        return HostTestCreateList(form, type, WS_CHILD | WS_VISIBLE | style, 220, 10 + 30 * id, 150, 120, id,
                                  nullptr, nullptr);
    }
    HWND Button(HWND parent, const wchar_t* text, int id) const {
        return CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 300, 250, 80, 24, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    }
    HWND form, frame, toolbar;
};

void Type(HWND field, wchar_t c) { SendMessageW(field, WM_CHAR, c, 1); }

// What the buttons saw of one step: host enables and disables since the last
// step, and whether each is enabled now.
struct ButtonCalls {
    int enables = 0, disables = 0;
    bool enabled = false;
    bool operator==(const ButtonCalls&) const = default;
};

TEST(WinFields, RequiredFieldsAreTestedOnEveryChangeAndButtonsFollow) {
    HostForm f;
    HWND name = f.Field(HOST_TYPE_FIELD, 10);
    HWND notes = f.Field(HOST_TYPE_MULTILINE_FIELD, 11);
    HWND optional = f.Field(HOST_TYPE_FIELD, 12);
    HWND kind = f.List(HOST_TYPE_COMBOBOX, CBS_DROPDOWNLIST, 13);
    HWND rooms = f.List(HOST_TYPE_LISTBOX, LBS_NOTIFY, 14);
    for (HWND list : {kind, rooms}) {
        for (const wchar_t* row : {L"alpha", L"beta"})
            SendMessageW(list, list == kind ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
    }
    HWND ok = f.Button(f.form, L"&OK", kOkId);
    HWND save = f.Button(f.toolbar, L"Save", kSaveId);
    for (HWND required : {name, notes, kind, rooms}) ASSERT_TRUE(ZelWinSetFlags(required, WF_Required, 1));
    for (HWND button : {ok, save}) ASSERT_TRUE(ZelWinSetFlags(button, WF_EnableWhenFilled, 1));
    EXPECT_EQ(ZelWinGetFlags(ok), DWORD(WF_EnableWhenFilled));
    EXPECT_EQ(ZelWinIsRequiredFieldNull(f.form), name) << "the first empty required field in z-order";

    struct Step {
        const char* what;
        std::function<void()> act;
        HWND firstEmpty;
        ButtonCalls ok, save;
    } steps[] = {
        {"type into the name", [&] { Type(name, L'a'); }, notes, {0, 1, false}, {0, 1, false}},
        {"type into the notes", [&] { Type(notes, L'b'); }, kind, {0, 1, false}, {0, 1, false}},
        {"optional field: still incomplete", [&] { Type(optional, L'c'); }, kind, {0, 1, false}, {0, 1, false}},
        {"choose in the drop-down list", [&] { SendMessageW(kind, WM_KEYDOWN, VK_DOWN, 0); }, rooms,
         {0, 1, false}, {0, 1, false}},
        {"select a room: all filled", [&] { SendMessageW(rooms, WM_KEYDOWN, VK_DOWN, 0); }, nullptr,
         {1, 0, true}, {1, 0, true}},
        {"second character", [&] { Type(name, L'd'); }, nullptr, {1, 0, true}, {1, 0, true}},
        {"erase the name", [&] { SetWindowTextW(name, L""); }, name, {0, 1, false}, {0, 1, false}},
        // The tool bar's walk covers its own children, none of them required
        // and empty: the buttons of both forms come on.
        {"a change in the tool bar", [&] { SendMessageW(f.toolbar, WM_COMMAND, MAKEWPARAM(99, EN_CHANGE), 0); },
         name, {1, 0, true}, {1, 0, true}},
        {"a change in the form again", [&] { Type(notes, L'f'); }, name, {0, 1, false}, {0, 1, false}},
        {"type the name again", [&] { Type(name, L'e'); }, nullptr, {1, 0, true}, {1, 0, true}},
        {"other notifications do not", [&] { SendMessageW(f.form, WM_COMMAND, MAKEWPARAM(10, EN_SETFOCUS),
             reinterpret_cast<LPARAM>(name)); }, nullptr, {0, 0, true}, {0, 0, true}},
    };
    auto calls = [](HWND button) {
        return ButtonCalls{HostTestObjectCalls(button, 3025), HostTestObjectCalls(button, 3026),
                           IsWindowEnabled(button) != FALSE};
    };
    ButtonCalls okBefore = calls(ok), saveBefore = calls(save);
    for (const Step& step : steps) {
        step.act();
        const ButtonCalls okNow = calls(ok), saveNow = calls(save);
        EXPECT_EQ(ZelWinIsRequiredFieldNull(f.form), step.firstEmpty) << step.what;
        const ButtonCalls okStep{okNow.enables - okBefore.enables, okNow.disables - okBefore.disables,
                                 okNow.enabled};
        const ButtonCalls saveStep{saveNow.enables - saveBefore.enables, saveNow.disables - saveBefore.disables,
                                   saveNow.enabled};
        EXPECT_EQ(okStep, step.ok) << step.what;
        EXPECT_EQ(saveStep, step.save) << step.what;
        okBefore = okNow;
        saveBefore = saveNow;
    }
}

TEST(WinFields, EmptinessByKindOfField) {
    HostForm f;
    struct Case {
        const char* what;
        DWORD type, style;
        std::function<void(HWND)> fill;
        bool empty;
    } cases[] = {
        {"empty data field", HOST_TYPE_FIELD, 0, [](HWND) {}, true},
        {"data field with text", HOST_TYPE_FIELD, 0, [](HWND w) { SetWindowTextW(w, L"x"); }, false},
        {"multi-line field with text", HOST_TYPE_MULTILINE_FIELD, 0, [](HWND w) { SetWindowTextW(w, L"a\r\nb"); },
         false},
        {"list box without selection", HOST_TYPE_LISTBOX, 0, [](HWND) {}, true},
        {"list box with selection", HOST_TYPE_LISTBOX, 0, [](HWND w) { SendMessageW(w, LB_SETCURSEL, 1, 0); },
         false},
        {"multiple-selection list, nothing selected", HOST_TYPE_LISTBOX, LBS_MULTIPLESEL,
         [](HWND w) { SendMessageW(w, LB_SETCARETINDEX, 1, 0); }, true},
        {"multiple-selection list, one selected", HOST_TYPE_LISTBOX, LBS_MULTIPLESEL,
         [](HWND w) { SendMessageW(w, LB_SETSEL, TRUE, 1); }, false},
        {"drop-down list without selection", HOST_TYPE_COMBOBOX, CBS_DROPDOWNLIST, [](HWND) {}, true},
        {"drop-down list with selection", HOST_TYPE_COMBOBOX, CBS_DROPDOWNLIST,
         [](HWND w) { SendMessageW(w, CB_SETCURSEL, 0, 0); }, false},
        {"combo box, no selection, no text", HOST_TYPE_COMBOBOX, CBS_DROPDOWN, [](HWND) {}, true},
        {"combo box, no selection, typed text", HOST_TYPE_COMBOBOX, CBS_DROPDOWN,
         [](HWND w) { SetWindowTextW(w, L"gamma"); }, false},
        {"check box is never empty", HOST_TYPE_CHECKBOX, 0, [](HWND) {}, false},
    };
    int id = 20;
    for (const Case& c : cases) {
        HWND window = c.type == HOST_TYPE_LISTBOX || c.type == HOST_TYPE_COMBOBOX ? f.List(c.type, c.style, id)
                                                                                    : f.Field(c.type, id, c.style);
        ++id;
        ASSERT_NE(window, nullptr) << c.what;
        for (const wchar_t* row : {L"alpha", L"beta"})
            SendMessageW(window, c.type == HOST_TYPE_COMBOBOX ? CB_ADDSTRING : LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(row));
        c.fill(window);
        EXPECT_EQ(ZelWinIsRequiredFieldNull(f.form), nullptr) << c.what << ": not yet required";
        ASSERT_TRUE(ZelWinSetFlags(window, WF_Required, 1));
        EXPECT_EQ(ZelWinIsRequiredFieldNull(f.form), c.empty ? window : nullptr) << c.what;
        ASSERT_TRUE(ZelWinSetFlags(window, WF_Required, 0));
        EXPECT_EQ(ZelWinGetFlags(window), 0u) << c.what;
        DestroyWindow(window);
    }
}

TEST(WinFields, ReadOnlyFieldsAndButtons) {
    HostForm f;
    HWND field = f.Field(HOST_TYPE_FIELD, 10, WS_VISIBLE | WS_TABSTOP);
    HWND check = f.Field(HOST_TYPE_CHECKBOX, 11, WS_VISIBLE | WS_TABSTOP);
    auto click = [](HWND window) {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    };
    auto style = [](HWND window) { return GetWindowLongW(window, GWL_STYLE); };

    ASSERT_TRUE(ZelWinSetFlags(field, WF_ReadOnly | WF_KeepEdited, 1));
    ASSERT_TRUE(ZelWinSetFlags(check, WF_ReadOnly, 1));
    EXPECT_EQ(ZelWinGetFlags(field), DWORD(WF_ReadOnly | WF_KeepEdited));
    EXPECT_FALSE(style(field) & WS_TABSTOP);
    EXPECT_TRUE(style(field) & ES_READONLY);
    EXPECT_FALSE(style(check) & WS_TABSTOP);
    click(check);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "clicks on a read-only check box are swallowed";
    Type(field, L'x');
    EXPECT_EQ(WindowText(field), L"") << "a read-only data field takes no typing";

    ASSERT_TRUE(ZelWinSetFlags(field, WF_ReadOnly, 0));
    ASSERT_TRUE(ZelWinSetFlags(check, WF_ReadOnly, 0));
    EXPECT_EQ(ZelWinGetFlags(field), DWORD(WF_KeepEdited));
    EXPECT_TRUE(style(field) & WS_TABSTOP) << "clearing the flag restores the tab stop";
    EXPECT_FALSE(style(field) & ES_READONLY) << "and makes the field editable again";
    EXPECT_TRUE(style(check) & WS_TABSTOP);
    click(check);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    Type(field, L'x');
    EXPECT_EQ(WindowText(field), L"x");
}

TEST(WinFields, PathDisplayShortensTextToTheFieldsWidth) {
    HostForm f;
    HWND field = f.Field(HOST_TYPE_FIELD, 10);
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ASSERT_TRUE(ZelWinSetFlags(field, WF_PathDisplay, 1));
    RECT client;
    GetClientRect(field, &client);
    HDC dc = GetDC(field);
    HGDIOBJ before = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    auto width = [dc](const std::wstring& text) {
        SIZE size = {};
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
        return int(size.cx);
    };
    const std::wstring shortPath = L"C:\\data\\file.txt";
    const std::wstring longPath = L"C:\\Program Files\\Some Vendor\\Some Product\\Version 5\\settings.ini";
    SetWindowTextW(field, shortPath.c_str());
    EXPECT_EQ(WindowText(field), shortPath) << "a path that fits is left as it is";
    SetWindowTextW(field, longPath.c_str());
    const std::wstring shown = WindowText(field);
    EXPECT_LE(width(shown), client.right);
    EXPECT_EQ(shown.rfind(L"C:\\...\\", 0), 0u) << std::string(shown.begin(), shown.end());
    EXPECT_EQ(shown.substr(shown.size() - 12), L"settings.ini");
    SelectObject(dc, before);
    ReleaseDC(field, dc);

    ASSERT_TRUE(ZelWinSetFlags(field, WF_PathDisplay, 0));
    SetWindowTextW(field, longPath.c_str());
    EXPECT_EQ(WindowText(field), longPath) << "without the flag the text goes in whole";
}

// A procedure put under the field procedure: it sees every message the
// field passes on, and checks at the end that the flag block is gone.
WNDPROC underlying = nullptr;
int ncDestroySeen = 0;
bool blockGoneAtEnd = false;
LRESULT CALLBACK Underneath(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        ++ncDestroySeen;
        blockGoneAtEnd = GetPropW(window, L"ZW:WinFlags") == nullptr;
    }
    return CallWindowProcW(underlying, window, message, wParam, lParam);
}

TEST(WinFields, FieldProcedureLeavesWithItsWindow) {
    HostForm f;
    HWND field = f.Field(HOST_TYPE_FIELD, 10);
    underlying = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Underneath)));
    ASSERT_TRUE(ZelWinSetFlags(field, WF_Required, 1));
    EXPECT_NE(GetPropW(field, L"ZW:WinFlags"), nullptr);
    ncDestroySeen = 0;
    DestroyWindow(field);
    EXPECT_EQ(ncDestroySeen, 1);
    EXPECT_TRUE(blockGoneAtEnd);
}

TEST(WinFields, ClearAllFieldsAndEditFlags) {
    HostForm f;
    HWND name = f.Field(HOST_TYPE_FIELD, 10);
    HWND notes = f.Field(HOST_TYPE_MULTILINE_FIELD, 11);
    HWND kept = f.Field(HOST_TYPE_FIELD, 12);
    HWND check = f.Field(HOST_TYPE_CHECKBOX, 13);
    HWND option = f.Field(HOST_TYPE_OPTION_BUTTON, 14);
    HWND other = f.Field(HOST_TYPE_CLEARABLE, 15);
    HWND list = f.List(HOST_TYPE_LISTBOX, 0, 16);
    HWND combo = f.List(HOST_TYPE_COMBOBOX, CBS_DROPDOWN, 17);
    HWND button = f.Button(f.form, L"OK", kOkId);  // not a host object: never counted
    for (HWND field : {name, notes, kept, other, combo}) SetWindowTextW(field, L"text");
    for (HWND box : {list, combo})
        SendMessageW(box, box == list ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"row"));
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    ASSERT_TRUE(ZelWinSetFlags(kept, WF_KeepOnClear | WF_KeepEdited, 1));
    for (HWND field : {name, notes, kept}) HostSetFieldEdited(field, TRUE);

    EXPECT_EQ(ZelWinClearAllEditFlags(f.form), 2);
    EXPECT_FALSE(HostTestIsFieldEdited(name));
    EXPECT_FALSE(HostTestIsFieldEdited(notes));
    EXPECT_TRUE(HostTestIsFieldEdited(kept));

    EXPECT_EQ(ZelWinClearAllFields(f.form), 7);
    for (HWND field : {name, notes, other, combo}) EXPECT_EQ(WindowText(field), L"");
    EXPECT_EQ(WindowText(kept), L"text");
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(option, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(HostTestObjectCalls(other, 3024), 1) << "the further kind is cleared by the host";
    EXPECT_EQ(HostTestObjectCalls(combo, 3023), 1);
    EXPECT_EQ(WindowText(button), L"OK");
}

TEST(WinFields, BadWindowsGiveTheFailureValues) {
    HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    for (HWND bad : {HWND(nullptr), gone, reinterpret_cast<HWND>(0x1234)}) {
        EXPECT_EQ(ZelWinClearAllFields(bad), -87);
        EXPECT_EQ(ZelWinClearAllEditFlags(bad), -87);
        EXPECT_EQ(ZelWinIsRequiredFieldNull(bad), nullptr);
        EXPECT_EQ(ZelWinGetFlags(bad), 0u);
        EXPECT_FALSE(ZelWinSetFlags(bad, WF_Required, 1));
    }
    // A window of another process cannot be subclassed.
    EXPECT_FALSE(ZelWinSetFlags(GetDesktopWindow(), WF_Required, 1));
    EXPECT_EQ(ZelWinGetFlags(GetDesktopWindow()), 0u);
}

}  // namespace
