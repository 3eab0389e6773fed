// The marks of the performance timer and the report made from them.
//
// Marks live in one buffer of 797-byte records: the time in hundredths of a
// second (32 bits), the host date/time of the moment (25 bytes) and the label
// (at most 254 UTF-16 characters and a terminator, in a 768-byte field). The
// buffer is 512 bytes when first made and grows only when a record would not
// fit, to the used size plus 1309 bytes. It never grows past 65535 bytes, so a
// run holds at most 81 marks: a further mark is refused and nothing is written.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/host_value.h"

namespace zw::windows {

struct TimingMark {
    std::uint32_t hundredths;  // tick count in hundredths of a second
    HostValue clock;           // host date/time of the moment
    std::u16string label;      // "" for the begin mark
};

class TimingMarks {
public:
    static constexpr size_t kRecordBytes = 797;
    static constexpr size_t kFirstSize = 512;
    static constexpr size_t kGrowthBytes = 1309;
    static constexpr size_t kMaxSize = 65535;
    static constexpr size_t kMaxLabelChars = 254;

    // Starts a run: makes the buffer on first use, discards earlier marks and
    // records a mark with an empty label. False when memory fails.
    bool Begin(std::uint32_t hundredths, const HostValue& clock);
    // Records a mark; false before the first Begin, when the mark would not
    // fit, or when memory fails. A longer label is cut to 254 characters.
    bool Add(std::uint32_t hundredths, const HostValue& clock, std::u16string_view label);

    size_t Count() const { return count_; }
    size_t UsedBytes() const { return count_ * kRecordBytes; }
    size_t BufferBytes() const { return buffer_.size(); }
    TimingMark At(size_t index) const;

private:
    bool Reserve();

    std::vector<unsigned char> buffer_;  // the records; its size is the buffer's size
    size_t count_ = 0;                   // records in use
};

// The report of a run, piece by piece, each ending in a line feed:
//   with `showClock`, "Begin: (" clock of the first mark ")";
//   for each later mark its label and ": ", with `showElapsed` the time since
//   the mark before, with `showClock` " (" its clock ")";
//   "Total " and the time from the first mark to the last.
// `clockText(i)` gives mark i's clock time as the report shows it.
std::vector<std::u16string> TimingReport(const TimingMarks& marks, bool showElapsed, bool showClock,
                                         const std::function<std::u16string(size_t)>& clockText);

}  // namespace zw::windows
