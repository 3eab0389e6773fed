// The drop-down framework on a drop-down of its own: a container with a plain
// edit and a popup that asks to be closed as the library's popups do (code 8
// on Escape and on focus loss; code 1 on Enter first). Layout, the button,
// dropping down and closing up by button, keys and focus loss, the host's
// refusal, edit changes, colour questions and the popup's placement near the
// screen's edges. No export makes a bare container, so this program links the
// library's objects and starts them as the library's loader would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/dropdown/combo_button.h"
#include "controls/dropdown/combo_ctrl.h"
#include "controls/dropdown/dropdown_protocol.h"
#include "controls/dropdown/edit_cmb.h"
#include "controls/dropdown/inner_class.h"
#include "tests/win/support/calendar_harness.h"
#include "tests/win/support/window_pixels.h"
#include "tests/win/support/zwtest.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

using namespace zwtest;
using zw::CComboCtrl;

namespace {

const bool started = DllMain(GetModuleHandleW(nullptr), DLL_PROCESS_ATTACH, nullptr) != FALSE;

// A popup that reports to its owner like the library's popups. (A popup
// made with a child as its parent is owned by the child's top-level window,
// so the container is named as the owner.)
class TestPopup : public zw::Wnd {
public:
    static constexpr wchar_t kClassName[] = L"ZwTest:Popup";
    static constexpr UINT kClassStyle = 0;
    HWND owner = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) zw::dropdown::PostNotification(owner, Handle(), 1);
            if (wParam == VK_ESCAPE || wParam == VK_RETURN) zw::dropdown::PostNotification(owner, Handle(), 8);
            return 0;
        case WM_KILLFOCUS:
            ShowWindow(Handle(), SW_HIDE);
            zw::dropdown::PostNotification(owner, Handle(), 8);
            zw::dropdown::PostNotification(owner, Handle(), 2);
            return 0;
        }
        return Default(message, wParam, lParam);
    }
    void PostNcDestroy() override { delete this; }
};

class TestCombo : public CComboCtrl {
public:
    static constexpr wchar_t kClassName[] = L"ZwTest:Combo";
    static constexpr UINT kClassStyle = CS_DBLCLKS;
    using CComboCtrl::Layout;

protected:
    void CreateChildren(const CREATESTRUCTW&) override {
        RECT client{};
        GetClientRect(Handle(), &client);
        auto* edit = zw::CEditCmb::Create(new zw::CEditCmb, zw::dropdown::FieldStyle(), client, Handle(), 0);
        ASSERT_NE(edit, nullptr);
        SetEditChild(edit->Handle());
        auto* popup = zw::InnerClass<TestPopup>::Create(new TestPopup, zw::dropdown::kPopupStyle,
                                                        RECT{0, 0, 120, 90}, Handle(), 0);
        ASSERT_NE(popup, nullptr);
        popup->owner = Handle();
        SetPopup(popup->Handle());
    }
};

// A drop-down at 8, 8 of a form, 100 x 20 unless asked otherwise.
struct DropDown {
    CalendarForm form;
    TestCombo* combo = nullptr;
    HWND window = nullptr, edit = nullptr, button = nullptr, popup = nullptr;

    explicit DropDown(RECT where = RECT{8, 8, 108, 28}) {
        combo = zw::InnerClass<TestCombo>::Create(new TestCombo, WS_CHILD | WS_VISIBLE, where, form.Handle(), 100);
        if (!combo) return;
        window = combo->Handle();
        edit = combo->EditWindow();
        button = combo->ButtonWindow();
        popup = combo->PopupWindow();
        SetFocus(form.Handle());
        form.TakeNotifications(window);
    }
    std::vector<int> Notes() { return form.TakeNotifications(window); }
    void Press() {
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    bool Open() const { return combo->IsDroppedDown() && IsWindowVisible(popup); }
    bool Locked() const { return (combo->Button()->State() & zw::CCmbBtn::kLocked) != 0; }
};

RECT ChildRect(HWND child) {
    RECT r = WindowRect(child);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

TEST(DropDownFramework, LaysOutEditAndButtonAndMakesTheButtonClass) {
    ASSERT_TRUE(started);
    DropDown d;
    ASSERT_NE(d.window, nullptr);
    const int b = GetSystemMetrics(SM_CXVSCROLL);
    const RECT edit = ChildRect(d.edit), button = ChildRect(d.button);
    EXPECT_EQ(edit.left, 0);
    EXPECT_EQ(edit.right, 100 - b);
    EXPECT_EQ(edit.bottom - edit.top, 20);
    EXPECT_EQ(button.left, 100 - b);
    EXPECT_EQ(button.right, 100);
    EXPECT_EQ(button.bottom - button.top, 20);
    WCHAR name[32] = {};
    GetClassNameW(d.button, name, 32);
    EXPECT_STREQ(name, L"ZW:CmbBtn:10");
    EXPECT_EQ(GetClassLongW(d.button, GCL_STYLE), 0x400Bu);
    EXPECT_EQ(DWORD(GetWindowLongW(d.button, GWL_STYLE)), 0x54000000u);
    EXPECT_EQ(SendMessageW(d.window, WM_GETDLGCODE, 0, 0), 0x81);
    EXPECT_TRUE(d.combo->IsCreated());
    // Text goes through to the edit.
    SetWindowTextW(d.window, L"abc");
    WCHAR text[8] = {};
    GetWindowTextW(d.edit, text, 8);
    EXPECT_STREQ(text, L"abc");
    EXPECT_EQ(GetWindowTextLengthW(d.window), 3);
    // Fonts go to all three children.
    const HFONT font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    SendMessageW(d.window, WM_SETFONT, WPARAM(font), 0);
    EXPECT_EQ(HFONT(SendMessageW(d.window, WM_GETFONT, 0, 0)), font);
    EXPECT_EQ(HFONT(SendMessageW(d.edit, WM_GETFONT, 0, 0)), font);
    DestroyWindow(d.window);
    EXPECT_FALSE(IsWindow(d.popup)) << "the popup goes with the container";
}

TEST(DropDownFramework, OpensAndClosesByButtonKeysAndFocusLoss) {
    DropDown d;
    ASSERT_NE(d.window, nullptr);
    // The popup's own focus loss follows each close (2, passed on).
    const std::vector<int> opened{7}, closed{8, 2};
    struct Way {
        const char* name;
        void (*open)(DropDown&);
        void (*close)(DropDown&);
    };
    const Way ways[] = {
        {"button, Escape", [](DropDown& x) { x.Press(); }, [](DropDown& x) { Key(x.popup, VK_ESCAPE); }},
        {"Alt+Down, Enter", [](DropDown& x) { SendMessageW(x.edit, WM_SYSKEYDOWN, VK_DOWN, 1 << 29); },
         [](DropDown& x) { Key(x.popup, VK_RETURN); }},
        {"F4, focus loss", [](DropDown& x) { Key(x.edit, VK_F4); },
         [](DropDown& x) { SetFocus(x.form.Handle()); }},
    };
    for (const Way& w : ways) {
        SetFocus(d.edit);
        d.Notes();
        const int edited = HostTestFieldEditedCount(nullptr);
        w.open(d);
        EXPECT_EQ(d.Notes(), opened) << w.name;

        EXPECT_TRUE(d.Open()) << w.name;
        EXPECT_TRUE(d.Locked()) << w.name;
        EXPECT_EQ(GetFocus(), d.popup) << w.name;
        EXPECT_EQ(d.combo->State(), 0x08) << w.name;
        w.close(d);
        EXPECT_EQ(d.Notes(), closed) << w.name;

        EXPECT_FALSE(d.Open()) << w.name;
        EXPECT_FALSE(d.Locked()) << w.name;
        const HWND focusAfter = w.close == ways[2].close ? d.form.Handle() : d.edit;
        EXPECT_EQ(GetFocus(), focusAfter) << w.name << ": the focus goes back unless another window took it";
        // Enter's value change marks the host field edited.
        EXPECT_EQ(HostTestFieldEditedCount(nullptr) - edited, w.close == ways[1].close ? 1 : 0) << w.name;
    }
    // A second press while down goes to the container first, which takes the
    // focus back: the popup closes through its focus loss, and the locked
    // button does not open it again.
    d.Press();
    d.Notes();
    d.Press();
    EXPECT_EQ(d.Notes(), closed);
    EXPECT_FALSE(d.Open());
}

TEST(DropDownFramework, TheHostsRefusalKeepsItClosedAndTheFocusWhereItWas) {
    DropDown d;
    ASSERT_NE(d.window, nullptr);
    SetFocus(d.form.Handle());
    HostTestSetFocusAnswer(FALSE);
    d.Press();
    EXPECT_TRUE(d.Notes().empty());
    HostTestSetFocusAnswer(TRUE);
    EXPECT_FALSE(d.Open());
    EXPECT_EQ(GetFocus(), d.form.Handle());
    EXPECT_FALSE(d.combo->Field()->AcceptedFocus());
    // Allowed, the same press opens it, the edit having taken the focus first.
    d.Press();
    EXPECT_EQ(d.Notes(), std::vector<int>{7});
    EXPECT_TRUE(d.Open());
    EXPECT_TRUE(d.combo->Field()->AcceptedFocus());
    HWND asked = nullptr;
    HostTestValidateFocusCount(&asked);
    EXPECT_EQ(asked, d.window) << "the container asks last, for the drop-down";
    Key(d.popup, VK_ESCAPE);
    d.Notes();
}

TEST(DropDownFramework, EditChangesReachTheOwnerAndTheHost) {
    DropDown d;
    ASSERT_NE(d.window, nullptr);
    SetFocus(d.edit);
    const int edited = HostTestFieldEditedCount(nullptr);
    Char(d.edit, L'x');
    HWND field = nullptr;
    EXPECT_EQ(HostTestFieldEditedCount(&field) - edited, 1);
    EXPECT_EQ(field, d.window);
    MSG msg{};
    EXPECT_TRUE(PeekMessageW(&msg, d.window, zw::dropdown::ZWM_EditChanged, zw::dropdown::ZWM_EditChanged, PM_REMOVE));
    EXPECT_EQ(d.Notes(), std::vector<int>{0x300});
    // A read-only edit marks nothing; without the focus no host message.
    EXPECT_TRUE(d.combo->SetEditable(false));
    Char(d.edit, L'y');
    EXPECT_EQ(HostTestFieldEditedCount(nullptr) - edited, 1);
    SetFocus(d.form.Handle());
    SetWindowTextW(d.window, L"z");
    EXPECT_FALSE(PeekMessageW(&msg, d.window, zw::dropdown::ZWM_EditChanged, zw::dropdown::ZWM_EditChanged, PM_REMOVE));
    EXPECT_EQ(d.Notes(), std::vector<int>{0x300});
    EXPECT_FALSE(d.combo->SetEditable(true));
}

TEST(DropDownFramework, ChildColourQuestionsGoToTheParent) {
    DropDown d;
    ASSERT_NE(d.window, nullptr);
    d.form.SetListColours(RGB(1, 2, 3), RGB(4, 5, 6));
    HDC dc = GetDC(d.edit);
    EXPECT_EQ(SendMessageW(d.window, WM_CTLCOLORLISTBOX, WPARAM(dc), LPARAM(d.popup)),
              SendMessageW(d.form.Handle(), WM_CTLCOLORLISTBOX, WPARAM(dc), LPARAM(d.window)));
    EXPECT_EQ(GetTextColor(dc), RGB(4, 5, 6));
    EnableWindow(d.window, FALSE);
    EXPECT_EQ(d.combo->State() & CComboCtrl::kStateDisabled, CComboCtrl::kStateDisabled);
    EXPECT_FALSE(IsWindowEnabled(d.button)) << "the arrow turns grey";
    SendMessageW(d.window, WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(d.edit));
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_GRAYTEXT));
    EnableWindow(d.window, TRUE);
    ReleaseDC(d.edit, dc);
    DebugCapture debug;
    EXPECT_EQ(SendMessageW(d.window, 0x0019 /* WM_CTLCOLOR */, 0, MAKELPARAM(0, 9)), 0);
    EXPECT_NE(debug.All().find(L"CComboCtrl::OnCtlColor() - Unknown Win32 CtlColor code."), std::wstring::npos);
}

TEST(DropDownFramework, PlacesThePopupBelowOrAboveOnTheScreen) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    struct Case {
        const char* name;
        RECT where;     // in the form at 10, 10
        bool above;
        bool atRight;   // pushed left to the screen's right edge
    };
    const Case cases[] = {
        {"room below", {8, 8, 108, 28}, false, false},
        {"near the bottom", {8, screenHeight - 40, 108, screenHeight - 20}, true, false},
        {"near the right", {screenWidth - 60, 8, screenWidth - 20, 28}, false, true},
    };
    for (const Case& c : cases) {
        DropDown d(c.where);
        ASSERT_NE(d.window, nullptr) << c.name;
        SetWindowPos(d.form.Handle(), nullptr, 0, 0, screenWidth, screenHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        MoveWindow(d.window, c.where.left, c.where.top, c.where.right - c.where.left, c.where.bottom - c.where.top,
                   TRUE);
        d.Press();
        d.Notes();
        ASSERT_TRUE(d.Open()) << c.name;
        const RECT control = WindowRect(d.window), popup = WindowRect(d.popup);
        if (c.above) {
            EXPECT_EQ(popup.bottom, control.top - 1) << c.name;
        } else {
            EXPECT_EQ(popup.top, control.bottom + 2) << c.name;
        }
        EXPECT_EQ(popup.left, c.atRight ? screenWidth - (popup.right - popup.left) : control.left) << c.name;
        Key(d.popup, VK_ESCAPE);
        d.Notes();
    }
}

TEST(DropDownFramework, TheButtonDrawsItsArrowRaisedSunkAndGrey) {
    DropDown d;
    ASSERT_NE(d.window, nullptr);
    BITMAP arrow{};
    HBITMAP bitmap = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32738));
    ASSERT_TRUE(GetObjectW(bitmap, sizeof arrow, &arrow));
    DeleteObject(bitmap);
    RECT client{};
    GetClientRect(d.button, &client);
    // The arrow's box, centred, and one pixel lower and to the right while pressed.
    auto arrowBox = [&](int shift) {
        const int x = (client.right - arrow.bmWidth) / 2 + shift, y = (client.bottom - arrow.bmHeight) / 2 + shift;
        return RECT{x, y, x + arrow.bmWidth, y + arrow.bmHeight};
    };
    const COLORREF text = GetSysColor(COLOR_BTNTEXT), grey = GetSysColor(COLOR_GRAYTEXT);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    struct Look {
        const char* name;
        bool pressed, disabled;
        COLORREF topLeft, arrowColour;
    };
    const Look looks[] = {
        {"raised", false, false, light, text},
        {"pressed", true, false, dark, text},
        {"disabled", false, true, light, grey},
    };
    for (const Look& l : looks) {
        EnableWindow(d.button, !l.disabled);
        if (l.pressed) SendMessageW(d.button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        const Pixels pixels = PrintedPixels(d.button, RGB(1, 1, 1));
        if (l.pressed) {
            SendMessageW(d.button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            Key(d.popup, VK_ESCAPE);
            d.Notes();
        }
        EXPECT_EQ(pixels.At(0, 0), l.topLeft) << l.name;
        EXPECT_EQ(pixels.At(client.right - 1, client.bottom - 1), dark) << l.name;
        const RECT box = arrowBox(l.pressed ? 1 : 0);
        EXPECT_GT(pixels.Count(l.arrowColour, box), 0) << l.name;
        if (l.disabled) {
            EXPECT_EQ(pixels.Count(text, box), 0) << l.name;
        }
    }
    EnableWindow(d.button, TRUE);
}
