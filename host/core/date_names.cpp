#include "host/core/date_names.h"

namespace host {

namespace {

constexpr std::u16string_view kMonths[12] = {u"January", u"February", u"March",     u"April",
                                             u"May",     u"June",     u"July",      u"August",
                                             u"September", u"October", u"November", u"December"};
// Indexed by host weekday: Saturday first.
constexpr std::u16string_view kWeekdays[7] = {u"Saturday", u"Sunday",   u"Monday", u"Tuesday",
                                              u"Wednesday", u"Thursday", u"Friday"};

char16_t LowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool NamesMatch(std::u16string_view word, std::u16string_view name) {
    return EqualsIgnoringCase(word, name) || EqualsIgnoringCase(word, name.substr(0, 3));
}

}  // namespace

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::u16string_view EnglishMonthName(int month, bool abbreviated) {
    if (month < 1 || month > 12) return {};
    const std::u16string_view name = kMonths[month - 1];
    return abbreviated ? name.substr(0, 3) : name;
}

std::u16string_view EnglishWeekdayName(int hostWeekday, bool abbreviated) {
    if (hostWeekday < 0 || hostWeekday > 6) return {};
    const std::u16string_view name = kWeekdays[hostWeekday];
    return abbreviated ? name.substr(0, 3) : name;
}

std::optional<int> MonthFromName(std::u16string_view word) {
    for (int month = 1; month <= 12; ++month)
        if (NamesMatch(word, kMonths[month - 1])) return month;
    return std::nullopt;
}

std::optional<int> WeekdayFromName(std::u16string_view word) {
    for (int weekday = 0; weekday < 7; ++weekday)
        if (NamesMatch(word, kWeekdays[weekday])) return weekday;
    return std::nullopt;
}

}  // namespace host
