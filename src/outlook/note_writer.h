// Note records into Outlook notes.
#pragma once

#include "automation/dispatch_ref.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

// Sets the note's body and categories from the record; the caller finds or
// creates the note and saves it afterwards. The subject (Outlook takes it
// from the body) and the two times are never sent.
void WriteNoteFields(const automation::DispatchRef& note, const NoteRecord& record);

}  // namespace tarnex::outlook
