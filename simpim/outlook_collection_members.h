// DISPIDs Outlook's two collections, Items and Folders, share.
#pragma once

#include "automation/dispatch_object.h"

namespace simpim::collection {

using tarnex::automation::Dispid;

constexpr Dispid kCount = 0x50;
constexpr Dispid kItem = 0x51;
constexpr Dispid kRemove = 0x54;  // Items only
constexpr Dispid kGetFirst = 0x56;
constexpr Dispid kGetNext = 0x57;
constexpr Dispid kGetLast = 0x58;
constexpr Dispid kGetPrevious = 0x59;

}  // namespace simpim::collection
