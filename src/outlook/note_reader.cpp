#include "outlook/note_reader.h"

#include <string>

#include "automation/invoke.h"
#include "outlook/body_text.h"
#include "codec/date_text.h"
#include "outlook/note_members.h"
#include "records/record_header.h"
#include "session/outlook_members.h"
#include "session/outlook_navigation.h"

namespace tarnex::outlook {

namespace {

using automation::DispatchRef;
using records::AppendValue;
using records::CopyText;

// A note time as local date-time text. Outlook's empty date is written as
// it comes (45010101T000000): notes always have both times.
void AppendTime(char (&field)[20], const DispatchRef& note, automation::Dispid property) {
    AppendValue(field, codec::FormatPimDate(automation::GetDate(note, property), 1, true), false);
}

NoteRecord& AsNote(char* record) noexcept { return *reinterpret_cast<NoteRecord*>(record); }

}  // namespace

void FillNoteFields(NoteRecord& record, const DispatchRef& note) {
    AppendTime(record.creationTime, note, session::outlook::kCreationTime);
    AppendTime(record.lastModificationTime, note, session::outlook::kLastModificationTime);
    records::AppendProperty(record.subject, note, note::kSubject, false);
    FillBody(record.body, record.bodyParameters, note, note::kBody);
}

void ReadNoteEntry(session::PimSession& session, char* record, std::int32_t position) {
    session.noteItem = session::ItemAt(session.notes, position + 1);
    NoteRecord& noteRecord = AsNote(record);
    records::WriteRecordType(noteRecord.header, session::ClassOf(session.noteItem));
    records::CopyProperty(noteRecord.header.entryId, session.noteItem, session::outlook::kEntryId);
    CopyText(noteRecord.header.version, records::kNoteVersion);
    FillNoteFields(noteRecord, session.noteItem);
}

void ReadNoteItem(session::PimSession& session, char* record, std::string_view entryId) {
    session.noteItem = session::LookUpItem(session, entryId);
    session.currentFolder = automation::GetDispatch(session.noteItem, session::outlook::kParent);
    const DispatchRef notes = session::GetDefaultFolder(session.nameSpace, records::DefaultFolder::Notes);
    // Subfolders of Notes are other folders: only the default one is read.
    const std::string folderId = session::EntryIdOf(session.currentFolder);
    if (folderId != session::EntryIdOf(notes)) return;

    NoteRecord& noteRecord = AsNote(record);
    CopyText(noteRecord.header.entryId, entryId);
    CopyText(noteRecord.header.version, records::kNoteVersion);
    FillNoteFields(noteRecord, session.noteItem);
}

}  // namespace tarnex::outlook
