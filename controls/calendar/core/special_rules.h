// Special-date rules: recurring or single days that a calendar draws in a
// rule's own colours (holidays, paydays...). Each rule is stored under a key
// text made from the numbers its kind uses, so that asking whether a day is
// special is one lookup per kind.
//
// Kinds, and the numbers each key uses (the others count as 0):
//   1 that exact date                                 year, month, day
//   2 that weekday, every week                        weekday
//   3 that day of any month                           day
//   4 the n-th such weekday of any month              weekday, occurrence
//   5 that day of that month, every year              month, day
//   6 the n-th such weekday of that month, every year month, weekday, occurrence
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

namespace zw::calendar {

struct SpecialRule {
    int kind = 0;                   // 1..6, see above
    int month = 0;                  // 1..12
    int day = 0;                    // day of month 1..31
    int year = 0;                   // four-digit year
    int weekday = 0;                // 1 Sunday .. 7 Saturday
    int occurrence = 0;             // 1..5: which such weekday of its month
    std::uint32_t background = 0;   // colour reference of the day's background
    std::uint32_t text = 0;         // colour reference of the day number
};

constexpr int kFirstRuleKind = 1;
constexpr int kLastRuleKind = 6;

// The rule's key: year, month, day, weekday and occurrence formatted
// "%04.4d%02.2d%02.2d%02.2d%02.2d", with the numbers its kind does not use
// as 0; any other kind gives twelve zeros.
std::string RuleKey(const SpecialRule& rule);

// The colours of the rule that matched a day.
struct RuleColours {
    std::uint32_t text = 0;
    std::uint32_t background = 0;
};

// The rules of one calendar, at most one per key.
class SpecialRules {
public:
    using Map = std::unordered_map<std::string, SpecialRule>;

    // Add flag 1: stores a copy under the rule's key, replacing a rule
    // already there; result 1. Add flag 0: removes the rule under that key,
    // 1 when there was one, else 0. Any other flag: 0, nothing done.
    int Set(const SpecialRule& rule, int addFlag);

    // Tries the probe's numbers as a rule of kind 1, 2, ... 6 and stops at the
    // first stored key: an exact date wins over a weekly rule, and so on. The
    // probe's own kind and colours play no part. Colours stay 0 without a match.
    bool Match(const SpecialRule& probe, RuleColours* colours) const;

    // Removes every rule; true when there was one.
    bool Clear();

    std::size_t Count() const { return rules_.size(); }
    bool IsEmpty() const { return rules_.empty(); }
    // The rules in the map's own order (neither sorted nor in insertion order).
    const Map& All() const { return rules_; }

private:
    Map rules_;  // rules by their key
};

}  // namespace zw::calendar
