// The frame of the ZelLV functions: each takes the list object (the
// CHeaderListBox that ZelLVGetListView hands out) first, reports a null one
// with message 48, and on any other failure writes its own " - Unable to ..."
// debug line and returns its failure value.
#pragma once

#include <utility>

#include "controls/listview/header_list_box.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"

namespace zw::listview {

template <typename R, typename Body>
R ListCall(const wchar_t* functionName, void* list, R failure, const wchar_t* failText, Body&& body) noexcept {
    return ControlCall<CHeaderListBox>(functionName, list, failure, failText, std::forward<Body>(body));
}

// An out-argument the caller must give.
template <typename T>
T& Required(T* pointer) {
    if (!pointer) throw InvalidArgException();
    return *pointer;
}

}  // namespace zw::listview
