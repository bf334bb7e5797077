// Note records as a host builds and inspects them, over the simulated
// Outlook with the session open.
#pragma once

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "exports/outlook_fixture.h"
#include "exports/record_bytes.h"

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

inline NoteRecord ZeroNote() {
    NoteRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

inline std::span<const char> BytesOf(const NoteRecord& record) {
    return {reinterpret_cast<const char*>(&record), sizeof record};
}

class NoteTest : public OpenOutlookTest {
protected:
    simpim::OutlookItem& AddNote(std::u16string body, simpim::OutlookFolder* folder = nullptr) {
        simpim::OutlookItem& note = folder ? outlook.AddItem(*folder, simpim::NoteClass())
                                           : outlook.AddItem(simpim::kFolderNotes, simpim::NoteClass());
        note.Set("Body", simpim::Variant(std::move(body)));
        return note;
    }

    // A property of an item as its saved text (ASCII in these tests).
    std::string Saved(const simpim::OutlookItem& item, std::string_view property) const {
        const simpim::Variant value = item.Get(property);
        const std::u16string* text = value.IfBstr();
        return text ? Narrow(*text) : std::string("<not text>");
    }
};

}  // namespace tarnex_test
