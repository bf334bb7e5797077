#include "outlook/calendar_reader.h"

#include <string>

#include "automation/invoke.h"
#include "outlook/calendar_fill.h"
#include "records/calendar_kind.h"
#include "records/record_header.h"
#include "session/outlook_members.h"
#include "session/outlook_navigation.h"
#include "session/store_collections.h"

namespace tarnex::outlook {

namespace {

using records::CalendarKind;
using records::DefaultFolder;

CalendarRecord& AsCalendar(char* record) noexcept { return *reinterpret_cast<CalendarRecord*>(record); }

void Fill(CalendarRecord& record, CalendarKind kind, const session::DispatchRef& item) {
    if (kind == CalendarKind::Appointment) {
        FillAppointmentFields(record.fields, item);
    } else {
        FillTaskFields(record.fields, item);
    }
}

// True when the folder is the default Calendar folder or, failing that, the
// default Tasks folder; the Tasks folder is asked for only then.
bool IsCalendarOrTasks(const session::PimSession& session, const session::DispatchRef& folder) {
    const session::DispatchRef calendar =
        session::GetDefaultFolder(session.nameSpace, DefaultFolder::Calendar);
    const std::string folderId = session::EntryIdOf(folder);
    if (folderId == session::EntryIdOf(calendar)) return true;
    const session::DispatchRef tasks = session::GetDefaultFolder(session.nameSpace, DefaultFolder::Tasks);
    return folderId == session::EntryIdOf(tasks);
}

}  // namespace

void ReadCalendarEntry(session::PimSession& session, char* record, std::int32_t position) {
    CalendarRecord& calendarRecord = AsCalendar(record);
    const session::CalendarPlace place = session::LocateCalendarPosition(session, position);
    const CalendarKind kind = place.isTask ? CalendarKind::Task : CalendarKind::Appointment;
    // The kind is written before the fetch, which may fail.
    calendarRecord.kind = static_cast<std::uint8_t>(kind);
    session::DispatchRef& slot = place.isTask ? session.taskItem : session.appointmentItem;
    slot = session::ItemAt(*place.items, place.index);
    records::WriteRecordType(calendarRecord.header, session::ClassOf(slot));
    Fill(calendarRecord, kind, slot);
}

void ReadCalendarItem(session::PimSession& session, char* record, std::string_view entryId) {
    session.foundItem = session::LookUpItem(session, entryId);
    session.currentFolder = automation::GetDispatch(session.foundItem, session::outlook::kParent);
    if (!IsCalendarOrTasks(session, session.currentFolder)) return;

    CalendarRecord& calendarRecord = AsCalendar(record);
    records::WriteRecordType(calendarRecord.header, session::ClassOf(session.foundItem));
    records::CopyText(calendarRecord.header.version, records::kCalendarVersion);

    // The kind comes from the message class, not from the folder: an
    // appointment filed among the tasks is read as an appointment.
    const std::string messageClass = automation::GetText(session.foundItem, session::outlook::kMessageClass);
    CalendarKind kind;
    if (messageClass == "IPM.Appointment") {
        kind = CalendarKind::Appointment;
    } else if (messageClass == "IPM.Task") {
        kind = CalendarKind::Task;
    } else {
        return;
    }
    calendarRecord.kind = static_cast<std::uint8_t>(kind);
    records::CopyText(calendarRecord.fields.entryId, entryId);
    Fill(calendarRecord, kind, session.foundItem);
}

}  // namespace tarnex::outlook
