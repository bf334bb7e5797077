// The fields of a message record that come from an Outlook mail item.
#pragma once

#include <string>
#include <string_view>

#include "automation/dispatch_ref.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

// Fills status to body, in that order, one property at a time: status and
// message type appended to what they hold, the other texts copied raw over
// their fields and cut to them. A failing property ends the fill with the
// fields before it written.
void FillMessageFields(MessageRecord& record, const automation::DispatchRef& mailItem);

// A mail body as the record carries it: each "END:VBODY" as "/END:VBODY",
// so that no line of it closes the host's body object, then each CR LF as
// LF. A lone CR stays.
std::string MessageBodyText(std::string_view body);

}  // namespace tarnex::outlook
