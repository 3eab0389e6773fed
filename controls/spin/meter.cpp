#include "controls/spin/meter.h"

#include <string>

#include "controls/color_messages.h"
#include "controls/private_messages.h"
#include "controls/spin/core/spin_layout.h"
#include "frame/call_frame.h"
#include "frame/control_factories.h"
#include "frame/designer_data.h"
#include "frame/host_api.h"

namespace zw {

namespace {

constexpr int kHostBackgroundRole = 5;
constexpr int kHostTextRole = 8;
constexpr unsigned kDesignerPreviewValue = 30;

unsigned MeterValue(HWND meter) { return static_cast<WORD>(GetWindowWord(meter, 0)); }

// The form designer previews the meter at 30%; at run time it starts blank.
LRESULT OnCreate(HWND meter, const CREATESTRUCTW& create) {
    const bool designer = create.lpCreateParams && !HasDesignerData(create.lpCreateParams);
    SetWindowWord(meter, 0, designer ? WORD(kDesignerPreviewValue) : spin::kMeterBlank);
    return 0;
}

// The text drawn twice, each time clipped to one part: in the host's colours
// where the bar leaves the meter, in the swapped colours where it covers it.
void PaintMeter(HWND meter, HDC dc, unsigned value) {
    RECT client;
    GetClientRect(meter, &client);
    const std::wstring text = spin::MeterText(value);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    const auto origin = spin::MeterTextOrigin(client.right, client.bottom, size.cx, size.cy);
    const auto parts = spin::MeterPartsOf(client.right, client.bottom, value);
    const COLORREF background = HostGetWindowColor(meter, kHostBackgroundRole);
    const COLORREF foreground = HostGetWindowColor(meter, kHostTextRole);
    const struct {
        spin::Box box;
        COLORREF back, fore;
    } passes[2] = {{parts.uncovered, background, foreground}, {parts.covered, foreground, background}};
    for (const auto& pass : passes) {
        const RECT clip{pass.box.left, pass.box.top, pass.box.right, pass.box.bottom};
        SetBkColor(dc, pass.back);
        SetTextColor(dc, pass.fore);
        ExtTextOutW(dc, origin.x, origin.y, ETO_OPAQUE | ETO_CLIPPED, &clip, text.c_str(), UINT(text.size()), nullptr);
    }
}

LRESULT OnPaint(HWND meter) {
    const unsigned value = MeterValue(meter);
    if (!spin::MeterShowsValue(value)) return DefWindowProcW(meter, WM_PAINT, 0, 0);
    PAINTSTRUCT ps;
    if (HDC dc = BeginPaint(meter, &ps)) PaintMeter(meter, dc, value);
    EndPaint(meter, &ps);
    return 0;
}

LRESULT OnPrintClient(HWND meter, HDC dc) {
    const unsigned value = MeterValue(meter);
    if (spin::MeterShowsValue(value)) PaintMeter(meter, dc, value);
    return 0;
}

LRESULT MeterMessage(HWND meter, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(meter, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_PAINT: return OnPaint(meter);
    case WM_PRINTCLIENT: return OnPrintClient(meter, reinterpret_cast<HDC>(wParam));
    }
    if (IsColorMessage(message)) return SendMessageW(GetParent(meter), message, wParam, lParam);
    if (IsPrivateMessage(message)) NoteUnhandledPrivateMessage(L"Meter", message);
    return DefWindowProcW(meter, message, wParam, lParam);
}

}  // namespace

void SetMeterValue(HWND meter, unsigned percent) {
    SetWindowWord(meter, 0, static_cast<WORD>(percent));
    RedrawWindow(meter, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CALLBACK MeterWindowProc(HWND meter, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return MeterMessage(meter, message, wParam, lParam);
    } catch (...) {
        detail::ReportCaught(L"MeterWindowProc()", nullptr);
    }
    return DefWindowProcW(meter, message, wParam, lParam);
}

}  // namespace zw
