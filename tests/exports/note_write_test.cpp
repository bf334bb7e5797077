// Writing notes: what Outlook receives from a record, new notes, the store
// replaced, and a note read, written back and read again.
#include "exports/note_fixture.h"

namespace tarnex_test {
namespace {

using simpim::Variant;
using tarnex::automation::Date;

// Only "=0D=0A" is decoded, into one line feed. Catches decoding the whole
// soft break, other quoted-printable sequences or the "\" escapes; a
// case-blind search; overlapping replacements; categories left out when empty.
TEST_F(NoteTest, BodyLineBreaksAreDecodedAndNothingElse) {
    const struct {
        const char* what;
        std::string body, categories;
        std::string savedBody;
    } cases[] = {
        {"host's line break", "x=0D=0Ay", "Business", "x\ny"},
        {"soft break as the reader writes it", "x=0D=0A=\ny", "Business;Personal", "x\n=\ny"},
        {"two in a row", "=0D=0A=0D=0A", "", "\n\n"},
        {"no overlap", "=0D=0D=0A", "", "=0D\n"},
        {"lower case stays", "a=0d=0ab", "", "a=0d=0ab"},
        {"other sequences and escapes stay", "a=3Db\\; c\\\\ =\nd", "", "a=3Db\\; c\\\\ =\nd"},
        {"empty", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        simpim::OutlookItem& note = AddNote(u"old");
        note.Set("Categories", Variant(u"Old"));
        NoteRecord record = Zeroed<NoteRecord>();
        Fill(record.body, c.body);
        Fill(record.categories, c.categories);
        EXPECT_EQ(lib.SetSingleObjectForOL(EntryIdOf(note).c_str(), &record, TARN_STORE_NOTES), TARN_OK);
        EXPECT_EQ(Shown(note, "Body"), c.savedBody);
        EXPECT_EQ(Shown(note, "Categories"), c.categories);
    }
}

// A host's fields without their zero are read to their end and no further.
// Catches reading a field as a C string past its size.
TEST_F(NoteTest, UnterminatedFieldsAreReadWithinTheirSize) {
    simpim::OutlookItem& note = AddNote(u"old");
    NoteRecord record = Zeroed<NoteRecord>();
    std::memset(record.categories, 'c', sizeof record.categories);
    std::memset(record.body, 'b', sizeof record.body);
    std::memset(record.bodyParameters, 'p', sizeof record.bodyParameters);
    EXPECT_EQ(lib.SetSingleObjectForOL(EntryIdOf(note).c_str(), &record, TARN_STORE_NOTES), TARN_OK);
    EXPECT_EQ(Shown(note, "Categories"), std::string(165, 'c'));
    EXPECT_EQ(Shown(note, "Body"), std::string(5120, 'b'));
}

// Selector 16 creates notes (CreateItem 5), which Outlook saves in Notes.
// Catches a wrong item type or a missing row for the notes store.
TEST_F(NoteTest, NewNotesAndTheStoreReplaced) {
    AddNote(u"old one");
    AddNote(u"old two");
    NoteRecord record = Zeroed<NoteRecord>();
    Fill(record.body, "Added=0D=0Anote");
    char id[TARN_ENTRY_ID_SIZE] = {};
    ASSERT_EQ(lib.AddForOL(id, &record, TARN_STORE_NOTES), TARN_OK);
    const simpim::OutlookItem* added = outlook.FindItem(std::u16string(id, id + std::strlen(id)));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Class().code, simpim::kClassNote);
    EXPECT_EQ(added->Folder(), &outlook.Folder(simpim::kFolderNotes));
    EXPECT_EQ(Shown(*added, "Body"), "Added\nnote");

    HostList<NoteRecord> host(2);
    Fill(host.records[0].body, "first");
    Fill(host.records[1].body, "second");
    ASSERT_EQ(lib.SetObjectStoreForOL(&host.list, TARN_STORE_NOTES), TARN_OK);
    ASSERT_EQ(outlook.Count(simpim::kFolderNotes), 2u);
    for (const NoteRecord& r : host.records) {
        const simpim::OutlookItem* item = outlook.FindItem(
            std::u16string(r.header.entryId, r.header.entryId + std::strlen(r.header.entryId)));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(Shown(*item, "Body"), r.body);
    }
}

// A note read, written back unchanged and read again gives the same bytes
// when the save falls in the same second as the last change. Catches a
// writer that sends the body somewhere else or alters it, and one that
// writes the read-only subject or the times.
TEST_F(NoteTest, RoundTripKeepsTheRecord) {
    const double now = 36965.0 + 12.0 / 24.0;
    outlook.Store().SetNow(now);
    simpim::OutlookItem& note = AddNote(u"Door code 4711\nkey at = the desk");
    note.Set("CreationTime", Variant(Date{36951.5}));
    const std::string id = EntryIdOf(note);

    NoteRecord first = Zeroed<NoteRecord>();
    ASSERT_EQ(lib.GetSingleObjectForOL(&first, id.c_str(), TARN_STORE_NOTES), TARN_OK);
    ASSERT_EQ(lib.SetSingleObjectForOL(id.c_str(), &first, TARN_STORE_NOTES), TARN_OK);
    NoteRecord second = Zeroed<NoteRecord>();
    ASSERT_EQ(lib.GetSingleObjectForOL(&second, id.c_str(), TARN_STORE_NOTES), TARN_OK);
    EXPECT_TRUE(RecordBytesAre(BytesOf(second),
                               {{4, id},
                                {260, "1.1"},
                                {270, "20010301T120000"},
                                {290, "20010315T120000"},
                                {475, "Door code 4711\nkey at = the desk"},
                                {5723, "Door code 4711"}},
                               kNoteFields));
    EXPECT_EQ(std::memcmp(&first, &second, sizeof first), 0);
}

}  // namespace
}  // namespace tarnex_test
