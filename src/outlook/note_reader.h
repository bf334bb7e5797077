// Outlook notes into note records.
#pragma once

#include <cstdint>
#include <string_view>

#include "session/pim_session.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

// The note at a position of the Notes folder, into a zero-filled record:
// type, the note's own identifier, version, then the fields.
void ReadNoteEntry(session::PimSession& session, char* record, std::int32_t position);

// The note an entry identifier names, into a zeroed record: the caller's
// identifier and the version, then the fields; the type stays 0. The record
// stays zero when the item is not in the default Notes folder.
void ReadNoteItem(session::PimSession& session, char* record, std::string_view entryId);

// The times, subject and body of a note, appended to the record's fields.
void FillNoteFields(NoteRecord& record, const automation::DispatchRef& note);

}  // namespace tarnex::outlook
