#include "outlook/calendar_writer.h"

#include <cstdint>
#include <string_view>

#include "automation/invoke.h"
#include "codec/date_text.h"
#include "codec/body_text.h"
#include "outlook/calendar_members.h"
#include "records/record_fields.h"

namespace tarnex::outlook {

namespace {

using automation::DispatchRef;
using automation::PutText;
using records::Text;

template <std::size_t N>
void PutDateIfSet(const DispatchRef& item, automation::Dispid property, const char (&field)[N]) {
    const std::string_view text = Text(field);
    if (!text.empty()) automation::PutDate(item, property, codec::ParsePimDate(text, 1));
}

// The field's leading decimal integer as atoi reads it: blanks, a sign, then
// digits; 0 when there are none. The field is too short to overflow.
std::int32_t LeadingInteger(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string_view::npos) return 0;
    const bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+') ++at;
    std::int32_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = value * 10 + (text[at] - '0');
    return negative ? -value : value;
}

}  // namespace

void WriteAppointmentFields(const DispatchRef& appointment, const CalendarFields& fields) {
    PutText(appointment, calendar::kSubject, Text(fields.subject));
    PutText(appointment, calendar::kBody, codec::DecodeLineBreaks(Text(fields.body)));
    PutDateIfSet(appointment, calendar::kStart, fields.start);
    PutDateIfSet(appointment, calendar::kEnd, fields.end);
    PutText(appointment, calendar::kLocation, Text(fields.location));
}

// Complete comes after DateCompleted, which can itself mark a task complete
// in Outlook, so the record's status has the last word; Subject comes last.
void WriteTaskFields(const DispatchRef& task, const CalendarFields& fields) {
    PutText(task, calendar::kCategories, Text(fields.categories));
    PutDateIfSet(task, calendar::kDateCompleted, fields.dateCompleted);
    PutText(task, calendar::kBody, codec::DecodeLineBreaks(Text(fields.body)));
    PutDateIfSet(task, calendar::kStartDate, fields.start);
    PutDateIfSet(task, calendar::kDueDate, fields.dueDate);
    automation::Put(task, calendar::kImportance, LeadingInteger(Text(fields.importance)));
    automation::Put(task, calendar::kComplete, Text(fields.status) == "COMPLETED");
    PutText(task, calendar::kSubject, Text(fields.subject));
}

}  // namespace tarnex::outlook
