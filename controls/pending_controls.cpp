// Control objects for the classes whose controls are not built yet.
//
// Each of these windows gets a plain control object (announced with
// ZWM_ControlCreate like any other) that draws nothing of its own and answers
// every message with the default procedure. When a control is built, its
// folder defines its maker and the line for it here goes away.
#include <new>

#include "frame/control.h"
#include "frame/control_factories.h"

namespace zw {
namespace {
class PendingControl : public Control {};
Control* NewPending() { return new (std::nothrow) PendingControl; }
}  // namespace

Control* NewListViewDropDownControl() { return NewPending(); }

}  // namespace zw
