// Where the in-process backend's message boxes go: a handler the host or a
// test installed, else standard error.
#pragma once

#include "tarnex/tarnex_inproc.h"

namespace tarnex::automation::inproc {

void SetMessageBoxHandler(tarnex_MessageBoxHandler handler, void* context) noexcept;

}  // namespace tarnex::automation::inproc
