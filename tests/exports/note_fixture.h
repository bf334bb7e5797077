// Note records as a host builds and inspects them, over the simulated
// Outlook with the session open.
#pragma once

#include <string>

#include "exports/outlook_fixture.h"
#include "exports/record_bytes.h"
#include "exports/record_lists.h"

namespace tarnex_test {

// The note layout, for naming the first differing byte of a record.
inline constexpr FieldSpan kNoteFields[] = {
    {0, 4, "type"},
    {4, 256, "entryId"},
    {260, 10, "version"},
    {270, 20, "creationTime"},
    {290, 20, "lastModificationTime"},
    {310, 165, "categories"},
    {475, 5120, "body"},
    {5595, 128, "body parameters"},
    {5723, 256, "subject"},
    {5979, 128, "subject parameters"},
    {6107, 1, "last byte"},
};

class NoteTest : public OpenOutlookTest {
protected:
    simpim::OutlookItem& AddNote(std::u16string body) {
        return Add(simpim::kFolderNotes, simpim::NoteClass(), {{"Body", simpim::Variant(std::move(body))}});
    }
};

}  // namespace tarnex_test
