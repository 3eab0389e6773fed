// The calendar's sixteen colour roles. Each role answers a system colour (or
// the colour of another role) until an application or the calendar itself
// gives it a colour of its own.
#pragma once

#include <array>
#include <cstdint>

namespace zw::calendar {

constexpr int kRoleCount = 16;

// Role numbers, as applications pass them.
enum Role : int {
    kRoleClientBackground = 0,
    kRoleDayBackground = 1,
    kRoleOutsideDayBackground = 2,
    kRoleHeaderBackground = 3,
    kRoleMarkedBackground = 4,
    kRoleButtonFace = 5,
    kRoleButtonLight = 6,
    kRoleButtonShadow = 7,
    kRoleArrow = 8,
    kRoleDayText = 9,
    kRoleWeekdayText = 10,
    kRoleOutsideDayText = 11,
    kRoleDisabledText = 12,
    kRoleTitleText = 13,
    kRoleMarkedText = 14,
    kRoleFrame = 15,
};

// The part of the calendar that shows a role, repainted when the role changes.
enum class RolePart { Whole, DayGrid, TitleAndWeekdays, Buttons, Weekdays, Title };

// What a role answers while it has no colour of its own: a system colour
// index (the COLOR_* numbers), or, with systemColour -1, the role it inherits.
struct RoleDefault {
    int systemColour;
    int inheritedRole;
    RolePart part;
};
extern const RoleDefault kRoleDefaults[kRoleCount];

// System colour indexes used here, as the platform numbers them.
enum SystemColour : int {
    kSysWindow = 5,
    kSysWindowFrame = 6,
    kSysWindowText = 8,
    kSysHighlight = 13,
    kSysHighlightText = 14,
    kSysButtonFace = 15,
    kSysButtonShadow = 16,
    kSysGrayText = 17,
    kSysButtonText = 18,
    kSysButtonHighlight = 20,
};

inline bool IsRole(int role) { return role >= 0 && role < kRoleCount; }

class ColourRoles {
public:
    using SystemColourFn = std::uint32_t (*)(int systemColourIndex);

    // The role's own colour, or its default through `systemColour`. The role
    // must be valid (IsRole).
    std::uint32_t Get(int role, SystemColourFn systemColour) const;
    // Gives the role a colour of its own; returns the colour it answered before.
    std::uint32_t Set(int role, std::uint32_t colour, SystemColourFn systemColour);
    // On its default, and that default is another role's colour.
    bool IsInherited(int role) const;
    bool UsesDefault(int role) const { return useDefault_[role]; }

private:
    std::array<bool, kRoleCount> useDefault_ = MakeAll(true);        // true: the role answers its default
    std::array<std::uint32_t, kRoleCount> colours_{};                // own colours (COLORREF)

    static constexpr std::array<bool, kRoleCount> MakeAll(bool value) {
        std::array<bool, kRoleCount> all{};
        for (bool& b : all) b = value;
        return all;
    }
};

}  // namespace zw::calendar
