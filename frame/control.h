// Base of the library's control objects: a window object that belongs to its
// window (deleted when the window is destroyed) and that application code
// addresses through the instance pointer announced with ZWM_ControlCreate.
#pragma once

#include "frame/wnd.h"

namespace zw {

constexpr UINT ZWM_ControlCreate = 0x6008;

class Control : public Wnd {
public:
    // The live control behind an instance pointer handed back by the
    // application, or null for a stale or garbage pointer.
    static Control* FromInstance(void* instance) {
        return Wnd::IsLive(instance) ? static_cast<Control*>(static_cast<Wnd*>(instance)) : nullptr;
    }

protected:
    void PostNcDestroy() override { delete this; }
};

}  // namespace zw
