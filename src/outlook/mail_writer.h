// Message records into Outlook mail items.
#pragma once

#include "automation/dispatch_ref.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

// Sets UnRead, the sender, the recipients, CC, Subject and Body, in that
// order; the caller finds or creates the item and saves it. Texts go to
// Outlook raw, as the record holds them. An empty from or to falls back on
// the host's entry lists; when those are empty too the property is left as
// it is. CC, Subject and Body are set even from empty fields.
void WriteMessageFields(const automation::DispatchRef& mailItem, const MessageRecord& record);

}  // namespace tarnex::outlook
