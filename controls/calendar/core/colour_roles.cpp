#include "controls/calendar/core/colour_roles.h"

namespace zw::calendar {

const RoleDefault kRoleDefaults[kRoleCount] = {
    {kSysWindow, -1, RolePart::Whole},                 // 0 client background
    {kSysWindow, -1, RolePart::DayGrid},               // 1 day cells
    {-1, kRoleDayBackground, RolePart::DayGrid},       // 2 adjacent-month days
    {kSysButtonFace, -1, RolePart::TitleAndWeekdays},  // 3 title and weekday row
    {kSysHighlight, -1, RolePart::DayGrid},            // 4 marked days
    {kSysButtonFace, -1, RolePart::Buttons},           // 5 button face
    {kSysButtonHighlight, -1, RolePart::Buttons},      // 6 light edges
    {kSysButtonShadow, -1, RolePart::Buttons},         // 7 dark edges, 3D grid lines
    {kSysButtonText, -1, RolePart::Buttons},           // 8 arrows
    {kSysWindowText, -1, RolePart::DayGrid},           // 9 day numbers
    {-1, kRoleDayText, RolePart::Weekdays},            // 10 weekday abbreviations
    {kSysGrayText, -1, RolePart::DayGrid},             // 11 adjacent-month numbers
    {kSysGrayText, -1, RolePart::Whole},               // 12 disabled text and arrows
    {-1, kRoleDayText, RolePart::Title},               // 13 title text
    {kSysHighlightText, -1, RolePart::DayGrid},        // 14 marked numbers
    {kSysWindowFrame, -1, RolePart::Whole},            // 15 frame and grid lines
};

std::uint32_t ColourRoles::Get(int role, SystemColourFn systemColour) const {
    // Inheritance is one level deep: no inherited role names another one.
    if (!useDefault_[role]) return colours_[role];
    const RoleDefault& d = kRoleDefaults[role];
    if (d.systemColour < 0) return Get(d.inheritedRole, systemColour);
    return systemColour(d.systemColour);
}

std::uint32_t ColourRoles::Set(int role, std::uint32_t colour, SystemColourFn systemColour) {
    const std::uint32_t previous = Get(role, systemColour);
    colours_[role] = colour;
    useDefault_[role] = false;
    return previous;
}

bool ColourRoles::IsInherited(int role) const {
    return useDefault_[role] && kRoleDefaults[role].systemColour < 0;
}

}  // namespace zw::calendar
