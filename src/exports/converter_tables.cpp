#include "exports/converter_tables.h"

#include <array>
#include <cstddef>

#include "outlook/calendar_reader.h"
#include "outlook/calendar_writer.h"
#include "outlook/contact_reader.h"
#include "outlook/contact_writer.h"
#include "outlook/mail_reader.h"
#include "outlook/mail_writer.h"
#include "records/calendar_kind.h"
#include "outlook/note_reader.h"
#include "outlook/note_writer.h"

namespace tarnex::exports {

namespace {

using records::StoreSelector;

constexpr std::size_t kHeaderEntryId = offsetof(PimRecordHeader, entryId);
// Calendar records keep their identifier at the start of the field block.
constexpr std::size_t kCalendarEntryId = records::kCalendarFieldsOffset + offsetof(CalendarFields, entryId);

// Outlook's OlItemType values for Application.CreateItem.
enum ItemType : std::int32_t {
    kMailItem = 0,
    kAppointmentItem = 1,
    kContactItem = 2,
    kTaskItem = 3,
    kNoteItem = 5
};

void ReadContactEntry(session::PimSession& s, char* record, std::int32_t position, StoreSelector) {
    outlook::ReadContactEntry(s, record, position);
}
void WriteContact(const session::DispatchRef& item, const char* record) {
    outlook::WriteContactFields(item, *reinterpret_cast<const ContactRecord*>(record));
}

void ReadCalendarEntry(session::PimSession& s, char* record, std::int32_t position, StoreSelector) {
    outlook::ReadCalendarEntry(s, record, position);
}
// The calendar writers are handed the field block (kCalendarFieldsOffset).
void WriteAppointment(const session::DispatchRef& item, const char* fields) {
    outlook::WriteAppointmentFields(item, *reinterpret_cast<const CalendarFields*>(fields));
}
void WriteTask(const session::DispatchRef& item, const char* fields) {
    outlook::WriteTaskFields(item, *reinterpret_cast<const CalendarFields*>(fields));
}
void ReadNoteEntry(session::PimSession& s, char* record, std::int32_t position, StoreSelector) {
    outlook::ReadNoteEntry(s, record, position);
}
void WriteNote(const session::DispatchRef& item, const char* record) {
    outlook::WriteNoteFields(item, *reinterpret_cast<const NoteRecord*>(record));
}

void WriteMessage(const session::DispatchRef& item, const char* record) {
    outlook::WriteMessageFields(item, *reinterpret_cast<const MessageRecord*>(record));
}

// Where a new mail item of each store is moved after its first save.
constexpr std::int32_t kInboxFolder = static_cast<std::int32_t>(records::DefaultFolder::Inbox);
constexpr std::int32_t kOutboxFolder = static_cast<std::int32_t>(records::DefaultFolder::Outbox);
constexpr std::int32_t kSentItemsFolder = static_cast<std::int32_t>(records::DefaultFolder::SentItems);

constexpr std::array kReaders{
    StoreReader{StoreSelector::Contacts, &ReadContactEntry, &outlook::ReadContactItem, kHeaderEntryId},
    StoreReader{StoreSelector::Calendar, &ReadCalendarEntry, &outlook::ReadCalendarItem, kCalendarEntryId},
    StoreReader{StoreSelector::Notes, &ReadNoteEntry, &outlook::ReadNoteItem, kHeaderEntryId},
    // The three mail stores share one single reader, which is not told the
    // store: the item's own folder names its box.
    StoreReader{StoreSelector::Inbox, &outlook::ReadMailEntry, &outlook::ReadMailItem, kHeaderEntryId},
    StoreReader{StoreSelector::Outbox, &outlook::ReadMailEntry, &outlook::ReadMailItem, kHeaderEntryId},
    StoreReader{StoreSelector::SentItems, &outlook::ReadMailEntry, &outlook::ReadMailItem, kHeaderEntryId},
};

constexpr std::array kWriters{
    StoreWriter{StoreSelector::Contacts, 0, &WriteContact, 0, &session::PimSession::contactItem, kContactItem,
                0},
    // A calendar record of any other kind finds no writer: nothing is written.
    StoreWriter{StoreSelector::Calendar, TARN_CALENDAR_APPOINTMENT, &WriteAppointment,
                records::kCalendarFieldsOffset, &session::PimSession::appointmentItem, kAppointmentItem, 0},
    StoreWriter{StoreSelector::Calendar, TARN_CALENDAR_TASK, &WriteTask, records::kCalendarFieldsOffset,
                &session::PimSession::taskItem, kTaskItem, 0},
    StoreWriter{StoreSelector::Notes, 0, &WriteNote, 0, &session::PimSession::noteItem, kNoteItem, 0},
    // A new mail item is saved where Outlook keeps new mail, then moved into
    // the store's folder.
    StoreWriter{StoreSelector::Inbox, 0, &WriteMessage, 0, &session::PimSession::mailItem, kMailItem,
                kInboxFolder},
    StoreWriter{StoreSelector::Outbox, 0, &WriteMessage, 0, &session::PimSession::mailItem, kMailItem,
                kOutboxFolder},
    StoreWriter{StoreSelector::SentItems, 0, &WriteMessage, 0, &session::PimSession::mailItem, kMailItem,
                kSentItemsFolder},
};

}  // namespace

const StoreReader* FindReader(std::int32_t store) noexcept {
    for (const auto& reader : kReaders) {
        if (static_cast<std::int32_t>(reader.store) == store) return &reader;
    }
    return nullptr;
}

const StoreWriter* FindWriter(std::int32_t store, const char* record) noexcept {
    for (const auto& writer : kWriters) {
        if (static_cast<std::int32_t>(writer.store) != store) continue;
        if (writer.calendarKind == 0) return &writer;
        if (record != nullptr &&
            static_cast<std::uint8_t>(record[kCalendarKindOffset]) == writer.calendarKind) {
            return &writer;
        }
    }
    return nullptr;
}

}  // namespace tarnex::exports
