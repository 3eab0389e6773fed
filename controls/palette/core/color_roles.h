// The palette's twelve colour roles. Each answers a default until it is set;
// the defaults are system colours, and roles 0, 2 and 6 follow whatever role 1
// answers.
#pragma once

#include <cstdint>

namespace zw::palette {

enum ColorRole : int {
    kRoleCellBackground = 0,    // behind the palette and MRU grids
    kRoleBackground = 1,        // the whole client area
    kRoleMenuBackground = 2,    // behind the menu lines
    kRoleOuterLight = 3,        // sunken frames: outer ring, right and bottom
    kRoleOuterDark = 4,         // sunken frames: outer ring, left and top
    kRoleInnerDark = 5,         // sunken frames: inner ring, left and top
    kRoleInnerLight = 6,        // sunken frames: inner ring, right and bottom
    kRoleDisabledText = 7,      // text and outline pen when disabled
    kRoleText = 8,              // text and outline pen when enabled
    kRoleSelectionInner = 9,    // inner ring of the selection frame
    kRoleSelectionOuter = 10,   // outer rings of the selection frame
    kRoleFrame = 11,            // kept for applications; nothing draws with it
};
constexpr int kRoleCount = 12;

// A system colour by its GetSysColor index.
using SystemColorFunction = std::uint32_t (*)(int index);

class ColorRoles {
public:
    static bool IsRole(int role) { return role >= 0 && role < kRoleCount; }

    // The answer for a number that is not a role (-1 as a signed value).
    static constexpr std::uint32_t kNoRole = 0xFFFFFFFF;

    // What `role` answers now: its stored colour once set, else its default.
    std::uint32_t Get(int role, SystemColorFunction systemColor) const;
    // Stores `color` for `role` and returns what the role answered before;
    // kNoRole, changing nothing, for a number that is not a role.
    std::uint32_t Set(int role, std::uint32_t color, SystemColorFunction systemColor);

private:
    bool set_[kRoleCount] = {};            // the role holds a colour of its own
    std::uint32_t color_[kRoleCount] = {}; // that colour (COLORREF)
};

}  // namespace zw::palette
