// Stands in for the user in front of a message box: a hook on the calling
// thread hands each box's text to a handler and presses OK.
#pragma once

#include "tarnex/tarnex_inproc.h"

namespace simpim_com {

// null removes the hook.
void SetMessageBoxHandler(tarnex_MessageBoxHandler handler, void* context) noexcept;

}  // namespace simpim_com
