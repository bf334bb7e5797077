// Outlook appointments and tasks into calendar records.
#pragma once

#include <cstdint>
#include <string_view>

#include "session/pim_session.h"

namespace tarnex::outlook {

// The item at a position of the calendar store (the Calendar's items, then
// the Tasks'), into a zero-filled record: kind, type code and field block.
// The item stays in the session's appointment or task slot.
void ReadCalendarEntry(session::PimSession& session, char* record, std::int32_t position);

// The appointment or task an entry identifier names, into a zeroed record.
// The record stays zero when the item is in neither the Calendar nor the
// Tasks folder, and gets only its type and version when the item is neither
// an appointment nor a task; the field block's identifier stays empty then.
void ReadCalendarItem(session::PimSession& session, char* record, std::string_view entryId);

}  // namespace tarnex::outlook
