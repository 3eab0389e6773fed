#include "tests/win/support/calendar_harness.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace zwtest {

HostDate Date(int year, int month, int day, int hour, int minute) {
    HostDate date{};
    HostDateConstruct(&date, year, month, day, hour, minute, 0);
    return date;
}

HostDate AddDays(const HostDate& date, int days) {
    HostDate moved{};
    HostNumAdd(&date, double(days), &moved);
    return moved;
}

std::string Text(const HostDate& d) {
    if (HostValueIsNull(d)) return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", HostDateYear(&d), HostDateMonth(&d),
                  HostDateDay(&d), HostDateHour(&d), HostDateMinute(&d));
    return text;
}

std::vector<std::string> DateTexts(HARRAY array) {
    LONG lower = 0, upper = -1;
    std::vector<std::string> texts;
    HostArrayGetBounds(array, &lower, &upper);
    for (LONG i = lower; i <= upper; ++i) {
        HostDate d{};
        HostArrayGetDateTime(array, &d, i);
        texts.push_back(Text(d));
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

std::string FocusOf(void* calendar) {
    ZW_HOSTVALUE value{};
    ZelCalGetFocusDate(calendar, &value);
    return Text(Host(value));
}

// ---- CalendarForm -----------------------------------------------------------------

namespace {
void* announced = nullptr;

LRESULT CALLBACK RecordAnnouncement(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == 0x6008) announced = reinterpret_cast<void*>(msg->lParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

CalendarForm::CalendarForm() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &CalendarForm::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZwCalendarTestForm";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, L"form", WS_POPUP, 10, 10, 500, 420,
                              nullptr, nullptr, wc.hInstance, this);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetForegroundWindow(window_);
}

CalendarForm::~CalendarForm() {
    DestroyWindow(window_);
    if (listBrush_) DeleteObject(listBrush_);
}

HWND CalendarForm::Place(const wchar_t* windowClass, int width, int height, void** instance,
                         const void* creationRecord, DWORD style) {
    announced = nullptr;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordAnnouncement, nullptr, GetCurrentThreadId());
    const HMENU id = (style & WS_CHILD) ? reinterpret_cast<HMENU>(100) : nullptr;
    HWND control = CreateWindowExW(0, windowClass, L"", style, 8, 8, width, height, window_, id,
                                   GetModuleHandleW(nullptr), const_cast<void*>(creationRecord));
    UnhookWindowsHookEx(hook);
    if (instance) *instance = announced;
    return control;
}

std::vector<int> CalendarForm::TakeNotifications(HWND from) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    std::vector<int> codes;
    for (const auto& n : notifications_)
        if (n.first == from) codes.push_back(n.second);
    notifications_.clear();
    return codes;
}

void CalendarForm::SetListColours(COLORREF background, COLORREF text) {
    if (listBrush_) DeleteObject(listBrush_);
    listBrush_ = CreateSolidBrush(background);
    listText_ = text;
}

LRESULT CALLBACK CalendarForm::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CalendarForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_COMMAND)
        self->notifications_.emplace_back(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
    if (self && message == WM_CTLCOLORLISTBOX && self->listBrush_) {
        SetTextColor(reinterpret_cast<HDC>(wParam), self->listText_);
        return reinterpret_cast<LRESULT>(self->listBrush_);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// ---- metrics ------------------------------------------------------------------------

CalendarMetrics MeasureCalendar(HWND calendar) {
    HDC dc = GetDC(calendar);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(calendar, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(calendar, dc);
    RECT client{};
    GetClientRect(calendar, &client);
    const int unitWidth = tm.tmAveCharWidth * 16 / 10, unitHeight = tm.tmHeight * 4 / 3;
    CalendarMetrics m;
    m.cellWidth = std::max(int(client.right) / 7 - 1, unitWidth * 5 / 2);
    m.cellHeight = std::max(int(client.bottom) / 8 - 1, unitHeight);
    const int W = m.cellWidth, H = m.cellHeight;
    const int left = std::max(0, (int(client.right) - (7 * W + 6)) / 2);
    const int top = std::max(0, (int(client.bottom) - (8 * H + 7)) / 2);
    const int button = H | 1;
    m.previousButton = {left, top, left + button, top + H};
    m.nextButton = {left + 7 * W + 6 - button, top, left + 7 * W + 6, top + H};
    m.title = {m.previousButton.right, top, m.nextButton.left, top + H};
    m.weekdayRow = {left, top + H + 1, left + 7 * W + 6, top + 2 * H + 1};
    m.grid = {left, top + 2 * H + 2, left + 7 * W + 6, top + 8 * H + 7};
    return m;
}

RECT CalendarMetrics::Cell(int cell) const {
    const int left = grid.left + (cell % 7) * (cellWidth + 1), top = grid.top + (cell / 7) * (cellHeight + 1);
    return RECT{left, top, left + cellWidth, top + cellHeight};
}

POINT CalendarMetrics::CellCentre(int cell) const {
    const RECT r = Cell(cell);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// ---- Snapshot --------------------------------------------------------------------------

Snapshot::Snapshot(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<DWORD*>(bits);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap_);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    SelectObject(dc, old);
    DeleteDC(dc);
}

Snapshot::~Snapshot() {
    if (bitmap_) DeleteObject(bitmap_);
}

COLORREF Snapshot::Pixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const DWORD p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Snapshot::Count(const RECT& r, COLORREF colour) const {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (Pixel(x, y) == colour) ++count;
    return count;
}

COLORREF Snapshot::CellBackground(const CalendarMetrics& metrics, int cell) const {
    const RECT r = metrics.Cell(cell);
    return Pixel(r.left + 2, r.top + 2);
}

// ---- input --------------------------------------------------------------------------------

HeldKeys::HeldKeys(bool control, bool shift) {
    GetKeyboardState(saved_);
    BYTE keys[256];
    std::memcpy(keys, saved_, sizeof keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
}

HeldKeys::~HeldKeys() {
    SetKeyboardState(saved_);
}

void Click(HWND window, POINT at, WPARAM modifiers) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON | modifiers, where);
    SendMessageW(window, WM_LBUTTONUP, modifiers, where);
}

void Key(HWND window, UINT virtualKey) {
    SendMessageW(window, WM_KEYDOWN, virtualKey, 1);
}

void Char(HWND window, wchar_t ch) {
    SendMessageW(window, WM_CHAR, ch, 1);
}

}  // namespace zwtest
