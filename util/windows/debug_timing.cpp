// ZelDebugBeginTime, ZelDebugSetTime, ZelDebugEndTime: a performance timer
// that records labelled marks and reports the times between them.
#include <windows.h>

#include <string>

#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "frame/host_string.h"
#include "util/windows/core/timing_marks.h"
#include "util/windows/debug_settings.h"
#include "util/windows/debug_timing.h"

namespace zw::windows {
namespace {

constexpr UINT kReportCaption = 308;               // "Performance Time"
constexpr wchar_t kClockPicture[] = L"hh:mm:ss AMPM";
constexpr char16_t kEndLabel[] = u"End";

// The marks of the current run; kept for the life of the process.
TimingMarks& Marks() {
    static TimingMarks marks;
    return marks;
}

std::uint32_t NowHundredths() {
    return GetTickCount() / 10;
}

HostDate NowClock() {
    HostDate now{};
    HostDateNow(&now);
    return now;
}

std::u16string ClockText(const HostDate& clock) {
    const HOSTSTR formatted = HostDateFormat(&clock, kClockPicture);
    const std::wstring text = ReadHostString(formatted);
    HostStrRelease(formatted);
    return std::u16string(text.begin(), text.end());
}

std::wstring Wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

// A run with only its begin mark gets an end mark now, so that the report
// always has one interval.
int EndTime() {
    TimingMarks& marks = Marks();
    if (marks.Count() == 0) return 0;
    if (marks.Count() == 1 && !marks.Add(NowHundredths(), NowClock(), kEndLabel)) return 0;
    const DWORD flags = Debug().flags;
    const auto pieces = TimingReport(marks, flags & kDebugShowElapsed, flags & kDebugShowClock,
                                     [&](size_t i) { return ClockText(marks.At(i).clock); });
    if (flags & kDebugMessageBoxes) {
        std::wstring report;
        for (const auto& piece : pieces) report += Wide(piece);
        report.pop_back();  // the line feed after the total
        ShowDebugBox(report.c_str(), kReportCaption);
    } else {
        for (const auto& piece : pieces) OutputDebugStringW(Wide(piece).c_str());
    }
    return 1;
}

}  // namespace

std::size_t LiveTimingMarkCount() {
    return Marks().Count();
}
}  // namespace zw::windows

extern "C" int __stdcall ZelDebugBeginTime(void) {
    using namespace zw::windows;
    return zw::Guarded(L"ZelDebugBeginTime()", 0, [] { return Marks().Begin(NowHundredths(), NowClock()) ? 1 : 0; });
}

// Refused (0) before the first ZelDebugBeginTime and once a run holds as many
// marks as the mark buffer can take.
extern "C" int __stdcall ZelDebugSetTime(LPCWSTR label) {
    using namespace zw::windows;
    return zw::Guarded(L"ZelDebugSetTime()", 0, [&] {
        const std::u16string text = label ? std::u16string(label, label + wcslen(label)) : std::u16string();
        return Marks().Add(NowHundredths(), NowClock(), text) ? 1 : 0;
    });
}

extern "C" int __stdcall ZelDebugEndTime(WORD level) {
    using namespace zw::windows;
    if (!LevelShown(level)) return 0;
    return zw::Guarded(L"ZelDebugEndTime()", 0, [] { return EndTime(); });
}
