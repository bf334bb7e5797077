// The property tables of the item classes other than contacts (appointments
// and tasks have files of their own).
#pragma once

#include "simpim/item_data.h"
#include "simpim/property_table.h"

namespace simpim {

const PropertyTable& AppointmentProperties();
const PropertyTable& TaskProperties();
const PropertyTable& NoteProperties();
const PropertyTable& MailProperties();
const PropertyTable& MeetingProperties();
const PropertyTable& ReportProperties();
const PropertyTable& JournalProperties();
const PropertyTable& DistListProperties();

// A new appointment starts at the next half hour and lasts half an hour.
void InitializeAppointment(ItemData& data, double now);

}  // namespace simpim
