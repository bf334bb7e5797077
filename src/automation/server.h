// Creating an automation server from its programmatic identifier. A server
// that cannot be created is an answer, not a failure: the caller decides.
#pragma once

#include <optional>
#include <string_view>

#include "automation/dispatch_ref.h"

namespace tarnex::automation {

// The server's IDispatch, or nothing when it is not registered, cannot be
// started, or COM is not initialised on this thread.
std::optional<DispatchRef> CreateServer(std::string_view progId);

}  // namespace tarnex::automation
