// DISPIDs of the Outlook 2000 AppointmentItem and TaskItem properties the
// calendar converters read and write. Subject, Body, Importance and
// Categories are members of every item.
#pragma once

#include "automation/dispatch_object.h"

namespace tarnex::outlook::calendar {

using automation::Dispid;

constexpr Dispid kSubject = 0x37;
constexpr Dispid kBody = 0x9100;
constexpr Dispid kImportance = 0x17;
constexpr Dispid kCategories = 0x9001;

// AppointmentItem
constexpr Dispid kStart = 0x820D;
constexpr Dispid kEnd = 0x820E;
constexpr Dispid kLocation = 0x8208;

// TaskItem
constexpr Dispid kStartDate = 0x8104;
constexpr Dispid kDueDate = 0x8105;
constexpr Dispid kDateCompleted = 0x810F;
constexpr Dispid kComplete = 0x811C;

}  // namespace tarnex::outlook::calendar
