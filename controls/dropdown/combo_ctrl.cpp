#include "controls/dropdown/combo_ctrl.h"

#include <string>

#include "controls/color_messages.h"
#include "controls/dropdown/combo_button.h"
#include "controls/dropdown/dropdown_field.h"
#include "controls/dropdown/dropdown_protocol.h"
#include "controls/gdi_owners.h"
#include "controls/private_messages.h"
#include "frame/call_frame.h"
#include "frame/exceptions.h"
#include "frame/host_api.h"

namespace zw {
namespace {

constexpr UINT kButtonId = 1;
constexpr int kRoleDefaults[CComboCtrl::kRoleCount] = {COLOR_BTNFACE, COLOR_WINDOW, COLOR_GRAYTEXT, COLOR_WINDOWTEXT};

dropdown::Box ToBox(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void MoveChild(HWND child, const dropdown::Box& box) {
    if (child) SetWindowPos(child, nullptr, box.left, box.top, box.Width(), box.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring Wide(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

bool BrushColour(HBRUSH brush, COLORREF* colour) {
    LOGBRUSH lb{};
    if (!brush || !GetObjectW(brush, sizeof lb, &lb)) return false;
    *colour = lb.lbColor;
    return true;
}

}  // namespace

CComboCtrl* CComboCtrl::FromInstance(void* instance) {
    return dynamic_cast<CComboCtrl*>(Control::FromInstance(instance));
}

COLORREF CComboCtrl::RoleColor(int role) const {
    if (role < 0 || role >= kRoleCount) throw InvalidArgException();
    return roles_[role].useDefault ? GetSysColor(kRoleDefaults[role]) : roles_[role].colour;
}

CDropDownField* CComboCtrl::Field() const {
    return dynamic_cast<CDropDownField*>(Wnd::FromHandle(edit_));
}

CCmbBtn* CComboCtrl::Button() const {
    return dynamic_cast<CCmbBtn*>(Wnd::FromHandle(button_));
}

// ---- window procedure -----------------------------------------------------------

LRESULT CComboCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsColorMessage(message)) return OnCtlColor(message, wParam, lParam);
    switch (message) {
    case WM_CREATE: return OnCreate(*reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_DESTROY: OnDestroy(); break;
    case WM_SETFONT: OnSetFont(reinterpret_cast<HFONT>(wParam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return edit_ ? SendMessageW(edit_, message, wParam, lParam) : 0;
    case WM_LBUTTONDOWN: OnLButtonDown(); return 0;
    case WM_SETFOCUS: OnSetFocus(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_ENABLE: OnEnable(wParam != 0); return 0;
    case WM_WINDOWPOSCHANGED:
        Default(message, wParam, lParam);
        if (created_) Layout();
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == Handle()) ReleaseCapture();
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: OnPrintClient(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_COMMAND: return OnCommand(wParam, lParam);
    }
    if (IsPrivateMessage(message) && message != ZWM_ControlCreate)
        NoteUnhandledPrivateMessage(Wide(ClassName()).c_str(), message);
    return Default(message, wParam, lParam);
}

// ---- creation and destruction -----------------------------------------------------

LRESULT CComboCtrl::OnCreate(const CREATESTRUCTW& create) {
    if (Default(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) return -1;
    try {
        if (!owner_) owner_ = GetParent(Handle());
        state_ = 0;
        // Until the host gives a font, the parent's (or the system's GUI font).
        HFONT font = font_;
        if (!font && GetParent(Handle())) font = reinterpret_cast<HFONT>(SendMessageW(GetParent(Handle()), WM_GETFONT, 0, 0));
        if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
        CCmbBtn* button = CCmbBtn::Create(Handle(), kButtonId);
        if (!button) throw MemoryException();
        button_ = button->Handle();
        SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), 0);
        CreateChildren(create);
        Layout();
        created_ = true;
        return 0;
    } catch (...) {
        detail::ReportCaught(Wide(std::string(ClassName()) + "::OnCreate()").c_str(), nullptr);
        return -1;
    }
}

void CComboCtrl::CreateChildren(const CREATESTRUCTW&) {}

void CComboCtrl::OnDestroy() {
    created_ = false;
    for (HWND* child : {&edit_, &button_, &popup_}) {
        if (*child && IsWindow(*child)) DestroyWindow(*child);
        *child = nullptr;
    }
}

void CComboCtrl::SetEditChild(HWND edit) {
    edit_ = edit;
    if (edit_ && font_) SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), 0);
    if (edit_) SendMessageW(edit_, EM_SETREADONLY, !editable_, 0);
    Layout();
}

void CComboCtrl::SetPopup(HWND popup) {
    popup_ = popup;
    if (popup_ && font_) SendMessageW(popup_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), 0);
}

// ---- font, colours, focus, enabling -----------------------------------------------

void CComboCtrl::OnSetFont(HFONT font) {
    font_ = font;
    for (HWND child : {edit_, button_, popup_})
        if (child) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    if (!created_) return;
    Layout();
    InvalidateRect(Handle(), nullptr, TRUE);
}

// A child's colour question goes to the parent as if the container asked
// (WM_CTLCOLORMSGBOX + type, with the container's window), so the form
// colours the whole control alike. The old WM_CTLCOLOR carries its type in
// the high word of lParam, as it did with 16-bit windows.
LRESULT CComboCtrl::OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam) {
    const int type = message == WM_CTLCOLOR_OLD ? HIWORD(lParam) : int(message - WM_CTLCOLORMSGBOX);
    if (type < CTLCOLOR_MSGBOX || type > CTLCOLOR_STATIC) {
        const std::string line = std::string(ClassName()) + "::OnCtlColor() - Unknown Win32 CtlColor code.\n";
        OutputDebugStringA(line.c_str());
        return 0;
    }
    const auto dc = reinterpret_cast<HDC>(wParam);
    const HWND parent = GetParent(Handle());
    const auto brush = parent ? reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORMSGBOX + type, wParam,
                                                                      reinterpret_cast<LPARAM>(Handle())))
                              : nullptr;
    if (type == CTLCOLOR_EDIT && (state_ & kStateDisabled)) SetTextColor(dc, RoleColor(kRoleDisabledText));
    return reinterpret_cast<LRESULT>(ChildColor(type, dc, brush));
}

HBRUSH CComboCtrl::ChildColor(int, HDC, HBRUSH parentBrush) {
    return parentBrush;
}

bool CComboCtrl::HasFocusInside() const {
    const HWND focus = GetFocus();
    return focus && (focus == Handle() || IsChild(Handle(), focus));
}

void CComboCtrl::OnLButtonDown() {
    if (!HasFocusInside()) SetFocus(Handle());
}

// The container passes the focus on to its edit, which asks the host; a
// refusal sends the focus back to the window that had it before the container.
void CComboCtrl::OnSetFocus(HWND previous) {
    if (!edit_) return;
    if (CDropDownField* field = Field())
        field->SetFocusReturn(previous == edit_ || IsChild(Handle(), previous) ? nullptr : previous);
    SetFocus(edit_);
}

void CComboCtrl::OnEnable(bool enabled) {
    state_ = enabled ? WORD(state_ & ~kStateDisabled) : WORD(state_ | kStateDisabled);
    // The button draws its arrow grey while the control is disabled.
    if (button_) EnableWindow(button_, enabled);
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

bool CComboCtrl::SetEditable(bool editable) {
    const bool previous = editable_;
    editable_ = editable;
    if (edit_) SendMessageW(edit_, EM_SETREADONLY, !editable, 0);
    Layout();
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
    return previous;
}

void CComboCtrl::ApplyRecord(const dropdown::SPropComboCtrl& record) {
    SetEditable(record.editable != 0);
    const std::wstring text(record.text.begin(), record.text.end());
    SetEditTextQuietly(text.c_str());
}

// ---- layout ------------------------------------------------------------------------

void CComboCtrl::Layout() {
    if (!Handle()) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const int buttonWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int gap = dropdown::EditButtonGap(buttonWidth, editable_, dropdown::HasNewShell());
    const dropdown::FieldLayout layout = dropdown::LayOutField(ToBox(client), buttonWidth, gap);
    MoveChild(edit_, layout.edit);
    MoveChild(button_, layout.button);
    PlacePopup();
}

dropdown::PopupRule CComboCtrl::PopupPlacement() const {
    RECT window{};
    GetWindowRect(Handle(), &window);
    return {ToBox(window), 2};
}

void CComboCtrl::PlacePopup() {
    if (!popup_) return;
    RECT popup{};
    GetWindowRect(popup_, &popup);
    const dropdown::Point at = dropdown::PlacePopup(PopupPlacement(), popup.right - popup.left,
                                                    popup.bottom - popup.top, GetSystemMetrics(SM_CXSCREEN),
                                                    GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(popup_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- dropping down and closing up -------------------------------------------------

bool CComboCtrl::MayDropDown() {
    return HostValidateFocus(Handle(), editable_ ? 1 : 0, 0) != 0;
}

bool CComboCtrl::DropDown() {
    if (!popup_ || !MayDropDown()) return false;
    GivePopupValue();
    Layout();
    ShowWindow(popup_, SW_SHOW);
    SetFocus(popup_);
    state_ |= kStateDroppedDown;
    if (CCmbBtn* button = Button()) button->SetLocked(true);
    return true;
}

void CComboCtrl::CloseUp() {
    if (CCmbBtn* button = Button()) button->SetLocked(false);
    state_ &= ~kStateDroppedDown;
    // A popup that closes because another window took the focus leaves the
    // focus there.
    const HWND focus = GetFocus();
    const bool focusStayed = !focus || focus == popup_ || IsChild(popup_, focus) || HasFocusInside();
    if (focusStayed && edit_) SetFocus(edit_);
    if (popup_) ShowWindow(popup_, SW_HIDE);
}

void CComboCtrl::RequestDropDown() {
    if (IsDroppedDown()) return;
    if (DropDown()) Notify(dropdown::kCodeDropDown);
}

void CComboCtrl::RequestCloseUp() {
    if (!IsDroppedDown()) return;
    CloseUp();
    Notify(dropdown::kCodeCloseUp);
}

void CComboCtrl::Notify(WORD code) const {
    dropdown::PostNotification(owner_, Handle(), code);
}

// ---- notifications of the children --------------------------------------------------

LRESULT CComboCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
    const auto child = reinterpret_cast<HWND>(lParam);
    const WORD code = HIWORD(wParam);
    if (!child) return Default(WM_COMMAND, wParam, lParam);
    if (child == button_) {
        OnButtonCommand(code);
    } else if (child == edit_) {
        OnEditCommand(code);
    } else if (child == popup_) {
        OnPopupCommand(code);
    } else {
        return Default(WM_COMMAND, wParam, lParam);
    }
    return 0;
}

void CComboCtrl::OnButtonCommand(WORD code) {
    if (code == dropdown::kCodeDropDown) RequestDropDown();
    if (code == dropdown::kCodeCloseUp) RequestCloseUp();
}

void CComboCtrl::OnEditCommand(WORD code) {
    if (code == dropdown::kCodeDropDown) RequestDropDown();
    if (code == dropdown::kCodeEditChanged) OnEditChanged();
}

void CComboCtrl::OnPopupCommand(WORD code) {
    switch (code) {
    case dropdown::kCodeValueChanged: HostSetFieldEdited(Handle(), TRUE); break;
    case dropdown::kCodeCloseUp: RequestCloseUp(); break;
    case dropdown::kCodeFocusLost:
    case dropdown::kCodeCancel: Notify(code); break;
    }
}

void CComboCtrl::OnEditChanged() {
    if (!EditChangeCounts()) return;
    Notify(dropdown::kCodeEditChanged);
    if (GetFocus() == edit_) PostMessageW(Handle(), dropdown::ZWM_EditChanged, 0, 0);
}

void CComboCtrl::SetEditTextQuietly(const wchar_t* text) {
    if (!edit_) return;
    quietEdit_ = true;
    SetWindowTextW(edit_, text);
    quietEdit_ = false;
}

// ---- painting ---------------------------------------------------------------------

void CComboCtrl::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    if (dc) OnPrintClient(dc);
    EndPaint(Handle(), &ps);
}

void CComboCtrl::OnPrintClient(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    gdi::OffscreenDC memory(dc, client.right, client.bottom);
    if (!memory) return;
    TakeParentColours(memory.Get());
    gdi::Object<HBRUSH> background(CreateSolidBrush(RoleColor(kRoleBackground)));
    FillRect(memory.Get(), &client, background.Get());
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

void CComboCtrl::TakeParentColours(HDC dc) {
    const HWND parent = GetParent(Handle());
    if (!parent) return;
    auto ask = [&](UINT message) {
        return reinterpret_cast<HBRUSH>(SendMessageW(parent, message, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(Handle())));
    };
    auto take = [&](int role, COLORREF colour) { roles_[role] = Role{false, colour}; };
    COLORREF colour = 0;
    if (BrushColour(ask(WM_CTLCOLORLISTBOX), &colour)) take(kRoleBackground, colour);
    if (BrushColour(ask(WM_CTLCOLOREDIT), &colour)) {
        take(kRoleEditBackground, colour);
        take(kRoleEditText, GetTextColor(dc));
    }
}

}  // namespace zw
