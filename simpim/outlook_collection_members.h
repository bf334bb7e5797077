// DISPIDs Outlook's two collections, Items and Folders, share.
#pragma once

#include <algorithm>
#include <cstdint>

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

// Where GetFirst, GetNext, GetLast or GetPrevious leave a collection's
// cursor. Positions count from 1; 0 and count + 1 stand past either end,
// where Outlook answers Nothing and the cursor stays put.
inline std::int32_t MoveCursor(Dispid dispid, std::int32_t cursor, std::int32_t count) {
    switch (dispid) {
        case kGetFirst:
            return 1;
        case kGetLast:
            return count;
        case kGetNext:
            return std::min(cursor + 1, count + 1);
        case kGetPrevious:
            return std::max(cursor - 1, 0);
    }
    return cursor;
}

}  // namespace simpim::collection
