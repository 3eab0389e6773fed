#include "controls/palette/core/color_roles.h"

namespace zw::palette {

namespace {

// GetSysColor indices of the defaults; kFollowsBackground marks the roles
// that answer role 1's colour.
constexpr int kFollowsBackground = -1;
constexpr int kDefaultSource[kRoleCount] = {
    kFollowsBackground,  //  0
    5,                   //  1 COLOR_WINDOW
    kFollowsBackground,  //  2
    20,                  //  3 COLOR_BTNHIGHLIGHT
    16,                  //  4 COLOR_BTNSHADOW
    6,                   //  5 COLOR_WINDOWFRAME
    kFollowsBackground,  //  6
    17,                  //  7 COLOR_GRAYTEXT
    8,                   //  8 COLOR_WINDOWTEXT
    14,                  //  9 COLOR_HIGHLIGHTTEXT
    13,                  // 10 COLOR_HIGHLIGHT
    6,                   // 11 COLOR_WINDOWFRAME
};

}  // namespace

std::uint32_t ColorRoles::Get(int role, SystemColorFunction systemColor) const {
    if (!IsRole(role)) return kNoRole;
    if (set_[role]) return color_[role];
    const int source = kDefaultSource[role];
    return source == kFollowsBackground ? Get(kRoleBackground, systemColor) : systemColor(source);
}

std::uint32_t ColorRoles::Set(int role, std::uint32_t color, SystemColorFunction systemColor) {
    if (!IsRole(role)) return kNoRole;
    const std::uint32_t previous = Get(role, systemColor);
    set_[role] = true;
    color_[role] = color;
    return previous;
}

}  // namespace zw::palette
