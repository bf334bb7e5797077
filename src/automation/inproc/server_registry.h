// The in-process backend's class registry: programmatic identifier to the
// factory that creates the server's application object.
#pragma once

#include <string_view>

#include "tarnex/tarnex_inproc.h"

namespace tarnex::automation::inproc {

void RegisterServer(std::string_view progId, tarnex_ServerFactory factory, void* context);
void UnregisterServer(std::string_view progId);

}  // namespace tarnex::automation::inproc
