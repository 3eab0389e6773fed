// The performance timer of ZelDebugBeginTime / SetTime / EndTime.
#pragma once

#include <cstddef>

namespace zw::windows {

// Marks recorded by the current run and not yet reported (leak accounting).
std::size_t LiveTimingMarkCount();

}  // namespace zw::windows
