#include "outlook/note_writer.h"

#include "automation/invoke.h"
#include "codec/body_text.h"
#include "outlook/note_members.h"
#include "records/record_fields.h"

namespace tarnex::outlook {

void WriteNoteFields(const automation::DispatchRef& note, const NoteRecord& record) {
    automation::PutText(note, note::kBody, codec::DecodeLineBreaks(records::Text(record.body)));
    // Also when empty: the record's categories replace the note's.
    automation::PutText(note, note::kCategories, records::Text(record.categories));
}

}  // namespace tarnex::outlook
