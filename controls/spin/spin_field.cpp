// The spin field's window procedure: creation and destruction of its block
// and edit child, the application's messages, the buttons and their repeat
// timer, and focus.
#include "controls/spin/spin_field.h"

#include <span>
#include <string>

#include "controls/color_messages.h"
#include "controls/private_messages.h"
#include "frame/call_frame.h"
#include "frame/control_factories.h"
#include "frame/core/memory_stream.h"
#include "frame/designer_data.h"
#include "frame/host_api.h"
#include "frame/host_string.h"

namespace zw {

namespace {

constexpr UINT_PTR kRepeatTimerId = 1;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;  // 0x50810080
constexpr int kHostBackgroundRole = 5;
constexpr DWORD kHostDataField = 8, kHostMultilineField = 16;

HLOCAL BlockOf(HWND window) { return static_cast<HLOCAL>(GetPropW(window, kSpinParentProperty)); }

std::wstring WindowText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), int(text.size())));
    return text;
}

std::int32_t HostInteger(std::wstring_view text) {
    HostNumber number{};
    HostTextToNumber(std::wstring(text).c_str(), &number);
    return HostNumberToLong(&number);
}

void ShowValue(const SpinFieldState& spin) {
    if (spin.edit) SetWindowTextW(spin.edit, spin::FormatValue(spin.value, spin.settings.decimalAdjust).c_str());
}

void EmptyText(const SpinFieldState& spin) {
    if (spin.edit) SetWindowTextW(spin.edit, L"");
}

spin::SpinLayout LayoutOf(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return spin::SpinLayoutOf(client.right, client.bottom);
}

void RedrawButtons(const SpinFieldState& spin) {
    const spin::SpinLayout layout = LayoutOf(spin.self);
    const RECT column{layout.buttonLeft, 0, layout.down.right, layout.down.bottom};
    InvalidateRect(spin.self, &column, FALSE);
    UpdateWindow(spin.self);
}

std::uint16_t PressedBit(spin::SpinButton button) {
    if (button == spin::SpinButton::Up) return kSpinUpPressed;
    if (button == spin::SpinButton::Down) return kSpinDownPressed;
    return 0;
}

spin::SpinButton PressedButton(const SpinFieldState& spin) {
    if (spin.state & kSpinUpPressed) return spin::SpinButton::Up;
    if (spin.state & kSpinDownPressed) return spin::SpinButton::Down;
    return spin::SpinButton::None;
}

// Ends a press: capture released, timer stopped, pressed bits cleared.
void EndPress(SpinFieldState& spin) {
    spin.state &= ~(kSpinUpPressed | kSpinDownPressed);
    if (GetCapture() == spin.self) ReleaseCapture();
    if (spin.timer) KillTimer(spin.self, spin.timer);
    spin.timer = 0;
    RedrawButtons(spin);
}

// ---- creation and destruction --------------------------------------------------

// The designer item "ZW:SpinField", when the window has one of 17 bytes.
std::optional<spin::SpinSettings> DesignerSettings(HWND window) {
    const DWORD length = HostGetPropDataSize(window);
    if (length == 0) return std::nullopt;
    MemoryStream stream;
    if (!LoadNamedItem(stream, HostGetPropData(window), length, L"ZW:SpinField")) return std::nullopt;
    return spin::ReadDesignerItem(stream.Bytes());
}

// A block in the creation parameters that announces 16 bytes of settings.
std::optional<spin::SpinSettings> CreationBlockSettings(const void* params) {
    if (!params) return std::nullopt;
    const auto* bytes = static_cast<const std::uint8_t*>(params);
    if ((bytes[0] | bytes[1] << 8) != spin::kCreationBlockAnnounced) return std::nullopt;
    return spin::ReadCreationBlock(std::span<const std::uint8_t, spin::kCreationBlockBytes>(bytes, spin::kCreationBlockBytes));
}

// Whether the form designer is drawing the control: the host's creation
// record says so with bit 0 clear. No record, or a settings block in its
// place, means a control at run time.
bool DrawnByDesigner(const void* params, bool settingsBlock) {
    return params && !settingsBlock && !HasDesignerData(params);
}

bool CreateEdit(SpinFieldState& spin, HLOCAL block, const CREATESTRUCTW& create) {
    const spin::SpinLayout layout = LayoutOf(spin.self);
    spin.edit = CreateWindowExW(0, L"EDIT", L"", kEditStyle, layout.edit.left, layout.edit.top,
                                layout.edit.right - layout.edit.left, layout.edit.bottom - layout.edit.top,
                                spin.self, nullptr, create.hInstance, nullptr);
    if (!spin.edit) return false;
    SetPropW(spin.edit, kSpinParentProperty, block);
    spin.font = reinterpret_cast<HFONT>(SendMessageW(create.hwndParent, WM_GETFONT, 0, 0));
    if (spin.font) SendMessageW(spin.edit, WM_SETFONT, reinterpret_cast<WPARAM>(spin.font), FALSE);
    spin.editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(spin.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SpinEditProc)));
    return true;
}

void FreeBlock(HWND window, HLOCAL block) {
    RemovePropW(window, kSpinParentProperty);
    SetWindowLongW(window, 0, 0);
    LocalFree(block);
}

LRESULT OnCreate(HWND window, const CREATESTRUCTW& create) {
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(SpinFieldState));
    if (!block) return -1;
    // The window word holds the block's handle as the host expects to find it;
    // the property holds it whole for the library.
    SetWindowLongW(window, 0, static_cast<LONG>(reinterpret_cast<LONG_PTR>(block)));
    if (!SetPropW(window, kSpinParentProperty, block)) {
        FreeBlock(window, block);
        return -1;
    }
    bool made = false;
    {
        LockedSpinState spin(window);
        if (spin) {
            spin->settings = spin::SpinSettings();
            spin->self = window;
            const auto fromBlock = CreationBlockSettings(create.lpCreateParams);
            if (auto fromItem = DesignerSettings(window)) spin->settings = *fromItem;
            else if (fromBlock) spin->settings = *fromBlock;
            if (DrawnByDesigner(create.lpCreateParams, fromBlock.has_value())) {
                spin->state |= kSpinNoEdit;
                made = true;
            } else {
                made = CreateEdit(*spin, block, create);
            }
        }
    }
    if (!made) {
        FreeBlock(window, block);
        return -1;
    }
    return 0;
}

void OnDestroy(HWND window) {
    HLOCAL block = BlockOf(window);
    if (!block) return;
    {
        LockedSpinState spin(window);
        if (spin) {
            if (spin->timer) KillTimer(window, spin->timer);
            if (spin->edit) {
                SetWindowLongPtrW(spin->edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(spin->editProc));
                RemovePropW(spin->edit, kSpinParentProperty);
                DestroyWindow(spin->edit);
            }
        }
    }
    FreeBlock(window, block);
}

void OnSize(SpinFieldState& spin) {
    if (!spin.edit) return;
    const spin::SpinLayout layout = LayoutOf(spin.self);
    MoveWindow(spin.edit, layout.edit.left, layout.edit.top, layout.edit.right - layout.edit.left,
               layout.edit.bottom - layout.edit.top, TRUE);
}

// ---- the application's messages ------------------------------------------------------

LRESULT OnSetLimit(SpinFieldState& spin, UINT message, LPARAM lParam) {
    (message == SPM_SETMINIMUM ? spin.settings.minimum : spin.settings.maximum) = static_cast<std::int32_t>(lParam);
    EmptyText(spin);
    return 1;
}

LRESULT OnSetIncrement(SpinFieldState& spin, WPARAM wParam, LPARAM lParam) {
    const auto increment = static_cast<std::int32_t>(lParam);
    if (increment == 0) return 0;
    spin.settings.increment = increment;
    spin.settings.decimalAdjust = static_cast<std::int32_t>(wParam);
    EmptyText(spin);
    return 1;
}

LRESULT OnSetValue(SpinFieldState& spin, LPARAM lParam) {
    const auto value = static_cast<std::int32_t>(lParam);
    if (!spin::InRange(value, spin.settings)) return 0;
    spin.value = value;
    ShowValue(spin);
    return 1;
}

LRESULT OnGetText(HWND window) {
    return static_cast<LRESULT>(NewHostString(WindowText(window)));
}

// ---- buttons -------------------------------------------------------------------------

void OnButtonDown(SpinFieldState& spin, POINT point) {
    if (spin.edit && GetFocus() != spin.edit) SetFocus(spin.edit);
    const std::uint16_t bit = PressedBit(spin::SpinHitTest(LayoutOf(spin.self), point.x, point.y));
    if (!bit) return;
    spin.state |= bit;
    RedrawButtons(spin);
    SetCapture(spin.self);
    spin.timer = SetTimer(spin.self, kRepeatTimerId, spin::kRepeatTimerMs, nullptr);
    spin.pressTick = GetTickCount();
}

void OnRepeatTimer(SpinFieldState& spin) {
    const spin::SpinButton held = PressedButton(spin);
    if (held == spin::SpinButton::None || !spin::RepeatDue(spin.pressTick, GetTickCount())) return;
    if (IsWindowEnabled(GetParent(spin.self))) SpinStep(spin, held == spin::SpinButton::Up);
    else EndPress(spin);
}

void OnMouseMove(SpinFieldState& spin, POINT point) {
    const spin::SpinButton held = PressedButton(spin);
    if (held == spin::SpinButton::None || GetCapture() != spin.self) return;
    if (spin::SpinHitTest(LayoutOf(spin.self), point.x, point.y) != held) EndPress(spin);
}

void OnButtonUp(SpinFieldState& spin, POINT point) {
    const spin::SpinButton held = PressedButton(spin);
    if (held == spin::SpinButton::None) return;
    spin.state &= ~(kSpinUpPressed | kSpinDownPressed);
    if (spin::SpinHitTest(LayoutOf(spin.self), point.x, point.y) == held) SpinStep(spin, held == spin::SpinButton::Up);
    EndPress(spin);
}

// ---- focus, painting and what goes elsewhere -----------------------------------------

void OnSetFocus(SpinFieldState& spin, HWND previous) {
    if (!spin.edit) return;
    if (previous == spin.edit) {
        // Shift+Tab out of the edit child lands here: go on backwards.
        if (HWND before = GetWindow(spin.self, GW_HWNDPREV)) {
            SetFocus(before);
            const DWORD type = HostGetObjectType(before);
            if (type == kHostDataField || type == kHostMultilineField) SendMessageW(before, EM_SETSEL, 0, -1);
            return;
        }
    } else {
        spin.focusBefore = previous;
    }
    SetFocus(spin.edit);
    SendMessageW(spin.edit, EM_SETSEL, 0, -1);
}

void Paint(HWND window, HDC dc, const SpinFieldState& spin) {
    RECT client;
    GetClientRect(window, &client);
    PaintSpinField(dc, client, spin, HostGetWindowColor(window, kHostBackgroundRole));
}

void OnPaint(HWND window, const SpinFieldState& spin) {
    PAINTSTRUCT ps;
    if (HDC dc = BeginPaint(window, &ps)) Paint(window, dc, spin);
    EndPaint(window, &ps);
}

bool IsEditTextMessage(UINT message) {
    return message == WM_SETTEXT || message == WM_GETTEXT || message == WM_GETTEXTLENGTH ||
           message == EM_SETREADONLY || message == SPM_SETREADONLY;
}

LRESULT SpinFieldMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) return OnCreate(window, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
    if (message == WM_DESTROY) {
        OnDestroy(window);
        return 0;
    }
    if (IsColorMessage(message)) return SendMessageW(GetParent(window), message, wParam, lParam);

    LockedSpinState spin(window);
    if (!spin) return DefWindowProcW(window, message, wParam, lParam);
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case SPM_SETMINIMUM:
    case SPM_SETMAXIMUM: return OnSetLimit(*spin, message, lParam);
    case SPM_SETINCREMENT: return OnSetIncrement(*spin, wParam, lParam);
    case SPM_SETVALUE: return OnSetValue(*spin, lParam);
    case SPM_STEPUP: return SpinStep(*spin, true);
    case SPM_STEPDOWN: return SpinStep(*spin, false);
    case SPM_GETTEXT: return OnGetText(window);
    case WM_SETFONT:
        spin->font = reinterpret_cast<HFONT>(wParam);
        return spin->edit ? SendMessageW(spin->edit, message, wParam, lParam) : 0;
    case WM_SIZE: OnSize(*spin); return 0;
    case WM_SETFOCUS: OnSetFocus(*spin, reinterpret_cast<HWND>(wParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnButtonDown(*spin, point); return 0;
    case WM_MOUSEMOVE: OnMouseMove(*spin, point); return 0;
    case WM_LBUTTONUP: OnButtonUp(*spin, point); return 0;
    case WM_CANCELMODE: EndPress(*spin); return 0;
    case WM_TIMER:
        if (wParam == kRepeatTimerId) OnRepeatTimer(*spin);
        return 0;
    case WM_PAINT: OnPaint(window, *spin); return 0;
    case WM_PRINTCLIENT: Paint(window, reinterpret_cast<HDC>(wParam), *spin); return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE && reinterpret_cast<HWND>(lParam) == spin->edit && spin->edit)
            HostSetFieldEdited(window, TRUE);
        return 0;
    }
    if (IsEditTextMessage(message) && spin->edit) return SendMessageW(spin->edit, message, wParam, lParam);
    if (IsPrivateMessage(message)) NoteUnhandledPrivateMessage(L"SpinField", message);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

LockedSpinState::LockedSpinState(HWND window)
    : block_(BlockOf(window)), state_(block_ ? static_cast<SpinFieldState*>(LocalLock(block_)) : nullptr) {}

LockedSpinState::~LockedSpinState() {
    if (state_) LocalUnlock(block_);
}

std::int32_t SpinStep(SpinFieldState& spin, bool up) {
    if (spin.edit) {
        const std::wstring text = WindowText(spin.edit);
        if (text.empty()) {
            // An empty field starts from the minimum without stepping.
            spin.value = spin.settings.minimum;
            ShowValue(spin);
            return spin.value;
        }
        if (spin.settings.increment != 0 && HostIsNumberText(text.c_str()))
            spin.value = spin::ReadValue(text, spin.settings.decimalAdjust, HostInteger);
    }
    spin.value = spin::Step(spin.value, spin.settings, up);
    ShowValue(spin);
    return spin.value;
}

LRESULT CALLBACK SpinFieldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return SpinFieldMessage(window, message, wParam, lParam);
    } catch (...) {
        detail::ReportCaught(L"SpinFieldWindowProc()", nullptr);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zw
