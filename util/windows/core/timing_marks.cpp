#include "util/windows/core/timing_marks.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "util/windows/core/elapsed_time.h"

namespace zw::windows {

namespace {

constexpr size_t kClockOffset = 4;
constexpr size_t kLabelOffset = kClockOffset + sizeof(HostValue);

void PutU32(unsigned char* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint32_t GetU32(const unsigned char* at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= std::uint32_t(at[i]) << (8 * i);
    return value;
}

}  // namespace

static_assert(kLabelOffset + 2 * (TimingMarks::kMaxLabelChars + 1) <= TimingMarks::kRecordBytes);

// Grows the buffer so that one more record fits; false when that would take
// it past 65535 bytes or memory fails.
bool TimingMarks::Reserve() {
    const size_t used = UsedBytes();
    if (used + kRecordBytes <= buffer_.size()) return true;
    const size_t grown = used + kGrowthBytes;
    if (grown > kMaxSize) return false;
    try {
        buffer_.resize(grown);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool TimingMarks::Begin(std::uint32_t hundredths, const HostValue& clock) {
    if (buffer_.empty()) {
        try {
            buffer_.resize(kFirstSize);
        } catch (const std::bad_alloc&) {
            return false;
        }
    }
    count_ = 0;
    return Add(hundredths, clock, u"");
}

bool TimingMarks::Add(std::uint32_t hundredths, const HostValue& clock, std::u16string_view label) {
    if (buffer_.empty() || !Reserve()) return false;
    unsigned char* record = buffer_.data() + UsedBytes();
    std::memset(record, 0, kRecordBytes);
    PutU32(record, hundredths);
    std::memcpy(record + kClockOffset, &clock, sizeof clock);
    label = label.substr(0, kMaxLabelChars);
    for (size_t i = 0; i < label.size(); ++i) {
        record[kLabelOffset + 2 * i] = static_cast<unsigned char>(label[i]);
        record[kLabelOffset + 2 * i + 1] = static_cast<unsigned char>(label[i] >> 8);
    }
    ++count_;
    return true;
}

TimingMark TimingMarks::At(size_t index) const {
    const unsigned char* record = buffer_.data() + index * kRecordBytes;
    TimingMark mark{GetU32(record), {}, {}};
    std::memcpy(&mark.clock, record + kClockOffset, sizeof mark.clock);
    for (const unsigned char* at = record + kLabelOffset; at[0] || at[1]; at += 2) {
        mark.label += static_cast<char16_t>(at[0] | (at[1] << 8));
    }
    return mark;
}

std::vector<std::u16string> TimingReport(const TimingMarks& marks, bool showElapsed, bool showClock,
                                         const std::function<std::u16string(size_t)>& clockText) {
    std::vector<std::u16string> pieces;
    if (marks.Count() == 0) return pieces;
    const TimingMark first = marks.At(0);
    if (showClock) pieces.push_back(u"Begin: (" + clockText(0) + u")\n");
    std::uint32_t previous = first.hundredths;
    std::uint32_t last = first.hundredths;
    for (size_t i = 1; i < marks.Count(); ++i) {
        const TimingMark mark = marks.At(i);
        std::u16string piece = mark.label + u": ";
        if (showElapsed) piece += FormatElapsed(mark.hundredths - previous);
        if (showClock) piece += u" (" + clockText(i) + u")";
        pieces.push_back(piece + u"\n");
        previous = last = mark.hundredths;
    }
    pieces.push_back(u"Total " + FormatElapsed(last - first.hundredths) + u"\n");
    return pieces;
}

}  // namespace zw::windows
