// Outlook appointments and tasks into the field block of a calendar record.
#pragma once

#include "automation/dispatch_ref.h"
#include "tarnex/tarnex.h"

namespace tarnex::outlook {

// Each fills the fields its kind carries, appending to zero-filled fields,
// in the order Outlook is asked for the properties. The entry identifier is
// copied whole over whatever the field held.
void FillAppointmentFields(CalendarFields& fields, const automation::DispatchRef& appointment);
void FillTaskFields(CalendarFields& fields, const automation::DispatchRef& task);

}  // namespace tarnex::outlook
