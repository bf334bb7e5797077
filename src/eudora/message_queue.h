// Adding a message to Eudora. Eudora creates messages only through its
// queue call, as outgoing mail in the out mailbox; the library then finds
// the new message again by its body, sets its read status and, for the in
// stores, moves it into the in mailbox.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "session/pim_session.h"
#include "tarnex/tarnex.h"

namespace tarnex::eudora {

// Queues the record's message (to, subject, cc and body; the body with each
// LF sent as CR LF) and looks for it in the out mailbox. When found, it is
// the session's current message, with read status 0 for a status of exactly
// "UNREAD" and 1 otherwise, and the result is true. When not found it stays
// queued and unmarked.
bool QueueEudoraMessage(session::PimSession& session, const MessageRecord& record);

// The identifier number of the first message of the mailbox whose body is
// body byte for byte, or -1. Its message collection becomes the session's
// current one.
std::int32_t FindQueuedMessage(session::PimSession& session, const automation::DispatchRef& mailbox,
                               std::string_view body);

// Moves the session's current message into the in mailbox.
void MoveCurrentMessageToInMailbox(const session::PimSession& session);

// The body as it goes to the queue call: every LF as CR LF, also one that
// already follows a CR.
std::string QueuedBodyText(std::string_view body);

}  // namespace tarnex::eudora
