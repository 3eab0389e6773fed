// The host's allocation gate: every string and array allocation of the host
// passes through it, so that tests can make one chosen allocation fail.
#pragma once

namespace host {

// Counts an allocation about to be made; false when this is the one the
// test surface asked to fail.
bool NextAllocationSucceeds();

}  // namespace host
