// Calendar records into Outlook appointments and tasks.
#pragma once

#include "automation/dispatch_ref.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

// Each sets the properties of its kind from the field block, in a fixed
// order; the caller finds or creates the item and saves it. Texts go to
// Outlook as the record holds them, except the body's "=0D=0A", which
// becomes a line feed. An empty date field leaves its date alone; every
// other property is set even from an empty field.
void WriteAppointmentFields(const automation::DispatchRef& appointment, const CalendarFields& fields);
void WriteTaskFields(const automation::DispatchRef& task, const CalendarFields& fields);

}  // namespace tarnex::outlook
