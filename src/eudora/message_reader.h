// Reading a Eudora message, named by the host's identifier, into a message
// record.
#pragma once

#include <string_view>

#include "session/pim_session.h"
#include "tarnex/tarnex.h"

namespace tarnex::eudora {

// Finds the mailbox the identifier names (by name and present message
// count) and fills the record from the message at the identifier's
// position: box, header, then status to body in the record's order. A
// mailbox that is not found leaves the record as it was. The record must be
// zero-filled: status and message type are appended.
void ReadEudoraMessage(session::PimSession& session, MessageRecord& record, std::string_view identifier);

}  // namespace tarnex::eudora
