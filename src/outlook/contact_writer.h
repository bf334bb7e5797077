// Contact records into Outlook contact items.
#pragma once

#include "automation/dispatch_ref.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

// Sets the item's contact properties from the record's fields; the caller
// finds or creates the item and saves it afterwards. Values go to Outlook as
// the record holds them: escape pairs are not reduced.
void WriteContactFields(const automation::DispatchRef& item, const ContactRecord& record);

}  // namespace tarnex::outlook
