// DISPIDs of the Outlook 2000 NoteItem properties the note converters read
// and write. The two times are every item's (session/outlook_members.h).
#pragma once

#include "automation/dispatch_object.h"

namespace tarnex::outlook::note {

using automation::Dispid;

constexpr Dispid kBody = 0x9100;
constexpr Dispid kCategories = 0x9001;
// Read-only: Outlook takes it from the body's first line.
constexpr Dispid kSubject = 0xF7A0;

}  // namespace tarnex::outlook::note
