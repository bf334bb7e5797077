// Finding a Eudora mailbox by name and message count in the mailbox tree.
#pragma once

#include <cstdint>
#include <string_view>

#include "session/pim_session.h"

namespace tarnex::eudora {

// Walks the tree under the application's root folder, depth first, and
// compares every node below the root. A node matches when its name equals
// name byte for byte and its messages number count. Sets the session's
// mailbox-found flag and, on a match, its current mailbox.
//
// Once a match is found the walk descends no further, but the remaining
// nodes of every collection being walked are still compared, and a later
// match among them replaces the earlier one: with two matching mailboxes,
// the second wins when it is a later child of the first one's parent or of
// one of its ancestors.
void FindMailbox(session::PimSession& session, std::string_view name, std::int32_t count);

}  // namespace tarnex::eudora
