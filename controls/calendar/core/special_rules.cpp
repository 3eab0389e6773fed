#include "controls/calendar/core/special_rules.h"

#include <cstdio>

namespace zw::calendar {

std::string RuleKey(const SpecialRule& r) {
    int year = 0, month = 0, day = 0, weekday = 0, occurrence = 0;
    switch (r.kind) {
    case 1: year = r.year; month = r.month; day = r.day; break;
    case 2: weekday = r.weekday; break;
    case 3: day = r.day; break;
    case 4: weekday = r.weekday; occurrence = r.occurrence; break;
    case 5: month = r.month; day = r.day; break;
    case 6: month = r.month; weekday = r.weekday; occurrence = r.occurrence; break;
    default: break;
    }
    // Large enough for five full-range ints: numbers wider than their field
    // make a longer key, never a truncated one.
    char key[64];
    // The system's own key format; its zero flags are redundant beside the
    // precisions, which the compiler points out.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
    std::snprintf(key, sizeof key, "%04.4d%02.2d%02.2d%02.2d%02.2d", year, month, day, weekday, occurrence);
#pragma GCC diagnostic pop
    return key;
}

int SpecialRules::Set(const SpecialRule& rule, int addFlag) {
    if (addFlag == 1) {
        rules_.insert_or_assign(RuleKey(rule), rule);
        return 1;
    }
    if (addFlag == 0) return rules_.erase(RuleKey(rule)) != 0 ? 1 : 0;
    return 0;
}

bool SpecialRules::Match(const SpecialRule& probe, RuleColours* colours) const {
    if (colours) *colours = RuleColours{};
    if (rules_.empty()) return false;
    SpecialRule asKind = probe;
    for (int kind = kFirstRuleKind; kind <= kLastRuleKind; ++kind) {
        asKind.kind = kind;
        auto found = rules_.find(RuleKey(asKind));
        if (found == rules_.end()) continue;
        if (colours) *colours = RuleColours{found->second.text, found->second.background};
        return true;
    }
    return false;
}

bool SpecialRules::Clear() {
    const bool removed = !rules_.empty();
    rules_.clear();
    return removed;
}

}  // namespace zw::calendar
