// CCalendar: marked dates, the user's marking in multiple selection, and
// special-date rules, with the repainting each change needs.
#include <vector>

#include "controls/calendar/calendar.h"
#include "controls/calendar/core/calendar_math.h"

namespace zw {

// ---- marked dates ---------------------------------------------------------------------

int CCalendar::MarkDate(const CDateTime& date, int markFlag, bool update, bool repaint) {
    if (markFlag != 0 && markFlag != 1) return 0;
    std::wstring key = date.CanonicalText();
    if (markFlag == 1) {
        if (!cal_.marked.try_emplace(std::move(key), date).second) return 0;
    } else if (cal_.marked.erase(key) == 0) {
        return 0;
    }
    if (Handle()) {
        const int cell = CellOfDate(date);
        if (cell != -1 && repaint) InvalidateCell(cell);
        if (update) Update();
    }
    return 1;
}

bool CCalendar::IsDateMarked(const CDateTime& date) const {
    return cal_.marked.count(date.CanonicalText()) != 0;
}

int CCalendar::ClearMarked(bool update) {
    const bool removed = !cal_.marked.empty();
    cal_.marked.clear();
    if (removed && Handle()) {
        InvalidatePart(cal_.layout.dayGrid);
        if (update) Update();
    }
    return 1;
}

void CCalendar::MarkFocus(MarkAction action, bool control, bool shift) {
    if (!generic_.multipleSelection) return;
    if (!shift) {
        cal_.anchorDate = cal_.focusDate;
        if (!control) ClearMarked(false);
        const bool marked = IsDateMarked(cal_.focusDate);
        const bool wanted = action == MarkAction::Toggle ? !marked : action == MarkAction::Mark;
        if (wanted && !marked && IsDateSelectable(cal_.focusDate)) MarkDate(cal_.focusDate, 1, false, true);
        if (!wanted && marked) MarkDate(cal_.focusDate, 0, false, true);
    } else {
        // The range takes the anchor's state as it was before any clearing.
        const bool wanted = action == MarkAction::Toggle ? IsDateMarked(cal_.anchorDate) : action == MarkAction::Mark;
        if (!control) ClearMarked(false);
        const int span = cal_.focusDate.Minus(cal_.anchorDate).Days();
        CDateTime date = span >= 0 ? cal_.anchorDate : cal_.focusDate;
        for (int i = 0, days = span >= 0 ? span : -span; i <= days && !date.IsNull(); ++i, date = date.NextDay()) {
            if (!wanted) MarkDate(date, 0, false, true);
            else if (IsDateSelectable(date)) MarkDate(date, 1, false, true);
        }
    }
    Update();
}

void CCalendar::UnmarkOutsideDays() {
    bool removed = false;
    for (auto it = cal_.marked.begin(); it != cal_.marked.end();) {
        const CDateTime& date = it->second;
        if (date.Month() != cal_.month || date.Year() != cal_.year) {
            it = cal_.marked.erase(it);
            removed = true;
        } else {
            ++it;
        }
    }
    if (removed) InvalidatePart(cal_.layout.dayGrid);
}

void CCalendar::UnmarkSpecialDays() {
    bool removed = false;
    for (auto it = cal_.marked.begin(); it != cal_.marked.end();) {
        if (IsDaySpecial(it->second, nullptr)) {
            it = cal_.marked.erase(it);
            removed = true;
        } else {
            ++it;
        }
    }
    if (removed) InvalidatePart(cal_.layout.dayGrid);
}

// ---- special-date rules ------------------------------------------------------------------

int CCalendar::SetSpecialRule(const calendar::SpecialRule& rule, int addFlag) {
    const int result = cal_.specials.Set(rule, addFlag);
    if (result == 1 && Handle()) {
        if (rule.kind == 1) InvalidateCell(CellOfDate(CDateTime(rule.year, rule.month, rule.day)));
        else InvalidatePart(cal_.layout.dayGrid);
        Update();
    }
    return result;
}

bool CCalendar::MatchSpecial(const calendar::SpecialRule& probe, calendar::RuleColours* colours) const {
    return cal_.specials.Match(probe, colours);
}

bool CCalendar::IsDaySpecial(const CDateTime& date, calendar::RuleColours* colours) const {
    if (colours) *colours = calendar::RuleColours{};
    if (!cal_.showSpecialDates || cal_.specials.IsEmpty()) return false;
    calendar::SpecialRule probe;
    probe.year = date.Year();
    probe.month = date.Month();
    probe.day = date.Day();
    probe.weekday = date.Weekday();
    probe.occurrence = WeekdayOccurrence(probe.day);
    return MatchSpecial(probe, colours);
}

int CCalendar::ClearSpecials(bool update) {
    if (cal_.specials.Clear() && Handle()) {
        InvalidatePart(cal_.layout.dayGrid);
        if (update) Update();
    }
    return 1;
}

}  // namespace zw
