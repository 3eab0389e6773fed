// The list's window: creation, the record applied to the control, messages
// and the notifications reflected from the parent. Rows, columns and sorting
// are in header_list_rows.cpp, images in header_list_images.cpp.
#include "controls/listview/header_list_box.h"

#include <algorithm>
#include <new>

#include "controls/private_messages.h"
#include "frame/app.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"

namespace zw::listview {

namespace {

// Posted by a list to itself behind its notifications; registered, so that
// it cannot meet a list-view message.
UINT NotesDeliveredMessage() {
    static const UINT message = RegisterWindowMessageW(L"ZW:ListNotesDelivered");
    return message;
}

void LoadListViewClass() {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)loaded;
}

}  // namespace

CHeaderListBox* CHeaderListBox::FromInstance(void* instance) {
    return dynamic_cast<CHeaderListBox*>(Control::FromInstance(instance));
}

CHeaderListBox* CHeaderListBox::Create(DWORD style, const RECT& rect, HWND parent, UINT id, HWND owner,
                                       HWND hostWindow) {
    LoadListViewClass();
    const HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    const HWND window = CreateWindowExW(0, WC_LISTVIEWW, L"", style, rect.left, rect.top, rect.right - rect.left,
                                        rect.bottom - rect.top, parent, menu, ModuleInstance(), nullptr);
    if (!window) return nullptr;
    CHeaderListBox* list = nullptr;
    try {
        list = new CHeaderListBox;
    } catch (...) {
        // The default record's image lists or the object could not be made.
    }
    if (!list || !list->Subclass(window)) {
        delete list;
        DestroyWindow(window);
        return nullptr;
    }
    // From here the list belongs to its window.
    list->id_ = (style & WS_CHILD) ? id : 0;
    try {
        list->Initialize(owner ? owner : parent, hostWindow ? hostWindow : window);
    } catch (...) {
        DestroyWindow(window);
        return nullptr;
    }
    return list;
}

void CHeaderListBox::Initialize(HWND owner, HWND hostWindow) {
    owner_ = owner;
    hostWindow_ = hostWindow;
    sort_.items = &items_;
    ApplyLiveRecord();
}

bool CHeaderListBox::ReflectNotify(LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header) return false;
    auto* list = dynamic_cast<CHeaderListBox*>(Wnd::FromHandle(header->hwndFrom));
    return list && list->OnNotify(*header, result);
}

// ---- the record ---------------------------------------------------------------

void CHeaderListBox::ApplyRecord(const SPropHeaderListBox& record) {
    SPropHeaderListBox copy(record);
    DeleteColumns();
    DeleteRows();
    // The control lets go of the old image lists before the old record
    // destroys them.
    Send(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(copy.largeImages.Get()));
    Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(copy.smallImages.Get()));
    record_ = std::move(copy);
    ApplyLiveRecord();
}

void CHeaderListBox::ApplyLiveRecord() {
    const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    SetWindowLongW(Handle(), GWL_STYLE, LONG((DWORD(style) & 0xFFFF0000u) | (DWORD(record_.style) & 0xFFFFu)));
    if (record_.bkColor != -1) Send(LVM_SETBKCOLOR, 0, LPARAM(COLORREF(record_.bkColor)));
    if (record_.textColor != -1) Send(LVM_SETTEXTCOLOR, 0, LPARAM(COLORREF(record_.textColor)));
    if (record_.textBkColor != -1) Send(LVM_SETTEXTBKCOLOR, 0, LPARAM(COLORREF(record_.textBkColor)));
    Send(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(record_.largeImages.Get()));
    Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(record_.smallImages.Get()));
    InsertColumns();
}

// ---- window procedure -----------------------------------------------------------

LRESULT CHeaderListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS: return OnSetFocus(wParam, lParam);
    case WM_KILLFOCUS: return OnKillFocus(wParam, lParam);
    case WM_KEYDOWN: return OnKeyDown(wParam, lParam);
    case WM_SYSKEYDOWN: return OnSysKeyDown(wParam, lParam);
    case WM_KEYUP: return OnKeyUp(wParam, lParam);
    case WM_DESTROY: return OnDestroy();
    case ZWM_ColumnSorted: return 0;  // posted to itself when it is its own host window
    }
    if (message == NotesDeliveredMessage() && message != 0) {
        OnNotesDelivered();
        return 0;
    }
    if (IsPrivateMessage(message) && message != ZWM_ControlCreate)
        NoteUnhandledPrivateMessage(L"CHeaderListBox", message);
    return Default(message, wParam, lParam);
}

LRESULT CHeaderListBox::OnSetFocus(WPARAM wParam, LPARAM lParam) {
    if (!HostValidateFocus(GetParent(Handle()), 1, 0)) return 0;
    return Default(WM_SETFOCUS, wParam, lParam);
}

LRESULT CHeaderListBox::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_KILLFOCUS, wParam, lParam);
    if (DropDown()) SendCode(kNotifyCloseUp);
    return result;
}

LRESULT CHeaderListBox::OnKeyDown(WPARAM key, LPARAM flags) {
    switch (key) {
    case VK_RETURN:
        Default(WM_KEYDOWN, key, flags);
        if (DropDown()) {
            ReleaseOwnCapture();
            SendCode(kNotifyCloseUp);
        }
        break;
    case VK_ESCAPE:
        if (DropDown()) {
            ReleaseOwnCapture();
            SendCode(kNotifyCloseUp);
            SendCode(kNotifyCancel);
        }
        break;
    case VK_SPACE:
        ReleaseOwnCapture();
        break;
    default:
        Default(WM_KEYDOWN, key, flags);
        break;
    }
    // A list that is its own host window must not post its keys to itself.
    if (DropDown() && hostWindow_ != Handle()) PostMessageW(hostWindow_, WM_KEYDOWN, key, flags);
    return 0;
}

LRESULT CHeaderListBox::OnSysKeyDown(WPARAM key, LPARAM flags) {
    if (DropDown() && key == VK_UP && (flags & 0x20000000)) SendCode(kNotifyCloseUp);
    return Default(WM_SYSKEYDOWN, key, flags);
}

LRESULT CHeaderListBox::OnKeyUp(WPARAM key, LPARAM flags) {
    const LRESULT result = Default(WM_KEYUP, key, flags);
    if (hostWindow_ && hostWindow_ != Handle()) PostMessageW(hostWindow_, WM_KEYUP, key, flags);
    return result;
}

LRESULT CHeaderListBox::OnDestroy() {
    // Without LVS_SHAREIMAGELISTS the control destroys its image lists with
    // itself; they belong to the record.
    Send(LVM_SETIMAGELIST, LVSIL_NORMAL, 0);
    Send(LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    return Default(WM_DESTROY, 0, 0);
}

// ---- notifications ------------------------------------------------------------------

bool CHeaderListBox::OnNotify(NMHDR& header, LRESULT* result) {
    *result = 0;
    switch (header.code) {
    case LVN_GETDISPINFOW:
        OnGetDispInfo(reinterpret_cast<NMLVDISPINFOW&>(header));
        return true;
    case LVN_BEGINLABELEDITW:
        OnBeginLabelEdit();
        return true;
    case LVN_ENDLABELEDITW:
        *result = OnEndLabelEdit(reinterpret_cast<const NMLVDISPINFOW&>(header));
        return true;
    case LVN_COLUMNCLICK:
        OnColumnClick(reinterpret_cast<const NMLISTVIEW&>(header));
        return true;
    case LVN_ITEMCHANGED:
        OnItemChanged(reinterpret_cast<const NMLISTVIEW&>(header));
        return true;
    case NM_CLICK:
        OnClick();
        return true;
    case LVN_DELETEALLITEMS:
        // One forward for all rows: no LVN_DELETEITEM for each of them.
        Forward(header.code);
        *result = TRUE;
        return true;
    case LVN_INSERTITEM:
    case LVN_DELETEITEM:
    case LVN_BEGINDRAG:
    case LVN_BEGINRDRAG:
    case NM_DBLCLK:
    case NM_RCLICK:
    case NM_RDBLCLK:
        Forward(header.code);
        return true;
    }
    return false;
}

void CHeaderListBox::OnGetDispInfo(NMLVDISPINFOW& info) const {
    if (info.item.mask != LVIF_TEXT || !info.item.pszText || info.item.cchTextMax <= 0) return;
    const SHdrLBItem* item = items_.At(info.item.lParam);
    const std::u16string* text = item ? &item->Text(info.item.iSubItem) : nullptr;
    const std::size_t length = text ? std::min<std::size_t>(text->size(), std::size_t(info.item.cchTextMax - 1)) : 0;
    if (length) std::copy_n(text->data(), length, reinterpret_cast<char16_t*>(info.item.pszText));
    info.item.pszText[length] = L'\0';
}

void CHeaderListBox::OnBeginLabelEdit() {
    const auto edit = reinterpret_cast<HWND>(Send(LVM_GETEDITCONTROL));
    if (edit) SendMessageW(edit, EM_LIMITTEXT, WPARAM(record_.labelLimit), 0);
}

BOOL CHeaderListBox::OnEndLabelEdit(const NMLVDISPINFOW& info) {
    if (info.item.iItem == -1 || !info.item.pszText) return FALSE;
    SHdrLBItem* item = items_.At(RowIndex(info.item.iItem));
    if (item) item->SetText(info.item.iSubItem, reinterpret_cast<const char16_t*>(info.item.pszText));
    return TRUE;
}

void CHeaderListBox::OnColumnClick(const NMLISTVIEW& info) {
    SortByColumnClick(info.iSubItem);
    Forward(LVN_COLUMNCLICK);
    PostMessageW(hostWindow_, ZWM_ColumnSorted, WPARAM(sort_.descending), LPARAM(sort_.column));
}

void CHeaderListBox::OnItemChanged(const NMLISTVIEW& info) {
    if (notifyEnabled_ && (info.uNewState & (LVIS_SELECTED | LVIS_FOCUSED))) SendCode(kNotifySelection);
    Forward(LVN_ITEMCHANGED);
}

void CHeaderListBox::OnClick() {
    if (notifyEnabled_ && DropDown()) SendCode(kNotifyCloseUp);
    Forward(NM_CLICK);
}

void CHeaderListBox::SendCode(WORD code) {
    PostNote(hostWindow_, MAKEWPARAM(id_, code), reinterpret_cast<LPARAM>(Handle()));
}

void CHeaderListBox::Forward(UINT code) {
    PostNote(owner_, MAKEWPARAM(id_, LOWORD(code)), reinterpret_cast<LPARAM>(hostWindow_));
}

// Each posted message costs the window server a call, and a queue that the
// application does not empty while it fills thousands of rows grows without
// bound (on Windows it refuses posts beyond 10,000, the application's own
// among them). A note the target has not yet received says all that a second
// identical one would: the target reads the list's state when it gets it.
void CHeaderListBox::PostNote(HWND target, WPARAM wParam, LPARAM lParam) {
    for (const PostedNote& note : waiting_)
        if (note.target == target && note.wParam == wParam && note.lParam == lParam) return;
    if (!PostMessageW(target, WM_COMMAND, wParam, lParam)) return;
    if (!deliveryMarked_) {
        // Posted messages of one thread arrive in order: when this one
        // arrives, every note before it has been delivered.
        deliveryMarked_ = PostMessageW(Handle(), NotesDeliveredMessage(), 0, 0) != FALSE;
        if (!deliveryMarked_) return;
    }
    waiting_.push_back({target, wParam, lParam});
}

void CHeaderListBox::OnNotesDelivered() {
    waiting_.clear();
    deliveryMarked_ = false;
}

void CHeaderListBox::ReleaseOwnCapture() {
    if (GetCapture() == Handle()) ReleaseCapture();
}

}  // namespace zw::listview
