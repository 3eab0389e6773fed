// The timing marks' buffer and report, and the elapsed-time format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/windows/core/elapsed_time.h"
#include "util/windows/core/timing_marks.h"

using namespace zw::windows;

namespace {

HostValue Clock(unsigned char tag) {
    HostValue value{};
    value.lengthAndFlags = 12;
    value.digits[0] = tag;
    return value;
}

std::u16string ClockName(size_t i) { return u"c" + std::u16string(1, char16_t(u'0' + i)); }

}  // namespace

TEST(ElapsedTime, MinutesSecondsAndHundredths) {
    const struct { std::uint32_t hundredths; const char16_t* text; } cases[] = {
        {0, u"0:00.00"}, {12345, u"2:03.45"}, {99, u"0:00.99"}, {6000, u"1:00.00"}, {5999, u"0:59.99"},
        {600000, u"100:00.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatElapsed(c.hundredths), c.text) << c.hundredths;
}

TEST(TimingMarks, GrowsByTheRuleAndRefusesTheMarkThatWouldPass65535Bytes) {
    TimingMarks marks;
    EXPECT_FALSE(marks.Add(0, Clock(0), u"before begin"));
    ASSERT_TRUE(marks.Begin(100, Clock(1)));
    EXPECT_EQ(marks.BufferBytes(), 1309u);  // 512 could not hold the first record
    EXPECT_TRUE(marks.Add(150, Clock(2), u"second"));
    EXPECT_EQ(marks.BufferBytes(), 797u + 1309u);
    while (marks.Add(200, Clock(3), u"more")) {}
    EXPECT_EQ(marks.Count(), 81u);
    EXPECT_LE(marks.BufferBytes(), 65535u);
    EXPECT_GE(marks.BufferBytes(), marks.UsedBytes());
    // A new run starts over in the same buffer.
    const size_t size = marks.BufferBytes();
    ASSERT_TRUE(marks.Begin(0, Clock(4)));
    EXPECT_EQ(marks.Count(), 1u);
    EXPECT_EQ(marks.BufferBytes(), size);
}

TEST(TimingMarks, KeepsTimesClocksAndLabelsCutTo254Characters) {
    TimingMarks marks;
    marks.Begin(0xFFFFFFF0u, Clock(9));
    marks.Add(7, Clock(8), std::u16string(300, u'x'));
    EXPECT_EQ(marks.At(0).hundredths, 0xFFFFFFF0u);
    EXPECT_EQ(marks.At(0).label, u"");
    EXPECT_EQ(marks.At(1).clock.digits[0], 8);
    EXPECT_EQ(marks.At(1).label, std::u16string(254, u'x'));
}

TEST(TimingMarks, ReportShowsWhatTheFlagsAsk) {
    TimingMarks marks;
    marks.Begin(1000, Clock(0));
    marks.Add(1250, Clock(1), u"load");
    marks.Add(13595, Clock(2), u"save");
    using Pieces = std::vector<std::u16string>;
    EXPECT_EQ(TimingReport(marks, true, false, ClockName),
              (Pieces{u"load: 0:02.50\n", u"save: 2:03.45\n", u"Total 2:05.95\n"}));
    EXPECT_EQ(TimingReport(marks, false, true, ClockName),
              (Pieces{u"Begin: (c0)\n", u"load:  (c1)\n", u"save:  (c2)\n", u"Total 2:05.95\n"}));
    EXPECT_EQ(TimingReport(marks, true, true, ClockName)[1], u"load: 0:02.50 (c1)\n");
    // The tick count wraps around between marks.
    TimingMarks wrapped;
    wrapped.Begin(0xFFFFFFFFu, Clock(0));
    wrapped.Add(99, Clock(1), u"x");
    EXPECT_EQ(TimingReport(wrapped, true, false, ClockName).back(), u"Total 0:01.00\n");
    EXPECT_TRUE(TimingReport(TimingMarks(), true, true, ClockName).empty());
}
