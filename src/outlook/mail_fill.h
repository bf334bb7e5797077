// The fields of a message record that come from an Outlook mail item.
#pragma once

#include "automation/dispatch_ref.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

// Fills status to body, in that order, one property at a time: status and
// message type appended to what they hold, the other texts copied raw over
// their fields and cut to them. A failing property ends the fill with the
// fields before it written.
void FillMessageFields(MessageRecord& record, const automation::DispatchRef& mailItem);

}  // namespace tarnex::outlook
