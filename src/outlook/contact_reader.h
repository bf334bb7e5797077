// Outlook contact items into contact records.
#pragma once

#include <cstdint>
#include <string_view>

#include "session/pim_session.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

// The contact at a position of the Contacts folder, into a zero-filled record.
void ReadContactEntry(session::PimSession& session, char* record, std::int32_t position);

// The contact an entry identifier names, into a zeroed record; the record
// stays zero when the item is not in the default Contacts folder.
void ReadContactItem(session::PimSession& session, char* record, std::string_view entryId);

// The body of a contact record from the item, appending to its fields.
void FillContactFields(ContactRecord& record, const automation::DispatchRef& item);

}  // namespace tarnex::outlook
