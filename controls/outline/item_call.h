// The call shape of the exports that take an item handle.
#pragma once

#include <utility>

#include "controls/outline/core/outline_tree.h"
#include "frame/call_frame.h"

namespace zw::outline {

// A handle that names no live item gets `failure` without a debug line;
// otherwise `body(node)` gives the result inside the guarded region, which
// returns `failure` when it throws.
template <typename R, typename Body>
R ItemCall(const wchar_t* functionName, const void* item, R failure, Body&& body) noexcept {
    return Guarded(functionName, failure, [&]() -> R {
        TreeNode* node = AsNode(item);
        if (!node) return failure;
        return std::forward<Body>(body)(*node);
    });
}

}  // namespace zw::outline
