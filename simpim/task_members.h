// The DISPIDs of Outlook's TaskItem members whose values depend on each other.
#pragma once

#include "automation/dispatch_object.h"

namespace simpim::task {

using tarnex::automation::Dispid;

constexpr Dispid kStartDate = 0x8104;
constexpr Dispid kDueDate = 0x8105;
constexpr Dispid kDateCompleted = 0x810F;
constexpr Dispid kComplete = 0x811C;
constexpr Dispid kStatus = 0x8101;
constexpr Dispid kPercentComplete = 0xF61F;

}  // namespace simpim::task
