#include "outlook/calendar_fill.h"

#include <string>

#include "automation/invoke.h"
#include "codec/date_text.h"
#include "outlook/body_text.h"
#include "outlook/calendar_members.h"
#include "records/record_fields.h"
#include "session/outlook_members.h"
#include "session/outlook_navigation.h"

namespace tarnex::outlook {

namespace {

using automation::DispatchRef;
using records::AppendValue;

// A date property as date text; Outlook's empty date leaves the field empty.
template <std::size_t N>
void AppendDate(char (&field)[N], const DispatchRef& item, automation::Dispid property, bool withTime) {
    const double date = automation::GetDate(item, property);
    if (date == codec::NoDate) return;
    AppendValue(field, codec::FormatPimDate(date, 1, withTime), false);
}

// The fields both kinds begin with: identifier, subject, body.
void FillCommonFields(CalendarFields& fields, const DispatchRef& item) {
    records::CopyProperty(fields.entryId, item, session::outlook::kEntryId);
    records::AppendProperty(fields.subject, item, calendar::kSubject, false);
    FillBody(fields.body, fields.bodyParameters, item, calendar::kBody);
}

void FillImportance(CalendarFields& fields, const DispatchRef& item) {
    AppendValue(fields.importance, std::to_string(automation::GetInt(item, calendar::kImportance)), false);
}

}  // namespace

void FillAppointmentFields(CalendarFields& fields, const DispatchRef& appointment) {
    FillCommonFields(fields, appointment);
    AppendDate(fields.start, appointment, calendar::kStart, true);
    AppendDate(fields.end, appointment, calendar::kEnd, true);
    FillImportance(fields, appointment);
    records::AppendProperty(fields.location, appointment, calendar::kLocation, false);
}

void FillTaskFields(CalendarFields& fields, const DispatchRef& task) {
    FillCommonFields(fields, task);
    AppendDate(fields.start, task, calendar::kStartDate, true);
    AppendDate(fields.dueDate, task, calendar::kDueDate, true);
    AppendDate(fields.dateCompleted, task, calendar::kDateCompleted, false);
    FillImportance(fields, task);
    // The to-do status words of vCalendar 1.0.
    AppendValue(fields.status, automation::GetBool(task, calendar::kComplete) ? "COMPLETED" : "NEEDS ACTION",
                false);
}

}  // namespace tarnex::outlook
