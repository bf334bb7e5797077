// Outlook mail items into message records.
#pragma once

#include <cstdint>
#include <string_view>

#include "records/store_selector.h"
#include "session/pim_session.h"

namespace tarnex::outlook {

// The item at a position of the Inbox, Outbox or Sent Items (the selector's
// folder) into a zero-filled record; the box word is written before the
// fetch, which may fail. The item stays in the session's mail item slot.
void ReadMailEntry(session::PimSession& session, char* record, std::int32_t position,
                   records::StoreSelector store);

// The item an entry identifier names, into a zeroed record, wherever it lies
// in the store: the box names the default mail folder holding it ("INBOX"
// when none does). The record keeps the caller's identifier; the item's
// folder becomes the current folder.
void ReadMailItem(session::PimSession& session, char* record, std::string_view entryId);

}  // namespace tarnex::outlook
