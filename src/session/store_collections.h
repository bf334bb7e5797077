// Which Items collections of the session make up each store, and fetching the
// item at a store position (position p is Outlook's item p + 1).
#pragma once

#include <cstdint>
#include <optional>

#include "records/store_selector.h"
#include "session/pim_session.h"

namespace tarnex::session {

// The one collection behind a single-folder store (every store but the
// calendar, which is Calendar followed by Tasks).
const DispatchRef& SingleFolderItems(const PimSession& session, records::StoreSelector store);

// The number of objects in a store, asked from Outlook now; nothing for a
// selector that names no store.
std::optional<std::int32_t> StoreCount(const PimSession& session, std::int32_t selector);

// Where a calendar store position lies: Calendar items first, then Tasks.
struct CalendarPlace {
    const DispatchRef* items;  // the session's Calendar or Tasks collection
    std::int32_t index;        // Outlook's index in it, from 1
    bool isTask;
};
// Counts are asked anew; the Tasks count only when the Calendar has items.
CalendarPlace LocateCalendarPosition(const PimSession& session, std::int32_t position);

// The calendar store's item at a position, located as above.
DispatchRef CalendarItemAt(const PimSession& session, std::int32_t position);

}  // namespace tarnex::session
